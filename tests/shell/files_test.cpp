// File > Read Data, Save Input Data, Save Report and Print Report.

#include <QDir>

#include "io/def_file.h"
#include "model/run.h"
#include "shell/shell_test.h"

namespace zan::test {
namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QByteArray lines(const QByteArray& bytes, int count) {
    QList<QByteArray> all = bytes.split('\n');
    QByteArray out;
    for (int i = 0; i < count && i < all.size(); ++i)
        out += all[i] + '\n';
    return out;
}

// ---------------------------------------------------------------- reading

enum class ReadResult { Loaded, Rejected, Unreadable };

struct ReadCase {
    const char* name;
    QByteArray (*contents)();  // nullptr: the file does not exist
    ReadResult result;
};

QByteArray metricExample() {
    return exampleFile("initial-metric.DEF");
}
QByteArray twentyNineLines() {
    return lines(metricExample(), 29);
}
QByteArray truncated() {
    return lines(metricExample(), 25);
}
QByteArray wrongThirdLine() {
    return QByteArray(metricExample()).replace("***ZAN***", "***ZAM***");
}

class ReadData : public ShellTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadData, LoadsOnlyACompleteInputDataFile) {
    const ReadCase& c = GetParam();
    const QString file = path("design.DEF");
    if (c.contents != nullptr)
        writeBytes(file, c.contents());
    window.reportBox()->setPlainText("earlier report");
    platform.openFiles.push_back(file);

    trigger("FileLoad");

    ASSERT_EQ(platform.fileDialogFilters, std::vector<QString>{"(*.DEF *.pdf)|*.DEF *.pdf"});
    ASSERT_EQ(platform.messages.size(), 1u);
    const Message& shown = platform.messages[0];
    EXPECT_EQ(shown.title, "");  // the application's short name
    EXPECT_EQ(shown.buttons, Buttons::Ok);
    EXPECT_EQ(shown.icon, Icon::None);
    EXPECT_EQ(shown.fileName, toCorePath(native(file)));  // shown by its name in any script
    // The report shows the loaded inputs only when it is written next.
    EXPECT_EQ(reportBoxText(), "earlier report");

    Workspace& ws = window.workspace();
    switch (c.result) {
        case ReadResult::Loaded:
            EXPECT_EQ(shown.text, toCore(native(file)) + "  Loaded!");
            EXPECT_EQ(ws.unitSystem(), UnitSystem::Metric);
            EXPECT_EQ(unitMenu(), kMetricLocked);
            EXPECT_EQ(ws.pavement().thickness, "24.1");
            EXPECT_EQ(ws.pavement().subgradeModulusCaption, "Subgrade Modulus, K (kPa/mm)");
            EXPECT_EQ(ws.axles().loadHeading, "Axle Load (kN)");
            break;
        case ReadResult::Rejected:
            // Nothing of a rejected file is applied, not even its unit marker.
            EXPECT_EQ(shown.text, "Incorrect Input File!");
            EXPECT_EQ(ws.unitSystem(), UnitSystem::English);
            EXPECT_EQ(unitMenu(), kEnglishSwitchable);
            EXPECT_FALSE(ws.hasPavement());
            break;
        case ReadResult::Unreadable:
            EXPECT_NE(shown.text.find(toCore(native(file))), std::string::npos) << shown.text;
            EXPECT_EQ(ws.unitSystem(), UnitSystem::English);
            EXPECT_EQ(unitMenu(), kEnglishSwitchable);
            EXPECT_FALSE(ws.hasPavement());
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadData,
    ::testing::Values(ReadCase{"Complete", &metricExample, ReadResult::Loaded},
                      ReadCase{"WithoutTheLastTwoLines", &twentyNineLines, ReadResult::Loaded},
                      ReadCase{"WrongThirdLine", &wrongThirdLine, ReadResult::Rejected},
                      ReadCase{"EndsInTheAxleRows", &truncated, ReadResult::Unreadable},
                      ReadCase{"Missing", nullptr, ReadResult::Unreadable}),
    [](const auto& info) { return std::string(info.param.name); });

// A first line that is no unit marker (read in the units in force) and the inputs' warnings:
// said in one message after "Loaded!", one line each, as zan-report says them.
TEST_F(ShellTest, WhatTheFileMayNotMeanIsSaidInOneMessageAfterLoaded) {
    const QString file = path("design.DEF");
    writeBytes(file, QByteArray(metricExample())
                         .replace("****SI****", "****Si****")
                         .replace("\r\n12900\r\n", "\r\n12,900\r\n"));
    platform.openFiles.push_back(file);
    trigger("FileLoad");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, toCore(native(file)) + "  Loaded!");
    const std::string& said = platform.messages[1].text;
    EXPECT_EQ(said.rfind("The first line of " + toCore(native(file)) + " is neither", 0), 0u);
    EXPECT_NE(said.find("its inputs were read in English units"), std::string::npos) << said;
    EXPECT_NE(said.find("\r\nTrial Thickness, h (in) = 24.1 is outside the typical range 4 to "
                        "20\r\n"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("\r\nAverage Daily Traffic, ADT = \"12,900\" is read as 12"),
              std::string::npos)
        << said;
    EXPECT_EQ(window.workspace().unitSystem(), UnitSystem::English);
}

TEST_F(ShellTest, CancelledFileDialogsDoNothing) {
    const int busyAtStartUp = platform.busyShown;
    for (const char* item : {"FileLoad", "FileSave", "mnuSaveReport", "mnuPrintReport"})
        trigger(item);
    EXPECT_EQ(platform.fileDialogFilters.size(), 3u);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.printedDocuments.empty());
    EXPECT_EQ(platform.busyShown, busyAtStartUp);
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
}

