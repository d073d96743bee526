#include "qt/editor/screen_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <cmath>

namespace trelvo::qt {

void PlaceCentred(QWidget& widget, QSize size) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        widget.resize(size);
        return;
    }
    widget.setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen->availableGeometry()));
}

int DisplayDpiY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->logicalDotsPerInchY() <= 0)
        return 96;
    return static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
}

} // namespace trelvo::qt
