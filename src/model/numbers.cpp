#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

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

// `s` holds no blanks. Reads the leading decimal number of `s`.
double parseDecimal(std::string_view s) {
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            number.push_back('-');
        ++i;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            seenDigit = true;
            number.push_back(s[i]);
        } else if (s[i] == '.' && !seenPoint) {
            seenPoint = true;
            number.push_back('.');
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    // An exponent counts only when at least one digit follows its mark (and sign).
    if (i < s.size() && isExponentMark(s[i])) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        std::size_t firstExponentDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent.push_back(s[j++]);
        if (j > firstExponentDigit)
            number += exponent;
    }

    double value = 0.0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the decimal magnitude of the text.
        bool negative = number.front() == '-';
        std::size_t e = number.find('e');
        std::string_view mantissa(number.data(), e == std::string::npos ? number.size() : e);
        long long exponent = 0;
        if (e != std::string::npos) {
            std::string_view expText(number.data() + e + 1, number.size() - e - 1);
            if (!expText.empty() && expText.front() == '+')
                expText.remove_prefix(1);
            auto r = std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
            // Half the range either way, also for an exponent that fits exactly
            // (9223372036854775807), so that adding the mantissa's magnitude below cannot overflow.
            constexpr long long kExponentBound = std::numeric_limits<long long>::max() / 2;
            if (r.ec == std::errc::result_out_of_range)
                exponent = expText.front() == '-' ? -kExponentBound : kExponentBound;
            exponent = std::clamp(exponent, -kExponentBound, kExponentBound);
        }
        // Position of the first significant digit relative to the point.
        long long magnitude = 0;
        bool found = false;
        long long integerDigits = 0;
        bool afterPoint = false;
        long long fractionZeros = 0;
        for (char c : mantissa) {
            if (c == '-')
                continue;
            if (c == '.') {
                afterPoint = true;
                continue;
            }
            if (!afterPoint) {
                if (found || c != '0') {
                    found = true;
                    ++integerDigits;
                }
            } else if (!found) {
                if (c == '0') {
                    ++fractionZeros;
                } else {
                    found = true;
                }
            }
        }
        magnitude = integerDigits > 0 ? integerDigits : -fractionZeros;
        bool overflow = found && magnitude + exponent > 0;
        if (!overflow)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    (void)ptr;
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

std::string roundDigits(const DecimalDigits& d, int decimals, bool negativeValue) {
    // Integer digits of round(|v| * 10^decimals), half away from zero.
    long long keep = d.pointPosition + decimals;
    std::string n;
    const long long length = static_cast<long long>(d.digits.size());
    if (keep >= length) {
        n = d.digits + std::string(static_cast<std::size_t>(keep - length), '0');
    } else if (keep < 0) {
        n = "0";
    } else {
        n = d.digits.substr(0, static_cast<std::size_t>(keep));
        if (n.empty())
            n = "0";
        if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = static_cast<int>(n.size()) - 1;
            while (i >= 0 && n[static_cast<std::size_t>(i)] == '9')
                n[static_cast<std::size_t>(i--)] = '0';
            if (i < 0)
                n.insert(n.begin(), '1');
            else
                ++n[static_cast<std::size_t>(i)];
        }
    }
    std::size_t first = n.find_first_not_of('0');
    n = first == std::string::npos ? std::string("0") : n.substr(first);
    if (n.size() < static_cast<std::size_t>(decimals) + 1)
        n.insert(0, static_cast<std::size_t>(decimals) + 1 - n.size(), '0');
    if (decimals > 0)
        n.insert(n.size() - static_cast<std::size_t>(decimals), ".");
    if (negativeValue)
        n.insert(n.begin(), '-');
    return n;
}

template <typename T>
std::string formatFixedImpl(T value, int decimals) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Overflow" : "Overflow";
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    DecimalDigits d =
        splitScientific(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    return roundDigits(d, decimals, value < 0);
}

}  // namespace

double parseNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return parseRadixInteger(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return parseRadixInteger(std::string_view(s).substr(2), 8);
        return 0.0;
    }
    return parseDecimal(s);
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

std::string formatFixed(double value, int decimals) {
    return formatFixedImpl(value, decimals);
}

std::string formatFixed(float value, int decimals) {
    return formatFixedImpl(value, decimals);
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
