// Opening a design from outside the File menu: the files named on the command line, and a
// file dropped on the main window. Both read as File > Read Data From File reads; the main
// window opens centred.

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <ostream>

#include "chart/pdf_report.h"
#include "commands/commands.h"
#include "shell/shell_test.h"

namespace zan::test {
namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QByteArray heavy() {
    return exampleFile("heavy.DEF");
}
QByteArray wrongThirdLine() {
    return heavy().replace("***ZAN***", "***ZAM***");
}
QByteArray truncated() {
    return heavy().left(heavy().indexOf("\"20\",\"16.33\""));
}

// ---------------------------------------------------------------- the command line

enum class Read { Loaded, Rejected, Unreadable };

struct StartupCase {
    const char* name;
    QByteArray (*contents)();  // nullptr: the file does not exist
    Read read;
};

void PrintTo(const StartupCase& c, std::ostream* out) {
    *out << c.name;
}

class StartupFile : public ShellTest, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(StartupFile, IsReadAsTheMenuReadsItWithoutTheLoadedBox) {
    const StartupCase& c = GetParam();
    const QString file = path("design.DEF");
    if (c.contents != nullptr)
        writeBytes(file, c.contents());

    window.openStartupFiles({file});

    EXPECT_EQ(platform.busyDepth, 0);
    EXPECT_TRUE(platform.fileDialogFilters.empty()) << "no file dialog at start-up";
    Workspace& ws = window.workspace();
    if (c.read == Read::Loaded) {
        EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
        // The report of the inputs alone, as Save Report writes it before any analysis.
        EXPECT_EQ(reportBoxText(), fromCoreLines(currentReport()));
        EXPECT_TRUE(reportBoxText().contains("Average Daily Traffic, ADT = "));
        EXPECT_FALSE(reportBoxText().contains("Analysis Solutions"));
        EXPECT_EQ(ws.traffic().averageDailyTraffic, "12900");
        EXPECT_EQ(unitMenu(), kEnglishLocked);  // as after the menu's read
        // The file counts as chosen: Export PDF offers its name.
        platform.saveFiles.push_back(std::nullopt);
        trigger("mnuExportPdf");
        EXPECT_EQ(platform.offeredNames, std::vector<QString>{path("design.pdf")});
        return;
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string& text = platform.messages[0].text;
    if (c.read == Read::Rejected)
        EXPECT_EQ(text, "Incorrect Input File!");
    else
        EXPECT_NE(text.find(toCore(native(file))), std::string::npos) << text;
    EXPECT_EQ(platform.messages[0].title, "");
    EXPECT_TRUE(reportBoxText().isEmpty());
    EXPECT_FALSE(ws.hasPavement());
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupFile,
    ::testing::Values(StartupCase{"Complete", &heavy, Read::Loaded},
                      StartupCase{"WrongThirdLine", &wrongThirdLine, Read::Rejected},
                      StartupCase{"EndsInTheAxleRows", &truncated, Read::Unreadable},
                      StartupCase{"Missing", nullptr, Read::Unreadable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, NoStartupFileChangesNothing) {
    window.openStartupFiles({});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(reportBoxText().isEmpty());
    EXPECT_FALSE(window.workspace().hasPavement());
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
}

TEST_F(ShellTest, StartupFilesAfterTheFirstAreNamedAndIgnored) {
    const QString first = path("first.DEF");
    const QString second = path("second.DEF");
    writeBytes(first, exampleFile("initial-metric.DEF"));
    writeBytes(second, heavy());

    window.openStartupFiles({first, second, "third.DEF"});

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Only the first file was read:\r\n" + toCore(native(first)) +
                  "\r\nThese files were ignored:\r\n" + toCore(native(second)) + "\r\n" +
                  toCore(native(QDir::current().filePath("third.DEF"))));
    EXPECT_EQ(window.workspace().unitSystem(), UnitSystem::Metric);
    EXPECT_EQ(window.workspace().pavement().thickness, "24.1");
}

// A name relative to the folder the program was started in; the messages give the full path.
TEST_F(ShellTest, RelativeStartupFileIsNamedByItsFullPath) {
    writeBytes(path("cut.DEF"), truncated());
    const QString started = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    window.openStartupFiles({"cut.DEF"});
    QDir::setCurrent(started);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The file " + toCore(native(path("cut.DEF"))) +
                                             " ends before the tenth axle-load row. Nothing "
                                             "was loaded.");
}

// A name that is not valid UTF-8 has no QString that gives its bytes back: the file is opened
// by the bytes the command line passed.
TEST_F(ShellTest, StartupFileWhoseNameIsNotUtf8IsOpenedByItsBytes) {
    const std::string bytes = toCorePath(folder.path()) + "/design-\xff.DEF";
    std::ofstream(bytes, std::ios::binary)
        << readBytes(QStringLiteral(ZAN_EXAMPLES_DIR "/heavy.DEF")).toStdString();
    window.openStartupFiles({QFile::decodeName(QByteArray::fromStdString(bytes))}, {bytes});
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
    EXPECT_EQ(window.workspace().project().project, "County Road 12 reconstruction");
    std::remove(bytes.c_str());  // the folder's clean-up goes by QString names
}

// What the user checks: the design opened at start-up, analysed and saved, is the report
// zan-report writes for the same file.
TEST_F(ShellTest, StartupFileAnalysedAndSavedIsWhatZanReportWrites) {
    const QString file = QStringLiteral(ZAN_EXAMPLES_DIR "/heavy.DEF");
    window.openStartupFiles({file});
    trigger("mnuBothAnalysis");
    const QString saved = path("heavy.PRN");
    platform.saveFiles.push_back(saved);
    trigger("mnuSaveReport");

    QProcess zanReport;
    zanReport.start(QStringLiteral(ZAN_REPORT_BINARY), {"--both", file});
    ASSERT_TRUE(zanReport.waitForFinished(30000));
    ASSERT_EQ(zanReport.exitCode(), 0) << zanReport.readAllStandardError().toStdString();
    EXPECT_EQ(readBytes(saved), zanReport.readAllStandardOutput());
}

// ---------------------------------------------------------------- drag and drop

// Read: the file is read; Rejected: it is taken, and refused by the reader as from the menu.
enum class Drop { Read, Rejected, Refused };

struct DropCase {
    const char* name;
    // What the drag carries, given the test's folder; the files "design.DEF", "other.DEF",
    // "design.def", "wrong.DEF", "report.PRN", the memo "memo.pdf" and the folder "folder.DEF"
    // exist there.
    std::function<void(QMimeData&, const QDir&)> fill;
    Drop drop;
};

void PrintTo(const DropCase& c, std::ostream* out) {
    *out << c.name;
}

QUrl local(const QDir& folder, const char* name) {
    return QUrl::fromLocalFile(folder.filePath(QLatin1String(name)));
}

const DropCase kDrops[] = {
    {"OneDataFile", [](QMimeData& m, const QDir& d) { m.setUrls({local(d, "design.DEF")}); },
     Drop::Read},
    {"LowerCaseExtension", [](QMimeData& m, const QDir& d) { m.setUrls({local(d, "design.def")}); },
     Drop::Read},
    {"NoInputDataFile", [](QMimeData& m, const QDir& d) { m.setUrls({local(d, "wrong.DEF")}); },
     Drop::Rejected},
    // A design memo carries its input data file.
    {"DesignMemo", [](QMimeData& m, const QDir& d) { m.setUrls({local(d, "memo.pdf")}); },
     Drop::Read},
    {"TwoDataFiles",
     [](QMimeData& m, const QDir& d) {
         m.setUrls({local(d, "design.DEF"), local(d, "other.DEF")});
     },
     Drop::Refused},
    {"ReportFile", [](QMimeData& m, const QDir& d) { m.setUrls({local(d, "report.PRN")}); },
     Drop::Refused},
    {"FolderNamedDEF", [](QMimeData& m, const QDir& d) { m.setUrls({local(d, "folder.DEF")}); },
     Drop::Refused},
    {"RemoteFile",
     [](QMimeData& m, const QDir&) { m.setUrls({QUrl("https://example.org/design.DEF")}); },
     Drop::Refused},
    {"TextNamingAFile", [](QMimeData& m, const QDir& d) { m.setText(d.filePath("design.DEF")); },
     Drop::Refused},
    {"NoUrls", [](QMimeData& m, const QDir&) { m.setUrls({}); }, Drop::Refused},
};

class Dropped : public ShellTest, public ::testing::WithParamInterface<DropCase> {
  protected:
    void SetUp() override {
        for (const char* name : {"design.DEF", "other.DEF", "design.def"})
            writeBytes(path(name), exampleFile("initial-metric.DEF"));
        writeBytes(path("wrong.DEF"), wrongThirdLine());
        writeBytes(path("report.PRN"), "a report\r\n");
        Workspace memo;
        ASSERT_TRUE(readDataBytes(memo, exampleFile("initial-metric.DEF").toStdString(), "").ok());
        writeBytes(path("memo.pdf"), *buildPdfReport(memo, PdfReportOptions{}));
        ASSERT_TRUE(QDir(folder.path()).mkdir("folder.DEF"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // A drag over the report box, which covers most of the window, let go there; the read
    // itself follows from the event loop.
    bool dragAndDrop(const QMimeData& data) {
        QWidget* target = window.reportBox()->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(platform.messages.empty()) << "a message box inside the drop itself";
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }
};

TEST_P(Dropped, SingleDataFileIsReadAnythingElseRefused) {
    QMimeData data;
    GetParam().fill(data, QDir(folder.path()));
    window.reportBox()->setPlainText("earlier report");

    const bool accepted = dragAndDrop(data);

    EXPECT_EQ(platform.busyDepth, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    const Message& shown = platform.messages[0];
    EXPECT_EQ(shown.title, "");
    EXPECT_EQ(shown.buttons, Buttons::Ok);
    EXPECT_EQ(reportBoxText(), "earlier report");
    Workspace& ws = window.workspace();
    const Drop drop = GetParam().drop;
    EXPECT_EQ(accepted, drop != Drop::Refused);
    if (drop == Drop::Read) {
        const QString file = data.urls().front().toLocalFile();
        EXPECT_EQ(shown.text, toCore(native(file)) + "  Loaded!");
        EXPECT_EQ(ws.unitSystem(), UnitSystem::Metric);
        EXPECT_EQ(unitMenu(), kMetricLocked);
        return;
    }
    EXPECT_EQ(shown.text, drop == Drop::Rejected
                              ? "Incorrect Input File!"
                              : "Only a single input data file (.DEF) can be dropped here.");
    EXPECT_FALSE(ws.hasPavement());
    EXPECT_EQ(unitMenu(), kEnglishSwitchable);
}

INSTANTIATE_TEST_SUITE_P(Drags, Dropped, ::testing::ValuesIn(kDrops),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- placement

TEST_F(ShellTest, OpensCentredOnTheScreenAtItsDesignedClientSize) {
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    EXPECT_LE(std::abs(outer.center().x() - screen.center().x()), 1) << outer.x();
    EXPECT_LE(std::abs(outer.center().y() - screen.center().y()), 1) << outer.y();
    const QSize client = window.centralWidget()->size();
    EXPECT_NEAR(client.width(), 7395.0 * window.logicalDpiX() / 1440.0, 1.0);
    EXPECT_NEAR(client.height(), 6600.0 * window.logicalDpiY() / 1440.0, 1.0);
}

}  // namespace
}  // namespace zan::test
