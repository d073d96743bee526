#include "engine/deck_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace trelvo {
namespace {

std::vector<std::string> PopFields(std::string_view line, int count) {
    std::string_view remaining = Trim(line);
    std::vector<std::string> fields;
    for (int i = 0; i < count; ++i)
        fields.emplace_back(PopField(remaining));
    return fields;
}

using Fields = std::vector<std::string>;

TEST(Trim, RemovesBlanksOnlyAtBothEnds) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim(" \tx "), "\tx");
}

TEST(PopField, SplitsAtBlanksAndSkipsRunsOfThem) {
    EXPECT_EQ(PopFields("1  2   3", 3), (Fields{"1", "2", "3"}));
    EXPECT_EQ(PopFields("  7 8  ", 2), (Fields{"7", "8"}));
}

TEST(PopField, TheLastFieldIsReadAgainByEveryLaterRequest) {
    EXPECT_EQ(PopFields("a b", 4), (Fields{"a", "b", "b", "b"}));
    EXPECT_EQ(PopFields("", 2), (Fields{"", ""}));
}

TEST(PopField, TabsAreOrdinaryCharacters) {
    EXPECT_EQ(PopFields("1\t2 3", 2), (Fields{"1\t2", "3"}));
    EXPECT_EQ(PopFields("1\t2\t3", 2), (Fields{"1\t2\t3", "1\t2\t3"}));
}

TEST(ReadInteger, DecimalWithOneSign) {
    EXPECT_EQ(ReadInteger("42"), 42);
    EXPECT_EQ(ReadInteger("+7"), 7);
    EXPECT_EQ(ReadInteger("-13"), -13);
    EXPECT_EQ(ReadInteger("--13"), 0);
    EXPECT_EQ(ReadInteger("1.0"), 1);
    EXPECT_EQ(ReadInteger("1e5"), 1);
    EXPECT_EQ(ReadInteger("12abc"), 12);
}

TEST(ReadInteger, HexadecimalAndBinary) {
    EXPECT_EQ(ReadInteger("$1F"), 31);
    EXPECT_EQ(ReadInteger("$ff"), 255);
    EXPECT_EQ(ReadInteger("-$10"), -16);
    EXPECT_EQ(ReadInteger("%101"), 5);
    EXPECT_EQ(ReadInteger("%1012"), 5);
    EXPECT_EQ(ReadInteger("$G"), 0);
}

TEST(ReadInteger, NoDigitsReadAsZero) {
    EXPECT_EQ(ReadInteger(""), 0);
    EXPECT_EQ(ReadInteger("abc"), 0);
    EXPECT_EQ(ReadInteger("-"), 0);
    EXPECT_EQ(ReadInteger(".5"), 0);
}

TEST(ReadInteger, SkipsLeadingBlanksAndTabs) {
    EXPECT_EQ(ReadInteger("  \t 9"), 9);
    EXPECT_EQ(ReadInteger("\t-4"), -4);
}

TEST(ReadReal, InfinityAndNaNOnlyAsWholeTextsInAnyCase) {
    EXPECT_EQ(ReadReal("+Infinity"), INFINITY);
    EXPECT_EQ(ReadReal("+INFINITY"), INFINITY);
    EXPECT_EQ(ReadReal("-infinity"), -INFINITY);
    EXPECT_TRUE(std::isnan(ReadReal("NaN")));
    EXPECT_TRUE(std::isnan(ReadReal("nan")));
    // Anything else is read as a number, and these hold none.
    EXPECT_EQ(ReadReal("Infinity"), 0.0);
    EXPECT_EQ(ReadReal("inf"), 0.0);
    EXPECT_EQ(ReadReal(" +Infinity"), 0.0);
    EXPECT_EQ(ReadReal("+Infinity1"), 0.0);
    EXPECT_EQ(ReadReal("-NaN"), 0.0);
}

