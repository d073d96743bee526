#include "scene_painter.h"

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace trelvo::vantrel_win32 {
namespace {

using namespace viewer;

// Arial is on every Windows; the Qt viewer's face is not, and has the same build.
constexpr wchar_t kFontFace[] = L"Arial";

Gdiplus::Color ToColor(Rgb c) { return Gdiplus::Color(255, c.r, c.g, c.b); }
Gdiplus::PointF ToPoint(Point2 p) { return Gdiplus::PointF(static_cast<Gdiplus::REAL>(p.x), static_cast<Gdiplus::REAL>(p.y)); }
Gdiplus::RectF ToRect(const Rect& r) {
    return Gdiplus::RectF(static_cast<Gdiplus::REAL>(r.left), static_cast<Gdiplus::REAL>(r.top),
                          static_cast<Gdiplus::REAL>(r.width), static_cast<Gdiplus::REAL>(r.height));
}
Gdiplus::REAL Real(double value) { return static_cast<Gdiplus::REAL>(value); }

// The document's single-byte text: each byte is the character of that number (Latin-1).
std::wstring WideText(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

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

// A face and its baseline: GDI+ places text by the top of its line, the scene by the
// baseline, so each font keeps its ascent in pixels.
struct SizedFont {
    std::unique_ptr<Gdiplus::Font> font;
    Gdiplus::REAL ascent = 0.0f;
};

class PrimitivePainter {
public:
    explicit PrimitivePainter(Gdiplus::Graphics& graphics) : graphics_(graphics) {
        format_.SetFormatFlags(format_.GetFormatFlags() | Gdiplus::StringFormatFlagsMeasureTrailingSpaces |
                               Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
    }

    void operator()(const LinePrim& l) {
        Gdiplus::Pen pen(ToColor(l.colour), Real(l.width));
        SetStroke(pen, l.stroke);
        graphics_.DrawLine(&pen, ToPoint(l.from), ToPoint(l.to));
    }
    void operator()(const PolygonPrim& p) {
        std::vector<Gdiplus::PointF> points;
        for (const Point2& point : p.points)
            points.push_back(ToPoint(point));
        Gdiplus::SolidBrush brush(ToColor(p.fill));
        graphics_.FillPolygon(&brush, points.data(), static_cast<INT>(points.size()));
    }
    void operator()(const CirclePrim& c) {
        const Gdiplus::RectF box(Real(c.centre.x - c.radius), Real(c.centre.y - c.radius),
                                 Real(2.0 * c.radius), Real(2.0 * c.radius));
        if (c.fill) {
            Gdiplus::SolidBrush brush(ToColor(*c.fill));
            graphics_.FillEllipse(&brush, box);
        }
        if (c.outline) {
            Gdiplus::Pen pen(ToColor(*c.outline), Real(c.width));
            graphics_.DrawEllipse(&pen, box);
        }
    }
    void operator()(const RectPrim& r) {
        const Gdiplus::RectF box = ToRect(r.rect);
        if (r.fill) {
            Gdiplus::SolidBrush brush(ToColor(*r.fill));
            graphics_.FillRectangle(&brush, box);
        }
        if (r.outline) {
            Gdiplus::Pen pen(ToColor(*r.outline), Real(r.width));
            graphics_.DrawRectangle(&pen, box);
        }
    }
    void operator()(const TextPrim& t) {
        const SizedFont& font = Font(t.size, t.bold);
        const std::wstring text = WideText(t.text);
        const auto length = static_cast<INT>(text.size());
        Gdiplus::REAL x = Real(t.at.x);
        if (t.anchor != Anchor::Start) {
            Gdiplus::RectF bounds;
            graphics_.MeasureString(text.c_str(), length, font.font.get(), Gdiplus::PointF(0, 0),
                                    &format_, &bounds);
            x -= t.anchor == Anchor::Middle ? bounds.Width / 2.0f : bounds.Width;
        }
        Gdiplus::SolidBrush brush(ToColor(t.colour));
        graphics_.DrawString(text.c_str(), length, font.font.get(),
                             Gdiplus::PointF(x, Real(t.at.y) - font.ascent), &format_, &brush);
    }
    void operator()(const RampPrim& r) {
        if (r.stops.size() < 2)
            return;
        const Gdiplus::RectF box = ToRect(r.rect);
        // From the bottom edge (fraction 0) up to the top edge (fraction 1).
        Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(box.X, box.GetBottom()),
                                           Gdiplus::PointF(box.X, box.Y),
                                           ToColor(r.stops.front().colour),
                                           ToColor(r.stops.back().colour));
        std::vector<Gdiplus::Color> colours;
        std::vector<Gdiplus::REAL> positions;
        for (const ColourStop& stop : r.stops) {
            colours.push_back(ToColor(stop.colour));
            positions.push_back(Real(stop.fraction));
        }
        // GDI+ asks for stops at both ends; the ramp's own ends are its first and last colours.
        positions.front() = 0.0f;
        positions.back() = 1.0f;
        brush.SetInterpolationColors(colours.data(), positions.data(), static_cast<INT>(colours.size()));
        // A pixel just past an end takes the end's colour, not the far end's.
        brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        graphics_.FillRectangle(&brush, box);
    }

private:
    const SizedFont& Font(double size, bool bold) {
        const auto key = std::make_pair(static_cast<int>(std::lround(size)), bold);
        auto found = fonts_.find(key);
        if (found != fonts_.end())
            return found->second;
        const INT style = bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
        Gdiplus::FontFamily face(kFontFace);
        const Gdiplus::FontFamily* family =
            face.IsAvailable() ? &face : Gdiplus::FontFamily::GenericSansSerif();
        SizedFont sized;
        sized.font = std::make_unique<Gdiplus::Font>(family, Real(key.first), style, Gdiplus::UnitPixel);
        sized.ascent = Real(key.first) * family->GetCellAscent(style) / family->GetEmHeight(style);
        return fonts_.emplace(key, std::move(sized)).first->second;
    }

    Gdiplus::Graphics& graphics_;
    // Typographic measures: no padding before the first character, as the scene places text.
    Gdiplus::StringFormat format_{Gdiplus::StringFormat::GenericTypographic()};
    std::map<std::pair<int, bool>, SizedFont> fonts_;
};

} // namespace

void PaintScene(Gdiplus::Graphics& graphics, std::span<const Primitive> items) {
    const Gdiplus::GraphicsState state = graphics.Save();
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    PrimitivePainter draw(graphics);
    for (const Primitive& item : items)
        std::visit(draw, item.shape);
    graphics.Restore(state);
}

} // namespace trelvo::vantrel_win32
