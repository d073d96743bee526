#include "win32/viewer/scene_bitmap.h"

#include "win32/viewer/scene_painter.h"

#include <algorithm>
#include <optional>
#include <span>
#include <variant>

namespace trelvo::win32 {

namespace {

// A 32-bit DIB section, rows from the top as GDI+ counts them. Its colours are described
// by masks rather than as plain RGB, though they lie the same: on a context over plain
// 32-bit RGB, Wine's GDI+ blends every shape through a copy of its bounding box (as it sets
// a GDI+ bitmap's pixels one by one), while over this one it hands filled shapes to GDI,
// several times faster than either. GDI+ on Windows takes either as 32-bit RGB.
HBITMAP CreateSection(HDC dc, SIZE size, void*& bits) {
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3]; // red, green, blue
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = size.cx;
    info.header.biHeight = -size.cy;
    info.header.biPlanes = 1;
    info.header.biBitCount = 32;
    info.header.biCompression = BI_BITFIELDS;
    info.masks[0] = 0xFF0000;
    info.masks[1] = 0x00FF00;
    info.masks[2] = 0x0000FF;
    return ::CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
}

} // namespace

std::unique_ptr<SceneBitmap> SceneBitmap::Make(SIZE size) {
    std::unique_ptr<SceneBitmap> bitmap(new SceneBitmap);
    bitmap->size_ = SIZE{std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1)};
    void* bits = nullptr;
    bitmap->dc_ = ::CreateCompatibleDC(nullptr);
    bitmap->dib_ = CreateSection(bitmap->dc_, bitmap->size_, bits);
    if (!bitmap->dc_ || !bitmap->dib_ || !bits)
        return nullptr;
    bitmap->previous_ = ::SelectObject(bitmap->dc_, bitmap->dib_);
    bitmap->pixels_ = static_cast<std::uint32_t*>(bits);
    bitmap->image_ = std::make_unique<Gdiplus::Bitmap>(
        bitmap->size_.cx, bitmap->size_.cy, bitmap->size_.cx * 4, PixelFormat32bppRGB,
        static_cast<BYTE*>(bits));
    if (bitmap->image_->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    bitmap->text_ = std::make_unique<GlyphTextPainter>(bitmap->dc_, bitmap->pixels_, bitmap->size_);
    return bitmap;
}

SceneBitmap::~SceneBitmap() {
    // They draw on the section's bits and with its context: gone before them.
    text_.reset();
    image_.reset();
    if (previous_)
        ::SelectObject(dc_, previous_);
    if (dib_)
        ::DeleteObject(dib_);
    if (dc_)
        ::DeleteDC(dc_);
}

namespace {

// The colour of a first item that fills the whole picture and nothing else: the scene's
// background, which is then written into the bits rather than drawn.
std::optional<viewer::Rgb> Ground(const viewer::Scene& scene, double width, double height) {
    if (scene.items.empty())
        return std::nullopt;
    const auto* rect = std::get_if<viewer::RectPrim>(&scene.items.front().shape);
    if (!rect || !rect->fill || rect->outline || rect->rect.left > 0.0 || rect->rect.top > 0.0 ||
        rect->rect.Right() < width || rect->rect.Bottom() < height)
        return std::nullopt;
    return rect->fill;
}

} // namespace

// The background is written straight into the bits: GDI+ filling the whole picture costs
// as much as drawing a third of the scene. The shapes are drawn through the device context
// (see CreateSection); GDI may hold its drawing back, so it is flushed before the bits are
// written or read.
void SceneBitmap::Paint(const viewer::Scene& scene, double scale) {
    const std::optional<viewer::Rgb> ground = Ground(scene, size_.cx / scale, size_.cy / scale);
    const viewer::Rgb colour = ground.value_or(viewer::Rgb{255, 255, 255});
    const std::uint32_t pixel = (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
    ::GdiFlush();
    std::fill(pixels_, pixels_ + static_cast<std::size_t>(size_.cx) * static_cast<std::size_t>(size_.cy), pixel);
    std::span<const viewer::Primitive> items(scene.items);
    {
        Gdiplus::Graphics graphics(dc_);
        if (scale != 1.0) // under Wine even the identity transform made a redraw slower
            graphics.ScaleTransform(static_cast<Gdiplus::REAL>(scale), static_cast<Gdiplus::REAL>(scale));
        text_->SetScale(scale);
        PaintScene(graphics, ground ? items.subspan(1) : items, text_.get());
    }
    ::GdiFlush();
}

} // namespace trelvo::win32
