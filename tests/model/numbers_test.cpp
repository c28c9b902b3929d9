#include "model/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace zan {
namespace {

struct ParseCase {
    const char* name;
    const char* text;
    double expected;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(parseNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    ::testing::Values(
        ParseCase{"Empty", "", 0.0}, ParseCase{"Letters", "abc", 0.0},
        ParseCase{"Whole", "12900", 12900.0}, ParseCase{"CommaEndsNumber", "12,900", 12.0},
        ParseCase{"BlanksBetweenDigits", "1 2", 12.0},
        ParseCase{"BlanksAroundPoint", " 9 . 5 ", 9.5},
        ParseCase{"TabsAndLineFeeds", "\t1\n0", 10.0}, ParseCase{"UnitWordIgnored", "9.5 in", 9.5},
        ParseCase{"ExponentE", "2.5E2", 250.0}, ParseCase{"ExponentD", "1D5", 100000.0},
        ParseCase{"LowerCaseExponent", "1e-2", 0.01}, ParseCase{"ExponentWithoutDigits", "3E", 3.0},
        ParseCase{"ExponentSignWithoutDigits", "3E+x", 3.0}, ParseCase{"LeadingPoint", ".5", 0.5},
        ParseCase{"TrailingPoint", "5.", 5.0}, ParseCase{"SecondPointStops", "1.2.3", 1.2},
        ParseCase{"Negative", "-4.25", -4.25}, ParseCase{"Plus", "+7", 7.0},
        ParseCase{"SignAlone", "-", 0.0}, ParseCase{"Hex", "&H1F", 31.0},
        ParseCase{"HexLowerCase", "&hff", 255.0},
        ParseCase{"HexAllOnes", "&HFFFFFFFF", 4294967295.0}, ParseCase{"Octal", "&O17", 15.0},
        ParseCase{"OctalStopsAtEight", "&O178", 15.0}, ParseCase{"AmpersandOther", "&X12", 0.0},
        ParseCase{"CarriageReturnStops", "1\r2", 1.0}, ParseCase{"Underflow", "1e-400", 0.0},
        ParseCase{"BlanksInExponent", "1 e - 2", 0.01}, ParseCase{"PlusAndD", "+1.5d+2", 150.0},
        ParseCase{"HexWithBlanks", "& H 1 F", 31.0},
        // Correct rounding where the digits exceed a double: ties to even, the smallest normal.
        ParseCase{"HalfwayAboveTwoTo53", "9007199254740993", 9007199254740992.0},
        ParseCase{"LongDigits", "0.1000000000000000055511151231257827", 0.1},
        ParseCase{"SmallestNormal", "2.2250738585072014e-308", 2.2250738585072014e-308}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumber, OverflowReadsAsInfinity) {
    EXPECT_EQ(parseNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseNumber("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseNumber("1e-99999999999999999999999"), 0.0);
}

TEST(ParseNumber, ThousandBlanksAndLongTexts) {
    EXPECT_EQ(parseNumber(std::string(1000, ' ') + "7"), 7.0);
    EXPECT_EQ(parseNumber(std::string(10000, 'x')), 0.0);
}

struct NumberTextCase {
    const char* text;
    bool isNumber;
};

class NumberTextTest : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberTextTest, WholeTextIsOneNumber) {
    EXPECT_EQ(isNumberText(GetParam().text), GetParam().isNumber) << '[' << GetParam().text << ']';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberTextTest,
    ::testing::Values(
        NumberTextCase{"9.5", true}, NumberTextCase{"  9.5  ", true}, NumberTextCase{"-1", true},
        NumberTextCase{"+.5", true}, NumberTextCase{"5.", true}, NumberTextCase{"1e5", true},
        NumberTextCase{"1D-5", true}, NumberTextCase{"", false}, NumberTextCase{"   ", false},
        NumberTextCase{"9.5 in", false}, NumberTextCase{"1 2", false}, NumberTextCase{".", false},
        NumberTextCase{"1e", false}, NumberTextCase{"12,900", false}, NumberTextCase{"&H10", false},
        NumberTextCase{"--1", false}, NumberTextCase{"1.2.3", false},
        // A line feed is a blank as in parseNumber; a carriage return is not.
        NumberTextCase{"\n12\n", true}, NumberTextCase{"\t-3e+2 \n", true},
        NumberTextCase{"1\n2", false}, NumberTextCase{"12\r", false}, NumberTextCase{"1e+", false},
        NumberTextCase{"+", false}));

struct FixedCase {
    double value;
    int decimals;
    const char* expected;
};

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, RoundsHalfAwayFromZeroOnTheShortestDecimalForm) {
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatFixedTest,
    ::testing::Values(FixedCase{9.5, 2, "9.50"}, FixedCase{1.2, 2, "1.20"}, FixedCase{2.5, 0, "3"},
                      FixedCase{-2.5, 0, "-3"}, FixedCase{1.005, 2, "1.01"},
                      FixedCase{0.0, 1, "0.0"}, FixedCase{-0.0, 1, "0.0"},
                      FixedCase{-0.04, 1, "-0.0"}, FixedCase{99.95, 1, "100.0"},
                      FixedCase{0.6058, 3, "0.606"}, FixedCase{0.0005, 3, "0.001"},
                      FixedCase{0.00049, 3, "0.000"}, FixedCase{1e10, 0, "10000000000"},
                      FixedCase{1234567890123.0, 0, "1234567890123"},
                      FixedCase{30 * 4.45, 1, "133.5"}, FixedCase{4478.5, 0, "4479"},
                      FixedCase{0.999, 2, "1.00"}, FixedCase{123.456, 0, "123"},
                      FixedCase{1e-7, 2, "0.00"}));

TEST(FormatFixed, SinglePrecisionUsesItsOwnShortestForm) {
    // 2.55f is 2.54999995...; its shortest form "2.55" rounds up.
    EXPECT_EQ(formatFixed(2.55f, 1), "2.6");
    EXPECT_EQ(formatFixed(12345678.0f, 0), "12345678");
    EXPECT_EQ(formatFixed(1.0e8f, 0), "100000000");
}

TEST(FormatFixed, NeverPrintsInfOrNan) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 2), "Overflow");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 2), "-Overflow");
    EXPECT_EQ(formatFixed(std::nan(""), 2), "NaN");
}

