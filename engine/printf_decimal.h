#pragma once

#include <charconv>
#include <string>

namespace trelvo {

// Decimals through the C library's printf, for C++ libraries without a floating-point
// std::to_chars (the browser build's), with the same text as std::to_chars gives. printf is
// exact (its conversions work on the whole binary value), so the formats with a precision
// are its own, as the standard defines them; the shortest text is the fewest significant
// digits that read back to the value, laid out fixed or scientific as std::to_chars would.
std::string PrintfShortestDecimal(double value);
std::string PrintfDecimalWith(double value, std::chars_format format, int precision);

} // namespace trelvo
