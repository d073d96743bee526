#include "engine/number_format.h"

#include "engine/decimal_text.h"

#include <algorithm>

namespace trelvo {
namespace {

constexpr double kOverflowLimit = 1e38;
constexpr int kMaxDigits = 8;
constexpr int kMantissaDecimals = 10;

// Mantissa in [1, 10) and its power of ten, by repeated steps of ten, each step one
// rounded division or multiplication: the mantissa's last bits depend on this order.
int Normalise(double& value) {
    int exponent = 0;
    while (value >= 10.0) {
        value = value / 10.0;
        ++exponent;
    }
    while (value < 1.0) {
        value = value * 10.0;
        --exponent;
    }
    return exponent;
}

std::string MantissaText(double mantissa, int digits) {
    // Ten decimals, correctly rounded and locale-free; "10.0000000000" when it carries.
    const std::string full = DecimalWith(mantissa, std::chars_format::fixed, kMantissaDecimals);
    return full.substr(0, static_cast<std::size_t>(digits) + 1);
}

std::string ExponentText(int exponent) {
    const int magnitude = exponent < 0 ? -exponent : exponent;
    std::string text = exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

} // namespace

std::string formatNumber(double value, int digits) {
    std::string sign = " ";
    if (value < 0.0) {
        sign = "-";
        value = -value;
    }
    // Written so that NaN, which compares false with everything, lands here too.
    if (!(value <= kOverflowLimit))
        return kOverflowText;
    if (value < 1.0 / kOverflowLimit)
        return " 0." + std::string(static_cast<std::size_t>(std::max(digits - 1, 0)), '0') +
               "E+00";

    digits = std::clamp(digits, 1, kMaxDigits);
    const int exponent = Normalise(value);
    return sign + MantissaText(value, digits) + ExponentText(exponent);
}

} // namespace trelvo
