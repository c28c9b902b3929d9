#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include <fast_float/fast_float.h>
#include <fmt/format.h>

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

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Where a leading decimal number lies in a text: an optional sign, digits with at most one
// point, and an exponent (E or D, an optional sign, digits) that counts only when a digit
// follows its mark. With `skipBlanks` blanks between its characters are passed over, as typed
// texts read "1 2" as 12; the number then starts after the leading blanks.
struct DecimalScan {
    std::size_t begin = 0;
    std::size_t end = 0;  // after the number's last character
    bool hasDigit = false;
};

DecimalScan scanDecimal(std::string_view s, bool skipBlanks) {
    const auto skip = [&](std::size_t i) {
        while (skipBlanks && i < s.size() && isBlank(s[i]))
            ++i;
        return i;
    };
    DecimalScan scan;
    std::size_t i = skip(0);
    scan.begin = scan.end = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        scan.end = i + 1;
        i = skip(i + 1);
    }
    for (bool point = false; i < s.size(); i = skip(i + 1)) {
        if (isDigit(s[i]))
            scan.hasDigit = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
        scan.end = i + 1;
    }
    if (!scan.hasDigit || i == s.size() || !isExponentMark(s[i]))
        return scan;
    std::size_t j = skip(i + 1);
    if (j < s.size() && (s[j] == '+' || s[j] == '-'))
        j = skip(j + 1);
    for (; j < s.size() && isDigit(s[j]); j = skip(j + 1))
        scan.end = j + 1;
    return scan;
}

// A decimal number as scanned, read by fast_float, which rounds correctly and gives an infinity
// or a zero with the number's sign beyond the range of a double. It reads the text in place
// unless the number holds a blank, a '+' sign or a D mark.
double readDecimal(std::string_view number) {
    const auto needsCopy = [](char c) { return isBlank(c) || c == 'D' || c == 'd'; };
    std::string copy;
    if (number.front() == '+' || std::any_of(number.begin(), number.end(), needsCopy)) {
        for (char c : number.substr(number.front() == '+' ? 1 : 0))
            if (!isBlank(c))
                copy.push_back(c == 'D' || c == 'd' ? 'e' : c);
        number = copy;
    }
    double value = 0.0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

// "&H1F" and "&O17", blanks anywhere: hexadecimal and octal integers; 0 for any other text.
double readRadixInteger(std::string_view text) {
    bool ampersand = false;
    int radix = 0;
    double value = 0.0;
    for (char c : text) {
        if (isBlank(c))
            continue;
        if (!ampersand) {
            if (c != '&')
                return 0.0;
            ampersand = true;
        } else if (radix == 0) {
            radix = c == 'H' || c == 'h' ? 16 : c == 'O' || c == 'o' ? 8 : 0;
            if (radix == 0)
                return 0.0;
        } else if (digitValue(c) < radix) {
            value = value * radix + digitValue(c);
        } else {
            break;
        }
    }
    return value;
}

// Digits of a value in exponent form: "-6.2577e+03".
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
    ShortestDigits d;
    if (value == 0) {
        d.digits[d.count++] = '0';
        d.pointPosition = 1;
        return d;
    }
    // fmt's Dragonbox gives the shortest digits that read back, without trailing zeros.
    const auto decimal = fmt::detail::dragonbox::to_decimal(value < 0 ? -value : value);
    d.count = static_cast<std::size_t>(
        std::to_chars(d.digits, d.digits + sizeof d.digits, decimal.significand).ptr - d.digits);
    d.pointPosition = decimal.exponent + static_cast<long long>(d.count);
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

// std::to_chars' plain shortest form: fixed or exponent notation, whichever is shorter, fixed
// on a tie; the exponent has a sign and at least two digits. The fixed form of a whole number
// is exact, as in printf's "%.0f".
template <typename T>
std::string plainShortestText(T value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    const ShortestDigits d = shortestDigits(value);
    const std::string_view digits(d.digits, d.count);
    const long long count = static_cast<long long>(d.count);
    const long long point = d.pointPosition;
    const long long exponent = point - 1;
    const long long exponentLength = 2 + (exponent <= -100 || exponent >= 100 ? 1 : 0);
    const long long scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentLength;
    const long long fixedLength = point <= 0      ? 2 - point + count
                                  : point < count ? count + 1
                                                  : point;
    std::string out = std::signbit(value) ? "-" : "";
    if (fixedLength > scientificLength) {
        out += digits.front();
        if (count > 1)
            (out += '.') += digits.substr(1);
        fmt::format_to(std::back_inserter(out), "e{}{:02}", exponent < 0 ? '-' : '+',
                       exponent < 0 ? -exponent : exponent);
    } else if (point <= 0) {
        (out += "0.").append(static_cast<std::size_t>(-point), '0') += digits;
    } else if (point < count) {
        ((out += digits.substr(0, static_cast<std::size_t>(point))) += '.') +=
            digits.substr(static_cast<std::size_t>(point));
    } else {
        // A whole number prints all its digits, which may differ from the shortest ones
        // padded with zeros: 48047325184, not 48047325000.
        fmt::format_to(std::back_inserter(out), "{:.0f}", std::fabs(value));
    }
    return out;
}

}  // namespace

double parseNumber(std::string_view text) {
    const DecimalScan scan = scanDecimal(text, true);
    if (!scan.hasDigit)
        return readRadixInteger(text);
    return readDecimal(text.substr(scan.begin, scan.end - scan.begin));
}

bool isNumberText(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const DecimalScan scan = scanDecimal(text.substr(begin, end - begin), false);
    return scan.hasDigit && scan.end == end - begin;
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
    // Correctly rounded digits in the form of printf's "%.6e": "1.234568e+03".
    const auto result =
        fmt::format_to_n(buffer, sizeof buffer - 1, "{:.{}e}", value, significantDigits - 1);
    DecimalDigits d = splitScientific(std::string_view(buffer, result.size));
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

std::string shortestText(float value) {
    return plainShortestText(value);
}

std::string rightAligned(std::string_view text, std::size_t width) {
    std::string out;
    if (text.size() < width)
        out.assign(width - text.size(), ' ');
    out += text;
    return out;
}

}  // namespace zan
