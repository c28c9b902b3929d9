// The PDF memo, built offscreen and read back as its reader would (pdftotext -layout,
// pdfinfo, pdfimages): the report lines in order on their pages, the header and "page N of
// M" on every page, the charts as vectors, the calculation details and the design
// alternatives with the core's values, the page size, and the failures.

#include "chart/pdf_report.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "io/details_table.h"
#include "io/report.h"
#include "io/sha256.h"
#include "model/calculation_details.h"
#include "model/design_alternatives.h"
#include "model/design_search.h"
#include "model/numbers.h"
#include "model/version.h"
#include "model/workspace.h"
#include "platform/core_text.h"
#include "support/pdf_tools.h"

namespace zan::catalogue {
// The table of tests/chart's Polish catalogue.
std::span<const Language> polishLanguages();
}  // namespace zan::catalogue

namespace zan::test {
namespace {

const QDateTime kCreated(QDate(2024, 5, 17), QTime(14, 30));

PdfReportOptions options(const QString& inputFile = QString(),
                         QPageSize size = QPageSize(QPageSize::A4)) {
    return PdfReportOptions{inputFile, kCreated, size};
}

Workspace analysed(UnitSystem units, AnalysisKind kind) {
    Workspace w;
    w.chooseUnitSystem(units);
    EXPECT_TRUE(performAnalysis(w, kind).ok());
    return w;
}

Workspace example(const char* name) {
    Workspace w;
    EXPECT_TRUE(readDataFile(w, std::string(ZAN_EXAMPLES_DIR "/") + name).ok());
    EXPECT_TRUE(performAnalysis(w, AnalysisKind::Both).ok());
    return w;
}

QStringList reportLines(const Workspace& w) {
    auto report = writeReport(w);
    EXPECT_TRUE(report.ok());
    return squeezedLines(fromCoreLines(report.ok() ? *report : std::string()));
}

// The memo as pages of squeezed lines; an empty list when it could not be read back.
class PdfMemo : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void build(Workspace w, const PdfReportOptions& o = options()) {
        const auto pdf = buildPdfReport(w, o);
        ASSERT_TRUE(pdf.ok()) << qPrintable(pdf.error());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(*pdf);
        out.close();
        const auto texts = pdfPageTexts(file);
        if (!texts)
            GTEST_SKIP() << "pdftotext not installed";
        pages.clear();
        for (const QString& text : *texts)
            pages.push_back(squeezedLines(text));
    }

    // The lines between each page's two header lines and its footer line.
    QStringList body(std::size_t page) const {
        const QStringList& lines = pages.at(page);
        return lines.mid(2, lines.size() - 3);
    }
    std::size_t pageWith(const QString& line) const {
        for (std::size_t p = 0; p < pages.size(); ++p)
            if (pages[p].contains(line))
                return p;
        return pages.size();
    }
    QStringList bodiesBefore(std::size_t end) const {
        QStringList lines;
        for (std::size_t p = 0; p < end && p < pages.size(); ++p)
            lines << body(p);
        return lines;
    }
    // The report's pages: after the memo's first page (and the page its foot may run onto,
    // ending with what its QR code holds), up to the charts.
    QStringList reportBodies() const {
        std::size_t first = 1;
        while (first < pages.size() && !pages[first - 1].join(' ').contains("The QR code holds"))
            ++first;
        QStringList lines;
        for (std::size_t p = first; p < pageWith("Damage Chart"); ++p)
            lines << body(p);
        return lines;
    }

