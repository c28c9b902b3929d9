// The damage per axle row chart: its bars are the last run's damage, row by row.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "chart/axle_damage_plot.h"
#include "model/workspace.h"

namespace zan::test {
namespace {

struct AxleCase {
    const char* name;
    UnitSystem units;
    bool fatigue;
    bool erosion;
    bool lastTandemRowShown;
    std::size_t rows;
    const char* firstLabel;
};

void PrintTo(const AxleCase& c, std::ostream* os) {
    *os << c.name;
}

class AxleDamagePlotTest : public ::testing::TestWithParam<AxleCase> {};

TEST_P(AxleDamagePlotTest, BarsAreTheRunsDamagePerRow) {
    const AxleCase& c = GetParam();
    Workspace ws;
    ASSERT_TRUE(ws.chooseUnitSystem(c.units));
    const float h = c.units == UnitSystem::Metric ? 24.0f : 9.5f;
    auto run = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{h}, c.fatigue, c.erosion});
    ASSERT_TRUE(run.ok());
    AxleDamagePlot plot;
    plot.setResults(*run, c.units, c.lastTandemRowShown);
    ASSERT_EQ(plot.rows().size(), c.rows);
    EXPECT_TRUE(plot.note().isEmpty());
    EXPECT_EQ(plot.rows().front().label, c.firstLabel);
    double largest = 0.0;
    for (const auto& row : plot.rows()) {
        SCOPED_TRACE(row.label.toStdString());
        const auto a = axleIndex(row.axle);
        const auto r = static_cast<std::size_t>(row.row - 1);
        EXPECT_FALSE(row.axle == AxleType::Tandem && row.row == 10 && !c.lastTandemRowShown);
        EXPECT_EQ(row.fatigueDamage.has_value(), c.fatigue);
        EXPECT_EQ(row.erosionDamage.has_value(), c.erosion);
        if (row.fatigueDamage) {
            EXPECT_EQ(*row.fatigueDamage, run->fatigueDamage[a][r]);
            largest = std::max(largest, static_cast<double>(*row.fatigueDamage));
        }
        if (row.erosionDamage) {
            EXPECT_EQ(*row.erosionDamage, run->erosionDamage[a][r]);
            largest = std::max(largest, static_cast<double>(*row.erosionDamage));
        }
    }
    EXPECT_GE(plot.damageMax(), largest);
    EXPECT_LT(plot.damageMax(), largest * 2.5);
    const QFontMetricsF metrics(plot.font());
    for (const auto& row : plot.rows())  // no label under the load axis' title
        EXPECT_LE(metrics.horizontalAdvance(row.label) + AxleDamagePlot::kTitleColumn + 4.0,
                  plot.labelColumn(metrics))
            << row.label.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, AxleDamagePlotTest,
    ::testing::Values(
        AxleCase{"Both", UnitSystem::English, true, true, true, 20, "S 36.0"},
        AxleCase{"FatigueOnly", UnitSystem::English, true, false, true, 20, "S 36.0"},
        AxleCase{"ErosionOnly", UnitSystem::English, false, true, true, 20, "S 36.0"},
        AxleCase{"LightCategoryHidesARow", UnitSystem::English, true, true, false, 19, "S 36.0"},
        AxleCase{"MetricLoadsInKilonewtons", UnitSystem::Metric, true, true, true, 20, "S 160.2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AxleDamagePlot, BeforeAnyRunSaysSo) {
    AxleDamagePlot plot;
    plot.setResults(AnalysisResults{}, UnitSystem::English, true);
    EXPECT_TRUE(plot.rows().empty());
    EXPECT_TRUE(plot.note().startsWith("No analysis has been run yet"));
}

}  // namespace
}  // namespace zan::test
