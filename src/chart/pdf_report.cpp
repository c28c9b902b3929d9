#include "pdf_report.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <memory>

#include "chart/axle_damage_plot.h"
#include "chart/chart_content.h"
#include "chart/damage_chart_window_names.h"
#include "chart/damage_curve_plot.h"
#include "chart/pdf_pages.h"
#include "chart/text_table.h"
#include "chart/tornado_plot.h"
#include "commands/commands.h"
#include "io/details_table.h"
#include "io/memo_page.h"
#include "io/report.h"
#include "model/calculation_details.h"
#include "model/message.h"
#include "model/workspace.h"
#include "platform/fixed_font.h"
#include "platform/latin1.h"

namespace zan {

namespace {

// The PDF's device pixels are the screen's: the plots draw on a page as in the window.
constexpr int kDotsPerInch = 96;
constexpr double kReportLargestPoints = 10.0;
// Below this a report line could no longer be read on paper.
constexpr double kReportSmallestPoints = 4.0;
constexpr double kBodyPoints = 9.0;
constexpr double kTablePoints = 8.0;
constexpr double kHeadingPoints = 12.0;

QString tr(const char* text) {
    return QCoreApplication::translate("zan::PdfReport", text);
}

// The page's fonts are not hinted: hinting would fit the glyphs and their advances to whole
// pixels of the 96 dpi layout, and on paper or zoomed in the text should keep its true
// spacing.
QFont unhinted(QFont font) {
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont sansFont(double points, bool bold = false) {
    QFont font = unhinted(QGuiApplication::font());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Every block of a memo is laid out for the writer's pixels and the content's width.
struct Page {
    const QPaintDevice& device;
    QRectF content;
};

// Word-wrapped text in the content's width.
PdfBlock textBlock(const Page& page, const QString& text, const QFont& font, double spaceAbove) {
    const QFontMetricsF metrics(font, &page.device);
    const QRectF room(0, 0, page.content.width(), 1e6);
    PdfBlock block;
    block.height = metrics.boundingRect(room, Qt::TextWordWrap, text).height();
    block.spaceAbove = spaceAbove;
    block.draw = [text, font](QPainter& painter, const QRectF& area) {
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    };
    return block;
}

PdfBlock heading(const Page& page, const QString& text, bool newPage, double points) {
    const QFontMetricsF metrics(sansFont(points), &page.device);
    PdfBlock block = textBlock(page, text, sansFont(points, true), 1.2 * metrics.lineSpacing());
    block.newPage = newPage;
    block.keepWithNext = true;
    return block;
}

PdfBlock tableBlock(const Page& page, TextTable table, double spaceAbove,
                    TableWidth fill = TableWidth::Full,
                    const QFont& font = sansFont(kTablePoints)) {
    const auto shared = std::make_shared<const TextTable>(std::move(table));
    const TableLayout layout = layoutTable(*shared, page.device, page.content.width(), font, fill);
    PdfBlock block;
    block.height = layout.height();
    block.spaceAbove = spaceAbove;
    block.draw = [shared, layout](QPainter& painter, const QRectF& area) {
        drawTable(painter, area.topLeft(), *shared, layout);
    };
    return block;
}

// A table that fits a page stays whole (and moves to the next page when it does not fit
// below what precedes it); a taller one goes on in pieces, each under the table's headings.
void addTable(std::vector<PdfBlock>& blocks, const Page& page, const TextTable& table,
              double spaceAbove, TableWidth fill, const QFont& font) {
    const TableLayout layout = layoutTable(table, page.device, page.content.width(), font, fill);
    std::size_t first = 0;
    do {
        std::size_t end = first;
        double height = layout.headingHeight;
        while (end < table.rows.size() &&
               (end == first || height + layout.rowHeights[end] <= page.content.height())) {
            height += layout.rowHeights[end];
            ++end;
        }
        const auto rows = [&](const auto& all) {
            return std::vector(all.begin() + static_cast<std::ptrdiff_t>(first),
                               all.begin() + static_cast<std::ptrdiff_t>(end));
        };
        const auto piece =
            std::make_shared<const TextTable>(TextTable{table.headings, rows(table.rows)});
        TableLayout pieceLayout = layout;
        pieceLayout.rowHeights = rows(layout.rowHeights);
        PdfBlock block;
        block.height = pieceLayout.height();
        block.spaceAbove = first == 0 ? spaceAbove : 0.0;
        block.draw = [piece, pieceLayout](QPainter& painter, const QRectF& area) {
            drawTable(painter, area.topLeft(), *piece, pieceLayout);
        };
        blocks.push_back(std::move(block));
        first = end;
    } while (first < table.rows.size());
}

// The fixed-pitch font, at most 10 pt, at which the longest line fits the width.
Expected<QFont, QString> reportFont(const Page& page, const QStringList& lines) {
    QFont font = unhinted(fixedPitchFont(kReportLargestPoints));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(kReportLargestPoints);
    // Fixed pitch: the width grows with the size; a few rounds take up the font's rounding.
    for (int round = 0; round < 6; ++round) {
        const QFontMetricsF metrics(font, &page.device);
        qsizetype longest = 0;
        double widest = 0.0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double width = metrics.horizontalAdvance(lines[i]);
            if (width > widest) {
                widest = width;
                longest = i;
            }
        }
        if (widest <= page.content.width())
            return font;
        const double points = font.pointSizeF() * page.content.width() / widest * 0.998;
        if (points < kReportSmallestPoints)
            return failure(tr("The report cannot be laid out on a page: its line %1 is %2 "
                              "characters long.")
                               .arg(longest + 1)
                               .arg(lines[longest].size()));
        font.setPointSizeF(points);
    }
    return font;
}

// A result table of the report (model: reportTables) moves to the next page whole when it
// fits on one, rather than breaking between its rows away from its headings. `first` is the
// block of the report's first line.
void keepTablesTogether(std::vector<PdfBlock>& blocks, std::size_t first,
                        const std::vector<LineSpan>& tables, double pageHeight) {
    for (const LineSpan& table : tables) {
        double height = 0.0;
        for (std::size_t i = table.first; i < table.end; ++i)
            height += blocks[first + i].height;
        if (height > pageHeight)
            continue;
        for (std::size_t i = table.first; i + 1 < table.end; ++i)
            blocks[first + i].keepWithNext = true;
    }
}

// One block per report line, so that the lines run on over as many pages as they need.
Expected<Done, QString> addReport(std::vector<PdfBlock>& blocks, const Page& page,
                                  const std::string& report) {
    const QStringList lines = fromCoreLineList(report);
    const auto font = reportFont(page, lines);
    if (!font)
        return failure(font.error());
    const QFontMetricsF metrics(*font, &page.device);
    for (const QString& line : lines) {
        PdfBlock block;
        block.height = metrics.lineSpacing();
        block.draw = [line, font = *font, ascent = metrics.ascent()](QPainter& painter,
                                                                     const QRectF& area) {
            painter.setFont(font);
            painter.setPen(Qt::black);
            // At a point, in one piece: the blanks keep the report's columns.
            painter.drawText(QPointF(area.left(), area.top() + ascent), line);
        };
        blocks.push_back(std::move(block));
    }
    keepTablesTogether(blocks, blocks.size() - static_cast<std::size_t>(lines.size()),
                       reportTables(report), page.content.height());
    return Done{};
}

TableRow wordRow(const QStringList& cells) {
    TableRow row;
    for (const QString& cell : cells)
        row.cells.push_back(TableCell{cell, true});
    return row;
}

TextTable captionedTable(const QString& caption, const QString& text,
                         const std::vector<MemoRow>& rows) {
    TextTable table;
    table.headings << caption << text;
    for (const MemoRow& row : rows)
        table.rows.push_back(wordRow({fromCore(row.caption), fromCore(row.text)}));
    return table;
}

TextTable axleInputsTable(const MemoFirstPage& memo) {
    TextTable table;
    for (const std::string& heading : memo.axleColumns)
        table.headings << fromCore(heading);
    for (const MemoAxleRow& cells : memo.axleRows) {
        TableRow row;
        for (const std::string& cell : cells)
            row.cells.push_back(TableCell{fromCore(cell)});
        table.rows.push_back(std::move(row));
    }
    return table;
}

// The page a reviewer reads first and signs (io/memo_page.h), laid out.
void addMemoPage(std::vector<PdfBlock>& blocks, const Page& page, const Workspace& workspace,
                 const PdfReportOptions& options) {
    const MemoFirstPage memo =
        memoFirstPage(workspace, toCore(options.created.toString(QStringLiteral("yyyy-MM-dd"))));
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    blocks.push_back(heading(page, fromCore(memo.title), false, kHeadingPoints));
    blocks.push_back(tableBlock(
        page, captionedTable(fromCore(memo.projectHeading), QString(), memo.project), 0.5 * gap));
    blocks.push_back(textBlock(page, fromCore(memo.verdict), sansFont(kBodyPoints + 1, true), gap));
    if (!memo.warnings.empty()) {
        blocks.push_back(heading(page, fromCore(memo.warningsHeading), false, kBodyPoints + 1));
        QStringList warnings;
        for (const std::string& warning : memo.warnings)
            warnings << QStringLiteral("\u2022 ") + fromCore(warning);
        blocks.push_back(
            textBlock(page, warnings.join(QLatin1Char('\n')), sansFont(kBodyPoints), 0.5 * gap));
    }
    blocks.push_back(heading(page, fromCore(memo.inputsHeading), false, kBodyPoints + 1));
    const QString asEntered = fromCore(memo.inputColumns[1]).replace(QLatin1Char(' '), QChar::Nbsp);
    blocks.push_back(
        tableBlock(page, captionedTable(fromCore(memo.inputColumns[0]), asEntered, memo.inputs),
                   0.5 * gap, TableWidth::Natural));
    blocks.push_back(heading(page, fromCore(memo.axlesHeading), false, kBodyPoints + 1));
    blocks.push_back(tableBlock(page, axleInputsTable(memo), 0.5 * gap));
    const QString signature = QStringLiteral("  ________________________   ");
    const QString lines = fromCore(memo.computedWith) + QLatin1String("\n\n") +
                          fromCore(memo.date) + QLatin1String("\n\n") + fromCore(memo.designedBy) +
                          signature + fromCore(memo.signatureDate) + QLatin1String("\n\n") +
                          fromCore(memo.checkedBy) + signature + fromCore(memo.signatureDate);
    blocks.push_back(textBlock(page, lines, sansFont(kBodyPoints), 1.5 * gap));
}

// The plots of the damage chart window, filled as the window fills them; they live until the
// pages are drawn.
struct Plots {
    DamageCurvePlot damage;
    AxleDamagePlot axles;
    TornadoPlot tornado;
};

PdfBlock plotBlock(const Plot& plot, double height, double spaceAbove) {
    PdfBlock block;
    block.height = height;
    block.spaceAbove = spaceAbove;
    block.draw = [&plot](QPainter& painter, const QRectF& area) {
        painter.setFont(unhinted(QGuiApplication::font()));
        plot.paint(painter, area);
    };
    return block;
}

void addAlternatives(std::vector<PdfBlock>& blocks, const Page& page,
                     const DesignAlternatives& alternatives) {
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    blocks.push_back(heading(page, tr("Design alternatives"), false, kHeadingPoints));
    PdfBlock note = textBlock(page,
                              tr("The recommended thickness for each combination of concrete "
                                 "shoulder and doweled joints, all other inputs as entered."),
                              sansFont(kBodyPoints), 0.0);
    note.keepWithNext = true;
    blocks.push_back(std::move(note));
    addTable(blocks, page, alternativesTable(alternatives), 0.5 * gap, TableWidth::Natural,
             sansFont(kTablePoints));
}

// The damage curve and the bars on one page; the sensitivity table, the tornado and the
// design alternatives on the next. Without a recommended thickness, the search's message in
// place of the charts, as the window shows it, and the alternatives.
void addCharts(std::vector<PdfBlock>& blocks, const Page& page, const ChartContent& content,
               Plots& plots) {
    const QString title = tr(damageChartWindowNames::kTitle);
    blocks.push_back(heading(page, title, true, kHeadingPoints));
    if (!content.refusal.isEmpty()) {
        blocks.push_back(textBlock(page, content.refusal, sansFont(kBodyPoints), 0.0));
        addAlternatives(blocks, page, content.alternatives);
        return;
    }
    fillPlots(content, plots.damage, plots.axles, plots.tornado);
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    const double room = page.content.height() - blocks.back().height - 2 * gap;
    const double curveHeight = std::min(0.66 * page.content.width(), 0.48 * room);
    blocks.push_back(plotBlock(plots.damage, curveHeight, gap));
    blocks.push_back(plotBlock(plots.axles, room - curveHeight - gap, gap));

    PdfBlock tableHeading =
        heading(page, tr("Recommended thickness with one input 20 % lower or higher"), true,
                kBodyPoints + 1);
    PdfBlock table = tableBlock(page, sensitivityTable(content.sensitivity), 0.5 * gap);
    const double left = page.content.height() - tableHeading.height - table.height - 2 * gap;
    blocks.push_back(std::move(tableHeading));
    blocks.push_back(std::move(table));
    blocks.push_back(plotBlock(plots.tornado, std::min(0.5 * page.content.width(), left), gap));
    addAlternatives(blocks, page, content.alternatives);
}

// The columns of one part: axle, row, load and repetitions, then the part's own.
TextTable detailsPart(const DetailsTable& details, UnitSystem units, std::size_t first,
                      std::size_t end) {
    const auto headings = readableDetailsColumns(units);
    TextTable table;
    const auto columns = [&](auto&& each) {
        for (std::size_t c = 0; c < 4; ++c)
            each(c);
        for (std::size_t c = first; c < end; ++c)
            each(c);
    };
    columns([&](std::size_t c) {
        QString name = fromCore(headings[c]);
        name[0] = name[0].toUpper();
        table.headings << name;
    });
    for (const DetailsTableRow& cells : details.rows) {
        TableRow row;
        columns([&](std::size_t c) { row.cells.push_back(TableCell{fromCore(cells[c]), c == 0}); });
        table.rows.push_back(std::move(row));
    }
    return table;
}

void addDetails(std::vector<PdfBlock>& blocks, const Page& page, const Workspace& workspace) {
    const AnalysisResults& results = workspace.results();
    blocks.push_back(heading(page, tr("Calculation details"), true, kHeadingPoints));
    if (!results.fatigueSelected && !results.erosionSelected) {
        blocks.push_back(textBlock(page,
                                   tr("No analysis has been run yet: run Perform Analysis "
                                      "before exporting to see the calculation details."),
                                   sansFont(kBodyPoints), 0.0));
        return;
    }
    const UnitSystem units = workspace.unitSystem();
    const DetailsTable details = readableDetailsTable(calculationDetails(results), units);
    blocks.push_back(textBlock(page, fromCore(details.modelUnits), sansFont(kBodyPoints), 0.0));
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    TextTable fatigue = detailsPart(details, units, kFirstFatigueColumn, kFirstErosionColumn);
    TextTable erosion = detailsPart(details, units, kFirstErosionColumn, kDetailsColumnCount);
    // The wider fatigue table sets the size of both.
    const QFont font =
        layoutTable(fatigue, page.device, page.content.width(), sansFont(kTablePoints)).font;
    blocks.push_back(heading(page, tr("Fatigue"), false, kBodyPoints + 1));
    addTable(blocks, page, fatigue, 0.5 * gap, TableWidth::Full, font);
    blocks.push_back(heading(page, tr("Erosion"), false, kBodyPoints + 1));
    addTable(blocks, page, erosion, 0.5 * gap, TableWidth::Full, font);
}

PdfPageHeader pageHeader(const Workspace& workspace, const PdfReportOptions& options) {
    return PdfPageHeader{
        fromCore(programLine()),
        options.inputFile.isEmpty() ? fromCore(kUnsavedInputs) : options.inputFile,
        options.created.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
        workspace.inputsChangedSinceRun() ? tr("Tables from earlier inputs") : QString()};
}

void setUp(QPdfWriter& writer, const PdfReportOptions& options) {
    writer.setResolution(kDotsPerInch);
    // The pages draw their own margins.
    writer.setPageLayout(QPageLayout(options.pageSize, QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(fromCore(kMainWindowTitle));
    writer.setCreator(fromCore(kMainWindowTitle));
}

}  // namespace

QPageSize pageSizeFor(const QLocale& locale) {
    if (locale.measurementSystem() == QLocale::ImperialUSSystem)
        return QPageSize(QPageSize::Letter);
    switch (locale.territory()) {
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Philippines:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::Venezuela:
        case QLocale::CostaRica:
        case QLocale::Guatemala:
        case QLocale::PuertoRico:
            return QPageSize(QPageSize::Letter);
        default:
            return QPageSize(QPageSize::A4);
    }
}

Expected<QByteArray, QString> buildPdfReport(const Workspace& workspace,
                                             const PdfReportOptions& options) {
    const auto report = writeReport(workspace);
    if (!report)
        return failure(fromCore(report.error().message));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUp(writer, options);
    const Page page{writer, pageFrame(writer).content};

    std::vector<PdfBlock> blocks;
    addMemoPage(blocks, page, workspace, options);
    const std::size_t reportStart = blocks.size();
    if (auto added = addReport(blocks, page, *report); !added)
        return failure(added.error());
    blocks[reportStart].newPage = true;
    const ChartContent content = chartContent(workspace);
    Plots plots;
    addCharts(blocks, page, content, plots);
    addDetails(blocks, page, workspace);
    if (auto drawn = drawPages(writer, pageHeader(workspace, options), blocks); !drawn)
        return failure(drawn.error());
    return bytes;
}

Expected<Done, QString> exportPdfReport(Workspace& workspace, const QString& path,
                                        const PdfReportOptions& options) {
    // As Save Report does; the builder then writes the report, once.
    workspace.createInputSections();
    const auto pdf = buildPdfReport(workspace, options);
    if (!pdf)
        return failure(pdf.error());
    const auto written = writeFileSafely(
        toCorePath(path), std::string_view(pdf->constData(), static_cast<std::size_t>(pdf->size())),
        toCore(QDir::toNativeSeparators(path)));
    if (!written)
        return failure(fromCore(written.error()));
    return Done{};
}

}  // namespace zan
