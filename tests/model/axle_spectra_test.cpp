#include "model/axle_spectra.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zan {
namespace {

// The published tables, as the texts the axle-load dialog shows: single kips, single kN,
// single axles/1000, tandem kips, tandem kN, tandem axles/1000.
struct PublishedRow {
    const char* singleKips;
    const char* singleKn;
    const char* singleCount;
    const char* tandemKips;
    const char* tandemKn;
    const char* tandemCount;
};
using PublishedTable = std::array<PublishedRow, kAxleRows>;

constexpr PublishedTable kLightTable = {{
    {"22", "97.9", "0.96", "36", "160.2", "4.19"},
    {"20", "89.0", "4.23", "32", "142.4", "69.59"},
    {"18", "80.1", "15.81", "28", "124.6", "68.48"},
    {"16", "71.2", "38.02", "24", "106.8", "39.18"},
    {"14", "62.3", "56.11", "20", "89.0", "57.10"},
    {"12", "53.4", "124.00", "16", "71.2", "75.02"},
    {"10", "44.5", "204.96", "12", "53.4", "139.30"},
    {"8", "35.6", "483.10", "8", "35.6", "85.59"},
    {"6", "26.7", "732.28", "4", "17.8", "31.90"},
    {"4", "17.8", "1693.31", "4", "17.8", "0.00"},
}};

constexpr PublishedTable kMediumTable = {{
    {"26", "115.7", "0.07", "44", "195.8", "1.16"},
    {"24", "106.8", "1.60", "40", "178.0", "7.76"},
    {"22", "97.9", "2.60", "36", "160.2", "38.79"},
    {"20", "89.0", "6.63", "32", "142.4", "54.76"},
    {"18", "80.1", "16.61", "28", "124.6", "44.43"},
    {"16", "71.2", "23.88", "24", "106.8", "30.74"},
    {"14", "62.3", "47.76", "20", "89.0", "45.00"},
    {"12", "53.4", "116.76", "16", "71.2", "59.25"},
    {"10", "44.5", "142.70", "12", "53.4", "91.15"},
    {"8", "35.6", "233.60", "8", "35.6", "47.01"},
}};

constexpr PublishedTable kHeavyTable = {{
    {"30", "133.5", "0.45", "52", "231.4", "1.19"},
    {"28", "124.6", "0.85", "48", "213.6", "2.91"},
    {"26", "115.7", "1.78", "44", "195.8", "8.01"},
    {"24", "106.8", "5.21", "40", "178.0", "21.31"},
    {"22", "97.9", "7.85", "36", "160.2", "56.25"},
    {"20", "89.0", "16.33", "32", "142.4", "103.63"},
    {"18", "80.1", "25.15", "28", "124.6", "121.22"},
    {"16", "71.2", "31.82", "24", "106.8", "72.54"},
    {"14", "62.3", "47.73", "20", "89.0", "85.94"},
    {"12", "53.4", "182.02", "16", "71.2", "99.34"},
}};

constexpr PublishedTable kVeryHeavyTable = {{
    {"34", "151.3", "0.19", "60", "267.0", "0.57"},
    {"32", "142.4", "0.54", "56", "249.2", "1.07"},
    {"30", "133.5", "0.63", "52", "231.4", "1.79"},
    {"28", "124.6", "1.78", "48", "213.6", "3.03"},
    {"26", "115.7", "3.52", "44", "195.8", "3.52"},
    {"24", "106.8", "4.16", "40", "178.0", "20.31"},
    {"22", "97.9", "9.69", "36", "160.2", "78.19"},
    {"20", "89.0", "41.82", "32", "142.4", "109.54"},
    {"18", "80.1", "68.27", "28", "124.6", "95.79"},
    {"16", "71.2", "57.07", "24", "106.8", "71.16"},
}};

constexpr PublishedTable kStandardTable = {{
    {"30", "133.5", "0.58", "52", "231.4", "1.96"},
    {"28", "124.6", "1.35", "48", "213.6", "3.94"},
    {"26", "115.7", "2.77", "44", "195.8", "11.48"},
    {"24", "106.8", "5.92", "40", "178.0", "34.27"},
    {"22", "97.9", "9.83", "36", "160.2", "81.42"},
    {"20", "89.0", "21.67", "32", "142.4", "85.50"},
    {"18", "80.1", "28.24", "28", "124.6", "152.21"},
    {"16", "71.2", "38.83", "24", "106.8", "90.52"},
    {"14", "62.3", "53.94", "20", "89.0", "112.78"},
    {"12", "53.4", "168.84", "16", "71.2", "124.63"},
}};

// No category: the standard spectrum of Input Axles.
struct SpectrumCase {
    const char* name;
    std::optional<AxleLoadCategory> category;
    const PublishedTable* table;
    bool lastTandemRowShown;
};

const std::vector<SpectrumCase> kSpectra = {
    {"Light", AxleLoadCategory::Light, &kLightTable, false},
    {"Medium", AxleLoadCategory::Medium, &kMediumTable, true},
    {"Heavy", AxleLoadCategory::Heavy, &kHeavyTable, true},
    {"VeryHeavy", AxleLoadCategory::VeryHeavy, &kVeryHeavyTable, true},
    {"Standard", std::nullopt, &kStandardTable, true},
};

void PrintTo(const SpectrumCase& c, std::ostream* os) {
    *os << c.name;
}

void apply(Workspace& workspace, const SpectrumCase& spectrum) {
    if (spectrum.category)
        applyAxleLoadCategory(workspace, *spectrum.category);
    else
        loadStandardAxleSpectrum(workspace);
}

Workspace workspaceIn(UnitSystem units) {
    Workspace workspace;
    workspace.chooseUnitSystem(units);
    return workspace;
}

const char* unitName(UnitSystem units) {
    return units == UnitSystem::Metric ? "Metric" : "English";
}

// A new axle-load section holds the standard spectrum, so its texts are the published ones
// checked below.
TEST(StandardSpectrum, IsWhatANewAxleLoadSectionHolds) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        Workspace workspace = workspaceIn(units);
        loadStandardAxleSpectrum(workspace);
        EXPECT_EQ(initialAxleInputs(units), workspace.axles()) << unitName(units);
    }
}

