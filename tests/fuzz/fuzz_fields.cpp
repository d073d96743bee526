// The deck's field readers and the report's number layout on arbitrary bytes.
#include "engine/deck_fields.h"
#include "tests/fuzz/fuzz_check.h"
#include "engine/number_format.h"

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace trelvo;

// Made only of the characters of a decimal number, a field reads as the C library reads it
// in the "C" locale (the fuzzer's), to the bit.
void CheckRealAgainstTheCLibrary(std::string_view field) {
    const double ours = ReadReal(field);
    if (field.find_first_not_of("0123456789+-.eE") != std::string_view::npos)
        return;
    const std::string text(field);
    const double reference = std::strtod(text.c_str(), nullptr);
    FUZZ_CHECK(std::memcmp(&ours, &reference, sizeof ours) == 0);
}

void CheckFields(std::string_view text) {
    std::string_view remaining = Trim(text);
    FUZZ_CHECK(remaining.empty() || (remaining.front() != ' ' && remaining.back() != ' '));
    for (int i = 0; i < 12; ++i) {
        const std::size_t before = remaining.size();
        const std::string_view field = PopField(remaining);
        FUZZ_CHECK(field.find(' ') == std::string_view::npos);
        FUZZ_CHECK(remaining.size() <= before);
        ReadInteger(field);
        CheckRealAgainstTheCLibrary(field);
        ReadExponentReal(field);
    }
}

// Every number the report prints is ten characters, eleven when the mantissa carries to
// "10.", or the overflow text; read back it is the value cut to four digits.
void CheckFormat(double value) {
    const std::string text = formatNumber(value, 4);
    const bool overflow = !(std::fabs(value) <= 1e38);
    if (overflow) {
        FUZZ_CHECK(text == kOverflowText);
        return;
    }
    FUZZ_CHECK(text.size() == 10 || text.size() == 11);
    FUZZ_CHECK(text[0] == ' ' || text[0] == '-');
    FUZZ_CHECK(text.compare(text.size() - 4, 1, "E") == 0);
    const double back = ReadReal(text);
    if (std::fabs(value) < 1.0 / 1e38) {
        FUZZ_CHECK(text == " 0.000E+00");
        return;
    }
    FUZZ_CHECK(std::signbit(back) == std::signbit(value));
    const double error = std::fabs(back - value) / std::fabs(value);
    FUZZ_CHECK(error < 1.1e-3); // cut, not rounded: at most one unit of the fourth digit
    for (int digits = -2; digits <= 12; ++digits)
        FUZZ_CHECK(formatNumber(value, digits).size() >= 6);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckFields(text);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckFormat(value);
    }
    CheckFormat(ReadReal(text));
    return 0;
}