    QTemporaryDir folder;
    QString file = folder.filePath("memo.pdf");
    std::vector<QStringList> pages;
};

struct DesignCase {
    const char* name;
    std::function<Workspace()> make;
    // The inputs and the first result table on a page, a second table whole on the next: the
    // report made a little smaller for it rather than leave a page mostly empty.
    std::size_t reportPages;
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.name;
}

class Designs : public PdfMemo, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(Designs, ReportPagesGiveBackEveryReportLineInOrder) {
    const Workspace w = GetParam().make();
    build(w);
    const std::size_t charts = pageWith("Damage Chart");
    ASSERT_LT(charts, pages.size());
    EXPECT_EQ(charts - 1, GetParam().reportPages);
    EXPECT_EQ(reportBodies(), reportLines(w));
    EXPECT_TRUE(body(0).startsWith("Design memo"));
    // A result table that fits on a page is not broken: its sum is on its title's page.
    for (const char* title : {"Fatigue Analysis Solutions", "Erosion Analysis Solutions"}) {
        const std::size_t at = pageWith(title);
        if (at < pages.size()) {
            EXPECT_TRUE(body(at).join(' ').contains("Sum =")) << title;
        }
    }
}

TEST_P(Designs, EveryPageHasTheHeaderAndItsNumber) {
    build(GetParam().make(), options("/home/engineer/designs/route 7.DEF"));
    ASSERT_GE(pages.size(), 3u);
    const QString count = QString::number(pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        ASSERT_GE(pages[p].size(), 3);
        EXPECT_EQ(pages[p][0], QString("ZAN Thickness Design %1 2024-05-17 14:30")
                                   .arg(QString::fromLatin1(programVersion())));
        // The file's name, never its folder: a home folder's name has no place on the paper.
        EXPECT_EQ(pages[p][1], "route 7.DEF");
        // The fingerprint's first 16 digits beside the number; page 1 has it whole.
        const QRegularExpression footer(
            QString("^Inputs SHA-256 ([0-9a-f]{16}) +page %1 of %2$").arg(p + 1).arg(count));
        const auto match = footer.match(pages[p].back());
        ASSERT_TRUE(match.hasMatch()) << qPrintable(pages[p].back());
        EXPECT_TRUE(pages[0].join('\n').contains(
            QRegularExpression("SHA-256 of route 7.DEF: " + match.captured(1) + "[0-9a-f]{48}\n")));
    }
    EXPECT_TRUE(
        pages[0].join(' ').contains("The design's inputs are attached to this PDF as route 7.DEF"));
    const auto info = pdfInfo(file);
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->contains(QRegularExpression("Pages: +" + count + "\n"))) << qPrintable(*info);
}

TEST_P(Designs, HasTheSectionsInOrder) {
    build(GetParam().make());
    const std::size_t charts = pageWith("Damage Chart");
    const std::size_t alternatives = pageWith("Design alternatives");
    const std::size_t details = pageWith("Calculation details");
    EXPECT_LT(charts, alternatives);
    EXPECT_LT(alternatives, details);
    EXPECT_LT(details, pages.size());
}

// The charts are drawn, not pasted in as pictures.
TEST_P(Designs, ChartsAreVectors) {
    build(GetParam().make());
    const auto images = runTool("pdfimages", {"-list", file});
    if (!images)
        GTEST_SKIP() << "pdfimages not installed";
    // Only the two heading lines of the list: no image at all.
    EXPECT_EQ(images->trimmed().split('\n').size(), 2) << qPrintable(*images);
}

