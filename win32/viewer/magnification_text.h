#pragma once

#include <optional>
#include <string>

namespace trelvo::win32 {

// The magnification box's rules: any size from tiny to huge, written with six significant
// digits and "." as the decimal point, whatever the user's locale; each step of the arrows
// multiplies or divides by 1.25.
std::string MagnificationText(double value);
// A finite number not below zero, blanks around it allowed; nothing for any other text.
std::optional<double> ParseMagnification(const std::string& text);
// From a magnification of 0 the arrows step from 1.
double SteppedMagnification(double current, int steps);

} // namespace trelvo::win32
