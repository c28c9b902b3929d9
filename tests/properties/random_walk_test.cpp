// Seeded random walks through the real main window on the scripted platform: menu commands,
// typing into the dialogs, OK, Cancel, Escape, files that read, are refused, cut short or
// cannot be written, printing, the charts, About, the guide, closing with each answer, and
// switching between windows. After every action the window must agree with the core: the
// report box, the dialogs' fields, the unit menu, the files written, and a command must leave
// the workspace exactly as the same command leaves a copy of it.
//
// ZAN_WALK_SEED=N reruns one walk; ZAN_WALK_ACTIONS sets the long walk's length (10,000).

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "chart/damage_chart_window.h"
#include "commands/commands.h"
#include "dialogs/axle_load_dialog_names.h"
#include "dialogs/pavement_dialog_names.h"
#include "dialogs/range_check.h"
#include "dialogs/traffic_dialog_names.h"
#include "io/def_file.h"
#include "io/memo_document.h"
#include "io/report.h"
#include "model/axle_spectra.h"
#include "model/design_search.h"
#include "model/run.h"
#include "platform/core_text.h"
#include "report_checks.h"
#include "shell/main_window.h"
#include "support/fake_platform.h"

namespace zan {
// Failures show the texts, not the bytes of the structure.
void PrintTo(const AxleRowTexts& r, std::ostream* os) {
    *os << '"' << r.singleLoad << "\",\"" << r.singleCount << "\",\"" << r.tandemLoad << "\",\""
        << r.tandemCount << '"';
}
}  // namespace zan

namespace zan::test {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Every value field of a dialog, by name, with the workspace text it shows.
using FieldTexts = std::vector<std::pair<std::string, std::string>>;

FieldTexts pavementFields(const Workspace& w) {
    namespace n = pavementDialogNames;
    const PavementInputs& p = w.pavement();
    return {{n::kThicknessField, p.thickness},
            {n::kSubgradeField, p.subgradeModulus},
            {n::kRuptureField, p.modulusOfRupture}};
}

FieldTexts trafficFields(const Workspace& w) {
    namespace n = trafficDialogNames;
    const TrafficInputs& t = w.traffic();
    return {{n::kTrafficField, t.averageDailyTraffic},
            {n::kTrucksField, t.truckPercent},
            {n::kGrowthField, t.growthPercent},
            {n::kDirectionField, t.directionPercent},
            {n::kLaneField, t.lanePercent},
            {n::kSafetyFactorField, t.loadSafetyFactor},
            {n::kYearsField, t.designPeriod}};
}

FieldTexts axleFields(const Workspace& w) {
    namespace n = axleLoadDialogNames;
    FieldTexts fields;
    for (std::size_t i = 0; i < kAxleRows; ++i) {
        const AxleRowTexts& r = w.axles().rows[i];
        const std::string row = "_" + std::to_string(i);
        fields.insert(fields.end(), {{n::kSingleLoads + row, r.singleLoad},
                                     {n::kSingleCounts + row, r.singleCount},
                                     {n::kTandemLoads + row, r.tandemLoad},
                                     {n::kTandemCounts + row, r.tandemCount}});
    }
    return fields;
}

// What a user may type: numbers in and out of range, 0, huge, signs, separators, words,
// blanks, Latin-1, Windows-1252 and other characters, and (pasted) a line end and a quote.
const std::vector<QString> kTypedTexts = [] {
    std::vector<QString> texts;
    for (const char* t : {"9.5",  "8",  "100",   "650",  "24.1",  "45",   "0.58",  "1.2", "20",
                          "3",    "0",  "0.001", "1e6",  "1e39",  "9e99", "-5",    "1,5", "12,5",
                          "",     " ",  "abc",   " 7 ",  "3.",    ".5",   "1.2.3", "+4",  "1e-40",
                          "1200", "54", "12\"",  "4\n5", "6\r\n", "\xE9", "5\xB0"})
        texts.push_back(QString::fromLatin1(t));
    texts.push_back(QString::fromUtf8("\u20AC5"));  // Windows-1252, outside Latin-1
    texts.push_back(QString::fromUtf8("\u4E2D"));   // beyond the input data file
    return texts;
}();

template <typename T>
std::vector<T> asVector(const QList<T>& list) {
    return std::vector<T>(list.begin(), list.end());
}

class Walk {
  public:
    Walk(unsigned seed, FakePlatform& platform, const QTemporaryDir& folder)
        : m_rng(seed), m_platform(platform), m_folder(folder) {
        m_platform.answerer = [this](const Message& m) { return randomAnswer(m); };
        start();
    }

