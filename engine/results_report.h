#pragma once

#include "editor_text.h"
#include "solver.h"
#include "truss_model.h"

namespace trelvo {

// The last stage of a run, on an assembled and constrained model: prints the adjusted
// stiffness matrix when asked to, has the system solved, and inserts the displacement and
// element sections directly after the deck in the editor text. Returns what the solver
// observed of its pivots.
SolveReport WriteResultsReport(TrussModel& model, EditorText& editor);

} // namespace trelvo
