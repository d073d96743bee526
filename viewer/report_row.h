#pragma once

#include "viewer/viewer_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvo::viewer {

// Reads one row of a report's displacement or element section: the running number, then
// `count` values, each a report number such as " 3.247E-04", "-6.131E+02" or the rare
// carried " 10.00E-01", or the overflow text. The blanks between values are not counted:
// a positive number's sign slot is a blank too. Gives nothing, and says why in `problem`,
// when the row is not exactly that.
std::optional<std::vector<ReportValue>> ReadReportRow(std::string_view line, int number,
                                                      std::size_t count, std::string& problem);

// Reads a report number (without blanks around it); nothing when the text is not one.
std::optional<double> ReadReportNumber(std::string_view text);

} // namespace trelvo::viewer
