// What the charts share: the tick spacing and texts, and that every chart draws within the
// bounds it is given, the same wherever they lie, and leaves the painter as it found it, so
// that it can be drawn onto any page.

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/axle_damage_plot.h"
#include "chart/damage_curve_plot.h"
#include "chart/tornado_plot.h"
#include "model/workspace.h"

namespace zan::test {
namespace {

struct StepCase {
    const char* name;
    double range;
    int ticks;
    double step;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class NiceStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(NiceStep, IsOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(plot::niceStep(GetParam().range, GetParam().ticks), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NiceStep,
    ::testing::Values(StepCase{"Exact", 10.0, 10, 1.0}, StepCase{"UpToTwo", 8.0, 5, 2.0},
                      StepCase{"UpToFive", 23.7, 5, 5.0}, StepCase{"UpToTen", 7.0, 1, 10.0},
                      StepCase{"Small", 0.03, 6, 0.005}, StepCase{"Large", 2.65e7, 5, 1e7},
                      StepCase{"Empty", 0.0, 5, 1.0}, StepCase{"Negative", -3.0, 5, 1.0},
                      StepCase{"NotANumber", NAN, 5, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    QString text;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class AxisText : public ::testing::TestWithParam<TextCase> {};

TEST_P(AxisText, IsWrittenAsTheReportWouldWriteIt) {
    EXPECT_EQ(GetParam().text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AxisText,
    ::testing::Values(TextCase{"TickWhole", plot::tickText(1000.0), "1000"},
                      TextCase{"TickSmall", plot::tickText(0.01), "0.01"},
                      // Summing ticks drifts in binary; six digits hide it.
                      TextCase{"TickDrift", plot::tickText(0.1 + 0.2), "0.3"},
                      TextCase{"ThicknessTwoDecimals", plot::thicknessText(9.5f), "9.50"},
                      TextCase{"ThicknessRounded", plot::thicknessText(24.125f), "24.13"},
                      TextCase{"UnitEnglish", plot::unitOf(UnitSystem::English), "in"},
                      TextCase{"UnitMetric", plot::unitOf(UnitSystem::Metric), "cm"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TicksCase {
    const char* name;
    double lowest, highest, step;
    std::vector<double> ticks;
};

void PrintTo(const TicksCase& c, std::ostream* os) {
    *os << c.name;
}

class TickValues : public ::testing::TestWithParam<TicksCase> {};

TEST_P(TickValues, AreTheStepsMultiplesWithinTheRange) {
    const std::vector<double> ticks =
        plot::tickValues(GetParam().lowest, GetParam().highest, GetParam().step);
    ASSERT_EQ(ticks.size(), GetParam().ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i)
        EXPECT_NEAR(ticks[i], GetParam().ticks[i], 1e-12 * GetParam().step) << i;
}

// A damage of 1e-30 % once froze the program: 1e-9 added to the end of the range took
// 1e21 steps to reach.
INSTANTIATE_TEST_SUITE_P(
    Ranges, TickValues,
    ::testing::Values(TicksCase{"BothEnds", 0.0, 1.0, 0.25, {0.0, 0.25, 0.5, 0.75, 1.0}},
                      TicksCase{"Inside", 8.1, 9.9, 0.5, {8.5, 9.0, 9.5}},
                      TicksCase{"Negative", -1.0, 0.5, 0.5, {-1.0, -0.5, 0.0, 0.5}},
                      TicksCase{
                          "Tiny", 0.0, 1e-30, 2e-31, {0.0, 2e-31, 4e-31, 6e-31, 8e-31, 1e-30}},
                      TicksCase{"RoundingAtTheEnd", 0.0, 0.3, 0.1, {0.0, 0.1, 0.2, 0.3}},
                      TicksCase{"NoStep", 0.0, 1.0, 0.0, {}},
                      TicksCase{"Reversed", 1.0, 0.0, 0.5, {}},
                      TicksCase{"Infinite", 0.0, INFINITY, 1.0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TickValues, AreNeverMoreThanAThousand) {
    EXPECT_EQ(plot::tickValues(0.0, 1e12, 1.0).size(), 1000u);
}

// A plot holding the initial design's data.
struct PlotCase {
    const char* name;
    std::function<std::unique_ptr<Plot>()> make;
};

void PrintTo(const PlotCase& c, std::ostream* os) {
    *os << c.name;
}

std::unique_ptr<Plot> damagePlot() {
    auto plot = std::make_unique<DamageCurvePlot>();
    plot->setCurve(*damageCurve(Workspace{}));
    return plot;
}

std::unique_ptr<Plot> axlePlot(bool run) {
    auto plot = std::make_unique<AxleDamagePlot>();
    Workspace ws;
    AnalysisResults results;
    if (run)
        results = *runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{9.5f}, true, true});
    plot->setResults(results, UnitSystem::English, true);
    return plot;
}

std::unique_ptr<Plot> tornadoPlot(bool withBase) {
    auto plot = std::make_unique<TornadoPlot>();
    Workspace ws;
    Sensitivity s = sensitivity(ws);
    if (!withBase)
        s.base.thickness.reset();
    plot->setSensitivity(s);
    return plot;
}

class PlotBounds : public ::testing::TestWithParam<PlotCase> {
  protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 420;

    // The plot painted at `offset` on a grey page larger than the plot.
    QImage page(const Plot& plot, QPoint offset, bool checkState = false) {
        QImage image(kWidth + 200, kHeight + 200, QImage::Format_ARGB32);
        image.fill(Qt::gray);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 3));
        painter.setBrush(Qt::cyan);
        const QFont font = painter.font();
        plot.paint(painter, QRectF(offset, QSize(kWidth, kHeight)));
        if (checkState) {
            EXPECT_EQ(painter.pen(), QPen(Qt::red, 3));
            EXPECT_EQ(painter.brush(), QBrush(Qt::cyan));
            EXPECT_EQ(painter.font(), font);
            EXPECT_TRUE(painter.transform().isIdentity());
            EXPECT_FALSE(painter.hasClipping());
        }
        return image;
    }
};

TEST_P(PlotBounds, DrawsOnlyInsideItsBoundsTheSameWhereverTheyLie) {
    const std::unique_ptr<Plot> plot = GetParam().make();
    const QImage atOrigin = page(*plot, QPoint(0, 0));
    const QPoint offset(137, 61);
    const QImage moved = page(*plot, offset, true);
    EXPECT_EQ(moved.copy(QRect(offset, QSize(kWidth, kHeight))),
              atOrigin.copy(QRect(QPoint(0, 0), QSize(kWidth, kHeight))));
    // Outside the bounds the page is untouched.
    int touched = 0;
    for (int y = 0; y < moved.height(); ++y)
        for (int x = 0; x < moved.width(); ++x)
            if (!QRect(offset, QSize(kWidth, kHeight)).contains(x, y) &&
                moved.pixelColor(x, y) != QColor(Qt::gray))
                ++touched;
    EXPECT_EQ(touched, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, PlotBounds,
    ::testing::Values(PlotCase{"DamageCurve", damagePlot},
                      PlotCase{"AxleDamage", [] { return axlePlot(true); }},
                      PlotCase{"AxleDamageBeforeAnyRun", [] { return axlePlot(false); }},
                      PlotCase{"Tornado", [] { return tornadoPlot(true); }},
                      PlotCase{"TornadoWithoutBase", [] { return tornadoPlot(false); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan::test
