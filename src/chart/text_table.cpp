#include "text_table.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QPaintDevice>
#include <QPainter>
#include <QTableWidget>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "io/memo_document.h"
#include "model/palette.h"

namespace zan {

namespace {

constexpr double kSmallestPoints = 5.0;
const QColor kHeadingGround(0xee, 0xee, 0xee);
constexpr int kWrapped = Qt::TextWordWrap;

QFont boldOf(QFont font) {
    font.setBold(true);
    return font;
}

Qt::Alignment alignmentOf(const TableCell& cell) {
    return (cell.leftAligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

double longestWord(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0.0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

double widestLine(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0.0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// How narrow a column may become when its cells break within words.
double breakableWidth(const QFontMetricsF& metrics) {
    return metrics.horizontalAdvance(QStringLiteral("0000000000"));
}

// Room either side of a cell's text, and above and below it.
double paddingOf(const QFontMetricsF& metrics) {
    return 0.3 * metrics.height();
}

// The metrics a table is measured and drawn with.
struct Fonts {
    Fonts(const QFont& font, const QPaintDevice* device)
        : plain(font, device), bold(boldOf(font), device), pad(paddingOf(plain)) {}
    QFontMetricsF plain;
    QFontMetricsF bold;
    double pad;
    const QFontMetricsF& of(const TableRow& row) const { return row.emphasised ? bold : plain; }
};

// Each column's width without wrapping, and the narrowest it can take by wrapping its word
// cells at blanks (the same, for a column without them).
struct ColumnWidths {
    std::vector<double> natural;
    std::vector<double> narrowest;
};

ColumnWidths columnWidths(const TextTable& table, const Fonts& fonts, bool breakWords) {
    ColumnWidths widths;
    for (qsizetype c = 0; c < table.headings.size(); ++c) {
        const double heading = longestWord(fonts.bold, table.headings[c]);
        double natural = heading;
        double narrowest = heading;
        for (const TableRow& row : table.rows) {
            if (static_cast<std::size_t>(c) >= row.cells.size())
                continue;
            const TableCell& cell = row.cells[static_cast<std::size_t>(c)];
            const double whole = widestLine(fonts.of(row), cell.text);
            natural = std::max(natural, whole);
            double least = cell.leftAligned ? longestWord(fonts.of(row), cell.text) : whole;
            if (breakWords)
                least = std::min(least, breakableWidth(fonts.of(row)));
            narrowest = std::max(narrowest, least);
        }
        widths.natural.push_back(natural + 2 * fonts.pad);
        widths.narrowest.push_back(narrowest + 2 * fonts.pad);
    }
    return widths;
}

// The natural widths, with the wrapping columns narrowed in proportion to what they can give
// until the table fits `width` (or they can give no more).
std::vector<double> fitWidths(const ColumnWidths& widths, double width) {
    std::vector<double> fitted = widths.natural;
    const double total = std::accumulate(fitted.begin(), fitted.end(), 0.0);
    double slack = 0.0;
    for (std::size_t c = 0; c < fitted.size(); ++c)
        slack += widths.natural[c] - widths.narrowest[c];
    if (total <= width || slack <= 0.0)
        return fitted;
    const double share = std::min(1.0, (total - width) / slack);
    for (std::size_t c = 0; c < fitted.size(); ++c)
        fitted[c] -= share * (widths.natural[c] - widths.narrowest[c]);
    return fitted;
}

// The widths fitted to `width`, and widened to fill it when asked.
std::vector<double> widthsFor(const TextTable& table, const Fonts& fonts, double width, bool fill,
                              bool breakWords) {
    std::vector<double> widths = fitWidths(columnWidths(table, fonts, breakWords), width);
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (fill && total > 0.0 && total < width)
        for (double& w : widths)
            w *= width / total;
    return widths;
}

// A cell's text as drawn: in a layout that breaks words, the lines its column gives it.
QString shownText(const TableLayout& layout, const QPaintDevice& device, std::size_t column,
                  const QString& text, bool bold) {
    if (!layout.breakWords)
        return text;
    const double pad = paddingOf(QFontMetricsF(layout.font, &device));
    return wrappedLines(text, bold ? boldOf(layout.font) : layout.font, device,
                        layout.columnWidths[column] - 2 * pad)
        .join(QLatin1Char('\n'));
}

// The heading's and the rows' heights in the layout's font and column widths.
void measureHeights(const TextTable& table, const QPaintDevice& device, TableLayout& layout) {
    const Fonts fonts(layout.font, &device);
    const auto textHeight = [&](const QFontMetricsF& metrics, std::size_t c, const QString& text) {
        const QRectF room(0, 0, layout.columnWidths[c] - 2 * fonts.pad, 1e6);
        return metrics.boundingRect(room, kWrapped, text).height();
    };
    double heading = 0.0;
    for (std::size_t c = 0; c < layout.columnWidths.size(); ++c)
        heading =
            std::max(heading, textHeight(fonts.bold, c, table.headings[static_cast<qsizetype>(c)]));
    layout.headingHeight = heading + 2 * fonts.pad;
    layout.rowHeights.clear();
    for (const TableRow& row : table.rows) {
        double height = fonts.plain.height();
        for (std::size_t c = 0; c < row.cells.size() && c < layout.columnWidths.size(); ++c)
            if (row.cells[c].leftAligned || layout.breakWords)
                height = std::max(height, textHeight(fonts.of(row), c,
                                                     shownText(layout, device, c, row.cells[c].text,
                                                               row.emphasised)));
        layout.rowHeights.push_back(height + fonts.pad);
    }
}

TableLayout measure(const TextTable& table, const QPaintDevice& device, const QFont& font,
                    double width, bool fill, bool breakWords) {
    TableLayout layout;
    layout.font = font;
    layout.breakWords = breakWords;
    layout.columnWidths = widthsFor(table, Fonts(font, &device), width, fill, breakWords);
    measureHeights(table, device, layout);
    return layout;
}

void drawHeadings(QPainter& painter, const QPointF& topLeft, const TextTable& table,
                  const TableLayout& layout, double pad) {
    painter.fillRect(QRectF(topLeft, QSizeF(layout.width(), layout.headingHeight)), kHeadingGround);
    painter.setFont(boldOf(layout.font));
    double x = topLeft.x();
    for (std::size_t c = 0; c < layout.columnWidths.size(); ++c) {
        const double w = layout.columnWidths[c];
        painter.drawText(
            QRectF(x + pad, topLeft.y() + pad, w - 2 * pad, layout.headingHeight - 2 * pad),
            kWrapped | Qt::AlignHCenter | Qt::AlignBottom,
            table.headings[static_cast<qsizetype>(c)]);
        x += w;
    }
}

}  // namespace

TextTable textTable(const MemoTable& memo) {
    TextTable table;
    for (const std::string& heading : memo.headings)
        table.headings << fromDocument(heading);
    for (const MemoTableRow& memoRow : memo.rows) {
        TableRow row;
        row.emphasised = memoRow.emphasised;
        for (const MemoCell& cell : memoRow.cells)
            row.cells.push_back(TableCell{fromDocument(cell.text), cell.words});
        table.rows.push_back(std::move(row));
    }
    return table;
}

double TableLayout::width() const {
    return std::accumulate(columnWidths.begin(), columnWidths.end(), 0.0);
}

double TableLayout::height() const {
    return std::accumulate(rowHeights.begin(), rowHeights.end(), headingHeight);
}

TableLayout layoutTable(const TextTable& table, const QPaintDevice& device, double width,
                        QFont font, TableWidth fill, LongWords longWords) {
    bool breakWords = longWords == LongWords::Break;
    TableLayout layout = measure(table, device, font, width, false, breakWords);
    while (layout.width() > width && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() * 0.95));
        layout = measure(table, device, font, width, false, breakWords);
    }
    if (layout.width() > width && !breakWords) {
        breakWords = true;
        layout = measure(table, device, font, width, false, breakWords);
    }
    // Widened only once it fits, so that the widening cannot make it seem too wide.
    if (fill == TableWidth::Full && layout.width() < width)
        layout = measure(table, device, font, width, true, breakWords);
    return layout;
}

CutTable withRowsCutTo(const TextTable& table, const TableLayout& layout,
                       const QPaintDevice& device, double height) {
    const QFontMetricsF metrics(layout.font, &device);
    const double pad = paddingOf(metrics);
    // A line to spare: a piece laid out afresh may wrap a little differently.
    const auto perPiece = static_cast<qsizetype>(
        std::max(1.0, std::floor((height - pad) / metrics.lineSpacing()) - 1.0));
    CutTable result{TextTable{table.headings, {}}, layout};
    TextTable& cut = result.table;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const TableRow& row = table.rows[r];
        if (r >= layout.rowHeights.size() || layout.rowHeights[r] <= height) {
            cut.rows.push_back(row);
            continue;
        }
        std::vector<QStringList> lines;
        qsizetype most = 0;
        for (std::size_t c = 0; c < row.cells.size() && c < layout.columnWidths.size(); ++c) {
            const QFont font = row.emphasised ? boldOf(layout.font) : layout.font;
            lines.push_back(
                wrappedLines(row.cells[c].text, font, device, layout.columnWidths[c] - 2 * pad));
            most = std::max(most, lines.back().size());
        }
        for (qsizetype first = 0; first < most; first += perPiece) {
            TableRow piece = row;
            piece.continued = row.continued || first > 0;
            for (std::size_t c = 0; c < lines.size(); ++c)
                piece.cells[c].text = lines[c].mid(first, perPiece).join(QLatin1Char('\n'));
            cut.rows.push_back(std::move(piece));
        }
    }
    // The widths stay, so that every piece's lines stand as they were broken.
    measureHeights(cut, device, result.layout);
    return result;
}

QStringList wrappedLines(const QString& text, const QFont& font, const QPaintDevice& device,
                         double width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, &device);
        layout.setTextOption(option);
        layout.beginLayout();
        const qsizetype before = lines.size();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(1.0, width));
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        if (lines.size() == before)
            lines << QString();
    }
    return lines;
}

