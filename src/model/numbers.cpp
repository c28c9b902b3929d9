#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

namespace zan {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isExponentMark(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

int digitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double parseRadixInteger(std::string_view digits, int radix) {
    double value = 0.0;
    for (char c : digits) {
        int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

// Where the parts of a leading decimal number lie in a text without blanks.
struct DecimalScan {
    bool negative = false;
    std::size_t mantissaBegin = 0;  // digits with at most one point
    std::size_t mantissaEnd = 0;
    bool hasDigit = false;
    std::size_t exponentBegin = 0;  // sign and digits after the mark; empty when none counts
    std::size_t exponentEnd = 0;
};

DecimalScan scanDecimal(std::string_view s) {
    DecimalScan scan;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        scan.negative = s[i++] == '-';
    scan.mantissaBegin = i;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i]))
            scan.hasDigit = true;
        else if (s[i] == '.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    scan.mantissaEnd = i;
    // An exponent counts only when at least one digit follows its mark (and sign).
    if (i < s.size() && isExponentMark(s[i])) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > firstDigit) {
            scan.exponentBegin = i + 1;
            scan.exponentEnd = j;
        }
    }
    return scan;
}

// Powers of ten that are exact in a double.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Most typed numbers ("12900", "0.58", "1.2") have few digits and a small exponent: then the
// digits as an integer and the power of ten are both exact doubles, and one multiplication or
// division rounds the decimal value correctly, giving what std::from_chars gives. This reads
// such a number in one pass over the text as typed; it gives nothing, leaving the text to the
// general reading, when a blank could join more characters to the number, when there is no
// digit or a radix prefix, and when the digits or the exponent are too many.
std::optional<double> quickDecimal(std::string_view s) {
    const std::size_t n = s.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::uint64_t mantissa = 0;
    int power = 0;
    bool digit = false;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(s[i])) {
            digit = true;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(s[i] - '0');
            if (mantissa > kMaxExactMantissa)
                return std::nullopt;
            power -= point ? 1 : 0;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit || (i < n && isBlank(s[i])))
        return std::nullopt;
    if (i < n && isExponentMark(s[i])) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < n && s[j] == '-';
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t firstDigit = j;
        int exponent = 0;
        for (; j < n && isDigit(s[j]); ++j) {
            exponent = exponent * 10 + (s[j] - '0');
            if (exponent > 2 * kMaxExactPower)
                return std::nullopt;
        }
        if (j < n && isBlank(s[j]))
            return std::nullopt;
        // An exponent counts only when at least one digit follows its mark (and sign).
        if (j > firstDigit)
            power += negativeExponent ? -exponent : exponent;
    }
    if (power < -kMaxExactPower || power > kMaxExactPower)
        return std::nullopt;
    double value = static_cast<double>(mantissa);
    if (power < 0)
        value /= kExactPowersOfTen[-power];
    else
        value *= kExactPowersOfTen[power];
    return negative ? -value : value;
}

// Position of the first significant digit of a mantissa text relative to its point: 3 for
// "123.4", -2 for "0.004"; nothing when every digit is zero.
std::optional<long long> decimalMagnitude(std::string_view mantissa) {
    long long integerDigits = 0;
    long long fractionZeros = 0;
    bool afterPoint = false;
    bool found = false;
    for (char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (found || c != '0') {
                found = true;
                ++integerDigits;
            }
        } else if (!found) {
            if (c != '0')
                found = true;
            else
                ++fractionZeros;
        }
    }
    if (!found)
        return std::nullopt;
    return integerDigits > 0 ? integerDigits : -fractionZeros;
}