    // One random action and the checks after it; false once a check failed.
    bool step() {
        const Workspace before = m_window->workspace();
        const QString box = reportBox();
        m_platform.messages.clear();
        m_platform.printedDocuments.clear();
        m_expectedBox.reset();
        m_boxMayChange = false;
        act();
        // What the user sees is painted, as the event loop would between two actions.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_platform.answers.clear();
        m_platform.openFiles.clear();
        m_platform.saveFiles.clear();
        m_platform.printCopies.clear();
        checkInvariants(before, box);
        return !::testing::Test::HasFailure();
    }

    std::string history() const {
        std::ostringstream out;
        for (std::size_t i = 0; i < m_actions.size(); ++i)
            out << "  " << i + 1 << ". " << m_actions[i] << "\n";
        return out.str();
    }

  private:
    // The program starts: a new main window on the initial design.
    void start() {
        m_window = std::make_unique<MainWindow>(m_platform);
        m_window->show();
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    template <typename T>
    const T& pickFrom(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(pick(static_cast<int>(items.size())))];
    }
    void log(std::string text) { m_actions.push_back(std::move(text)); }

    Answer randomAnswer(const Message& m) {
        switch (m.buttons) {
            case Buttons::Ok:
                return Answer::Ok;
            case Buttons::YesNo:
                return pick(2) ? Answer::Yes : Answer::No;
            case Buttons::YesNoCancel:
                return pickFrom(std::vector{Answer::Yes, Answer::No, Answer::Cancel});
            case Buttons::CancelTryAgainContinue:
                return pickFrom(std::vector{Answer::Cancel, Answer::TryAgain, Answer::Continue});
        }
        return Answer::Ok;
    }

    QString reportBox() const { return m_window->reportBox()->toPlainText(); }
    QAction* item(const char* name) const {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }
    DamageChartWindow* chart() const {
        return m_window->findChild<DamageChartWindow*>(QStringLiteral("frmDamageChart"));
    }
    QWidget* about() const { return m_window->findChild<QWidget*>(QStringLiteral("frmAbout")); }
    std::vector<QDialog*> openDialogs() const {
        std::vector<QDialog*> open;
        InputDialogs& d = m_window->inputDialogs();
        for (QDialog* dialog : {d.pavementDialog(), d.trafficDialog(), d.axleLoadDialog()})
            if (dialog && dialog->isVisible())
                open.push_back(dialog);
        return open;
    }

    // Triggers a menu item as a click does: only while it is enabled.
    void trigger(const char* name) {
        QAction* action = item(name);
        ASSERT_NE(action, nullptr) << name;
        log(name);
        if (action->isEnabled())
            action->trigger();
    }

