// Inputs at the edges, through the core commands: every edge text in every kind of field, one
// at a time, and then ten-thousand-character texts in all fields at once. Each gives a clear
// refusal or a finite result; none crashes, hangs, or puts "inf", "nan" or "Overflow" where
// a number belongs.

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/def_file.h"
#include "io/report.h"
#include "report_checks.h"

namespace zan {
namespace {

struct Field {
    const char* name;
    std::string& (*text)(Workspace&);
    const char* refusalNames;  // what a refusal caused by this field names, '|'-separated
};

const Field kFields[] = {
    {"h", [](Workspace& w) -> std::string& { return w.ensurePavement().thickness; },
     "trial thickness|analysis of the"},
    {"k", [](Workspace& w) -> std::string& { return w.ensurePavement().subgradeModulus; },
     "subgrade modulus|analysis of the"},
    {"Sc", [](Workspace& w) -> std::string& { return w.ensurePavement().modulusOfRupture; },
     "modulus of rupture|analysis of the"},
    {"ADT", [](Workspace& w) -> std::string& { return w.ensureTraffic().averageDailyTraffic; },
     "average daily traffic|projected truck traffic|axles per 1000"},
    {"TD", [](Workspace& w) -> std::string& { return w.ensureTraffic().truckPercent; },
     "proportion of trucks|projected truck traffic|axles per 1000"},
    {"growth", [](Workspace& w) -> std::string& { return w.ensureTraffic().growthPercent; },
     "growth rate|projected truck traffic|axles per 1000"},
    {"DD", [](Workspace& w) -> std::string& { return w.ensureTraffic().directionPercent; },
     "direction distribution|projected truck traffic|axles per 1000"},
    {"LD", [](Workspace& w) -> std::string& { return w.ensureTraffic().lanePercent; },
     "lane distribution|projected truck traffic|axles per 1000"},
    {"LSF", [](Workspace& w) -> std::string& { return w.ensureTraffic().loadSafetyFactor; },
     "load safety factor|axle load in row"},
    {"Years", [](Workspace& w) -> std::string& { return w.ensureTraffic().designPeriod; },
     "design period|projected truck traffic|axles per 1000"},
    {"SingleLoad1", [](Workspace& w) -> std::string& { return w.ensureAxles().rows[0].singleLoad; },
     "single axle load in row 1"},
    {"SingleCount5",
     [](Workspace& w) -> std::string& { return w.ensureAxles().rows[4].singleCount; },
     "single axles per 1000 trucks in row 5|projected truck traffic"},
    {"TandemLoad10",
     [](Workspace& w) -> std::string& { return w.ensureAxles().rows[9].tandemLoad; },
     "tandem axle load in row 10"},
    {"TandemCount3",
     [](Workspace& w) -> std::string& { return w.ensureAxles().rows[2].tandemCount; },
     "tandem axles per 1000 trucks in row 3|projected truck traffic"},
};

void PrintTo(const Field& field, std::ostream* out) {
    *out << field.name;
}

struct Edge {
    const char* name;
    std::string text;
};

const std::vector<Edge>& edges() {
    static const std::vector<Edge> list{
        {"1e39", "1e39"},
        {"1e308", "1e308"},
        {"1e400", "1e400"},
        {"Minus1e400", "-1e400"},
        {"MinusZero", "-0"},
        {"Zero", "0"},
        {"Negative", "-5"},
        {"Denormal", "1e-310"},
        {"HexAllOnes", "&HFFFFFFFF"},
        {"ExponentD", "1D5"},
        {"ThousandBlanks", std::string(1000, ' ')},
        {"TenThousandNines", std::string(10000, '9')},
        {"TenThousandLetters", std::string(10000, 'x')},
        {"OneThenTenThousandBlanks", "1" + std::string(9999, ' ')},
        {"TenThousandDigitFraction", "0." + std::string(9998, '3')},
    };
    return list;
}

bool namesOneOf(const std::string& message, const std::string& alternatives) {
    const std::string lower = test::lowerCase(message);
    std::size_t start = 0;
    while (start <= alternatives.size()) {
        const std::size_t bar = alternatives.find('|', start);
        const std::string name =
            alternatives.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (lower.find(name) != std::string::npos)
            return true;
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    return false;
}

// Runs one command and checks its outcome; returns the refusal text, or "" when it was done.
std::string checkCommand(Workspace& w, CommandOutcome (*command)(Workspace&),
                         const std::string& context) {
    const Workspace before = w;
    const auto start = std::chrono::steady_clock::now();
    const CommandOutcome outcome = command(w);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << context;
    if (!outcome.ok()) {
        EXPECT_TRUE(w == before) << context << ": a refused command changed the workspace";
        EXPECT_FALSE(outcome.report.has_value()) << context;
        if (!outcome.message) {
            ADD_FAILURE() << context << ": refused without a message";
            return "?";
        }
        const std::string lower = test::lowerCase(outcome.message->text);
        for (const char* word : {"inf", "nan", "overflow"})
            EXPECT_EQ(lower.find(word), std::string::npos)
                << context << ": " << outcome.message->text;
        return outcome.message->text;
    }
    EXPECT_TRUE(allFinite(w.results())) << context;
    if (!outcome.report) {
        ADD_FAILURE() << context << ": done without a report";
        return "";
    }
    const auto lines = test::reportLines(*outcome.report);
    EXPECT_EQ(lines.size(), test::expectedReportLines(w.results(), w.detailedReports())) << context;
    test::expectNoNonFiniteWords(*outcome.report, test::inputTexts(w));
    return "";
}

CommandOutcome analyseBoth(Workspace& w) {
    return performAnalysis(w, AnalysisKind::Both);
}

class EdgeInput : public ::testing::TestWithParam<Field> {};

TEST_P(EdgeInput, RefusedClearlyOrAnalysedToFiniteNumbers) {
    const Field& field = GetParam();
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        for (const Edge& edge : edges()) {
            const std::string context = std::string(field.name) + " = " + edge.name +
                                        (units == UnitSystem::Metric ? " (Metric)" : " (English)");
            Workspace w;
            w.chooseUnitSystem(units);
            w.createInputSections();  // so that a refusal must change nothing
            field.text(w) = edge.text;

            const std::string refusal = checkCommand(w, &analyseBoth, context + ", analysis");
            if (!refusal.empty()) {
                EXPECT_TRUE(namesOneOf(refusal, field.refusalNames)) << context << ": " << refusal;
                EXPECT_NE(refusal.find("Nothing was analysed"), std::string::npos)
                    << context << ": " << refusal;
            }
            checkCommand(w, &computeDesignThickness, context + ", thickness search");

            // The inputs alone, as Save Report writes them before any run.
            Workspace fresh;
            fresh.chooseUnitSystem(units);
            field.text(fresh) = edge.text;
            const auto report = writeReport(fresh);
            ASSERT_TRUE(report.ok()) << context;
            test::expectNoNonFiniteWords(*report, test::inputTexts(fresh));

            // Saved and read back, the text is the same.
            Workspace loaded;
            ASSERT_TRUE(readDataBytes(loaded, writeDefFile(fresh), "edge.DEF").ok()) << context;
            EXPECT_EQ(field.text(loaded), edge.text) << context;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfField, EdgeInput, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

// Ten thousand characters in every field at once, three kinds of text.
TEST(EdgeInputs, TenThousandCharactersInEveryField) {
    const std::string texts[] = {std::string(10000, '9'), std::string(10000, 'x'),
                                 "1" + std::string(9999, ' ')};
    for (const std::string& text : texts) {
        Workspace w;
        for (std::string* s :
             {&w.ensurePavement().thickness, &w.ensurePavement().subgradeModulus,
              &w.ensurePavement().modulusOfRupture, &w.ensureTraffic().averageDailyTraffic,
              &w.ensureTraffic().truckPercent, &w.ensureTraffic().growthPercent,
              &w.ensureTraffic().directionPercent, &w.ensureTraffic().lanePercent,
              &w.ensureTraffic().loadSafetyFactor, &w.ensureTraffic().designPeriod})
            *s = text;
        for (AxleRowTexts& row : w.ensureAxles().rows)
            row = {text, text, text, text};
        const std::string context = text.substr(0, 3) + "...";
        checkCommand(w, &analyseBoth, context);
        checkCommand(w, &computeDesignThickness, context);
        const auto report = writeReport(w);
        ASSERT_TRUE(report.ok()) << context;
        test::expectNoNonFiniteWords(*report, test::inputTexts(w));
        EXPECT_EQ(test::reportLines(*report).size(), 35u) << context;
        Workspace loaded;
        ASSERT_TRUE(readDataBytes(loaded, writeDefFile(w), "long.DEF").ok()) << context;
        EXPECT_EQ(test::inputTexts(loaded), test::inputTexts(w)) << context;
    }
}

// Zero and negative thickness, modulus and loads arriving in a data file, which nothing checks
// on reading: the analysis and the search refuse them, naming the input, and change nothing.
TEST(EdgeInputs, ZeroAndNegativeValuesInADataFile) {
    struct Case {
        const char* name;
        std::size_t line;  // 1-based line of the .DEF
        const char* text;
        const char* named;
    };
    const Case cases[] = {
        {"ZeroThickness", 5, "0", "trial thickness"},
        {"NegativeThickness", 5, "-9.5", "trial thickness"},
        {"ZeroModulus", 6, "0", "subgrade modulus"},
        {"NegativeModulus", 6, "-130", "subgrade modulus"},
        {"ZeroRupture", 7, "0", "modulus of rupture"},
        {"NegativeRupture", 7, "-650", "modulus of rupture"},
        {"ZeroSafetyFactor", 17, "0", "load safety factor"},
        {"ZeroLoad", 20, "\"0\",\"1\",\"52\",\"1\"", "single axle load in row 1"},
        {"NegativeTandemLoad", 29, "\"12\",\"1\",\"-1\",\"1\"", "tandem axle load in row 10"},
    };
    Workspace initial;
    const std::string file = writeDefFile(initial);
    for (const Case& c : cases) {
        std::string bytes;
        std::size_t lineNumber = 1;
        for (std::size_t start = 0; start < file.size(); ++lineNumber) {
            const std::size_t end = file.find("\r\n", start);
            bytes += lineNumber == c.line ? std::string(c.text) : file.substr(start, end - start);
            bytes += "\r\n";
            start = end + 2;
        }
        Workspace w;
        ASSERT_TRUE(readDataBytes(w, bytes, "edge.DEF").ok()) << c.name;
        for (auto command : {&analyseBoth, &computeDesignThickness}) {
            const std::string refusal = checkCommand(w, command, c.name);
            EXPECT_NE(test::lowerCase(refusal).find(c.named), std::string::npos)
                << c.name << ": " << refusal;
        }
    }
}

}  // namespace
}  // namespace zan
