// Number reading and the fixed patterns over many random texts and values, each held against
// a plain second reading: strtod on the number alone (number_model.h, shared with the
// fuzzers), and decimal-string rounding written the simple way.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "model/numbers.h"
#include "number_model.h"

namespace zan {
namespace {

// The fixed pattern done with strings: round the shortest scientific digits at `decimals`
// places, half away from zero.
template <typename T>
std::string plainFixed(T value, int decimals) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Overflow" : "Overflow";
    char text[64];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const std::string scientific(static_cast<const char*>(text), end);
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (scientific[i] != '.' && scientific[i] != '-')
            digits += scientific[i];
    const long long keep = std::stoll(scientific.substr(e + 1)) + 1 + decimals;
    std::string n;
    if (keep >= static_cast<long long>(digits.size())) {
        n = digits + std::string(static_cast<std::size_t>(keep) - digits.size(), '0');
    } else if (keep >= 0) {
        n = "0" + digits.substr(0, static_cast<std::size_t>(keep));
        if (digits[static_cast<std::size_t>(keep)] >= '5') {
            std::size_t i = n.size();
            while (n[i - 1] == '9')
                n[--i] = '0';
            ++n[i - 1];
        }
    }
    n.erase(0, std::min(n.find_first_not_of('0'), n.size()));
    if (n.size() < static_cast<std::size_t>(decimals) + 1)
        n.insert(0, static_cast<std::size_t>(decimals) + 1 - n.size(), '0');
    if (decimals > 0)
        n.insert(n.size() - static_cast<std::size_t>(decimals), ".");
    return value < 0 ? "-" + n : n;
}

// Number-like texts: signs, leading zeros, points, all four exponent marks, long digit runs,
// blanks anywhere and words after the number.
std::string randomNumberText(std::mt19937_64& random) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto digits = [&](int most) {
        std::string d;
        for (int i = pick(most + 1); i > 0; --i)
            d += static_cast<char>('0' + pick(10));
        return d;
    };
    std::string text;
    text += "  -+"[pick(4)];
    if (pick(4) == 0)
        text += "000";
    text += digits(pick(3) == 0 ? 25 : 8);
    if (pick(2) == 0)
        text += "." + digits(pick(3) == 0 ? 25 : 6);
    if (pick(2) == 0) {
        text += "eEdD"[pick(4)];
        text += " +-"[pick(3)];
        text += digits(pick(4) == 0 ? 6 : 3);
    }
    const char* tails[] = {"", "", " in", ",5", "x", ".5", "e"};
    text += tails[pick(7)];
    if (pick(5) == 0)
        text.insert(static_cast<std::size_t>(pick(static_cast<int>(text.size()) + 1)), " ");
    return text;
}

TEST(NumberProperties, EveryNumberTextReadsAsStrtodReadsTheNumberAlone) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = randomNumberText(random);
        const double actual = parseNumber(text);
        const fuzz::ModelValue expected = fuzz::modelParseNumber(text);
        ASSERT_TRUE(fuzz::modelAgrees(expected, actual))
            << '[' << text << "] read " << actual << ", strtod " << expected.value;
        ASSERT_EQ(std::signbit(actual), std::signbit(expected.value)) << '[' << text << ']';
    }
}

TEST(NumberProperties, FixedPatternsRoundTheShortestFormOfAnyValue) {
    std::mt19937_64 random(1209);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        // Raw bit patterns reach every exponent; the others are values reports hold.
        const double wide = std::bit_cast<double>(bits);
        const double typical = static_cast<double>(bits % 2000000) / 64.0 - 1000.0;
        const float single = std::bit_cast<float>(static_cast<std::uint32_t>(bits >> 32));
        for (int decimals = 0; decimals <= 3; ++decimals) {
            ASSERT_EQ(formatFixed(wide, decimals), plainFixed(wide, decimals)) << wide;
            ASSERT_EQ(formatFixed(typical, decimals), plainFixed(typical, decimals)) << typical;
            ASSERT_EQ(formatFixed(single, decimals), plainFixed(single, decimals)) << single;
        }
    }
}

TEST(NumberProperties, FixedPatternsAtTheEndsOfTheRange) {
    const double values[] = {1.7976931348623157e308,
                             -1.7976931348623157e308,
                             4.9e-324,
                             -4.9e-324,
                             9.9999999999999995,
                             0.5,
                             0.05,
                             0.005,
                             0.0005,
                             999.9995,
                             9.5e-4,
                             1e22,
                             1e23,
                             123456789012345678.0};
    for (double v : values) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            EXPECT_EQ(formatFixed(v, decimals), plainFixed(v, decimals)) << v;
            EXPECT_EQ(formatFixed(static_cast<float>(v), decimals),
                      plainFixed(static_cast<float>(v), decimals))
                << v;
        }
    }
    EXPECT_EQ(formatFixed(1.7976931348623157e308, 3).size(), 309u + 4u);
    EXPECT_EQ(formatFixed(2.5, kMaxFixedDecimals), plainFixed(2.5, kMaxFixedDecimals));
}

}  // namespace
}  // namespace zan
