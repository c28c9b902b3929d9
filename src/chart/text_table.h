#pragma once
// A table as texts: column headings and one text per cell. The damage chart window shows it
// in a QTableWidget and the PDF memo draws it on a page, from the same texts, so the two
// never disagree.

#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

class QPaintDevice;
class QPainter;
class QPointF;
class QTableWidget;

namespace zan {

struct TableCell {
    QString text;
    bool leftAligned = false;  // words; numbers are right-aligned
    bool operator==(const TableCell&) const = default;
};

struct TableRow {
    std::vector<TableCell> cells;
    bool emphasised = false;  // drawn bold: the row the inputs hold now
    bool operator==(const TableRow&) const = default;
};

struct TextTable {
    QStringList headings;
    std::vector<TableRow> rows;
    bool operator==(const TextTable&) const = default;
};

// Fills `widget` with the table: headings, read-only cells, the emphasised rows in bold, and
// each word cell's text also as its tool tip, since the window's columns may cut it.
void showTable(QTableWidget& widget, const TextTable& table);

// Where a table goes on a page: the column widths and row heights for a font on a device.
struct TableLayout {
    QFont font;
    std::vector<double> columnWidths;  // device pixels
    double headingHeight = 0.0;        // headings wrap at blanks within their column
    std::vector<double> rowHeights;    // a word cell may wrap onto more lines
    double width() const;
    double height() const;
};

enum class TableWidth { Natural, Full };

// Each column as wide as its widest cell, and at least as the longest word of its heading.
// When that is wider than `width`, the columns of word cells (a search's message) wrap at
// blanks to make room; when even that is not enough, the font is made smaller, down to 5 pt.
// A table that does not fit then is laid out wider than `width`, and the caller decides.
// A Full table narrower than `width` has its columns widened in proportion to fill it.
TableLayout layoutTable(const TextTable& table, const QPaintDevice& device, double width,
                        QFont font, TableWidth fill = TableWidth::Natural);

// Draws the headings and every row from `topLeft`, in the layout's font and widths.
void drawTable(QPainter& painter, const QPointF& topLeft, const TextTable& table,
               const TableLayout& layout);

}  // namespace zan
