// The Qt side of the platform services that can run without a person: the file-dialog filter
// as the dialog shows and applies it, and printing into a PDF file through QPrinter. The PDF's text
// is read back with pdftotext (poppler-utils); without that tool the text checks are skipped.

#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "commands/commands.h"
#include "platform/qt_platform.h"
#include "shell/shell_test.h"

namespace zan::test {
namespace {

struct FilterCase {
    const char* name;
    const char* given;
    const char* qt;
};

class NameFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(NameFilter, BecomesAQtNameFilter) {
    EXPECT_EQ(qtNameFilter(GetParam().given), GetParam().qt);
}

INSTANTIATE_TEST_SUITE_P(Filters, NameFilter,
                         ::testing::Values(FilterCase{"DataFile", "(*.DEF)|*.DEF",
                                                      "(*.DEF) (*.DEF)"},
                                           FilterCase{"Report", "(*.PRN)|*.PRN", "(*.PRN) (*.PRN)"},
                                           FilterCase{"TwoEntries", "Data (*.DEF)|*.DEF|All|*",
                                                      "Data (*.DEF) (*.DEF);;All (*)"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShownFilterCase {
    const char* name;
    const char* given;
    QStringList shown;     // the entries of the dialog's file-type box
    QStringList patterns;  // what the first entry lists
};

void PrintTo(const ShownFilterCase& c, std::ostream* out) {
    *out << c.name;
}

// The dialog the desktop shows where it offers no file dialog of its own (Xvfb, offscreen).
class FileDialogFilter : public ::testing::TestWithParam<ShownFilterCase> {
  protected:
    FileDialogFilter() { dialog.setOption(QFileDialog::DontUseNativeDialog); }
    QFileDialog dialog;
};

TEST_P(FileDialogFilter, ShowsEachEntryByItsDescriptionOnceAndFiltersByItsPattern) {
    setUpFileDialog(dialog, GetParam().given, QString());
    const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    QStringList shown;
    for (int i = 0; i < types->count(); ++i)
        shown << types->itemText(i);
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_EQ(types->currentIndex(), 0);
    const auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->nameFilters(), GetParam().patterns);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FileDialogFilter,
    ::testing::Values(ShownFilterCase{"DataFile", "(*.DEF)|*.DEF", {"(*.DEF)"}, {"*.DEF"}},
                      ShownFilterCase{"Report", "(*.PRN)|*.PRN", {"(*.PRN)"}, {"*.PRN"}},
                      ShownFilterCase{"TwoEntries",
                                      "Data (*.DEF)|*.DEF|All|*",
                                      {"Data (*.DEF)", "All"},
                                      {"*.DEF"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The files the dialog lets the user pick in the folder it shows, once it has listed the
// `expected` number of entries there (or given up after five seconds).
QStringList choosableFiles(QFileDialog& dialog, int expected) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (model == nullptr)
        return {};
    // The model lists the folder in a thread of its own and rebuilds its nodes meanwhile, so
    // the folder's index is taken anew after every wait.
    const QString path = dialog.directory().absolutePath();
    QElapsedTimer waited;
    waited.start();
    while (model->rowCount(model->index(path)) < expected && waited.elapsed() < 5000)
        QTest::qWait(10);
    const QModelIndex folder = model->index(path);
    QStringList names;
    for (int row = 0; row < model->rowCount(folder); ++row) {
        const QModelIndex item = model->index(row, 0, folder);
        // Qt greys out, rather than hides, what the filter leaves out on some desktops.
        if (item.flags() & Qt::ItemIsEnabled)
            names << item.data().toString();
    }
    names.sort();
    return names;
}

TEST_F(FileDialogFilter, OpensAtTheLastChosenFileAndListsOnlyTheFilterFiles) {
    QTemporaryDir folder;
    for (const char* name : {"a.DEF", "b.DEF", "report.PRN", "notes.txt"})
        writeBytes(folder.filePath(name), "x");
    setUpFileDialog(dialog, "(*.DEF)|*.DEF", folder.filePath("b.DEF"));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    ASSERT_EQ(dialog.selectedFiles().size(), 1);
    EXPECT_EQ(QFileInfo(dialog.selectedFiles().front()).fileName(), "b.DEF");
    EXPECT_EQ(choosableFiles(dialog, 2), (QStringList{"a.DEF", "b.DEF"}));
}

// A folder removed since the last use: the name is still offered, in the dialog's own folder.
TEST_F(FileDialogFilter, LastChosenFileInAFolderRemovedSinceKeepsItsName) {
    QTemporaryDir folder;
    setUpFileDialog(dialog, "(*.DEF)|*.DEF", folder.filePath("gone/design.DEF"));
    EXPECT_NE(QDir(dialog.directory()).absolutePath(), folder.filePath("gone"));
    ASSERT_EQ(dialog.selectedFiles().size(), 1);
    EXPECT_EQ(QFileInfo(dialog.selectedFiles().front()).fileName(), "design.DEF");
}

struct ProposalCase {
    const char* name;
    const char* last;
    const char* suffix;
    const char* proposed;
};

class SaveNameProposal : public ::testing::TestWithParam<ProposalCase> {};

TEST_P(SaveNameProposal, TakesTheDefaultSuffixInPlaceOfTheLastNamesOwn) {
    EXPECT_EQ(proposedSaveName(GetParam().last, GetParam().suffix), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveNameProposal,
    ::testing::Values(ProposalCase{"DataFileBecomesPdf", "/d/heavy.DEF", "pdf", "/d/heavy.pdf"},
                      ProposalCase{"PdfStays", "/d/memo.PDF", "pdf", "/d/memo.PDF"},
                      ProposalCase{"NoSuffixGetsOne", "/d/memo", "pdf", "/d/memo.pdf"},
                      ProposalCase{"OnlyTheLastSuffix", "/d/route.7.DEF", "pdf", "/d/route.7.pdf"},
                      ProposalCase{"DotInAFolderOnly", "/d.x/memo", "pdf", "/d.x/memo.pdf"},
                      ProposalCase{"WithoutDefaultTheNameStays", "/d/heavy.DEF", "",
                                   "/d/heavy.DEF"},
                      ProposalCase{"NothingChosenYet", "", "pdf", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Each filter keeps its own last name; before it has one, the last name of any dialog is
// offered with the filter's extension, or with the default suffix when one is given.
TEST(OfferedFileName, ByKindOfFile) {
    const std::map<QString, QString> last = {{"(*.PRN)|*.PRN", "/d/old.PRN"}};
    struct Case {
        const char* filter;
        const char* suffix;
        const char* offered;
    };
    const Case cases[] = {
        {"(*.PRN)|*.PRN", "", "/d/old.PRN"},
        {"(*.DEF)|*.DEF", "", "/d/design1.DEF"},
        {"PDF files (*.pdf)|*.pdf", "pdf", "/d/design1.pdf"},
        {"PNG Image|*.png|SVG Drawing|*.svg", "", "/d/design1.png"},
        {"Any|*", "", "/d/design1.PRN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(offeredFileName(last, "/d/design1.PRN", c.filter, c.suffix), c.offered)
            << c.filter;
    EXPECT_EQ(offeredFileName({}, "", "(*.DEF)|*.DEF", ""), "");
}

// The text of a PDF file, or nothing when pdftotext is not installed.
std::optional<QString> pdfText(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {"-layout", pdf, "-"});
    if (!process.waitForFinished(20000))
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString squeezed(const QString& line) {
    return line.simplified();
}

// Non-blank lines with their runs of blanks made single: pdftotext places columns by
// position, so only the words and their order can be compared.
QStringList printedLines(const QString& text) {
    QStringList out;
    for (const QString& line : text.split('\n'))
        if (!squeezed(line).isEmpty() && line != "\f")
            out << squeezed(line).remove('\f');
    return out;
}

QStringList reportLinesOfBothAnalysis() {
    Workspace workspace;
    const CommandOutcome outcome = performAnalysis(workspace, AnalysisKind::Both);
    QStringList lines = fromCore(*outcome.report).split("\r\n");
    lines.removeLast();
    return lines;
}

class PdfPrinting : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        pdf = folder.filePath("report.pdf");
    }
    static void toPdf(QPrinter& printer, const QString& file) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    void expectReportText(const QStringList& report) {
        ASSERT_TRUE(readBytes(pdf).startsWith("%PDF"));
        const std::optional<QString> text = pdfText(pdf);
        if (!text)
            GTEST_SKIP() << "pdftotext not installed: only the PDF file was checked";
        QStringList expected;
        for (const QString& line : report)
            if (!squeezed(line).isEmpty())
                expected << squeezed(line);
        // Every report line is one printed line, in order, none wrapped or lost.
        EXPECT_EQ(printedLines(*text), expected);
        // The report does not fit one page at 10 pt: the lines went on to a second page.
        EXPECT_GE(text->count('\f'), 2) << "expected at least two pages";
    }

    QTemporaryDir folder;
    QString pdf;
};

TEST_F(PdfPrinting, PrintLinesPutsEachReportLineOnOnePrintedLine) {
    const QStringList report = reportLinesOfBothAnalysis();
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, pdf);
    EXPECT_TRUE(printLines(printer, report).ok());
    expectReportText(report);
}

TEST_F(PdfPrinting, QtPlatformPrintsOnItsPrinter) {
    const QStringList report = reportLinesOfBothAnalysis();
    QtPlatform platform;
    toPdf(platform.printer(), pdf);
    EXPECT_TRUE(platform.printDocument(report, 1).ok());
    expectReportText(report);
}

// The main window's Print Report, from the menu to print to file: the fake answers the print
// dialog, the PDF file is written as QtPlatform writes it.
class PdfPlatform : public FakePlatform {
  public:
    explicit PdfPlatform(const QString& file) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    Expected<Done, QString> printDocument(const QStringList& lines, int copies) override {
        FakePlatform::printDocument(lines, copies);
        return printToPdfFile(printer, lines, copies);
    }
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PdfPrinting, PrintReportFromTheMenuWritesTheReportBoxLines) {
    PdfPlatform platform(pdf);
    MainWindow window(platform);
    window.findChild<QAction*>("mnuBothAnalysis")->trigger();
    platform.printCopies.push_back(1);
    window.findChild<QAction*>("mnuPrintReport")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.printedDocuments.size(), 1u);
    expectReportText(window.reportBox()->toPlainText().split('\n'));
}

// Print to file: the copies follow one another in one PDF, each from a new page.
class PrintToFile : public PdfPrinting, public ::testing::WithParamInterface<int> {};

TEST_P(PrintToFile, HoldsEveryCopyInOneDocument) {
    const QStringList report = reportLinesOfBothAnalysis();
    QtPlatform one;
    toPdf(one.printer(), folder.filePath("one.pdf"));
    ASSERT_TRUE(one.printDocument(report, 1).ok());
    QtPlatform platform;
    toPdf(platform.printer(), pdf);

    ASSERT_TRUE(platform.printDocument(report, GetParam()).ok());

    ASSERT_TRUE(readBytes(pdf).startsWith("%PDF"));
    const std::optional<QString> single = pdfText(folder.filePath("one.pdf"));
    const std::optional<QString> text = pdfText(pdf);
    if (!text || !single)
        GTEST_SKIP() << "pdftotext not installed: only the PDF file was checked";
    QStringList expected;
    for (int copy = 0; copy < GetParam(); ++copy)
        expected << printedLines(*single);
    EXPECT_EQ(printedLines(*text), expected);
    EXPECT_EQ(text->count('\f'), GetParam() * single->count('\f'))
        << "each copy starts on a page of its own";
}

INSTANTIATE_TEST_SUITE_P(Copies, PrintToFile, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return std::to_string(info.param) + "Copies"; });

TEST_F(PdfPrinting, NoCopiesWriteNoFile) {
    QtPlatform platform;
    toPdf(platform.printer(), pdf);
    EXPECT_TRUE(platform.printDocument({"a line"}, 0).ok());
    EXPECT_FALSE(QFile::exists(pdf));
}

// The file is written whole or not at all: a write that fails after a few bytes (the
// process's file-size limit) names the file and leaves the previous one as it was.
TEST_F(PdfPrinting, FailedPrintToFileKeepsThePreviousFile) {
    writeBytes(pdf, "the previous file");
    QtPlatform platform;
    toPdf(platform.printer(), pdf);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit small = oldLimit;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto printed = platform.printDocument(reportLinesOfBothAnalysis(), 2);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(printed.ok());
    EXPECT_TRUE(printed.error().startsWith("The file " + QDir::toNativeSeparators(pdf) +
                                           " could not be written: "))
        << qPrintable(printed.error());
    EXPECT_EQ(readBytes(pdf), "the previous file");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "a temporary file was left behind";
}

TEST_F(PdfPrinting, PrintToFileInAMissingFolderIsAnError) {
    QtPlatform platform;
    const QString missing = folder.filePath("missing/report.pdf");
    toPdf(platform.printer(), missing);
    const auto printed = platform.printDocument({"a line"}, 1);
    ASSERT_FALSE(printed.ok());
    EXPECT_TRUE(printed.error().contains(QDir::toNativeSeparators(missing)))
        << qPrintable(printed.error());
}

TEST_F(PdfPrinting, UnwritableOutputIsAnError) {
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, folder.filePath("missing/report.pdf"));
    const auto printed = printLines(printer, {"a line"});
    ASSERT_FALSE(printed.ok());
    EXPECT_FALSE(printed.error().isEmpty());
}

}  // namespace
}  // namespace zan::test
