#include "win32/viewer/scene_painter.h"

#include "win32/viewer/glyph_text_painter.h"
#include "win32/viewer/latin1_text.h"
#include "win32/viewer/paint_runs.h"
#include "win32/viewer/path_batch.h"

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace trelvo::win32 {
namespace {

using namespace viewer;

// Arial is on every Windows; the Qt viewer's face is not, and has the same build.
constexpr wchar_t kFontFace[] = L"Arial";

Gdiplus::Color ToColor(Rgb c) { return Gdiplus::Color(255, c.r, c.g, c.b); }
Gdiplus::REAL Real(double value) { return static_cast<Gdiplus::REAL>(value); }
Gdiplus::RectF ToRect(const Rect& r) {
    return Gdiplus::RectF(Real(r.left), Real(r.top), Real(r.width), Real(r.height));
}

void PaintRamp(Gdiplus::Graphics& graphics, const RampPrim& r) {
    if (r.stops.size() < 2)
        return;
    const Gdiplus::RectF box = ToRect(r.rect);
    // From the bottom edge (fraction 0) up to the top edge (fraction 1).
    Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(box.X, box.GetBottom()), Gdiplus::PointF(box.X, box.Y),
                                       ToColor(r.stops.front().colour), ToColor(r.stops.back().colour));
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
    graphics.FillRectangle(&brush, box);
}

// Text with GDI+, placed by its baseline as the scene places it. The driver string call
// draws the glyphs where told, without the string layout that costs most under Wine.
class GdiplusText {
public:
    void Draw(Gdiplus::Graphics& graphics, const TextPrim& t) {
        Gdiplus::Font& font = Font(t.size, t.bold);
        const std::wstring text = Latin1WideText(t.text);
        const auto length = static_cast<INT>(text.size());
        const auto* glyphs = reinterpret_cast<const UINT16*>(text.c_str());
        constexpr INT kFlags = Gdiplus::DriverStringOptionsCmapLookup | Gdiplus::DriverStringOptionsRealizedAdvance;
        Gdiplus::PointF origin(Real(t.at.x), Real(t.at.y));
        if (t.anchor != Anchor::Start) {
            Gdiplus::RectF bounds;
            graphics.MeasureDriverString(glyphs, length, &font, &origin, kFlags, nullptr, &bounds);
            origin.X -= t.anchor == Anchor::Middle ? bounds.Width / 2.0f : bounds.Width;
        }
        Gdiplus::SolidBrush brush(ToColor(t.colour));
        graphics.DrawDriverString(glyphs, length, &font, &brush, &origin, kFlags, nullptr);
    }

private:
    Gdiplus::Font& Font(double size, bool bold) {
        const auto key = std::make_pair(static_cast<int>(std::lround(size)), bold);
        auto found = fonts_.find(key);
        if (found != fonts_.end())
            return *found->second;
        const INT style = bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
        Gdiplus::FontFamily face(kFontFace);
        const Gdiplus::FontFamily* family = face.IsAvailable() ? &face : Gdiplus::FontFamily::GenericSansSerif();
        auto font = std::make_unique<Gdiplus::Font>(family, Real(key.first), style, Gdiplus::UnitPixel);
        return *fonts_.emplace(key, std::move(font)).first->second;
    }

    std::map<std::pair<int, bool>, std::unique_ptr<Gdiplus::Font>> fonts_;
};

class ScenePainter {
public:
    ScenePainter(Gdiplus::Graphics& graphics, GlyphTextPainter* glyphs) : graphics_(graphics), glyphs_(glyphs) {}

    // One run of items (paint_runs.h): its shapes merged, then its text.
    void PaintRun(std::span<const Primitive> run) {
        for (const Primitive& item : run)
            std::visit([this](const auto& shape) { Gather(shape); }, item.shape);
        batch_.Draw(graphics_);
        PaintTexts();
    }

private:
    template <class Shape> void Gather(const Shape& shape) { batch_.Add(shape); }
    void Gather(const TextPrim& text) { texts_.push_back(&text); }
    void Gather(const RampPrim& ramp) { PaintRamp(graphics_, ramp); }

    void PaintTexts() {
        if (glyphs_ && !texts_.empty()) {
            // The shapes beneath, in the pixels first: GDI+ and GDI may both hold them back.
            graphics_.Flush(Gdiplus::FlushIntentionSync);
            ::GdiFlush();
        }
        for (const TextPrim* text : texts_) {
            if (glyphs_)
                glyphs_->Draw(*text);
            else
                text_.Draw(graphics_, *text);
        }
        texts_.clear();
    }

    Gdiplus::Graphics& graphics_;
    GlyphTextPainter* glyphs_;
    GdiplusText text_;
    PathBatch batch_;
    std::vector<const TextPrim*> texts_;
};

} // namespace

void PaintScene(Gdiplus::Graphics& graphics, std::span<const Primitive> items, GlyphTextPainter* glyphs) {
    const Gdiplus::GraphicsState state = graphics.Save();
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    ScenePainter painter(graphics, glyphs);
    for (std::size_t begin = 0; begin < items.size();) {
        const std::size_t end = RunEnd(items, begin);
        painter.PaintRun(items.subspan(begin, end - begin));
        begin = end;
    }
    graphics.Restore(state);
}

} // namespace trelvo::win32
