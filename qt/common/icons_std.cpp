// Our drawings of the usual small editing images: new, open, save, print, cut, copy,
// paste and find, in a 16-unit square.
#include "qt/common/icon_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace trelvo::qt {
namespace {

const QColor kInk(50, 50, 50);

void Outline(QPainter& painter, const QColor& fill, qreal width = 1.0) {
    painter.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
}

// A sheet of paper with a folded top right corner.
void Page(QPainter& painter, QRectF r) {
    Outline(painter, Qt::white);
    const qreal fold = r.width() * 0.35;
    painter.drawPolygon(QPolygonF{r.topLeft(), {r.right() - fold, r.top()},
                                  {r.right(), r.top() + fold}, r.bottomRight(), r.bottomLeft()});
    painter.drawPolyline(QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold},
                                   {r.right(), r.top() + fold}});
}

void TextLines(QPainter& painter, QRectF r, int count) {
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 3.5 + 2.0 * i;
        painter.drawLine(QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y));
    }
}

void DrawNew(QPainter& painter) { Page(painter, {3, 1, 10, 14}); }

void DrawOpen(QPainter& painter) {
    Outline(painter, QColor(230, 190, 80));
    painter.drawPolygon(QPolygonF{{1, 3}, {6, 3}, {7.5, 5}, {14, 5}, {14, 14}, {1, 14}});
    Outline(painter, QColor(250, 215, 110));
    painter.drawPolygon(QPolygonF{{1, 14}, {3.5, 7.5}, {15.5, 7.5}, {14, 14}});
}

void DrawSave(QPainter& painter) {
    Outline(painter, QColor(50, 90, 190));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    Outline(painter, Qt::white, 0.8);
    painter.drawRect(QRectF(4, 1.5, 8, 5));
    Outline(painter, QColor(190, 190, 200), 0.8);
    painter.drawRect(QRectF(4, 9.5, 8, 5));
}

void DrawPrint(QPainter& painter) {
    Page(painter, {4, 1, 8, 7});
    Outline(painter, QColor(170, 170, 175));
    painter.drawRoundedRect(QRectF(1, 6.5, 14, 6), 1, 1);
    Outline(painter, Qt::white);
    painter.drawRect(QRectF(4, 10.5, 8, 4.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 180, 60));
    painter.drawEllipse(QPointF(12.8, 8.3), 0.8, 0.8);
}

void DrawCut(QPainter& painter) {
    painter.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 1), QPointF(10.2, 10));
    painter.drawLine(QPointF(11, 1), QPointF(5.8, 10));
    Outline(painter, Qt::white, 1.3);
    painter.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    painter.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void DrawCopy(QPainter& painter) {
    Page(painter, {1.5, 1, 8, 10});
    Page(painter, {6.5, 5, 8, 10});
}

void DrawPaste(QPainter& painter) {
    Outline(painter, QColor(170, 120, 60));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1, 1);
    Outline(painter, QColor(200, 200, 200));
    painter.drawRoundedRect(QRectF(4, 1, 5, 3), 0.8, 0.8);
    Page(painter, {7, 6, 7.5, 9});
    TextLines(painter, {7, 6, 7.5, 9}, 3);
}

void DrawFind(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 60, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9.8, 9.8), QPointF(14.5, 14.5));
    Outline(painter, QColor(200, 225, 250), 1.5);
    painter.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
}

} // namespace

IconArt StandardArt(ButtonImage image) {
    switch (image) {
    case ButtonImage::StdNew: return {16, DrawNew};
    case ButtonImage::StdOpen: return {16, DrawOpen};
    case ButtonImage::StdSave: return {16, DrawSave};
    case ButtonImage::StdPrint: return {16, DrawPrint};
    case ButtonImage::StdCut: return {16, DrawCut};
    case ButtonImage::StdCopy: return {16, DrawCopy};
    case ButtonImage::StdPaste: return {16, DrawPaste};
    case ButtonImage::StdFind: return {16, DrawFind};
    default: return {};
    }
}

} // namespace trelvo::qt
