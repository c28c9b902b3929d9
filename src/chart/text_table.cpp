#include "text_table.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QPaintDevice>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <numeric>

#include "chart/plot.h"

namespace zan {

namespace {

constexpr double kSmallestPoints = 5.0;
const QColor kHeadingGround(0xee, 0xee, 0xee);

QFont boldOf(QFont font) {
    font.setBold(true);
    return font;
}

Qt::Alignment alignmentOf(const TableCell& cell) {
    return (cell.leftAligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

double longestWord(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0.0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// Blanks either side of a cell's text, and above and below it.
double paddingOf(const QFontMetricsF& metrics) {
    return 0.4 * metrics.height();
}

TableLayout measure(const TextTable& table, const QPaintDevice& device, const QFont& font) {
    const QFontMetricsF plain(font, &device);
    const QFontMetricsF bold(boldOf(font), &device);
    const double pad = paddingOf(plain);
    TableLayout layout;
    layout.font = font;
    for (qsizetype c = 0; c < table.headings.size(); ++c) {
        double widest = longestWord(bold, table.headings[c]);
        for (const TableRow& row : table.rows)
            if (static_cast<std::size_t>(c) < row.cells.size())
                widest = std::max(
                    widest, (row.emphasised ? bold : plain).horizontalAdvance(row.cells[c].text));
        layout.columnWidths.push_back(widest + 2 * pad);
    }
    double headingText = 0.0;
    for (qsizetype c = 0; c < table.headings.size(); ++c) {
        const QRectF room(0, 0, layout.columnWidths[c] - 2 * pad, 1e6);
        headingText =
            std::max(headingText,
                     bold.boundingRect(room, Qt::TextWordWrap | Qt::AlignHCenter, table.headings[c])
                         .height());
    }
    layout.headingHeight = headingText + 2 * pad;
    layout.rowHeight = plain.height() + pad;
    return layout;
}

}  // namespace

double TableLayout::width() const {
    return std::accumulate(columnWidths.begin(), columnWidths.end(), 0.0);
}

double TableLayout::height(std::size_t rows) const {
    return headingHeight + static_cast<double>(rows) * rowHeight;
}

TableLayout layoutTable(const TextTable& table, const QPaintDevice& device, double width,
                        QFont font) {
    TableLayout layout = measure(table, device, font);
    while (layout.width() > width && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() * 0.92));
        layout = measure(table, device, font);
    }
    return layout;
}

void drawTable(QPainter& painter, const QPointF& topLeft, const TextTable& table,
               const TableLayout& layout) {
    painter.save();
    const QFont bold = boldOf(layout.font);
    const double pad = paddingOf(QFontMetricsF(layout.font, painter.device()));
    const double width = layout.width();
    const double height = layout.height(table.rows.size());
    painter.fillRect(QRectF(topLeft, QSizeF(width, layout.headingHeight)), kHeadingGround);

    painter.setPen(Qt::black);
    painter.setFont(bold);
    double x = topLeft.x();
    for (qsizetype c = 0; c < table.headings.size(); ++c) {
        const double w = layout.columnWidths[static_cast<std::size_t>(c)];
        painter.drawText(
            QRectF(x + pad, topLeft.y() + pad, w - 2 * pad, layout.headingHeight - 2 * pad),
            Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignBottom, table.headings[c]);
        x += w;
    }
    double y = topLeft.y() + layout.headingHeight;
    for (const TableRow& row : table.rows) {
        painter.setFont(row.emphasised ? bold : layout.font);
        x = topLeft.x();
        for (std::size_t c = 0; c < row.cells.size() && c < layout.columnWidths.size(); ++c) {
            const double w = layout.columnWidths[c];
            painter.drawText(QRectF(x + pad, y, w - 2 * pad, layout.rowHeight),
                             alignmentOf(row.cells[c]), row.cells[c].text);
            x += w;
        }
        y += layout.rowHeight;
        painter.setPen(QPen(chart::kGrid, 0));
        painter.drawLine(QPointF(topLeft.x(), y), QPointF(topLeft.x() + width, y));
        painter.setPen(Qt::black);
    }
    painter.setPen(QPen(chart::kAxis, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(topLeft, QSizeF(width, height)));
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
