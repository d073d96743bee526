#include "engine/printf_decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

// The browser build writes numbers through printf; these check its texts against the
// standard's std::to_chars, which the Linux and Windows builds use, on the values where a
// shortest-digits search goes wrong: powers of two (a narrower gap below than above),
// subnormals, the extremes, short decimals (fixed and scientific of equal length), and
// random bit patterns over every exponent.
namespace trelvo {
namespace {

std::string ToChars(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string ToChars(double value, std::chars_format format, int precision) {
    char text[400];
    return std::string(text, std::to_chars(text, text + sizeof text, value, format, precision).ptr);
}

std::vector<double> HardValues() {
    std::vector<double> values = {0.0, -0.0, 8.0, 0.049, 1e20, 1e21, 1e23, 9.5e-5, 123456789012.0,
                                  5e-324, 2.2250738585072014e-308, 2.225073858507201e-308,
                                  std::numeric_limits<double>::max(), -30.0e6, 12.3E-6, 70E9,
                                  std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()};
    for (int power = -1074; power <= 1023; ++power)
        values.push_back(std::ldexp(1.0, power));
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> digits(1, 999999), exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(std::bit_cast<double>(random()));
        values.push_back(digits(random) * std::pow(10.0, exponent(random)));
    }
    return values;
}

TEST(PrintfDecimal, ShortestTextIsStdToChars) {
    for (const double value : HardValues())
        ASSERT_EQ(PrintfShortestDecimal(value), ToChars(value)) << std::hexfloat << value;
}

TEST(PrintfDecimal, TextWithPrecisionIsStdToChars) {
    const std::chars_format formats[] = {std::chars_format::fixed, std::chars_format::scientific,
                                         std::chars_format::general};
    std::mt19937_64 random(7);
    for (const double value : HardValues()) {
        if (std::abs(value) > 1e300) // keeps fixed texts within the buffer
            continue;
        const int precision = static_cast<int>(random() % 21);
        for (const std::chars_format format : formats)
            ASSERT_EQ(PrintfDecimalWith(value, format, precision), ToChars(value, format, precision))
                << std::hexfloat << value << " precision " << precision;
    }
}

} // namespace
} // namespace trelvo
