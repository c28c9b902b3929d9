#include "pdf_report.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <qrcodegen.hpp>

#include "chart/pdf_pages.h"
#include "chart/svg_drawing.h"
#include "chart/text_table.h"
#include "commands/commands.h"
#include "io/memo_document.h"
#include "model/message.h"
#include "model/run.h"
#include "model/version.h"
#include "model/workspace.h"
#include "platform/core_text.h"
#include "platform/fixed_font.h"

namespace zan {

namespace {

// The PDF's device pixels are the screen's: the plots draw on a page as in the window.
constexpr int kDotsPerInch = 96;
constexpr double kReportLargestPoints = 10.0;
// A report that would need a smaller size to fit has its longest lines wrapped instead.
constexpr double kReportSmallestPoints = 7.0;
// The report is made this much smaller at most to save paper.
constexpr double kReportCompactPoints = 8.0;
constexpr double kBodyPoints = 9.0;
constexpr double kTablePoints = 8.0;
constexpr double kHeadingPoints = 12.0;
// The QR code's side with its quiet zone, at most: a version 25 code keeps modules of 0.35 mm,
// which a phone or a 150 dpi scan reads.
constexpr double kCodeMillimetres = 44.0;

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

// Text wrapped in the content's width, a word too long for a line broken anywhere.
PdfBlock textBlock(const Page& page, const QString& text, const QFont& font, double spaceAbove) {
    const QFontMetricsF metrics(font, &page.device);
    const QStringList lines = wrappedLines(text, font, page.device, page.content.width());
    PdfBlock block;
    block.height = static_cast<double>(lines.size()) * metrics.lineSpacing();
    block.spaceAbove = spaceAbove;
    block.draw = [lines, font, ascent = metrics.ascent(), spacing = metrics.lineSpacing()](
                     QPainter& painter, const QRectF& area) {
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(QPointF(area.left(), area.top() + ascent + spacing * i), lines[i]);
    };
    return block;
}

// Text of any length: in blocks of at most a page each, so that it runs on over pages.
void addText(std::vector<PdfBlock>& blocks, const Page& page, const QString& text,
             const QFont& font, double spaceAbove) {
    const double spacing = QFontMetricsF(font, &page.device).lineSpacing();
    const QStringList lines = wrappedLines(text, font, page.device, page.content.width());
    const auto perPage =
        std::max<qsizetype>(1, static_cast<qsizetype>(page.content.height() / spacing));
    for (qsizetype first = 0; first < lines.size(); first += perPage)
        blocks.push_back(textBlock(page, lines.mid(first, perPage).join(QLatin1Char('\n')), font,
                                   first == 0 ? spaceAbove : 0.0));
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
// below what precedes it); a taller one goes on in pieces, each under the table's headings,
// a row too tall for a page (a long text as typed) cut into rows that fit.
void addTable(std::vector<PdfBlock>& blocks, const Page& page, const TextTable& whole,
              double spaceAbove, TableWidth fill, const QFont& font,
              LongWords longWords = LongWords::ShrinkFirst) {
    const double width = page.content.width();
    const double pageHeight = page.content.height();
    const TableLayout wholeLayout = layoutTable(whole, page.device, width, font, fill, longWords);
    // In pieces of a quarter page, so that a long text fills the pages it runs over.
    const auto [table, layout] = withRowsCutTo(whole, wholeLayout, page.device,
                                               (pageHeight - wholeLayout.headingHeight) / 4);
    // A table taller than a page starts where the page has room, rather than on the next.
    double budget = pageHeight;
    if (layout.height() > pageHeight && !blocks.empty()) {
        const auto pages = paginate(blocks, pageHeight);
        const PlacedBlock& last = pages.back().back();
        budget = pageHeight - last.top - blocks[last.block].height - spaceAbove;
    }
    std::size_t first = 0;
    do {
        std::size_t end = first;
        double height = layout.headingHeight;
        while (end < table.rows.size() &&
               (end == first || height + layout.rowHeights[end] <= budget)) {
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
        budget = pageHeight;
    } while (first < table.rows.size());
}

QFont reportFontAt(double points) {
    QFont font = unhinted(fixedPitchFont(points));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

// The fixed-pitch font, at most 10 pt, at which the longest line fits the width, and not
// smaller than kReportSmallestPoints.
QFont reportFont(const Page& page, const QStringList& lines) {
    QFont font = reportFontAt(kReportLargestPoints);
    // Fixed pitch: the width grows with the size; a few rounds take up the font's rounding.
    for (int round = 0; round < 6; ++round) {
        const QFontMetricsF metrics(font, &page.device);
        double widest = 0.0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= page.content.width() || font.pointSizeF() <= kReportSmallestPoints)
            return font;
        font.setPointSizeF(std::max(kReportSmallestPoints,
                                    font.pointSizeF() * page.content.width() / widest * 0.998));
    }
    return font;
}

// The lines as they go on the page: one too long even at the smallest size (a huge number
// as typed) goes on over the next lines, cut where the width ends. `starts` gets, for each
// line of the report, the first of its lines on the page, and their number last.
QStringList fittedLines(const Page& page, const QStringList& lines, const QFont& font,
                        std::vector<std::size_t>& starts) {
    const QFontMetricsF metrics(font, &page.device);
    const auto perLine = std::max<qsizetype>(
        1,
        static_cast<qsizetype>(page.content.width() / metrics.horizontalAdvance(QLatin1Char('0'))));
    QStringList fitted;
    starts.clear();
    for (const QString& line : lines) {
        starts.push_back(static_cast<std::size_t>(fitted.size()));
        if (metrics.horizontalAdvance(line) <= page.content.width()) {
            fitted << line;
            continue;
        }
        for (qsizetype first = 0; first < line.size(); first += perLine)
            fitted << line.mid(first, perLine);
    }
    starts.push_back(static_cast<std::size_t>(fitted.size()));
    return fitted;
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
std::vector<PdfBlock> reportBlocks(const Page& page, const QStringList& reportLines,
                                   const std::vector<LineSpan>& tables, const QFont& font) {
    std::vector<std::size_t> starts;
    const QStringList lines = fittedLines(page, reportLines, font, starts);
    const QFontMetricsF metrics(font, &page.device);
    std::vector<PdfBlock> blocks;
    for (const QString& line : lines) {
        PdfBlock block;
        block.height = metrics.lineSpacing();
        block.draw = [line, font, ascent = metrics.ascent()](QPainter& painter,
                                                             const QRectF& area) {
            painter.setFont(font);
            painter.setPen(Qt::black);
            // At a point, in one piece: the blanks keep the report's columns.
            painter.drawText(QPointF(area.left(), area.top() + ascent), line);
        };
        blocks.push_back(std::move(block));
    }
    std::vector<LineSpan> fittedTables;
    for (const LineSpan& table : tables)
        fittedTables.push_back({starts[table.first], starts[table.end]});
    keepTablesTogether(blocks, 0, fittedTables, page.content.height());
    return blocks;
}

// How a layout of the report uses paper: its pages, and how many of them but the last are
// less than two thirds full (a result table kept whole moved on, leaving a page mostly empty).
std::pair<std::size_t, std::size_t> paperUsed(const std::vector<PdfBlock>& blocks,
                                              double pageHeight) {
    const auto pages = paginate(blocks, pageHeight);
    std::size_t sparse = 0;
    for (std::size_t p = 0; p + 1 < pages.size(); ++p) {
        const PlacedBlock& last = pages[p].back();
        sparse += last.top + blocks[last.block].height < pageHeight * 2.0 / 3.0 ? 1 : 0;
    }
    return {pages.size(), sparse};
}

// The report's lines, and where its result tables lie among them.
QStringList reportLines(const std::vector<ReportPiece>& pieces, std::vector<LineSpan>& tables) {
    QStringList lines;
    for (const ReportPiece& piece : pieces) {
        QStringList more = fromDocument(piece.text).split(QLatin1String("\r\n"));
        if (!more.isEmpty() && more.back().isEmpty())
            more.removeLast();
        const auto first = static_cast<std::size_t>(lines.size());
        lines << more;
        if (piece.table)
            tables.push_back({first, static_cast<std::size_t>(lines.size())});
    }
    return lines;
}

// The report at the largest size that fits its lines, or a little smaller where that saves a
// page or fills a page that would stay mostly empty.
void addReport(std::vector<PdfBlock>& blocks, const Page& page,
               const std::vector<ReportPiece>& pieces) {
    std::vector<LineSpan> tables;
    const QStringList lines = reportLines(pieces, tables);
    const QFont fitting = reportFont(page, lines);
    std::vector<PdfBlock> best = reportBlocks(page, lines, tables, fitting);
    auto bestUse = paperUsed(best, page.content.height());
    for (double points = fitting.pointSizeF() - 0.25; points >= kReportCompactPoints - 1e-9;
         points -= 0.25) {
        std::vector<PdfBlock> smaller = reportBlocks(page, lines, tables, reportFontAt(points));
        const auto use = paperUsed(smaller, page.content.height());
        if (use < bestUse) {
            bestUse = use;
            best = std::move(smaller);
        }
    }
    best.front().newPage = true;
    blocks.insert(blocks.end(), std::make_move_iterator(best.begin()),
                  std::make_move_iterator(best.end()));
}

// The page a reviewer reads first and signs (io/memo_document.h), laid out: a long text wraps
// within the page, a word longer than a line broken anywhere.
// Returns the block of the inputs table's first rows.
std::size_t addMemoPage(std::vector<PdfBlock>& blocks, const Page& page,
                        const MemoFirstPage& memo) {
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    const QFont table = sansFont(kTablePoints);
    blocks.push_back(heading(page, fromDocument(memo.title), false, kHeadingPoints));
    addTable(blocks, page, textTable(memo.project), 0.5 * gap, TableWidth::Full, table,
             LongWords::Break);
    blocks.push_back(
        textBlock(page, fromDocument(memo.verdict), sansFont(kBodyPoints + 1, true), gap));
    if (!memo.warnings.empty()) {
        blocks.push_back(heading(page, fromDocument(memo.warningsHeading), false, kBodyPoints + 1));
        QStringList warnings;
        for (const std::string& warning : memo.warnings)
            warnings << fromDocument(warning);
        addText(blocks, page, warnings.join(QLatin1Char('\n')), sansFont(kBodyPoints), 0.0);
    }
    blocks.push_back(heading(page, fromDocument(memo.inputsHeading), false, kBodyPoints + 1));
    const std::size_t inputs = blocks.size();
    addTable(blocks, page, textTable(memo.inputs), 0.5 * gap, TableWidth::Natural, table,
             LongWords::Break);
    blocks.push_back(heading(page, fromDocument(memo.axlesHeading), false, kBodyPoints + 1));
    addTable(blocks, page, textTable(memo.axles), 0.5 * gap, TableWidth::Full, table,
             LongWords::Break);
    const QString signature = QStringLiteral("  ________________________   ");
    const QString date = fromDocument(memo.signatureDate);
    const QString lines = fromDocument(memo.computedWith) + QLatin1String("\n\n") +
                          fromDocument(memo.date) + QLatin1String("\n\n") +
                          fromDocument(memo.designedBy) + signature + date + QLatin1String("\n\n") +
                          fromDocument(memo.checkedBy) + signature + date;
    addText(blocks, page, lines, sansFont(kBodyPoints), 1.5 * gap);
    return inputs;
}

// The QR code of the memo document's bytes at level M, as black squares from `area`'s top
// left, with the quiet zone of four modules the standard asks for inside `side`.
void drawCode(QPainter& painter, const qrcodegen::QrCode& code, QPointF topLeft, double side) {
    const int size = code.getSize();
    const double module = side / (size + 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (code.getModule(x, y))
                painter.drawRect(QRectF(topLeft.x() + (x + 4) * module,
                                        topLeft.y() + (y + 4) * module, module, module));
}

// What ties the memo to its input data file on page 1: the QR code at the right of the inputs
// table (`beside`, the block of its first rows), as tall as that block allows, and at the
// foot the attachment's name, the whole fingerprint that every page's footer begins and what
// the code holds.
void addProof(std::vector<PdfBlock>& blocks, const Page& page, const MemoProof& proof,
              std::size_t beside) {
    if (proof.inputFile.empty())
        return;
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    const std::vector<std::uint8_t> bytes(proof.code.begin(), proof.code.end());
    const auto code = std::make_shared<const qrcodegen::QrCode>(qrcodegen::QrCode::encodeSegments(
        {qrcodegen::QrSegment::makeBytes(bytes)}, qrcodegen::QrCode::Ecc::MEDIUM, 1,
        kCodeMaxVersion, -1, false));
    const double side =
        std::min(kCodeMillimetres * page.device.logicalDpiX() / 25.4, blocks[beside].height);
    blocks[beside].draw = [code, side, table = blocks[beside].draw](QPainter& painter,
                                                                    const QRectF& area) {
        table(painter, area);
        drawCode(painter, *code, QPointF(area.right() - side, area.top()), side);
    };
    QStringList lines;
    if (!proof.attached.empty())
        lines << fromDocument(proof.attached);
    lines << fromDocument(proof.fingerprintLine) << fromDocument(proof.codeNote);
    // Without ligatures: "ff" in the fingerprint must stay two letters when it is copied.
    QFont font = sansFont(kTablePoints);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    addText(blocks, page, lines.join(QLatin1Char('\n')), font, gap);
}

// A chart as the core drew it, as vectors: as wide as the page, or as tall as `room` allows.
PdfBlock chartBlock(const Page& page, const std::string& svg, ChartSize size, double room,
                    double spaceAbove) {
    const auto drawing = std::make_shared<const SvgDrawing>(svg);
    PdfBlock block;
    block.height = std::min(page.content.width() * size.height / size.width, room);
    block.spaceAbove = spaceAbove;
    block.draw = [drawing](QPainter& painter, const QRectF& area) { drawing->draw(painter, area); };
    return block;
}

void addAlternatives(std::vector<PdfBlock>& blocks, const Page& page, const MemoCharts& charts) {
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    blocks.push_back(
        heading(page, fromDocument(charts.alternativesHeading), false, kHeadingPoints));
    PdfBlock note =
        textBlock(page, fromDocument(charts.alternativesNote), sansFont(kBodyPoints), 0.0);
    note.keepWithNext = true;
    blocks.push_back(std::move(note));
    addTable(blocks, page, textTable(charts.alternatives), 0.5 * gap, TableWidth::Natural,
             sansFont(kTablePoints));
}

// The damage curve and the bars on one page; the sensitivity table, the tornado and the
// design alternatives on the next. Without a recommended thickness, the search's message in
// place of the charts, as the window shows it, and the alternatives.
void addCharts(std::vector<PdfBlock>& blocks, const Page& page, const MemoCharts& charts) {
    blocks.push_back(heading(page, fromDocument(charts.heading), true, kHeadingPoints));
    if (!charts.refusal.empty()) {
        blocks.push_back(textBlock(page, fromDocument(charts.refusal), sansFont(kBodyPoints), 0.0));
        addAlternatives(blocks, page, charts);
        return;
    }
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    const double room = page.content.height() - blocks.back().height - 2 * gap;
    PdfBlock curve = chartBlock(page, charts.curve.svg, kCurveChartSize, 0.52 * room, gap);
    const double rowsRoom = room - curve.height - gap;
    blocks.push_back(std::move(curve));
    blocks.push_back(chartBlock(page, charts.rows.svg, kRowsChartSize, rowsRoom, gap));

    PdfBlock tableHeading =
        heading(page, fromDocument(charts.sensitivityHeading), true, kBodyPoints + 1);
    PdfBlock table = tableBlock(page, textTable(charts.sensitivity), 0.5 * gap);
    const double left = page.content.height() - tableHeading.height - table.height - 2 * gap;
    blocks.push_back(std::move(tableHeading));
    blocks.push_back(std::move(table));
    blocks.push_back(chartBlock(page, charts.tornado.svg, kTornadoChartSize,
                                std::min(0.55 * page.content.width(), left), gap));
    addAlternatives(blocks, page, charts);
}

void addDetails(std::vector<PdfBlock>& blocks, const Page& page, const MemoDetails& details) {
    blocks.push_back(heading(page, fromDocument(details.heading), true, kHeadingPoints));
    if (!details.note.empty()) {
        blocks.push_back(textBlock(page, fromDocument(details.note), sansFont(kBodyPoints), 0.0));
        return;
    }
    blocks.push_back(textBlock(page, fromDocument(details.modelUnits), sansFont(kBodyPoints), 0.0));
    const double gap = QFontMetricsF(sansFont(kBodyPoints), &page.device).lineSpacing();
    const TextTable fatigue = textTable(details.fatigue);
    // The wider fatigue table sets the size of both.
    const QFont font =
        layoutTable(fatigue, page.device, page.content.width(), sansFont(kTablePoints)).font;
    blocks.push_back(heading(page, fromDocument(details.fatigueHeading), false, kBodyPoints + 1));
    addTable(blocks, page, fatigue, 0.5 * gap, TableWidth::Full, font);
    blocks.push_back(heading(page, fromDocument(details.erosionHeading), false, kBodyPoints + 1));
    addTable(blocks, page, textTable(details.erosion), 0.5 * gap, TableWidth::Full, font);
}

PdfPageHeader pageHeader(const MemoFrame& frame) {
    return PdfPageHeader{fromDocument(frame.program),     fromDocument(frame.inputs),
                         fromDocument(frame.made),        fromDocument(frame.notice),
                         fromDocument(frame.pageOfPages), fromDocument(frame.fingerprint)};
}

MemoOptions memoOptions(const PdfReportOptions& options) {
    MemoOptions memo;
    memo.fileName = QFileInfo(options.inputFile).fileName().toStdString();
    memo.made = std::chrono::system_clock::time_point(
        std::chrono::milliseconds(options.created.toMSecsSinceEpoch()));
    memo.inputsChanged = options.inputsChanged;
    memo.attachesInputFile = true;
    return memo;
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

Expected<QByteArray, QString> buildPdfReport(const Run& run, const PdfReportOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUp(writer, options);
    const Page page{writer, pageFrame(writer).content};

    MemoOptions memoOptionsOfRun = memoOptions(options);
    if (auto inputFile = savedInputBytes(run.workspace()))
        memoOptionsOfRun.inputFile = std::move(*inputFile);
    const MemoDocument memo = memoDocument(run, memoOptionsOfRun);
    if (!memo.proof.inputFile.empty())
        writer.addFileAttachment(QString::fromStdString(memo.proof.fileName),
                                 QByteArray::fromStdString(memo.proof.inputFile),
                                 QStringLiteral("text/plain"));
    std::vector<PdfBlock> blocks;
    addProof(blocks, page, memo.proof, addMemoPage(blocks, page, memo.firstPage));
    addReport(blocks, page, memo.report);
    addCharts(blocks, page, *memo.charts);
    addDetails(blocks, page, memo.details);
    if (auto drawn = drawPages(writer, pageHeader(memo.frame), blocks); !drawn)
        return failure(drawn.error());
    return bytes;
}

Expected<QByteArray, QString> buildPdfReport(Workspace& workspace,
                                             const PdfReportOptions& options) {
    // The run every document is written from: its inputs beside its own tables.
    const auto run = documentRun(workspace);
    if (!run)
        return failure(fromCore(run.error()));
    PdfReportOptions marked = options;
    marked.inputsChanged = workspace.inputsChangedSinceRun();
    return buildPdfReport(**run, marked);
}

Expected<Done, QString> exportPdfReport(Workspace& workspace, const QString& path,
                                        const PdfReportOptions& options) {
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
