#pragma once
// The drawing steps the memo's charts share (io/memo_charts.h), on an SVG writer: the title,
// the legend, labels with a white backing, axis titles and grid lines with their values, a
// note in place of a chart, and lines clipped to the plotted area. Every text is fitted to
// the room it is given: measured in the drawing's font, and drawn smaller when it is wider.

#include <string>
#include <string_view>
#include <vector>

#include "io/memo_charts.h"
#include "io/svg.h"

namespace zan::chartDrawing {

inline constexpr double kTextSize = 12.0;    // pixels: 9 pt at 96 dpi
inline constexpr double kValueSize = 9.6;    // the values beside the bars
inline constexpr double kPowerSize = 9.0;    // a decade's raised exponent
inline constexpr double kLineFactor = 1.17;  // DejaVu Sans: ascent and descent, in ems

struct Area {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool contains(double x, double y) const;
};

// The size at which `text` is at most `room` pixels wide: `size`, or smaller.
double fittedSize(std::string_view text, double size, bool bold, double room);

// The baseline that centres a line of `size` on `middle`.
double centredBaseline(double middle, double size);

// A text at most `room` wide, its anchor at `x`.
void fittedText(svg::Writer& out, double x, double y, std::string_view text, double room,
                svg::TextStyle style);

// The title, bold, at the top left.
void drawTitle(svg::Writer& out, ChartSize size, std::string_view title);

// The entries right-aligned in the row under the title: a colour swatch and a name each.
void drawLegend(svg::Writer& out, ChartSize size, const std::vector<LegendEntry>& entries);

// A label on a white backing, so that it stays legible over grid lines and curves. It hangs
// below `top` from `x`, on its left or right, within [`leftmost`, `rightmost`].
void drawLabel(svg::Writer& out, double x, double top, std::string_view text,
               std::string_view colour, bool leftOfAnchor, double leftmost, double rightmost);

// An axis title read upwards, centred on the area's height, its baseline near `x`.
void drawUprightTitle(svg::Writer& out, const Area& area, double x, std::string_view text);

// An axis title centred below the area, its line's top `gap` under the area.
void drawTitleBelow(svg::Writer& out, const Area& area, double gap, std::string_view text);

// A vertical grid line across the area at `x`, with its value below the area.
void drawGridLineWithValue(svg::Writer& out, const Area& area, double x, std::string_view value);

void drawFrame(svg::Writer& out, const Area& area);

// Words wrapped to the area's width, the lines centred in it.
void drawNote(svg::Writer& out, const Area& area, std::string_view note);

// The parts of the line through `points` that lie inside the area, each a line of its own.
std::vector<std::vector<svg::Point>> clipped(const std::vector<svg::Point>& points,
                                             const Area& area);

}  // namespace zan::chartDrawing
