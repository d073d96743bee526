#include "viewer/magnification.h"

#include "viewer/model_geometry.h"

#include <cmath>

namespace trelvo::viewer {

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

} // namespace trelvo::viewer