INSTANTIATE_TEST_SUITE_P(
    Memos, Designs,
    ::testing::Values(
        DesignCase{"EnglishBoth", [] { return analysed(UnitSystem::English, AnalysisKind::Both); },
                   2},
        DesignCase{"MetricBoth", [] { return analysed(UnitSystem::Metric, AnalysisKind::Both); },
                   2},
        DesignCase{"FatigueOnly",
                   [] { return analysed(UnitSystem::English, AnalysisKind::Fatigue); }, 1},
        DesignCase{"BeforeAnyAnalysis", [] { return Workspace(); }, 1},
        DesignCase{"HeavyExample", [] { return example("heavy.DEF"); }, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// A language the program does not ship, beyond Latin-1 (tests/chart/CMakeLists.txt): the
// memo prints its text, in a font it embeds, and a project typed in any script as typed.
TEST_F(PdfMemo, PrintsALanguageAndAProjectBeyondLatin1) {
    catalogue::useLanguage(catalogue::polishLanguages()[1]);
    Workspace w;
    w.setProject(
        ProjectInfo{"O\u2019Hare Road \u2013 \u0141\u00F3d\u017A", "", "", "", "", "", ""});
    ASSERT_TRUE(performAnalysis(w, AnalysisKind::Both).ok());
    build(w);
    catalogue::setLanguage(catalogue::kSourceLanguage);
    QString all;
    for (const QStringList& page : pages)
        all += page.join('\n');
    EXPECT_TRUE(all.contains(QStringLiteral("\u0141\u0105czna szkoda zm\u0119czeniowa")));
    EXPECT_TRUE(all.contains(QStringLiteral("O\u2019Hare Road \u2013 \u0141\u00F3d\u017A")));
    if (const auto fonts = runTool(QStringLiteral("pdffonts"), {file})) {
        for (const QString& line : fonts->split('\n').mid(2)) {
            if (!line.isEmpty()) {
                EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << qPrintable(line);
            }
        }
        EXPECT_TRUE(fonts->contains(QStringLiteral("DejaVuSans"))) << qPrintable(*fonts);
    }
}

TEST_F(PdfMemo, ChartPagesCarryThePlotsTexts) {
    build(analysed(UnitSystem::English, AnalysisKind::Both));
    const QStringList charts = bodiesBefore(pageWith("Calculation details"));
    const QString all = charts.join('\n');
    for (const char* text :
         {"Total damage against slab thickness", "Recommended 9.50 in", "Damage per axle row (%)",
          "S 30.0", "Sensitivity of the recommended thickness"})
        EXPECT_TRUE(all.contains(text)) << text;
}

TEST_F(PdfMemo, WithoutARecommendedThicknessTheChartPageShowsTheSearchsMessage) {
    Workspace w;  // before any run, the memo shows the inputs as they are
    w.ensurePavement().modulusOfRupture = "40";
    auto found = searchDesignThickness(w);
    ASSERT_FALSE(found.ok());
    build(w);
    const std::size_t charts = pageWith("Damage Chart");
    ASSERT_LT(charts, pages.size());
    const QString message = fromCore(designSearchErrorMessage(found.error()));
    const QString page = body(charts).join(' ');
    EXPECT_TRUE(page.startsWith("Damage Chart " + message)) << qPrintable(page);
    EXPECT_FALSE(page.contains("Total damage against slab thickness"));
    // Each alternative has a search of its own: they are there all the same.
    EXPECT_TRUE(page.contains("Design alternatives"));
    EXPECT_LT(pageWith("Calculation details"), pages.size());
}

// Each details row as pdftotext lays it out: the row's cells of the part, in order.
QString detailsLine(const DetailsTableRow& cells, std::size_t first, std::size_t end) {
    QStringList words;
    for (std::size_t c = 0; c < 4; ++c)
        words << fromCore(cells[c]);
    for (std::size_t c = first; c < end; ++c)
        if (!cells[c].empty())
            words << fromCore(cells[c]);
    return words.join(' ');
}

struct DetailsCase {
    const char* name;
    AnalysisKind kind;
};

class Details : public PdfMemo, public ::testing::WithParamInterface<DetailsCase> {};

TEST_P(Details, AreTheValuesTheAnalysisComputed) {
    Workspace w = analysed(UnitSystem::Metric, GetParam().kind);
    // Inputs changed after the run do not change its details.
    w.ensurePavement().thickness = "31";
    build(w);
    const DetailsTable table =
        readableDetailsTable(calculationDetails(w.results()), w.unitSystem());
    const std::size_t first = pageWith("Calculation details");
    ASSERT_LT(first, pages.size());
    const QStringList details = bodiesBefore(pages.size()).mid(bodiesBefore(first).size());
    EXPECT_TRUE(details.join(' ').contains(fromCore(table.modelUnits))) << table.modelUnits;
    const qsizetype fatigue = details.indexOf("Fatigue");
    const qsizetype erosion = details.indexOf("Erosion");
    ASSERT_GE(fatigue, 0);
    ASSERT_GT(erosion, fatigue);
    for (const DetailsTableRow& cells : table.rows) {
        SCOPED_TRACE(cells[0] + " " + cells[1]);
        const qsizetype f =
            details.indexOf(detailsLine(cells, kFirstFatigueColumn, kFirstErosionColumn), fatigue);
        const qsizetype e =
            details.indexOf(detailsLine(cells, kFirstErosionColumn, kDetailsColumnCount), erosion);
        EXPECT_GT(f, fatigue);
        EXPECT_LT(f, erosion);
        EXPECT_GT(e, erosion);
    }
}

INSTANTIATE_TEST_SUITE_P(Parts, Details,
                         ::testing::Values(DetailsCase{"Both", AnalysisKind::Both},
                                           DetailsCase{"FatigueOnly", AnalysisKind::Fatigue},
                                           DetailsCase{"ErosionOnly", AnalysisKind::Erosion}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PdfMemo, BeforeAnyAnalysisTheDetailsSayWhy) {
    build(Workspace());
    const std::size_t details = pageWith("Calculation details");
    ASSERT_LT(details, pages.size());
    EXPECT_TRUE(body(details).join(' ').contains("No analysis has been run yet"));
}

TEST_F(PdfMemo, AlternativesAreTheFourSearchesWithTheEnteredOneMarked) {
    Workspace w;
    w.ensurePavement().concreteShoulder = true;
    ASSERT_TRUE(performAnalysis(w, AnalysisKind::Both).ok());
    build(w);
    const QStringList all = bodiesBefore(pages.size());
    const qsizetype at = all.lastIndexOf("Design alternatives");
    ASSERT_GE(at, 0);
    const DesignAlternatives a = designAlternatives(w);
    const QStringList expected = {"No Yes 9.50", "No No 11.25", "Yes Yes 8.25 as entered",
                                  "Yes No 9.75"};
    for (std::size_t i = 0; i < a.alternatives.size(); ++i) {
        ASSERT_TRUE(a.alternatives[i].thickness.has_value());
        EXPECT_TRUE(expected[static_cast<qsizetype>(i)].contains(
            fromCore(formatFixed(*a.alternatives[i].thickness, 2))));
        EXPECT_GT(all.indexOf(expected[static_cast<qsizetype>(i)], at), at) << i;
    }
}

struct PageSizeCase {
    const char* name;
    QPageSize::PageSizeId size;
    const char* pdfinfo;  // as pdfinfo names the page size
};

class PageSizes : public PdfMemo, public ::testing::WithParamInterface<PageSizeCase> {};

TEST_P(PageSizes, AreTheOnesAskedFor) {
    build(analysed(UnitSystem::English, AnalysisKind::Both),
          options(QString(), QPageSize(GetParam().size)));
    const auto info = pdfInfo(file);
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->contains(GetParam().pdfinfo)) << qPrintable(*info);
    // The report still fits the narrower Letter page whole.
    Workspace w = analysed(UnitSystem::English, AnalysisKind::Both);
    EXPECT_EQ(reportBodies(), reportLines(w));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PageSizes,
                         ::testing::Values(PageSizeCase{"A4", QPageSize::A4, "pts (A4)"},
                                           PageSizeCase{"Letter", QPageSize::Letter,
                                                        "612 x 792 pts (letter)"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LocaleCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    QPageSize::PageSizeId size;
};

class LocalePaper : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocalePaper, IsLetterInTheAmericasLetterCountriesAndA4Elsewhere) {
    const QLocale locale(GetParam().language, GetParam().territory);
    EXPECT_EQ(pageSizeFor(locale).id(), GetParam().size) << qPrintable(locale.name());
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocalePaper,
    ::testing::Values(
        LocaleCase{"UnitedStates", QLocale::English, QLocale::UnitedStates, QPageSize::Letter},
        LocaleCase{"CanadaEnglish", QLocale::English, QLocale::Canada, QPageSize::Letter},
        LocaleCase{"CanadaFrench", QLocale::French, QLocale::Canada, QPageSize::Letter},
        LocaleCase{"Mexico", QLocale::Spanish, QLocale::Mexico, QPageSize::Letter},
        LocaleCase{"Philippines", QLocale::Filipino, QLocale::Philippines, QPageSize::Letter},
        LocaleCase{"UnitedKingdom", QLocale::English, QLocale::UnitedKingdom, QPageSize::A4},
        LocaleCase{"Germany", QLocale::German, QLocale::Germany, QPageSize::A4},
        LocaleCase{"Spain", QLocale::Spanish, QLocale::Spain, QPageSize::A4},
        LocaleCase{"Japan", QLocale::Japanese, QLocale::Japan, QPageSize::A4}),
    [](const auto& info) { return std::string(info.param.name); });

// A text the dialogs cannot check (a data file's axle load that is no number) is printed as
// it stands: a long one makes the report's font smaller; one too long for a legible size goes
// on over the next lines. The memo is never refused for its layout.
TEST_F(PdfMemo, ALongLineIsPrintedWholeInASmallerFont) {
    Workspace w;
    w.ensureAxles().rows[0].singleCount = std::string(80, 'x');
    ASSERT_TRUE(performAnalysis(w, AnalysisKind::Both).ok());
    build(w);
    EXPECT_EQ(reportBodies(), reportLines(w));
}

// A checker copies the fingerprint from the PDF: "ff" in it must not come out as a ligature.
TEST_F(PdfMemo, TheFingerprintCopiesAsItsDigits) {
    Workspace w;
    w.createInputSections();
    std::string digits;
    for (int i = 0; digits.find("ff") == std::string::npos; ++i) {
        w.setProject(ProjectInfo{"Road " + std::to_string(i), "", "", "", "", "", ""});
        digits = sha256Hex(*savedInputBytes(w));
    }
    build(w);
    EXPECT_TRUE(pages[0].join('\n').contains(QString::fromStdString(digits))) << digits;
    EXPECT_TRUE(pages[0].back().startsWith(
        QString::fromStdString("Inputs SHA-256 " + digits.substr(0, 16))));
}

TEST_F(PdfMemo, ALineTooLongForALegibleFontGoesOnOverTheNextLines) {
    Workspace w;  // an axle load the analysis refuses: the memo of the inputs as they are
    w.ensureAxles().rows[2].tandemLoad = std::string(400, 'x');
    build(w);
    EXPECT_TRUE(reportBodies().join(QString()).contains(QString(400, QLatin1Char('x'))));
    for (const QString& line : reportLines(w))
        EXPECT_TRUE(line.contains(QLatin1Char('x')) || reportBodies().contains(line))
            << qPrintable(line);
}

// Texts as typed are wrapped within the page, a word longer than a line broken anywhere, and
// notes of any length shown whole, over as many pages as they need.
TEST_F(PdfMemo, LongTextsAsTypedAreWrappedWithinThePageAndShownWhole) {
    Workspace w;  // a traffic the analysis refuses: the memo of the inputs as they are
    ProjectInfo project;
    project.project = std::string(400, 'p');
    project.designer = std::string(300, 'd');
    for (int word = 0; word < 6000; ++word)
        project.notes += "w" + std::to_string(word) + ' ';
    w.setProject(project);
    w.ensureTraffic().averageDailyTraffic = std::string(200, '7');
    build(w);
    const std::size_t report = pageWith(reportLines(w).front());
    // Nothing cut: the table's captions stand between the lines of a long text, beside them.
    const QString memo = bodiesBefore(report).join(QString());
    EXPECT_GE(memo.count(QLatin1Char('p')), 400);
    EXPECT_GE(memo.count(QLatin1Char('d')), 600) << "in the table and on the line to sign";
    EXPECT_TRUE(memo.contains("Designed by:" + QString(300, QLatin1Char('d'))));
    EXPECT_TRUE(memo.contains(QString(200, QLatin1Char('7'))));
    const QString words = bodiesBefore(report).join(' ');
    qsizetype at = 0;
    for (int word = 0; word < 6000; word += 599) {
        at = words.indexOf(QString(" w%1 ").arg(word), at);
        ASSERT_GE(at, 0) << word;
    }
    EXPECT_GT(report, 2u) << "the notes run over pages";
}

// The first page lists what the program says about the inputs, as zan-report says it.
TEST_F(PdfMemo, FirstPageListsTheInputWarnings) {
    Workspace w;
    ASSERT_TRUE(readDataFile(w, std::string(ZAN_EXAMPLES_DIR "/heavy.DEF")).ok());
    w.ensureTraffic().averageDailyTraffic = "12,900";
    w.ensurePavement().thickness = "80";
    ASSERT_TRUE(performAnalysis(w, AnalysisKind::Both).ok());
    build(w);
    // pdftotext gives the "ffi" of "Traffic" as the ligature the font draws.
    const QString first = body(0).join('\n').replace(QChar(0xFB03), QLatin1String("ffi"));
    EXPECT_TRUE(
        first.contains("Input warnings\nTrial Thickness, h (in) = 80 is outside the "
                       "typical range 4 to 20\nAverage Daily Traffic, ADT = \"12,900\" "
                       "is read as 12\nInputs as entered"))
        << qPrintable(first);
}

// After an edit the memo is still the run's, whole: its inputs, verdict and tables, every
// page marked; building it analyses and searches nothing.
TEST_F(PdfMemo, AfterAnEditTheMemoIsTheLastRunMarkedOnEveryPage) {
    Workspace w = example("heavy.DEF");
    const std::string runReport = *reportForSaveOrPrint(w);
    w.lastRun()->content();
    w.ensurePavement().modulusOfRupture = "550";
    const DesignSearchCounts before = designSearchCounts();
    build(w);
    EXPECT_EQ(designSearchCounts().searches, before.searches);
    EXPECT_EQ(designSearchCounts().runs, before.runs);
    ASSERT_GE(pages.size(), 3u);
    for (const QStringList& page : pages)
        EXPECT_TRUE(page.join(" ").contains("Inputs changed after this analysis ("))
            << qPrintable(page[0]);
    const QString first = body(0).join(' ');
    EXPECT_TRUE(first.contains("Modulus of Rupture, Sc (psi) 650")) << qPrintable(first);
    EXPECT_TRUE(first.contains("Trial thickness 9.50 in: fatigue 44.9 %")) << qPrintable(first);
    EXPECT_EQ(reportBodies(), squeezedLines(fromCoreLines(runReport)));
}

TEST_F(PdfMemo, AnUnsavedDesignSaysSoInTheHeader) {
    build(Workspace());
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0][1], "unsaved inputs");
}

}  // namespace
}  // namespace zan::test
