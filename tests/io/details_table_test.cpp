#include "io/details_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "io/io_test_support.h"
#include "model/workspace.h"

namespace zan {
namespace {

AnalysisResults analysed(bool fatigue, bool erosion, UnitSystem units = UnitSystem::English) {
    Workspace ws;
    ws.chooseUnitSystem(units);
    const float h = units == UnitSystem::Metric ? 24.1f : 9.5f;
    auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{h}, fatigue, erosion});
    EXPECT_TRUE(r.ok());
    return r.ok() ? *r : AnalysisResults{};
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result(1);
    for (char c : line) {
        if (c == ',')
            result.emplace_back();
        else
            result.back() += c;
    }
    return result;
}

float readFloat(const std::string& text) {
    float value = std::numeric_limits<float>::quiet_NaN();
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(DetailsCsv, IsTheHeaderAndTwentyRowsSingleThenTandem) {
    const std::vector<std::string> lines =
        test::crlfLines(detailsCsv(calculationDetails(analysed(true, true))));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0],
              "axle,row,design load (kips),expected repetitions,radius of relative stiffness "
              "(in),load factor f1,moment term M,factor f2,equivalent stress Se (psi),stress "
              "ratio,allowable fatigue repetitions,fatigue %,deflection w (in),power P',factor "
              "C1,erosion factor,allowable erosion repetitions,erosion %");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = fields(lines[i]);
        ASSERT_EQ(cells.size(), kDetailsColumnCount) << lines[i];
        EXPECT_EQ(cells[0], i <= 10 ? "single" : "tandem");
        EXPECT_EQ(cells[1], std::to_string((i - 1) % 10 + 1));
        for (std::size_t c = 2; c < cells.size(); ++c)
            EXPECT_FALSE(std::isnan(readFloat(cells[c]))) << kDetailsColumns[c] << " " << cells[c];
    }
    // Single row 1 of the initial design: 30 kips with LSF 1.2, 0.58 per 1000 trucks.
    const std::vector<std::string> first = fields(lines[1]);
    EXPECT_EQ(first[2], "36");
    EXPECT_EQ(first[10], "26352.736") << "Nf, which the report prints as 26353";
}

// Every number reads back as the very single-precision value the run stored.
TEST(DetailsTable, CellsReadBackAsTheStoredValues) {
    const AnalysisResults r = analysed(true, true, UnitSystem::Metric);
    const DetailsTable table = detailsTable(calculationDetails(r));
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        const std::size_t a = i / kAxleRows;
        const std::size_t row = i % kAxleRows;
        const DetailsTableRow& cells = table.rows[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(readFloat(cells[2]), r.axleLoad[a][row]);
        EXPECT_EQ(readFloat(cells[3]), r.expectedRepetitions[a][row]);
        EXPECT_EQ(readFloat(cells[8]), r.equivalentStress[a][row]);
        EXPECT_EQ(readFloat(cells[10]), r.allowableFatigueRepetitions[a][row]);
        EXPECT_EQ(readFloat(cells[11]), r.fatigueDamage[a][row]);
        EXPECT_EQ(readFloat(cells[13]), r.erosionPower[a][row]);
        EXPECT_EQ(readFloat(cells[15]), r.erosionFactor[a][row]);
        EXPECT_EQ(readFloat(cells[16]), r.allowableErosionRepetitions[a][row]);
        EXPECT_EQ(readFloat(cells[17]), r.erosionDamage[a][row]);
    }
}

struct PartCase {
    const char* name;
    bool fatigue;
    bool erosion;
};

class DetailsOfOnePart : public ::testing::TestWithParam<PartCase> {};

