#include "qt/editor/quick_start_style.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>
#include <QStyleOption>

namespace trelvo::qt {
namespace {

class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredStandardIcon(style_, which_); }

private:
    const QIcon& Loaded() {
        if (!loaded_) {
            icon_ = style_->standardIcon(which_);
            loaded_ = true;
        }
        return icon_;
    }

    const QStyle* style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool loaded_ = false;
};

const QColor kEdgeLight(255, 255, 255, 90);
const QColor kEdgeShadow(0, 0, 0, 60);

// A light line along the top (or left) edge and a shadow along the bottom (or right).
void DrawEdges(QPainter& painter, const QRect& r, bool horizontal, bool lightEdge) {
    if (horizontal) {
        if (lightEdge)
            painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), kEdgeLight);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), kEdgeShadow);
    } else {
        if (lightEdge)
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), kEdgeLight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), kEdgeShadow);
    }
}

void DrawMenuBarBackground(const QStyleOption& option, QPainter& painter) {
    painter.fillRect(option.rect, option.palette.window());
    DrawEdges(painter, option.rect, true, false);
}

void DrawToolBarBackground(const QStyleOption& option, QPainter& painter) {
    const QRect& r = option.rect;
    const bool horizontal = option.state & QStyle::State_Horizontal;
    QLinearGradient shade(r.topLeft(), horizontal ? r.bottomLeft() : r.topRight());
    shade.setColorAt(0, option.palette.window().color().lighter(104));
    shade.setColorAt(1, option.palette.window().color());
    painter.fillRect(r, shade);
    DrawEdges(painter, r, horizontal, true);
}

} // namespace

QIcon QuickStartStyle::standardIcon(StandardPixmap which, const QStyleOption*,
                                    const QWidget*) const {
    return QIcon(new DeferredStandardIcon(baseStyle(), which));
}

void QuickStartStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuBarEmptyArea) {
        DrawMenuBarBackground(*option, *painter);
        return;
    }
    // Other toolbars keep the base style's look.
    if (element == CE_ToolBar && widget && qobject_cast<const QMainWindow*>(widget->parentWidget())) {
        DrawToolBarBackground(*option, *painter);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace trelvo::qt
