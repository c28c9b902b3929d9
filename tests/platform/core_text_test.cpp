// The bridge between the core's UTF-8 texts and QString: no character may be lost or changed
// on the way, and only CR LF pairs become line feeds.

#include "platform/core_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zan::test {
namespace {

TEST(CoreText, EveryCharacterSurvivesTheRoundTrip) {
    QString text;
    for (char16_t c = 0; c < 0x800; ++c)
        text += QChar(c);
    text += QStringLiteral("O\u2019Hare Road \u2013 \u0141\u00f3d\u017a \U0001F600");
    EXPECT_EQ(fromCore(toCore(text)), text);  // the NUL character does not end the text
}

struct ToCoreCase {
    const char* name;
    QString text;
    std::string bytes;
};

void PrintTo(const ToCoreCase& c, std::ostream* os) {
    *os << c.name;
}

class ToCore : public ::testing::TestWithParam<ToCoreCase> {};

// An input text keeps to the characters of the input data file.
TEST_P(ToCore, GivesWhatAnInputTextKeeps) {
    EXPECT_EQ(toInputText(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToCore,
    ::testing::Values(ToCoreCase{"Ascii", QStringLiteral("h1 = 9.5"), "h1 = 9.5"},
                      ToCoreCase{"Empty", QString(), ""},
                      ToCoreCase{"AccentedLetter", QStringLiteral("D\u00e9bit"), "D\u00e9bit"},
                      ToCoreCase{"LineBreaksKept", QStringLiteral("a\r\nb\nc"), "a\r\nb\nc"},
                      ToCoreCase{"Euro", QStringLiteral("100 \u20ac"), "100 \u20ac"},
                      ToCoreCase{"BeyondTheFile", QStringLiteral("\u0141\u00f3d\u017a"),
                                 "?\u00f3d?"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LinesCase {
    const char* name;
    std::string core;
    QString shown;
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class FromCoreLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(FromCoreLines, BreaksOnlyCrLfPairsAnew) {
    EXPECT_EQ(fromCoreLines(GetParam().core), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FromCoreLines,
    ::testing::Values(LinesCase{"CrLf", "a\r\nb", QStringLiteral("a\nb")},
                      LinesCase{"TrailingCrLf", "a\r\n", QStringLiteral("a\n")},
                      LinesCase{"LoneCr", "a\rb", QStringLiteral("a\rb")},
                      LinesCase{"LoneLf", "a\nb", QStringLiteral("a\nb")},
                      LinesCase{"CrBeforeCrLf", "a\r\r\nb", QStringLiteral("a\r\nb")},
                      LinesCase{"Degree", "\u00b0\r\n", QStringLiteral("\u00b0\n")}),
    [](const auto& info) { return std::string(info.param.name); });

struct LineListCase {
    const char* name;
    std::string core;
    QStringList lines;
};

void PrintTo(const LineListCase& c, std::ostream* os) {
    *os << c.name;
}

class FromCoreLineList : public ::testing::TestWithParam<LineListCase> {};

TEST_P(FromCoreLineList, SplitsAtCrLfWithoutAnExtraLastLine) {
    EXPECT_EQ(fromCoreLineList(GetParam().core), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FromCoreLineList,
    ::testing::Values(LineListCase{"Empty", "", {}}, LineListCase{"OneLine", "a\r\n", {"a"}},
                      LineListCase{"NoFinalCrLf", "a\r\nb", {"a", "b"}},
                      LineListCase{"EmptyLinesKept", "\r\n\r\na\r\n\r\n", {"", "", "a", ""}},
                      LineListCase{"LoneLfStaysInItsLine", "a\nb\r\n", {"a\nb"}},
                      LineListCase{"Degree", "\u00b0\r\n", {QStringLiteral("\u00b0")}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PathCase {
    const char* name;
    QString path;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class ShownPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(ShownPath, NamesTheFileAsTheUserChoseIt) {
    const QString& path = GetParam().path;
    const std::string message = "The file " + toCorePath(path) + " could not be written.";
    EXPECT_EQ(withShownPath(message, path),
              "The file " + toCore(QDir::toNativeSeparators(path)) + " could not be written.");
    EXPECT_EQ(fromCore(withShownPath(message, path)), QStringLiteral("The file ") +
                                                          QDir::toNativeSeparators(path) +
                                                          QStringLiteral(" could not be written."));
    // A message naming another file is left alone.
    EXPECT_EQ(withShownPath("Nothing to say", path), "Nothing to say");
    EXPECT_EQ(messageText(message, toCorePath(path)), QStringLiteral("The file ") +
                                                          QDir::toNativeSeparators(path) +
                                                          QStringLiteral(" could not be written."));
}

// A message box names a file in any script, as the file system decodes its bytes; the rest of
// the text stays as it is with its lines broken anew.
TEST(MessageText, ShowsTheFileNameInAnyScript) {
    const QString path = QStringLiteral("/tmp/\u043f\u0440\u043e\u0435\u043a\u0442.DEF");
    const std::string bytes = toCorePath(path);
    EXPECT_EQ(messageText(bytes + "  Loaded!\r\nNext", bytes),
              path + QStringLiteral("  Loaded!\nNext"));
    EXPECT_EQ(messageText("A " + bytes + " B " + bytes, bytes), "A " + path + " B " + path);
    EXPECT_EQ(messageText("caf\u00e9", ""), QStringLiteral("caf\u00e9"));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ShownPath,
    ::testing::Values(PathCase{"Ascii", QStringLiteral("/tmp/chart.png")},
                      PathCase{"AccentedFolder", QStringLiteral("/tmp/r\u00e9sultats/chart.png")},
                      PathCase{"Blanks", QStringLiteral("/tmp/my charts/chart 1.svg")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan::test
