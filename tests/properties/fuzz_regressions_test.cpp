// The inputs with which fuzzing and the property tests found faults, kept as plain cases.

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/def_file.h"
#include "io/report.h"
#include "model/numbers.h"
#include "report_checks.h"

namespace zan {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// An exponent that fits a long long exactly once overflowed the sum that tells overflow
// from underflow (undefined behaviour; the sanitizer build aborts on it).
TEST(FuzzRegression, ExponentAtTheEndOfTheLongLongRange) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"1\t033333322e000009223372036854775807", kInf},  // the fuzzer's input
        {"1e9223372036854775807", kInf},
        {"-1e9223372036854775807", -kInf},
        {"1e-9223372036854775808", 0.0},
        {"0.0001e-9223372036854775808", 0.0},
        {"12e-9223372036854775807", 0.0},
        {"1e99999999999999999999999999", kInf},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.expected) << c.text;
}

std::string lineOf(const std::string& report, std::size_t index) {
    return test::reportLines(report).at(index);
}

// A number text too large for a double used to be printed as "Overflow" (and with a minus
// as "-Overflow"); the report now shows such a text as typed, like any text that is not a
// number.
TEST(FuzzRegression, NumberTooLargeForADoubleIsPrintedAsTyped) {
    Workspace w;
    w.ensurePavement().thickness = "1e400";
    w.ensureTraffic().averageDailyTraffic = "-1e400";
    w.ensureAxles().rows[0].singleLoad = "1e400";
    w.ensureAxles().rows[1].tandemCount = " 1D999 ";
    const auto report = writeReport(w);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(lineOf(*report, 7), "          Trial Thickness, h (in) = 1e400");
    EXPECT_EQ(lineOf(*report, 14), "          Average Daily Traffic, ADT = -1e400");
    EXPECT_EQ(lineOf(*report, 24).substr(0, 16), "           1e400");
    EXPECT_EQ(lineOf(*report, 25).substr(41), "  1D999 ");
    EXPECT_EQ(test::lowerCase(*report).find("overflow"), std::string::npos);
}

TEST(FuzzRegression, NonFiniteResultsAreRefusedNotPrinted) {
    struct Case {
        const char* name;
        void (*spoil)(AnalysisResults&);
        bool fatigue;
        bool erosion;
        bool refused;
    };
    const Case cases[] = {
        {"NaNStress", [](AnalysisResults& r) { r.equivalentStress[0][3] = std::nanf(""); }, true,
         false, true},
        {"InfiniteTotal", [](AnalysisResults& r) { r.totalErosionDamage = INFINITY; }, false, true,
         true},
        {"NaNRepetitions", [](AnalysisResults& r) { r.expectedRepetitions[1][9] = -std::nanf(""); },
         false, true, true},
        {"InfiniteAllowable",
         [](AnalysisResults& r) { r.allowableFatigueRepetitions[1][0] = INFINITY; }, true, true,
         true},
        // A table that is not printed does not matter.
        {"UnprintedErosionNaN", [](AnalysisResults& r) { r.erosionPower[0][0] = std::nanf(""); },
         true, false, false},
    };
    for (const Case& c : cases) {
        Workspace w;
        ASSERT_TRUE(performAnalysis(w, AnalysisKind::Both).ok());
        AnalysisResults r = w.results();
        r.fatigueSelected = c.fatigue;
        r.erosionSelected = c.erosion;
        c.spoil(r);
        const auto report = writeReport(w, r);
        EXPECT_EQ(!report.ok(), c.refused) << c.name;
        if (report.ok())
            test::expectNoNonFiniteWords(*report, {});
    }
}

// A modulus of rupture typed after the run, so small that a stress ratio overflows, used to
// print "Overflow" in the ratio column.
TEST(FuzzRegression, StressRatioThatOverflowsIsRefused) {
    for (const char* modulus : {"1e-310", "4.9e-324"}) {
        Workspace w;
        ASSERT_TRUE(performAnalysis(w, AnalysisKind::Fatigue).ok());
        w.ensurePavement().modulusOfRupture = modulus;
        const auto report = writeReport(w);
        ASSERT_FALSE(report.ok()) << modulus;
        EXPECT_NE(report.error().message.find("modulus of rupture"), std::string::npos) << modulus;
    }
    // Tiny but with a finite ratio: a (very wide) number is printed.
    Workspace w;
    ASSERT_TRUE(performAnalysis(w, AnalysisKind::Fatigue).ok());
    w.ensurePavement().modulusOfRupture = "1e-300";
    const auto report = writeReport(w);
    ASSERT_TRUE(report.ok());
    test::expectNoNonFiniteWords(*report, {});
}

// A saved file cut inside its last quoted field used to load, with the cut text taken for
// the whole value ("1.9" for "1.96").
TEST(FuzzRegression, FileCutInsideTheLastFieldIsNotLoaded) {
    Workspace saved;
    saved.ensureAxles().rows[9].tandemCount = "124.63";
    const std::string bytes = writeDefFile(saved);
    const std::size_t end = bytes.rfind("124.63\"");
    ASSERT_NE(end, std::string::npos);
    for (std::size_t cut = end; cut <= end + 6; ++cut) {
        Workspace w;
        w.ensureTraffic().averageDailyTraffic = "777";
        const Workspace before = w;
        const CommandOutcome outcome =
            readDataBytes(w, std::string_view(bytes).substr(0, cut), "cut.DEF");
        EXPECT_EQ(outcome.status, CommandStatus::FileUnreadable) << cut;
        EXPECT_TRUE(w == before) << cut;
    }
    // With its closing quote the field is whole, and line ends are not needed after it.
    Workspace w;
    ASSERT_TRUE(readDataBytes(w, std::string_view(bytes).substr(0, end + 7), "whole.DEF").ok());
    EXPECT_EQ(w.axles().rows[9].tandemCount, "124.63");
}

}  // namespace
}  // namespace zan
