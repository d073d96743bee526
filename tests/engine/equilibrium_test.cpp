// Support reactions and the equilibrium check, against hand calculations.
#include "tests/engine/deck_assertions.h"

#include <fstream>
#include <iterator>

namespace trelvo::test {
namespace {

std::string ExampleDeck(const std::string& name) {
    std::ifstream file(std::string(TRELVO_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Bar 1 runs from (0, 0) to (8, 6) (cosines 0.8, 0.6), bar 2 from (8, 6) to (12, 0)
// (4, -6 over the square root of 52). Node 2's balance, 50 - 0.8 f1 + 4/sqrt(52) f2 = 0 and
// -0.6 f1 - 6/sqrt(52) f2 = 0, gives f1 = 125/3 in tension. Node 1 is pulled by
// f1 (0.8, 0.6) = (100/3, 25) and node 3 by the rest of the 50: (50/3, -25). The reactions
// are the opposites: together -50 across and nothing up.
TEST(Equilibrium, HelpExampleReactionsMatchAHandCalculation) {
    const auto run = RunDeck(Join(HelpExampleDeck()));
    ASSERT_TRUE(run->outcome.equilibrium);
    const Equilibrium& check = *run->outcome.equilibrium;
    ASSERT_EQ(check.reactions.size(), 3u);
    const struct {
        int node;
        double x, y;
    } rows[] = {{1, -100.0 / 3.0, -25.0}, {3, -50.0 / 3.0, 25.0}};
    for (const auto& row : rows) {
        const auto& reaction = check.reactions[static_cast<std::size_t>(row.node - 1)];
        ASSERT_TRUE(reaction[0] && reaction[1] && reaction[2]) << "node " << row.node;
        EXPECT_NEAR(*reaction[0], row.x, 1e-9) << "node " << row.node;
        EXPECT_NEAR(*reaction[1], row.y, 1e-9) << "node " << row.node;
        EXPECT_EQ(*reaction[2], 0.0) << "node " << row.node;
    }
    const auto& free = check.reactions[1];
    EXPECT_FALSE(free[0] || free[1]) << "node 2 is free in X and Y";
    EXPECT_TRUE(free[2]);
    EXPECT_NEAR(check.reactionSum[0], -50.0, 1e-9);
    EXPECT_NEAR(check.reactionSum[1], 0.0, 1e-9);
    EXPECT_EQ(check.loadSum, (std::array<double, 3>{50.0, 0.0, 0.0}));
    EXPECT_LT(check.residual, 1e-9);
    EXPECT_LT(check.relative, 1e-12);
}

// Four supports carry the tower's loads: 10 across in X and 160 down; nothing in Y.
TEST(Equilibrium, SpaceTowerReactionsBalanceItsLoadsOnEveryAxis) {
    const auto run = RunDeck(ExampleDeck("space-tower-3d.txt"));
    ASSERT_TRUE(run->outcome.equilibrium);
    const Equilibrium& check = *run->outcome.equilibrium;
    EXPECT_EQ(check.loadSum, (std::array<double, 3>{10.0, 0.0, -160.0}));
    for (std::size_t axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(check.reactionSum[axis], -check.loadSum[axis], 1e-9) << "axis " << axis;
    for (std::size_t node = 4; node < 8; ++node)
        EXPECT_FALSE(check.reactions[node][0] || check.reactions[node][1] || check.reactions[node][2]);
    EXPECT_LT(check.relative, 1e-12);
}

// A mechanism has no balance to check: its residual is not a small number.
TEST(Equilibrium, AnUnstableTrussHasNoSmallResidual) {
    const auto run = RunDeck(Join({"MECHANISM", "2 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0",
                                   "2 0 0 1 1.0 0.0 0.0 0.0 500.0 0.0", "1 1 2 1.0e8 0.01"}));
    ASSERT_TRUE(run->outcome.equilibrium);
    EXPECT_FALSE(run->outcome.equilibrium->relative < 1e-6);
}

} // namespace
} // namespace trelvo::test
