#pragma once
// Reading and writing the numbers of input texts, results and reports.
//
// Every core text is UTF-8; the numbers' texts are ASCII. All conversions here use '.' as the
// decimal separator whatever the locale.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zan {

// A blank is a space, a tab or a line feed (a pasted line end), for both readings below.
//
// Lenient leading-number read used for every input text. Blanks are ignored wherever they
// stand ("1 2" reads 12); reading stops at the first character that cannot continue the
// number ("12,900" reads 12, "9.5 in" reads 9.5); a text without a leading number reads 0.
// Exponents take E or D; "&H" and "&O" prefix hexadecimal and octal integers. A value too
// large for a double reads as an infinity; callers that compute with it must check.
double parseNumber(std::string_view text);

// True when the whole text, apart from leading and trailing blanks, is one decimal number:
// optional sign, digits with an optional point (at least one digit), optional exponent.
// "", "   ", "9.5 in" and "1 2" are not number texts.
bool isNumberText(std::string_view text);

// The report's number patterns "0", "0.0", "0.00", "0.000": the shortest decimal text that
// reads back as the same value, rounded half away from zero to `decimals` places (0 to
// kMaxFixedDecimals; others are taken as the nearer end), never in exponent form. A negative
// value keeps its sign even when it rounds to zero. Single precision results go through the
// float overload so that their shortest form is used.
std::string formatFixed(double value, int decimals);
std::string formatFixed(float value, int decimals);

// The same text written into `buffer`, without allocating: for the report's many numbers.
// The view lies in `buffer`.
inline constexpr int kMaxFixedDecimals = 40;
// Sign, the 309 integer digits of the largest double and one for a carry, point, decimals.
inline constexpr std::size_t kFixedTextCapacity = 1 + 310 + 1 + kMaxFixedDecimals;
using FixedText = std::array<char, kFixedTextCapacity>;
std::string_view formatFixed(FixedText& buffer, double value, int decimals);
std::string_view formatFixed(FixedText& buffer, float value, int decimals);

// Plain decimal text with at most `significantDigits` significant digits, no exponent, no
// trailing zeros and no trailing point: 10.16, 1000000, 22.5, 9.
std::string formatSignificant(double value, int significantDigits = 7);

// The shortest text that reads back as the same float, in std::to_chars' plain form: fixed
// or exponent notation, whichever is shorter ("4855.1245", "1e+09", "0.001", "-0", "inf").
std::string shortestText(float value);

// Right-aligns `text` in `width` characters; a longer text is returned whole.
std::string rightAligned(std::string_view text, std::size_t width);

}  // namespace zan
