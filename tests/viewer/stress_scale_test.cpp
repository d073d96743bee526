// The diverging stress colour scale and the legend's values.
#include "viewer/stress_scale.h"

#include <gtest/gtest.h>

namespace trelvo::viewer {
namespace {

constexpr Rgb kCompressionEnd{33, 102, 172};
constexpr Rgb kZero{150, 150, 150};
constexpr Rgb kTensionEnd{178, 24, 43};

TEST(StressScale, ReachesItsEndsAtTheLargestMagnitude) {
    const StressScale scale(850.3);
    EXPECT_EQ(scale.ColourAt(850.3), kTensionEnd);
    EXPECT_EQ(scale.ColourAt(-850.3), kCompressionEnd);
    EXPECT_EQ(scale.ColourAt(0.0), kZero);
    EXPECT_DOUBLE_EQ(scale.Fraction(850.3), 1.0);
    EXPECT_DOUBLE_EQ(scale.Fraction(-850.3), 0.0);
    EXPECT_DOUBLE_EQ(scale.Fraction(425.15), 0.75);
}

TEST(StressScale, ClampsBeyondItsEnds) {
    const StressScale scale(100.0);
    EXPECT_EQ(scale.ColourAt(1e9), kTensionEnd);
    EXPECT_EQ(scale.ColourAt(-1e9), kCompressionEnd);
}

// Between the stops each channel is linear: an eighth of the way up lies halfway between
// the first two stops, (33 + 110) / 2, (102 + 165) / 2, (172 + 205) / 2, rounded.
TEST(StressScale, InterpolatesEachChannelBetweenTheStops) {
    EXPECT_EQ(ColourAtFraction(0.125), (Rgb{72, 134, 189}));
    // The help example's compression: -613.1 of 850.3 lies at 0.13948, 0.5579 of the way
    // from the first stop to the second.
    EXPECT_EQ(StressScale(850.3).ColourAt(-613.1), (Rgb{76, 137, 190}));
}

TEST(StressScale, KeepsTensionRedAndCompressionBlue) {
    const StressScale scale(1.0);
    for (double stress = 0.05; stress <= 1.0; stress += 0.05) {
        const Rgb tension = scale.ColourAt(stress), compression = scale.ColourAt(-stress);
        EXPECT_GT(tension.r, tension.b) << stress;
        EXPECT_GT(compression.b, compression.r) << stress;
    }
}

TEST(StressScale, IsNeutralWhenNoBarCarriesStress) {
    const StressScale scale(0.0);
    EXPECT_EQ(scale.ColourAt(0.0), kZero);
    EXPECT_EQ(scale.TickValues(), std::vector<double>{0.0});
}

TEST(StressScale, TicksTheEndsTheirHalvesAndZero) {
    EXPECT_EQ(StressScale(850.3).TickValues(),
              (std::vector<double>{-850.3, -425.15, 0.0, 425.15, 850.3}));
}

TEST(StressStroke, DashesCompressionOnly) {
    EXPECT_EQ(StrokeForStress(-1e-20), Stroke::Dashed);
    EXPECT_EQ(StrokeForStress(-613.1), Stroke::Dashed);
    EXPECT_EQ(StrokeForStress(850.3), Stroke::Solid);
    EXPECT_EQ(StrokeForStress(0.0), Stroke::Solid);
}

// Four significant digits, cut: 425.15 is written 4.251E+02.
TEST(ReportText, WritesValuesAsTheReportDoes) {
    EXPECT_EQ(ReportText(850.3), "8.503E+02");
    EXPECT_EQ(ReportText(-425.15), "-4.251E+02");
    EXPECT_EQ(ReportText(0.0), "0.000E+00");
    EXPECT_EQ(ReportText(1e39), "Large Number - OverFlow");
}

} // namespace
} // namespace trelvo::viewer
