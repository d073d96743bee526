#include "win32/viewer/paint_runs.h"

#include <variant>

namespace trelvo::win32 {
namespace {

using viewer::Rgb;

// A fill and an outline, either of which may be missing: one colour if they agree.
std::optional<Rgb> OneOf(const std::optional<Rgb>& fill, const std::optional<Rgb>& outline) {
    if (fill && outline && !(*fill == *outline))
        return std::nullopt;
    return fill ? fill : outline;
}

struct ColourOf {
    std::optional<Rgb> operator()(const viewer::LinePrim& l) const { return l.colour; }
    std::optional<Rgb> operator()(const viewer::PolygonPrim& p) const { return p.fill; }
    std::optional<Rgb> operator()(const viewer::CirclePrim& c) const { return OneOf(c.fill, c.outline); }
    std::optional<Rgb> operator()(const viewer::RectPrim& r) const { return OneOf(r.fill, r.outline); }
    std::optional<Rgb> operator()(const viewer::TextPrim& t) const { return t.colour; }
    std::optional<Rgb> operator()(const viewer::RampPrim&) const { return std::nullopt; }
};

} // namespace

std::optional<Rgb> SingleColour(const viewer::Shape& shape) {
    return std::visit(ColourOf{}, shape);
}

std::size_t RunEnd(std::span<const viewer::Primitive> items, std::size_t begin) {
    const std::optional<Rgb> colour = SingleColour(items[begin].shape);
    std::size_t end = begin + 1;
    if (!colour)
        return end;
    while (end < items.size() && SingleColour(items[end].shape) == colour)
        ++end;
    return end;
}

} // namespace trelvo::win32
