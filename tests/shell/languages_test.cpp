// The program in each language the build has a catalogue of (translations/zan_LANG.ts): every
// window, menu, tooltip, status tip and message box the windows make reads that language and
// shows its text whole, and the memo keeps the English memo's numbers. A text counts as
// English when it holds a word of the catalogue's English texts that no translation uses; the
// program's name, units and numbers are the same in every language.

#include <QAbstractButton>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QXmlStreamReader>
#include <array>

#include "chart/pdf_report.h"
#include "commands/commands.h"
#include "model/catalogue.h"
#include "shell/language.h"
#include "shell/shell_test.h"
#include "support/pdf_tools.h"

namespace zan::test {
namespace {

QSet<QString> wordsOf(QString text) {
    for (const char* name : {"ZAN Thickness Design", "ZAN Design", "zan-report", "zan-design"})
        text.remove(QLatin1String(name));
    static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
    QSet<QString> words;
    for (const QString& word : text.remove(QLatin1Char('&')).split(notLetters))
        if (word.size() > 1)
            words << word.toLower();
    return words;
}

// One catalogue of the build: its file and the language it is for.
struct CatalogueFile {
    QString path;
    // The file's suffix, which --lang and the system's language name it by ("pt")...
    std::string code() const { return QFileInfo(path).completeBaseName().mid(4).toStdString(); }
    // ...and the language its header declares, which may name a region ("pt_BR").
    QString declared() const {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"TS")
                return xml.attributes().value(QStringLiteral("language")).toString();
        return {};
    }
};

// Names the catalogue in a failing test's message by its code.
void PrintTo(const CatalogueFile& catalogue, std::ostream* out) {
    *out << catalogue.code();
}

std::vector<CatalogueFile> catalogues() {
    std::vector<CatalogueFile> found;
    for (const QString& path : QStringLiteral(ZAN_CATALOGUES).split(u'|', Qt::SkipEmptyParts))
        found.push_back({path});
    return found;
}

std::string nameOf(const ::testing::TestParamInfo<CatalogueFile>& info) {
    return info.param.code();
}

// The catalogue's messages: context, English source, translation.
std::vector<std::array<QString, 3>> catalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<std::array<QString, 3>> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto text = [&xml] {
            return xml.readElementText(QXmlStreamReader::IncludeChildElements);
        };
        if (xml.name() == u"name")
            context = text();
        else if (xml.name() == u"source")
            messages.push_back({context, text(), {}});
        else if (xml.name() == u"translation")
            messages.back()[2] = text();
    }
    return messages;
}

QSet<QString> englishWords(const QString& path) {
    QSet<QString> english, translated;
    for (const auto& [context, source, translation] : catalogue(path)) {
        english.unite(wordsOf(source));
        translated.unite(wordsOf(translation));
    }
    return english.subtract(translated);
}

// The translation of one source text, or the source where the catalogue has none.
QString translationOf(const QString& path, QStringView context, const QString& source) {
    for (const auto& [c, s, translation] : catalogue(path))
        if (c == context && s == source)
            return translation;
    return source;
}

class Catalogue : public ::testing::TestWithParam<CatalogueFile> {};
INSTANTIATE_TEST_SUITE_P(EveryCatalogue, Catalogue, ::testing::ValuesIn(catalogues()), nameOf);

