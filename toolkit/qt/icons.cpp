#include "icons.h"

#include "icon_art.h"

#include <QPainter>

namespace trelvo::qt {
namespace {

IconArt ArtOf(ButtonImage image) {
    const IconArt art = ProgramArt(image);
    return art.draw ? art : StandardArt(image);
}

} // namespace

QPixmap RenderButtonImage(ButtonImage image, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    const IconArt art = ArtOf(image);
    if (!art.draw)
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(static_cast<qreal>(size) / art.size, static_cast<qreal>(size) / art.size);
    art.draw(painter);
    return pixmap;
}

QIcon ButtonIcon(ButtonImage image) {
    if (image == ButtonImage::None)
        return QIcon();
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(RenderButtonImage(image, size));
    return icon;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(RenderButtonImage(ButtonImage::Icon1, size));
    return icon;
}

} // namespace trelvo::qt
