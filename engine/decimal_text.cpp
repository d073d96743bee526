#include "engine/decimal_text.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace trelvo {
namespace {

#if !defined(__cpp_lib_to_chars)
// The library has no floating-point std::to_chars. Its printf is exact (the C library's
// conversions work on the whole binary value), so the formats with a precision are printf's
// own, as the standard defines them; the shortest text is the fewest significant digits
// that read back to the value, laid out fixed or scientific as std::to_chars would.
std::string Printf(const char* format, int precision, double value) {
    char text[400];
    const int length = std::snprintf(text, sizeof text, format, precision, value);
    return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

struct Digits {
    std::string digits; // significant digits, no dot
    int exponent = 0;   // of the first digit
};

std::string FixedLayout(const Digits& d) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= count - 1)
        return d.digits + std::string(static_cast<std::size_t>(d.exponent - count + 1), '0');
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

bool ReadsBack(const Digits& digits, double magnitude) {
    return std::strtod(ScientificLayout(digits).c_str(), nullptr) == magnitude;
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
#endif

} // namespace

std::string ShortestDecimal(double value) {
#if defined(__cpp_lib_to_chars)
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
#else
    if (std::isnan(value) || std::isinf(value))
        return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
    if (value == 0.0)
        return std::signbit(value) ? "-0" : "0";
    const Digits digits = ShortestDigits(value < 0.0 ? -value : value);
    const std::string fixed = FixedLayout(digits), scientific = ScientificLayout(digits);
    return (value < 0.0 ? "-" : "") + (fixed.size() <= scientific.size() ? fixed : scientific);
#endif
}

std::string DecimalWith(double value, std::chars_format format, int precision) {
#if defined(__cpp_lib_to_chars)
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, format, precision);
    return std::string(text, written.ptr);
#else
    switch (format) {
    case std::chars_format::fixed:
        return Printf("%.*f", precision, value);
    case std::chars_format::scientific:
        return Printf("%.*e", precision, value);
    default:
        return Printf("%.*g", precision, value);
    }
#endif
}

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
    const fast_float::from_chars_result read = fast_float::from_chars(first, last, value);
    return {read.ptr, read.ec};
}

} // namespace trelvo
