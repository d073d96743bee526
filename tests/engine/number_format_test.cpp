#include "engine/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace trelvo {
namespace {

constexpr const char* kOverflow = "Large Number - OverFlow";
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row {
    double value;
    const char* text;
};

TEST(FormatNumber, WorkedExamplesWithFourDigits) {
    const Row rows[] = {
        {0.0, " 0.000E+00"},
        {-0.0, " 0.000E+00"},
        {1.0, " 1.000E+00"},
        {1.5, " 1.500E+00"},
        {-0.5, "-5.000E-01"},
        {12.0, " 1.200E+01"},
        {1234.5678, " 1.234E+03"},
        {2000.0, " 2.000E+03"},
        {123456.0, " 1.234E+05"},
        {-0.00098765, "-9.876E-04"},
        {6.4e-5, " 6.400E-05"},
        {2.5e10, " 2.500E+10"},
        {2.0e11, " 2.000E+11"},
        {-1.23456e-10, "-1.234E-10"},
        {999.99999999996, " 10.00E+02"},
        {1e38, " 1.000E+38"},
        {1e39, kOverflow},
        {kInf, kOverflow},
        {-kInf, kOverflow},
        {std::nan(""), kOverflow},
        {-5e-39, " 0.000E+00"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(formatNumber(row.value, 4), row.text) << "value " << row.value;
}

TEST(FormatNumber, OneDigitKeepsThePointAndNoDecimals) {
    EXPECT_EQ(formatNumber(1234.5678, 1), " 1.E+03");
    EXPECT_EQ(formatNumber(0.0, 1), " 0.E+00");
}

TEST(FormatNumber, DigitsAboveEightAreCappedForNumbersOnly) {
    EXPECT_EQ(formatNumber(1234.5678, 8), " 1.2345678E+03");
    EXPECT_EQ(formatNumber(1234.5678, 12), " 1.2345678E+03");
    // The zero text is built before the cap applies.
    EXPECT_EQ(formatNumber(0.0, 12), " 0.00000000000E+00");
    EXPECT_EQ(formatNumber(0.0, 8), " 0.0000000E+00");
}

TEST(FormatNumber, OverflowLimitIsStrict) {
    EXPECT_EQ(formatNumber(1e38, 4), " 1.000E+38");
    EXPECT_EQ(formatNumber(-1e38, 4), "-1.000E+38");
    EXPECT_EQ(formatNumber(std::nextafter(1e38, kInf), 4), kOverflow);
    EXPECT_EQ(formatNumber(-std::nextafter(1e38, kInf), 4), kOverflow);
}

TEST(FormatNumber, ZeroLimitIsStrict) {
    const double limit = 1.0 / 1e38;
    EXPECT_EQ(formatNumber(limit, 4), " 1.000E-38");
    EXPECT_EQ(formatNumber(std::nextafter(limit, 0.0), 4), " 0.000E+00");
    // A negative value below the limit loses its sign.
    EXPECT_EQ(formatNumber(-std::nextafter(limit, 0.0), 4), " 0.000E+00");
}

TEST(FormatNumber, NegativeZeroGetsTheBlankSignSlot) {
    EXPECT_EQ(formatNumber(-0.0, 4), " 0.000E+00");
    EXPECT_EQ(formatNumber(-0.0, 2), " 0.0E+00");
}

TEST(FormatNumber, MantissaIsCutNotRoundedAfterTenDecimals) {
    EXPECT_EQ(formatNumber(9.99999, 4), " 9.999E+00");
    EXPECT_EQ(formatNumber(1.99999, 2), " 1.9E+00");
    // Rounding to ten decimals carries into "10.": one decimal fewer is kept.
    EXPECT_EQ(formatNumber(9.99999999999, 4), " 10.00E+00");
    EXPECT_EQ(formatNumber(-9.99999999999, 4), "-10.00E+00");
    EXPECT_EQ(formatNumber(999.99999999996, 4), " 10.00E+02");
}

TEST(FormatNumber, ExponentsHaveTwoDigits) {
    EXPECT_EQ(formatNumber(3.0e5, 4), " 3.000E+05");
    EXPECT_EQ(formatNumber(4.5e-38, 4), " 4.500E-38");
    EXPECT_EQ(formatNumber(7.25e-12, 4), " 7.250E-12");
    EXPECT_EQ(formatNumber(8.0e37, 4), " 8.000E+37");
}

} // namespace
} // namespace trelvo
