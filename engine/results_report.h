#pragma once

#include "engine/results.h"

#include <string>

namespace trelvo {

// A number as the report prints it: four significant digits, or the overflow text.
std::string ReportNumber(double value);

// The heading the adjusted matrix is printed under, on a line of its own after the deck.
inline constexpr const char* kAdjustedMatrixHeading = "**Adjusted K \r\n";

// The rows of the adjusted matrix, each ending in CR LF; empty without a matrix.
std::string FormatAdjustedMatrixRows(const AnalysisResults& results);

// The displacement section and then the element section, each line ending in CR LF.
std::string FormatResultSections(const AnalysisResults& results);

} // namespace trelvo
