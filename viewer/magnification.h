#pragma once

#include "viewer/viewer_model.h"

namespace trelvo::viewer {

// The magnification the view starts with: the largest displacement drawn at about a
// tenth of the model size, rounded to two significant digits. 1 when nothing moves.
double InitialMagnification(const ViewerModel& model);

// Rounds a positive value to two significant digits (3667.9 gives 3700).
double RoundToTwoDigits(double value);

} // namespace trelvo::viewer
