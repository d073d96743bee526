#include "qt/viewer/qt_scene_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <map>
#include <utility>

namespace trelvo::qt {
namespace {

using namespace viewer;

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
QPointF ToQPoint(Point2 p) {
    return QPointF(p.x, p.y);
}
QRectF ToQRect(const Rect& r) {
    return QRectF(r.left, r.top, r.width, r.height);
}

QPen StrokePen(Rgb colour, double width, Stroke stroke) {
    QPen pen(ToQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (stroke != Stroke::Solid) {
        // The same patterns, in pen widths, as the SVG output's dash arrays.
        pen.setCapStyle(Qt::FlatCap);
        pen.setStyle(stroke == Stroke::Dashed ? Qt::DashLine : Qt::DotLine);
    }
    return pen;
}

class PrimitivePainter {
  public:
    explicit PrimitivePainter(QPainter& painter) : painter_(painter) {}

    void operator()(const LinePrim& l) {
        painter_.setPen(StrokePen(l.colour, l.width, l.stroke));
        painter_.drawLine(ToQPoint(l.from), ToQPoint(l.to));
    }
    void operator()(const PolygonPrim& p) {
        QPolygonF polygon;
        for (const Point2& point : p.points)
            polygon << ToQPoint(point);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQColor(p.fill));
        painter_.drawPolygon(polygon);
    }
    void operator()(const CirclePrim& c) {
        SetOutlineAndFill(c.outline, c.width, c.fill);
        painter_.drawEllipse(ToQPoint(c.centre), c.radius, c.radius);
    }
    void operator()(const RectPrim& r) {
        SetOutlineAndFill(r.outline, r.width, r.fill);
        painter_.drawRect(ToQRect(r.rect));
    }
    void operator()(const TextPrim& t) {
        const QFont& font = Font(t.size, t.bold);
        const QString text =
            QString::fromLatin1(t.text.data(), static_cast<qsizetype>(t.text.size()));
        double x = t.at.x;
        if (t.anchor != Anchor::Start) {
            const double advance = QFontMetricsF(font).horizontalAdvance(text);
            x -= t.anchor == Anchor::Middle ? advance / 2.0 : advance;
        }
        painter_.setFont(font);
        painter_.setPen(ToQColor(t.colour));
        painter_.drawText(QPointF(x, t.at.y), text);
    }
    void operator()(const RampPrim& r) {
        const QRectF rect = ToQRect(r.rect);
        QLinearGradient gradient(rect.bottomLeft(), rect.topLeft());
        for (const ColourStop& stop : r.stops)
            gradient.setColorAt(stop.fraction, ToQColor(stop.colour));
        painter_.fillRect(rect, gradient);
    }

  private:
    void SetOutlineAndFill(const std::optional<Rgb>& outline, double width,
                           const std::optional<Rgb>& fill) {
        painter_.setPen(outline ? QPen(ToQColor(*outline), width) : QPen(Qt::NoPen));
        painter_.setBrush(fill ? QBrush(ToQColor(*fill)) : QBrush(Qt::NoBrush));
    }
    const QFont& Font(double size, bool bold) {
        const auto key = std::make_pair(static_cast<int>(std::lround(size)), bold);
        auto found = fonts_.find(key);
        if (found == fonts_.end()) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setStyleHint(QFont::SansSerif);
            font.setPixelSize(key.first);
            font.setBold(bold);
            found = fonts_.emplace(key, font).first;
        }
        return found->second;
    }

    QPainter& painter_;
    std::map<std::pair<int, bool>, QFont> fonts_;
};

} // namespace

void PaintScene(QPainter& painter, const Scene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PrimitivePainter draw(painter);
    for (const Primitive& item : scene.items)
        std::visit(draw, item.shape);
    painter.restore();
}

} // namespace trelvo::qt
