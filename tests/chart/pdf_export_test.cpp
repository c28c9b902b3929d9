// File > Export PDF after its dialog: the memo written whole through the core's safe write,
// or a message that names the file and the reason with any previous file left as it was.
// The faults come from the file system itself, as in the core's fault tests: a path under a
// regular file, a file-size limit (RLIMIT_FSIZE) and a small tmpfs where mounting is allowed.

#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

#include "chart/pdf_report.h"
#include "commands/commands.h"
#include "model/workspace.h"
#include "platform/core_text.h"

namespace zan::test {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kPrevious = "%PDF-1.4 the previous memo";

class Export : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    void TearDown() override {
        if (mounted)
            umount2(qPrintable(*mounted), MNT_DETACH);
    }
    Expected<Done, QString> exportTo(const QString& path) {
        return exportPdfReport(workspace, path, PdfReportOptions{});
    }
    // A failure must name the file as chosen, keep the previous file and leave nothing
    // behind in the folder.
    void expectFailureKeepsPrevious(const QString& path, const Expected<Done, QString>& result) {
        ASSERT_FALSE(result.ok());
        EXPECT_TRUE(result.error().startsWith("The file " + QDir::toNativeSeparators(path) +
                                              " could not be written: "))
            << qPrintable(result.error());
        EXPECT_EQ(readAll(path), kPrevious);
        EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QFileInfo(path).fileName()});
    }
    std::optional<QString> mountTmpfs(const char* options) {
        const QString at = folder.filePath("small disk");
        QDir().mkpath(at);
        if (mount("zan-test", qPrintable(at), "tmpfs", 0, options) != 0)
            return std::nullopt;
        mounted = at;
        return at;
    }

    QTemporaryDir folder;
    Workspace workspace;
    std::optional<QString> mounted;
};

TEST_F(Export, WritesTheMemoAndCreatesTheSectionsAsSaveReportDoes) {
    const QString path = folder.filePath("memo.pdf");
    writeAll(path, kPrevious);
    ASSERT_TRUE(exportTo(path).ok());
    EXPECT_TRUE(readAll(path).startsWith("%PDF-"));
    EXPECT_TRUE(readAll(path).trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(workspace.hasPavement() && workspace.hasTraffic() && workspace.hasAxles());
    EXPECT_TRUE(workspace.unitChoiceLocked());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"memo.pdf"});
}

struct UnwritableCase {
    const char* name;
    const char* target;
};

class Unwritable : public Export, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(Unwritable, NamesTheFileAndWritesNothing) {
    writeAll(folder.filePath("plain"), "a regular file");
    QDir(folder.path()).mkdir("a folder");
    const QString path = folder.filePath(QString::fromUtf8(GetParam().target));
    const auto result = exportTo(path);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error().startsWith("The file " + QDir::toNativeSeparators(path) +
                                          " could not be written: "))
        << qPrintable(result.error());
    EXPECT_EQ(readAll(folder.filePath("plain")), "a regular file");
    EXPECT_TRUE(QFileInfo(folder.filePath("a folder")).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plain"});
}

INSTANTIATE_TEST_SUITE_P(
    Targets, Unwritable,
    ::testing::Values(UnwritableCase{"UnderARegularFile", "plain/memo.pdf"},
                      UnwritableCase{"InAMissingFolder", "missing/memo.pdf"},
                      UnwritableCase{"AFolderOfThatName", "a folder"},
                      // Its file-system bytes are not Latin-1; the message still reads right.
                      UnwritableCase{"AccentedMissingFolder", "r\u00e9sultats/memo.pdf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Export, AWriteThatFailsAfterNBytesKeepsThePreviousFile) {
    const QString path = folder.filePath("memo.pdf");
    writeAll(path, kPrevious);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    for (rlim_t limit : {rlim_t{0}, rlim_t{100}, rlim_t{8192}}) {
        rlimit small = oldLimit;
        small.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto result = exportTo(path);
        setrlimit(RLIMIT_FSIZE, &oldLimit);
        SCOPED_TRACE(limit);
        expectFailureKeepsPrevious(path, result);
    }
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(exportTo(path).ok());
}

TEST_F(Export, AFullDiskKeepsThePreviousFile) {
    const auto disk = mountTmpfs("size=16k");
    if (!disk)
        GTEST_SKIP() << "this machine does not allow a tmpfs mount";
    const QString path = *disk + "/memo.pdf";
    writeAll(path, kPrevious);
    expectFailureKeepsPrevious(path, exportTo(path));
}

// The memo is the run's: a modulus of rupture of 0 typed after it cannot spoil its tables.
TEST_F(Export, InputsTypedAfterTheRunDoNotReachTheMemo) {
    ASSERT_TRUE(performAnalysis(workspace, AnalysisKind::Both).ok());
    workspace.ensurePavement().modulusOfRupture = "0";
    const QString path = folder.filePath("memo.pdf");
    writeAll(path, kPrevious);
    ASSERT_TRUE(exportTo(path).ok());
    EXPECT_TRUE(readAll(path).startsWith("%PDF"));
}

}  // namespace
}  // namespace zan::test
