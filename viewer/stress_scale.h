#pragma once

#include "viewer/colour.h"

#include <array>
#include <string>
#include <vector>

namespace trelvo::viewer {

struct ColourStop {
    double fraction; // 0 = the largest compression, 1/2 = zero, 1 = the largest tension
    Rgb colour;
};

// How a bar is stroked, so that tension and compression differ without colour too.
enum class Stroke { Solid, Dashed, Dotted };

// The diverging colour scale of the stresses: blue for compression, grey at zero, red for
// tension, symmetric about zero and reaching its ends at the largest stress magnitude.
class StressScale {
  public:
    explicit StressScale(double limit) : limit_(limit > 0.0 ? limit : 0.0) {}

    static const std::array<ColourStop, 5>& Stops();

    double Limit() const { return limit_; }
    // Where a stress lies on the scale, clamped to 0..1.
    double Fraction(double stress) const;
    Rgb ColourAt(double stress) const;
    // The values the legend labels: the ends, their halves and zero; only zero when no
    // bar carries a stress.
    std::vector<double> TickValues() const;

  private:
    double limit_;
};

// The colour of a fraction of the scale, linear in each channel between the stops.
Rgb ColourAtFraction(double fraction);

// Tension solid, compression dashed, zero solid.
Stroke StrokeForStress(double stress);

// A value in the report's own layout, without the blank of a positive sign slot.
std::string ReportText(double value);

} // namespace trelvo::viewer
