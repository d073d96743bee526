#include "win32/viewer/path_batch.h"

#include <algorithm>

namespace trelvo::win32 {
namespace {

using namespace viewer;

Gdiplus::Color ToColor(Rgb c) { return Gdiplus::Color(255, c.r, c.g, c.b); }
Gdiplus::REAL Real(double value) { return static_cast<Gdiplus::REAL>(value); }
Gdiplus::PointF ToPoint(Point2 p) { return Gdiplus::PointF(Real(p.x), Real(p.y)); }

// The same patterns, in pen widths, as the Qt painter's and the SVG output's: dashes of
// 4 with gaps of 2, dots of 1 with gaps of 2, both with flat ends; solid lines round.
void SetStroke(Gdiplus::Pen& pen, Stroke stroke) {
    static const Gdiplus::REAL dashed[] = {4.0f, 2.0f};
    static const Gdiplus::REAL dotted[] = {1.0f, 2.0f};
    switch (stroke) {
    case Stroke::Solid:
        pen.SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
        pen.SetLineJoin(Gdiplus::LineJoinRound);
        break;
    case Stroke::Dashed:
        pen.SetDashPattern(dashed, 2);
        break;
    case Stroke::Dotted:
        pen.SetDashPattern(dotted, 2);
        break;
    }
}

// A stroke wider than a hairline is filled as its outline, which GDI+ widens as it would
// to draw it. Under Wine, GDI+ on a device context hands a drawn stroke to a GDI pen, which
// inks a slanting bar half as wide again; a filled outline keeps the width. A slanting
// hairline's outline fills to nothing there, so a hairline keeps the pen.
void StrokePath(Gdiplus::Graphics& graphics, Gdiplus::Pen& pen, Gdiplus::GraphicsPath& path) {
    constexpr Gdiplus::REAL kWidestHairline = 1.5f;
    if (pen.GetWidth() < kWidestHairline) {
        graphics.DrawPath(&pen, &path);
        return;
    }
    Gdiplus::Color colour;
    pen.GetColor(&colour);
    const Gdiplus::SolidBrush brush(colour);
    path.Widen(&pen);
    graphics.FillPath(&brush, &path);
}

// Twice the signed area, positive when the points turn as GDI+ adds rectangles and
// ellipses (clockwise on the screen).
double TurnArea(const std::vector<Point2>& points) {
    double area = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point2& a = points[i];
        const Point2& b = points[(i + 1) % points.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area;
}

Gdiplus::RectF Box(Point2 centre, double radius) {
    return Gdiplus::RectF(Real(centre.x - radius), Real(centre.y - radius), Real(2.0 * radius),
                          Real(2.0 * radius));
}

Gdiplus::RectF Box(const Rect& r) {
    return Gdiplus::RectF(Real(r.left), Real(r.top), Real(r.width), Real(r.height));
}

// Overlapping figures of one path must not cancel: each fills by the winding rule, and
// every figure turns the same way.
std::unique_ptr<Gdiplus::GraphicsPath> NewPath() {
    return std::make_unique<Gdiplus::GraphicsPath>(Gdiplus::FillModeWinding);
}

} // namespace

void PathBatch::Add(const LinePrim& line) {
    Gdiplus::GraphicsPath& path = StrokeOf({line.colour, line.width, line.stroke});
    path.StartFigure();
    path.AddLine(ToPoint(line.from), ToPoint(line.to));
}

void PathBatch::Add(const PolygonPrim& polygon) {
    if (polygon.points.size() < 3)
        return;
    std::vector<Gdiplus::PointF> points;
    points.reserve(polygon.points.size());
    for (const Point2& point : polygon.points)
        points.push_back(ToPoint(point));
    if (TurnArea(polygon.points) < 0.0)
        std::reverse(points.begin(), points.end());
    FillOf(polygon.fill).AddPolygon(points.data(), static_cast<INT>(points.size()));
}

void PathBatch::Add(const CirclePrim& circle) {
    if (circle.fill)
        FillOf(*circle.fill).AddEllipse(Box(circle.centre, circle.radius));
    if (circle.outline)
        StrokeOf({*circle.outline, circle.width, Stroke::Solid}).AddEllipse(Box(circle.centre, circle.radius));
}

void PathBatch::Add(const RectPrim& rect) {
    if (rect.fill)
        FillOf(*rect.fill).AddRectangle(Box(rect.rect));
    if (rect.outline)
        StrokeOf({*rect.outline, rect.width, Stroke::Solid}).AddRectangle(Box(rect.rect));
}

void PathBatch::Draw(Gdiplus::Graphics& graphics) {
    for (const auto& [colour, path] : fills_) {
        Gdiplus::SolidBrush brush(ToColor(colour));
        graphics.FillPath(&brush, path.get());
    }
    for (const auto& [style, path] : strokes_) {
        Gdiplus::Pen pen(ToColor(style.colour), Real(style.width));
        SetStroke(pen, style.stroke);
        StrokePath(graphics, pen, *path);
    }
    fills_.clear();
    strokes_.clear();
}

Gdiplus::GraphicsPath& PathBatch::FillOf(Rgb colour) {
    const auto found = std::find_if(fills_.begin(), fills_.end(), [&](const auto& fill) { return fill.first == colour; });
    if (found != fills_.end())
        return *found->second;
    return *fills_.emplace_back(colour, NewPath()).second;
}

Gdiplus::GraphicsPath& PathBatch::StrokeOf(const PenStyle& pen) {
    const auto found = std::find_if(strokes_.begin(), strokes_.end(), [&](const auto& stroke) { return stroke.first == pen; });
    if (found != strokes_.end())
        return *found->second;
    return *strokes_.emplace_back(pen, NewPath()).second;
}

} // namespace trelvo::win32