// Out of the range of a double: an infinity when the decimal magnitude is too large, else a
// zero, both with the text's sign.
double beyondRange(std::string_view s, const DecimalScan& scan) {
    long long exponent = 0;
    if (scan.exponentEnd > scan.exponentBegin) {
        std::string_view expText =
            s.substr(scan.exponentBegin, scan.exponentEnd - scan.exponentBegin);
        if (expText.front() == '+')
            expText.remove_prefix(1);
        auto r = std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
        // Half the range either way, also for an exponent that fits exactly
        // (9223372036854775807), so that adding the mantissa's magnitude below cannot overflow.
        constexpr long long kExponentBound = std::numeric_limits<long long>::max() / 2;
        if (r.ec == std::errc::result_out_of_range)
            exponent = expText.front() == '-' ? -kExponentBound : kExponentBound;
        exponent = std::clamp(exponent, -kExponentBound, kExponentBound);
    }
    const auto magnitude =
        decimalMagnitude(s.substr(scan.mantissaBegin, scan.mantissaEnd - scan.mantissaBegin));
    const bool overflow = magnitude && *magnitude + exponent > 0;
    if (!overflow)
        return scan.negative ? -0.0 : 0.0;
    return scan.negative ? -std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::infinity();
}

// `s` holds no blanks. Reads the leading decimal number of `s`.
double parseDecimal(std::string_view s) {
    const DecimalScan scan = scanDecimal(s);
    if (!scan.hasDigit)
        return 0.0;
    // The general case: the number alone, with a '-' sign and an 'e' mark, for from_chars.
    std::string number;
    if (scan.negative)
        number.push_back('-');
    number.append(s.substr(scan.mantissaBegin, scan.mantissaEnd - scan.mantissaBegin));
    if (scan.exponentEnd > scan.exponentBegin) {
        number.push_back('e');
        number.append(s.substr(scan.exponentBegin, scan.exponentEnd - scan.exponentBegin));
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return beyondRange(s, scan);
    return value;
}

// Shortest round-trip digits of a value: "-6.2577e+03" style text from std::to_chars.
struct DecimalDigits {
    bool negative = false;
    std::string digits;           // significant digits without point, at least one
    long long pointPosition = 0;  // digits before the decimal point (may be <= 0)
};

DecimalDigits splitScientific(std::string_view text) {
    DecimalDigits d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    std::size_t e = text.find('e');
    for (; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    long long exponent = 0;
    std::string_view expText = text.substr(e + 1);
    if (expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    d.pointPosition = exponent + 1;
    return d;
}

std::size_t copyText(FixedText& out, std::string_view text) {
    std::copy(text.begin(), text.end(), out.begin());
    return text.size();
}

// The significant digits and the point position of a value's shortest round-trip form.
struct ShortestDigits {
    char digits[24];          // without sign and point; at least one
    std::size_t count = 0;    // at most 17 for a double
    long long pointPosition;  // digits before the decimal point (may be <= 0)
};

template <typename T>
ShortestDigits shortestDigits(T value) {
    // "-6.2577e+03": sign, digits with a point after the first, exponent with sign.
    char text[40];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    ShortestDigits d;
    const char* p = text + (text[0] == '-' ? 1 : 0);
    for (; *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    const bool negativeExponent = p[1] == '-';
    long long exponent = 0;
    for (p += 2; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    d.pointPosition = (negativeExponent ? -exponent : exponent) + 1;
    return d;
}

// Digits and point position of a value rounded half away from zero at `places` decimals,
// done on the shortest form's digits: rounding 2.55f (2.54999995...) to one place reads "2.55"
// and so gives 2.6. `space` holds the rounded digits when they differ from the shortest ones.
struct RoundedDigits {
    std::string_view digits;  // no leading zero, except "0" for a zero; empty when all round away
    long long pointPosition;
};

RoundedDigits roundDigits(const ShortestDigits& d, long long places, char (&space)[24]) {
    const long long keep = d.pointPosition + places;  // shortest digits that stay
    if (keep >= static_cast<long long>(d.count))
        return {std::string_view(d.digits, d.count), d.pointPosition};
    if (keep < 0)
        return {std::string_view(), d.pointPosition};
    char* first = space + 1;
    std::size_t length = static_cast<std::size_t>(keep);
    std::copy(d.digits, d.digits + length, first);
    long long pointPosition = d.pointPosition;
    if (d.digits[keep] >= '5') {
        std::size_t i = length;
        while (i > 0 && first[i - 1] == '9')
            first[--i] = '0';
        if (i > 0) {
            ++first[i - 1];
        } else {
            *--first = '1';
            ++length;
            ++pointPosition;
        }
    }
    return {std::string_view(first, length), pointPosition};
}

template <typename T>
std::size_t writeFixed(FixedText& out, T value, int decimals) {
    if (std::isnan(value))
        return copyText(out, "NaN");
    if (std::isinf(value))
        return copyText(out, value < 0 ? "-Overflow" : "Overflow");
    const long long places = std::clamp(decimals, 0, kMaxFixedDecimals);
    char space[24];
    const ShortestDigits shortest = shortestDigits(value);  // r's digits may lie in it
    const RoundedDigits r = roundDigits(shortest, places, space);
    const long long length = static_cast<long long>(r.digits.size());
    auto digitAt = [&](long long j) { return j >= 0 && j < length ? r.digits[j] : '0'; };
    char* o = out.data();
    if (value < 0)
        *o++ = '-';
    if (r.pointPosition <= 0)
        *o++ = '0';
    for (long long j = 0; j < r.pointPosition; ++j)
        *o++ = digitAt(j);
    if (places > 0)
        *o++ = '.';
    for (long long k = 0; k < places; ++k)
        *o++ = digitAt(r.pointPosition + k);
    return static_cast<std::size_t>(o - out.data());
}

// `s` holds no blanks.
double parseCompact(std::string_view s) {
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return parseRadixInteger(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return parseRadixInteger(s.substr(2), 8);
        return 0.0;
    }
    return parseDecimal(s);
}

}  // namespace

double parseNumber(std::string_view text) {
    if (const std::optional<double> quick = quickDecimal(text))
        return *quick;
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            s.push_back(c);
    return parseCompact(s);
}

bool isNumberText(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::string_view s = text.substr(begin, end - begin);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < s.size() && isExponentMark(s[i])) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == s.size();
}

std::string_view formatFixed(FixedText& buffer, double value, int decimals) {
    return std::string_view(buffer.data(), writeFixed(buffer, value, decimals));
}

std::string_view formatFixed(FixedText& buffer, float value, int decimals) {
    return std::string_view(buffer.data(), writeFixed(buffer, value, decimals));
}

std::string formatFixed(double value, int decimals) {
    FixedText buffer;
    return std::string(formatFixed(buffer, value, decimals));
}

std::string formatFixed(float value, int decimals) {
    FixedText buffer;
    return std::string(formatFixed(buffer, value, decimals));
}

std::string formatSignificant(double value, int significantDigits) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Overflow" : "Overflow";
    if (value == 0.0)
        return "0";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, significantDigits - 1);
    DecimalDigits d =
        splitScientific(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out;
    const long long length = static_cast<long long>(d.digits.size());
    if (d.pointPosition <= 0) {
        out = "0." + std::string(static_cast<std::size_t>(-d.pointPosition), '0') + d.digits;
    } else if (d.pointPosition >= length) {
        out = d.digits + std::string(static_cast<std::size_t>(d.pointPosition - length), '0');
    } else {
        out = d.digits.substr(0, static_cast<std::size_t>(d.pointPosition)) + "." +
              d.digits.substr(static_cast<std::size_t>(d.pointPosition));
    }
    if (d.negative)
        out.insert(out.begin(), '-');
    return out;
}

std::string rightAligned(std::string_view text, std::size_t width) {
    std::string out;
    if (text.size() < width)
        out.assign(width - text.size(), ' ');
    out += text;
    return out;
}

}  // namespace zan
