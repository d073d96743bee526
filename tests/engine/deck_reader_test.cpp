#include "tests/engine/deck_assertions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trelvo {
namespace {

using test::Join;
using test::RunDeck;

const std::string kFixedNode1 = "1 1 1 1 0 0 0 0 0 0";
const std::string kFixedNode2 = "2 1 1 1 3 0 0 0 0 0";
const std::string kFixedNode3 = "3 1 1 1 3 4 0 0 0 0";

TEST(CountsLine, TwoFieldsSplitAtSingleBlanks) {
    const auto run = RunDeck(
        Join({"t", "3 2", kFixedNode1, kFixedNode2, kFixedNode3, "1 1 2 1 1", "2 2 3 1 1"}));
    EXPECT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->model->nodeCount, 3);
    EXPECT_EQ(run->model->elementCount, 2);
    EXPECT_EQ(run->model->dofCount, 9);
}

TEST(CountsLine, DoubleBlankLeavesTheElementCountEmpty) {
    // The element lines after the nodes are then simply text after the deck.
    const auto run = RunDeck(
        Join({"t", "3  2", kFixedNode1, kFixedNode2, kFixedNode3, "1 1 2 1 1", "2 2 3 1 1"}));
    EXPECT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->model->nodeCount, 3);
    EXPECT_EQ(run->model->elementCount, 0);
}

TEST(CountsLine, LeadingBlankLeavesTheNodeCountEmpty) {
    const auto run = RunDeck(Join({"t", " 3 2", "1 1 2 1 1", "2 1 2 1 1", "3 1 2 1 1"}));
    EXPECT_EQ(run->model->nodeCount, 0);
    EXPECT_EQ(run->model->elementCount, 3);
    // With no nodes, the first element line already names a node the deck lacks.
    ASSERT_TRUE(run->outcome.message);
    EXPECT_EQ(run->outcome.message->text,
              "Error occured while reading Node/Element\r\n"
              "Line 3: element 1 joins node 1 to node 2, but the deck has 0 nodes.");
}

TEST(NodeLines, NodeNumberFieldIsNotUsed) {
    const auto run = RunDeck(
        Join({"t", "3 0", "7 1 1 1 1 0 0 0 0 0", "8 1 1 1 2 0 0 0 0 0", "9 1 1 1 3 0 0 0 0 0"}));
    EXPECT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->model->coord[1][1], 1.0);
    EXPECT_EQ(run->model->coord[1][2], 2.0);
    EXPECT_EQ(run->model->coord[1][3], 3.0);
}

TEST(NodeLines, TenFieldsFillFixityCoordinatesAndLoads) {
    const auto run = RunDeck(Join({"t", "1 0", "1 1 0 1 1.5E3 -2.5 3 10 -20 30.5"}));
    const TrussModel& m = *run->model;
    EXPECT_EQ(m.fixed[1][1], 1);
    EXPECT_EQ(m.fixed[2][1], 0);
    EXPECT_EQ(m.fixed[3][1], 1);
    EXPECT_EQ(m.coord[1][1], 1500.0);
    EXPECT_EQ(m.coord[2][1], -2.5);
    EXPECT_EQ(m.coord[3][1], 3.0);
    EXPECT_EQ(m.load[1][1], 10.0);
    EXPECT_EQ(m.load[2][1], -20.0);
    EXPECT_EQ(m.load[3][1], 30.5);
    EXPECT_EQ(m.loadVector[1], 10.0);
    EXPECT_EQ(m.loadVector[2], -20.0);
    EXPECT_EQ(m.loadVector[3], 30.5);
}

TEST(NodeLines, RunsOfBlanksPassAndTabsFail) {
    EXPECT_TRUE(RunDeck(Join({"t", "1 0", "1  1  1  1  0  0  0  0  0  0"}))->outcome.HasResults());
    EXPECT_TRUE(RunDeck(Join({"t", "1 0", "   1 1 1 1 0 0 0 0 0 0   "}))->outcome.HasResults());
    EXPECT_INPUT_ERROR(Join({"t", "1 0", "1\t1\t1\t1\t0\t0\t0\t0\t0\t0"}), "");
    EXPECT_INPUT_ERROR(Join({"t", "1 0", "1 1 1 1 0 0 0 0 0\t0"}), "");
}

TEST(NodeLines, NineBlanksPassEvenWithNineFieldsAndTheLastFieldRepeats) {
    const auto run = RunDeck(Join({"t", "1 0", "1 1 1 1 0 0 0 7  8"}));
    EXPECT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->model->load[1][1], 7.0);
    EXPECT_EQ(run->model->load[2][1], 8.0);
    EXPECT_EQ(run->model->load[3][1], 8.0);
}

TEST(NodeLines, OnlyAFixityOfOneFixes) {
    const auto run = RunDeck(Join({"K", "2 0", "1 1 1.0 0 0 0 0 0 0 0", "2 2 -1 257 1 0 0 0 0 0"}));
    const TrussModel& m = *run->model;
    EXPECT_EQ(m.fixed[1][1], 1);
    EXPECT_EQ(m.fixed[2][1], 1);
    EXPECT_EQ(m.fixed[3][1], 0);
    EXPECT_EQ(m.fixed[1][2], 2);
    EXPECT_EQ(m.fixed[2][2], -1);
    EXPECT_EQ(m.fixed[3][2], 1); // the low eight bits of 257

    // The adjusted matrix shows which directions were fixed: a unit diagonal.
    const auto lines = run->Lines();
    const auto heading = std::find(lines.begin(), lines.end(), "**Adjusted K ");
    ASSERT_NE(heading, lines.end());
    const bool fixedDof[] = {true, true, false, false, false, true};
    for (int i = 0; i < 6; ++i) {
        const std::string& row = *(heading + 1 + i);
        EXPECT_EQ(row.substr(12 * static_cast<std::size_t>(i), 10),
                  fixedDof[i] ? " 1.000E+00" : " 0.000E+00")
            << "row " << i + 1 << ": " << row;
    }
}

