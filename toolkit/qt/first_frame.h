#pragma once

class QWidget;

namespace trelvo::qt {

// Ends the event loop with exit code 0 once `window` has painted its first frame: how the
// start-up time of the desktop program is measured (TRELVO_EXIT_AFTER_FIRST_FRAME).
void QuitAfterFirstFrame(QWidget& window);

} // namespace trelvo::qt
