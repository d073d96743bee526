#pragma once

#include "engine/solver.h"
#include "engine/truss_model.h"

#include <array>
#include <vector>

namespace trelvo {

struct ElementResult {
    double stress = 0.0;
    double force = 0.0;
};

// What a run computes, in the deck's units: exactly the quantities the report prints.
struct AnalysisResults {
    // The adjusted stiffness matrix as it stood before the solution, row by row; kept only
    // when the deck asks for it (a title beginning with "K").
    bool hasAdjustedMatrix = false;
    std::vector<std::vector<double>> adjustedMatrix;
    // Per node, X Y Z; a deck without nodes still has one row, of zeros.
    std::vector<std::array<double, 3>> displacements;
    // Per element, numbered from 1 at index 0.
    std::vector<ElementResult> elements;
    SolveReport solved;
};

// The last stage of a run, on an assembled and constrained model: keeps the adjusted
// matrix when asked to, solves the system, and brings displacements, stresses and forces
// back to the deck's units. The tables keep the solution, unscaled, as the run leaves it.
AnalysisResults SolveAdjustedModel(TrussModel& model);

} // namespace trelvo
