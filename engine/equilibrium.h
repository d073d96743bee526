#pragma once

#include "engine/results.h"
#include "engine/truss_model.h"

#include <array>
#include <optional>
#include <vector>

namespace trelvo {

// The support reactions and the equilibrium check of a run, from the results the report
// prints: beside the report, never in it.
struct Equilibrium {
    // Per node, X Y Z: the reaction at a fixed direction, none at a free one.
    std::vector<std::array<std::optional<double>, 3>> reactions;
    // The largest out-of-balance force at a free direction (load plus element forces), and
    // that residual over the largest load or element force magnitude.
    double residual = 0.0;
    double relative = 0.0;
    std::array<double, 3> loadSum{};
    std::array<double, 3> reactionSum{};
};

// At every node and direction, the elements pull along their axes with their forces (a
// member in tension pulls each end towards the other). A fixed direction's reaction is
// minus the sum of its load and those pulls; at a free direction that sum should vanish.
Equilibrium CheckEquilibrium(const TrussModel& model, const AnalysisResults& results);

} // namespace trelvo
