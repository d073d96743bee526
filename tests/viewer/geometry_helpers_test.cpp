// Small helpers of the viewer: segment clipping and the command line.
#include "viewer/clip.h"
#include "viewer/command_line.h"

#include <gtest/gtest.h>

#include <limits>

namespace trelvo::viewer {
namespace {

const Rect kBox{0, 0, 100, 50};

TEST(ClipSegment, KeepsASegmentInside) {
    const auto clipped = ClipSegment({10, 10}, {90, 40}, kBox);
    ASSERT_TRUE(clipped.has_value());
    EXPECT_EQ(clipped->first, (Point2{10, 10}));
    EXPECT_EQ(clipped->second, (Point2{90, 40}));
}

TEST(ClipSegment, CutsASegmentAtTheEdges) {
    const auto clipped = ClipSegment({-100, 25}, {300, 25}, kBox);
    ASSERT_TRUE(clipped.has_value());
    EXPECT_EQ(clipped->first, (Point2{0, 25}));
    EXPECT_EQ(clipped->second, (Point2{100, 25}));
    const auto diagonal = ClipSegment({50, 25}, {50 + 1e30, 25 + 1e30}, kBox);
    ASSERT_TRUE(diagonal.has_value());
    EXPECT_NEAR(diagonal->second.x, 75.0, 1e-9);
    EXPECT_NEAR(diagonal->second.y, 50.0, 1e-9);
}

TEST(ClipSegment, DropsSegmentsOutsideOrNotFinite) {
    EXPECT_FALSE(ClipSegment({-10, -10}, {-1, 60}, kBox).has_value());
    EXPECT_FALSE(
        ClipSegment({10, 10}, {std::numeric_limits<double>::infinity(), 10}, kBox).has_value());
    EXPECT_FALSE(
        ClipSegment({std::numeric_limits<double>::quiet_NaN(), 10}, {10, 10}, kBox).has_value());
}

TEST(DocumentArgument, IsTheOneArgument) {
    EXPECT_EQ(DocumentArgument({"Vantrel37.exe"}), "");
    EXPECT_EQ(DocumentArgument({"Vantrel37.exe", "/decks/bridge-RZ.TXT"}), "/decks/bridge-RZ.TXT");
}

TEST(DocumentArgument, JoinsAPathSplitAtItsBlanks) {
    EXPECT_EQ(DocumentArgument({"Vantrel37.exe", "C:\\my", "decks\\a", "b-RZ.TXT"}),
              "C:\\my decks\\a b-RZ.TXT");
}

} // namespace
} // namespace trelvo::viewer
