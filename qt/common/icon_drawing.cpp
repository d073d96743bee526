#include "qt/common/icon_art.h"

#include <QPainter>

namespace trelvo::qt {

QImage DrawButtonImage(ButtonImage image, int size) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    IconArt art = ProgramArt(image);
    if (!art.draw)
        art = StandardArt(image);
    if (!art.draw)
        return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<qreal>(size) / art.size, static_cast<qreal>(size) / art.size);
    art.draw(painter);
    return picture;
}

} // namespace trelvo::qt
