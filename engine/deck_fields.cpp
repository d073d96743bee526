#include "engine/deck_fields.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <limits>
#include <string>

namespace trelvo {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
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

// White space as the "C" locale knows it, whatever locale the program runs in.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

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

// A decimal number as the prefix reader delimits it (sign, digits, point, exponent):
// correctly rounded, "." as the decimal point, overflow to an infinity and underflow to a
// zero of the number's sign, gradual underflow in between. No locale is consulted, and
// the digits are read by fast_float, which rounds correctly alike on every compiler and
// C++ library (not every one has a floating-point std::from_chars).
double ReadDecimal(std::string_view number) {
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    double value = 0.0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    return negative ? -value : value;
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

namespace {

struct IntegerScan {
    std::int64_t value = 0;
    std::size_t length = 0; // characters read, 0 without a digit
};

IntegerScan ScanInteger(std::string_view text) {
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
    const std::size_t firstDigit = i;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            break;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (negative)
        value = std::uint64_t{0} - value;
    return IntegerScan{static_cast<std::int64_t>(value), i > firstDigit ? i : 0};
}

} // namespace

std::int64_t ReadInteger(std::string_view text) { return ScanInteger(text).value; }

std::size_t IntegerLength(std::string_view text) { return ScanInteger(text).length; }

namespace {

bool IsSpecialReal(std::string_view text) {
    return EqualsIgnoringCase(text, "+Infinity") || EqualsIgnoringCase(text, "-Infinity") ||
           EqualsIgnoringCase(text, "NaN");
}

std::size_t LeadingSpaces(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start]))
        ++start;
    return start;
}

} // namespace

double ReadReal(std::string_view text) {
    if (EqualsIgnoringCase(text, "+Infinity"))
        return std::numeric_limits<double>::infinity();
    if (EqualsIgnoringCase(text, "-Infinity"))
        return -std::numeric_limits<double>::infinity();
    if (EqualsIgnoringCase(text, "NaN"))
        return std::numeric_limits<double>::quiet_NaN();

    const std::string_view rest = text.substr(LeadingSpaces(text));
    const std::size_t length = NumberPrefixLength(rest);
    if (length == 0)
        return 0.0;
    return ReadDecimal(rest.substr(0, length));
}

std::size_t RealLength(std::string_view text) {
    if (IsSpecialReal(text))
        return text.size();
    const std::size_t spaces = LeadingSpaces(text);
    const std::size_t length = NumberPrefixLength(text.substr(spaces));
    return length == 0 ? 0 : spaces + length;
}

bool HasExponentLetter(std::string_view text) {
    return text.find_first_of("Ee") != std::string_view::npos;
}

namespace {

// The odd sum of both positions is the rule decks have always been read by; for a text
// with one exponent letter it is simply that letter's position (1-based, 0 without one).
std::size_t ExponentSplit(std::string_view text) {
    return Position1(text, 'E') + Position1(text, 'e');
}

std::string_view MantissaText(std::string_view text, std::size_t split) {
    return text.substr(0, std::min(split > 0 ? split - 1 : 0, text.size()));
}

} // namespace

// The correctly rounded reading of the decimal text "1e<power>" is by definition the
// double nearest to ten to the power: what a correctly rounded pow(10, power) gives, and
// not every C library's pow is (some are a unit in the last place off for negative powers).
// Powers beyond +-400 give what +-400 give: infinity and 0, as from pow.
double PowerOfTen(std::int64_t power) {
    const std::int64_t inRange = std::clamp<std::int64_t>(power, -400, 400);
    return ReadDecimal("1e" + std::to_string(inRange));
}

ExponentReal ReadExponentReal(std::string_view text) {
    const std::size_t p = ExponentSplit(text);
    ExponentReal result;
    result.mantissa = ReadReal(MantissaText(text, p));
    result.power = p < text.size() ? ReadInteger(text.substr(p)) : 0;
    return result;
}

// The letter itself is taken; a split past the end leaves text that nothing reads.
bool IsWholeExponentReal(std::string_view text) {
    const std::size_t p = ExponentSplit(text);
    const std::string_view mantissa = MantissaText(text, p);
    if (mantissa.empty() || RealLength(mantissa) != mantissa.size())
        return false;
    if (p > text.size())
        return false;
    const std::string_view power = text.substr(p);
    return power.empty() ? p == text.size() : IntegerLength(power) == power.size();
}

} // namespace trelvo
