#pragma once

#include <QSize>

class QWidget;

namespace trelvo::qt {

// Gives a top-level widget a client area of `size`, centred on the primary screen.
void PlaceCentred(QWidget& widget, QSize size);

// The primary screen's logical pixels per inch, vertically, rounded; 96 without a screen.
int DisplayDpiY();

} // namespace trelvo::qt