    // A command of the core: the window must end where the same command leaves a copy.
    void command(const char* name, const std::function<CommandOutcome(Workspace&)>& run) {
        const Workspace before = m_window->workspace();
        Workspace expected = before;
        const CommandOutcome outcome = run(expected);
        m_boxMayChange = true;
        m_expectedBox = outcome.report ? fromCoreLines(*outcome.report) : reportBox();
        trigger(name);
        EXPECT_EQ(m_window->workspace(), expected) << name;
        if (!outcome.ok()) {
            // Refused: the inputs and the last results are as they were.
            EXPECT_EQ(writeDefFile(m_window->workspace()), writeDefFile(before)) << name;
            EXPECT_EQ(m_window->workspace().results(), before.results()) << name;
        }
        // The window adds the name of the file a message names, for showing it; the text
        // is the core's.
        std::vector<Message> shown = m_platform.messages;
        for (Message& message : shown)
            message.fileName.clear();
        std::vector<Message> said;
        for (const std::optional<Message>* box : {&outcome.message, &outcome.warning})
            if (*box)
                said.push_back(**box);
        EXPECT_EQ(shown, said) << name;
    }

    void act() {
        using Action = void (Walk::*)();
        // Nearly every command locks the unit choice, so a fresh program is where the unit
        // switches and what follows them are explored: there they are chosen far more often.
        const int unitWeight = m_window->workspace().unitChoiceLocked() ? 1 : 20;
        const std::vector<std::pair<int, Action>> actions = {{unitWeight, &Walk::switchUnits},
                                                             {4, &Walk::openDialog},
                                                             {3, &Walk::category},
                                                             {6, &Walk::analyse},
                                                             {2, &Walk::design},
                                                             {3, &Walk::readFile},
                                                             {3, &Walk::saveInput},
                                                             {2, &Walk::saveReport},
                                                             {1, &Walk::printReport},
                                                             {1, &Walk::exportPdf},
                                                             {3, &Walk::chartOpenOrClose},
                                                             {1, &Walk::aboutOrGuide},
                                                             {3, &Walk::closeWindow},
                                                             {20, &Walk::type},
                                                             {3, &Walk::toggleOption},
                                                             {6, &Walk::okCancelOrEscape},
                                                             {3, &Walk::switchWindow}};
        int total = 0;
        for (const auto& a : actions)
            total += a.first;
        int roll = pick(total);
        for (const auto& [weight, action] : actions) {
            if (roll < weight) {
                (this->*action)();
                return;
            }
            roll -= weight;
        }
    }

    void switchUnits() {
        const bool metric = pick(2);
        const char* name = metric ? "MetricOption" : "EnglishOption";
        Workspace expected = m_window->workspace();
        // Only the other system can be chosen, and only while the choice is free.
        const bool enabled = item(name)->isEnabled();
        if (enabled) {
            EXPECT_TRUE(
                expected.chooseUnitSystem(metric ? UnitSystem::Metric : UnitSystem::English));
        }
        trigger(name);
        EXPECT_EQ(m_window->workspace(), expected);
        EXPECT_EQ(m_platform.messages.size(), enabled ? 1u : 0u);
    }

    void openDialog() {
        const bool pavement = pick(2);
        const std::string inputs = writeDefFile(m_window->workspace());
        trigger(pavement ? "mnuZANLayer" : "mnuZANTraffic");
        InputDialogs& d = m_window->inputDialogs();
        QDialog* dialog = pavement ? d.pavementDialog() : d.trafficDialog();
        ASSERT_TRUE(dialog && dialog->isVisible());
        EXPECT_EQ(writeDefFile(m_window->workspace()), inputs) << "opening changed an input";
    }

    void category() {
        static const std::vector<std::pair<const char*, std::optional<AxleLoadCategory>>> items = {
            {"mnuLight", AxleLoadCategory::Light},
            {"mnuMedium", AxleLoadCategory::Medium},
            {"mnuHeavy", AxleLoadCategory::Heavy},
            {"mnuVeryHeavy", AxleLoadCategory::VeryHeavy},
            {"mnuAxleInput", std::nullopt}};
        const auto& [name, category] = pickFrom(items);
        Workspace expected = m_window->workspace();
        if (category)
            applyAxleLoadCategory(expected, *category);
        else
            loadStandardAxleSpectrum(expected);
        trigger(name);
        EXPECT_EQ(m_window->workspace(), expected) << name;
        QDialog* dialog = m_window->inputDialogs().axleLoadDialog();
        EXPECT_TRUE(dialog && dialog->isVisible());
    }

