#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace trelvo {

// Numbers as text, locale-free, with the results of std::to_chars and std::from_chars on
// every platform, including C++ libraries that lack their floating-point overloads (the
// browser build's): one place that knows, rather than each writer of a number.

// The shortest text that reads back to the value, fixed or scientific, whichever is
// shorter ("8", "0.049", "1e+20").
std::string ShortestDecimal(double value);

// As printf would write it with the format's conversion and the precision.
std::string DecimalWith(double value, std::chars_format format, int precision);

// Reads a decimal from the start of the text, as std::from_chars does.
std::from_chars_result ReadDecimal(const char* first, const char* last, double& value);

} // namespace trelvo