// A translation keeps the %1 to %9 of its source and adds none: a number or a name dropped,
// or one taken for another, would make a wrong message.
TEST_P(Catalogue, KeepsTheArgumentsOfEachSource) {
    static const QRegularExpression argument(QStringLiteral("%[1-9]"));
    const auto arguments = [](const QString& text) {
        QStringList found;
        for (const auto& match : argument.globalMatch(text))
            found << match.captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    for (const auto& [context, source, translation] : catalogue(GetParam().path))
        EXPECT_EQ(arguments(translation), arguments(source))
            << qPrintable(context) << ": " << qPrintable(source);
}

// --lang with the catalogue's code or with the language its header declares, and a system
// whose language is that one, choose the catalogue: LANG=pt_BR.UTF-8 as well as --lang pt.
TEST_P(Catalogue, IsChosenByItsLanguageAndRegion) {
    const std::string code = GetParam().code();
    const std::string declared = GetParam().declared().toStdString();
    EXPECT_EQ(catalogue::matchLanguage(code), code);
    EXPECT_EQ(catalogue::matchLanguage(declared), code) << declared;
    EXPECT_EQ(catalogue::languageFromEnvironment("", "", declared + ".UTF-8"), code) << declared;
}

// Qt's own texts (standard buttons, file and print dialogs) follow the language wherever Qt
// has them, under the catalogue's code or under the region its header declares.
TEST_P(Catalogue, BringsQtsOwnTexts) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString code = QString::fromStdString(GetParam().code());
    if (!QFile::exists(folder + QStringLiteral("/qtbase_%1.qm").arg(code)) &&
        !QFile::exists(folder + QStringLiteral("/qtbase_%1.qm").arg(GetParam().declared())))
        GTEST_SKIP() << "Qt has no texts of its own in this language (qt6-translations-l10n)";
    useLanguage(GetParam().code());
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    useLanguage("en");
    EXPECT_NE(cancel, QStringLiteral("Cancel"));
}

// The language in force for one test, English again after it.
struct InForce {
    explicit InForce(const std::string& code) { useLanguage(code); }
    ~InForce() { useLanguage("en"); }
};

class TranslatedWindows : public ::testing::TestWithParam<CatalogueFile> {
  protected:
    void expectTranslated(const QString& where, const QString& text) {
        if (text.trimmed().isEmpty())
            return;
        const QSet<QString> left = wordsOf(text).intersect(m_english);
        EXPECT_TRUE(left.isEmpty())
            << qPrintable(where) << ": \"" << qPrintable(text) << "\" is English ("
            << qPrintable(left.values().join(u' ')) << ")";
    }
    void expectWhole(const QString& where, const QString& text, int needed, int width) {
        EXPECT_LE(needed, width) << qPrintable(where) << ": \"" << qPrintable(text)
                                 << "\" is cut off";
    }
    void checkWidget(QWidget* widget);
    void checkWindow(QWidget* window);

    InForce m_language{GetParam().code()};
    QSet<QString> m_english = englishWords(GetParam().path);
    FakePlatform platform;
    MainWindow window{platform};
};

void TranslatedWindows::checkWidget(QWidget* w) {
    const QString where = w->window()->objectName() + u'/' + w->objectName();
    expectTranslated(where + QStringLiteral(" tooltip"), w->toolTip());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        expectTranslated(where, label->text());
        if (!label->wordWrap())
            expectWhole(where, label->text(), label->sizeHint().width(), label->width());
    } else if (auto* push = qobject_cast<QPushButton*>(w)) {
        // A push button's size hint has a least width; its text needs only the margins.
        const QString text = QString(push->text()).remove(QLatin1Char('&'));
        expectTranslated(where, push->text());
        expectWhole(where, text,
                    qMin(push->sizeHint().width(),
                         push->fontMetrics().horizontalAdvance(text) +
                             2 * push->style()->pixelMetric(QStyle::PM_ButtonMargin)),
                    push->width());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        expectTranslated(where, button->text());
        expectWhole(where, button->text(), button->sizeHint().width(), button->width());
    } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        expectTranslated(where, frame->title());
        expectWhole(where, frame->title(), frame->fontMetrics().horizontalAdvance(frame->title()),
                    frame->width());
    } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
        for (int c = 0; c < table->columnCount(); ++c)
            expectTranslated(where, table->horizontalHeaderItem(c)->text());
    } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        // The guide's sections, their subsections opened: none elided.
        tree->expandAll();
        QApplication::processEvents();  // the scroll bar the open sections need
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const QString text = (*it)->text(0);
            expectTranslated(where, text);
            // The style keeps a margin either side of an item's text.
            const int margin = tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
            expectWhole(where, text,
                        tree->visualItemRect(*it).left() + 2 * margin + 1 +
                            tree->fontMetrics().horizontalAdvance(text),
                        tree->viewport()->width());
        }
    } else if (auto* text = qobject_cast<QTextEdit*>(w); text && w->objectName() == u"Text1") {
        // The About window's credits: every line whole within the box, none wrapped.
        for (const QString& line : text->toPlainText().split(u'\n')) {
            expectTranslated(where, line);
            expectWhole(where, line, text->fontMetrics().horizontalAdvance(line),
                        text->viewport()->width() - 2 * qRound(text->document()->documentMargin()));
        }
    }
}

