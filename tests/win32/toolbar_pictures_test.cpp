// The toolbar's pictures drawn onto a ground of a colour no picture uses: the key colour
// lets the ground through, and a disabled picture is engraved in two colours only.
#include "toolbar_pictures.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace trelvo::win32::test {
namespace {

constexpr std::uint32_t kGround = 0x0000FF00; // green, as the section stores it: 0x00RRGGBB
constexpr int kSize = ToolbarPictures::kSize;

std::uint32_t AsPixel(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

class Canvas {
public:
    Canvas() {
        BITMAPINFO format{};
        format.bmiHeader = {sizeof format.bmiHeader, kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(dc_, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = ::SelectObject(dc_, bitmap_);
        pixels_ = static_cast<std::uint32_t*>(bits);
        std::fill(pixels_, pixels_ + kSize * kSize, kGround);
    }
    ~Canvas() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    std::uint32_t At(int x, int y) const {
        ::GdiFlush();
        return pixels_[y * kSize + x];
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

TEST(ToolbarPicturesTest, KeyColourLetsTheGroundThroughAndDisabledIsEngraved) {
    const ToolbarPictures pictures(::GetModuleHandleA(nullptr));
    ASSERT_GE(pictures.Count(), STD_PRINT + 1);
    const std::uint32_t engraving[] = {AsPixel(::GetSysColor(COLOR_3DHILIGHT)), AsPixel(::GetSysColor(COLOR_3DSHADOW))};
    for (const bool disabled : {false, true}) {
        Canvas canvas;
        pictures.Draw(canvas.Dc(), STD_FILENEW, POINT{0, 0}, disabled);
        int drawn = 0;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const std::uint32_t pixel = canvas.At(x, y);
                if (pixel == kGround)
                    continue;
                ++drawn;
                if (disabled) {
                    EXPECT_TRUE(pixel == engraving[0] || pixel == engraving[1]) << std::hex << pixel;
                }
            }
        }
        EXPECT_GT(drawn, 20) << "disabled " << disabled;
        EXPECT_LT(drawn, kSize * kSize) << "disabled " << disabled; // the ground shows through the key
    }
}

TEST(ToolbarPicturesTest, IndexOutOfRangeDrawsNothing) {
    const ToolbarPictures pictures(::GetModuleHandleA(nullptr));
    Canvas canvas;
    pictures.Draw(canvas.Dc(), pictures.Count(), POINT{0, 0}, false);
    pictures.Draw(canvas.Dc(), -1, POINT{0, 0}, false);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            ASSERT_EQ(canvas.At(x, y), kGround);
}

} // namespace
} // namespace trelvo::win32::test
