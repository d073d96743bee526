#pragma once

#include "viewer/viewer_model.h"

#include <optional>
#include <string>

namespace trelvo::viewer {

// The magnification the view starts with: the largest displacement drawn at about a
// tenth of the model size, rounded to two significant digits. 1 when nothing moves.
double InitialMagnification(const ViewerModel& model);

// Rounds a positive value to two significant digits (3667.9 gives 3700).
double RoundToTwoDigits(double value);

// The magnification box's rule, whatever the toolkit: any size from tiny to huge, written
// with six significant digits and "." as the decimal point, whatever the user's locale;
// each step of the arrows multiplies or divides by 1.25.
std::string MagnificationText(double value);
// A finite number not below zero, blanks around it allowed; nothing for any other text.
std::optional<double> ParseMagnification(const std::string& text);
// Whether the text may still become a magnification as the user types on: digits, ".",
// exponent and signs only.
bool MayBecomeMagnification(const std::string& text);
// From a magnification of 0 the arrows step from 1.
double SteppedMagnification(double current, int steps);

} // namespace trelvo::viewer
