// Tables as texts: laid out to fit a page's width (wrapping a message before making the font
// smaller), and shown in a QTableWidget with the same texts.

#include "chart/text_table.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTableWidget>

#include <memory>
#include <string>

namespace zan::test {
namespace {

TextTable numbers(int columns, const QString& value) {
    TextTable t;
    for (int c = 0; c < columns; ++c)
        t.headings << QString("Column %1").arg(c);
    for (int r = 0; r < 3; ++r) {
        TableRow row;
        for (int c = 0; c < columns; ++c)
            row.cells.push_back(TableCell{value, false});
        t.rows.push_back(row);
    }
    return t;
}

TextTable withMessage(const QString& message) {
    TextTable t = numbers(3, "9.50");
    t.rows[1].cells[2] = TableCell{message, true};
    return t;
}

class Layout : public ::testing::Test {
  protected:
    void SetUp() override {
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setResolution(96);
        writer->setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        font.setPointSizeF(8);
    }
    TableLayout lay(const TextTable& t, double width, TableWidth fill = TableWidth::Natural) {
        return layoutTable(t, *writer, width, font, fill);
    }
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    QFont font;
};

struct FitCase {
    const char* name;
    std::function<TextTable()> table;
    double width;
    bool smallerFont;  // the font had to give way
    bool wrappedRow;   // row 1 is taller than the others
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class Fit : public Layout, public ::testing::WithParamInterface<FitCase> {};

TEST_P(Fit, StaysWithinTheWidth) {
    const TextTable t = GetParam().table();
    const TableLayout l = lay(t, GetParam().width);
    EXPECT_LE(l.width(), GetParam().width);
    EXPECT_EQ(l.columnWidths.size(), static_cast<std::size_t>(t.headings.size()));
    EXPECT_EQ(l.font.pointSizeF() < 8.0, GetParam().smallerFont) << l.font.pointSizeF();
    ASSERT_EQ(l.rowHeights.size(), 3u);
    EXPECT_EQ(l.rowHeights[1] > l.rowHeights[0], GetParam().wrappedRow);
    EXPECT_DOUBLE_EQ(l.height(),
                     l.headingHeight + l.rowHeights[0] + l.rowHeights[1] + l.rowHeights[2]);
}

const QString kMessage =
    "No slab thickness up to 50 in keeps both the fatigue and the erosion damage below 100%. "
    "The trial thickness was left unchanged.";

INSTANTIATE_TEST_SUITE_P(
    Tables, Fit,
    ::testing::Values(FitCase{"RoomToSpare", [] { return numbers(4, "12.5"); }, 600, false, false},
                      FitCase{"ManyNumbersMakeTheFontSmaller",
                              [] { return numbers(10, "0.97275555"); }, 600, true, false},
                      FitCase{"AMessageWrapsFirst", [] { return withMessage(kMessage); }, 400,
                              false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Layout, AFullTableFillsTheWidthAndANaturalOneDoesNot) {
    const TextTable t = numbers(3, "1.0");
    EXPECT_LT(lay(t, 600).width(), 300);
    EXPECT_NEAR(lay(t, 600, TableWidth::Full).width(), 600, 1e-6);
}

TEST_F(Layout, WhatCannotFitAtAllIsLaidOutWiderAndTheCallerSees) {
    const TableLayout l = lay(numbers(30, "1234567.89"), 200);
    EXPECT_GT(l.width(), 200);
    EXPECT_DOUBLE_EQ(l.font.pointSizeF(), 5.0);
}

TEST(ShowTable, GivesTheWidgetTheTextsAndMarksTheEmphasisedRow) {
    TextTable t = withMessage(kMessage);
    t.rows[2].emphasised = true;
    QTableWidget widget;
    showTable(widget, t);
    ASSERT_EQ(widget.columnCount(), 3);
    ASSERT_EQ(widget.rowCount(), 3);
    EXPECT_EQ(widget.horizontalHeaderItem(1)->text(), "Column 1");
    EXPECT_EQ(widget.item(1, 2)->text(), kMessage);
    EXPECT_EQ(widget.item(1, 2)->toolTip(), kMessage);  // the column may cut it
    EXPECT_TRUE(widget.item(0, 2)->toolTip().isEmpty());
    EXPECT_TRUE(widget.item(0, 0)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(widget.item(1, 2)->textAlignment() & Qt::AlignLeft);
    EXPECT_FALSE(widget.item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(widget.item(1, 0)->font().bold());
    EXPECT_TRUE(widget.item(2, 0)->font().bold());
    // Shown again with fewer rows, the widget holds only those.
    t.rows.pop_back();
    showTable(widget, t);
    EXPECT_EQ(widget.rowCount(), 2);
}

}  // namespace
}  // namespace zan::test
