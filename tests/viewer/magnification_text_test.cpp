// The magnification box's text: six significant digits with "." whatever the locale, only
// finite values not below zero read back (what may still become one lets the user type on),
// and steps of 1.25.
#include "viewer/magnification.h"

#include <gtest/gtest.h>


namespace trelvo::viewer {
namespace {

TEST(MagnificationText, WritesSixSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } rows[] = {{3700, "3700"}, {312.5, "312.5"}, {1e-05, "1e-05"}, {1234567, "1.23457e+06"}, {0, "0"}};
    for (const auto& row : rows)
        EXPECT_EQ(MagnificationText(row.value), row.text) << row.text;
}

TEST(MagnificationText, ReadsOnlyFiniteValuesNotBelowZero) {
    const struct {
        const char* text;
        std::optional<double> value;
        bool mayBecome = true;
    } rows[] = {{" 250 ", 250.0}, {"+2.5e3", 2500.0}, {"0", 0.0}, {"1e-5", 1e-5},  {"-3", std::nullopt},
                {"", std::nullopt}, {"2,5", std::nullopt, false}, {"1e999", std::nullopt}, {"abc", std::nullopt, false}};
    for (const auto& row : rows) {
        EXPECT_EQ(ParseMagnification(row.text), row.value) << '"' << row.text << '"';
        EXPECT_EQ(MayBecomeMagnification(row.text), row.mayBecome) << '"' << row.text << '"';
    }
}

TEST(MagnificationText, StepsByAQuarterFromOneWhenAtZero) {
    EXPECT_EQ(SteppedMagnification(100.0, 1), 125.0);
    EXPECT_EQ(SteppedMagnification(125.0, -1), 100.0);
    EXPECT_EQ(SteppedMagnification(0.0, 2), 1.5625);
}

} // namespace
} // namespace trelvo::viewer
