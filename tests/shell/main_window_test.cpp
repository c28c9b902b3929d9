// The main window: start-up state, the menu tree, the report box layout and the unit switch
// with its lock.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <map>

#include "commands/commands.h"
#include "model/catalogue.h"
#include "shell/language.h"
#include "shell/shell_test.h"

namespace zan::test {
namespace {

// ---------------------------------------------------------------- start-up

TEST_F(ShellTest, StartsEnglishSwitchableWithAnEmptyReportBox) {
    EXPECT_EQ(window.objectName(), "frmMain");
    EXPECT_EQ(window.windowTitle(), "ZAN Thickness Design");
    EXPECT_TRUE(reportBoxText().isEmpty());
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
    EXPECT_EQ(window.workspace().unitSystem(), UnitSystem::English);
    EXPECT_FALSE(window.workspace().unitChoiceLocked());
    // Nothing is created at start-up: no input section, no message, the pointer back.
    EXPECT_FALSE(window.workspace().hasPavement());
    EXPECT_FALSE(window.workspace().hasTraffic());
    EXPECT_FALSE(window.workspace().hasAxles());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(ShellTest, ReportBoxIsReadOnlyUnwrappedFixedPitchWithBothScrollBars) {
    QPlainTextEdit* box = window.reportBox();
    ASSERT_EQ(box, window.findChild<QPlainTextEdit*>("txtReports"));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->font().pointSize(), 12);
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch()) << qPrintable(QFontInfo(box->font()).family());
}

TEST_F(ShellTest, InitialClientAreaIs7395By6600Twips) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize client = window.centralWidget()->size();
    EXPECT_NEAR(client.width(), 7395.0 * window.logicalDpiX() / 1440.0, 1.0);
    EXPECT_NEAR(client.height(), 6600.0 * window.logicalDpiY() / 1440.0, 1.0);
}

// ---------------------------------------------------------------- layout

