// File > Export PDF... in the main window: its dialog, the file it writes, the input data
// file its pages name, and its failures.

#include <QDir>

#include "model/design_search.h"
#include "model/run.h"
#include "shell/shell_test.h"
#include "support/pdf_tools.h"

namespace zan::test {
namespace {

const Message kTablesQuestion{
    "The inputs have changed since the last analysis, so the tables do not belong to them. "
    "Analyse again first?",
    "", Icon::Question, Buttons::YesNoCancel};

class ExportPdf : public ShellTest {
  protected:
    // The second header line of the memo's first page: the input data file.
    QString namedInputs(const QString& pdf) {
        const auto pages = pdfPageTexts(pdf);
        if (!pages || pages->isEmpty())
            return QStringLiteral("(no text)");
        const QStringList lines = squeezedLines(pages->front());
        return lines.size() > 1 ? lines[1] : QString();
    }
    QString exportTo(const char* name) {
        const QString pdf = path(name);
        platform.saveFiles.push_back(pdf);
        trigger("mnuExportPdf");
        return pdf;
    }
};

TEST_F(ExportPdf, BeforeAnyAnalysisWritesTheMemoUnderATypedNameWithPdfAdded) {
    const int busyBefore = platform.busyShown;
    const long searchesBefore = designSearchCounts().searches;
    platform.saveFiles.push_back(path("memo"));
    trigger("mnuExportPdf");
    // One search from the trial thickness for the whole memo; one near its result for each
    // of the three other alternatives and the fourteen sensitivity cases.
    EXPECT_EQ(designSearchCounts().searches - searchesBefore, 18);

    EXPECT_EQ(platform.fileDialogFilters, std::vector<QString>{"PDF files (*.pdf)|*.pdf"});
    EXPECT_EQ(platform.defaultSuffixes, std::vector<QString>{"pdf"});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.busyShown, busyBefore + 1);
    EXPECT_TRUE(readBytes(path("memo.pdf")).startsWith("%PDF-"));
    EXPECT_FALSE(QFile::exists(path("memo")));
    // As Save Report, the export works on the inputs and so ends the unit choice.
    EXPECT_EQ(unitMenu(), kEnglishLocked);
    if (!pdfText(path("memo.pdf")))
        GTEST_SKIP() << "pdftotext not installed";
    EXPECT_EQ(namedInputs(path("memo.pdf")), "unsaved inputs");
}

TEST_F(ExportPdf, CancelledWritesNothing) {
    const int busyBefore = platform.busyShown;
    platform.saveFiles.push_back(std::nullopt);
    trigger("mnuExportPdf");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.busyShown, busyBefore);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
}

// By its name alone: a folder's name (the user's home) has no place on a client's paper.
TEST_F(ExportPdf, PagesNameTheDataFileLastReadOrSaved) {
    if (!pdfText(exportTo("first.pdf")))
        GTEST_SKIP() << "pdftotext not installed";
    const QString heavy = QStringLiteral(ZAN_EXAMPLES_DIR "/heavy.DEF");
    platform.openFiles.push_back(heavy);
    trigger("FileLoad");
    EXPECT_EQ(namedInputs(exportTo("read.pdf")), "heavy.DEF");

    // A file that is refused changes nothing, the name included.
    writeBytes(path("not.DEF"), "not an input data file\r\n");
    platform.openFiles.push_back(path("not.DEF"));
    trigger("FileLoad");
    EXPECT_EQ(namedInputs(exportTo("refused.pdf")), "heavy.DEF");

    platform.saveFiles.push_back(path("saved.DEF"));
    trigger("FileSave");
    EXPECT_EQ(namedInputs(exportTo("saved.pdf")), "saved.DEF");

    // A save that fails names no file.
    platform.saveFiles.push_back(path("missing/x.DEF"));
    trigger("FileSave");
    EXPECT_EQ(namedInputs(exportTo("after-failure.pdf")), "saved.DEF");
}

TEST_F(ExportPdf, AnUnwritableTargetIsReportedOnceNamingTheFile) {
    writeBytes(path("plain"), "a regular file");
    const QString pdf = path("plain/memo.pdf");
    platform.saveFiles.push_back(pdf);
    trigger("mnuExportPdf");
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string lead =
        "The file " + toCore(QDir::toNativeSeparators(pdf)) + " could not be written: ";
    EXPECT_EQ(platform.messages[0].text.rfind(lead, 0), 0u) << platform.messages[0].text;
    EXPECT_EQ(readBytes(path("plain")), "a regular file");
}

// Yes analyses the inputs as they are; when the analysis refuses them, its message is shown
// and no document leaves.
TEST_F(ExportPdf, YesWithInputsTheAnalysisRefusesWritesNothing) {
    trigger("mnuBothAnalysis");
    window.workspace().ensurePavement().modulusOfRupture = "0";
    platform.clear();
    platform.answerer = [](const Message& m) {
        return m.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    };
    platform.saveFiles.push_back(path("report.PRN"));
    trigger("mnuSaveReport");
    exportTo("memo.pdf");
    ASSERT_EQ(platform.messages.size(), 4u) << "each asked first about the changed inputs";
    EXPECT_EQ(platform.messages[0], kTablesQuestion);
    EXPECT_NE(platform.messages[1].text.find("modulus of rupture"), std::string::npos);
    EXPECT_EQ(platform.messages[3], platform.messages[1]);
    EXPECT_FALSE(QFile::exists(path("report.PRN")));
    EXPECT_FALSE(QFile::exists(path("memo.pdf")));
}

