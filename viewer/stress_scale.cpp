#include "viewer/stress_scale.h"

#include "engine/number_format.h"

#include <algorithm>
#include <cmath>

namespace trelvo::viewer {
namespace {

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, double t) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
}

} // namespace

const std::array<ColourStop, 5>& StressScale::Stops() {
    static const std::array<ColourStop, 5> stops{{
        {0.0, {33, 102, 172}},
        {0.25, {110, 165, 205}},
        {0.5, {150, 150, 150}},
        {0.75, {232, 125, 95}},
        {1.0, {178, 24, 43}},
    }};
    return stops;
}

Rgb ColourAtFraction(double fraction) {
    const auto& stops = StressScale::Stops();
    const double f = std::clamp(std::isnan(fraction) ? 0.5 : fraction, 0.0, 1.0);
    std::size_t i = 1;
    while (i + 1 < stops.size() && f > stops[i].fraction)
        ++i;
    const ColourStop& a = stops[i - 1];
    const ColourStop& b = stops[i];
    const double t = (f - a.fraction) / (b.fraction - a.fraction);
    return {Mix(a.colour.r, b.colour.r, t), Mix(a.colour.g, b.colour.g, t),
            Mix(a.colour.b, b.colour.b, t)};
}

double StressScale::Fraction(double stress) const {
    if (!(limit_ > 0.0))
        return 0.5;
    return std::clamp(0.5 + 0.5 * stress / limit_, 0.0, 1.0);
}

Rgb StressScale::ColourAt(double stress) const {
    return ColourAtFraction(Fraction(stress));
}

std::vector<double> StressScale::TickValues() const {
    if (!(limit_ > 0.0))
        return {0.0};
    return {-limit_, -limit_ / 2.0, 0.0, limit_ / 2.0, limit_};
}

Stroke StrokeForStress(double stress) {
    return stress < 0.0 ? Stroke::Dashed : Stroke::Solid;
}

std::string ReportText(double value) {
    std::string text = formatNumber(value, 4);
    if (text.starts_with(' '))
        text.erase(0, 1);
    return text;
}

} // namespace trelvo::viewer