    void analyse() {
        static const std::vector<std::pair<const char*, AnalysisKind>> kinds = {
            {"mnuFatigueAnalysis", AnalysisKind::Fatigue},
            {"mnuErosionAnalysis", AnalysisKind::Erosion},
            {"mnuBothAnalysis", AnalysisKind::Both}};
        const auto& [name, kind] = pickFrom(kinds);
        command(name, [kind = kind](Workspace& w) { return performAnalysis(w, kind); });
    }

    void design() {
        command("mnuComputeDesignThickness",
                [](Workspace& w) { return computeDesignThickness(w); });
    }

    // A file to read: an example, the last file saved, one that is no input data file, one cut
    // short, a folder, a missing name; or the dialog is cancelled.
    std::optional<QString> fileToRead() {
        const QDir examples(QStringLiteral(ZAN_EXAMPLES_DIR));
        const QString example = examples.filePath(
            pickFrom(asVector(examples.entryList({QStringLiteral("*.DEF")}, QDir::Files))));
        switch (pick(7)) {
            case 0:
                return std::nullopt;
            case 1:
                return m_lastSaved.isEmpty() ? example : m_lastSaved;
            case 2: {
                const QString path = m_folder.filePath(QStringLiteral("notes.DEF"));
                writeFile(path, "Pavement notes\r\n\r\nnot a ZAN file\r\n");
                return path;
            }
            case 3: {
                const QByteArray bytes = fileBytes(example);
                const QString path = m_folder.filePath(QStringLiteral("cut.DEF"));
                writeFile(path, bytes.left(pick(static_cast<int>(bytes.size()))));
                return path;
            }
            case 4:
                return busyFolder("DEF");
            case 5:
                return m_folder.filePath(QStringLiteral("missing.DEF"));
        }
        return example;
    }

