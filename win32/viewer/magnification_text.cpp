#include "win32/viewer/magnification_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trelvo::win32 {
namespace {

constexpr double kStepFactor = 1.25;

} // namespace

std::string MagnificationText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value); // the program never sets a C locale
    return text;
}

std::optional<double> ParseMagnification(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value) || value < 0.0)
        return std::nullopt;
    return value;
}

double SteppedMagnification(double current, int steps) {
    return (current > 0.0 ? current : 1.0) * std::pow(kStepFactor, steps);
}

} // namespace trelvo::win32
