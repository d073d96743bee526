#include "scene_bitmap.h"

#include "scene_painter.h"

#include <algorithm>
#include <optional>
#include <span>
#include <variant>

namespace trelvo::vantrel_win32 {

std::unique_ptr<SceneBitmap> SceneBitmap::Make(SIZE size) {
    std::unique_ptr<SceneBitmap> bitmap(new SceneBitmap);
    bitmap->size_ = SIZE{std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1)};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bitmap->size_.cx;
    info.bmiHeader.biHeight = -bitmap->size_.cy; // rows from the top, as GDI+ counts them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap->dc_ = ::CreateCompatibleDC(nullptr);
    bitmap->dib_ = ::CreateDIBSection(bitmap->dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
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
std::optional<viewer::Rgb> Ground(const viewer::Scene& scene, SIZE size) {
    if (scene.items.empty())
        return std::nullopt;
    const auto* rect = std::get_if<viewer::RectPrim>(&scene.items.front().shape);
    if (!rect || !rect->fill || rect->outline || rect->rect.left > 0.0 || rect->rect.top > 0.0 ||
        rect->rect.Right() < size.cx || rect->rect.Bottom() < size.cy)
        return std::nullopt;
    return rect->fill;
}

} // namespace

// The background is written straight into the bits: GDI+ filling the whole picture costs
// as much as drawing a third of the scene.
void SceneBitmap::Paint(const viewer::Scene& scene) {
    const std::optional<viewer::Rgb> ground = Ground(scene, size_);
    const viewer::Rgb colour = ground.value_or(viewer::Rgb{255, 255, 255});
    const std::uint32_t pixel = (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
    std::fill(pixels_, pixels_ + static_cast<std::size_t>(size_.cx) * static_cast<std::size_t>(size_.cy), pixel);
    std::span<const viewer::Primitive> items(scene.items);
    Gdiplus::Graphics graphics(image_.get());
    PaintScene(graphics, ground ? items.subspan(1) : items, text_.get());
}

} // namespace trelvo::vantrel_win32
