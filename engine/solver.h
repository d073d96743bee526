#pragma once

#include "engine/truss_model.h"

namespace trelvo {

// Pivots smaller than this fraction of the largest entry of their column, as the column
// stood before elimination, are taken as zero: the column's unknown is not held by the
// structure. Round-off leaves a mechanism's pivot near 1e-16 times its column; real
// trusses whose stiffnesses differ by up to about ten orders of magnitude stay above.
inline constexpr double kNegligiblePivot = 1e-10;

struct SolveReport {
    // First column (degree of freedom) whose pivot was zero, negligible or not finite;
    // 0 when every pivot was sound.
    int firstWeakColumn = 0;
};

// Crout's LU decomposition with partial row pivoting, in place on the augmented matrix
// of n equations and m = n + 1 columns, then back substitution into `displacement`.
// The arithmetic never checks for a zero pivot: infinities and NaN run through to the
// results as IEEE 754 gives them. The report only observes the pivots.
SolveReport SolveEquations(TrussModel& model, int n, int m);

} // namespace trelvo
