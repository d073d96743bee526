#pragma once

class QWidget;

namespace trelvo::qt {

// Writes the time of `window`'s first frame to standard output (nanoseconds on the steady
// clock) and ends the event loop with exit code 0: how the start-up time of the desktop
// program is measured (TRELVO_EXIT_AFTER_FIRST_FRAME).
void QuitAfterFirstFrame(QWidget& window);

} // namespace trelvo::qt
