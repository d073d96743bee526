#include "qt/editor/icons.h"

#include "qt/common/icon_art.h"
#include "qt/common/prerendered_icons.h"

#include <algorithm>

#include <QIconEngine>
#include <QPainter>

#include <map>

namespace trelvo::qt {
namespace {

// The build drew the sizes start-up shows; any other size is drawn when first asked for.
QPixmap Picture(ButtonImage image, int size) {
    for (const PrerenderedIcon& icon : PrerenderedIcons())
        if (icon.image == image && icon.size == size)
            return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(icon.pixels), size, size,
                                             size * 4, QImage::Format_ARGB32_Premultiplied));
    return RenderButtonImage(image, size);
}

// Makes a picture only when, and at the size, it is first shown: the toolbar needs one
// size of each, and start-up should not pay for pictures nobody looks at.
class ArtIconEngine : public QIconEngine {
public:
    explicit ArtIconEngine(ButtonImage image) : image_(image) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        auto cached = renderings_.find(side);
        if (cached == renderings_.end())
            cached = renderings_.emplace(side, Picture(image_, side)).first;
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
        QList<QSize> sizes;
        for (int side : kProgramIconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new ArtIconEngine(image_); }

private:
    ButtonImage image_;
    std::map<int, QPixmap> renderings_;
};

} // namespace

QPixmap RenderButtonImage(ButtonImage image, int size) {
    return QPixmap::fromImage(DrawButtonImage(image, size));
}

QIcon ButtonIcon(ButtonImage image) {
    if (image == ButtonImage::None)
        return QIcon();
    return QIcon(new ArtIconEngine(image));
}

QIcon ApplicationIcon() { return QIcon(new ArtIconEngine(ButtonImage::Icon1)); }

} // namespace trelvo::qt
