#include "tests/engine/deck_assertions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace trelvo {
namespace {

using test::Join;
using test::RunDeck;
using Lines = std::vector<std::string>;

constexpr const char* kOverflow = "Large Number - OverFlow";

std::string HelpExample() {
    return Join(test::HelpExampleDeck());
}

// The editor lines from `first` on.
Lines From(const Lines& lines, std::size_t first) {
    return first <= lines.size()
               ? Lines(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end())
               : Lines{};
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(ResultsReport, SingleBarWorkedExample) {
    // E A / L = 1e8 * 0.01 / 1 = 1e6; a load of 1000 moves node 2 by 1e-3.
    const std::string deck = Join(
        {"Single bar", "2 1", "1 1 1 1 0 0 0 0 0 0", "2 0 1 1 1 0 0 1000 0 0", "1 1 2 1.0E8 0.01"});
    const auto run = RunDeck(deck);
    ASSERT_TRUE(run->outcome.HasResults());
    EXPECT_FALSE(run->outcome.message);
    EXPECT_EQ(run->model->axialStiffness[1], 1.0e6);
    EXPECT_EQ(
        run->editor.GetText(),
        deck + "\r\n" +
            Join({" ", "Node: Displacement (X,Y,Z)", "1   0.000E+00   0.000E+00   0.000E+00  ",
                  "2   1.000E-03   0.000E+00   0.000E+00  ", " ",
                  "Element: Stress, Internal Force ", "1   1.000E+05    1.000E+03", ""}));
}

TEST(ResultsReport, HelpExampleFullText) {
    const auto run = RunDeck(HelpExample() + "\r\n");
    ASSERT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->editor.GetText(), test::HelpExampleResults());
}

TEST(ResultsReport, ShortenedBarHasNegativeStressAndForce) {
    const auto run = RunDeck(
        Join({"t", "2 1", "1 1 1 1 0 0 0 0 0 0", "2 0 1 1 1 0 0 -1000 0 0", "1 1 2 1.0E8 0.01"}));
    const Lines lines = run->Lines();
    EXPECT_EQ(lines[8], "2  -1.000E-03   0.000E+00   0.000E+00  ");
    EXPECT_EQ(lines[11], "1  -1.000E+05   -1.000E+03");
}

TEST(ResultsReport, ScaledModulusComesBackInDeckUnits) {
    // E 2.1E11 is held as 2.1e8 with scale 1000; u = 3.15e5 / 2.1e11 = 1.5e-6 and
    // sigma = E u / L = 3.15e5 either way.
    const Lines tail = {"2   1.500E-06   0.000E+00   0.000E+00  ", " ",
                        "Element: Stress, Internal Force ", "1   3.150E+05    3.150E+05", ""};
    for (const char* modulus : {"2.1E11", "210000000000"}) {
        const auto run =
            RunDeck(Join({"t", "2 1", "1 1 1 1 0 0 0 0 0 0", "2 0 1 1 1 0 0 3.15e5 0 0",
                          std::string("1 1 2 ") + modulus + " 1"}));
        EXPECT_EQ(From(run->Lines(), 8), tail) << modulus;
    }
}

// Two bars in a chain carry the load P = 1.4e5 each (A = 1, L = 1): the first, E = 2e11
// written with an exponent (held with scale 1000), stretches P / E = 7e-7; the second,
// E = 7e10 written without one (scale 1), 2e-6 more, so the free end moves 2.7e-6. Each
// bar counts in the deck's units, whichever element comes last.
TEST(ResultsReport, ModuliWrittenWithDifferentExponentsCountInTheDecksUnits) {
    const Lines tail = {"2   7.000E-07   0.000E+00   0.000E+00  ", "3   2.700E-06   0.000E+00   0.000E+00  ", " ",
                        "Element: Stress, Internal Force ", "1   1.400E+05    1.400E+05", "2   1.400E+05    1.400E+05",
                        ""};
    const std::string first = "1 1 2 200E9 1", second = "2 2 3 70000000000 1";
    for (const bool secondLast : {true, false}) {
        const auto run = RunDeck(Join({"t", "3 2", "1 1 1 1 0 0 0 0 0 0", "2 0 1 1 1 0 0 0 0 0",
                                       "3 0 1 1 2 0 0 1.4e5 0 0", secondLast ? first : second,
                                       secondLast ? second : first}));
        EXPECT_EQ(From(run->Lines(), 10), tail) << secondLast;
    }
}

TEST(ResultsReport, AdjustedMatrixComesLastAfterAnEmptyLine) {
    std::vector<std::string> deck = test::HelpExampleDeck();
    deck[0] = "K EXAMPLE 2D TRUSS";
    const auto run = RunDeck(Join(deck));
    const Lines lines = run->Lines();
    ASSERT_EQ(lines.size(), 7u + 9u + 1u + 1u + 9u + 1u);
    EXPECT_EQ(Lines(lines.begin() + 7, lines.begin() + 16), test::HelpExampleReport());
    EXPECT_EQ(lines[16], "");
    EXPECT_EQ(lines[17], "**Adjusted K ");
    EXPECT_EQ(lines.back(), "");

    const std::string zero = " 0.000E+00  ";
    const std::string one = " 1.000E+00  ";
    // Fixed directions: unit diagonal, zeros elsewhere in the row.
    for (int q : {1, 2, 3, 6, 7, 8, 9})
        EXPECT_EQ(lines[17 + q], Repeat(zero, q - 1) + one + Repeat(zero, 9 - q)) << "row " << q;
    // Node 2 X and Y: 156803.79 and -23525.69; 194048.53.
    EXPECT_EQ(lines[21], Repeat(zero, 3) + " 1.568E+05  -2.352E+04  " + Repeat(zero, 4));
    EXPECT_EQ(lines[22], Repeat(zero, 3) + "-2.352E+04   1.940E+05  " + Repeat(zero, 4));
}

TEST(ResultsReport, ReportGoesBetweenTheDeckAndAnEarlierReport) {
    // The document is an earlier results file; the engine reads the same bytes. Open drops
    // the file's final line end, so the opening line break restores it and no more.
    const std::string earlier = test::HelpExampleResults();
    const auto run = RunDeck(earlier);
    ASSERT_TRUE(run->outcome.HasResults());
    const std::string report = Join(test::HelpExampleReport()) + "\r\n";
    EXPECT_EQ(run->editor.GetText(), HelpExample() + "\r\n" + report + report);
}

TEST(ResultsReport, NoNodesStillGivesOneDisplacementLine) {
    const auto run = RunDeck(Join({"t", "0 0"}));
    ASSERT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(From(run->Lines(), 2),
              (Lines{" ", "Node: Displacement (X,Y,Z)", "1   0.000E+00   0.000E+00   0.000E+00  ",
                     " ", "Element: Stress, Internal Force ", ""}));
}

TEST(ResultsReport, NoNodesNeverShowsAnEarlierModelsDisplacements) {
    // The desktop program keeps one set of tables for all its runs; the one row a model
    // without nodes prints must not show what another model left in them.
    const auto model = std::make_unique<TrussModel>();
    TextModel first;
    test::RunDeckOn(*model, first, Join({"t", "1 0", "1 1 1 1 0 0 0 2.5 0 -1"}));
    ASSERT_EQ(test::SplitCrLf(first.GetText())[5], "1   2.500E+00   0.000E+00  -1.000E+00  ");
    TextModel second;
    test::RunDeckOn(*model, second, Join({"t", "0 0"}));
    EXPECT_EQ(test::SplitCrLf(second.GetText())[4], "1   0.000E+00   0.000E+00   0.000E+00  ");
}

TEST(ResultsReport, NoElementLinesGivesTheHeadingAlone) {
    const std::string deck = Join({"t", "2 0", "1 1 1 1 0 0 0 3 0 0", "2 1 1 1 1 0 0 0 -7 0"});
    const auto run = RunDeck(deck);
    ASSERT_TRUE(run->outcome.HasResults());
    // Unscaled with s = 1: fixed directions show their loads, nothing overflows.
    EXPECT_EQ(run->editor.GetText(), deck + "\r\n" +
                                         Join({" ", "Node: Displacement (X,Y,Z)",
                                               "1   3.000E+00   0.000E+00   0.000E+00  ",
                                               "2   0.000E+00  -7.000E+00   0.000E+00  ", " ",
                                               "Element: Stress, Internal Force ", ""}));
    EXPECT_EQ(run->editor.GetText().find(kOverflow), std::string::npos);
}

TEST(ResultsReport, NoElementLinesIgnoresAnEarlierElementZeroScale) {
    const auto model = std::make_unique<TrussModel>();
    model->modulusScale[0] = 1000.0;
    TextModel editor;
    test::RunDeckOn(*model, editor, Join({"t", "1 0", "1 1 1 1 0 0 0 3 0 0"}));
    EXPECT_EQ(test::SplitCrLf(editor.GetText())[5], "1   3.000E+00   0.000E+00   0.000E+00  ");
}

TEST(ResultsReport, UnstableModelIsReportedAfterTheReport) {
    // Node 2 of the help example left free in Z, which no element stiffens.
    std::vector<std::string> deck = test::HelpExampleDeck();
    deck[3] = "2 0 0 0 8.0 6.0 0.0 50.0 0.0 0.0";
    const auto run = RunDeck(Join(deck));
    ASSERT_TRUE(run->outcome.HasResults());
    ASSERT_TRUE(run->outcome.message);
    EXPECT_EQ(run->outcome.message->title, "Warning");
    EXPECT_NE(run->outcome.message->text.find("unstable"), std::string::npos);
    EXPECT_NE(run->outcome.message->text.find("node 2, direction Z"), std::string::npos)
        << run->outcome.message->text;
    const Lines lines = run->Lines();
    EXPECT_EQ(lines[8], "Node: Displacement (X,Y,Z)");
    EXPECT_NE(lines[10].find(kOverflow), std::string::npos) << lines[10];
}

TEST(ResultsReport, MechanismNamesItsFirstFreeDirection) {
    // A single bar along X with node 2 free in Y: nothing holds node 2 sideways.
    const auto run =
        RunDeck(Join({"t", "2 1", "1 1 1 1 0 0 0 0 0 0", "2 0 0 1 1 0 0 5 0 0", "1 1 2 1 1"}));
    ASSERT_TRUE(run->outcome.HasResults());
    ASSERT_TRUE(run->outcome.message);
    EXPECT_EQ(run->outcome.message->title, "Warning");
    EXPECT_NE(run->outcome.message->text.find("node 2, direction Y"), std::string::npos)
        << run->outcome.message->text;
    EXPECT_NE(run->Lines()[8].find(kOverflow), std::string::npos);
}

} // namespace
} // namespace trelvo
