#include "toolbar_pictures.h"

#include "resource_ids.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace trelvo::win32 {
namespace {

constexpr int kSize = ToolbarPictures::kSize;
// The small colour strip among the common controls' resources, and how many pictures
// stand in it: slots the program counts on, blank should the file not hold the strip.
constexpr int kStandardStripId = 120;
constexpr int kStandardCount = STD_PRINT + 1;
// Engraves the dark pixel, not the part of the plain light background.
constexpr int kEngravedBelow = 192; // brightness out of 255
// Where the source's bit is clear, the brush; elsewhere the target stays.
constexpr DWORD kBrushThroughClearBits = 0x00B8074A;

using Pixel = std::uint32_t; // 0x00RRGGBB

// A strip of pictures, kSize rows of `width` pixels from the top row down.
struct Strip {
    int width = 0;
    std::vector<Pixel> pixels;
    Pixel key = 0;
    int Count() const { return width / kSize; }
    Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// 32 bits a pixel, as Pixel holds them, kSize rows from the top row down.
BITMAPINFO StripFormat(int width) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -kSize;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

Strip ReadStrip(HBITMAP bitmap) {
    BITMAP shape{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof shape, &shape) || shape.bmHeight != kSize || shape.bmWidth < kSize)
        return {};
    BITMAPINFO format = StripFormat(shape.bmWidth);
    Strip strip{shape.bmWidth, std::vector<Pixel>(static_cast<std::size_t>(shape.bmWidth * kSize))};
    const HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, kSize, strip.pixels.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != kSize)
        return {};
    for (Pixel& pixel : strip.pixels)
        pixel &= 0x00FFFFFF;
    return strip;
}

Strip LoadStrip(HMODULE module, int id) {
    const auto bitmap = static_cast<HBITMAP>(
        ::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    Strip strip = ReadStrip(bitmap);
    if (bitmap)
        ::DeleteObject(bitmap);
    return strip;
}

// Read as a data file, so that loading it runs none of the library; its key colour is its
// first pixel's, as the common controls take it.
Strip StandardStrip() {
    const HMODULE file =
        ::LoadLibraryExA("comctl32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!file)
        return {};
    Strip strip = LoadStrip(file, kStandardStripId);
    ::FreeLibrary(file);
    if (!strip.pixels.empty())
        strip.key = strip.pixels.front();
    return strip;
}

Strip OwnStrip(HINSTANCE instance) {
    Strip strip = LoadStrip(instance, TRELVO_TOOLBAR_PICTURES);
    strip.key = (Pixel{TRELVO_PICTURE_KEY_RED} << 16) | (Pixel{TRELVO_PICTURE_KEY_GREEN} << 8) | TRELVO_PICTURE_KEY_BLUE;
    return strip;
}

bool IsDark(Pixel pixel) {
    const int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    return (red * 30 + green * 59 + blue * 11) / 100 < kEngravedBelow;
}

// One bit a pixel, rows of whole 16-bit words, the leftmost pixel in the highest bit.
class BitPlane {
public:
    BitPlane(int width) : width_(width), bits_(static_cast<std::size_t>(width / 8 * kSize), 0xFF) {}
    void Clear(int x, int y) {
        bits_[static_cast<std::size_t>(y * width_ / 8 + x / 8)] &= static_cast<unsigned char>(~(0x80 >> (x % 8)));
    }
    HBITMAP Make() const { return ::CreateBitmap(width_, kSize, 1, 1, bits_.data()); }

private:
    int width_;
    std::vector<unsigned char> bits_;
};

HBITMAP MakeColourBitmap(const std::vector<Pixel>& pixels, int width) {
    const BITMAPINFO format = StripFormat(width);
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits)
        std::copy(pixels.begin(), pixels.end(), static_cast<Pixel*>(bits));
    return bitmap;
}

} // namespace

ToolbarPictures::ToolbarPictures(HINSTANCE instance) {
    const Strip standard = StandardStrip();
    const Strip own = OwnStrip(instance);
    count_ = kStandardCount + own.Count();
    ownFirst_ = own.Count() > 0 ? kStandardCount : -1;
    const int width = count_ * kSize;
    std::vector<Pixel> colours(static_cast<std::size_t>(width * kSize), 0);
    BitPlane mask(width), engraved(width);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool isOwn = x >= kStandardCount * kSize;
            const Strip& strip = isOwn ? own : standard;
            const int sx = isOwn ? x - kStandardCount * kSize : x;
            if (sx >= strip.width || strip.At(sx, y) == strip.key)
                continue; // beyond the strip (blank) or its key colour: left out
            const Pixel pixel = strip.At(sx, y);
            colours[static_cast<std::size_t>(y * width + x)] = pixel;
            mask.Clear(x, y);
            if (IsDark(pixel))
                engraved.Clear(x, y);
        }
    }
    colours_ = MakeColourBitmap(colours, width);
    mask_ = mask.Make();
    engraved_ = engraved.Make();
    source_ = ::CreateCompatibleDC(nullptr);
}

ToolbarPictures::~ToolbarPictures() {
    if (source_)
        ::DeleteDC(source_);
    for (HBITMAP bitmap : {colours_, mask_, engraved_})
        if (bitmap)
            ::DeleteObject(bitmap);
}

// A one-bit source blits its clear bits as the text colour and its set bits as the
// background colour: black and white, so that AND and OR keep the target where set.
void ToolbarPictures::Draw(HDC target, int index, POINT at, bool disabled) const {
    if (index < 0 || index >= count_ || !source_)
        return;
    const int x = index * kSize;
    const COLORREF text = ::SetTextColor(target, RGB(0, 0, 0));
    const COLORREF background = ::SetBkColor(target, RGB(255, 255, 255));
    const HGDIOBJ previous = ::SelectObject(source_, disabled ? engraved_ : mask_);
    if (disabled) {
        for (const auto& [colour, offset] : {std::pair{COLOR_3DHILIGHT, 1}, std::pair{COLOR_3DSHADOW, 0}}) {
            const HGDIOBJ brush = ::SelectObject(target, ::GetSysColorBrush(colour));
            ::BitBlt(target, at.x + offset, at.y + offset, kSize, kSize, source_, x, 0, kBrushThroughClearBits);
            ::SelectObject(target, brush);
        }
    } else {
        ::BitBlt(target, at.x, at.y, kSize, kSize, source_, x, 0, SRCAND);
        ::SelectObject(source_, colours_);
        ::BitBlt(target, at.x, at.y, kSize, kSize, source_, x, 0, SRCPAINT);
    }
    ::SelectObject(source_, previous);
    ::SetTextColor(target, text);
    ::SetBkColor(target, background);
}

} // namespace trelvo::win32
