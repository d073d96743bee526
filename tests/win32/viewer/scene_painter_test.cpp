// The painter merges neighbouring shapes of one colour into shared paths: overlaps within
// a path must stay inked, and shapes of other colours must keep their paint order. Text is
// set from glyph masks, placed by its anchor.
#include "win32/viewer/gdiplus_session.h"
#include "win32/viewer/scene_bitmap.h"

#include <gtest/gtest.h>

namespace trelvo::win32::test {
namespace {

using namespace viewer;

constexpr Rgb kRed{200, 0, 0};
constexpr Rgb kBlue{0, 0, 200};
constexpr Rgb kWhite{255, 255, 255};

constexpr std::uint32_t Hex(Rgb c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

class ScenePainter : public ::testing::Test {
protected:
    ScenePainter() {
        scene_.width = 60.0;
        scene_.height = 60.0;
        scene_.Add(Role::Background, RectPrim{{0, 0, 60, 60}, kWhite, {}, 0});
    }

    // The colour at a pixel once the scene is painted, as 0xRRGGBB.
    std::uint32_t PixelAt(int x, int y) {
        const auto bitmap = SceneBitmap::Make(SIZE{60, 60});
        bitmap->Paint(scene_);
        return bitmap->Pixels()[y * 60 + x] & 0xFFFFFFu;
    }

    // Whether any pixel of columns [left, right) is inked.
    bool InkedBetween(int left, int right) {
        const auto bitmap = SceneBitmap::Make(SIZE{60, 60});
        bitmap->Paint(scene_);
        for (int y = 0; y < 60; ++y)
            for (int x = left; x < right; ++x)
                if ((bitmap->Pixels()[y * 60 + x] & 0xFFFFFFu) != Hex(kWhite))
                    return true;
        return false;
    }

    // The pixels' share of ink of a colour without green on white, added up.
    double InkWithoutGreen() {
        const auto bitmap = SceneBitmap::Make(SIZE{60, 60});
        bitmap->Paint(scene_);
        double ink = 0.0;
        for (int i = 0; i < 60 * 60; ++i)
            ink += (255 - static_cast<int>((bitmap->Pixels()[i] >> 8) & 0xFFu)) / 255.0;
        return ink;
    }

    GdiplusSession gdiplus_;
    Scene scene_;
};

TEST_F(ScenePainter, CrossingLinesOfOnePenInkTheirCrossing) {
    scene_.Add(Role::DeformedBar, LinePrim{{10, 30}, {50, 30}, kRed, 5.0});
    scene_.Add(Role::DeformedBar, LinePrim{{30, 50}, {30, 10}, kRed, 5.0});
    EXPECT_EQ(PixelAt(30, 30), Hex(kRed));
}

TEST_F(ScenePainter, OverlappingPolygonsTurningEitherWayInkTheirOverlap) {
    scene_.Add(Role::Support, PolygonPrim{{{10, 10}, {50, 10}, {30, 50}}, kRed});
    scene_.Add(Role::Support, PolygonPrim{{{10, 50}, {50, 50}, {30, 10}}, kRed});
    EXPECT_EQ(PixelAt(30, 30), Hex(kRed));
}

TEST_F(ScenePainter, LaterColoursStayOnTop) {
    scene_.Add(Role::Legend, RectPrim{{10, 10, 40, 40}, kRed, {}, 0});
    scene_.Add(Role::Legend, LinePrim{{5, 30}, {55, 30}, kBlue, 5.0});
    scene_.Add(Role::Legend, CirclePrim{{30, 30}, 4.0, kRed, {}, 0});
    EXPECT_EQ(PixelAt(30, 30), Hex(kRed));
    EXPECT_EQ(PixelAt(45, 30), Hex(kBlue));
    EXPECT_EQ(PixelAt(45, 20), Hex(kRed));
}

TEST_F(ScenePainter, SlantingBarInksItsWidthAndNoMore) {
    scene_.Add(Role::DeformedBar, LinePrim{{10, 10}, {50, 50}, kRed, 3.0});
    // 40 * sqrt(2) long and 3 wide, with round ends adding a disc 3 across: 177 pixels.
    // Handed to a GDI pen, as Wine's GDI+ does with a drawn stroke, it inks about 245.
    EXPECT_NEAR(InkWithoutGreen(), 177.0, 27.0);
}

TEST_F(ScenePainter, TextEndsWhereItsAnchorSays) {
    scene_.Add(Role::Caption, TextPrim{{30, 20}, "WW", kBlue, 12.0, Anchor::End, true});
    EXPECT_TRUE(InkedBetween(10, 30));
    EXPECT_FALSE(InkedBetween(31, 60));
}

TEST_F(ScenePainter, TextCentredOnItsAnchorInksBothSides) {
    scene_.Add(Role::Caption, TextPrim{{30, 20}, "WW", kBlue, 12.0, Anchor::Middle, true});
    EXPECT_TRUE(InkedBetween(15, 29));
    EXPECT_TRUE(InkedBetween(31, 45));
}

} // namespace
} // namespace trelvo::win32::test
