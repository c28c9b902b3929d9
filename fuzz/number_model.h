#pragma once
// A second, deliberately plain reading of number texts, written apart from src/model so the
// fuzzers can hold parseNumber and isNumberText against it. It uses the C library's strtod
// for the decimal value (the core uses fast_float) and a character-class state machine
// for the number-text test (the core uses a hand loop).

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace zan::fuzz {

// What an input text should read as. `exact` is false only for radix integers too long for
// the 53-bit mantissa, where one rounding per digit may differ from a single rounding.
struct ModelValue {
    double value = 0.0;
    bool exact = true;
};

inline bool modelIsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest leading decimal number of `s` (no blanks in it), as strtod reads it.
inline double modelDecimal(std::string_view s) {
    std::size_t i = 0;
    std::string text;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        text.push_back(s[i++]);
    std::size_t digits = 0;
    while (i < s.size() && modelIsDigit(s[i]))
        text.push_back(s[i++]), ++digits;
    if (i < s.size() && s[i] == '.') {
        text.push_back(s[i++]);
        while (i < s.size() && modelIsDigit(s[i]))
            text.push_back(s[i++]), ++digits;
    }
    if (digits == 0)
        return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        const std::size_t first = j;
        while (j < s.size() && modelIsDigit(s[j]))
            exponent.push_back(s[j++]);
        if (j > first)
            text += exponent;
    }
    errno = 0;
    return std::strtod(text.c_str(), nullptr);  // overflow gives +-HUGE_VAL, i.e. infinity
}

inline ModelValue modelRadix(std::string_view digits, int radix) {
    ModelValue out;
    long double value = 0.0L;
    std::uint64_t exact = 0;
    int significant = 0;
    const int maxExactDigits = radix == 16 ? 13 : 17;  // 52 and 51 bits
    for (char c : digits) {
        int d = 99;
        if (modelIsDigit(c))
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d >= radix)
            break;
        if (significant > 0 || d != 0)
            ++significant;
        value = value * radix + d;
        if (significant <= maxExactDigits)
            exact = exact * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
    }
    if (significant <= maxExactDigits) {
        out.value = static_cast<double>(exact);
    } else {
        out.exact = false;
        out.value = value > static_cast<long double>(1.79769313486231570815e308)
                        ? INFINITY
                        : static_cast<double>(value);
    }
    return out;
}

inline ModelValue modelParseNumber(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return modelRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return modelRadix(std::string_view(s).substr(2), 8);
        return {};
    }
    return {modelDecimal(s), true};
}

// Same value, allowing for the non-exact radix readings; +0 and -0 count as equal.
inline bool modelAgrees(const ModelValue& model, double actual) {
    if (std::isnan(actual))
        return false;
    if (model.exact)
        return actual == model.value;
    if (std::isinf(model.value) || std::isinf(actual)) {
        // Right at the top of the double range the two roundings may land on either side.
        const double finite = std::isinf(model.value) ? actual : model.value;
        return std::isinf(actual) == std::isinf(model.value) || std::fabs(finite) > 1.7976e308;
    }
    return std::fabs(actual - model.value) <= 1e-12 * std::fabs(model.value);
}

// The number-text test as a state machine over character classes:
//   blanks* sign? (digits+ (point digits*)? | point digits+) (mark sign? digits+)? blanks*
inline bool modelIsNumberText(std::string_view text) {
    enum State { Lead, Sign, Int, Point, PointFirst, Frac, Mark, ExpSign, Exp, Trail, Reject };
    State st = Lead;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\n';
        const bool digit = modelIsDigit(c);
        const bool sign = c == '+' || c == '-';
        const bool point = c == '.';
        const bool mark = c == 'E' || c == 'e' || c == 'D' || c == 'd';
        switch (st) {
            case Lead:
                st = blank ? Lead : sign ? Sign : digit ? Int : point ? PointFirst : Reject;
                break;
            case Sign:
                st = digit ? Int : point ? PointFirst : Reject;
                break;
            case Int:
                st = digit ? Int : point ? Point : mark ? Mark : blank ? Trail : Reject;
                break;
            case Point:
            case Frac:
                st = digit ? Frac : mark ? Mark : blank ? Trail : Reject;
                break;
            case PointFirst:
                st = digit ? Frac : Reject;
                break;
            case Mark:
                st = sign ? ExpSign : digit ? Exp : Reject;
                break;
            case ExpSign:
                st = digit ? Exp : Reject;
                break;
            case Exp:
                st = digit ? Exp : blank ? Trail : Reject;
                break;
            case Trail:
                st = blank ? Trail : Reject;
                break;
            case Reject:
                return false;
        }
    }
    return st == Int || st == Point || st == Frac || st == Exp || st == Trail;
}

}  // namespace zan::fuzz
