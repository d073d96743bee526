#pragma once

#include "editor/platform.h"

#include <cstddef>
#include <string>

namespace trelvo {

// Field 0: two blanks, the date as mm/dd/yyyy, one blank, the time as hh:ii (24 hours).
std::string ClockFieldText(const LocalTime& now);

// Field 1: the document's file name (empty when it has none), one blank, the length of the
// whole editor text with every line end counted as two characters, and " chars ".
std::string DocumentFieldText(const std::string& fileName, std::size_t textLength);

} // namespace trelvo
