// Reading documents into the viewer's model: results files with one or more reports,
// decks without a report, unstable models and files that are neither.
#include "viewer/results_file.h"

#include "tests/viewer/results_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace trelvo::viewer {
namespace {

using namespace testing;

// Report values carry four significant digits, cut rather than rounded.
void ExpectReportValue(const ReportValue& value, double expected) {
    ASSERT_FALSE(value.overflow);
    EXPECT_NEAR(value.value, expected, 1e-3 * std::abs(expected)) << value.text;
}

ViewerModel Loaded(const std::string& text) {
    LoadResult result = ReadResultsText(text, "test.txt");
    EXPECT_FALSE(result.error.has_value()) << (result.error ? result.error->text : "");
    return result.model.value_or(ViewerModel{});
}

ViewerMessage Refused(const std::string& text) {
    LoadResult result = ReadResultsText(text, "test.txt");
    EXPECT_FALSE(result.model.has_value());
    return result.error.value_or(ViewerMessage{});
}

// The help page's example: node 2 at (8, 6) held in Z only and pulled by 50 along X, bars
// of EA = 1.47e6 to the supports at (0, 0) and (12, 0). Equilibrium at node 2 gives the
// forces N1 = 41.667 and N2 = -30.046, stresses N/0.049 = 850.34 and -613.19, and the bar
// elongations N L / EA give u2 = (3.2478e-4, 3.9375e-5, 0).
TEST(ResultsFileReader, ReadsTheHelpExampleResults) {
    const ViewerModel model = Loaded(AnalysedDocument(ExampleDeck("help-example.txt")));
    ASSERT_EQ(model.nodes.size(), 3u);
    ASSERT_EQ(model.elements.size(), 2u);
    EXPECT_EQ(model.title, "EXAMPLE 2D TRUSS");
    EXPECT_EQ(model.source, ResultsSource::Report);
    EXPECT_EQ(model.reportCount, 1);
    EXPECT_EQ(model.Node(2).position, (Vec3{8.0, 6.0, 0.0}));
    EXPECT_EQ(model.Node(3).position, (Vec3{12.0, 0.0, 0.0}));
    EXPECT_EQ(model.Node(2).fixed, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(model.Node(1).fixed, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(model.Node(2).load, (Vec3{50.0, 0.0, 0.0}));
    ExpectReportValue(model.Node(2).displacement[0], 3.2478e-4);
    ExpectReportValue(model.Node(2).displacement[1], 3.9375e-5);
    EXPECT_EQ(model.Node(1).displacement[0].value, 0.0);
    EXPECT_EQ(model.elements[0].node1, 1);
    EXPECT_EQ(model.elements[0].node2, 2);
    EXPECT_EQ(model.elements[1].node1, 2);
    EXPECT_EQ(model.elements[1].node2, 3);
    ExpectReportValue(model.elements[0].stress, 850.34);
    ExpectReportValue(model.elements[1].stress, -613.19);
    ExpectReportValue(model.elements[0].force, 41.667);
    ExpectReportValue(model.elements[1].force, -30.046);
    EXPECT_FALSE(model.warning.has_value());
    EXPECT_FALSE(model.AnyOverflow());
}

// The supports balance the bar forces of the test above, N1 = 125/3 along (0.8, 0.6) and
// N2 = -0.1 sqrt(52) N1 along (4, -6) / sqrt(52): node 1 takes -N1 (0.8, 0.6) = (-100/3,
// -25), node 3 the rest of the load's -50 along X, (-50/3, 25). Node 2 is free in X and Y.
TEST(ResultsFileReader, CarriesTheReactionsOfTheRun) {
    const ViewerModel model = Loaded(AnalysedDocument(ExampleDeck("help-example.txt")));
    const struct {
        int node;
        std::size_t direction;
        double expected;
        const char* text;
    } rows[] = {
        {1, 0, -100.0 / 3.0, "-3.333E+01"}, {1, 1, -25.0, "-2.500E+01"},
        {1, 2, 0.0, "0.000E+00"},           {2, 2, 0.0, "0.000E+00"},
        {3, 0, -50.0 / 3.0, "-1.666E+01"},  {3, 1, 25.0, "2.500E+01"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("node " + std::to_string(row.node) + " direction " +
                     std::to_string(row.direction));
        const std::optional<ReportValue>& reaction = model.Node(row.node).reaction[row.direction];
        ASSERT_TRUE(reaction.has_value());
        EXPECT_NEAR(reaction->value, row.expected, 1e-9);
        EXPECT_EQ(reaction->text, row.text);
    }
    EXPECT_FALSE(model.Node(2).reaction[0].has_value());
    EXPECT_FALSE(model.Node(2).reaction[1].has_value());
}

// Solving six equations for a load of 50 leaves only rounding behind: far below 1e-12 of
// the largest force.
TEST(ResultsFileReader, CarriesTheEquilibriumCheckOfTheRun) {
    const ViewerModel model = Loaded(AnalysedDocument(ExampleDeck("help-example.txt")));
    ASSERT_TRUE(model.equilibrium.has_value());
    EXPECT_GE(model.equilibrium->relative, 0.0);
    EXPECT_LT(model.equilibrium->relative, 1e-12);
    EXPECT_LE(model.equilibrium->residual, 50.0 * 1e-12);
    EXPECT_EQ(model.misreadFieldCount, 0);
}

TEST(ResultsFileReader, CountsTheFieldsOfTheDeckReadOnlyInPart) {
    // A letter O for a zero in a coordinate, a letter after a node number, a stray letter
    // after a modulus: each is read up to where it stops being a number.
    const ViewerModel model = Loaded(Lines({
        "EXAMPLE 2D TRUSS",
        "3 2",
        "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0",
        "2 0 0 1 8.O 6.0 0.0 50.0 0.0 0.0",
        "3 1 1 1 12.0 0.0 0.0 0.0 0.0 0.0",
        "1 1 2 30.0e6k 0.049",
        "2 2 3b 30.0e6 0.049",
    }));
    EXPECT_EQ(model.misreadFieldCount, 3);
    EXPECT_EQ(model.Node(2).position, (Vec3{8.0, 6.0, 0.0})); // "8.O" read as 8
}

TEST(ResultsFileReader, KeepsTheReportsOwnTexts) {
    const ViewerModel model = Loaded(ResultsFile(kBarDeck, {kBarReport}));
    EXPECT_EQ(model.Node(2).displacement[0].text, "1.000E-03");
    EXPECT_EQ(model.elements[0].stress.text, "1.000E+05");
    EXPECT_EQ(model.elements[0].force.text, "1.000E+03");
}

TEST(ResultsFileReader, UsesTheNewestOfTwoReports) {
    const ViewerModel model = Loaded(ResultsFile(kBarDeck, {kBarNewerReport, kBarReport}));
    EXPECT_EQ(model.source, ResultsSource::Report);
    EXPECT_EQ(model.reportCount, 2);
    EXPECT_DOUBLE_EQ(model.Node(2).displacement[0].value, 2.0e-3);
    EXPECT_DOUBLE_EQ(model.elements[0].stress.value, 2.0e5);
    EXPECT_DOUBLE_EQ(model.elements[0].force.value, 2.0e3);
}

TEST(ResultsFileReader, AnalysesADeckWithoutAReport) {
    const ViewerModel model = Loaded(kBarDeck);
    EXPECT_EQ(model.source, ResultsSource::Analysis);
    EXPECT_EQ(model.reportCount, 0);
    ExpectReportValue(model.Node(2).displacement[0], 1.0e-3);
    EXPECT_EQ(model.Node(2).displacement[1].value, 0.0);
    ExpectReportValue(model.elements[0].stress, 1.0e5);
    ExpectReportValue(model.elements[0].force, 1.0e3);
}

TEST(ResultsFileReader, AnalysesADeckFollowedByOtherText) {
    const ViewerModel model = Loaded(kBarDeck + "\r\n\r\nnotes: checked on site\r\n");
    EXPECT_EQ(model.source, ResultsSource::Analysis);
    ExpectReportValue(model.Node(2).displacement[0], 1.0e-3);
}

TEST(ResultsFileReader, ReadsFilesWithBareLineFeeds) {
    std::string text = ResultsFile(kBarDeck, {kBarNewerReport});
    std::erase(text, '\r');
    const ViewerModel model = Loaded(text);
    EXPECT_EQ(model.source, ResultsSource::Report);
    EXPECT_DOUBLE_EQ(model.Node(2).displacement[0].value, 2.0e-3);
}

TEST(ResultsFileReader, ReadsTheReportOfADeckThatAskedForTheMatrix) {
    // The adjusted matrix goes to the end of the document, after the report.
    const ViewerModel model = Loaded(AnalysedDocument(ExampleDeck("adjusted-matrix-2d.txt")));
    EXPECT_EQ(model.source, ResultsSource::Report);
    ExpectReportValue(model.Node(2).displacement[0], 3.2478e-4);
    ExpectReportValue(model.elements[1].stress, -613.19);
}

TEST(ResultsFileReader, FlagsTheOverflowsOfAnUnstableModel) {
    const ViewerModel model = Loaded(ResultsFile(kMechanismDeck, {kMechanismReport}));
    EXPECT_TRUE(model.Node(2).displacement[0].overflow);
    EXPECT_TRUE(model.Node(2).displacement[1].overflow);
    EXPECT_FALSE(model.Node(2).displacement[2].overflow);
    EXPECT_EQ(model.Node(2).displacement[1].text, "Large Number - OverFlow");
    EXPECT_FALSE(model.Node(1).HasOverflow());
    EXPECT_TRUE(model.elements[0].stress.overflow);
    EXPECT_TRUE(model.elements[0].force.overflow);
    EXPECT_EQ(model.AffectedNodes(), std::vector<int>{2});
    EXPECT_TRUE(model.AnyOverflow());
}

TEST(ResultsFileReader, MarksTheFreeDirectionOfAnAnalysedMechanism) {
    // Nothing holds node 2 along Y: that direction's pivot is zero.
    const ViewerModel model = Loaded(AnalysedDocument(kMechanismDeck));
    EXPECT_TRUE(model.Node(2).displacement[1].overflow);
    const std::vector<int> affected = model.AffectedNodes();
    EXPECT_NE(std::find(affected.begin(), affected.end(), 2), affected.end());
    ASSERT_TRUE(model.warning.has_value());
    EXPECT_EQ(model.warning->title, "Warning");
    EXPECT_NE(model.warning->text.find("node 2, direction Y"), std::string::npos)
        << model.warning->text;
    // Nothing balances the push along Y, so no residual can be given.
    ASSERT_TRUE(model.equilibrium.has_value());
    EXPECT_FALSE(std::isfinite(model.equilibrium->residual));
}

TEST(ResultsFileReader, GivesTheEnginesMessageForADeckItRefuses) {
    const ViewerMessage message =
        Refused(Lines({"SHORT", "3 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0"}));
    EXPECT_EQ(message.title, "Input Errors");
    EXPECT_EQ(message.text, "Error occured while reading Node/Element");
}

TEST(ResultsFileReader, GivesTheEnginesDetailForAnElementItRefuses) {
    const ViewerMessage message =
        Refused(Lines({"BAD ELEMENT", "2 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0",
                       "2 0 1 1 1.0 0.0 0.0 1000.0 0.0 0.0", "1 1 7 1.0E8 0.01"}));
    EXPECT_EQ(message.title, "Input Errors");
    EXPECT_TRUE(message.text.starts_with("Error occured while reading Node/Element\r\nLine 5"))
        << message.text;
}

TEST(ResultsFileReader, RefusesATextThatIsNotADeck) {
    const ViewerMessage message = Refused("Shopping list\r\nbread, milk\r\n");
    EXPECT_EQ(message.title, "Vantrel");
    EXPECT_NE(message.text.find("neither a deck nor a results file"), std::string::npos);
    EXPECT_NE(message.text.find("test.txt"), std::string::npos);
}

TEST(ResultsFileReader, RefusesAnEmptyFile) {
    EXPECT_EQ(Refused("").title, "Vantrel");
}

TEST(ResultsFileReader, RefusesBinaryGarbage) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>((i * 151 + i / 7) % 256);
    EXPECT_FALSE(Refused(bytes).text.empty());
    EXPECT_FALSE(Refused(std::string(300, '\0')).text.empty());
}

// The bar deck has 5 lines; its report starts at line 6 with the blank line, then the
// heading (7), node rows (8, 9), blank (10), heading (11) and the element row (12).
TEST(ResultsFileReader, NamesTheLineWhereATruncatedReportEnds) {
    const std::string text =
        kBarDeck + "\r\n" +
        Lines({" ", "Node: Displacement (X,Y,Z)", "1   0.000E+00   0.000E+00   0.000E+00  "});
    const ViewerMessage message = Refused(text);
    EXPECT_EQ(message.title, "Vantrel");
    EXPECT_NE(message.text.find("Line 9: the report ends too early"), std::string::npos)
        << message.text;
}

TEST(ResultsFileReader, NamesTheLineOfADamagedNumber) {
    std::string text = ResultsFile(kBarDeck, {kBarReport});
    text.replace(text.find("1.000E-03"), 9, "1.0O0E-03");
    const ViewerMessage message = Refused(text);
    EXPECT_NE(message.text.find("Line 9: value 1 is not a report number"), std::string::npos)
        << message.text;
}

TEST(ResultsFileReader, NamesTheLineOfAMissingElementHeading) {
    std::string text = ResultsFile(kBarDeck, {kBarReport});
    text.replace(text.find("Element: Stress"), 15, "Elements:");
    const ViewerMessage message = Refused(text);
    EXPECT_NE(message.text.find("Line 11: expected the heading"), std::string::npos)
        << message.text;
}

TEST(ResultsFileReader, RefusesAReportWithRowsOutOfOrder) {
    std::string text = ResultsFile(kBarDeck, {kBarReport});
    text.replace(text.find("2   1.000E-03"), 1, "3");
    EXPECT_NE(Refused(text).text.find("Line 9: expected the row of number 2"), std::string::npos);
}

TEST(ResultsFileLoader, ReadsAFileFromDisk) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "vantrel-reader-test.txt";
    std::ofstream(path, std::ios::binary) << ResultsFile(kBarDeck, {kBarReport});
    const LoadResult result = LoadResultsFile(path.string());
    std::filesystem::remove(path);
    ASSERT_TRUE(result.model.has_value());
    EXPECT_DOUBLE_EQ(result.model->Node(2).displacement[0].value, 1.0e-3);
}

TEST(ResultsFileLoader, SaysWhenAFileCannotBeRead) {
    const std::string path = "/nonexistent-folder/bridge-RZ.TXT";
    const LoadResult result = LoadResultsFile(path);
    EXPECT_FALSE(result.model.has_value());
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->text, "The file " + path + " could not be read.");
}

} // namespace
} // namespace trelvo::viewer