class ReportBoxLayout : public ShellTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(ReportBoxLayout, FollowsTheOuterSizeOfTheWindow) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.resize(GetParam());
    QCoreApplication::processEvents();
    const QSize outer = window.frameGeometry().size();
    const QRect box = window.reportBox()->geometry();
    EXPECT_EQ(box.topLeft(), QPoint(0, 0));
    EXPECT_EQ(box.width(), qRound(outer.width() * 0.99));
    EXPECT_EQ(box.height(), qRound(outer.height() * 0.91));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReportBoxLayout,
                         ::testing::Values(QSize(300, 200), QSize(640, 480), QSize(1000, 900),
                                           QSize(1500, 300)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

// ---------------------------------------------------------------- the menu tree

struct MenuRow {
    std::string path;     // object names from the menu bar down, separated by '/'
    std::string caption;  // "-" for a separator
    std::string shortcut;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool operator==(const MenuRow&) const = default;
};

void PrintTo(const MenuRow& r, std::ostream* os) {
    *os << r.path << " \"" << r.caption << "\" [" << r.shortcut << "]"
        << (r.visible ? "" : " hidden") << (r.enabled ? "" : " disabled")
        << (r.checked ? " checked" : "");
}

void collect(const QList<QAction*>& actions, const std::string& prefix,
             std::vector<MenuRow>& rows) {
    for (QAction* a : actions) {
        const std::string path = prefix + a->objectName().toStdString();
        rows.push_back({path, a->isSeparator() ? "-" : a->text().toStdString(),
                        a->shortcut().toString().toStdString(), a->isVisible(), a->isEnabled(),
                        a->isChecked()});
        if (QMenu* sub = a->menu())
            collect(sub->actions(), path + "/", rows);
    }
}

TEST_F(ShellTest, MenuTreeHasEveryItemInOrderWithItsCaptionShortcutAndState) {
    const std::vector<MenuRow> expected = {
        {"File", "&File", ""},
        {"File/mnuDefaultOptions", "&Default Options", ""},
        {"File/mnuDefaultOptions/MetricOption", "&Metric System", "", true, true, false},
        {"File/mnuDefaultOptions/EnglishOption", "&English System", "", true, false, true},
        // A hidden item cannot be triggered from the menu: Qt reports it disabled too.
        {"File/mnuDefaultOptions/Line0a", "-", "", false, false},
        {"File/mnuDefaultOptions/DetailedReportsOption", "&Detailed Reports", "", false, false,
         false},
        {"File/Line0", "-", ""},
        {"File/FileLoad", "&Read Data From File...", "Ctrl+R"},
        {"File/FileSave", "&Save Input Data...", "Ctrl+S"},
        {"File/line0b", "-", ""},
        {"File/mnuSaveReport", "S&ave Report...", ""},
        {"File/mnuPrintReport", "&Print Report...", ""},
        {"File/mnuExportPdf", "&Export PDF...", "Ctrl+E"},
        {"File/line1", "-", ""},
        {"File/FileExit", "E&xit", ""},
        {"mnuEdit", "&Edit", ""},
        {"mnuEdit/mnuZANLayer", "&Pavement Data...", ""},
        {"mnuEdit/mnuZANTraffic", "&Traffic Data...", ""},
        {"mnuEdit/mnuProjectInfo", "Project &Information...", ""},
        {"mnuEdit/mnuZANAxles", "&Axle Load Cat...", ""},
        {"mnuEdit/mnuZANAxles/mnuLight", "&Light", ""},
        {"mnuEdit/mnuZANAxles/mnuMedium", "&Medium", ""},
        {"mnuEdit/mnuZANAxles/mnuHeavy", "&Heavry", ""},
        {"mnuEdit/mnuZANAxles/mnuVeryHeavy", "&Veray Heavy", ""},
        {"mnuEdit/mnuZANAxles/line5", "-", ""},
        {"mnuEdit/mnuZANAxles/mnuAxleInput", "&Input Axles", ""},
        {"mnuPerformAnalysis", "&Perform Analysis", ""},
        {"mnuPerformAnalysis/mnuFatigueAnalysis", "&Fatigue Analysis", ""},
        {"mnuPerformAnalysis/mnuErosionAnalysis", "&Erosion Analysis", ""},
        {"mnuPerformAnalysis/line8", "-", ""},
        {"mnuPerformAnalysis/mnuBothAnalysis", "&Both", ""},
        {"mnuPerformAnalysis/line9", "-", ""},
        {"mnuPerformAnalysis/mnuDamageChart", "Damage &Chart...", ""},
        {"mnuComputeDesignThickness", "&Compute Design Thickness", ""},
        {"Help", "&Help", ""},
        {"Help/mnuHelpReadme", "&Readme", "", false, false},
        {"Help/line11", "-", "", false, false},
        {"Help/mnuHelpGuide", "&User Guide", "F1"},
        {"Help/mnuHelpAbout", "&About", ""},
    };
    std::vector<MenuRow> actual;
    collect(window.menuBar()->actions(), "", actual);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "row " << i;
}

TEST_F(ShellTest, HelpMenuShowsTheUserGuideAboveAbout) {
    QMenu* help = window.findChild<QMenu*>("Help");
    ASSERT_NE(help, nullptr);
    QStringList shown;
    for (QAction* a : help->actions())
        if (a->isVisible())
            shown << a->text();
    EXPECT_EQ(shown, (QStringList{"&User Guide", "&About"}));
}

// ---------------------------------------------------------------- keyboard

class ShortcutKeys : public ShellTest,
                     public ::testing::WithParamInterface<std::pair<Qt::Key, const char*>> {};

TEST_P(ShortcutKeys, OpenTheirFileDialog) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, GetParam().first, Qt::ControlModifier);
    // The fake dialog is cancelled: only the filter it was shown with is recorded.
    ASSERT_EQ(platform.fileDialogFilters.size(), 1u);
    EXPECT_EQ(platform.fileDialogFilters[0], GetParam().second);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(ReadAndSave, ShortcutKeys,
                         ::testing::Values(std::pair{Qt::Key_R, "(*.DEF *.pdf)|*.DEF *.pdf"},
                                           std::pair{Qt::Key_S, "(*.DEF)|*.DEF"}),
                         [](const auto& info) {
                             return std::string(info.param.first == Qt::Key_R ? "CtrlR" : "CtrlS");
                         });

// ---------------------------------------------------------------- unit switch and lock

