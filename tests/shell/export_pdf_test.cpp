// File > Export PDF... in the main window: its dialog, the file it writes, the input data
// file its pages name, and its failures.

#include <QDir>

#include "model/design_search.h"
#include "shell/shell_test.h"
#include "support/pdf_tools.h"

namespace zan::test {
namespace {

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

TEST_F(ExportPdf, PagesNameTheDataFileLastReadOrSaved) {
    if (!pdfText(exportTo("first.pdf")))
        GTEST_SKIP() << "pdftotext not installed";
    const QString heavy = QStringLiteral(ZAN_EXAMPLES_DIR "/heavy.DEF");
    platform.openFiles.push_back(heavy);
    trigger("FileLoad");
    EXPECT_EQ(namedInputs(exportTo("read.pdf")), QDir::toNativeSeparators(heavy));

    // A file that is refused changes nothing, the name included.
    writeBytes(path("not.DEF"), "not an input data file\r\n");
    platform.openFiles.push_back(path("not.DEF"));
    trigger("FileLoad");
    EXPECT_EQ(namedInputs(exportTo("refused.pdf")), QDir::toNativeSeparators(heavy));

    platform.saveFiles.push_back(path("saved.DEF"));
    trigger("FileSave");
    EXPECT_EQ(namedInputs(exportTo("saved.pdf")), QDir::toNativeSeparators(path("saved.DEF")));

    // A save that fails names no file.
    platform.saveFiles.push_back(path("missing/x.DEF"));
    trigger("FileSave");
    EXPECT_EQ(namedInputs(exportTo("after-failure.pdf")),
              QDir::toNativeSeparators(path("saved.DEF")));
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

TEST_F(ExportPdf, AReportThatCannotBeWrittenGivesSaveReportsMessage) {
    trigger("mnuBothAnalysis");
    window.workspace().ensurePavement().modulusOfRupture = "0";
    platform.clear();
    platform.saveFiles.push_back(path("report.PRN"));
    trigger("mnuSaveReport");
    exportTo("memo.pdf");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1], platform.messages[0]);
    EXPECT_FALSE(QFile::exists(path("memo.pdf")));
}

}  // namespace
}  // namespace zan::test
