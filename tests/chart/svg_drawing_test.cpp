// The core's chart drawings as the desktop draws them: each element where the drawing puts
// it, scaled into any bounds with its proportions kept, nothing outside them, the painter as
// it was; a text that is no drawing draws nothing.

#include "chart/svg_drawing.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <string>

#include "commands/commands.h"
#include "io/memo_document.h"
#include "io/svg.h"
#include "model/workspace.h"

namespace zan::test {
namespace {

constexpr QSize kPage(840, 620);

QImage drawn(const SvgDrawing& drawing, const QRectF& bounds, bool checkState = false) {
    QImage image(kPage, QImage::Format_ARGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, 3));
    painter.setBrush(Qt::cyan);
    const QFont font = painter.font();
    drawing.draw(painter, bounds);
    if (checkState) {
        EXPECT_EQ(painter.pen(), QPen(Qt::red, 3));
        EXPECT_EQ(painter.brush(), QBrush(Qt::cyan));
        EXPECT_EQ(painter.font(), font);
        EXPECT_TRUE(painter.transform().isIdentity());
    }
    return image;
}

TEST(SvgDrawing, PutsEachElementWhereTheDrawingSaysScaledIntoItsBounds) {
    svg::Writer out(100, 50, "test");
    out.rect(10, 10, 20, 20, "#ff0000");
    out.line(60, 0, 60, 50, {"#0000ff", 4});
    const SvgDrawing drawing(out.finish());
    ASSERT_TRUE(drawing.valid());
    EXPECT_EQ(drawing.size(), QSizeF(100, 50));
    // Twice as large, centred in a taller area: 100 pixels of it above and below.
    const QImage image = drawn(drawing, QRectF(0, 0, 200, 300));
    EXPECT_EQ(image.pixelColor(40, 140), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(120, 150), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(80, 150), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(40, 60), QColor(Qt::gray));  // outside the drawing
}

TEST(SvgDrawing, OfNoDrawingDrawsNothing) {
    for (const char* text : {"", "<svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"></svg>"}) {
        const SvgDrawing drawing(text);
        EXPECT_FALSE(drawing.valid()) << text;
        EXPECT_EQ(drawn(drawing, QRectF(0, 0, 100, 100)).pixelColor(50, 50), QColor(Qt::gray));
    }
}

class ChartDrawing : public ::testing::TestWithParam<int> {};

TEST_P(ChartDrawing, DrawsOnlyInsideItsBoundsTheSameWhereverTheyLie) {
    Workspace ws;
    ASSERT_TRUE(performAnalysis(ws, AnalysisKind::Both).ok());
    const MemoCharts charts = *memoDocument(**documentRun(ws), MemoOptions{}).charts;
    const std::string* svgs[] = {&charts.curve.svg, &charts.rows.svg, &charts.tornado.svg};
    const SvgDrawing drawing(*svgs[GetParam()]);
    ASSERT_TRUE(drawing.valid());
    const QSize size = drawing.size().toSize();
    const QPoint offset(137, 61);
    const QImage atOrigin = drawn(drawing, QRectF(QPointF(0, 0), size));
    const QImage moved = drawn(drawing, QRectF(offset, size), true);
    // Antialiased edges at fractional places may blend a shade apart after the move.
    int differing = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QColor a = moved.pixelColor(offset.x() + x, offset.y() + y);
            const QColor b = atOrigin.pixelColor(x, y);
            differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                             std::abs(a.blue() - b.blue()) >
                         12;
        }
    EXPECT_EQ(differing, 0);
    int touched = 0;
    for (int y = 0; y < moved.height(); ++y)
        for (int x = 0; x < moved.width(); ++x)
            if (!QRect(offset, size).contains(x, y) && moved.pixelColor(x, y) != QColor(Qt::gray))
                ++touched;
    EXPECT_EQ(touched, 0);
}

const char* const kChartNames[] = {"Curve", "Rows", "Tornado"};

INSTANTIATE_TEST_SUITE_P(Charts, ChartDrawing, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return std::string(kChartNames[info.param]); });

}  // namespace
}  // namespace zan::test