TEST_F(ShellTest, SwitchingToMetricAndBackShowsBothMessagesAndConvertsNothing) {
    trigger("MetricOption");
    EXPECT_EQ(unitMenu(), kMetricSwitchable);
    EXPECT_EQ(window.workspace().unitSystem(), UnitSystem::Metric);
    trigger("EnglishOption");
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
    EXPECT_EQ(window.workspace().unitSystem(), UnitSystem::English);

    const std::vector<Message> expected = {
        {"Metric System Selected", "ZAN Thickness Design", Icon::None, Buttons::Ok},
        {"English System Selected", "ZAN Thickness Design", Icon::None, Buttons::Ok},
    };
    EXPECT_EQ(platform.messages, expected);
    EXPECT_FALSE(window.workspace().hasPavement());

    // The inputs made afterwards are English ones.
    trigger("mnuZANLayer");
    EXPECT_EQ(window.workspace().pavement().thickness, "9.5");
    EXPECT_EQ(window.workspace().pavement().thicknessCaption, "Trial Thickness, h (in)");
}

TEST_F(ShellTest, CurrentUnitItemCannotBeChosenAgain) {
    EXPECT_FALSE(action("EnglishOption")->isEnabled());
    action("EnglishOption")->trigger();  // a disabled item does nothing
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
}

struct LockCase {
    const char* name;
    const char* item;
    bool locks;
};

class UnitLock : public ShellTest, public ::testing::WithParamInterface<LockCase> {};

