// The analysis commands, the thickness search and the axle-load items, seen from the menu.

#include "shell/shell_test.h"

namespace zan::test {
namespace {

// ---------------------------------------------------------------- analysis

// Inputs of the initial English design with the thickness and dowels changed; the damage
// totals they give are noted beside each.
struct Design {
    const char* thickness;  // in
    bool dowels;
};
constexpr Design kPasses{"9.5", true};         // fatigue 63 %, erosion 39 %
constexpr Design kFatigueFails{"9", true};     // fatigue 245 %, erosion 62 %
constexpr Design kErosionFails{"9.5", false};  // fatigue 63 %, erosion 304 %
constexpr Design kBothFail{"8", true};         // fatigue 5408 %, erosion 168 %

struct AnalysisCase {
    const char* name;
    const char* item;
    Design design;
    const char* message;  // nullptr: no box
    const char* title;
};

class AnalysisCommand : public ShellTest, public ::testing::WithParamInterface<AnalysisCase> {};

TEST_P(AnalysisCommand, ShowsTheReportThenTheDamageMessage) {
    const AnalysisCase& c = GetParam();
    PavementInputs& pavement = window.workspace().ensurePavement();
    pavement.thickness = c.design.thickness;
    pavement.doweledJoints = c.design.dowels;

    trigger(c.item);

    EXPECT_EQ(reportBoxText(), fromCoreLines(currentReport()));
    EXPECT_TRUE(reportBoxText().contains("Sum =")) << qPrintable(reportBoxText());
    EXPECT_GE(platform.busyShown, 1);
    if (c.message == nullptr) {
        EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0],
                  (Message{c.message, c.title, Icon::Information, Buttons::Ok}));
    }
}

constexpr const char* kFatigueTitle = "ZAN Thickness Design: Fatigue Analysis";
constexpr const char* kErosionTitle = "ZAN Thickness Design: Erosion Analysis";
constexpr const char* kBothTitle = "ZAN Thickness Design";
constexpr const char* kFatigueLine = "The fatigue damage exceeds 100%.";
constexpr const char* kErosionLine = "The erosion damage exceeds 100%.";

