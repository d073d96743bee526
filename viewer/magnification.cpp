#include "viewer/magnification.h"

#include "engine/decimal_text.h"
#include "viewer/model_geometry.h"

#include <cmath>
#include <cstdio>

namespace trelvo::viewer {
namespace {

constexpr double kStepFactor = 1.25;
constexpr char kBlanks[] = " \t";

} // namespace

double RoundToTwoDigits(double value) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 1.0);
    return std::round(value / unit) * unit;
}

double InitialMagnification(const ViewerModel& model) {
    const double largest = LargestDisplacement(model);
    if (!(largest > 0.0))
        return 1.0;
    const double magnification = RoundToTwoDigits(0.1 * ModelSize(model) / largest);
    return std::isfinite(magnification) && magnification > 0.0 ? magnification : 1.0;
}

std::string MagnificationText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value); // neither program ever sets a locale for C
    return text;
}

std::optional<double> ParseMagnification(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(kBlanks);
    // The reader takes no "+", which a typed number may have.
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    double value = 0.0;
    const auto [stop, error] = ReadDecimal(begin, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value) || value < 0.0)
        return std::nullopt;
    return value;
}

bool MayBecomeMagnification(const std::string& text) {
    return text.find_first_not_of(" \t0123456789.eE+-") == std::string::npos;
}

double SteppedMagnification(double current, int steps) {
    return (current > 0.0 ? current : 1.0) * std::pow(kStepFactor, steps);
}

} // namespace trelvo::viewer