void TranslatedWindows::checkWindow(QWidget* top) {
    expectTranslated(top->objectName() + QStringLiteral(" title"), top->windowTitle());
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->isVisible() && w->window() == top)
            checkWidget(w);
    if (const QString folder = qEnvironmentVariable("ZAN_SCREENSHOTS"); !folder.isEmpty())
        top->grab().save(folder + u'/' + top->objectName() + u'.' +
                         QString::fromStdString(GetParam().code()) + QStringLiteral(".png"));
}

INSTANTIATE_TEST_SUITE_P(EveryCatalogue, TranslatedWindows, ::testing::ValuesIn(catalogues()),
                         nameOf);

TEST_P(TranslatedWindows, ShowEveryTextTranslatedAndWhole) {
    window.show();
    for (const char* item : {"MetricOption", "mnuComputeDesignThickness", "mnuBothAnalysis",
                             "mnuZANTraffic", "mnuLight", "mnuZANLayer", "mnuProjectInfo",
                             "mnuDamageChart", "mnuHelpGuide", "mnuHelpAbout"}) {
        ASSERT_NE(window.findChild<QAction*>(QLatin1String(item)), nullptr) << item;
        window.findChild<QAction*>(QLatin1String(item))->trigger();
    }
    // A change after the analysis: the run notice, and the question before a document leaves.
    auto* thickness = window.findChild<QWidget*>(QStringLiteral("frmZanSlab"))
                          ->findChild<QLineEdit*>(QStringLiteral("h1_V"));
    QTest::keyClicks(thickness, QStringLiteral("5"));
    platform.answers = {Answer::Cancel};
    window.findChild<QAction*>(QStringLiteral("mnuSaveReport"))->trigger();

    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() != u"frmMain" && ++windows)
            checkWindow(top);
    EXPECT_EQ(windows, 7);  // three input dialogs, project, chart, guide, About
    checkWindow(&window);

    const int statusWidth = window.statusBar()->width();
    for (QAction* item : window.findChildren<QAction*>()) {
        const QString where = QStringLiteral("menu ") + item->objectName();
        expectTranslated(where, item->text());
        expectTranslated(where + QStringLiteral(" status tip"), item->statusTip());
        expectWhole(where + QStringLiteral(" status tip"), item->statusTip(),
                    window.statusBar()->fontMetrics().horizontalAdvance(item->statusTip()),
                    statusWidth);
    }

    // The traffic dialog's OK: the range question and the kept value, then a refused "9,5".
    auto* traffic = window.findChild<QWidget*>(QStringLiteral("frmZanTraffic"));
    const auto type = [traffic](const char* field, const char* text) {
        auto* edit = traffic->findChild<QLineEdit*>(QLatin1String(field));
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(text));
    };
    type("Years_V", "99");
    platform.answers = {Answer::No, Answer::Ok};
    traffic->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    window.findChild<QAction*>(QStringLiteral("mnuZANTraffic"))->trigger();
    type("ADT_V", "9,5");
    platform.answers = {Answer::Cancel};
    traffic->findChild<QPushButton*>(QStringLiteral("ok"))->click();

    platform.answers = {Answer::Cancel};
    window.close();
    // units, thickness found, analyse again, range, kept, invalid, save
    ASSERT_GE(platform.messages.size(), 7U);
    for (const Message& m : platform.messages) {
        expectTranslated(QStringLiteral("message"), fromCore(m.text));
        expectTranslated(QStringLiteral("message title"), fromCore(m.title));
    }
}

