// The damage chart window on the scripted platform: the initial designs, refused inputs,
// redrawing, the sensitivity table and saving the image.

#include "chart/damage_chart_window.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

#include "chart/svg_chart_view.h"
#include "commands/commands.h"
#include "io/memo_document.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/sensitivity.h"
#include "model/workspace.h"
#include "platform/core_text.h"
#include "support/fake_platform.h"

namespace zan::catalogue {
std::span<const Language> polishLanguages();  // tests/chart's Polish catalogue
}  // namespace zan::catalogue

namespace zan::test {
namespace {

class ChartWindowTest : public ::testing::Test {
  protected:
    DamageChartWindow& open() {
        window = std::make_unique<DamageChartWindow>(workspace, platform);
        window->show();
        return *window;
    }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    const MemoCharts& charts() const { return *window->document()->charts; }

    Workspace workspace;
    FakePlatform platform;
    std::unique_ptr<DamageChartWindow> window;
};

struct DesignCase {
    const char* name;
    UnitSystem units;
    std::array<float, 3> thicknesses;
    const char* recommendedLabel;
    const char* trialLabel;
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.name;
}

class InitialDesign : public ChartWindowTest, public ::testing::WithParamInterface<DesignCase> {
  protected:
    void SetUp() override { ASSERT_TRUE(workspace.chooseUnitSystem(GetParam().units)); }
};

TEST_P(InitialDesign, PlotsBothCurvesTheLimitAndTheThicknessTheCommandFinds) {
    DamageChartWindow& w = open();
    EXPECT_EQ(w.objectName(), "frmDamageChart");
    EXPECT_FALSE(w.isModal());
    EXPECT_TRUE(w.refusal().isEmpty());
    EXPECT_TRUE(w.damagePlot()->isVisible());

    // What Compute Design Thickness writes into the trial thickness field.
    Workspace commanded = workspace;
    ASSERT_TRUE(computeDesignThickness(commanded).ok());
    const DamageCurveChart& curve = charts().curve;
    EXPECT_EQ(formatSignificant(curve.recommended), commanded.pavement().thickness);
    EXPECT_EQ(curve.recommendedLabel, GetParam().recommendedLabel);
    EXPECT_EQ(curve.trialLabel, GetParam().trialLabel);
    EXPECT_EQ(w.damagePlot()->svg(), curve.svg);
    EXPECT_TRUE(w.damagePlot()->drawing().valid());

    Workspace analysed = workspace;
    for (float h : GetParam().thicknesses) {
        SCOPED_TRACE(h);
        auto run = runDamageAnalysis(analysed, AnalysisRequest{EnteredThickness{h}, true, true});
        ASSERT_TRUE(run.ok());
        for (std::size_t part = 0; part < 2; ++part) {
            const auto& points = curve.series[part].pieces.front();
            auto p = std::find_if(points.begin(), points.end(),
                                  [&](const auto& q) { return q.first == h; });
            ASSERT_NE(p, points.end());
            EXPECT_EQ(p->second, part == 0 ? run->totalFatigueDamage : run->totalErosionDamage);
        }
    }
    // Both curves cross the 100 % line, which lies inside the damage axis.
    for (const ChartSeries& series : curve.series) {
        EXPECT_GE(series.pieces.front().front().second, 100.0);
        EXPECT_LT(series.pieces.back().back().second, 100.0);
    }
    EXPECT_LT(curve.decades.lowest, 2);
    EXPECT_GT(curve.decades.highest, 2);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_P(InitialDesign, SensitivityTableIsSeparateSearchesWithTheChangedTexts) {
    DamageChartWindow& w = open();
    QTableWidget* table = w.sensitivityTable();
    ASSERT_EQ(table->rowCount(), static_cast<int>(kSensitivityInputs.size()));
    for (std::size_t i = 0; i < kSensitivityInputs.size(); ++i) {
        const InputField input = kSensitivityInputs[i];
        const int row = static_cast<int>(i);
        SCOPED_TRACE(shortInputName(input, GetParam().units));
        const double value = parseNumber(inputText(workspace, input, 0));
        EXPECT_EQ(table->item(row, 0)->text(), fromCore(shortInputName(input, GetParam().units)));
        for (auto [column, factor] : {std::pair{2, 0.8}, std::pair{4, 1.2}}) {
            const std::string text = formatSignificant(value * factor);
            Workspace changed = workspace;
            ensureInputText(changed, input, 0) = text;
            auto found = searchDesignThickness(changed);
            ASSERT_TRUE(found.ok());
            EXPECT_EQ(table->item(row, column)->text(), fromCore(text));
            EXPECT_EQ(table->item(row, column + 1)->text(),
                      fromCore(formatFixed(found->thickness, 2)));
        }
    }
    EXPECT_EQ(charts().tornado.bars.size(), kSensitivityInputs.size());
    EXPECT_EQ(charts().tornado.bars.front().name, "LSF");  // the widest swing
}

// Each alternative is what Compute Design Thickness finds on a copy with that combination.
TEST_P(InitialDesign, AlternativesAreTheCommandOnEachCombination) {
    DamageChartWindow& w = open();
    QTableWidget* table = w.alternativesTable();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    ASSERT_EQ(table->rowCount(), 4);
    const std::pair<bool, bool> combinations[] = {
        {false, true}, {false, false}, {true, true}, {true, false}};
    for (int row = 0; row < 4; ++row) {
        const auto [shoulder, dowels] = combinations[row];
        SCOPED_TRACE(row);
        Workspace copy = workspace;
        copy.ensurePavement().concreteShoulder = shoulder;
        copy.ensurePavement().doweledJoints = dowels;
        ASSERT_TRUE(computeDesignThickness(copy).ok());
        EXPECT_EQ(table->item(row, 0)->text(), shoulder ? "Yes" : "No");
        EXPECT_EQ(table->item(row, 1)->text(), dowels ? "Yes" : "No");
        // The command writes the thickness it found into the trial thickness text.
        EXPECT_EQ(table->item(row, 2)->text(),
                  fromCore(formatFixed(parseNumber(copy.pavement().thickness), 2)));
        const bool entered = !shoulder && dowels;  // the initial design
        EXPECT_EQ(table->item(row, 3)->text(), entered ? "as entered" : "");
        EXPECT_EQ(table->item(row, 0)->font().bold(), entered);
    }
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), GetParam().units == UnitSystem::Metric
                                                          ? "Recommended thickness (cm)"
                                                          : "Recommended thickness (in)");
}

INSTANTIATE_TEST_SUITE_P(Units, InitialDesign,
                         ::testing::Values(DesignCase{"English",
                                                      UnitSystem::English,
                                                      {7.0f, 9.5f, 12.0f},
                                                      "Recommended 9.50 in",
                                                      "Trial 9.50 in"},
                                           DesignCase{"Metric",
                                                      UnitSystem::Metric,
                                                      {18.0f, 24.0f, 30.5f},
                                                      "Recommended 24.00 cm",
                                                      "Trial 24.10 cm"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A language the program does not ship, beyond Latin-1 (tests/chart/CMakeLists.txt), in the
// window's chart.
TEST_F(ChartWindowTest, ShowsALanguageBeyondLatin1) {
    catalogue::useLanguage(catalogue::polishLanguages()[1]);
    const QString svg = fromCore(open().damagePlot()->svg());
    catalogue::setLanguage(catalogue::kSourceLanguage);
    EXPECT_TRUE(svg.contains(QStringLiteral("\u0141\u0105czna szkoda zm\u0119czeniowa")));
    EXPECT_TRUE(window->damagePlot()->drawing().valid());
}

TEST_F(ChartWindowTest, ReadsTheWorkspaceWithoutTouchingIt) {
    const Workspace before = workspace;
    open().refresh();
    EXPECT_EQ(workspace, before);
    EXPECT_FALSE(workspace.unitChoiceLocked());  // no section created, the units stay free
}

TEST_F(ChartWindowTest, AlternativesMarkTheCombinationEnteredNow) {
    DamageChartWindow& w = open();
    workspace.ensurePavement().concreteShoulder = true;
    workspace.ensurePavement().doweledJoints = false;
    w.refresh();
    QTableWidget* table = w.alternativesTable();
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(table->item(row, 3)->text(), row == 3 ? "as entered" : "") << row;
        EXPECT_EQ(table->item(row, 2)->font().bold(), row == 3) << row;
    }
}

struct RefusedCase {
    const char* name;
    std::function<void(Workspace&)> spoil;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedDesign : public ChartWindowTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedDesign, ShowsTheCoresMessageInsteadOfTheCharts) {
    DamageChartWindow& w = open();
    GetParam().spoil(workspace);
    w.refresh();
    auto found = searchDesignThickness(workspace);
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(w.refusal(), fromCore(designSearchErrorMessage(found.error())));
    EXPECT_TRUE(w.findChild<QLabel*>("lblMessage")->isVisible());
    EXPECT_FALSE(w.damagePlot()->isVisible());
    EXPECT_FALSE(button("cmdSaveImage")->isEnabled());
    EXPECT_TRUE(platform.messages.empty());  // shown in the window, not in a box

    workspace = Workspace{};
    w.refresh();
    EXPECT_TRUE(w.refusal().isEmpty());
    EXPECT_TRUE(w.damagePlot()->isVisible());
    EXPECT_TRUE(button("cmdSaveImage")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedDesign,
    ::testing::Values(
        RefusedCase{"ZeroSubgrade",
                    [](Workspace& ws) { ws.ensurePavement().subgradeModulus = "0"; }},
        RefusedCase{"NothingPasses",
                    [](Workspace& ws) { ws.ensurePavement().modulusOfRupture = "40"; }},
        RefusedCase{"OverflowingTraffic",
                    [](Workspace& ws) { ws.ensureTraffic().averageDailyTraffic = "1e999"; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartWindowTest, RefreshFollowsTheInputsAndTheResults) {
    DamageChartWindow& w = open();
    EXPECT_FALSE(charts().rows.note.empty());  // nothing run yet

    workspace.ensureTraffic().loadSafetyFactor = "1.44";
    w.refresh();
    EXPECT_EQ(charts().curve.recommended, 10.75) << "before a run: the inputs";
    ASSERT_TRUE(performAnalysis(workspace, AnalysisKind::Both).ok());
    w.refresh();
    EXPECT_EQ(charts().curve.recommended, searchDesignThickness(workspace)->thickness);
    ASSERT_EQ(charts().rows.rows.size(), 20u);
    EXPECT_EQ(w.axlePlot()->svg(), charts().rows.svg);
    // Labelled with the load the report lists, not the one the LSF makes of it.
    EXPECT_EQ(charts().rows.rows.front().label, "S 30.0");
    EXPECT_EQ(charts().rows.rows.front().fatigue, workspace.results().fatigueDamage[0][0]);
    auto* notice = w.findChild<QLabel*>("lblChartInputsChanged");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isHidden());

    // After the run the charts are the run's, marked while the inputs differ from its own.
    workspace.ensureTraffic().loadSafetyFactor = "1.2";
    w.refresh();
    EXPECT_EQ(charts().curve.recommended, 10.75);
    EXPECT_FALSE(notice->isHidden());
    EXPECT_TRUE(notice->text().startsWith("Inputs changed after this analysis ("));
}

struct SaveCase {
    const char* name;
    const char* file;
    QByteArray start;  // the format's signature
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveImage : public ChartWindowTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveImage, WritesTheChosenFormat) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QLatin1String(GetParam().file));
    DamageChartWindow& w = open();
    platform.saveFiles.push_back(path);
    QTest::mouseClick(button("cmdSaveImage"), Qt::LeftButton);

    ASSERT_EQ(platform.fileDialogFilters.size(), 1u);
    EXPECT_EQ(platform.fileDialogFilters[0], DamageChartWindow::kImageFilter);
    EXPECT_TRUE(platform.messages.empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(GetParam().start)) << bytes.left(16).toStdString();
    if (GetParam().start.startsWith("\x89PNG")) {
        const QImage image = QImage::fromData(bytes, "PNG");
        EXPECT_EQ(image.size(), w.findChild<QWidget*>("charts")->size());
    } else {
        EXPECT_TRUE(bytes.contains("<svg"));
        EXPECT_TRUE(bytes.contains("Recommended 9.50 in"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SaveImage,
    ::testing::Values(SaveCase{"Png", "chart.png", QByteArray("\x89PNG")},
                      SaveCase{"Svg", "chart.svg", QByteArray("<?xml")},
                      SaveCase{"SvgInCapitals", "CHART.SVG", QByteArray("<?xml")},
                      SaveCase{"AnyOtherNameIsPng", "chart.img", QByteArray("\x89PNG")}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnwritableCase {
    const char* name;
    const char* file;  // in a folder that does not exist
};

void PrintTo(const UnwritableCase& c, std::ostream* os) {
    *os << c.name;
}

class UnwritableImage : public ChartWindowTest,
                        public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableImage, IsReportedNamingTheFileAsChosen) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(GetParam().file));
    open();
    platform.saveFiles.push_back(path);
    QTest::mouseClick(button("cmdSaveImage"), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(fromCore(platform.messages[0].text)
                    .startsWith("The file " + path + " could not be written: "))
        << platform.messages[0].text;
    EXPECT_FALSE(QFile::exists(path));
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnwritableImage,
    ::testing::Values(UnwritableCase{"MissingFolder", "missing/chart.png"},
                      // Its file-system bytes are not Latin-1; the message still reads right.
                      UnwritableCase{"AccentedFolder", "r\u00e9sultats/chart.svg"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartWindowTest, SavingOverAnImageReplacesItWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.svg"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4 << 20, 'x'));  // longer than any chart drawing
    }
    open();
    platform.saveFiles.push_back(path);
    QTest::mouseClick(button("cmdSaveImage"), Qt::LeftButton);
    EXPECT_TRUE(platform.messages.empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml"));
    EXPECT_FALSE(bytes.contains("xxxx"));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.svg"});
}

TEST_F(ChartWindowTest, CancelledSaveWritesNothing) {
    open();
    platform.saveFiles.push_back(std::nullopt);
    QTest::mouseClick(button("cmdSaveImage"), Qt::LeftButton);
    EXPECT_EQ(platform.fileDialogFilters.size(), 1u);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace zan::test
