#include "icons.h"

#include "icon_art.h"

#include <algorithm>

#include <QIconEngine>
#include <QPainter>

#include <map>

namespace trelvo::qt {
namespace {

IconArt ArtOf(ButtonImage image) {
    const IconArt art = ProgramArt(image);
    return art.draw ? art : StandardArt(image);
}

// Draws a picture only when, and at the size, it is first shown: the toolbar needs one
// size of each, and start-up should not pay for renderings nobody looks at.
class ArtIconEngine : public QIconEngine {
public:
    explicit ArtIconEngine(ButtonImage image) : image_(image) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        auto cached = renderings_.find(side);
        if (cached == renderings_.end())
            cached = renderings_.emplace(side, RenderButtonImage(image_, side)).first;
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return cached->second;
        QIcon plain(cached->second); // disabled and selected looks come from the style
        return plain.pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    // Drawn at any size; these are the ones toolbars and window managers ask for.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64),
                QSize(128, 128)};
    }

    QIconEngine* clone() const override { return new ArtIconEngine(image_); }

private:
    ButtonImage image_;
    std::map<int, QPixmap> renderings_;
};

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
    return QIcon(new ArtIconEngine(image));
}

QIcon ApplicationIcon() { return QIcon(new ArtIconEngine(ButtonImage::Icon1)); }

} // namespace trelvo::qt
