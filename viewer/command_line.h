#pragma once

#include <string>
#include <vector>

namespace trelvo::viewer {

// The document file the viewer was started on. It takes one argument; a path with
// blanks that reached it unquoted, split into several, is joined again with single blanks.
// Empty when there is none.
std::string DocumentArgument(const std::vector<std::string>& arguments);

} // namespace trelvo::viewer
