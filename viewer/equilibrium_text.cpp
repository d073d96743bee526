#include "viewer/equilibrium_text.h"

#include "engine/decimal_text.h"

#include <algorithm>
#include <cmath>

namespace trelvo::viewer {

std::string EquilibriumText(const ViewerModel& model) {
    if (!model.equilibrium)
        return {};
    const double relative = model.equilibrium->relative;
    // An unstable truss has no finite displacements, so its forces cannot balance.
    if (!std::isfinite(model.equilibrium->residual) || !std::isfinite(relative))
        return "equilibrium not reached: the truss is unstable";
    std::string text = DecimalWith(relative, std::chars_format::scientific, 1);
    std::replace(text.begin(), text.end(), 'e', 'E'); // as the report writes its exponents
    return "equilibrium residual " + text + " of the largest force";
}

} // namespace trelvo::viewer
