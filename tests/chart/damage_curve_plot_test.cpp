// The damage curve chart: its decades, and that the drawing puts each curve, the 100 % line
// and the recommended thickness where the chart says it does.

#include <gtest/gtest.h>
#include <QImage>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "chart/damage_curve_plot.h"
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
    ws.ensurePavement().thickness = "40";
    auto curve = damageCurve(ws);
    ASSERT_TRUE(curve.ok());
    DamageCurvePlot plot;
    plot.setCurve(*curve);
    EXPECT_FALSE(plot.trialShown());
    EXPECT_EQ(plot.trialLabel(), QStringLiteral("Trial 40.00 in \u2192"));
}

}  // namespace
}  // namespace zan::test