// Every command that creates the pavement or axle-load inputs ends the time of switching; the
// menu follows the workspace, whatever caused the lock. The views are told once of each
// command that changed the workspace, and not at all when running it again changes nothing.
TEST_P(UnitLock, AfterSwitchingToMetric) {
    trigger("MetricOption");
    platform.clear();
    platform.saveFiles.push_back(path("out.any"));
    QSignalSpy announced(&window, &MainWindow::workspaceChanged);
    trigger(GetParam().item);
    EXPECT_EQ(announced.count(), GetParam().item == std::string("mnuHelpAbout") ? 0 : 1);
    trigger(GetParam().item);
    EXPECT_EQ(announced.count(), GetParam().item == std::string("mnuHelpAbout") ? 0 : 1);
    EXPECT_EQ(unitMenu(), GetParam().locks ? kMetricLocked : kMetricSwitchable);
    EXPECT_EQ(window.workspace().unitChoiceLocked(), GetParam().locks);
    EXPECT_EQ(window.workspace().unitSystem(), UnitSystem::Metric);
    if (window.workspace().hasPavement()) {
        EXPECT_EQ(window.workspace().pavement().thicknessCaption, "Trial Thickness, h (cm)");
    }
    if (window.workspace().hasAxles()) {
        EXPECT_EQ(window.workspace().axles().loadHeading, "Axle Load (kN)");
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, UnitLock,
                         ::testing::Values(LockCase{"PavementData", "mnuZANLayer", true},
                                           LockCase{"TrafficData", "mnuZANTraffic", false},
                                           LockCase{"FatigueAnalysis", "mnuFatigueAnalysis", true},
                                           LockCase{"ErosionAnalysis", "mnuErosionAnalysis", true},
                                           LockCase{"BothAnalysis", "mnuBothAnalysis", true},
                                           LockCase{"ComputeDesignThickness",
                                                    "mnuComputeDesignThickness", true},
                                           LockCase{"LightCategory", "mnuLight", true},
                                           LockCase{"VeryHeavyCategory", "mnuVeryHeavy", true},
                                           LockCase{"InputAxles", "mnuAxleInput", true},
                                           LockCase{"SaveInputData", "FileSave", true},
                                           LockCase{"SaveReport", "mnuSaveReport", true},
                                           LockCase{"About", "mnuHelpAbout", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Edit > Project Information: OK keeps the seven texts (a pasted line end becomes a blank, as
// in the other fields), Cancel keeps what was there; a change shows in the status bar's notice
// after a run, since the memo's first page prints it.
TEST_F(ShellTest, ProjectInformationIsKeptOnOkOnly) {
    window.show();
    trigger("mnuBothAnalysis");
    const int width = window.width();
    trigger("mnuProjectInfo");
    auto* dialog = window.findChild<QDialog*>("frmProjectInfo");
    ASSERT_NE(dialog, nullptr);
    auto* project = dialog->findChild<QLineEdit*>("txtProject");
    auto* notes = dialog->findChild<QLineEdit*>("txtNotes");
    // The captions are the core's, each with its shortcut letter.
    auto* form = dialog->findChild<QFormLayout*>();
    auto* client =
        qobject_cast<QLabel*>(form->labelForField(dialog->findChild<QLineEdit*>("txtClient")));
    EXPECT_EQ(client->text(), "C&lient:");
    QTest::keyClicks(project, "Route 9");
    notes->insert("two\nlines");
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdProjectCancel"), Qt::LeftButton);
    EXPECT_TRUE(window.workspace().project().empty());

    trigger("mnuProjectInfo");
    EXPECT_EQ(project->text(), "") << "the workspace's texts again";
    QTest::keyClicks(project, "Route 9");
    notes->setText("two\nlines");
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdProjectOk"), Qt::LeftButton);
    EXPECT_EQ(window.workspace().project(),
              (ProjectInfo{"Route 9", "", "", "", "", "", "two lines"}));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window.findChild<QWidget*>("lblInputsChanged")->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(window.width(), width) << "the notice fits the window as the user sized it";
    QTest::mouseClick(window.findChild<QPushButton*>("cmdAnalyseAgain"), Qt::LeftButton);
    EXPECT_FALSE(window.workspace().inputsChangedSinceRun());
    EXPECT_FALSE(window.findChild<QWidget*>("lblInputsChanged")->isVisible());
}

// Alt and a letter reaches one thing on screen in every language: the menu bar's titles and the
// buttons the window shows with its inputs-changed notice (in Spanish "&Analizar de nuevo"
// took Alt+A from "&Archivo").
TEST(AccessKeys, AreUniqueOnTheMainWindowInEveryLanguage) {
    for (const catalogue::Language& language : catalogue::languages()) {
        ASSERT_TRUE(useLanguage(language.code));
        FakePlatform platform;
        MainWindow window{platform};
        window.show();
        window.findChild<QAction*>("mnuBothAnalysis")->trigger();
        window.workspace().ensureTraffic().averageDailyTraffic = "13000";
        window.findChild<QAction*>("mnuProjectInfo")->trigger();
        auto* dialog = window.findChild<QDialog*>("frmProjectInfo");
        dialog->findChild<QLineEdit*>("txtProject")->setText("x");
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdProjectOk"), Qt::LeftButton);
        ASSERT_TRUE(window.findChild<QWidget*>("lblInputsChanged")->isVisible());
        QStringList texts;
        for (const QAction* menu : window.menuBar()->actions())
            texts << menu->text();
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
            if (button->isVisible())
                texts << button->text();
        std::map<QKeySequence, QString> owner;
        for (const QString& text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty())
                continue;
            const auto [it, added] = owner.emplace(key, text);
            EXPECT_TRUE(added) << language.code << ": " << qPrintable(text) << " and "
                               << qPrintable(it->second);
        }
    }
    useLanguage("en");
}

// A text longer than a line edit's 32767 characters is kept whole, and so are the file's
// lines the dialog does not show; texts too long for an input data file together are refused
// on OK, saying so, with nothing lost.
TEST_F(ShellTest, ProjectInformationKeepsLongTextsUpToTheFilesCap) {
    window.show();
    ProjectInfo project;
    project.otherLines = {"Station: 12+300"};
    window.workspace().setProject(project);
    trigger("mnuProjectInfo");
    auto* dialog = window.findChild<QDialog*>("frmProjectInfo");
    ASSERT_NE(dialog, nullptr);
    auto* notes = dialog->findChild<QLineEdit*>("txtNotes");
    notes->setText(QString(40000, QLatin1Char('n')));
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdProjectOk"), Qt::LeftButton);
    project.notes = std::string(40000, 'n');
    EXPECT_EQ(window.workspace().project(), project);

    trigger("mnuProjectInfo");
    notes->setText(QString(static_cast<qsizetype>(kMaxInputDataFileBytes), QLatin1Char('n')));
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdProjectOk"), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("The project information is too long: the input "
                                              "data file would be ",
                                              0),
              0u)
        << platform.messages[0].text;
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(notes->text().size(), static_cast<qsizetype>(kMaxInputDataFileBytes));
    EXPECT_EQ(window.workspace().project().notes.size(), 40000u);
}

}  // namespace
}  // namespace zan::test
