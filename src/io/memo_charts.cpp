#include "io/memo_charts.h"

#include <algorithm>
#include <cmath>

#include "io/chart_drawing.h"
#include "io/font_widths.h"
#include "io/memo_texts.h"
#include "io/svg.h"
#include "io/utf8.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/palette.h"
#include "model/run.h"

namespace zan {

using namespace chartDrawing;
using svg::Anchor;

namespace {

constexpr int kLowestDecade = -2;  // 0.01 %
constexpr int kHighestDecade = 6;  // 10^6 %
// The largest decade written as a plain number.
constexpr int kLargestPlainDecade = 3;  // 1000 %

std::string unitOf(UnitSystem units) {
    return units == UnitSystem::Metric ? "cm" : "in";
}

// A thickness as the search's message writes it: "9.50".
std::string thicknessText(double thickness) {
    return formatFixed(static_cast<float>(thickness), 2);
}

std::string withUnit(const char* text, double thickness, UnitSystem units) {
    return catalogue::arg(memoShown(text), {thicknessText(thickness), unitOf(units)});
}

// Logarithms as the models take them, ln x / ln 10: the same digits on every platform.
double decadeOf(double percent) {
    return std::log(percent) / std::log(10.0);
}

svg::TextStyle axisStyle(Anchor anchor) {
    svg::TextStyle style;
    style.colour = palette::kAxis;
    style.anchor = anchor;
    return style;
}

// ---- The damage curve.

struct CurveFrame {
    const DamageCurveChart& chart;
    Area area;
    double x(double thickness) const {
        const double span = chart.thicknessHighest - chart.thicknessLowest;
        const double f = span > 0.0 ? (thickness - chart.thicknessLowest) / span : 0.5;
        return area.left + f * area.width();
    }
    // Zero damage a decade below the axis: the line towards it leaves the plot downwards.
    double y(double percent) const {
        const double lowest = chart.decades.lowest;
        const double decade = percent > 0.0 ? decadeOf(percent) : lowest - 1.0;
        return area.bottom - (decade - lowest) / (chart.decades.highest - lowest) * area.height();
    }
};

std::vector<DecadeTick> decadeTicks(DecadeRange decades) {
    const bool powers = decades.highest > kLargestPlainDecade;
    std::vector<DecadeTick> ticks;
    for (int e = decades.lowest; e <= decades.highest; ++e)
        ticks.push_back(powers ? DecadeTick{e, "10", std::to_string(e)}
                               : DecadeTick{e, chartAxis::tickText(std::pow(10.0, e)), ""});
    return ticks;
}

std::vector<ChartSeries> curveSeries(const DamageCurve& curve) {
    std::vector<ChartSeries> series = {{memoShown(memoText::kTotalFatigue), palette::kFatigue, {}},
                                       {memoShown(memoText::kTotalErosion), palette::kErosion, {}}};
    const DamagePoint* previous = nullptr;
    for (const DamagePoint& p : curve.points) {
        // A gap in the grid (a refused thickness) breaks the line.
        const bool joined = previous && p.thickness - previous->thickness <= 1.5f * curve.step;
        for (ChartSeries& s : series) {
            if (!joined)
                s.pieces.emplace_back();
            const float total = &s == &series[0] ? p.totalFatigueDamage : p.totalErosionDamage;
            s.pieces.back().emplace_back(p.thickness, total);
        }
        previous = &p;
    }
    return series;
}

void drawDecades(svg::Writer& out, const CurveFrame& f) {
    for (const DecadeTick& tick : f.chart.decadeTicks) {
        const double y = f.y(std::pow(10.0, tick.exponent));
        out.line(f.area.left, y, f.area.right, y, {palette::kGrid, 1});
        const double right = f.area.left - 6;
        const double powerWidth = textWidth(tick.power, kPowerSize);
        out.text(right - powerWidth, centredBaseline(y, kTextSize), tick.text,
                 axisStyle(Anchor::End));
        if (!tick.power.empty()) {
            svg::TextStyle power = axisStyle(Anchor::End);
            power.size = kPowerSize;
            out.text(right, centredBaseline(y, kTextSize) - 6, tick.power, power);
        }
        if (tick.exponent == f.chart.decades.highest)
            continue;
        // The minor ticks, 2 to 9 times the decade.
        for (int m = 2; m <= 9; ++m) {
            const double ym = f.y(m * std::pow(10.0, tick.exponent));
            out.line(f.area.left - 3, ym, f.area.left, ym, {palette::kAxis, 1});
        }
    }
}

void drawThicknessTicks(svg::Writer& out, const CurveFrame& f) {
    for (const Tick& tick : f.chart.thicknessTicks) {
        const double x = f.x(tick.value);
        out.line(x, f.area.top, x, f.area.bottom, {palette::kGrid, 1});
        out.line(x, f.area.bottom, x, f.area.bottom + 4, {palette::kAxis, 1});
        fittedText(out, x, centredBaseline(f.area.bottom + 14, kTextSize), tick.text, 60,
                   axisStyle(Anchor::Middle));
    }
}

void drawCurves(svg::Writer& out, const CurveFrame& f) {
    const Area& a = f.area;
    const double yLimit = f.y(kDamageLimitPercent);
    out.line(a.left, yLimit, a.right, yLimit, {palette::kLimit, 1.5, "6 4"});
    drawLabel(out, a.right - 4, yLimit - 18, f.chart.limitLabel, palette::kLimit, true, a.left,
              a.right);
    for (const ChartSeries& s : f.chart.series) {
        const std::string kind = s.colour == palette::kFatigue ? "fatigue" : "erosion";
        for (const auto& piece : s.pieces) {
            std::vector<svg::Point> points;
            for (const auto& [h, d] : piece)
                points.emplace_back(f.x(h), f.y(d));
            for (const auto& part : clipped(points, a))
                out.polyline(part, {s.colour, 2}, kind);
            for (const auto& [x, y] : points)
                if (a.contains(x, y) && y < a.bottom)
                    out.circle(x, y, 2.5, s.colour);
        }
    }
}

// A thickness's line across the plot, with its label on label row `row` (0 or 1), left of
// the line where it lies in the plot's right part.
void drawMarker(svg::Writer& out, const CurveFrame& f, double thickness, const char* colour,
                const std::string& dash, const std::string& label, int row) {
    const Area& a = f.area;
    const double x = f.x(thickness);
    out.line(x, a.top, x, a.bottom, {colour, 2, dash});
    const bool left = x > a.left + a.width() * 0.6;
    drawLabel(out, left ? x - 3 : x + 3, a.top + 4 + 20 * row, label, colour, left, a.left,
              a.right);
}

void drawMarkers(svg::Writer& out, const CurveFrame& f) {
    // The recommended thickness on the first label row, the trial on the second, so that the
    // two labels stay apart when the thicknesses coincide. The trial first, so that the
    // recommended thickness stays whole where they coincide.
    const DamageCurveChart& c = f.chart;
    if (c.trialShown) {
        drawMarker(out, f, *c.trial, palette::kTrial, "5 3", c.trialLabel, 1);
    } else if (c.trial) {
        const bool above = *c.trial > c.thicknessHighest;
        drawLabel(out, above ? f.area.right - 3 : f.area.left + 3, f.area.top + 24, c.trialLabel,
                  palette::kTrial, above, f.area.left, f.area.right);
    }
    drawMarker(out, f, c.recommended, palette::kRecommended, "", c.recommendedLabel, 0);
}

std::string curveSvg(const DamageCurveChart& chart) {
    const ChartSize size = kCurveChartSize;
    // Room for the title row, the legend's row, the decade labels with the axis title, and
    // the thickness labels with theirs.
    const CurveFrame f{chart, Area{74, 52, size.width - 20, size.height - 52}};
    svg::Writer out(size.width, size.height, chart.title);
    drawTitle(out, size, chart.title);
    drawLegend(out, size, chart.legend);
    drawDecades(out, f);
    drawThicknessTicks(out, f);
    drawFrame(out, f.area);
    drawTitleBelow(out, f.area, 26, chart.thicknessAxis);
    drawUprightTitle(out, f.area, 16, chart.damageAxis);
    drawCurves(out, f);
    drawMarkers(out, f);
    return out.finish();
}

void setThicknessAxis(DamageCurveChart& chart, const DamageCurve& curve) {
    const auto& points = curve.points;
    chart.thicknessLowest =
        points.empty() ? curve.recommendedThickness - curve.step : points.front().thickness;
    chart.thicknessHighest = points.size() < 2 ? chart.thicknessLowest + 2.0 * curve.step
                                               : static_cast<double>(points.back().thickness);
    // Ticks at a round spacing, never finer than the search grid.
    const double step =
        std::max(static_cast<double>(curve.step),
                 chartAxis::niceStep(chart.thicknessHighest - chart.thicknessLowest, 8));
    for (double t : chartAxis::tickValues(chart.thicknessLowest, chart.thicknessHighest, step))
        chart.thicknessTicks.push_back({t, chartAxis::tickText(t)});
}

void setTrial(DamageCurveChart& chart, const DamageCurve& curve) {
    if (!curve.trialThickness)
        return;
    chart.trial = *curve.trialThickness;
    chart.trialShown =
        *chart.trial >= chart.thicknessLowest && *chart.trial <= chart.thicknessHighest;
    const std::string label = withUnit(memoText::kTrialAt, *chart.trial, curve.units);
    if (chart.trialShown)
        chart.trialLabel = label;
    else if (*chart.trial > chart.thicknessHighest)
        chart.trialLabel = label + " \xE2\x86\x92";  // an arrow to the right
    else
        chart.trialLabel = "\xE2\x86\x90 " + label;
}

}  // namespace

DecadeRange damageDecades(const std::vector<DamagePoint>& points) {
    double smallest = INFINITY;
    double largest = 0.0;
    for (const DamagePoint& p : points) {
        for (double v : {static_cast<double>(p.totalFatigueDamage),
                         static_cast<double>(p.totalErosionDamage)}) {
            if (v > 0.0 && std::isfinite(v)) {
                smallest = std::min(smallest, v);
                largest = std::max(largest, v);
            }
        }
    }
    DecadeRange range{0, 3};
    if (largest > 0.0) {
        const double low = std::max<double>(kLowestDecade, std::floor(decadeOf(smallest) + 1e-9));
        const double high = std::min<double>(kHighestDecade, std::ceil(decadeOf(largest) - 1e-9));
        range.lowest = std::min(0, static_cast<int>(low));
        range.highest = std::max(3, static_cast<int>(high));
    }
    return range;
}

DamageCurveChart damageCurveChart(const DamageCurve& curve) {
    DamageCurveChart chart;
    chart.unit = unitOf(curve.units);
    chart.title = memoShown(memoText::kCurveTitle);
    chart.thicknessAxis =
        catalogue::arg(memoShown(memoText::kCurveThicknessAxis), {unitOf(curve.units)});
    chart.damageAxis = memoShown(memoText::kCurveDamageAxis);
    chart.series = curveSeries(curve);
    for (const ChartSeries& s : chart.series)
        chart.legend.push_back({s.colour, s.name});
    setThicknessAxis(chart, curve);
    chart.decades = damageDecades(curve.points);
    chart.decadeTicks = decadeTicks(chart.decades);
    chart.limitLabel = chartAxis::tickText(kDamageLimitPercent) + " %";
    chart.recommended = curve.recommendedThickness;
    chart.recommendedLabel =
        withUnit(memoText::kRecommendedAt, curve.recommendedThickness, curve.units);
    setTrial(chart, curve);
    chart.svg = curveSvg(chart);
    return chart;
}

// ---- The damage per axle row.

namespace {

constexpr double kLoadTitleColumn = 20.0;  // the load axis' title, left of the row labels
constexpr double kValueGap = 3.0;          // between a bar's end and its value

struct RowsFrame {
    const AxleRowsChart& chart;
    Area area;
    double valueSize;
    double x(double percent) const { return area.left + percent / chart.damageMax * area.width(); }
    double band() const { return area.height() / static_cast<double>(chart.rows.size()); }
};

std::vector<RowBar> rowBars(const Run& run, const RunContent& content) {
    const AnalysisResults& results = run.results();
    std::vector<RowBar> rows;
    for (const std::size_t a : {std::size_t{0}, std::size_t{1}}) {
        for (std::size_t r = 0; r < kAxleRows; ++r) {
            if (a == 1 && r == kAxleRows - 1 && !run.inputs().axles.lastTandemRowShown)
                continue;
            RowBar row;
            row.label = (a == 0 ? "S " : "T ") + content.listedLoads[a * kAxleRows + r];
            if (results.fatigueSelected)
                row.fatigue = results.fatigueDamage[a][r];
            if (results.erosionSelected)
                row.erosion = results.erosionDamage[a][r];
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

// A value too small to show as a bar is too small to matter; it stays unlabelled.
void labelValues(AxleRowsChart& chart) {
    const auto text = [&](const std::optional<double>& v) {
        return v && *v > 0.0 && *v >= chart.damageMax * 0.02 ? formatSignificant(*v, 3)
                                                             : std::string();
    };
    for (RowBar& row : chart.rows) {
        row.fatigueText = text(row.fatigue);
        row.erosionText = text(row.erosion);
    }
}

void setDamageAxis(AxleRowsChart& chart) {
    double largest = 0.0;
    for (const RowBar& row : chart.rows)
        for (const auto& v : {row.fatigue, row.erosion})
            if (v)
                largest = std::max(largest, *v);
    const double step = chartAxis::niceStep(largest, 5);
    chart.damageMax = largest > 0.0 ? std::ceil(largest / step) * step : 1.0;
    const double tick = chartAxis::niceStep(chart.damageMax, 5);
    for (double t : chartAxis::tickValues(0.0, chart.damageMax, tick))
        chart.damageTicks.push_back({t, chartAxis::tickText(t)});
}

// How far right of its bars a row's values reach: both side by side when they would overlap.
double valuesWidth(const RowBar& row, double size, double band) {
    const double fatigue = textWidth(row.fatigueText, size);
    const double erosion = textWidth(row.erosionText, size);
    const bool sideBySide =
        !row.fatigueText.empty() && !row.erosionText.empty() && size * kLineFactor > 0.4 * band;
    return kValueGap + (sideBySide ? fatigue + 4 + erosion : std::max(fatigue, erosion));
}

// The plotted area: right of the widest row label, and narrow enough that every row's values
// stand right of its bars inside the drawing.
Area rowsArea(const AxleRowsChart& chart, double valueSize) {
    const ChartSize size = kRowsChartSize;
    double widest = 0.0;
    for (const RowBar& row : chart.rows)
        widest = std::max(widest, textWidth(row.label, kTextSize));
    Area area{std::min(std::max(66.0, widest + kLoadTitleColumn + 4), 0.4 * size.width), 52,
              size.width - 44, size.height - 44};
    const double band =
        area.height() / static_cast<double>(std::max<std::size_t>(1, chart.rows.size()));
    for (const RowBar& row : chart.rows) {
        const double f =
            std::max(row.fatigue.value_or(0.0), row.erosion.value_or(0.0)) / chart.damageMax;
        const double room = size.width - 2 - area.left - valuesWidth(row, valueSize, band);
        if (f > 0.0 && room / f < area.width())
            area.right = area.left + std::max(room / f, 0.3 * size.width);
    }
    return area;
}

// The values' font: smaller than the labels', and at most 0.58 of a band tall, so that a
// row's erosion value and the next row's fatigue value, 0.6 of a band apart, never overlap.
double valueSize(const AxleRowsChart& chart) {
    const double band = (kRowsChartSize.height - 96) / static_cast<double>(chart.rows.size());
    return std::min(kValueSize, 0.58 * band / kLineFactor);
}

void drawRowsAxes(svg::Writer& out, const RowsFrame& f) {
    for (const Tick& tick : f.chart.damageTicks)
        drawGridLineWithValue(out, f.area, f.x(tick.value), tick.text);
    drawTitleBelow(out, f.area, 24, f.chart.damageAxis);
    drawUprightTitle(out, f.area, kLoadTitleColumn / 2 + 4, f.chart.loadAxis);
}

void drawRow(svg::Writer& out, const RowsFrame& f, const RowBar& row, double top) {
    const double band = f.band();
    const double labelRoom = f.area.left - kLoadTitleColumn - 4;
    fittedText(out, f.area.left - 4, centredBaseline(top + band / 2, kTextSize), row.label,
               labelRoom, axisStyle(Anchor::End));
    double barsEnd = f.area.left;
    const std::pair<const std::optional<double>*, const char*> bars[] = {
        {&row.fatigue, palette::kFatigue}, {&row.erosion, palette::kErosion}};
    for (std::size_t i = 0; i < 2; ++i) {
        if (!*bars[i].first)
            continue;
        const double end = f.x(**bars[i].first);
        out.rect(f.area.left, top + band * (0.1 + 0.4 * i), end - f.area.left, band * 0.4,
                 bars[i].second, 1.0, i == 0 ? "fatigue" : "erosion");
        barsEnd = std::max(barsEnd, end);
    }
    svg::TextStyle style = axisStyle(Anchor::Start);
    style.size = f.valueSize;
    const bool sideBySide = !row.fatigueText.empty() && !row.erosionText.empty() &&
                            f.valueSize * kLineFactor > 0.4 * band;
    double x = barsEnd + kValueGap;
    if (!row.fatigueText.empty()) {
        out.text(x, centredBaseline(top + band * (sideBySide ? 0.5 : 0.3), f.valueSize),
                 row.fatigueText, style);
        if (sideBySide)
            x += textWidth(row.fatigueText, f.valueSize) + 4;
    }
    if (!row.erosionText.empty())
        out.text(x, centredBaseline(top + band * (sideBySide ? 0.5 : 0.7), f.valueSize),
                 row.erosionText, style);
}

std::string rowsSvg(const AxleRowsChart& chart) {
    const ChartSize size = kRowsChartSize;
    svg::Writer out(size.width, size.height, chart.title);
    drawTitle(out, size, chart.title);
    if (!chart.note.empty() || chart.rows.empty()) {
        drawNote(out, Area{66, 52, size.width - 44, size.height - 44}, chart.note);
        return out.finish();
    }
    drawLegend(out, size, chart.legend);
    const double values = valueSize(chart);
    const RowsFrame f{chart, rowsArea(chart, values), values};
    drawRowsAxes(out, f);
    for (std::size_t i = 0; i < chart.rows.size(); ++i)
        drawRow(out, f, chart.rows[i], f.area.top + f.band() * static_cast<double>(i));
    drawFrame(out, f.area);
    return out.finish();
}

}  // namespace

AxleRowsChart axleRowsChart(const Run& run, const RunContent& content) {
    const AnalysisResults& results = run.results();
    AxleRowsChart chart;
    chart.title = memoShown(memoText::kRowsTitle);
    chart.damageAxis = memoShown(memoText::kRowsDamageAxis);
    chart.loadAxis =
        memoShown(run.inputs().units == UnitSystem::Metric ? memoText::kRowsLoadAxisMetric
                                                           : memoText::kRowsLoadAxisEnglish);
    if (!results.fatigueSelected && !results.erosionSelected) {
        chart.note = memoShown(memoText::kRowsNote);
    } else {
        // Only the parts the run computed.
        if (results.fatigueSelected)
            chart.legend.push_back({palette::kFatigue, memoShown(memoText::kFatigue)});
        if (results.erosionSelected)
            chart.legend.push_back({palette::kErosion, memoShown(memoText::kErosion)});
        chart.rows = rowBars(run, content);
        setDamageAxis(chart);
        labelValues(chart);
    }
    chart.svg = rowsSvg(chart);
    return chart;
}

// ---- The sensitivity tornado.

namespace {

struct TornadoFrame {
    const TornadoChart& chart;
    Area area;
    Area span;  // inside the area, with room for the values at the bars' ends
    double x(double thickness) const {
        return span.left + (thickness - chart.thicknessLowest) /
                               (chart.thicknessHighest - chart.thicknessLowest) * span.width();
    }
};

double swing(const TornadoBar& bar) {
    if (!bar.lower || !bar.upper)
        return -1.0;  // an input without both results sorts last
    return std::fabs(*bar.upper - *bar.lower);
}

std::vector<TornadoBar> tornadoBars(const Sensitivity& s) {
    const auto text = [](const SensitivityCase& c) {
        return c.thickness ? thicknessText(*c.thickness) : memoShown(memoText::kNoThickness);
    };
    std::vector<TornadoBar> bars;
    for (const SensitivityRow& row : s.rows) {
        TornadoBar bar{std::string(shortInputName(row.input, s.units)),
                       {},
                       {},
                       text(row.lower),
                       text(row.upper)};
        if (row.lower.thickness)
            bar.lower = *row.lower.thickness;
        if (row.upper.thickness)
            bar.upper = *row.upper.thickness;
        bars.push_back(std::move(bar));
    }
    std::stable_sort(bars.begin(), bars.end(),
                     [](const TornadoBar& a, const TornadoBar& b) { return swing(a) > swing(b); });
    return bars;
}

// Every result and the base with a grid step of room either side.
void setTornadoAxis(TornadoChart& chart, UnitSystem units) {
    const double step = units == UnitSystem::Metric ? kSearchStepCentimetres : kSearchStepInches;
    double lo = *chart.base;
    double hi = *chart.base;
    for (const TornadoBar& b : chart.bars)
        for (const auto& t : {b.lower, b.upper})
            if (t) {
                lo = std::min(lo, *t);
                hi = std::max(hi, *t);
            }
    chart.thicknessLowest = lo - step;
    chart.thicknessHighest = hi + step;
    const double tick = std::max(step, chartAxis::niceStep(hi - lo + 2 * step, 6));
    for (double t : chartAxis::tickValues(chart.thicknessLowest, chart.thicknessHighest, tick))
        chart.thicknessTicks.push_back({t, chartAxis::tickText(t)});
}

// One result's bar from the base line, in the band's upper or lower part from `top`, with the
// thickness at its end.
void drawTornadoBar(svg::Writer& out, const TornadoFrame& f, const std::optional<double>& value,
                    const std::string& text, const char* colour, double top, double height) {
    const double xBase = f.x(*f.chart.base);
    const double middle = centredBaseline(top + height / 2, kTextSize);
    if (!value) {
        fittedText(out, xBase + 4, middle, text, f.area.right - xBase - 6,
                   axisStyle(Anchor::Start));
        return;
    }
    const double x = f.x(*value);
    // An unchanged thickness still shows as a thin mark on the base line.
    if (x == xBase)
        out.rect(xBase - 1.5, top, 3, height, colour);
    else
        out.rect(std::min(x, xBase), top, std::fabs(x - xBase), height, colour);
    const bool right = x >= xBase;
    out.text(right ? std::max(x, xBase + 1.5) + 3 : x - 3, middle, text,
             axisStyle(right ? Anchor::Start : Anchor::End));
}

void drawTornadoBars(svg::Writer& out, const TornadoFrame& f) {
    const double band = f.area.height() / static_cast<double>(f.chart.bars.size());
    for (std::size_t i = 0; i < f.chart.bars.size(); ++i) {
        const TornadoBar& b = f.chart.bars[i];
        const double top = f.area.top + band * static_cast<double>(i);
        fittedText(out, f.area.left - 6, centredBaseline(top + band / 2, kTextSize), b.name,
                   f.area.left - 12, axisStyle(Anchor::End));
        // -20 % in the upper half of the band, +20 % in the lower, so neither hides the other
        // when both move the same way.
        drawTornadoBar(out, f, b.lower, b.lowerText, palette::kLower, top + band * 0.1,
                       band * 0.38);
        drawTornadoBar(out, f, b.upper, b.upperText, palette::kUpper, top + band * 0.52,
                       band * 0.38);
    }
}

void drawBase(svg::Writer& out, const TornadoFrame& f) {
    const double xBase = f.x(*f.chart.base);
    out.line(xBase, f.area.top - 4, xBase, f.area.bottom, {palette::kRecommended, 2});
    const double width = textWidth(f.chart.baseLabel, kTextSize) + 6;
    const bool left = xBase + 3 + width > kTornadoChartSize.width - 2;
    drawLabel(out, left ? xBase - 3 : xBase + 3, f.area.top - 22, f.chart.baseLabel,
              palette::kRecommended, left, 2, kTornadoChartSize.width - 2);
}

std::string tornadoSvg(const TornadoChart& chart) {
    const ChartSize size = kTornadoChartSize;
    svg::Writer out(size.width, size.height, chart.title);
    drawTitle(out, size, chart.title);
    drawLegend(out, size, chart.legend);
    // The inputs' names run longer in some languages than in English: the column is as wide
    // as the widest, up to nearly half the drawing.
    double widest = 0.0;
    for (const TornadoBar& b : chart.bars)
        widest = std::max(widest, textWidth(b.name, kTextSize));
    const Area area{std::min(std::max(150.0, widest + 18), 0.45 * size.width), 64, size.width - 30,
                    size.height - 44};
    if (!chart.base || chart.bars.empty()) {
        drawNote(out, area, chart.note);
        return out.finish();
    }
    const TornadoFrame f{chart, area, Area{area.left + 36, area.top, area.right - 36, area.bottom}};
    for (const Tick& tick : chart.thicknessTicks)
        drawGridLineWithValue(out, area, f.x(tick.value), tick.text);
    drawTitleBelow(out, area, 24, chart.thicknessAxis);
    drawTornadoBars(out, f);
    drawBase(out, f);
    drawFrame(out, area);
    return out.finish();
}

}  // namespace

TornadoChart tornadoChart(const Sensitivity& s) {
    TornadoChart chart;
    chart.title = memoShown(memoText::kTornadoTitle);
    chart.thicknessAxis =
        catalogue::arg(memoShown(memoText::kRecommendedThickness), {unitOf(s.units)});
    chart.legend = {{palette::kLower, memoShown(memoText::kLower)},
                    {palette::kUpper, memoShown(memoText::kUpper)}};
    chart.bars = tornadoBars(s);
    if (s.base.thickness && !chart.bars.empty()) {
        chart.base = *s.base.thickness;
        chart.baseLabel = withUnit(memoText::kRecommendedAt, *chart.base, s.units);
        setTornadoAxis(chart, s.units);
    } else {
        chart.note = memoShown(memoText::kTornadoNote);
    }
    chart.svg = tornadoSvg(chart);
    return chart;
}

namespace chartAxis {

double niceStep(double range, int ticks) {
    if (!(range > 0.0) || !std::isfinite(range))
        return 1.0;
    const double raw = range / ticks;
    const double magnitude = std::pow(10.0, std::floor(decadeOf(raw) + 1e-12));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1.0 + 1e-9   ? 1.0
                        : fraction <= 2.0 + 1e-9 ? 2.0
                        : fraction <= 5.0 + 1e-9 ? 5.0
                                                 : 10.0;
    return nice * magnitude;
}

std::vector<double> tickValues(double lowest, double highest, double step) {
    std::vector<double> ticks;
    if (!(step > 0.0) || !(highest >= lowest) || !std::isfinite(highest - lowest))
        return ticks;
    constexpr int kMostTicks = 1000;
    const double first = std::ceil(lowest / step - 1e-9);
    const double count = std::floor(highest / step + 1e-9) - first;
    for (int i = 0; i <= std::min(count, double{kMostTicks - 1}); ++i)
        ticks.push_back((first + i) * step);
    return ticks;
}

std::string tickText(double value) {
    return formatSignificant(value, 6);
}

}  // namespace chartAxis

}  // namespace zan
