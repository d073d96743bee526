#include "tests/engine/deck_assertions.h"
#include "engine/solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace trelvo {
namespace {

using Rows = std::vector<std::vector<double>>;

// A model whose augmented matrix holds the given rows (the last entry is the load).
std::unique_ptr<TrussModel> Augmented(const Rows& rows) {
    auto model = std::make_unique<TrussModel>();
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            model->stiffnessMatrix[i + 1][j + 1] = rows[i][j];
    return model;
}

SolveReport Solve(TrussModel& model, int n) {
    return SolveEquations(model, n, n + 1);
}

TEST(SolveEquations, SingleEquation) {
    const auto model = Augmented({{4.0, 10.0}});
    Solve(*model, 1);
    EXPECT_EQ(model->displacement[1], 2.5);
}

TEST(SolveEquations, ExchangesRowsForTheLargerPivot) {
    const auto model = Augmented({{0.0, 1.0, 2.0}, {1.0, 0.0, 3.0}});
    const SolveReport report = Solve(*model, 2);
    EXPECT_EQ(model->displacement[1], 3.0);
    EXPECT_EQ(model->displacement[2], 2.0);
    EXPECT_EQ(report.firstWeakColumn, 0);
    // After the exchange the first row is (1, 0 | 3).
    EXPECT_EQ(model->stiffnessMatrix[1][3], 3.0);
}

TEST(SolveEquations, IdentityReturnsTheLoads) {
    const auto model =
        Augmented({{1, 0, 0, 0, 7.5}, {0, 1, 0, 0, -2.0}, {0, 0, 1, 0, 0.0}, {0, 0, 0, 1, 1e-9}});
    Solve(*model, 4);
    EXPECT_EQ(model->displacement[1], 7.5);
    EXPECT_EQ(model->displacement[2], -2.0);
    EXPECT_EQ(model->displacement[3], 0.0);
    EXPECT_EQ(model->displacement[4], 1e-9);
}

TEST(SolveEquations, EqualMagnitudesKeepTheLowestRowAsPivot) {
    // x + 2y = 5, -x + 3y = 0: x = 3, y = 1. Had row 2 been taken as the pivot, the
    // first row of U would read (1, -3 | 0) instead of (1, 2 | 5).
    const auto model = Augmented({{1.0, 2.0, 5.0}, {-1.0, 3.0, 0.0}});
    Solve(*model, 2);
    EXPECT_EQ(model->stiffnessMatrix[1][2], 2.0);
    EXPECT_EQ(model->stiffnessMatrix[1][3], 5.0);
    EXPECT_DOUBLE_EQ(model->displacement[1], 3.0);
    EXPECT_DOUBLE_EQ(model->displacement[2], 1.0);
}

TEST(SolveEquations, TieInALaterColumnAlsoKeepsTheLowerRow) {
    // After column 1, rows 2 and 3 both hold magnitude 2 in column 2.
    const auto model =
        Augmented({{4.0, 0.0, 0.0, 8.0}, {0.0, 2.0, 1.0, 3.0}, {0.0, -2.0, 1.0, 1.0}});
    Solve(*model, 3);
    EXPECT_EQ(model->stiffnessMatrix[2][3], 0.5); // row (0, 2, 1 | 3) stayed second
    EXPECT_DOUBLE_EQ(model->displacement[1], 2.0);
    EXPECT_DOUBLE_EQ(model->displacement[2], 0.5);
    EXPECT_DOUBLE_EQ(model->displacement[3], 2.0);
}

TEST(SolveEquations, ZeroColumnGivesNonFiniteResultsAndIsObserved) {
    // Column 2 is zero from the diagonal down.
    const auto model =
        Augmented({{1.0, 3.0, 0.0, 1.0}, {0.0, 0.0, 1.0, 1.0}, {0.0, 0.0, 2.0, 1.0}});
    const SolveReport report = Solve(*model, 3);
    EXPECT_FALSE(std::isfinite(model->displacement[2]));
    EXPECT_EQ(report.firstWeakColumn, 2);
}

TEST(SolveEquations, NegligiblePivotRelativeToItsColumnIsObserved) {
    // Row 2 is three times row 1: exact arithmetic leaves pivot 0 in column 2, round-off
    // leaves about -5.6e-17, which must still count as zero.
    const auto model = Augmented({{0.1, 0.3, 0.0}, {0.3, 0.9, 1.0}});
    const SolveReport report = Solve(*model, 2);
    EXPECT_NE(model->stiffnessMatrix[2][2], 0.0);
    EXPECT_EQ(report.firstWeakColumn, 2);
}

TEST(SolveEquations, NoEquationsLeaveTheDisplacementsAlone) {
    const auto model = Augmented({});
    model->displacement[1] = 4.25;
    const SolveReport report = Solve(*model, 0);
    EXPECT_EQ(model->displacement[1], 4.25);
    EXPECT_EQ(report.firstWeakColumn, 0);
}

TEST(SolveEquations, HelpExampleDisplacements) {
    const auto run = test::RunDeck(test::Join(test::HelpExampleDeck()));
    ASSERT_TRUE(run->outcome.HasResults());
    EXPECT_FALSE(run->outcome.message);
    // By hand: the 2 x 2 system of node 2 (X, Y) under a load of 50 in X.
    const double k1 = 30.0e6 * 0.049 / 10.0;
    const double k2 = 30.0e6 * 0.049 / std::sqrt(52.0);
    const double kxx = k1 * 0.64 + k2 * 16.0 / 52.0;
    const double kxy = k1 * 0.48 - k2 * 24.0 / 52.0;
    const double kyy = k1 * 0.36 + k2 * 36.0 / 52.0;
    const double det = kxx * kyy - kxy * kxy;
    const double u = 50.0 * kyy / det;
    const double v = -50.0 * kxy / det;
    const double* d = run->model->displacement.data();
    EXPECT_NEAR(d[4], u, 1e-8 * u);
    EXPECT_NEAR(d[5], v, 1e-8 * v);
    EXPECT_NEAR(d[4], 3.2478e-4, 1e-8);
    EXPECT_NEAR(d[5], 3.9375e-5, 1e-9);
    for (int dof : {1, 2, 3, 6, 7, 8, 9})
        EXPECT_EQ(d[dof], 0.0) << dof;
}

} // namespace
} // namespace trelvo
