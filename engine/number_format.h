#pragma once

#include <string>

namespace trelvo {

inline constexpr const char* kOverflowText = "Large Number - OverFlow";

// The report's number layout: sign slot, mantissa cut (not rounded) to `digits`
// significant digits after rounding to ten decimals, and a two-digit exponent, as in
// " 1.234E+03". Magnitudes above 1e38, infinities and NaN give kOverflowText; magnitudes
// below 1/1e38 give zero.
std::string formatNumber(double value, int digits);

} // namespace trelvo
