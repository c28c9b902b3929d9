// Perform Analysis > Damage Chart in the main window: opening it, and the chart following
// the commands and the inputs.

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>

#include "chart/damage_chart_window.h"
#include "io/memo_document.h"
#include "model/design_search.h"
#include "shell/main_window.h"
#include "support/fake_platform.h"
#include "support/windows.h"

namespace zan::test {
namespace {

class ChartMenu : public ::testing::Test {
  protected:
    void SetUp() override { window.show(); }

    void trigger(const char* name) {
        QAction* item = window.findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        ASSERT_TRUE(item->isEnabled()) << name;
        item->trigger();
    }
    DamageChartWindow* chart() const {
        return window.findChild<DamageChartWindow*>(QStringLiteral("frmDamageChart"));
    }
    const MemoCharts& charts() const { return *chart()->document()->charts; }
    float searched() {
        Workspace copy = window.workspace();
        auto found = searchDesignThickness(copy);
        EXPECT_TRUE(found.ok());
        return found.ok() ? found->thickness : 0.0f;
    }

    FakePlatform platform;
    MainWindow window{platform};
};

TEST_F(ChartMenu, OpensOneModelessChartThatLeavesTheUnitChoiceFree) {
    trigger("mnuDamageChart");
    ASSERT_NE(chart(), nullptr);
    EXPECT_TRUE(chart()->isVisible());
    EXPECT_FALSE(chart()->isModal());
    EXPECT_EQ(charts().curve.recommended, 9.5f);
    EXPECT_FALSE(window.workspace().unitChoiceLocked());
    EXPECT_TRUE(window.findChild<QAction*>("MetricOption")->isEnabled());

    trigger("mnuDamageChart");
    EXPECT_EQ(window.findChildren<DamageChartWindow*>().size(), 1);
    EXPECT_TRUE(platform.messages.empty());
}

// Found by the random walks: the open chart kept the English curve after File > Default
// Options > Metric System.
TEST_F(ChartMenu, FollowsAUnitSwitch) {
    trigger("mnuDamageChart");
    trigger("MetricOption");
    ASSERT_NE(chart(), nullptr);
    EXPECT_EQ(charts().curve.recommended, searched());
    EXPECT_EQ(charts().curve.unit, "cm");
}

struct CommandCase {
    const char* name;
    const char* item;
    std::size_t axleRows;  // bars after the command
    const char* trialLabel;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class ChartAfterCommand : public ChartMenu, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ChartAfterCommand, RedrawsFromTheNewInputsAndResults) {
    window.workspace().ensurePavement().thickness = "12";
    trigger("mnuDamageChart");
    ASSERT_NE(chart(), nullptr);
    EXPECT_TRUE(charts().rows.rows.empty());
    EXPECT_EQ(charts().curve.trialLabel, "Trial 12.00 in");

    trigger(GetParam().item);
    EXPECT_EQ(charts().rows.rows.size(), GetParam().axleRows);
    EXPECT_EQ(charts().curve.trialLabel, GetParam().trialLabel);
    EXPECT_EQ(charts().curve.recommended, searched());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ChartAfterCommand,
    ::testing::Values(CommandCase{"BothAnalysis", "mnuBothAnalysis", 20, "Trial 12.00 in"},
                      CommandCase{"ErosionAnalysis", "mnuErosionAnalysis", 20, "Trial 12.00 in"},
                      // The search writes its thickness into the trial field.
                      CommandCase{"ComputeDesignThickness", "mnuComputeDesignThickness", 20,
                                  "Trial 9.50 in"},
                      // A category changes the spectrum but runs nothing.
                      CommandCase{"LightCategory", "mnuLight", 0, "Trial 12.00 in"}),
    [](const auto& info) { return std::string(info.param.name); });

// The chart is told of every change, so coming back to it recomputes nothing.
TEST_F(ChartMenu, ComingBackToItRunsNoSearch) {
    trigger("mnuDamageChart");
    ASSERT_NE(chart(), nullptr);
    const long searches = designSearchCounts().searches;
    activate(chart());
    activate(&window);
    activate(chart());
    EXPECT_EQ(designSearchCounts().searches, searches);
}

struct KeystrokeCase {
    const char* name;
    const char* typed;  // into the trial thickness, after selecting the whole text
    long searches;      // at most, per keystroke: one from the trial thickness, 17 near it
    long maxRuns;       // analysis runs of the worst keystroke
};

void PrintTo(const KeystrokeCase& c, std::ostream* os) {
    *os << c.name;
}

class ChartWhileTyping : public ChartMenu, public ::testing::WithParamInterface<KeystrokeCase> {};

// A keystroke with the chart open recomputes the chart once. The runs are counted, not timed,
// so that the bound holds on a loaded machine and under the sanitizers alike; the wall and
// processor time of the worst keystroke are recorded for the record.
TEST_P(ChartWhileTyping, EachKeystrokeRecomputesTheChartOnceWithFewRuns) {
    trigger("mnuDamageChart");
    trigger("mnuZANLayer");
    QDialog* pavement = window.findChild<QDialog*>(QStringLiteral("frmZanSlab"));
    ASSERT_NE(pavement, nullptr);
    auto* h = pavement->findChild<QLineEdit*>(QStringLiteral("h1_V"));
    ASSERT_NE(h, nullptr);
    h->selectAll();
    long worstRuns = 0;
    double worstMs = 0.0;
    double worstCpuMs = 0.0;
    for (const char key : std::string(GetParam().typed)) {
        const DesignSearchCounts before = designSearchCounts();
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        QTest::keyClick(h, key);
        const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        const DesignSearchCounts after = designSearchCounts();
        EXPECT_LE(after.searches - before.searches, GetParam().searches) << key;
        worstRuns = std::max(worstRuns, after.runs - before.runs);
        worstMs = std::max(worstMs, took.count());
        worstCpuMs = std::max(worstCpuMs, cpuMs);
    }
    EXPECT_EQ(window.workspace().pavement().thickness, GetParam().typed);
    EXPECT_EQ(charts().curve.recommended, 9.5f);
    EXPECT_LE(worstRuns, GetParam().maxRuns);
    RecordProperty("worst_keystroke_runs", static_cast<int>(worstRuns));
    RecordProperty("worst_keystroke_us", static_cast<int>(worstMs * 1000.0));
    RecordProperty("worst_keystroke_cpu_us", static_cast<int>(worstCpuMs * 1000.0));
}

INSTANTIATE_TEST_SUITE_P(TrialThicknesses, ChartWhileTyping,
                         ::testing::Values(KeystrokeCase{"Absurd", "650", 18, 400},
                                           KeystrokeCase{"AtTheLimit", "50", 18, 400},
                                           KeystrokeCase{"ThreeTimesTheRecommended", "28.5", 18,
                                                         400},
                                           KeystrokeCase{"Thin", "3", 18, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartMenu, FollowsTheTypingInAnInputDialog) {
    trigger("mnuDamageChart");
    trigger("mnuZANTraffic");
    QDialog* traffic = window.findChild<QDialog*>(QStringLiteral("frmZanTraffic"));
    ASSERT_NE(traffic, nullptr);
    auto* lsf = traffic->findChild<QLineEdit*>(QStringLiteral("LSF_V"));
    ASSERT_NE(lsf, nullptr);
    lsf->selectAll();
    QTest::keyClicks(lsf, QStringLiteral("1.44"));
    EXPECT_EQ(charts().curve.recommended, 10.75f);

    // Cancel puts the remembered text back, and the chart follows that too.
    auto* cancel = traffic->findChild<QPushButton*>(QStringLiteral("cancel"));
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(window.workspace().traffic().loadSafetyFactor, "1.2");
    EXPECT_EQ(charts().curve.recommended, 9.5f);
}

TEST_F(ChartMenu, ClosesWithTheProgram) {
    trigger("mnuDamageChart");
    QPointer<DamageChartWindow> opened = chart();
    ASSERT_FALSE(opened.isNull());
    platform.answers.push_back(Answer::No);  // "Save Outputs before closing?"
    window.close();
    EXPECT_TRUE(opened.isNull() || !opened->isVisible());
}

}  // namespace
}  // namespace zan::test
