#pragma once

#include "viewer/scene.h"
#include "win32/common/windows_api.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace trelvo::win32 {

// Draws the scene's text straight into a 32-bit picture's pixels from grey glyph masks
// that GDI renders once per face, size and character: the masks GDI+ draws from, without
// the cost GDI+ pays for each string under Wine (a redraw's texts took more time than all
// its shapes). The text's baseline passes through `at`, the anchor's end there, its size
// the em height in pixels, in Arial.
class GlyphTextPainter {
public:
    // `dc` is used to render glyphs only; `pixels` are rows of 0x00RRGGBB from the top.
    GlyphTextPainter(HDC dc, std::uint32_t* pixels, SIZE size);
    ~GlyphTextPainter();
    GlyphTextPainter(const GlyphTextPainter&) = delete;
    GlyphTextPainter& operator=(const GlyphTextPainter&) = delete;

    // Pixels per unit of the scene's texts: their places and sizes grow by it.
    void SetScale(double scale) { scale_ = scale; }
    void Draw(const viewer::TextPrim& text);

private:
    struct Glyph {
        POINT origin{};  // of the mask's top left corner, from the pen on the baseline
        SIZE size{};
        int pitch = 0;
        int advance = 0;
        std::vector<BYTE> levels; // 0 to 64 per pixel, rows of `pitch` bytes
    };
    struct Face {
        HFONT font = nullptr;
        std::array<std::optional<Glyph>, 256> glyphs; // the document's characters are single bytes
    };

    Face& FaceFor(double size, bool bold);
    const Glyph& GlyphOf(Face& face, unsigned char character);
    void Blend(const Glyph& glyph, int left, int top, viewer::Rgb colour);

    HDC dc_;
    std::uint32_t* pixels_;
    SIZE size_;
    HGDIOBJ firstFont_;
    double scale_ = 1.0;
    std::map<std::pair<int, bool>, std::unique_ptr<Face>> faces_;
};

} // namespace trelvo::win32