// Sc changed after a run: Save Report, Print Report and Export PDF ask first. Yes runs the
// last run's command again (after Compute Design Thickness, the search) and goes on; No goes
// on with the last run as it was, which every PDF page then says; Cancel stops before the
// file dialog.
TEST_F(ExportPdf, AfterAnInputChangedAsksWhetherToAnalyseAgain) {
    struct Case {
        const char* run;
        const char* item;
        Answer answer;
        bool goesOn;
        bool stale;  // the inputs still differ from the run's afterwards
    };
    const Case cases[] = {
        {"mnuBothAnalysis", "mnuExportPdf", Answer::Yes, true, false},
        {"mnuBothAnalysis", "mnuExportPdf", Answer::No, true, true},
        {"mnuBothAnalysis", "mnuExportPdf", Answer::Cancel, false, true},
        {"mnuBothAnalysis", "mnuSaveReport", Answer::Yes, true, false},
        {"mnuBothAnalysis", "mnuSaveReport", Answer::Cancel, false, true},
        {"mnuBothAnalysis", "mnuPrintReport", Answer::No, true, true},
        {"mnuFatigueAnalysis", "mnuSaveReport", Answer::Yes, true, false},
        {"mnuComputeDesignThickness", "mnuPrintReport", Answer::Yes, true, false},
    };
    for (const Case& c : cases) {
        const std::string name =
            std::string(c.run) + "/" + c.item + "/" + std::to_string(int(c.answer));
        trigger(c.run);
        window.workspace().ensurePavement().modulusOfRupture = "800";
        trigger(c.run);
        const auto run = window.workspace().lastRun();
        window.workspace().ensurePavement().modulusOfRupture = "650";
        platform.clear();
        platform.answers.push_back(c.answer);
        const QString file = path(c.item == std::string("mnuSaveReport") ? "r.PRN" : "m.pdf");
        QFile::remove(file);
        platform.saveFiles.push_back(file);
        platform.printCopies.push_back(1);
        trigger(c.item);
        ASSERT_GE(platform.messages.size(), 1u) << name;
        EXPECT_EQ(platform.messages[0], kTablesQuestion) << name;
        EXPECT_EQ(window.workspace().inputsChangedSinceRun(), c.stale) << name;
        EXPECT_EQ(window.workspace().lastRunKind(), run->kind()) << name;
        const bool written = QFile::exists(file) || !platform.printedDocuments.empty();
        EXPECT_EQ(written, c.goesOn) << name;
        // The document is the run's whole: after No the earlier one, after Yes the new one.
        const std::string& report = window.workspace().lastRun()->report();
        EXPECT_EQ(reportBoxText(), fromCoreLines(report)) << name;
        if (c.goesOn && c.item == std::string("mnuSaveReport")) {
            EXPECT_EQ(readBytes(file).toStdString(), report) << name;
        }
        if (c.goesOn && c.item == std::string("mnuPrintReport")) {
            EXPECT_EQ(platform.printedDocuments.back(), fromCoreLineList(report)) << name;
        }
        if (c.item != std::string("mnuExportPdf") || !c.goesOn)
            continue;
        const auto pages = pdfPageTexts(file);
        if (!pages)
            GTEST_SKIP() << "pdftotext not installed";
        for (const QString& page : *pages)
            EXPECT_EQ(page.contains(QLatin1String("Inputs changed after this analysis (")), c.stale)
                << name;
        EXPECT_EQ(pages->front().contains(QLatin1String(c.stale ? "800" : "650")), true) << name;
    }
}

TEST_F(ExportPdf, FirstPageHoldsProjectVerdictWarningsInputsAndVersion) {
    // k = 1500 psi/in, outside its typical range.
    writeBytes(path("heavy.DEF"), exampleFile("heavy.DEF").replace("\r\n130\r\n", "\r\n1500\r\n"));
    platform.openFiles.push_back(path("heavy.DEF"));
    trigger("FileLoad");
    trigger("mnuComputeDesignThickness");
    const auto pages = pdfPageTexts(exportTo("heavy.pdf"));
    if (!pages)
        GTEST_SKIP() << "pdftotext not installed";
    const QString first = squeezedLines(pages->front()).join(QLatin1Char('\n'));
    for (const char* text :
         {"ZAN Thickness Design " ZAN_VERSION, "County Road 12 reconstruction",
          "Recommended thickness 7.00 in: fatigue", "Axle loads: the Heavy axle-load spectrum",
          "Input warnings",
          "Subgrade Modulus, K (psi/in) = 1500 is outside the typical range 20 to 1000",
          "Designed by: A. Engineer", "Checked by: B. Reviewer"})
        EXPECT_TRUE(first.contains(QLatin1String(text))) << text << "\n" << qPrintable(first);
    EXPECT_FALSE(first.contains(QLatin1String("Inputs changed after this analysis")));
}

// Each kind of file keeps its own last name; before it has one, the last name of any kind is
// offered with the kind's own extension.
TEST_F(ExportPdf, EachKindOfFileOffersItsOwnName) {
    exportTo("design1.pdf");
    platform.saveFiles.push_back(std::nullopt);
    trigger("mnuSaveReport");
    platform.saveFiles.push_back(std::nullopt);
    trigger("FileSave");
    platform.saveFiles.push_back(path("other.PRN"));
    trigger("mnuSaveReport");
    platform.saveFiles.push_back(std::nullopt);
    trigger("mnuExportPdf");
    platform.saveFiles.push_back(std::nullopt);
    trigger("mnuSaveReport");
    EXPECT_EQ(platform.offeredNames,
              (std::vector<QString>{QString(), path("design1.PRN"), path("design1.DEF"),
                                    path("design1.PRN"), path("design1.pdf"), path("other.PRN")}));
}

}  // namespace
}  // namespace zan::test