TEST(ReadReal, DecimalNumbersWithExponents) {
    EXPECT_EQ(ReadReal("1.5E3"), 1500.0);
    EXPECT_EQ(ReadReal("1.5e-3"), 0.0015);
    EXPECT_EQ(ReadReal("-2.5"), -2.5);
    EXPECT_EQ(ReadReal("+8"), 8.0);
    EXPECT_EQ(ReadReal("  12.0"), 12.0);
    EXPECT_EQ(ReadReal("30.0e6"), 3.0e7);
}

TEST(ReadReal, StopsAtTheFirstCharacterThatCannotContinue) {
    EXPECT_EQ(ReadReal("2.5abc"), 2.5);
    EXPECT_EQ(ReadReal("7,5"), 7.0);
    EXPECT_EQ(ReadReal("1e"), 1.0);
    EXPECT_EQ(ReadReal("1e+"), 1.0);
    EXPECT_EQ(ReadReal("3.25.5"), 3.25);
    EXPECT_EQ(ReadReal("0x1A"), 0.0);
    EXPECT_EQ(ReadReal("abc"), 0.0);
    EXPECT_EQ(ReadReal(""), 0.0);
}

// Correctly rounded, with the C library's ends: overflow to an infinity, underflow to a zero
// of the number's sign, subnormals in between; the same in every locale.
TEST(ReadReal, RoundsCorrectlyAndOverflowsAndUnderflowsAsTheCLibraryDoes) {
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kTiny = std::numeric_limits<double>::denorm_min();
    const std::string manyDigits = "1" + std::string(400, '0');
    const std::string manyZeros = "0." + std::string(400, '0') + "1";
    const struct {
        std::string text;
        double value;
    } rows[] = {
        {"0.1", 0.1},
        {"+.5", 0.5},
        {"5.", 5.0},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"1.7976931348623157e308", kMax},
        {"1.7976931348623159e308", INFINITY},
        {"1e400", INFINITY},
        {"-1e400", -INFINITY},
        {manyDigits, INFINITY},
        {"4.9406564584124654e-324", kTiny},
        {"2.5e-324", kTiny},
        {"2.4e-324", 0.0},
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {manyZeros, 0.0},
        {"0000.000e-999999999999", 0.0},
        {"1e999999999999999999999", INFINITY},
    };
    for (const auto& row : rows) {
        const double read = ReadReal(row.text);
        EXPECT_EQ(read, row.value) << row.text;
        EXPECT_EQ(std::signbit(read), std::signbit(row.value)) << row.text;
    }
}

TEST(ReadExponentReal, SplitsAtTheExponentLetter) {
    const struct {
        const char* text;
        double mantissa;
        std::int64_t power;
    } rows[] = {
        {"2.1E11", 2.1, 11},  {"30.0e6", 30.0, 6}, {"12.3E-6", 12.3, -6},
        {"2.1e+11", 2.1, 11}, {"1.5E-3", 1.5, -3}, {"2E12", 2.0, 12},
    };
    for (const auto& row : rows) {
        const ExponentReal read = ReadExponentReal(row.text);
        EXPECT_EQ(read.mantissa, row.mantissa) << row.text;
        EXPECT_EQ(read.power, row.power) << row.text;
    }
}

TEST(ReadExponentReal, BothLettersSplitAtTheSumOfTheirPositions) {
    // "E" at 3 and "e" at 5: the split is at position 8, so the mantissa text is
    // "12E3e45" (read as 12E3) and the power text is "78".
    const ExponentReal read = ReadExponentReal("12E3e45678");
    EXPECT_EQ(read.mantissa, 12000.0);
    EXPECT_EQ(read.power, 78);

    // The sum lies past the end: the whole text is the mantissa, and there is no power.
    const ExponentReal past = ReadExponentReal("1E2e3");
    EXPECT_EQ(past.mantissa, 100.0);
    EXPECT_EQ(past.power, 0);
}

