#include "engine/printf_decimal.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace trelvo {
namespace {

std::string Printf(const char* format, int precision, double value) {
    char text[400];
    const int length = std::snprintf(text, sizeof text, format, precision, value);
    // A text longer than the buffer is cut where snprintf cut it, never read past it.
    return std::string(text, static_cast<std::size_t>(std::clamp(length, 0, int{sizeof text} - 1)));
}

// As std::to_chars writes them; printf's sign of a NaN is not the same on every C library.
std::string NotFiniteText(double value) {
    return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
}

struct Digits {
    std::string digits; // significant digits, no dot
    int exponent = 0;   // of the first digit
};

// A whole number is written with every digit of its exact value, as "%.0f" writes it: above
// 2^53 those are not the shortest digits padded with zeros (2^55 is 36028797018963968).
std::string FixedLayout(const Digits& d, double magnitude) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= count - 1)
        return Printf("%.*f", 0, magnitude);
    if (d.exponent >= 0)
        return d.digits.substr(0, static_cast<std::size_t>(d.exponent) + 1) + "." +
               d.digits.substr(static_cast<std::size_t>(d.exponent) + 1);
    return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
}

std::string ScientificLayout(const Digits& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    text += d.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10)
        text += '0';
    return text + std::to_string(magnitude);
}

Digits DigitsOf(const std::string& scientific) {
    const std::size_t e = scientific.find('e');
    Digits result{scientific.substr(0, 1), std::atoi(scientific.c_str() + e + 1)};
    if (e > 2)
        result.digits += scientific.substr(2, e - 2);
    return result;
}

// Read by fast_float, correctly rounded on every C library (not every strtod is).
bool ReadsBack(const Digits& digits, double magnitude) {
    const std::string text = ScientificLayout(digits);
    double value = 0.0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value == magnitude;
}

// The next decimal up with as many digits: 9.99 goes to 1.00 of the next power of ten.
Digits NextUp(Digits d) {
    for (std::size_t i = d.digits.size(); i-- > 0;) {
        if (d.digits[i] != '9') {
            ++d.digits[i];
            return d;
        }
        d.digits[i] = '0';
    }
    d.digits.insert(0, "1");
    d.digits.pop_back();
    ++d.exponent;
    return d;
}

// The fewest digits that read back, the nearest such decimal where two do. Just above a
// power of two the values below lie twice as close together as those above, so the nearest
// decimal of a length can miss while the next one up still reads back.
Digits ShortestDigits(double magnitude) {
    for (int precision = 0;; ++precision) {
        const Digits nearest = DigitsOf(Printf("%.*e", precision, magnitude));
        if (precision >= 16 || ReadsBack(nearest, magnitude))
            return nearest;
        if (const Digits above = NextUp(nearest); ReadsBack(above, magnitude))
            return above;
    }
}

} // namespace

std::string PrintfShortestDecimal(double value) {
    if (!std::isfinite(value))
        return NotFiniteText(value);
    if (value == 0.0)
        return std::signbit(value) ? "-0" : "0";
    const double magnitude = value < 0.0 ? -value : value;
    const Digits digits = ShortestDigits(magnitude);
    const std::string fixed = FixedLayout(digits, magnitude), scientific = ScientificLayout(digits);
    return (value < 0.0 ? "-" : "") + (fixed.size() <= scientific.size() ? fixed : scientific);
}

std::string PrintfDecimalWith(double value, std::chars_format format, int precision) {
    if (!std::isfinite(value))
        return NotFiniteText(value);
    switch (format) {
    case std::chars_format::fixed:
        return Printf("%.*f", precision, value);
    case std::chars_format::scientific:
        return Printf("%.*e", precision, value);
    default:
        return Printf("%.*g", precision, value);
    }
}

} // namespace trelvo