// ---------------------------------------------------------------- saving inputs

TEST_F(ShellTest, SavedInputsReadBackIntoAFreshProgramUnchanged) {
    Workspace& ws = window.workspace();
    ws.ensurePavement().thickness = " 9.25 ";  // blanks are part of the text
    ws.ensurePavement().subgradeModulus = "";
    ws.ensurePavement().concreteShoulder = true;
    ws.ensurePavement().doweledJoints = false;
    ws.ensureTraffic().averageDailyTraffic = "12 900";
    ws.ensureTraffic().loadSafetyFactor = "1.1x";
    ws.ensureAxles().rows[3].singleLoad = "2,5";  // a comma survives inside quotes
    ws.ensureAxles().rows[9].tandemCount = "";
    const QString file = path("inputs.DEF");
    platform.saveFiles.push_back(file);
    trigger("FileSave");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(readBytes(file), QByteArray::fromStdString(writeDefFile(ws)));

    FakePlatform otherPlatform;
    MainWindow other(otherPlatform);
    otherPlatform.openFiles.push_back(file);
    other.findChild<QAction*>("FileLoad")->trigger();
    Workspace& back = other.workspace();
    EXPECT_EQ(back.unitSystem(), UnitSystem::English);
    EXPECT_EQ(back.pavement().thickness, " 9.25 ");
    EXPECT_EQ(back.pavement().subgradeModulus, "");
    EXPECT_EQ(back.pavement().modulusOfRupture, ws.pavement().modulusOfRupture);
    EXPECT_TRUE(back.pavement().concreteShoulder);
    EXPECT_FALSE(back.pavement().doweledJoints);
    EXPECT_EQ(back.traffic(), ws.traffic());
    EXPECT_EQ(back.axles().rows, ws.axles().rows);
}

TEST_F(ShellTest, SavingInputsInMetricWritesTheMetricMarker) {
    trigger("MetricOption");
    const QString file = path("metric.DEF");
    platform.saveFiles.push_back(file);
    trigger("FileSave");
    EXPECT_TRUE(readBytes(file).startsWith("****SI****\r\n\r\n***ZAN***\r\n"));
    EXPECT_EQ(unitMenu(), kMetricLocked);  // writing created the inputs
}

// ---------------------------------------------------------------- saving the report

TEST_F(ShellTest, SavedReportEqualsTheReportBox) {
    trigger("mnuBothAnalysis");
    const QString file = path("report.PRN");
    platform.saveFiles.push_back(file);
    trigger("mnuSaveReport");
    EXPECT_EQ(platform.fileDialogFilters.back(), "(*.PRN)|*.PRN");
    const QByteArray saved = readBytes(file);
    EXPECT_TRUE(saved.endsWith("\r\n"));
    EXPECT_EQ(fromCoreLines(saved.toStdString()), reportBoxText());
    EXPECT_TRUE(platform.messages.empty());
}

// After No the report saved is the last run's, its own inputs beside its own tables: what
// zan-report --both prints for the inputs the run read.
TEST_F(ShellTest, AfterNoTheSavedReportIsTheLastRunWhole) {
    trigger("mnuBothAnalysis");
    window.workspace().ensureTraffic().averageDailyTraffic = "20000";  // typed after the run
    const QString file = path("report.PRN");
    platform.answers.push_back(Answer::No);  // not analysed again: the earlier tables
    platform.saveFiles.push_back(file);
    trigger("mnuSaveReport");
    EXPECT_EQ(readBytes(file),
              readBytes(QStringLiteral(ZAN_TEST_DATA_DIR "/initial_english_both.PRN")));
}

