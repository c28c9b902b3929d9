#include "io/report.h"

#include <clocale>
#include <functional>
#include <locale>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io_test_support.h"
#include "model/workspace.h"

namespace zan {
namespace {

using test::crlfLines;

std::string b(std::size_t n) {
    return std::string(n, ' ');
}

std::vector<std::string> reportLines(Workspace& ws, const AnalysisResults& results) {
    auto report = writeReport(ws, results);
    EXPECT_TRUE(report.ok());
    return report.ok() ? crlfLines(*report) : std::vector<std::string>{};
}

// The line after the first "Dual-Single"/"Dual-Tandem" that follows `section`'s title.
std::string firstRow(const std::vector<std::string>& lines, const std::string& section,
                     const std::string& axle) {
    std::size_t i = 0;
    while (i < lines.size() && lines[i].find(section) == std::string::npos)
        ++i;
    while (i < lines.size() && lines[i] != b(10) + axle)
        ++i;
    return i + 1 < lines.size() ? lines[i + 1] : "<missing>";
}

TEST(ReportInputs, InitialEnglishDesignLineByLine) {
    Workspace ws;
    const std::vector<std::string> lines = reportLines(ws, ws.results());
    const std::string stars = b(10) + std::string(48, '*');
    const std::vector<std::string> expected = {
        "",
        "",
        stars,
        b(10) + "            ZAN  Thickness  Design",
        b(10) + "               Original  Data",
        stars,
        "",
        b(10) + "Trial Thickness, h (in) = 9.50",
        b(10) + "Subgrade Modulus, k (psi/in) = 130",
        b(10) + "Modulus of Rupture, Sc (psi) = 650",
        "",
        b(10) + "Concrete Shoulder : No",
        b(10) + "Doweled Joints : Yes",
        "",
        b(10) + "Average Daily Traffic, ADT = 12900",
        b(10) + "Proportion of Trucks,% = 19",
        b(10) + "Annual Growth Rate, % = 4",
        b(10) + "Direction Distribution,% = 50",
        b(10) + "Lane Distribution,% = 81",
        b(10) + "Design Period, Years = 20",
        b(10) + "Load Safety Factor, LSF = 1.20",
        "",
        b(12) + "Axle Load (kips)" + b(6) + "Axle Load (kips)",
        b(12) + "Single" + b(3) + "Axle/1000" + b(4) + "Tandem" + b(3) + "Axle/1000",
        b(10) + "  30.0" + b(3) + "    0.58" + b(5) + "  52.0" + b(3) + "    1.96",
        b(10) + "  28.0" + b(3) + "    1.35" + b(5) + "  48.0" + b(3) + "    3.94",
        b(10) + "  26.0" + b(3) + "    2.77" + b(5) + "  44.0" + b(3) + "   11.48",
        b(10) + "  24.0" + b(3) + "    5.92" + b(5) + "  40.0" + b(3) + "   34.27",
        b(10) + "  22.0" + b(3) + "    9.83" + b(5) + "  36.0" + b(3) + "   81.42",
        b(10) + "  20.0" + b(3) + "   21.67" + b(5) + "  32.0" + b(3) + "   85.50",
        b(10) + "  18.0" + b(3) + "   28.24" + b(5) + "  28.0" + b(3) + "  152.21",
        b(10) + "  16.0" + b(3) + "   38.83" + b(5) + "  24.0" + b(3) + "   90.52",
        b(10) + "  14.0" + b(3) + "   53.94" + b(5) + "  20.0" + b(3) + "  112.78",
        b(10) + "  12.0" + b(3) + "  168.84" + b(5) + "  16.0" + b(3) + "  124.63",
        stars,
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST(ReportInputs, TextsThatAreNotNumbers) {
    Workspace ws;
    ws.ensurePavement().thickness = "nine";
    ws.ensureTraffic().growthPercent = "2.5";
    AxleRowTexts& row = ws.ensureAxles().rows[0];
    row.singleLoad = "abc";
    row.singleCount = "";
    row.tandemLoad = " 52 ";
    row.tandemCount = "1,96";
    AnalysisResults results;
    results.fatigueSelected = true;
    results.erosionSelected = true;
    const auto lines = reportLines(ws, results);
    ASSERT_GE(lines.size(), 25u);
    EXPECT_EQ(lines[7], b(10) + "Trial Thickness, h (in) = 0.00");
    EXPECT_EQ(lines[16], b(10) + "Annual Growth Rate, % = 3");
    EXPECT_EQ(lines[24], b(10) + "   abc" + b(3) + b(8) + b(5) + "  52.0" + b(3) + "    1,96");
    for (const char* section : {"Fatigue Analysis", "Erosion Analysis"}) {
        EXPECT_EQ(firstRow(lines, section, "Dual-Single").substr(0, 16), b(10) + "   abc")
            << section;
        EXPECT_EQ(firstRow(lines, section, "Dual-Tandem").substr(0, 16), b(10) + "  52.0")
            << section;
    }
}

TEST(ReportTables, WorkedRowsOfTheInitialDesign) {
    Workspace ws;
    ASSERT_TRUE(performAnalysis(ws, AnalysisKind::Both).ok());
    const auto lines = reportLines(ws, ws.results());
    struct Case {
        const char* section;
        const char* axle;
        std::string row;
    };
    const Case cases[] = {
        {"Fatigue Analysis", "Dual-Single",
         b(10) + "  30.0" + b(5) + "        6258" + b(5) + "  393.8" + b(4) + "0.606" + b(2) +
             "       26353" + " " + "  23.7"},
        {"Fatigue Analysis", "Dual-Tandem",
         b(10) + "  52.0" + b(5) + "       21147" + b(5) + "  319.7" + b(4) + "0.492" + b(2) +
             "     1164903" + " " + "   1.8"},
        {"Erosion Analysis", "Dual-Single",
         b(10) + "  30.0" + b(5) + "        6258" + b(4) + "  4.59" + b(4) + " 37.927" + b(2) +
             "     1454526" + " " + "   0.4"},
        {"Erosion Analysis", "Dual-Tandem",
         b(10) + "  52.0" + b(5) + "       21147" + b(4) + "  4.72" + b(4) + " 44.292" + b(2) +
             "      921157" + " " + "   2.3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstRow(lines, c.section, c.axle), c.row) << c.section << " " << c.axle;
}

// Rows built from hand-set results, to reach values no ordinary design produces.
TEST(ReportTables, CellFormatting) {
    struct Case {
        const char* name;
        UnitSystem units;
        const char* section;
        std::function<void(AnalysisResults&)> set;
        std::string row;
    };
    const std::string zeroFatigueTail = b(5) + "    0.0" + b(4) + "0.000" + b(2);
    const Case cases[] = {
        {"FatigueUnlimitedAtExactly1e8", UnitSystem::English, "Fatigue Analysis",
         [](AnalysisResults& r) { r.allowableFatigueRepetitions[0][0] = 1.0e8f; },
         b(10) + "  30.0" + b(5) + "           0" + zeroFatigueTail + "   Unlimited" + " " +
             "   0.0"},
        // The next float below 10^8 is a number; its shortest decimal form has 7 digits.
        {"FatigueNumberJustBelow1e8", UnitSystem::English, "Fatigue Analysis",
         [](AnalysisResults& r) { r.allowableFatigueRepetitions[0][0] = 99999992.0f; },
         b(10) + "  30.0" + b(5) + "           0" + zeroFatigueTail + "    99999990" + " " +
             "   0.0"},
        {"ErosionUnlimitedAtExactly1e8", UnitSystem::English, "Erosion Analysis",
         [](AnalysisResults& r) { r.allowableErosionRepetitions[0][0] = 1.0e8f; },
         b(10) + "  30.0" + b(5) + "           0" + b(4) + "  0.00" + b(4) + "  0.000" + b(2) +
             "   Unlimited" + " " + "   0.0"},
        {"ThirteenDigitsShiftTheRow", UnitSystem::English, "Erosion Analysis",
         [](AnalysisResults& r) {
             r.expectedRepetitions[0][0] = 1.2345678e12f;
             r.erosionFactor[0][0] = 3.456f;
             r.erosionPower[0][0] = 12.3456f;
             r.allowableErosionRepetitions[0][0] = 2.0e9f;
         },
         b(10) + "  30.0" + b(5) + "1234567800000" + b(4) + "  3.46" + b(4) + " 12.346" + b(2) +
             "   Unlimited" + " " + "   0.0"},
        {"HalvesRoundAwayFromZero", UnitSystem::English, "Fatigue Analysis",
         [](AnalysisResults& r) {
             r.expectedRepetitions[0][0] = 2.5f;
             r.equivalentStress[0][0] = 325.25f;  // ratio 0.5003846... -> 0.500
             r.allowableFatigueRepetitions[0][0] = 1234.5f;
             r.fatigueDamage[0][0] = 0.25f;
         },
         b(10) + "  30.0" + b(5) + "           3" + b(5) + "  325.3" + b(4) + "0.500" + b(2) +
             "        1235" + " " + "   0.3"},
        // 100.45f is 100.44999694... in binary; its shortest form 100.45 rounds up.
        {"ResultsRoundTheirShortestForm", UnitSystem::English, "Fatigue Analysis",
         [](AnalysisResults& r) { r.equivalentStress[0][0] = 100.45f; },
         b(10) + "  30.0" + b(5) + "           0" + b(5) + "  100.5" + b(4) + "0.155" + b(2) +
             "           0" + " " + "   0.0"},
        {"MetricStressInKilopascals", UnitSystem::Metric, "Fatigue Analysis",
         [](AnalysisResults& r) {
             r.equivalentStress[0][0] = 300.0f;  // 2067 kPa against Sc 4479 kPa
             r.allowableFatigueRepetitions[0][0] = 54321.0f;
             r.fatigueDamage[0][0] = 12.34f;
         },
         b(10) + " 133.5" + b(5) + "           0" + b(5) + " 2067.0" + b(4) + "0.461" + b(2) +
             "       54321" + " " + "  12.3"},
    };
    for (const Case& c : cases) {
        Workspace ws;
        ws.chooseUnitSystem(c.units);
        AnalysisResults results;
        results.fatigueSelected = true;
        results.erosionSelected = true;
        c.set(results);
        EXPECT_EQ(firstRow(reportLines(ws, results), c.section, "Dual-Single"), c.row) << c.name;
    }
}

TEST(ReportTables, ColumnHeadingsFollowTheUnitSystem) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        Workspace ws;
        ws.chooseUnitSystem(units);
        AnalysisResults results;
        results.fatigueSelected = true;
        results.erosionSelected = true;
        const auto lines = reportLines(ws, results);
        ASSERT_EQ(lines.size(), 105u);
        const bool metric = units == UnitSystem::Metric;
        EXPECT_EQ(lines[39],
                  b(10) + "    Axle      Expected    Equivalent  Stress   Allowable   Fatigue");
        EXPECT_EQ(lines[40], b(10) +
                                 (metric ? "Load, kN    Repetitions  Stress, kPa"
                                         : "Load, kips  Repetitions  Stress, psi") +
                                 "  Ratio   Repetitions     %");
        EXPECT_EQ(lines[74],
                  b(10) + "    Axle      Expected    Erosion      Power    Allowable   Erosion");
        EXPECT_EQ(lines[75], b(10) + (metric ? "Load, kN  " : "Load, kips") +
                                 "  Repetitions   Factor" + b(15) + "Repetitions     %");
    }
}

TEST(ReportTables, TotalsAndDamageMessages) {
    struct Case {
        const char* name;
        bool fatigue;
        float total;
        std::string sum;
        std::string message;  // empty: none
    };
    const Case cases[] = {
        {"FatigueExactly100", true, 100.0f, "    100.0", ""},
        {"FatigueJustAbove100", true, 100.05f, "    100.1",
         b(40) + "The fatigue damage exceeds 100%."},
        {"ErosionExactly100", false, 100.0f, "    100.0", ""},
        {"ErosionAbove100", false, 12345.6f, "  12345.6",
         b(54) + "The erosion damage exceeds 100%."},
        {"WiderThanItsField", false, 1.5e9f, "1500000000.0",
         b(54) + "The erosion damage exceeds 100%."},
    };
    for (const Case& c : cases) {
        Workspace ws;
        AnalysisResults results;
        results.fatigueSelected = c.fatigue;
        results.erosionSelected = !c.fatigue;
        (c.fatigue ? results.totalFatigueDamage : results.totalErosionDamage) = c.total;
        const auto lines = reportLines(ws, results);
        ASSERT_EQ(lines.size(), c.message.empty() ? 70u : 72u) << c.name;
        EXPECT_EQ(lines[69], b(50) + "         Sum =  " + c.sum) << c.name;
        if (!c.message.empty()) {
            EXPECT_EQ(lines[70], "") << c.name;
            EXPECT_EQ(lines[71], c.message) << c.name;
        }
    }
}

TEST(ReportSections, SelectionFlagsAndDetailedOutputs) {
    const std::string fatigueTitle = b(10) + "                       Fatigue Analysis Solutions";
    const std::string erosionTitle = b(10) + "                       Erosion Analysis Solutions";
    struct Case {
        bool fatigue, erosion, detailed;
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {false, false, false, {}},
        {true, false, false, {fatigueTitle}},
        {false, true, false, {erosionTitle}},
        {true, true, false, {fatigueTitle, erosionTitle}},
        {true, true, true, {fatigueTitle, erosionTitle}},
        {false, false, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fatigue << c.erosion << c.detailed);
        Workspace ws;
        ws.setDetailedReports(c.detailed);
        AnalysisResults results;
        results.fatigueSelected = c.fatigue;
        results.erosionSelected = c.erosion;
        const auto lines = reportLines(ws, results);
        const std::size_t sections = c.titles.size();
        ASSERT_EQ(lines.size(), 35 + 35 * sections + (c.detailed ? 5 : 0));
        for (std::size_t s = 0; s < sections; ++s)
            EXPECT_EQ(lines[37 + 35 * s], c.titles[s]);
        if (c.detailed) {
            const std::vector<std::string> tail(lines.end() - 5, lines.end());
            EXPECT_EQ(tail,
                      (std::vector<std::string>{"", "", b(10) + "               Additional Outputs",
                                                b(15) + std::string(38, '*'), ""}));
        }
    }
}

TEST(ReportFailure, ZeroModulusOfRuptureOnlyBlocksTheFatigueTable) {
    struct Case {
        const char* sc;
        bool fatigue;
        bool ok;
    };
    const Case cases[] = {
        {"0", true, false}, {"-0", true, false},    {"none", true, false},
        {"0", false, true}, {"0.0001", true, true},
    };
    for (const Case& c : cases) {
        Workspace ws;
        ws.ensurePavement().modulusOfRupture = c.sc;
        AnalysisResults results;
        results.fatigueSelected = c.fatigue;
        results.erosionSelected = true;
        auto report = writeReport(ws, results);
        EXPECT_EQ(report.ok(), c.ok) << c.sc << " " << c.fatigue;
        if (!report.ok()) {
            EXPECT_NE(report.error().message.find("modulus of rupture"), std::string::npos);
        }
    }
}

// Formats numbers the way a German desktop would, to prove the report never follows it.
struct CommaDecimalPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class ReportGolden : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (!GetParam())
            return;
        m_savedLocale = std::locale();
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
        std::setlocale(LC_ALL, "de_DE.UTF-8");  // when the machine has it
    }
    void TearDown() override {
        if (!GetParam())
            return;
        std::locale::global(m_savedLocale);
        std::setlocale(LC_ALL, "C");
    }
    std::locale m_savedLocale;
};

TEST_P(ReportGolden, InitialDesignsAfterBoth) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        Workspace ws;
        ws.chooseUnitSystem(units);
        const CommandOutcome outcome = performAnalysis(ws, AnalysisKind::Both);
        ASSERT_TRUE(outcome.report.has_value());
        const char* golden =
            units == UnitSystem::English ? "initial_english_both.PRN" : "initial_metric_both.PRN";
        EXPECT_EQ(*outcome.report, test::readData(golden)) << golden;
        auto again = writeReport(ws);
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(*again, *outcome.report);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, ReportGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "CommaDecimalLocale" : "ClassicLocale";
                         });

}  // namespace
}  // namespace zan