    // A folder where a file is expected.
    QString busyFolder(const char* extension) const {
        const QString path = m_folder.filePath(QStringLiteral("busy.") + extension);
        QDir().mkpath(path);
        return path;
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    void readFile() {
        const std::optional<QString> path = fileToRead();
        m_platform.openFiles.push_back(path);
        if (!path) {
            trigger("FileLoad");
            return;
        }
        command("FileLoad", [&](Workspace& w) {
            return zan::readDataFile(w, QFile::encodeName(*path).toStdString(),
                                     toCore(QDir::toNativeSeparators(*path)));
        });
        log("  " + QDir(m_folder.path()).relativeFilePath(*path).toStdString());
    }

    // A name to save under: new, the file saved last, in a missing folder, a folder; or the
    // dialog is cancelled.
    std::optional<QString> fileToWrite(const char* extension) {
        switch (pick(6)) {
            case 0:
                return std::nullopt;
            case 1:
                return m_folder.filePath(QStringLiteral("missing/out.") + extension);
            case 2:
                return busyFolder(extension);
        }
        return m_folder.filePath(QStringLiteral("out%1.%2").arg(pick(3)).arg(extension));
    }

    // Saves through `menuItem` and checks the file holds `expected`, or that a failure said
    // so and left the file as it was.
    void save(const char* menuItem, const char* extension,
              const Expected<std::string, std::string>& expected) {
        const std::optional<QString> path = fileToWrite(extension);
        m_platform.saveFiles.push_back(path);
        const QByteArray previous = path ? fileBytes(*path) : QByteArray();
        const bool stale = std::string(menuItem) == "mnuSaveReport" && answerNoIfStale();
        trigger(menuItem);
        dropTablesQuestion(stale);
        if (!path)
            return;
        log("  " + QDir(m_folder.path()).relativeFilePath(*path).toStdString());
        const bool written = m_platform.messages.empty();
        if (!written) {
            EXPECT_EQ(fileBytes(*path), previous) << "a failed save changed the file";
            if (!expected) {
                EXPECT_EQ(m_platform.messages.front().text, expected.error());
            }
            return;
        }
        ASSERT_TRUE(expected.ok()) << expected.error();
        EXPECT_EQ(fileBytes(*path).toStdString(), *expected);
        if (std::string(extension) == "DEF")
            expectReadsBack(*path);
    }

    // A saved input data file reads back into the inputs it was saved from.
    void expectReadsBack(const QString& path) {
        m_lastSaved = path;
        Workspace reread;
        const std::string bytes = fileBytes(path).toStdString();
        ASSERT_TRUE(readDataBytes(reread, bytes, "saved.DEF").ok());
        const Workspace& now = m_window->workspace();
        EXPECT_EQ(reread.unitSystem(), now.unitSystem());
        EXPECT_EQ(pavementFields(reread), pavementFields(now));
        EXPECT_EQ(reread.pavement().concreteShoulder, now.pavement().concreteShoulder);
        EXPECT_EQ(reread.pavement().doweledJoints, now.pavement().doweledJoints);
        EXPECT_EQ(reread.traffic(), now.traffic());
        EXPECT_EQ(reread.axles().rows, now.axles().rows);
    }

    void saveInput() {
        Workspace expected = m_window->workspace();
        const auto bytes = inputDataFileBytes(expected);
        save("FileSave", "DEF", bytes);
    }

    void saveReport() {
        Workspace expected = m_window->workspace();
        save("mnuSaveReport", "PRN", reportFileForSave(expected));
    }

    void printReport() {
        Workspace copy = m_window->workspace();
        const auto report = reportForSaveOrPrint(copy);
        const std::optional<int> copies = pick(4) ? std::optional<int>(pick(3) + 1) : std::nullopt;
        m_platform.printCopies.push_back(copies);
        const bool stale = answerNoIfStale();
        trigger("mnuPrintReport");
        dropTablesQuestion(stale);
        if (!copies || !report)
            EXPECT_TRUE(m_platform.printedDocuments.empty());
        else
            EXPECT_EQ(m_platform.printedDocuments,
                      std::vector<QStringList>(*copies, fromCoreLineList(*report)));
    }

    void exportPdf() {
        const std::optional<QString> path = fileToWrite("pdf");
        m_platform.saveFiles.push_back(path);
        const QByteArray previous = path ? fileBytes(*path) : QByteArray();
        const bool stale = answerNoIfStale();
        trigger("mnuExportPdf");
        dropTablesQuestion(stale);
        if (!path)
            return;
        if (m_platform.messages.empty())
            EXPECT_TRUE(fileBytes(*path).startsWith("%PDF-"));
        else
            EXPECT_EQ(fileBytes(*path), previous) << "a failed export changed the file";
    }

    void chartOpenOrClose() {
        if (chart() && pick(2)) {
            log("close the chart");
            chart()->findChild<QAbstractButton*>(QStringLiteral("cmdClose"))->click();
        } else {
            trigger("mnuDamageChart");
        }
    }

    void aboutOrGuide() {
        switch (pick(3)) {
            case 0:
                trigger("mnuHelpAbout");
                break;
            case 1:
                if (about()) {
                    log("close About");
                    about()->findChild<QAbstractButton*>(QStringLiteral("cmdOK"))->click();
                }
                break;
            default:
                if (m_window->userGuideWindow() && m_window->userGuideWindow()->isVisible()) {
                    log("close the guide");
                    m_window->userGuideWindow()->close();
                } else {
                    trigger("mnuHelpGuide");
                }
        }
    }

    // Save Report, Print Report and Export PDF first ask whether to analyse again when the
    // inputs differ from the last run's; the walk answers No, which goes on as before.
    bool answerNoIfStale() {
        const bool stale = m_window->workspace().inputsChangedSinceRun();
        if (stale)
            m_platform.answers.push_back(Answer::No);
        return stale;
    }

    void dropTablesQuestion(bool stale) {
        if (!stale)
            return;
        ASSERT_FALSE(m_platform.messages.empty());
        EXPECT_EQ(m_platform.messages.front().text.rfind("The inputs have changed since", 0), 0u);
        m_platform.messages.erase(m_platform.messages.begin());
    }

    void closeWindow() {
        // Inputs not saved are asked about first, and Yes saves them; then Yes to the outputs
        // saves the report. Each save dialog gets a name or is cancelled.
        const bool inputsAsked = m_window->workspace().inputsChangedSinceSaved();
        if (inputsAsked)
            m_platform.saveFiles.push_back(fileToWrite("DEF"));
        m_platform.saveFiles.push_back(fileToWrite("PRN"));
        // Save Report may analyse again first, at the walk's random answer.
        m_boxMayChange = true;
        log("close the main window");
        m_window->close();
        ASSERT_FALSE(m_platform.messages.empty());
        EXPECT_EQ(m_platform.messages.front().text,
                  inputsAsked ? "The input data have changed since they were last saved. Save "
                                "them before closing?"
                              : "Save Outputs before closing?");
        if (m_window->isVisible())
            return;
        for (QWidget* w : {static_cast<QWidget*>(chart()), about()})
            EXPECT_TRUE(!w || !w->isVisible()) << "a window outlived the program";
        EXPECT_TRUE(openDialogs().empty()) << "a dialog outlived the program";
        // The program ends here; the walk starts it again.
        log("start the program");
        start();
        m_boxMayChange = true;  // a new program: an empty report box and no results
        m_expectedBox = QString();
        EXPECT_EQ(m_window->workspace(), Workspace());
    }

    QDialog* someDialog() {
        std::vector<QDialog*> open = openDialogs();
        if (open.empty())
            return nullptr;
        QDialog* dialog = pickFrom(open);
        activate(dialog);
        return dialog;
    }

    void type() {
        QDialog* dialog = someDialog();
        if (!dialog)
            return openDialog();
        std::vector<QLineEdit*> fields;
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            if (field->isVisibleTo(dialog))
                fields.push_back(field);
        QLineEdit* field = pickFrom(fields);
        const QString text = pickFrom(kTypedTexts);
        const bool paste = text.contains(QLatin1Char('\n')) || pick(4) == 0;
        log("type " + QString(text).replace("\n", "\\n").replace("\r", "\\r").toStdString() +
            (paste ? " (pasted)" : "") + " into " + field->objectName().toStdString());
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        if (paste) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else {
            typeKeys(field, text);
        }
        QString stored = text;
        stored.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        EXPECT_EQ(field->text(), fromCore(toInputText(stored)));
    }

    // QTest types ASCII only: every character as the key event a keyboard layout would send.
    static void typeKeys(QWidget* field, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
            QApplication::sendEvent(field, &release);
        }
    }