INSTANTIATE_TEST_SUITE_P(
    Menu, AnalysisCommand,
    ::testing::Values(
        AnalysisCase{"FatiguePasses", "mnuFatigueAnalysis", kPasses, nullptr, kFatigueTitle},
        AnalysisCase{"FatigueFails", "mnuFatigueAnalysis", kFatigueFails, kFatigueLine,
                     kFatigueTitle},
        AnalysisCase{"FatigueIgnoresErosion", "mnuFatigueAnalysis", kErosionFails, nullptr,
                     kFatigueTitle},
        AnalysisCase{"ErosionPasses", "mnuErosionAnalysis", kPasses, nullptr, kErosionTitle},
        AnalysisCase{"ErosionFails", "mnuErosionAnalysis", kErosionFails, kErosionLine,
                     kErosionTitle},
        AnalysisCase{"ErosionIgnoresFatigue", "mnuErosionAnalysis", kFatigueFails, nullptr,
                     kErosionTitle},
        AnalysisCase{"BothPass", "mnuBothAnalysis", kPasses, nullptr, kBothTitle},
        AnalysisCase{"BothFatigueOnly", "mnuBothAnalysis", kFatigueFails,
                     "The fatigue damage exceeds 100%.\r\n", kBothTitle},
        AnalysisCase{"BothErosionOnly", "mnuBothAnalysis", kErosionFails,
                     "The erosion damage exceeds 100%.\r\n", kBothTitle},
        AnalysisCase{"BothFailFatigueFirst", "mnuBothAnalysis", kBothFail,
                     "The fatigue damage exceeds 100%.\r\nThe erosion damage exceeds 100%.\r\n",
                     kBothTitle}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, AnalysisAsFirstCommandLocksTheUnitsAndSelectsItsTables) {
    trigger("mnuBothAnalysis");
    EXPECT_EQ(unitMenu(), kEnglishLocked);
    EXPECT_TRUE(window.workspace().results().fatigueSelected);
    EXPECT_TRUE(window.workspace().results().erosionSelected);
    EXPECT_TRUE(reportBoxText().contains("Fatigue Analysis Solutions"));
    EXPECT_TRUE(reportBoxText().contains("Erosion Analysis Solutions"));

    trigger("mnuFatigueAnalysis");  // the whole box is replaced
    EXPECT_TRUE(reportBoxText().contains("Fatigue Analysis Solutions"));
    EXPECT_FALSE(reportBoxText().contains("Erosion Analysis Solutions"));
}

struct RefusedCase {
    const char* name;
    const char* item;
};

class RefusedCommand : public ShellTest, public ::testing::WithParamInterface<RefusedCase> {};

// A thickness of zero breaks the models: the command says why and keeps the old report.
TEST_P(RefusedCommand, ShowsTheReasonAndKeepsTheReportBox) {
    trigger("mnuBothAnalysis");
    const QString before = reportBoxText();
    const AnalysisResults resultsBefore = window.workspace().results();
    platform.clear();
    window.workspace().ensurePavement().thickness = "0";

    trigger(GetParam().item);

    EXPECT_EQ(reportBoxText(), before);
    EXPECT_EQ(window.workspace().results(), resultsBefore);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(platform.messages[0].text.empty());
}

INSTANTIATE_TEST_SUITE_P(Menu, RefusedCommand,
                         ::testing::Values(RefusedCase{"Fatigue", "mnuFatigueAnalysis"},
                                           RefusedCase{"Erosion", "mnuErosionAnalysis"},
                                           RefusedCase{"Both", "mnuBothAnalysis"},
                                           RefusedCase{"DesignThickness",
                                                       "mnuComputeDesignThickness"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- thickness search

struct SearchCase {
    const char* name;
    bool metric;
    const char* trialThickness;
    const char* found;  // written back into the pavement inputs
    const char* message;
};

class DesignThickness : public ShellTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(DesignThickness, WritesTheThicknessBackAndAnnouncesIt) {
    const SearchCase& c = GetParam();
    if (c.metric)
        trigger("MetricOption");
    platform.clear();
    window.workspace().ensurePavement().thickness = c.trialThickness;

    trigger("mnuComputeDesignThickness");

    EXPECT_EQ(window.workspace().pavement().thickness, c.found);
    EXPECT_EQ(reportBoxText(), fromCoreLines(currentReport()));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              (Message{c.message, "Recommended Design Thickness", Icon::Information, Buttons::Ok}));
}

INSTANTIATE_TEST_SUITE_P(
    Menu, DesignThickness,
    ::testing::Values(SearchCase{"EnglishFromAbove", false, "12", "9.5",
                                 "The Recommended Minimum Slab Thickness is :  9.50  in."},
                      SearchCase{"EnglishFromBelow", false, "7", "9.5",
                                 "The Recommended Minimum Slab Thickness is :  9.50  in."},
                      SearchCase{"MetricStartsAtTheWholeNumber", true, "24.1", "24",
                                 "The Recommended Minimum Slab Thickness is :  24.00  cm."}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- axle-load items

struct AxleItemCase {
    const char* name;
    const char* item;
    bool metric;
    const char* singleLoad0;
    const char* singleCount0;
    bool lastTandemRowShown;
};

class AxleLoadItem : public ShellTest, public ::testing::WithParamInterface<AxleItemCase> {};

TEST_P(AxleLoadItem, FillsTheAxleInputsOfItsSpectrumAndLocksTheUnits) {
    const AxleItemCase& c = GetParam();
    if (c.metric)
        trigger("MetricOption");
    platform.clear();
    window.workspace().ensureAxles().rows[0].singleLoad = "edited";

    trigger(c.item);

    const AxleInputs& axles = window.workspace().axles();
    EXPECT_EQ(axles.rows[0].singleLoad, c.singleLoad0);
    EXPECT_EQ(axles.rows[0].singleCount, c.singleCount0);
    EXPECT_EQ(axles.lastTandemRowShown, c.lastTandemRowShown);
    EXPECT_EQ(unitMenu(), c.metric ? kMetricLocked : kEnglishLocked);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(reportBoxText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Menu, AxleLoadItem,
    ::testing::Values(AxleItemCase{"Light", "mnuLight", false, "22", "0.96", false},
                      AxleItemCase{"Medium", "mnuMedium", false, "26", "0.07", true},
                      AxleItemCase{"Heavy", "mnuHeavy", false, "30", "0.45", true},
                      AxleItemCase{"VeryHeavy", "mnuVeryHeavy", false, "34", "0.19", true},
                      AxleItemCase{"InputAxles", "mnuAxleInput", false, "30", "0.58", true},
                      AxleItemCase{"LightMetric", "mnuLight", true, "97.9", "0.96", false},
                      AxleItemCase{"VeryHeavyMetric", "mnuVeryHeavy", true, "151.3", "0.19", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, MediumAfterLightShowsTandemRowNineAgain) {
    trigger("mnuLight");
    trigger("mnuMedium");
    EXPECT_TRUE(window.workspace().axles().lastTandemRowShown);
    EXPECT_EQ(window.workspace().axles().rows[9].tandemLoad, "8");
    EXPECT_EQ(window.workspace().axles().rows[9].tandemCount, "47.01");
}

}  // namespace
}  // namespace zan::test