// The memo of examples/heavy.DEF after Compute Design Thickness, in a language.
QString memoText(const std::string& language) {
    Workspace workspace;
    EXPECT_TRUE(readDataFile(workspace, ZAN_EXAMPLES_DIR "/heavy.DEF").ok());
    EXPECT_TRUE(computeDesignThickness(workspace).ok());
    useLanguage(language);
    const auto pdf = buildPdfReport(
        workspace, {QStringLiteral("heavy.DEF"), QDateTime(QDate(2026, 12, 9), QTime(9, 30))});
    useLanguage("en");
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("memo.pdf")));
    if (!pdf || !file.open(QIODevice::WriteOnly))
        return {};
    file.write(*pdf);
    file.close();
    return pdfText(file.fileName()).value_or(QString());
}

// Its report pages, which are the report Save Report writes in every language.
QString reportText() {
    Workspace workspace;
    EXPECT_TRUE(readDataFile(workspace, ZAN_EXAMPLES_DIR "/heavy.DEF").ok());
    return fromCore(computeDesignThickness(workspace).report.value_or(""));
}

class TranslatedMemo : public ::testing::TestWithParam<CatalogueFile> {};
INSTANTIATE_TEST_SUITE_P(EveryCatalogue, TranslatedMemo, ::testing::ValuesIn(catalogues()), nameOf);

TEST_P(TranslatedMemo, HasTheEnglishMemosNumbersAndPages) {
    const QString path = GetParam().path;
    const QString english = memoText("en");
    const QString translated = memoText(GetParam().code());
    if (english.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    static const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    const auto numbers = [](const QString& text) {
        QStringList found;
        for (const auto& match : number.globalMatch(text))
            found << match.captured();
        return found;
    };
    EXPECT_EQ(numbers(translated), numbers(english));
    // Each of the memo's own texts the English memo shows is gone from the translated one, the
    // windows' and the core's alike: each phrase between a text's %1 to %9 ("Designed by").
    const QString report = reportText();
    static const QRegularExpression argument(QStringLiteral("%[1-9]"));
    for (const auto& [context, source, translation] : catalogue(path))
        for (const QString& part : source.split(argument)) {
            const QString phrase = part.trimmed();
            const bool shown =
                phrase.contains(u' ') && english.contains(phrase) && !report.contains(phrase);
            EXPECT_FALSE(shown && translated.contains(phrase)) << qPrintable(phrase);
        }
    EXPECT_TRUE(translated.contains(translationOf(path, u"Memo", QStringLiteral("Design memo"))));
    const QString firstPage = translationOf(path, u"Memo", QStringLiteral("page %1 of %2"));
    EXPECT_TRUE(translated.contains(firstPage.left(firstPage.indexOf(QStringLiteral("%2")))
                                        .replace(QStringLiteral("%1"), QStringLiteral("1"))
                                        .trimmed()))
        << qPrintable(firstPage);
}

// What the windows save is exchanged and compared: the report and the input data file are the
// English bytes in every language.
std::pair<std::string, std::string> savedFiles(const std::string& language, const char* file,
                                               bool design) {
    useLanguage(language);
    Workspace workspace;
    EXPECT_TRUE(readDataFile(workspace, std::string(ZAN_EXAMPLES_DIR "/") + file).ok());
    const CommandOutcome run =
        design ? computeDesignThickness(workspace) : performAnalysis(workspace, AnalysisKind::Both);
    const auto inputs = inputDataFileBytes(workspace);
    std::pair<std::string, std::string> saved{run.report.value_or(""), inputs ? *inputs : ""};
    useLanguage("en");
    return saved;
}

class TranslatedFiles : public ::testing::TestWithParam<CatalogueFile> {};
INSTANTIATE_TEST_SUITE_P(EveryCatalogue, TranslatedFiles, ::testing::ValuesIn(catalogues()),
                         nameOf);

TEST_P(TranslatedFiles, AreTheEnglishBytes) {
    for (const char* file : {"heavy.DEF", "very-heavy.DEF", "initial-metric.DEF"})
        for (const bool design : {false, true}) {
            const auto english = savedFiles("en", file, design);
            EXPECT_FALSE(english.first.empty()) << file;
            EXPECT_EQ(savedFiles(GetParam().code(), file, design), english)
                << file << " " << design;
        }
}

}  // namespace
}  // namespace zan::test