    void toggleOption() {
        QDialog* dialog = m_window->inputDialogs().pavementDialog();
        if (!dialog || !dialog->isVisible())
            return openDialog();
        activate(dialog);
        const std::vector<QRadioButton*> options = asVector(dialog->findChildren<QRadioButton*>());
        QRadioButton* option = pickFrom(options);
        log("click " + option->objectName().toStdString());
        QTest::mouseClick(option, Qt::LeftButton);
        EXPECT_TRUE(option->isChecked());
    }

    void okCancelOrEscape() {
        QDialog* dialog = someDialog();
        if (!dialog)
            return openDialog();
        const int choice = pick(3);
        if (choice == 2) {
            log("Escape in " + dialog->objectName().toStdString());
            QTest::keyClick(dialog, Qt::Key_Escape);
            EXPECT_FALSE(dialog->isVisible());
            return;
        }
        // The buttons are "OK"/"ok" and "Cancel"/"cancel": the first two push buttons.
        const QString name = choice == 0 ? QStringLiteral("ok") : QStringLiteral("cancel");
        QAbstractButton* button = nullptr;
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            if (b->objectName().compare(name, Qt::CaseInsensitive) == 0)
                button = b;
        ASSERT_NE(button, nullptr);
        log("click " + button->objectName().toStdString() + " in " +
            dialog->objectName().toStdString());
        QTest::mouseClick(button, Qt::LeftButton);
        if (choice == 1 || dialog->isVisible())
            return;
        // OK let the dialog go: every field holds a text the dialogs accept.
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            if (field->isVisibleTo(dialog)) {
                EXPECT_TRUE(isAcceptableValueText(toCore(field->text())))
                    << field->objectName().toStdString();
            }
    }

