#pragma once

#include "engine/truss_model.h"

namespace trelvo {

// Forms element e's stiffness in global coordinates from its modulus, area, length and
// direction cosines, stores its axial stiffness and adds it into the global matrix.
void AssembleElement(TrussModel& model, int e, double length);

// Imposes the fixities of nodes 1..nodeCount: a fixed degree of freedom gets a unit
// diagonal and zeros elsewhere in its row and column; its load is left as written.
void ApplyConstraints(TrussModel& model);

} // namespace trelvo