// Every published text of every spectrum, in both unit systems.
class SpectrumTexts : public ::testing::TestWithParam<std::tuple<SpectrumCase, UnitSystem>> {};

TEST_P(SpectrumTexts, MatchThePublishedTable) {
    const auto& [spectrum, units] = GetParam();
    const bool metric = units == UnitSystem::Metric;
    Workspace workspace = workspaceIn(units);
    apply(workspace, spectrum);

    const AxleInputs& axles = workspace.axles();
    for (std::size_t row = 0; row < kAxleRows; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const PublishedRow& expected = (*spectrum.table)[row];
        EXPECT_EQ(axles.rows[row].singleLoad, metric ? expected.singleKn : expected.singleKips);
        EXPECT_EQ(axles.rows[row].singleCount, expected.singleCount);
        EXPECT_EQ(axles.rows[row].tandemLoad, metric ? expected.tandemKn : expected.tandemKips);
        EXPECT_EQ(axles.rows[row].tandemCount, expected.tandemCount);
    }
    EXPECT_EQ(axles.loadHeading, metric ? "Axle Load (kN)" : "Axle Load (kips)");
    EXPECT_EQ(axles.lastTandemRowShown, spectrum.lastTandemRowShown);
}

TEST_P(SpectrumTexts, LockTheUnitChoiceAndKeepTheUnitSystem) {
    const auto& [spectrum, units] = GetParam();
    Workspace workspace = workspaceIn(units);
    apply(workspace, spectrum);

    EXPECT_TRUE(workspace.unitChoiceLocked());
    EXPECT_EQ(workspace.unitSystem(), units);
    EXPECT_FALSE(workspace.chooseUnitSystem(units == UnitSystem::Metric ? UnitSystem::English
                                                                        : UnitSystem::Metric));
}

TEST_P(SpectrumTexts, ApplyingTwiceEqualsOnce) {
    const auto& [spectrum, units] = GetParam();
    Workspace once = workspaceIn(units);
    apply(once, spectrum);
    Workspace twice = workspaceIn(units);
    apply(twice, spectrum);
    apply(twice, spectrum);
    EXPECT_EQ(once, twice);
}

TEST_P(SpectrumTexts, ReplaceEveryEditedText) {
    const auto& [spectrum, units] = GetParam();
    Workspace clean = workspaceIn(units);
    apply(clean, spectrum);

    Workspace edited = workspaceIn(units);
    AxleInputs& axles = edited.ensureAxles();
    for (AxleRowTexts& row : axles.rows)
        row = {" typed", "", "x", "1,5"};
    axles.loadHeading = "something else";
    axles.lastTandemRowShown = !spectrum.lastTandemRowShown;
    apply(edited, spectrum);

    EXPECT_EQ(edited.axles(), clean.axles());
}

