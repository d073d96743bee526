#pragma once

#include "viewer/viewer_model.h"

#include <string>

namespace trelvo::viewer {

// The status-bar words on how well the run balances its forces: the largest residual
// over the largest force, to two significant digits. Empty without a check.
std::string EquilibriumText(const ViewerModel& model);

} // namespace trelvo::viewer