TEST_P(DetailsOfOnePart, LeaveTheOtherPartsCellsEmpty) {
    const PartCase& c = GetParam();
    const DetailsTable table = detailsTable(calculationDetails(analysed(c.fatigue, c.erosion)));
    for (const DetailsTableRow& cells : table.rows) {
        EXPECT_NE(cells[3], "") << "the expected repetitions belong to every run";
        for (std::size_t i = kFirstFatigueColumn; i < kFirstErosionColumn; ++i)
            EXPECT_EQ(cells[i].empty(), !c.fatigue) << kDetailsColumns[i];
        for (std::size_t i = kFirstErosionColumn; i < kDetailsColumnCount; ++i)
            EXPECT_EQ(cells[i].empty(), !c.erosion) << kDetailsColumns[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, DetailsOfOnePart,
                         ::testing::Values(PartCase{"Fatigue", true, false},
                                           PartCase{"Erosion", false, true},
                                           PartCase{"Neither", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShortestCase {
    const char* name;
    float value;
    const char* text;
};

class ShortestText : public ::testing::TestWithParam<ShortestCase> {};

// The shortest text of the float itself, not of its double: 0.1f is "0.1", not
// "0.10000000149011612".
TEST_P(ShortestText, IsTheShortestTextOfTheFloat) {
    EXPECT_EQ(shortestText(GetParam().value), GetParam().text);
    EXPECT_EQ(readFloat(shortestText(GetParam().value)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ShortestText,
    ::testing::Values(
        ShortestCase{"Whole", 130.0f, "130"}, ShortestCase{"Half", 9.5f, "9.5"},
        ShortestCase{"Tenth", 0.1f, "0.1"}, ShortestCase{"Unlimited", 1.0e9f, "1e+09"},
        ShortestCase{"Negative", -1.25f, "-1.25"}, ShortestCase{"NegativeZero", -0.0f, "-0"},
        ShortestCase{"MetricThickness", static_cast<float>(24.1f / 2.54), "9.488189"},
        // The shorter of the fixed and the exponent form, fixed on a tie; a whole number exact.
        ShortestCase{"EightDigits", 4855.1245f, "4855.1245"},
        ShortestCase{"TieIsFixed", 10000.0f, "10000"},
        ShortestCase{"ExponentIsShorter", 100000.0f, "1e+05"},
        ShortestCase{"SmallTieIsFixed", 0.001f, "0.001"},
        ShortestCase{"SmallExponent", 0.0001f, "1e-04"},
        ShortestCase{"WholeBeyondShortestDigits", 48047325184.0f, "48047325184"},
        ShortestCase{"Largest", 3.4028235e38f, "3.4028235e+38"},
        ShortestCase{"Smallest", 1e-45f, "1e-45"}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnitsLineCase {
    const char* name;
    bool fatigue;
    bool erosion;
    bool concreteShoulder;
    bool doweledJoints;
    const char* line;
};

class ModelUnitsLine : public ::testing::TestWithParam<UnitsLineCase> {};

TEST_P(ModelUnitsLine, NamesWhatThePartsComputedWith) {
    const UnitsLineCase& c = GetParam();
    Workspace ws;
    ws.ensurePavement().concreteShoulder = c.concreteShoulder;
    ws.ensurePavement().doweledJoints = c.doweledJoints;
    auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{9.5f}, c.fatigue, c.erosion});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(modelUnitsLine(calculationDetails(*r)), c.line);
    EXPECT_EQ(detailsTable(calculationDetails(*r)).modelUnits, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ModelUnitsLine,
    ::testing::Values(
        UnitsLineCase{"Both", true, true, false, true,
                      "Model units: h = 9.5 in, k = 130 psi/in, Sc = 650 psi; no concrete "
                      "shoulder, doweled joints"},
        UnitsLineCase{"BothShoulderAggregate", true, true, true, false,
                      "Model units: h = 9.5 in, k = 130 psi/in, Sc = 650 psi; concrete shoulder, "
                      "aggregate-interlock joints"},
        UnitsLineCase{"FatigueNamesNoJoints", true, false, false, false,
                      "Model units: h = 9.5 in, k = 130 psi/in, Sc = 650 psi; no concrete "
                      "shoulder"},
        UnitsLineCase{"ErosionNamesNoModulusOfRupture", false, true, true, true,
                      "Model units: h = 9.5 in, k = 130 psi/in; concrete shoulder, doweled "
                      "joints"},
        UnitsLineCase{"Neither", false, false, false, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Only results put together by hand can hold parts computed with different inputs; each part
// then has its own sentence.
TEST(ModelUnitsLine, PartsWithDifferentInputsEachHaveTheirOwn) {
    AnalysisResults r = analysed(true, true);
    r.erosionInputs.slab.thickness = Inches{10.0f};
    EXPECT_EQ(modelUnitsLine(calculationDetails(r)),
              "Model units, fatigue part: h = 9.5 in, k = 130 psi/in, Sc = 650 psi; no concrete "
              "shoulder. Erosion part: h = 10 in, k = 130 psi/in; no concrete shoulder, doweled "
              "joints");
}

// The memo's table: the report's words and the memo's units, five significant digits at most.
TEST(ReadableDetailsTable, InTheMemosUnitsWithTheReportsWords) {
    struct Case {
        const char* name;
        UnitSystem units;
        std::size_t row;  // 0..9 single, 10..19 tandem
        std::vector<std::pair<std::size_t, const char*>> cells;
    };
    const Case cases[] = {
        {"EnglishSingleRow1",
         UnitSystem::English,
         0,
         {{2, "36"}, {3, "6258"}, {9, "0.60579"}, {10, "26353"}, {11, "23.746"}}},
        // kN, cm, kPa and mm; the ratio and the counts as in English units.
        {"MetricSingleRow1",
         UnitSystem::Metric,
         0,
         {{2, "160.2"},
          {3, "6258"},
          {4, "98.292"},
          {8, "2718.2"},
          {9, "0.60688"},
          {12, "1.3395"},
          {16, "1438406"}}},
    };
    for (const Case& c : cases) {
        const DetailsTable table =
            readableDetailsTable(calculationDetails(analysed(true, true, c.units)), c.units);
        for (const auto& [column, text] : c.cells)
            EXPECT_EQ(table.rows[c.row][column], text) << c.name << " column " << column;
        for (const std::string& cell : table.rows[c.row]) {
            // Significant digits: from the first that is not zero.
            const std::size_t first = cell.find_first_of("123456789");
            std::size_t digits = 0;
            for (std::size_t i = first; i < cell.size() && first != std::string::npos; ++i)
                digits += std::isdigit(static_cast<unsigned char>(cell[i])) ? 1 : 0;
            if (cell.find('.') != std::string::npos) {
                EXPECT_LE(digits, 5u) << c.name << ": " << cell;
            }
        }
        EXPECT_EQ(table.modelUnits,
                  detailsTable(calculationDetails(analysed(true, true, c.units))).modelUnits);
    }
    // "Unlimited" exactly where the report prints it.
    const AnalysisResults results = analysed(true, true);
    const DetailsTable table =
        readableDetailsTable(calculationDetails(results), UnitSystem::English);
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        const float allowable = results.allowableFatigueRepetitions[i / kAxleRows][i % kAxleRows];
        EXPECT_EQ(table.rows[i][10] == "Unlimited", allowable >= kUnlimitedThreshold) << i;
    }
    EXPECT_EQ(readableDetailsColumns(UnitSystem::Metric)[2], "design load (kN)");
    EXPECT_TRUE(std::ranges::equal(readableDetailsColumns(UnitSystem::English), kDetailsColumns));
}

}  // namespace
}  // namespace zan
