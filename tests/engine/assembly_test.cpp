#include "tests/engine/deck_assertions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trelvo {
namespace {

using test::AssembleDeck;
using test::Join;

// Node 1 fixed everywhere, node 2 one unit along X and free in X only.
std::string SingleBar(const std::string& loadX, const std::string& elements = "1 1 2 1 1",
                      const std::string& counts = "2 1") {
    return Join({"t", counts, "1 1 1 1 0 0 0 0 0 0", "2 0 1 1 1 0 0 " + loadX + " 0 0", elements});
}

std::string HelpExample() {
    return Join(test::HelpExampleDeck());
}

void ExpectSameMatrix(const TrussModel& a, const TrussModel& b) {
    ASSERT_EQ(a.dofCount, b.dofCount);
    for (int r = 1; r <= a.dofCount; ++r)
        for (int c = 1; c <= a.dofCount; ++c)
            EXPECT_EQ(a.stiffnessMatrix[r][c], b.stiffnessMatrix[r][c]) << r << "," << c;
}

TEST(Assembly, SingleUnitBarGivesTheIdentityAfterConstraints) {
    const auto model = AssembleDeck(SingleBar("0"));
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(model->stiffnessMatrix[r][c], r == c ? 1.0 : 0.0) << r << "," << c;
    EXPECT_EQ(model->axialStiffness[1], 1.0);
}

TEST(Assembly, LoadOnTheUnitBarIsItsDisplacement) {
    const auto run = test::RunDeck(SingleBar("5"));
    ASSERT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->model->displacement[4], 5.0);
    for (int d : {1, 2, 3, 5, 6})
        EXPECT_EQ(run->model->displacement[d], 0.0) << d;
}

TEST(Assembly, BarAtFortyFiveDegreesContributesHalfItsStiffness) {
    // E = A = 1 and L = sqrt(2): k = 1 / sqrt(2); every cosine product is 1/2.
    const auto model =
        AssembleDeck(Join({"t", "2 1", "1 0 0 0 0 0 0 0 0 0", "2 0 0 0 1 1 0 0 0 0", "1 1 2 1 1"}));
    const double half = 1.0 / std::sqrt(2.0) / 2.0;
    const int xy[] = {1, 2, 4, 5};
    for (int r : xy)
        for (int c : xy) {
            const double sign = (r < 4) == (c < 4) ? 1.0 : -1.0;
            EXPECT_NEAR(model->stiffnessMatrix[r][c], sign * half, 1e-15) << r << "," << c;
        }
    for (int z : {3, 6})
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(model->stiffnessMatrix[z][c], 0.0);
            EXPECT_EQ(model->stiffnessMatrix[c][z], 0.0);
        }
}

TEST(Assembly, FixedDirectionsBecomeUnitRowsAndColumns) {
    // Help example: Z fixed everywhere, nodes 1 and 3 fixed in X and Y too.
    const auto model = AssembleDeck(HelpExample());
    for (int q : {1, 2, 3, 6, 7, 8, 9})
        for (int i = 1; i <= 9; ++i) {
            EXPECT_EQ(model->stiffnessMatrix[q][i], q == i ? 1.0 : 0.0) << q << "," << i;
            EXPECT_EQ(model->stiffnessMatrix[i][q], q == i ? 1.0 : 0.0) << i << "," << q;
        }
}

TEST(Assembly, HelpExampleStiffnesses) {
    const auto model = AssembleDeck(HelpExample());
    EXPECT_NEAR(model->axialStiffness[1], 147000.0, 1e-1);
    EXPECT_NEAR(model->axialStiffness[2], 203852.3, 1e-1);
    EXPECT_NEAR(model->stiffnessMatrix[4][4], 156803.79, 0.005);
    EXPECT_NEAR(model->stiffnessMatrix[4][5], -23525.69, 0.005);
    EXPECT_NEAR(model->stiffnessMatrix[5][4], -23525.69, 0.005);
    EXPECT_NEAR(model->stiffnessMatrix[5][5], 194048.53, 0.005);
}

TEST(Assembly, LoadOnAFixedDirectionComesOutAsItsDisplacement) {
    std::vector<std::string> deck = test::HelpExampleDeck();
    deck[2] = "1 1 1 1 0.0 0.0 0.0 2.5 0.0 -4.0";
    const auto run = test::RunDeck(Join(deck));
    ASSERT_TRUE(run->outcome.HasResults());
    EXPECT_EQ(run->model->displacement[1], 2.5);
    EXPECT_EQ(run->model->displacement[3], -4.0);
    const auto lines = run->Lines();
    EXPECT_EQ(lines[9], "1   2.500E+00   0.000E+00  -4.000E+00  ");
}

TEST(Assembly, ElementsOnTheSameNodesAdd) {
    const auto two = AssembleDeck(SingleBar("0", "1 1 2 1 1\r\n2 1 2 2 1", "2 2"));
    const auto one = AssembleDeck(SingleBar("0", "1 1 2 3 1"));
    EXPECT_EQ(two->stiffnessMatrix[4][4], 3.0);
    ExpectSameMatrix(*two, *one);
}

TEST(Assembly, HigherNodeFirstAssemblesIdentically) {
    std::vector<std::string> reversed = test::HelpExampleDeck();
    reversed[5] = "1 2 1 30.0e6 0.049";
    reversed[6] = "2 3 2 30.0e6 0.049";
    const auto a = AssembleDeck(HelpExample());
    const auto b = AssembleDeck(Join(reversed));
    ExpectSameMatrix(*a, *b);
    EXPECT_EQ(a->axialStiffness[2], b->axialStiffness[2]);
    EXPECT_EQ(a->cosY[2], b->cosY[2]);
}

} // namespace
} // namespace trelvo
