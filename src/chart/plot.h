#pragma once
// What the charts of the damage chart window share. Each chart is a widget that draws itself
// with paint(QPainter&, const QRectF&) only, so the same code draws it on the screen, into a
// PNG or an SVG drawing, and onto a printed or PDF page. Each chart keeps the data it plots
// and answers where it puts a value, so a test can compare the drawing with the core.

#include <QColor>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "model/palette.h"
#include "model/units.h"

class QPainter;

namespace zan {

namespace chart {
inline const QColor kFatigue(palette::kFatigue);
inline const QColor kErosion(palette::kErosion);
inline const QColor kLimit(palette::kLimit);
inline const QColor kRecommended(palette::kRecommended);
inline const QColor kTrial(palette::kTrial);
inline const QColor kLower(palette::kLower);
inline const QColor kUpper(palette::kUpper);
inline const QColor kGrid(palette::kGrid);
inline const QColor kAxis(palette::kAxis);
}  // namespace chart

// A text of the memo (io/memo_page.h: memoText) in the language in force.
QString fromMemo(const char* text);

// One chart: a white ground with the title in the top row, and what the chart draws below.
class Plot : public QWidget {
    Q_OBJECT

  public:
    virtual QString title() const = 0;

    // Draws the whole chart into `bounds`, on any painter; the painter's state is kept.
    void paint(QPainter& painter, const QRectF& bounds) const;

  protected:
    Plot(const char* objectName, QWidget* parent);

    // Everything but the ground and the title.
    virtual void paintChart(QPainter& painter, const QRectF& bounds) const = 0;
    void paintEvent(QPaintEvent* event) override;
};

// The drawing steps and texts the charts share.
namespace plot {

using LegendEntries = std::vector<std::pair<QColor, QString>>;

QString unitOf(UnitSystem units);  // "in" or "cm"
// A thickness as the search's message writes it: "9.50".
QString thicknessText(float thickness);
// A tick spacing of 1, 2 or 5 times a power of ten giving about `ticks` intervals; 1 for an
// empty or invalid range.
double niceStep(double range, int ticks);
// The multiples of `step` from `lowest` to `highest`, both ends kept when they fall on one
// within rounding. Counted, not summed up, so that a step far below the values' own precision
// (damage of 1e-30 %) still ends; never more than 1000 ticks.
std::vector<double> tickValues(double lowest, double highest, double step);
// A tick value in at most six significant digits: "0.01", "12.5", "1000".
QString tickText(double value);

// Legend entries right-aligned in the row at the top of `bounds`: a colour swatch and a name.
void drawLegend(QPainter& painter, const QRectF& bounds, const LegendEntries& entries);
// A label with a white backing, so that it stays legible over grid lines and curves; it hangs
// below `anchor`, on its left or right.
void drawLabel(QPainter& painter, const QPointF& anchor, const QString& text, const QColor& color,
               bool leftOfAnchor);
// An axis title turned upright, centred on `area`'s height at `x`.
void drawVerticalTitle(QPainter& painter, const QRectF& area, double x, const QString& text);
// Shown in place of the chart when there is nothing to plot.
void drawNote(QPainter& painter, const QRectF& area, const QString& note);
// An axis title centred below `area`, `gap` pixels under its bottom edge.
void drawTitleBelow(QPainter& painter, const QRectF& area, double gap, const QString& text);
// A grid line across `area` at `x` with its value below the area.
void drawGridLineWithValue(QPainter& painter, const QRectF& area, double x, const QString& value);
// The frame around the plotted area.
void drawFrame(QPainter& painter, const QRectF& area);

}  // namespace plot

}  // namespace zan
