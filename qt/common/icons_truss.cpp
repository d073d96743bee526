// The program's own toolbar pictures, drawn in the square of their nominal size.
#include "qt/common/icon_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace trelvo::qt {
namespace {

// Corners of a square base seen in perspective, and the apex above it.
struct Pyramid {
    QPointF apex;
    std::array<QPointF, 4> base; // front left, front right, back right, back left
};

void Bar(QPainter& painter, const QColor& colour, qreal width, QPointF from, QPointF to) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

void DrawPyramid(QPainter& painter, const Pyramid& p, const QColor& baseColour,
                 const QColor& sideColour) {
    const auto& [frontLeft, frontRight, backRight, backLeft] = p.base;
    // The hidden bars first and thinner, so the front ones cross over them.
    Bar(painter, baseColour, 1.0, backLeft, backRight);
    Bar(painter, baseColour, 1.0, backLeft, frontLeft);
    Bar(painter, sideColour, 1.0, backLeft, p.apex);
    Bar(painter, baseColour, 1.0, frontLeft, backRight);
    Bar(painter, baseColour, 1.7, frontLeft, frontRight);
    Bar(painter, baseColour, 1.7, frontRight, backRight);
    for (const QPointF& corner : {frontLeft, frontRight, backRight})
        Bar(painter, sideColour, 1.7, corner, p.apex);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    for (const QPointF& node : {frontLeft, frontRight, backRight, backLeft, p.apex})
        painter.drawEllipse(node, 1.1, 1.1);
}

void DownArrow(QPainter& painter, const QColor& colour, QPointF tail, QPointF tip) {
    Bar(painter, colour, 1.8, tail, tip - QPointF(0, 3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{tip, tip + QPointF(-3, -4.5), tip + QPointF(3, -4.5)});
}

void DrawAxes(QPainter& painter, QPointF origin) {
    const QColor ink(30, 30, 30);
    Bar(painter, ink, 1.0, origin, origin + QPointF(6.5, 0));    // X
    Bar(painter, ink, 1.0, origin, origin + QPointF(0, -6.5));   // Y
    Bar(painter, ink, 1.0, origin, origin + QPointF(-2.6, 2.6)); // Z, towards the viewer
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(QPolygonF{origin + QPointF(8, 0), origin + QPointF(5.5, -1.5),
                                  origin + QPointF(5.5, 1.5)});
    painter.drawPolygon(QPolygonF{origin + QPointF(0, -8), origin + QPointF(-1.5, -5.5),
                                  origin + QPointF(1.5, -5.5)});
}

// ICON1: blue and green truss pyramid, dark red load on its apex, axes in the corner.
void DrawIcon1(QPainter& painter) {
    const Pyramid pyramid{{18, 12}, {QPointF(4, 26), QPointF(21, 30.5), QPointF(30, 23), QPointF(13, 19.5)}};
    DrawPyramid(painter, pyramid, QColor(25, 70, 215), QColor(20, 150, 45));
    DownArrow(painter, QColor(139, 0, 0), {18, 0.5}, {18, 10.5});
    DrawAxes(painter, {4, 10});
}

// ICON2: two capital letters A under a red mark.
void DrawLetterA(QPainter& painter, qreal left) {
    painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{{left, 17}, {left + 3.5, 6.5}, {left + 7, 17}});
    painter.drawLine(QPointF(left + 1.6, 13.2), QPointF(left + 5.4, 13.2));
}

void DrawIcon2(QPainter& painter) {
    DrawLetterA(painter, 1);
    DrawLetterA(painter, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 20, 20));
    painter.drawPolygon(QPolygonF{{5, 4}, {9, 0.5}, {13, 4}, {9, 2.8}});
}

// ICON5: red and blue truss pyramid with a green arrow, an eye in the top right corner.
void DrawEye(QPainter& painter, QPointF centre) {
    QPainterPath lids;
    lids.moveTo(centre + QPointF(-6.5, 0));
    lids.quadTo(centre + QPointF(0, -6.5), centre + QPointF(6.5, 0));
    lids.quadTo(centre + QPointF(0, 6.5), centre + QPointF(-6.5, 0));
    painter.setPen(QPen(QColor(20, 20, 20), 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(lids);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 90, 200));
    painter.drawEllipse(centre, 2.4, 2.4);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 1.1, 1.1);
}

void DrawIcon5(QPainter& painter) {
    const Pyramid pyramid{{13, 13}, {QPointF(2, 27), QPointF(17, 31), QPointF(25, 24.5), QPointF(10, 21)}};
    DrawPyramid(painter, pyramid, QColor(25, 70, 215), QColor(205, 30, 30));
    DownArrow(painter, QColor(20, 160, 40), {13, 2}, {13, 11.5});
    DrawEye(painter, {24.5, 7});
}

// ICON6: blank.
void DrawIcon6(QPainter&) {}

// ICON7: a white question mark on a blue disc.
void DrawIcon7(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 90, 215));
    painter.drawEllipse(QPointF(8, 8), 7.5, 7.5);
    QPainterPath hook;
    hook.moveTo(5.4, 6.2);
    hook.cubicTo(5.4, 2.8, 10.8, 2.8, 10.6, 6.0);
    hook.cubicTo(10.5, 7.6, 8.0, 7.8, 8.0, 10.0);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8, 12.8), 1.2, 1.2);
}

} // namespace

IconArt ProgramArt(ButtonImage image) {
    switch (image) {
    case ButtonImage::Icon1: return {32, DrawIcon1};
    case ButtonImage::Icon2: return {18, DrawIcon2};
    case ButtonImage::Icon5: return {32, DrawIcon5};
    case ButtonImage::Icon6: return {16, DrawIcon6};
    case ButtonImage::Icon7: return {16, DrawIcon7};
    default: return {};
    }
}

} // namespace trelvo::qt
