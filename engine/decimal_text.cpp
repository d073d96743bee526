#include "engine/decimal_text.h"

#include "engine/printf_decimal.h"

#include <fast_float/fast_float.h>

namespace trelvo {

std::string ShortestDecimal(double value) {
#if defined(__cpp_lib_to_chars)
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
#else
    return PrintfShortestDecimal(value);
#endif
}

std::string DecimalWith(double value, std::chars_format format, int precision) {
#if defined(__cpp_lib_to_chars)
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, format, precision);
    return std::string(text, written.ptr);
#else
    return PrintfDecimalWith(value, format, precision);
#endif
}

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
    const fast_float::from_chars_result read = fast_float::from_chars(first, last, value);
    return {read.ptr, read.ec};
}

} // namespace trelvo
