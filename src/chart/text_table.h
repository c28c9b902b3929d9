#pragma once
// A table as texts: column headings and one text per cell, as the memo document holds it
// (io/memo_document.h: MemoTable). The damage chart window shows it in a QTableWidget and the
// PDF memo lays it out and draws it on a page.

#include <QFont>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

class QPaintDevice;
class QPainter;
class QPointF;
class QTableWidget;

namespace zan {

struct MemoTable;

// A text of the memo document (UTF-8).
inline QString fromDocument(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct TableCell {
    QString text;
    bool leftAligned = false;  // words; numbers are right-aligned
    bool operator==(const TableCell&) const = default;
};

struct TableRow {
    std::vector<TableCell> cells;
    bool emphasised = false;  // drawn bold: the row the inputs hold now
    bool continued = false;   // goes on with the texts of the row above: no rule between them
    bool operator==(const TableRow&) const = default;
};

struct TextTable {
    QStringList headings;
    std::vector<TableRow> rows;
    bool operator==(const TextTable&) const = default;
};

TextTable textTable(const MemoTable& table);

// Fills `widget` with the table: headings, read-only cells, the emphasised rows in bold, and
// each word cell's text also as its tool tip, since the window's columns may cut it.
void showTable(QTableWidget& widget, const TextTable& table);

// Where a table goes on a page: the column widths and row heights for a font on a device.
struct TableLayout {
    QFont font;
    std::vector<double> columnWidths;  // device pixels
    double headingHeight = 0.0;        // headings wrap at blanks within their column
    std::vector<double> rowHeights;    // a word cell may wrap onto more lines
    bool breakWords = false;           // cells break within a word too long for their column
    double width() const;
    double height() const;
};

enum class TableWidth { Natural, Full };

// Texts as typed (a project's name, an input) may hold a word longer than any column: such a
// word breaks anywhere, before the font is made smaller (Break) or only once the smallest
// font is not enough (ShrinkFirst, for the tables of computed values).
enum class LongWords { ShrinkFirst, Break };

// Each column as wide as its widest cell, and at least as the longest word of its heading.
// When that is wider than `width`, the columns of word cells (a search's message) wrap at
// blanks to make room; when even that is not enough, the font is made smaller, down to 5 pt.
// Then the cells break within words, so that no text runs past `width`.
// A Full table narrower than `width` has its columns widened in proportion to fill it.
TableLayout layoutTable(const TextTable& table, const QPaintDevice& device, double width,
                        QFont font, TableWidth fill = TableWidth::Natural,
                        LongWords longWords = LongWords::ShrinkFirst);

// The table with each row taller than `height` cut into rows that are not, each holding the
// next of the row's lines as the layout breaks them (the later pieces `continued`), and its
// layout: the same font and column widths, the new rows' heights.
struct CutTable {
    TextTable table;
    TableLayout layout;
};
CutTable withRowsCutTo(const TextTable& table, const TableLayout& layout,
                       const QPaintDevice& device, double height);

// The lines `text` takes in `width`: broken at blanks where it can, anywhere within a word
// longer than the width, and at every line feed.
QStringList wrappedLines(const QString& text, const QFont& font, const QPaintDevice& device,
                         double width);

// Draws the headings and every row from `topLeft`, in the layout's font and widths.
void drawTable(QPainter& painter, const QPointF& topLeft, const TextTable& table,
               const TableLayout& layout);

}  // namespace zan
