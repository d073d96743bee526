#pragma once

#include "viewer/picking.h"
#include "viewer/viewer_model.h"

#include <string>

namespace trelvo::viewer {

// The status-bar line for a node or element under the pointer, with the numbers as the
// report prints them.
std::string DescribeNode(const ViewerModel& model, int number);
std::string DescribeElement(const ViewerModel& model, int number);
std::string DescribePick(const ViewerModel& model, const Pick& pick);

// A coordinate as short as it can be written and read back ("8", "-2.5", "1e-05").
std::string ShortNumber(double value);

} // namespace trelvo::viewer