    void switchWindow() {
        std::vector<QWidget*> windows{m_window.get()};
        for (QDialog* d : openDialogs())
            windows.push_back(d);
        for (QWidget* w : {static_cast<QWidget*>(chart()), about()})
            if (w && w->isVisible())
                windows.push_back(w);
        QWidget* to = pickFrom(windows);
        log("switch to " + to->objectName().toStdString());
        activate(to);
    }

    static void activate(QWidget* window) {
        window->activateWindow();
        for (int i = 0; i < 20 && QApplication::activeWindow() != window; ++i)
            QCoreApplication::processEvents();
    }

    void checkInvariants(const Workspace& before, const QString& boxBefore) {
        const Workspace& ws = m_window->workspace();
        const QString box = reportBox();
        if (m_expectedBox) {
            EXPECT_EQ(box, *m_expectedBox) << "the report box is not the core's report";
        } else if (!m_boxMayChange) {
            EXPECT_EQ(box, boxBefore) << "the report box changed";
        }
        if (box != boxBefore) {
            expectNoNonFiniteWords(toCore(box), inputTexts(ws));
        }
        // A command may commit results; command() compared them with the core's.
        if (!m_boxMayChange) {
            EXPECT_EQ(ws.results(), before.results()) << "results changed outside a command";
        }
        const bool metric = ws.unitSystem() == UnitSystem::Metric;
        const bool locked = ws.unitChoiceLocked();
        EXPECT_EQ(item("MetricOption")->isChecked(), metric);
        EXPECT_EQ(item("EnglishOption")->isChecked(), !metric);
        EXPECT_EQ(item("MetricOption")->isEnabled(), !locked && !metric);
        EXPECT_EQ(item("EnglishOption")->isEnabled(), !locked && metric);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal window is open";
        EXPECT_EQ(m_platform.busyDepth, 0) << "the busy pointer stayed on";
        checkDialogs(ws);
        // The chart shows the last run (before any, the inputs as they are); while it refuses
        // them it shows the core's message instead of the plots.
        if (chart() && chart()->refusal().isEmpty()) {
            const Workspace& shown = ws.lastRun() ? ws.lastRun()->workspace() : ws;
            const DamageCurveChart& curve = chart()->document()->charts->curve;
            EXPECT_EQ(curve.unit, shown.unitSystem() == UnitSystem::Metric ? "cm" : "in")
                << "the chart shows the other units";
            if (auto found = searchDesignThickness(shown)) {
                EXPECT_EQ(curve.recommended, found->thickness) << "the chart is stale";
            }
        }
    }

