#pragma once

#include "win32/viewer/gdiplus_api.h"
#include "win32/viewer/glyph_text_painter.h"
#include "viewer/scene.h"

#include <memory>

namespace trelvo::win32 {

// A picture of a fixed size that both GDI and GDI+ draw on: a 32-bit DIB section held by a
// memory device context, with a GDI+ bitmap over the same bits. The scene is painted through
// the device context, and the view copies it to the screen in one step; export and tests
// read it as a GDI+ bitmap.
class SceneBitmap {
public:
    // Null when the system has no memory for it.
    static std::unique_ptr<SceneBitmap> Make(SIZE size);
    ~SceneBitmap();
    SceneBitmap(const SceneBitmap&) = delete;
    SceneBitmap& operator=(const SceneBitmap&) = delete;

    SIZE Size() const { return size_; }
    HDC DeviceContext() const { return dc_; }
    Gdiplus::Bitmap& Image() { return *image_; }
    // Blue, green, red and an unused byte per pixel, rows from the top.
    const std::uint32_t* Pixels() const { return pixels_; }

    // The scene from the top left corner, on its background colour (white if it has none);
    // its text set by the glyph painter straight into the pixels. Each unit of the scene
    // takes `scale` pixels: a screen of more than 96 dpi shows the same picture larger.
    void Paint(const viewer::Scene& scene, double scale = 1.0);

private:
    SceneBitmap() = default;

    SIZE size_{};
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    std::unique_ptr<Gdiplus::Bitmap> image_;
    std::unique_ptr<GlyphTextPainter> text_; // its glyphs kept from one picture to the next
};

} // namespace trelvo::win32
