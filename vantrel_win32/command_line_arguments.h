#pragma once

#include <string>
#include <vector>

namespace trelvo::vantrel_win32 {

// The program's arguments in UTF-8, its own path first. They are read from the wide command
// line: the C runtime's argv holds them in the ANSI code page, which turns any character it
// cannot hold into another, so that a file named with one could not be opened.
std::vector<std::string> CommandLineArguments();

} // namespace trelvo::vantrel_win32
