// The status bar's words on the equilibrium check.
#include "viewer/equilibrium_text.h"

#include "tests/viewer/viewer_models.h"

#include <gtest/gtest.h>

#include <limits>

namespace trelvo::viewer {
namespace {

using namespace testing;

TEST(EquilibriumText, GivesTheResidualOverTheLargestForceToTwoDigits) {
    const struct {
        double residual;
        double relative;
        const char* text;
    } rows[] = {
        {1.6e-11, 3.2e-13, "equilibrium residual 3.2E-13 of the largest force"},
        {2.28, 0.0456, "equilibrium residual 4.6E-02 of the largest force"},
        {0.0, 0.0, "equilibrium residual 0.0E+00 of the largest force"},
        {500.0, 1.0, "equilibrium residual 1.0E+00 of the largest force"},
    };
    for (const auto& row : rows) {
        ViewerModel model = HelpExampleModel();
        model.equilibrium = EquilibriumCheck{row.residual, row.relative};
        EXPECT_EQ(EquilibriumText(model), row.text);
    }
}

TEST(EquilibriumText, SaysPlainlyThatAnUnstableTrussHasNoFiniteResidual) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const EquilibriumCheck check :
         {EquilibriumCheck{nan, nan}, EquilibriumCheck{infinity, infinity},
          EquilibriumCheck{infinity, 0.0}}) {
        ViewerModel model = MechanismModel();
        model.equilibrium = check;
        EXPECT_EQ(EquilibriumText(model), "equilibrium not reached: the truss is unstable");
    }
}

} // namespace
} // namespace trelvo::viewer
