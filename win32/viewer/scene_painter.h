#pragma once

#include "win32/viewer/gdiplus_api.h"
#include "viewer/scene.h"

#include <span>

namespace trelvo::win32 {

class GlyphTextPainter;

// Paints the scene's primitives with anti-aliasing, in their order, at the graphics'
// current transform: the one drawing routine of the screen, image and print output, and
// the Windows sibling of the Qt viewer's painter. Both take the same measures: pixel
// centres at half units, dash patterns in pen widths, text on its baseline.
// With `glyphs`, text is drawn by it instead of GDI+, each in its turn: for a graphics over
// the pixels that `glyphs` draws into.
void PaintScene(Gdiplus::Graphics& graphics, std::span<const viewer::Primitive> items,
                GlyphTextPainter* glyphs = nullptr);
inline void PaintScene(Gdiplus::Graphics& graphics, const viewer::Scene& scene) {
    PaintScene(graphics, std::span<const viewer::Primitive>(scene.items));
}

} // namespace trelvo::win32
