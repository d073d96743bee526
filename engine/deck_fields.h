#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelvo {

// Only the space character is a blank in a deck; tabs are ordinary characters.
std::string_view Trim(std::string_view text);

// Takes the next field of an already trimmed text and shortens the text to what follows
// the field's first blank, trimmed. A text without a blank is the last field and stays
// as it is, so later requests read that field again.
std::string_view PopField(std::string_view& remaining);

// Decimal, "$" hexadecimal or "%" binary digits after blanks, tabs and one sign; stops at
// the first other character; no digits read as 0. Wraps modulo 2^64 like the fixed-width
// arithmetic it stands for: callers keep the low 32 or 8 bits.
std::int64_t ReadInteger(std::string_view text);

// "+Infinity", "-Infinity" and "NaN" (any case) as whole texts; otherwise the number at
// the start of the text with "." as the decimal point whatever the locale, or 0.
double ReadReal(std::string_view text);

// Ten to an integer power, correctly rounded: the same bits on every platform, whatever
// its pow() gives. Infinity above 10^308, subnormals below 10^-307, 0 below 10^-323.
double PowerOfTen(std::int64_t power);

struct ExponentReal {
    double mantissa = 0.0;
    std::int64_t power = 0;
};

// Splits a modulus or area text at its exponent letter: the letter's position is that of
// the first "E" plus that of the first "e" (1-based, 0 when absent).
ExponentReal ReadExponentReal(std::string_view text);

bool HasExponentLetter(std::string_view text);

// How many characters of the text each reader takes its value from: leading white space
// included, the whole text for a special text ReadReal accepts whole, 0 when no number is
// there. A field is read in part when the count falls short of its length.
std::size_t IntegerLength(std::string_view text);
std::size_t RealLength(std::string_view text);
// Whether ReadExponentReal takes every character: the mantissa before the split and the
// power after it.
bool IsWholeExponentReal(std::string_view text);

} // namespace trelvo