TEST_P(SpectrumTexts, LeavePavementTrafficAndResultsAlone) {
    const auto& [spectrum, units] = GetParam();

    Workspace untouched = workspaceIn(units);
    apply(untouched, spectrum);
    EXPECT_FALSE(untouched.hasPavement());
    EXPECT_FALSE(untouched.hasTraffic());

    Workspace edited = workspaceIn(units);
    edited.ensurePavement().thickness = "11.25";
    edited.ensurePavement().concreteShoulder = true;
    edited.ensureTraffic().averageDailyTraffic = "777";
    AnalysisResults results;
    results.fatigueSelected = true;
    results.totalFatigueDamage = 42.0f;
    edited.commitResults(results);
    edited.setDetailedReports(true);
    const PavementInputs pavement = edited.pavement();
    const TrafficInputs traffic = edited.traffic();

    apply(edited, spectrum);
    EXPECT_EQ(edited.pavement(), pavement);
    EXPECT_EQ(edited.traffic(), traffic);
    EXPECT_EQ(edited.results(), results);
    EXPECT_TRUE(edited.detailedReports());
}

INSTANTIATE_TEST_SUITE_P(AllSpectra, SpectrumTexts,
                         ::testing::Combine(::testing::ValuesIn(kSpectra),
                                            ::testing::Values(UnitSystem::English,
                                                              UnitSystem::Metric)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    unitName(std::get<1>(info.param));
                         });

// Only Light hides tandem row 9; every other spectrum brings it back, with its own texts.
struct VisibilityCase {
    const char* name;
    std::optional<AxleLoadCategory> after;
    const char* tandemLoad;
    const char* tandemCount;
};

void PrintTo(const VisibilityCase& c, std::ostream* os) {
    *os << c.name;
}

class AfterLight : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(AfterLight, TandemRowNineIsShownAgain) {
    const VisibilityCase& c = GetParam();
    Workspace workspace;
    applyAxleLoadCategory(workspace, AxleLoadCategory::Light);
    ASSERT_FALSE(workspace.axles().lastTandemRowShown);

    if (c.after)
        applyAxleLoadCategory(workspace, *c.after);
    else
        loadStandardAxleSpectrum(workspace);

    const AxleInputs& axles = workspace.axles();
    EXPECT_TRUE(axles.lastTandemRowShown);
    EXPECT_EQ(axles.rows[9].tandemLoad, c.tandemLoad);
    EXPECT_EQ(axles.rows[9].tandemCount, c.tandemCount);
}

INSTANTIATE_TEST_SUITE_P(
    Spectra, AfterLight,
    ::testing::Values(VisibilityCase{"Medium", AxleLoadCategory::Medium, "8", "47.01"},
                      VisibilityCase{"Heavy", AxleLoadCategory::Heavy, "16", "99.34"},
                      VisibilityCase{"VeryHeavy", AxleLoadCategory::VeryHeavy, "24", "71.16"},
                      VisibilityCase{"InputAxles", std::nullopt, "16", "124.63"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LightCategory, RowNineStaysHiddenWhenAppliedAgain) {
    Workspace workspace;
    applyAxleLoadCategory(workspace, AxleLoadCategory::Light);
    applyAxleLoadCategory(workspace, AxleLoadCategory::Light);
    EXPECT_FALSE(workspace.axles().lastTandemRowShown);
}

// Input Axles restores what a new axle-load section holds, so a design that started from the
// defaults can always get back to them.
TEST(StandardSpectrum, EqualsTheTextsOfANewAxleSection) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        SCOPED_TRACE(unitName(units));
        Workspace workspace = workspaceIn(units);
        applyAxleLoadCategory(workspace, AxleLoadCategory::VeryHeavy);
        loadStandardAxleSpectrum(workspace);
        EXPECT_EQ(workspace.axles(), initialAxleInputs(units));
    }
}

// A data file can switch the unit system after the lock; the next category follows it.
TEST(SpectrumUnits, FollowTheUnitSystemInForceWhenApplied) {
    Workspace workspace;
    applyAxleLoadCategory(workspace, AxleLoadCategory::Heavy);
    EXPECT_EQ(workspace.axles().rows[0].singleLoad, "30");

    workspace.setUnitSystemFromFile(UnitSystem::Metric);
    applyAxleLoadCategory(workspace, AxleLoadCategory::Heavy);
    EXPECT_EQ(workspace.axles().rows[0].singleLoad, "133.5");
    EXPECT_EQ(workspace.axles().loadHeading, "Axle Load (kN)");
}

}  // namespace
}  // namespace zan
