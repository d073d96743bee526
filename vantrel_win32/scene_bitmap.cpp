#include "scene_bitmap.h"

#include "scene_painter.h"

#include <algorithm>

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
    return bitmap;
}

SceneBitmap::~SceneBitmap() {
    image_.reset(); // it draws on the section's bits: gone before them
    if (previous_)
        ::SelectObject(dc_, previous_);
    if (dib_)
        ::DeleteObject(dib_);
    if (dc_)
        ::DeleteDC(dc_);
}

// White is written straight into the bits: GDI+ clearing the whole picture costs as much
// as drawing a third of the scene.
void SceneBitmap::Paint(const viewer::Scene& scene) {
    std::fill(pixels_, pixels_ + static_cast<std::size_t>(size_.cx) * static_cast<std::size_t>(size_.cy),
              0x00FFFFFFu);
    Gdiplus::Graphics graphics(image_.get());
    PaintScene(graphics, scene);
}

} // namespace trelvo::vantrel_win32