    void checkDialogs(const Workspace& ws) {
        InputDialogs& d = m_window->inputDialogs();
        const std::pair<QDialog*, FieldTexts> dialogs[] = {{d.pavementDialog(), pavementFields(ws)},
                                                           {d.trafficDialog(), trafficFields(ws)},
                                                           {d.axleLoadDialog(), axleFields(ws)}};
        for (const auto& [dialog, fields] : dialogs) {
            if (!dialog)
                continue;
            for (const auto& [name, text] : fields) {
                auto* edit = dialog->findChild<QLineEdit*>(QString::fromStdString(name));
                ASSERT_NE(edit, nullptr) << name;
                EXPECT_EQ(edit->text(), fromCore(text)) << name << " differs from the workspace";
            }
        }
        if (QDialog* pavement = d.pavementDialog()) {
            EXPECT_EQ(
                pavement->findChild<QRadioButton*>(pavementDialogNames::kShoulderYes)->isChecked(),
                ws.pavement().concreteShoulder);
            EXPECT_EQ(
                pavement->findChild<QRadioButton*>(pavementDialogNames::kDowelYes)->isChecked(),
                ws.pavement().doweledJoints);
        }
    }

    std::mt19937 m_rng;
    std::unique_ptr<MainWindow> m_window;
    FakePlatform& m_platform;
    const QTemporaryDir& m_folder;
    std::vector<std::string> m_actions;
    std::optional<QString> m_expectedBox;
    bool m_boxMayChange = false;
    QString m_lastSaved;
};

std::optional<unsigned> seedFromEnvironment() {
    const char* seed = std::getenv("ZAN_WALK_SEED");
    return seed ? std::optional<unsigned>(static_cast<unsigned>(std::strtoul(seed, nullptr, 10)))
                : std::nullopt;
}

// Runs `actions` steps of walk `seed`; on the first failure prints the seed and every action
// up to it.
void runWalk(unsigned seed, int actions, const std::function<void(int)>& after = {}) {
    std::printf("random walk: seed %u, %d actions\n", seed, actions);
    std::fflush(stdout);
    FakePlatform platform;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Walk walk(seed, platform, folder);
    for (int i = 1; i <= actions; ++i) {
        if (!walk.step()) {
            ADD_FAILURE() << "the walk with seed " << seed << " failed at action " << i
                          << " (rerun with ZAN_WALK_SEED=" << seed << "):\n"
                          << walk.history();
            return;
        }
        if (after)
            after(i);
    }
}

class RandomWalk : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomWalk, KeepsTheWindowAndTheCoreInStep) {
    runWalk(seedFromEnvironment().value_or(GetParam()), 500);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalk, ::testing::Range(1u, 21u));

// The heap in use and the resident size, in bytes.
struct Memory {
    double heap;
    double resident;
};

Memory memoryInUse() {
    // Caches that are allowed to fill (Qt's pixmaps) and freed pages are not growth.
    QPixmapCache::clear();
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return {static_cast<double>(info.uordblks + info.hblkhd),
            static_cast<double>(resident) * 4096.0};
}

TEST(LongRandomWalk, KeepsItsMemory) {
    const char* length = std::getenv("ZAN_WALK_ACTIONS");
    const int actions = length ? std::atoi(length) : 10000;
    Memory early{};
    Memory late{};
    const auto start = std::chrono::steady_clock::now();
    runWalk(seedFromEnvironment().value_or(1000u), actions, [&](int done) {
        if (done == 100)
            early = memoryInUse();
        if (done == actions)
            late = memoryInUse();
    });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers keep freed memory in quarantine: only a plain build can tell growth.
    std::printf(
        "%d actions in %.1f s; resident %.1f MB after 100, %.1f MB after %d "
        "(sanitizers)\n",
        actions, seconds, early.resident / 1e6, late.resident / 1e6, actions);
#else
    std::printf(
        "%d actions in %.1f s; heap %.1f MB after 100, %.1f MB after %d; resident "
        "%.1f MB, %.1f MB\n",
        actions, seconds, early.heap / 1e6, late.heap / 1e6, actions, early.resident / 1e6,
        late.resident / 1e6);
    if (actions > 100) {
        EXPECT_LT(late.heap - early.heap, 20e6);
    }
#endif
}

}  // namespace
}  // namespace zan::test
