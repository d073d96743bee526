#include "engine/equilibrium.h"

#include <algorithm>
#include <cmath>

namespace trelvo {
namespace {

using NodeForces = std::vector<std::array<double, 3>>;

// The forces the elements exert on each node, per direction.
NodeForces ElementPulls(const TrussModel& model, const AnalysisResults& results) {
    NodeForces pulls(static_cast<std::size_t>(model.nodeCount), std::array<double, 3>{});
    for (int e = 1; e <= model.elementCount; ++e) {
        const double force = results.elements[static_cast<std::size_t>(e - 1)].force;
        const std::array<double, 3> axis{model.cosX[e], model.cosY[e], model.cosZ[e]};
        auto& first = pulls[static_cast<std::size_t>(model.node1[e] - 1)];
        auto& second = pulls[static_cast<std::size_t>(model.node2[e] - 1)];
        for (std::size_t d = 0; d < 3; ++d) {
            first[d] += force * axis[d]; // towards the second node
            second[d] -= force * axis[d];
        }
    }
    return pulls;
}

// The magnitude the residual is measured against: the largest load or element force.
double LargestForce(const TrussModel& model, const AnalysisResults& results) {
    double largest = 0.0;
    for (int n = 1; n <= model.nodeCount; ++n)
        for (int d = 1; d <= 3; ++d)
            largest = std::max(largest, std::fabs(model.load[d][n]));
    for (const ElementResult& element : results.elements)
        largest = std::max(largest, std::fabs(element.force));
    return largest;
}

} // namespace

Equilibrium CheckEquilibrium(const TrussModel& model, const AnalysisResults& results) {
    Equilibrium check;
    const NodeForces pulls = ElementPulls(model, results);
    for (int n = 1; n <= model.nodeCount; ++n) {
        std::array<std::optional<double>, 3> reaction;
        for (int d = 1; d <= 3; ++d) {
            const std::size_t axis = static_cast<std::size_t>(d - 1);
            const double load = model.load[d][n];
            const double balance = load + pulls[static_cast<std::size_t>(n - 1)][axis];
            check.loadSum[axis] += load;
            if (model.fixed[d][n] == 1) {
                reaction[axis] = 0.0 - balance; // a zero reaction is +0, not -0
                check.reactionSum[axis] += *reaction[axis];
            } else if (!(std::fabs(balance) <= check.residual)) {
                check.residual = std::fabs(balance); // NaN too: an unstable truss says so
            }
        }
        check.reactions.push_back(reaction);
    }
    const double largest = LargestForce(model, results);
    check.relative = largest > 0.0 ? check.residual / largest : check.residual;
    return check;
}

} // namespace trelvo
