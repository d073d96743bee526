#include "engine/results.h"

namespace trelvo {
namespace {

std::vector<std::vector<double>> AdjustedMatrix(const TrussModel& model) {
    std::vector<std::vector<double>> rows;
    for (int i = 1; i <= model.dofCount; ++i)
        rows.emplace_back(model.stiffnessMatrix[i].begin() + 1,
                          model.stiffnessMatrix[i].begin() + 1 + model.dofCount);
    return rows;
}

SolveReport Solve(TrussModel& model) {
    const int n = model.dofCount;
    for (int i = 1; i <= n; ++i) {
        model.stiffnessMatrix[i][n + 1] = model.loadVector[i];
        model.displacement[i] = 0.0;
    }
    // A model without nodes still has one row for node 1; clear what it reads so that the
    // row cannot show an earlier model's displacements.
    for (int i = n + 1; i <= 3; ++i)
        model.displacement[i] = 0.0;
    return SolveEquations(model, n, n + 1);
}

// The factor that brings displacements and stresses back to the deck's units: the scale
// of the element on the last element line, or 1 for a deck without element lines.
double UnscalingFactor(const TrussModel& model) {
    return model.lastElementNumber == 0 ? 1.0 : model.modulusScale[model.lastElementNumber];
}

// Divides the solution in place, node row by node row; runs once even without nodes.
std::vector<std::array<double, 3>> UnscaleDisplacements(TrussModel& model, double s) {
    std::vector<std::array<double, 3>> rows;
    int d = 1;
    do {
        std::array<double, 3> row{};
        for (double& value : row) {
            model.displacement[d] = model.displacement[d] / s;
            value = model.displacement[d];
            ++d;
        }
        rows.push_back(row);
    } while (d <= model.dofCount);
    return rows;
}

// From the unscaled displacements, so this comes after UnscaleDisplacements.
std::vector<ElementResult> ElementResults(const TrussModel& model, double s) {
    std::vector<ElementResult> results;
    const auto& u = model.displacement;
    for (int e = 1; e <= model.elementCount; ++e) {
        const int p = 3 * (model.node1[e] - 1);
        const int q = 3 * (model.node2[e] - 1);
        const double cx = model.cosX[e], cy = model.cosY[e], cz = model.cosZ[e];
        // Elongation, stress and force in exactly this order of operations.
        const double a = (-cx) * u[p + 1] + (-cy) * u[p + 2] + (-cz) * u[p + 3];
        const double delta = a + cx * u[q + 1] + cy * u[q + 2] + cz * u[q + 3];
        const double sigma = ((delta * model.axialStiffness[e]) / model.area[e]) * s;
        results.push_back(ElementResult{sigma, sigma * model.area[e]});
    }
    return results;
}

} // namespace

AnalysisResults SolveAdjustedModel(TrussModel& model) {
    AnalysisResults results;
    // The solution overwrites the matrix: it is kept first.
    results.hasAdjustedMatrix = model.printAdjustedK;
    if (model.printAdjustedK)
        results.adjustedMatrix = AdjustedMatrix(model);
    results.solved = Solve(model);
    const double s = UnscalingFactor(model);
    results.displacements = UnscaleDisplacements(model, s);
    results.elements = ElementResults(model, s);
    return results;
}

} // namespace trelvo
