// The three charts: what each one plots, and that the drawing puts it where the chart says.

#include <gtest/gtest.h>
#include <QImage>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "chart/chart_widgets.h"
#include "model/workspace.h"

namespace zan::test {
namespace {

// Antialiasing blends the edges; a drawn line still has a pixel close to its own colour
// within a few pixels of where it should be. A thin grey line blends the most: the
// tolerance still tells it from the light grid and the white ground.
bool colourNear(const QImage& image, QPointF at, const QColor& want, int radius = 3,
                int tolerance = 60) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(qRound(at.x()) + dx, qRound(at.y()) + dy);
            if (!image.rect().contains(p))
                continue;
            const QColor c = image.pixelColor(p);
            if (std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                    std::abs(c.blue() - want.blue()) <
                tolerance)
                return true;
        }
    return false;
}

DamagePoint point(float fatigue, float erosion) {
    return DamagePoint{9.0f, fatigue, erosion};
}

struct DecadeCase {
    const char* name;
    std::vector<DamagePoint> points;
    DecadeRange expected;
};

void PrintTo(const DecadeCase& c, std::ostream* os) {
    *os << c.name;
}

class DecadeTest : public ::testing::TestWithParam<DecadeCase> {};

TEST_P(DecadeTest, AxisTakesInTheDamageAndTheHundredPercentLine) {
    EXPECT_EQ(damageDecades(GetParam().points), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, DecadeTest,
    ::testing::Values(
        DecadeCase{"NoPoints", {}, {0, 3}}, DecadeCase{"OnlyZeros", {point(0, 0)}, {0, 3}},
        DecadeCase{"AroundHundred", {point(50, 20), point(150, 90)}, {0, 3}},
        DecadeCase{"WideButWithinTheCaps", {point(0.5f, 0), point(5000, 12)}, {-1, 4}},
        // The initial English design from 6.25 to 14.25 in.
        DecadeCase{
            "CappedBothWays", {point(2.65e7f, 1211), point(0, 0.204f), point(0.064f, 5)}, {-2, 6}},
        DecadeCase{"ExactDecades", {point(0.1f, 10000)}, {-1, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

class DamageCurvePlotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto found = damageCurve(Workspace{});
        ASSERT_TRUE(found.ok());
        curve = *found;
        plot.setCurve(curve);
        plot.resize(900, 560);
        image = plot.grab().toImage();
    }
    DamageCurve curve;
    DamageCurvePlot plot;
    QImage image;
};

TEST_F(DamageCurvePlotTest, DrawsBothCurvesWhereItSaysItPutsThem) {
    int checked = 0;
    for (const DamagePoint& p : curve.points) {
        // Away from the marker lines, and inside the axis.
        if (std::fabs(p.thickness - curve.recommendedThickness) < 0.3f)
            continue;
        SCOPED_TRACE(p.thickness);
        if (p.totalFatigueDamage > 0.01f && p.totalFatigueDamage < 1e6f) {
            EXPECT_TRUE(colourNear(image, plot.toPixel(p.thickness, p.totalFatigueDamage),
                                   chart::kFatigue));
            ++checked;
        }
        if (p.totalErosionDamage > 0.01f) {
            EXPECT_TRUE(colourNear(image, plot.toPixel(p.thickness, p.totalErosionDamage),
                                   chart::kErosion));
            ++checked;
        }
    }
    EXPECT_GT(checked, 40);
}

TEST_F(DamageCurvePlotTest, DrawsTheHundredPercentLineAndTheRecommendedThickness) {
    const double x0 = curve.points.front().thickness;
    const double x1 = curve.points.back().thickness;
    // Sampled along the whole width, off the curves and the markers.
    int onLine = 0;
    for (int i = 1; i < 20; ++i) {
        const QPointF at = plot.toPixel(x0 + (x1 - x0) * i / 20.0, 100.0);
        onLine += colourNear(image, at, chart::kLimit, 2, 200) ? 1 : 0;
    }
    EXPECT_GE(onLine, 10);  // dashed
    const DecadeRange d = plot.decades();
    EXPECT_LT(d.lowest, 2);
    EXPECT_GT(d.highest, 2);

    // The recommended line runs the full height; sample its lower part, below the labels.
    int onMarker = 0;
    for (double decade = d.lowest + 0.2; decade < d.highest - 1.0; decade += 0.25) {
        const QPointF at = plot.toPixel(curve.recommendedThickness, std::pow(10.0, decade));
        onMarker += colourNear(image, at, chart::kRecommended, 1) ? 1 : 0;
    }
    EXPECT_GE(onMarker, 10);
    EXPECT_EQ(plot.recommendedLabel(), "Recommended 9.50 in");
    EXPECT_EQ(plot.trialLabel(), "Trial 9.50 in");
    EXPECT_EQ(plot.thicknessAxisTitle(), "Slab thickness (in)");
    EXPECT_EQ(plot.damageAxisTitle(), "Total damage (%), log scale");
}

TEST(DamageCurvePlot, TrialOutsideTheRangeIsNamedNotDrawn) {
    Workspace ws;
    ws.pavement().thickness = "40";
    auto curve = damageCurve(ws);
    ASSERT_TRUE(curve.ok());
    DamageCurvePlot plot;
    plot.setCurve(*curve);
    EXPECT_FALSE(plot.trialShown());
    EXPECT_EQ(plot.trialLabel(), QStringLiteral("Trial 40.00 in \u2192"));
}

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
    auto run = runDamageAnalysis(ws, AnalysisRequest{h, c.fatigue, c.erosion});
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

TEST(TornadoPlot, WidestSwingOnTopAndInputsWithoutResultLast) {
    Sensitivity s;
    s.base.thickness = 9.5f;
    auto row = [](SensitivityInput input, std::optional<float> lower, std::optional<float> upper) {
        SensitivityRow r;
        r.input = input;
        r.lower.thickness = lower;
        r.upper.thickness = upper;
        return r;
    };
    s.rows = {row(SensitivityInput::SubgradeModulus, 9.75f, 9.25f),
              row(SensitivityInput::ModulusOfRupture, std::nullopt, 8.75f),
              row(SensitivityInput::AverageDailyTraffic, 9.25f, 9.5f),
              row(SensitivityInput::GrowthPercent, 9.5f, 9.5f),
              row(SensitivityInput::LoadSafetyFactor, 8.25f, 10.75f)};
    TornadoPlot plot;
    plot.setSensitivity(s);
    std::vector<std::string> order;
    for (const auto& bar : plot.bars())
        order.push_back(bar.name.toStdString());
    // Equal swings keep the inputs' order.
    EXPECT_EQ(order, (std::vector<std::string>{"LSF", "k (psi/in)", "ADT", "Growth rate (%)",
                                               "Sc (psi)"}));
    EXPECT_EQ(plot.base(), 9.5f);
    EXPECT_EQ(plot.thicknessAxisTitle(), "Recommended thickness (in)");
}

}  // namespace
}  // namespace zan::test