void drawTable(QPainter& painter, const QPointF& topLeft, const TextTable& table,
               const TableLayout& layout) {
    painter.save();
    const double pad = paddingOf(QFontMetricsF(layout.font, painter.device()));
    const double width = layout.width();
    painter.setPen(Qt::black);
    drawHeadings(painter, topLeft, table, layout, pad);
    double y = topLeft.y() + layout.headingHeight;
    for (std::size_t r = 0; r < table.rows.size() && r < layout.rowHeights.size(); ++r) {
        const TableRow& row = table.rows[r];
        const double height = layout.rowHeights[r];
        painter.setFont(row.emphasised ? boldOf(layout.font) : layout.font);
        double x = topLeft.x();
        for (std::size_t c = 0; c < row.cells.size() && c < layout.columnWidths.size(); ++c) {
            const double w = layout.columnWidths[c];
            painter.drawText(
                QRectF(x + pad, y, w - 2 * pad, height), alignmentOf(row.cells[c]) | kWrapped,
                shownText(layout, *painter.device(), c, row.cells[c].text, row.emphasised));
            x += w;
        }
        y += height;
        if (r + 1 < table.rows.size() && table.rows[r + 1].continued)
            continue;
        painter.setPen(QPen(QColor(palette::kGrid), 0));
        painter.drawLine(QPointF(topLeft.x(), y), QPointF(topLeft.x() + width, y));
        painter.setPen(Qt::black);
    }
    painter.setPen(QPen(QColor(palette::kAxis), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(topLeft, QSizeF(width, layout.height())));
    painter.drawLine(QPointF(topLeft.x(), topLeft.y() + layout.headingHeight),
                     QPointF(topLeft.x() + width, topLeft.y() + layout.headingHeight));
    painter.restore();
}

void showTable(QTableWidget& widget, const TextTable& table) {
    widget.setColumnCount(static_cast<int>(table.headings.size()));
    widget.setHorizontalHeaderLabels(table.headings);
    widget.setRowCount(static_cast<int>(table.rows.size()));
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const TableRow& row = table.rows[r];
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            const TableCell& cell = row.cells[c];
            auto* item = new QTableWidgetItem(cell.text);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(alignmentOf(cell));
            if (cell.leftAligned)
                item->setToolTip(cell.text);
            if (row.emphasised)
                item->setFont(boldOf(widget.font()));
            widget.setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
}

}  // namespace zan