// 10^n as the compiler's own literal 1e<n>, for every n whose power is a nonzero finite
// double: GCC converts literals correctly rounded (with MPFR), whatever the C library.
struct PowerLiteral {
    std::int64_t power;
    double value;
};
#define POWER(s, h, t, u) {s(h * 100 + t * 10 + u), 1e##s##h##t##u},
#define POWER_UNITS(s, h, t)                                                                        \
    POWER(s, h, t, 0) POWER(s, h, t, 1) POWER(s, h, t, 2) POWER(s, h, t, 3) POWER(s, h, t, 4)      \
    POWER(s, h, t, 5) POWER(s, h, t, 6) POWER(s, h, t, 7) POWER(s, h, t, 8) POWER(s, h, t, 9)
#define POWER_TENS(s, h)                                                                           \
    POWER_UNITS(s, h, 0) POWER_UNITS(s, h, 1) POWER_UNITS(s, h, 2) POWER_UNITS(s, h, 3)            \
    POWER_UNITS(s, h, 4) POWER_UNITS(s, h, 5) POWER_UNITS(s, h, 6) POWER_UNITS(s, h, 7)            \
    POWER_UNITS(s, h, 8) POWER_UNITS(s, h, 9)
constexpr PowerLiteral kPowerLiterals[] = {
    POWER_TENS(+, 0) POWER_TENS(+, 1) POWER_TENS(+, 2) // 1e0 ... 1e299
    POWER(+, 3, 0, 0) POWER(+, 3, 0, 1) POWER(+, 3, 0, 2) POWER(+, 3, 0, 3) POWER(+, 3, 0, 4)
    POWER(+, 3, 0, 5) POWER(+, 3, 0, 6) POWER(+, 3, 0, 7) POWER(+, 3, 0, 8) // ... 1e308
    POWER_TENS(-, 0) POWER_TENS(-, 1) POWER_TENS(-, 2) POWER_UNITS(-, 3, 0) POWER_UNITS(-, 3, 1)
    POWER(-, 3, 2, 0) POWER(-, 3, 2, 1) POWER(-, 3, 2, 2) POWER(-, 3, 2, 3) // 1e-1 ... 1e-323
};
static_assert(std::size(kPowerLiterals) == 309 + 1 + 323);

// Every power a deck's exponent can give, from the text's 64-bit reading: past 10^308 the
// double overflows, and below 10^-323 it underflows, as 10^-324 < half the least subnormal.
TEST(PowerOfTen, IsTheNearestDoubleForEveryPower) {
    for (const PowerLiteral& literal : kPowerLiterals)
        EXPECT_EQ(PowerOfTen(literal.power), literal.value) << "10^" << literal.power;
    constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
    for (const std::int64_t power : {std::int64_t{309}, std::int64_t{400}, kMost})
        EXPECT_EQ(PowerOfTen(power), INFINITY) << "10^" << power;
    for (const std::int64_t power : {std::int64_t{-324}, std::int64_t{-400}, -kMost - 1}) {
        EXPECT_EQ(PowerOfTen(power), 0.0) << "10^" << power;
        EXPECT_FALSE(std::signbit(PowerOfTen(power))) << "10^" << power;
    }
}

#ifdef __GLIBC__
// The values the Linux programs had: glibc's pow, correctly rounded for all these powers
// but two (its bound is 0.52 units in the last place), which it gives one unit high:
// 10^23, exactly halfway between two doubles (5^23 needs 54 bits), and 10^210.
TEST(PowerOfTen, IsGlibcsPowButWhereThatIsAUnitHigh) {
    for (int power = -400; power <= 400; ++power) {
        const double nearest = PowerOfTen(power);
        const bool high = power == 23 || power == 210;
        EXPECT_EQ(high ? std::nextafter(nearest, INFINITY) : nearest, std::pow(10.0, power))
            << "10^" << power;
    }
}
#endif

} // namespace
} // namespace trelvo