TEST_F(ShellTest, ReportSavedBeforeAnyAnalysisHoldsHeadingAndInputsOnly) {
    const QString file = path("inputs.PRN");
    platform.saveFiles.push_back(file);
    trigger("mnuSaveReport");
    const QByteArray saved = readBytes(file);
    EXPECT_EQ(saved.count("\r\n"), 35);
    EXPECT_FALSE(saved.contains("Analysis Solutions"));
    EXPECT_TRUE(reportBoxText().isEmpty());  // saving does not show the report
}

TEST_F(ShellTest, SavingOverAnExistingFileReplacesItsContent) {
    const QString file = path("report.PRN");
    writeBytes(file, QByteArray(20000, 'x'));
    trigger("mnuBothAnalysis");
    platform.saveFiles.push_back(file);
    trigger("mnuSaveReport");
    EXPECT_EQ(readBytes(file), QByteArray::fromStdString(currentReport()));
}

// Tests run as root, where a read-only folder still takes writes: the targets below fail for
// root as well, because their folder is a regular file or does not exist.
struct UnwritableCase {
    const char* name;
    const char* item;
    const char* target;
};

class UnwritableTarget : public ShellTest, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableTarget, NamesTheFileAndTheReasonAndKeepsWorking) {
    writeBytes(path("plain"), "a regular file");
    const QString file = path(GetParam().target);
    platform.saveFiles.push_back(file);

    trigger(GetParam().item);

    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string& text = platform.messages[0].text;
    const std::string lead = "The file " + toCore(native(file)) + " could not be written: ";
    EXPECT_EQ(text.rfind(lead, 0), 0u) << text;
    EXPECT_GT(text.size(), lead.size() + 2) << "no reason given: " << text;
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(platform.busyDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Saves, UnwritableTarget,
    ::testing::Values(UnwritableCase{"ReportUnderARegularFile", "mnuSaveReport", "plain/r.PRN"},
                      UnwritableCase{"ReportInAMissingFolder", "mnuSaveReport", "missing/r.PRN"},
                      UnwritableCase{"InputsUnderARegularFile", "FileSave", "plain/i.DEF"},
                      UnwritableCase{"InputsInAMissingFolder", "FileSave", "missing/i.DEF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, SaveOntoAFolderFailsAndLeavesNothingBehind) {
    const QString file = path("report.PRN");
    ASSERT_TRUE(QDir(folder.path()).mkdir("report.PRN"));
    platform.saveFiles.push_back(file);
    trigger("mnuSaveReport");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 0)
        << "temporary file left behind";
}

// A modulus of rupture of zero leaves the stress ratios of the fatigue table undefined.
// A modulus of rupture of 0 typed after the run cannot spoil the run's report: after No,
// Save and Print give it whole.
TEST_F(ShellTest, AfterNoSaveAndPrintGiveTheRunsReportWhateverWasTypedSince) {
    trigger("mnuBothAnalysis");
    const QString shown = reportBoxText();
    window.workspace().ensurePavement().modulusOfRupture = "0";
    platform.clear();
    const QString file = path("report.PRN");
    platform.saveFiles.push_back(file);
    platform.printCopies.push_back(2);
    // Asked whether to analyse again first (the inputs changed): No, the last run as it was.
    platform.answerer = [](const Message& m) {
        return m.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    };

    trigger("mnuSaveReport");
    trigger("mnuPrintReport");

    ASSERT_EQ(platform.messages.size(), 2u) << "the two questions, nothing else";
    EXPECT_EQ(fromCoreLines(readBytes(file).toStdString()), shown);
    ASSERT_FALSE(platform.printedDocuments.empty());
    EXPECT_EQ(platform.printedDocuments[0],
              fromCoreLineList(window.workspace().lastRun()->report()));
}

// ---------------------------------------------------------------- printing

class PrintCopies : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(PrintCopies, EachCopyIsADocumentOfItsOwnWithTheReportLines) {
    trigger("mnuBothAnalysis");
    platform.clear();
    platform.printCopies.push_back(GetParam());

    trigger("mnuPrintReport");

    QStringList expected = fromCore(currentReport()).split("\r\n");
    expected.removeLast();  // after the final CR LF
    ASSERT_EQ(platform.printedDocuments.size(), static_cast<std::size_t>(GetParam()));
    for (const QStringList& document : platform.printedDocuments)
        EXPECT_EQ(document, expected);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Counts, PrintCopies, ::testing::Values(0, 1, 3),
                         [](const auto& info) { return std::to_string(info.param) + "Copies"; });

TEST_F(ShellTest, PrinterFailureIsReportedOnceAndStopsTheCopies) {
    platform.printCopies.push_back(3);
    platform.printFailure = "out of paper";
    trigger("mnuPrintReport");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The report could not be printed: out of paper");
}

}  // namespace
}  // namespace zan::test