// A decimal comma, as German and French locales have; a facet can always be installed.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(FormatFixed, PointUnderAnyLocale) {
    const std::locale savedCpp =
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
    // The C library's too, where such a locale is installed.
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name))
            break;
    std::ostringstream stream;
    stream << 9.5;
    EXPECT_EQ(stream.str(), "9,5") << "no decimal-comma locale could be installed";
    EXPECT_EQ(formatFixed(9.5, 2), "9.50");
    EXPECT_EQ(formatFixed(2.55f, 1), "2.6");
    EXPECT_EQ(formatSignificant(10.16), "10.16");
    EXPECT_EQ(shortestText(4855.1245f), "4855.1245");
    EXPECT_EQ(parseNumber("9.5"), 9.5);
    EXPECT_EQ(parseNumber("9,5"), 9.0);
    EXPECT_TRUE(isNumberText("9.5"));
    EXPECT_FALSE(isNumberText("9,5"));
    std::locale::global(savedCpp);
    std::setlocale(LC_NUMERIC, savedC.c_str());
}

struct SignificantCase {
    double value;
    const char* expected;
};

class FormatSignificantTest : public ::testing::TestWithParam<SignificantCase> {};

TEST_P(FormatSignificantTest, PlainTextOfSevenDigits) {
    EXPECT_EQ(formatSignificant(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatSignificantTest,
    ::testing::Values(SignificantCase{10.16f, "10.16"}, SignificantCase{1000000.0f, "1000000"},
                      SignificantCase{1.3f, "1.3"}, SignificantCase{5.42f, "5.42"},
                      SignificantCase{8.9f, "8.9"}, SignificantCase{8.75f, "8.75"},
                      SignificantCase{9.0f, "9"}, SignificantCase{22.5f, "22.5"},
                      SignificantCase{0.0, "0"}, SignificantCase{0.00125, "0.00125"},
                      SignificantCase{-3.5, "-3.5"}, SignificantCase{123456789.0, "123456800"},
                      SignificantCase{3.4e38f, "340000000000000000000000000000000000000"}));

TEST(RightAligned, PadsOrKeepsWhole) {
    EXPECT_EQ(rightAligned("30.0", 6), "  30.0");
    EXPECT_EQ(rightAligned("1234567", 6), "1234567");
    EXPECT_EQ(rightAligned("", 3), "   ");
}

}  // namespace
}  // namespace zan