TEST(ElementLines, StoredUnderTheirNumberWithTheLowerNodeFirst) {
    const auto run =
        RunDeck(Join({"t", "3 4", kFixedNode1, "2 1 1 1 1 2 0 0 0 0", "3 1 1 1 4 6 0 0 0 0",
                      "4 3 2 30.0e6 0.049", "1 1 2 1 1", "2 1 3 1 1", "3 1 2 1 1"}));
    ASSERT_TRUE(run->outcome.HasResults());
    const TrussModel& m = *run->model;
    EXPECT_EQ(m.node1[4], 2);
    EXPECT_EQ(m.node2[4], 3);
    // From node 2 (1, 2) to node 3 (4, 6): length 5.
    EXPECT_DOUBLE_EQ(m.cosX[4], 0.6);
    EXPECT_DOUBLE_EQ(m.cosY[4], 0.8);
    EXPECT_EQ(m.cosZ[4], 0.0);
    EXPECT_EQ(m.youngsModulus[4], 3.0e7);
    EXPECT_EQ(m.modulusScale[4], 1.0);
    EXPECT_DOUBLE_EQ(m.area[4], 0.049);
    EXPECT_EQ(m.lastElementNumber, 3);
}

TEST(ElementLines, NodeFieldsAreRoundedHalvesToEven) {
    const auto run = RunDeck(Join({"t", "4 1", kFixedNode1, kFixedNode2, kFixedNode3,
                                   "4 1 1 1 9 9 9 0 0 0", "1 2.5 3.5 1 1"}));
    ASSERT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->model->node1[1], 2);
    EXPECT_EQ(run->model->node2[1], 4);
}

struct ModulusRow {
    const char* text;
    double modulus;
    double scale;
};

TEST(ElementLines, LargeModulusExponentsAreScaledDown) {
    const ModulusRow rows[] = {
        {"2.1E11", 2.1e8, 1000.0}, {"2.1e+11", 2.1e8, 1000.0}, {"2E9", 2.0e6, 1000.0},
        {"2E12", 2.0e8, 10000.0},  {"1E8", 1.0e8, 1.0},        {"210000000000", 2.1e11, 1.0},
        {"1.5E-3", 0.0015, 1.0},   {"30.0e6", 3.0e7, 1.0},
    };
    for (const ModulusRow& row : rows) {
        const auto run = RunDeck(Join(
            {"t", "2 1", kFixedNode1, kFixedNode2, std::string("1 1 2 ") + row.text + " 0.5"}));
        ASSERT_TRUE(run->outcome.HasResults()) << row.text;
        EXPECT_DOUBLE_EQ(run->model->youngsModulus[1], row.modulus) << row.text;
        EXPECT_EQ(run->model->modulusScale[1], row.scale) << row.text;
        EXPECT_EQ(run->model->area[1], 0.5) << row.text;
    }
}

TEST(ElementLines, AreaExponentIsNeverScaled) {
    const auto run = RunDeck(Join({"t", "2 1", kFixedNode1, kFixedNode2, "1 1 2 1 12.3E-6"}));
    EXPECT_DOUBLE_EQ(run->model->area[1], 1.23e-5);
    const auto big = RunDeck(Join({"t", "2 1", kFixedNode1, kFixedNode2, "1 1 2 1 2E12"}));
    EXPECT_DOUBLE_EQ(big->model->area[1], 2.0e12);
    EXPECT_EQ(big->model->modulusScale[1], 1.0);
}

TEST(TitleLine, OnlyACapitalKInTheFirstColumnAsksForTheMatrix) {
    const std::string rest = "\r\n1 0\r\n1 1 1 1 0 0 0 0 0 0";
    EXPECT_TRUE(RunDeck("K" + rest)->model->printAdjustedK);
    EXPECT_TRUE(RunDeck("Kbridge" + rest)->model->printAdjustedK);
    EXPECT_FALSE(RunDeck("k" + rest)->model->printAdjustedK);
    EXPECT_FALSE(RunDeck(" K" + rest)->model->printAdjustedK);
    EXPECT_FALSE(RunDeck("bridge K" + rest)->model->printAdjustedK);
}

TEST(HelpExample, GeometryOfBothElements) {
    const auto run = RunDeck(test::Join(test::HelpExampleDeck()));
    const TrussModel& m = *run->model;
    EXPECT_DOUBLE_EQ(m.cosX[1], 0.8);
    EXPECT_DOUBLE_EQ(m.cosY[1], 0.6);
    EXPECT_EQ(m.cosZ[1], 0.0);
    EXPECT_NEAR(m.cosX[2], 0.5547, 1e-4);
    EXPECT_NEAR(m.cosY[2], -0.83205, 1e-5);
    EXPECT_EQ(m.cosZ[2], 0.0);
    EXPECT_EQ(m.modulusScale[1], 1.0);
    EXPECT_EQ(m.modulusScale[2], 1.0);
    // Lengths 10 and 7.2111 through k = E A / L.
    EXPECT_NEAR(30.0e6 * 0.049 / m.axialStiffness[1], 10.0, 1e-12);
    EXPECT_NEAR(30.0e6 * 0.049 / m.axialStiffness[2], 7.2111, 1e-4);
}

} // namespace
} // namespace trelvo
