#include "deck_fields.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace trelvo {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Length of the longest prefix of `text` that reads as a decimal real: sign, digits with
// an optional point and fraction, an optional exponent. 0 when no digit is present.
std::size_t NumberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

std::size_t Position1(std::string_view text, char letter) {
    const std::size_t found = text.find(letter);
    return found == std::string_view::npos ? 0 : found + 1;
}

} // namespace

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view PopField(std::string_view& remaining) {
    const std::size_t blank = remaining.find(' ');
    if (blank == std::string_view::npos)
        return remaining;
    const std::string_view field = remaining.substr(0, blank);
    remaining = Trim(remaining.substr(blank + 1));
    return field;
}

std::int64_t ReadInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == '%')) {
        base = text[i] == '$' ? 16 : 2;
        ++i;
    }
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            break;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (negative)
        value = std::uint64_t{0} - value;
    return static_cast<std::int64_t>(value);
}

double ReadReal(std::string_view text) {
    if (EqualsIgnoringCase(text, "+Infinity"))
        return std::numeric_limits<double>::infinity();
    if (EqualsIgnoringCase(text, "-Infinity"))
        return -std::numeric_limits<double>::infinity();
    if (EqualsIgnoringCase(text, "NaN"))
        return std::numeric_limits<double>::quiet_NaN();

    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start]))
        ++start;
    const std::string_view rest = text.substr(start);
    const std::size_t length = NumberPrefixLength(rest);
    if (length == 0)
        return 0.0;
    // strtod_l with the "C" locale: correctly rounded, overflow to infinity, gradual
    // underflow, and "." as the decimal point whatever locale the program runs in.
    const std::string number(rest.substr(0, length));
    return strtod_l(number.c_str(), nullptr, CLocale());
}

bool HasExponentLetter(std::string_view text) {
    return text.find_first_of("Ee") != std::string_view::npos;
}

ExponentReal ReadExponentReal(std::string_view text) {
    // The odd sum of both positions is the rule decks have always been read by; for a
    // text with one exponent letter it is simply that letter's position.
    const std::size_t p = Position1(text, 'E') + Position1(text, 'e');
    ExponentReal result;
    result.mantissa = ReadReal(text.substr(0, std::min(p > 0 ? p - 1 : 0, text.size())));
    result.power = p < text.size() ? ReadInteger(text.substr(p)) : 0;
    return result;
}

} // namespace trelvo
