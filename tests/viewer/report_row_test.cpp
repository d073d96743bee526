// Rows of a report's displacement and element sections, as formatNumber lays them out.
#include "viewer/report_row.h"

#include <gtest/gtest.h>

namespace trelvo::viewer {
namespace {

std::vector<ReportValue> Row(const std::string& line, int number, std::size_t count) {
    std::string problem;
    auto values = ReadReportRow(line, number, count, problem);
    EXPECT_TRUE(values.has_value()) << line << ": " << problem;
    return values.value_or(std::vector<ReportValue>{});
}

std::string Problem(const std::string& line, int number, std::size_t count) {
    std::string problem;
    EXPECT_FALSE(ReadReportRow(line, number, count, problem).has_value()) << line;
    return problem;
}

TEST(ReportNumber, ReadsTheTenCharacterLayoutWithEitherSign) {
    EXPECT_DOUBLE_EQ(*ReadReportNumber("3.247E-04"), 3.247e-4);
    EXPECT_DOUBLE_EQ(*ReadReportNumber("-6.131E+02"), -613.1);
    EXPECT_DOUBLE_EQ(*ReadReportNumber("0.000E+00"), 0.0);
    EXPECT_DOUBLE_EQ(*ReadReportNumber("1.000E+38"), 1e38);
}

TEST(ReportNumber, ReadsTheCarriedMantissa) {
    EXPECT_DOUBLE_EQ(*ReadReportNumber("10.00E-01"), 1.0);
    EXPECT_DOUBLE_EQ(*ReadReportNumber("-10.00E+02"), -1000.0);
}

TEST(ReportNumber, RefusesOtherLayouts) {
    for (const char* text :
         {"", "-", "3.247", "3.247E-4", "3.247E04", "3,247E-04", "+3.247E-04", "123.4E+00",
          "3.2O7E-04", "3.247E-04x", "E+03", ".5E+03", "inf", "nan"})
        EXPECT_FALSE(ReadReportNumber(text).has_value()) << text;
}

TEST(ReportRow, ReadsANodeRowWithItsSignSlots) {
    const auto values = Row("2   3.247E-04  -3.937E-05   0.000E+00  ", 2, 3);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_DOUBLE_EQ(values[0].value, 3.247e-4);
    EXPECT_DOUBLE_EQ(values[1].value, -3.937e-5);
    EXPECT_DOUBLE_EQ(values[2].value, 0.0);
    EXPECT_EQ(values[0].text, "3.247E-04");
    EXPECT_EQ(values[1].text, "-3.937E-05");
    EXPECT_FALSE(values[0].overflow);
}

TEST(ReportRow, ReadsAnElementRowWithANegativeStress) {
    const auto values = Row("2  -6.131E+02   -3.004E+01", 2, 2);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_DOUBLE_EQ(values[0].value, -613.1);
    EXPECT_DOUBLE_EQ(values[1].value, -30.04);
}

TEST(ReportRow, ReadsTheOverflowTextInPlaceOfANumber) {
    const auto values =
        Row("2  Large Number - OverFlow   1.000E+00  Large Number - OverFlow  ", 2, 3);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_TRUE(values[0].overflow);
    EXPECT_EQ(values[0].text, "Large Number - OverFlow");
    EXPECT_FALSE(values[1].overflow);
    EXPECT_DOUBLE_EQ(values[1].value, 1.0);
    EXPECT_TRUE(values[2].overflow);
}

TEST(ReportRow, ReadsACarriedMantissaAmongOthers) {
    const auto values = Row("12   10.00E-01   1.500E+00   0.000E+00  ", 12, 3);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_DOUBLE_EQ(values[0].value, 1.0);
    EXPECT_DOUBLE_EQ(values[1].value, 1.5);
}

TEST(ReportRow, RefusesARowOfAnotherNumber) {
    EXPECT_NE(Problem("3   1.000E+00   1.000E+00   1.000E+00  ", 2, 3), "");
    EXPECT_NE(Problem("12   1.000E+00   1.000E+00   1.000E+00  ", 1, 3), "");
    EXPECT_NE(Problem("1", 1, 3), "");
}

TEST(ReportRow, SaysHowManyValuesAShortRowHas) {
    EXPECT_EQ(Problem("2   1.000E+00  ", 2, 3), "expected 3 values, found 1");
}

TEST(ReportRow, RefusesTextThatIsNotANumber) {
    EXPECT_EQ(Problem("2   1.000E+00   abc   0.000E+00  ", 2, 3), "value 2 is not a report number");
    EXPECT_EQ(Problem("2   1.000E+00   1.000E+00   0.000E+00   4.000E+00", 2, 3),
              "unexpected text after 3 values");
}

} // namespace
} // namespace trelvo::viewer
