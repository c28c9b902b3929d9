// The input data files' MIME type as a desktop finds it: update-mime-database builds a
// database from the installed package file, and Qt's own lookup, which file dialogs and
// file managers share, reads it. update-mime-database reports a broken package file but
// still exits with 0, so only the lookup shows the type is really there.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <QMimeDatabase>
#include <QMimeType>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/files.h"

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = ZAN_EXAMPLES_DIR;

using zan::test::readBytes;

class MimeType : public ::testing::Test {
  protected:
    // Qt reads the MIME folders once, on first use, so the database is built before any test
    // and the lookup sees it ahead of the system's.
    static void SetUpTestSuite() {
        std::string pattern = (fs::temp_directory_path() / "zan-mime-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        s_root = pattern;
        fs::create_directories(s_root / "data/mime/packages");
        fs::create_directories(s_root / "home");
        fs::copy_file(ZAN_MIME_PACKAGE, s_root / "data/mime/packages/zan-design-def.xml");
        const std::string command = std::string("'") + ZAN_UPDATE_MIME_DATABASE + "' '" +
                                    (s_root / "data/mime").string() + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
        setenv("XDG_DATA_HOME", (s_root / "home").c_str(), 1);
        setenv("XDG_DATA_DIRS", ((s_root / "data").string() + ":/usr/share").c_str(), 1);
    }
    static void TearDownTestSuite() { fs::remove_all(s_root); }

    static fs::path copyOf(const char* example, const std::string& name) {
        const fs::path path = s_root / name;
        fs::copy_file(kExamples / example, path, fs::copy_options::overwrite_existing);
        return path;
    }

    static QString typeOf(const fs::path& path) {
        return QMimeDatabase().mimeTypeForFile(QString::fromStdString(path.string())).name();
    }

    static inline fs::path s_root;
};

TEST_F(MimeType, IsDefinedWithItsCommentAsPlainText) {
    const QMimeType type = QMimeDatabase().mimeTypeForName(QStringLiteral("application/x-zan-def"));
    ASSERT_TRUE(type.isValid());
    EXPECT_EQ(type.comment().toStdString(), "ZAN Thickness Design input data");
    // Text editors are offered for the files too.
    EXPECT_TRUE(type.inherits(QStringLiteral("text/plain")));
    EXPECT_TRUE(type.globPatterns().contains(QStringLiteral("*.DEF")));
    EXPECT_TRUE(type.globPatterns().contains(QStringLiteral("*.def")));
}

TEST_F(MimeType, FoundByNameOrByContent) {
    const struct {
        const char* row;
        const char* example;
        const char* name;
        const char* expected;
    } rows[] = {
        {"English file as the program names it", "heavy.DEF", "heavy.DEF", "application/x-zan-def"},
        {"Metric file", "initial-metric.DEF", "metric.DEF", "application/x-zan-def"},
        {"lower-case extension", "light.DEF", "light.def", "application/x-zan-def"},
        {"mixed-case extension", "light.DEF", "mixed.Def", "application/x-zan-def"},
        {"English marker, no extension", "medium.DEF", "medium", "application/x-zan-def"},
        {"Metric marker, no extension", "initial-metric.DEF", "metric", "application/x-zan-def"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(typeOf(copyOf(row.example, row.name)).toStdString(), row.expected) << row.row;
}

TEST_F(MimeType, OtherTextIsNotTakenForInputData) {
    const fs::path notes = s_root / "notes";
    std::ofstream(notes, std::ios::binary) << "****ZAN**** is not the first line\r\n";
    EXPECT_EQ(typeOf(notes).toStdString(), "text/plain");
    // Without its first line a data file has no marker, and without an extension nothing
    // else tells what it is.
    const fs::path headless = s_root / "design";
    std::ofstream(headless, std::ios::binary)
        << readBytes(kExamples / "heavy.DEF").substr(std::string("****ENG****\r\n").size());
    EXPECT_EQ(typeOf(headless).toStdString(), "text/plain");
}

}  // namespace
