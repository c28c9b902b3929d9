#pragma once
// The memo's three charts, laid out once in the core: the total damage against slab
// thickness, the run's damage per axle row and the sensitivity tornado. Each chart is its data
// (series, axes, ticks, labels, legend) and the SVG drawing made from it; the chart window,
// the PDF memo and the web page all show that one drawing, so that they never disagree. The
// texts are UTF-8 and measured with the drawing's font (io/font_widths.h): a text too wide
// for its room is drawn smaller, never past it.

#include <optional>
#include <string>
#include <vector>

#include "model/damage_curve.h"
#include "model/sensitivity.h"
#include "model/units.h"

namespace zan {

class Run;
struct RunContent;

struct LegendEntry {
    std::string colour;  // "#rrggbb" (model/palette.h)
    std::string name;
    bool operator==(const LegendEntry&) const = default;
};

// A value on an axis and its text there.
struct Tick {
    double value = 0.0;
    std::string text;
    bool operator==(const Tick&) const = default;
};

// The damage axis in whole decades: 10^lowest to 10^highest percent. It always takes in
// 1 % to 1000 %, so that the 100 % line never lies on an edge, reaches down to the smallest
// damage above zero but not below 0.01 %, and up to the largest but not above 10^6 %: far
// beyond 100 % only the steepness matters, and the curves run off the top.
struct DecadeRange {
    int lowest = 0;
    int highest = 3;
    bool operator==(const DecadeRange&) const = default;
};
DecadeRange damageDecades(const std::vector<DamagePoint>& points);

// A decade's label: "0.01" ... "1000", or on an axis that reaches higher "10" with the
// exponent raised beside it, so that one axis never mixes the two.
struct DecadeTick {
    int exponent = 0;
    std::string text;   // "0.01", or "10"
    std::string power;  // empty, or "4"
    bool operator==(const DecadeTick&) const = default;
};

// One line of a chart, in its axes' values; a gap in the grid (a refused thickness) starts a
// new piece.
struct ChartSeries {
    std::string name;
    std::string colour;
    std::vector<std::vector<std::pair<double, double>>> pieces;
    bool operator==(const ChartSeries&) const = default;
};

struct ChartSize {
    double width = 0.0;  // pixels
    double height = 0.0;
};

struct DamageCurveChart {
    std::string unit;  // of the thickness: "in" or "cm"
    std::string title;
    std::string thicknessAxis;  // "Slab thickness (in)"
    std::string damageAxis;
    std::vector<LegendEntry> legend;
    double thicknessLowest = 0.0;  // in or cm
    double thicknessHighest = 0.0;
    std::vector<Tick> thicknessTicks;
    DecadeRange decades;
    std::vector<DecadeTick> decadeTicks;
    std::string limitLabel;           // "100 %"
    std::vector<ChartSeries> series;  // thickness, total damage in percent
    double recommended = 0.0;
    std::string recommendedLabel;  // "Recommended 9.50 in"
    std::optional<double> trial;   // none when the trial text is no thickness
    std::string trialLabel;        // "Trial 9.50 in", with an arrow when it lies off the axis
    bool trialShown = false;       // inside the thickness axis, drawn as a line
    std::string svg;
    bool operator==(const DamageCurveChart&) const = default;
};

// One axle row's bars: its damage of each part run, and the values written beside them.
struct RowBar {
    std::string label;  // "S 30.0": axle type and load as the report lists it
    std::optional<double> fatigue;
    std::optional<double> erosion;
    std::string fatigueText;  // "12.3", or empty where the bar is too small to label
    std::string erosionText;
    bool operator==(const RowBar&) const = default;
};

struct AxleRowsChart {
    std::string title;
    std::string loadAxis;    // "Axle load (kips)"
    std::string damageAxis;  // "Damage (%)"
    std::vector<LegendEntry> legend;
    double damageMax = 1.0;  // the end of the damage axis, percent
    std::vector<Tick> damageTicks;
    std::vector<RowBar> rows;  // single rows, then tandem rows; tandem row 10 when shown
    std::string note;          // instead of bars, before any analysis
    std::string svg;
    bool operator==(const AxleRowsChart&) const = default;
};

// One input's recommended thicknesses at -20 % and +20 %.
struct TornadoBar {
    std::string name;  // the input's short name
    std::optional<double> lower;
    std::optional<double> upper;
    std::string lowerText;  // "9.25", or "no thickness found"
    std::string upperText;
    bool operator==(const TornadoBar&) const = default;
};

struct TornadoChart {
    std::string title;
    std::string thicknessAxis;  // "Recommended thickness (in)"
    std::vector<LegendEntry> legend;
    std::optional<double> base;  // the recommended thickness of the inputs as entered
    std::string baseLabel;
    double thicknessLowest = 0.0;
    double thicknessHighest = 0.0;
    std::vector<Tick> thicknessTicks;
    std::vector<TornadoBar> bars;  // widest swing first; inputs without both results last
    std::string note;              // instead of bars, when there is no base thickness
    std::string svg;
    bool operator==(const TornadoChart&) const = default;
};

inline constexpr ChartSize kCurveChartSize{640, 420};
inline constexpr ChartSize kRowsChartSize{480, 420};
inline constexpr ChartSize kTornadoChartSize{460, 300};

DamageCurveChart damageCurveChart(const DamageCurve& curve);
// The rows are labelled with the loads as the report lists them (RunContent::listedLoads).
AxleRowsChart axleRowsChart(const Run& run, const RunContent& content);
TornadoChart tornadoChart(const Sensitivity& sensitivity);

// The axis helpers the charts share.
namespace chartAxis {
// A tick spacing of 1, 2 or 5 times a power of ten giving about `ticks` intervals; 1 for an
// empty or invalid range.
double niceStep(double range, int ticks);
// The multiples of `step` from `lowest` to `highest`, both ends kept when they fall on one
// within rounding. Counted, not summed up, so that a step far below the values' own precision
// (damage of 1e-30 %) still ends; never more than 1000 ticks.
std::vector<double> tickValues(double lowest, double highest, double step);
// A tick value in at most six significant digits: "0.01", "12.5", "1000".
std::string tickText(double value);
}  // namespace chartAxis

}  // namespace zan
