#include "chart_widgets.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "model/numbers.h"
#include "platform/latin1.h"

namespace zan {

namespace {

constexpr double kLowestDecade = -2;  // 0.01 %
constexpr double kHighestDecade = 6;  // 10^6 %
const QColor kGrid(0xdd, 0xdd, 0xdd);
const QColor kAxis(0x50, 0x50, 0x50);

QString unitOf(UnitSystem units) {
    return units == UnitSystem::Metric ? QStringLiteral("cm") : QStringLiteral("in");
}

// A thickness as the search's message writes it: "9.50".
QString thicknessText(float thickness) {
    return fromCore(formatFixed(thickness, 2));
}

// A tick spacing of 1, 2 or 5 times a power of ten giving about `ticks` intervals.
double niceStep(double range, int ticks) {
    if (!(range > 0.0))
        return 1.0;
    const double raw = range / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1.0   ? 1.0
                        : fraction <= 2.0 ? 2.0
                        : fraction <= 5.0 ? 5.0
                                          : 10.0;
    return nice * magnitude;
}

QString tickText(double value) {
    return fromCore(formatSignificant(value, 6));
}

void fillBackground(QPainter& painter, const QRectF& bounds) {
    painter.fillRect(bounds, Qt::white);
}

void drawTitle(QPainter& painter, const QRectF& bounds, const QString& title) {
    QFont font = painter.font();
    font.setBold(true);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(bounds.left() + 8, bounds.top() + 4, bounds.width() - 16, 20),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
}

// Legend entries right-aligned in the title row: a colour swatch and a name each.
void drawLegend(QPainter& painter, const QRectF& bounds,
                const std::vector<std::pair<QColor, QString>>& entries) {
    const QFontMetricsF fm(painter.font());
    double x = bounds.right() - 8;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const double textWidth = fm.horizontalAdvance(it->second);
        x -= textWidth;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x, bounds.top() + 4, textWidth + 1, 20),
                         Qt::AlignLeft | Qt::AlignVCenter, it->second);
        x -= 22;
        painter.fillRect(QRectF(x, bounds.top() + 10, 16, 8), it->first);
        x -= 14;
    }
}

// A label with a white backing, so that it stays legible over grid lines and curves.
void drawLabel(QPainter& painter, const QPointF& anchor, const QString& text, const QColor& color,
               bool leftOfAnchor) {
    const QFontMetricsF fm(painter.font());
    const double w = fm.horizontalAdvance(text) + 6;
    const double h = fm.height() + 2;
    const QRectF box(leftOfAnchor ? anchor.x() - w : anchor.x(), anchor.y(), w, h);
    painter.fillRect(box, QColor(255, 255, 255, 220));
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

// "0.01" ... "1000" as plain numbers; larger decades as 10 with a raised exponent.
void drawDecadeLabel(QPainter& painter, const QRectF& box, int exponent) {
    painter.setPen(kAxis);
    if (exponent >= -2 && exponent <= 3) {
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                         tickText(std::pow(10.0, exponent)));
        return;
    }
    const QString power = QString::number(exponent);
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    const double powerWidth = QFontMetricsF(small).horizontalAdvance(power);
    painter.drawText(box.adjusted(0, 0, -powerWidth, 0), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("10"));
    painter.save();
    painter.setFont(small);
    painter.drawText(box.adjusted(0, -6, 0, -6), Qt::AlignRight | Qt::AlignVCenter, power);
    painter.restore();
}

void drawVerticalTitle(QPainter& painter, const QRectF& area, double x, const QString& text) {
    painter.save();
    painter.setPen(Qt::black);
    painter.translate(x, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -10, area.height(), 20), Qt::AlignCenter, text);
    painter.restore();
}

void drawNote(QPainter& painter, const QRectF& area, const QString& note) {
    painter.setPen(kAxis);
    painter.drawText(area.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap, note);
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
        const double low = std::max(kLowestDecade, std::floor(std::log10(smallest)));
        const double high = std::min(kHighestDecade, std::ceil(std::log10(largest)));
        range.lowest = std::min(0, static_cast<int>(low));
        range.highest = std::max(3, static_cast<int>(high));
    }
    return range;
}

// ---------------------------------------------------------------------------------------------

DamageCurvePlot::DamageCurvePlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plotDamage"));
}

void DamageCurvePlot::setCurve(const DamageCurve& curve) {
    m_curve = curve;
    m_decades = damageDecades(curve.points);
    update();
}

QString DamageCurvePlot::title() const {
    return tr("Total damage against slab thickness");
}

QString DamageCurvePlot::thicknessAxisTitle() const {
    return tr("Slab thickness (%1)").arg(unitOf(m_curve.units));
}

QString DamageCurvePlot::damageAxisTitle() const {
    return tr("Total damage (%), log scale");
}

QString DamageCurvePlot::recommendedLabel() const {
    return tr("Recommended %1 %2")
        .arg(thicknessText(m_curve.recommendedThickness), unitOf(m_curve.units));
}

QString DamageCurvePlot::trialLabel() const {
    if (!m_curve.trialThickness)
        return {};
    const QString label =
        tr("Trial %1 %2").arg(thicknessText(*m_curve.trialThickness), unitOf(m_curve.units));
    if (trialShown())
        return label;
    return *m_curve.trialThickness > thicknessMax() ? label + QStringLiteral(" \u2192")
                                                    : QStringLiteral("\u2190 ") + label;
}

bool DamageCurvePlot::trialShown() const {
    return m_curve.trialThickness && *m_curve.trialThickness >= thicknessMin() &&
           *m_curve.trialThickness <= thicknessMax();
}

double DamageCurvePlot::thicknessMin() const {
    if (m_curve.points.empty())
        return m_curve.recommendedThickness - m_curve.step;
    return m_curve.points.front().thickness;
}

double DamageCurvePlot::thicknessMax() const {
    if (m_curve.points.size() < 2)
        return thicknessMin() + 2.0 * m_curve.step;
    return m_curve.points.back().thickness;
}

QRectF DamageCurvePlot::plotArea(const QRectF& bounds) const {
    // Room for the title row, the decade labels with the axis title, and the thickness labels
    // with theirs.
    return bounds.adjusted(74, 34, -20, -52);
}

QPointF DamageCurvePlot::map(const QRectF& area, double thickness, double damagePercent) const {
    const double x0 = thicknessMin();
    const double x1 = thicknessMax();
    const double fx = x1 > x0 ? (thickness - x0) / (x1 - x0) : 0.5;
    const double lowest = m_decades.lowest;
    const double highest = m_decades.highest;
    // Zero damage a decade below the axis: the line towards it leaves the plot downwards.
    const double decade = damagePercent > 0.0 ? std::log10(damagePercent) : lowest - 1.0;
    const double fy = (decade - lowest) / (highest - lowest);
    return {area.left() + fx * area.width(), area.bottom() - fy * area.height()};
}

QPointF DamageCurvePlot::toPixel(double thickness, double damagePercent) const {
    return map(plotArea(QRectF(rect())), thickness, damagePercent);
}

void DamageCurvePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()));
}

void DamageCurvePlot::paint(QPainter& painter, const QRectF& bounds) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fillBackground(painter, bounds);
    const QRectF area = plotArea(bounds);
    const double x0 = thicknessMin();
    const double x1 = thicknessMax();

    drawTitle(painter, bounds, title());
    drawLegend(painter, bounds,
               {{chart::kFatigue, tr("Total fatigue damage")},
                {chart::kErosion, tr("Total erosion damage")}});

    // Decades with their minor ticks (2 to 9 times each decade).
    for (int e = m_decades.lowest; e <= m_decades.highest; ++e) {
        const double y = map(area, x0, std::pow(10.0, e)).y();
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        drawDecadeLabel(painter, QRectF(area.left() - 60, y - 10, 54, 20), e);
        if (e == m_decades.highest)
            continue;
        painter.setPen(QPen(kAxis, 1));
        for (int m = 2; m <= 9; ++m) {
            const double ym = map(area, x0, m * std::pow(10.0, e)).y();
            painter.drawLine(QPointF(area.left() - 3, ym), QPointF(area.left(), ym));
        }
    }
    // Thickness ticks at a round spacing, never finer than the search grid.
    const double tick = std::max(static_cast<double>(m_curve.step), niceStep(x1 - x0, 8));
    for (double t = std::ceil(x0 / tick - 1e-9) * tick; t <= x1 + 1e-9; t += tick) {
        const double x = map(area, t, 1.0).x();
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(kAxis);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        painter.drawText(QRectF(x - 30, area.bottom() + 5, 60, 18), Qt::AlignCenter, tickText(t));
    }
    painter.setPen(QPen(kAxis, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.bottom() + 26, area.width(), 20), Qt::AlignCenter,
                     thicknessAxisTitle());
    drawVerticalTitle(painter, area, bounds.left() + 12, damageAxisTitle());

    painter.save();
    painter.setClipRect(area);
    // The 100 % line.
    const double yLimit = map(area, x0, 100.0).y();
    painter.setPen(QPen(chart::kLimit, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), yLimit), QPointF(area.right(), yLimit));
    drawLabel(painter, QPointF(area.right() - 4, yLimit - 18), QStringLiteral("100 %"),
              chart::kLimit, true);

    // The curves; a gap in the grid (a refused thickness) breaks the line.
    auto drawSeries = [&](float DamagePoint::*total, const QColor& color) {
        QPainterPath path;
        const DamagePoint* previous = nullptr;
        for (const DamagePoint& p : m_curve.points) {
            const QPointF at = map(area, p.thickness, p.*total);
            const bool joined =
                previous && p.thickness - previous->thickness <= 1.5f * m_curve.step;
            if (joined)
                path.lineTo(at);
            else
                path.moveTo(at);
            previous = &p;
        }
        painter.setPen(QPen(color, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setBrush(color);
        painter.setPen(Qt::NoPen);
        for (const DamagePoint& p : m_curve.points)
            if (p.*total > 0.0f)
                painter.drawEllipse(map(area, p.thickness, p.*total), 2.5, 2.5);
    };
    drawSeries(&DamagePoint::totalFatigueDamage, chart::kFatigue);
    drawSeries(&DamagePoint::totalErosionDamage, chart::kErosion);
    painter.restore();

    // The markers: the recommended thickness on the first label row, the trial on the second,
    // so that the two labels stay apart when the thicknesses coincide.
    auto drawMarker = [&](double thickness, const QColor& color, Qt::PenStyle style,
                          const QString& label, int labelRow) {
        const double x = map(area, thickness, 1.0).x();
        painter.setPen(QPen(color, 2, style));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        const bool left = x > area.left() + area.width() * 0.6;
        drawLabel(painter, QPointF(left ? x - 3 : x + 3, area.top() + 4 + 20 * labelRow), label,
                  color, left);
    };
    // The trial first, so that the recommended thickness stays whole where they coincide.
    if (trialShown()) {
        drawMarker(*m_curve.trialThickness, chart::kTrial, Qt::DashLine, trialLabel(), 1);
    } else if (m_curve.trialThickness) {
        const bool above = *m_curve.trialThickness > x1;
        drawLabel(painter, QPointF(above ? area.right() - 3 : area.left() + 3, area.top() + 24),
                  trialLabel(), chart::kTrial, above);
    }
    drawMarker(m_curve.recommendedThickness, chart::kRecommended, Qt::SolidLine, recommendedLabel(),
               0);
    painter.restore();
}

// ---------------------------------------------------------------------------------------------

AxleDamagePlot::AxleDamagePlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plotAxleDamage"));
}

void AxleDamagePlot::setResults(const AnalysisResults& results, UnitSystem units,
                                bool lastTandemRowShown) {
    m_units = units;
    m_rows.clear();
    m_note.clear();
    if (!results.fatigueSelected && !results.erosionSelected) {
        m_note =
            tr("No analysis has been run yet. Perform Analysis draws the damage of each "
               "axle row here.");
        update();
        return;
    }
    double largest = 0.0;
    for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
        const std::size_t a = axleIndex(axle);
        for (int r = 0; r < kAxleRows; ++r) {
            const std::size_t ri = static_cast<std::size_t>(r);
            if (axle == AxleType::Tandem && r == kAxleRows - 1 && !lastTandemRowShown)
                continue;
            Row row;
            row.axle = axle;
            row.row = r + 1;
            // Stored in kips whatever the unit system.
            double load = results.axleLoad[a][ri];
            if (units == UnitSystem::Metric)
                load *= kKilonewtonsPerKip;
            row.label = QStringLiteral("%1 %2").arg(
                axle == AxleType::Single ? QStringLiteral("S") : QStringLiteral("T"),
                fromCore(formatFixed(load, 1)));
            if (results.fatigueSelected) {
                row.fatigueDamage = results.fatigueDamage[a][ri];
                largest = std::max(largest, static_cast<double>(*row.fatigueDamage));
            }
            if (results.erosionSelected) {
                row.erosionDamage = results.erosionDamage[a][ri];
                largest = std::max(largest, static_cast<double>(*row.erosionDamage));
            }
            m_rows.push_back(row);
        }
    }
    const double step = niceStep(largest, 5);
    m_scaleMax = largest > 0.0 ? std::ceil(largest / step) * step : 1.0;
    update();
}

QString AxleDamagePlot::loadAxisTitle() const {
    return m_units == UnitSystem::Metric ? tr("Design axle load (kN, LSF applied)")
                                         : tr("Design axle load (kips, LSF applied)");
}

void AxleDamagePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()));
}

void AxleDamagePlot::paint(QPainter& painter, const QRectF& bounds) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fillBackground(painter, bounds);
    drawTitle(painter, bounds, tr("Damage per axle row (%)"));
    const QRectF area = bounds.adjusted(66, 52, -44, -44);
    if (!m_note.isEmpty() || m_rows.empty()) {
        drawNote(painter, area, m_note);
        painter.restore();
        return;
    }
    drawLegend(painter, bounds.adjusted(0, 20, 0, 0),
               {{chart::kFatigue, tr("Fatigue")}, {chart::kErosion, tr("Erosion")}});

    const double tick = niceStep(m_scaleMax, 5);
    auto xOf = [&](double percent) { return area.left() + percent / m_scaleMax * area.width(); };
    for (double t = 0.0; t <= m_scaleMax + 1e-9; t += tick) {
        const double x = xOf(t);
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(kAxis);
        painter.drawText(QRectF(x - 30, area.bottom() + 3, 60, 18), Qt::AlignCenter, tickText(t));
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.bottom() + 22, area.width(), 20), Qt::AlignCenter,
                     tr("Damage (%)"));
    drawVerticalTitle(painter, area, bounds.left() + 10, loadAxisTitle());

    const double band = area.height() / static_cast<double>(m_rows.size());
    // The values go on after all bars, in a smaller font, so that no bar covers a value; they
    // may run into the right margin.
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    const QFontMetricsF fm(small);
    std::vector<std::pair<QRectF, QString>> values;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        const double top = area.top() + band * static_cast<double>(i);
        painter.setPen(kAxis);
        painter.drawText(QRectF(bounds.left() + 18, top, area.left() - bounds.left() - 22, band),
                         Qt::AlignRight | Qt::AlignVCenter, row.label);
        QRectF previousValue;
        auto bar = [&](const std::optional<float>& value, const QColor& color, double y) {
            if (!value)
                return;
            const QRectF r(area.left(), y, xOf(*value) - area.left(), band * 0.4);
            painter.fillRect(r, color);
            // A value too small to show as a bar is too small to matter; it stays unlabelled.
            if (!(*value > 0.0f && *value >= m_scaleMax * 0.02))
                return;
            const QString text = fromCore(formatSignificant(*value, 3));
            QRectF box(r.right() + 3, r.center().y() - fm.height() / 2,
                       fm.horizontalAdvance(text) + 2, fm.height());
            // The row's two values are closer than a line of text: side by side, not stacked.
            if (previousValue.isValid() && box.intersects(previousValue))
                box.moveLeft(previousValue.right() + 4);
            previousValue = box;
            values.emplace_back(box, text);
        };
        bar(row.fatigueDamage, chart::kFatigue, top + band * 0.1);
        bar(row.erosionDamage, chart::kErosion, top + band * 0.5);
    }
    painter.save();
    painter.setFont(small);
    painter.setPen(kAxis);
    for (const auto& [box, text] : values)
        painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
    painter.setPen(QPen(kAxis, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

// ---------------------------------------------------------------------------------------------

double TornadoPlot::Bar::swing() const {
    if (!lower || !upper)
        return -1.0;
    return std::fabs(static_cast<double>(*upper) - static_cast<double>(*lower));
}

TornadoPlot::TornadoPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plotTornado"));
}

void TornadoPlot::setSensitivity(const Sensitivity& sensitivity) {
    m_units = sensitivity.units;
    m_base = sensitivity.base.thickness;
    m_bars.clear();
    for (const SensitivityRow& row : sensitivity.rows)
        m_bars.push_back(Bar{fromCore(sensitivityInputName(row.input, sensitivity.units)),
                             row.lower.thickness, row.upper.thickness});
    std::stable_sort(m_bars.begin(), m_bars.end(),
                     [](const Bar& a, const Bar& b) { return a.swing() > b.swing(); });
    update();
}

QString TornadoPlot::thicknessAxisTitle() const {
    return tr("Recommended thickness (%1)").arg(unitOf(m_units));
}

void TornadoPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()));
}

void TornadoPlot::paint(QPainter& painter, const QRectF& bounds) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fillBackground(painter, bounds);
    drawTitle(painter, bounds, tr("Sensitivity of the recommended thickness"));
    drawLegend(painter, bounds.adjusted(0, 20, 0, 0),
               {{chart::kLower, tr("input -20 %")}, {chart::kUpper, tr("input +20 %")}});
    const QRectF area = bounds.adjusted(150, 64, -30, -44);
    if (!m_base || m_bars.empty()) {
        drawNote(painter, area, tr("No recommended thickness to compare with."));
        painter.restore();
        return;
    }

    // The range takes in every result and the base, with a grid step of room either side and
    // space for the values at the bar ends.
    const double step = m_units == UnitSystem::Metric ? kSearchStepCentimetres : kSearchStepInches;
    double lo = *m_base;
    double hi = *m_base;
    for (const Bar& b : m_bars)
        for (const auto& t : {b.lower, b.upper})
            if (t) {
                lo = std::min(lo, static_cast<double>(*t));
                hi = std::max(hi, static_cast<double>(*t));
            }
    lo -= step;
    hi += step;
    const QRectF span = area.adjusted(36, 0, -36, 0);
    auto xOf = [&](double t) { return span.left() + (t - lo) / (hi - lo) * span.width(); };

    const double tick = std::max(step, niceStep(hi - lo, 6));
    for (double t = std::ceil(lo / tick - 1e-9) * tick; t <= hi + 1e-9; t += tick) {
        const double x = xOf(t);
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(kAxis);
        painter.drawText(QRectF(x - 30, area.bottom() + 3, 60, 18), Qt::AlignCenter, tickText(t));
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.bottom() + 22, area.width(), 20), Qt::AlignCenter,
                     thicknessAxisTitle());

    const double band = area.height() / static_cast<double>(m_bars.size());
    const double xBase = xOf(*m_base);
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const Bar& b = m_bars[i];
        const double top = area.top() + band * static_cast<double>(i);
        painter.setPen(kAxis);
        painter.drawText(QRectF(bounds.left() + 6, top, area.left() - bounds.left() - 12, band),
                         Qt::AlignRight | Qt::AlignVCenter, b.name);
        // -20 % in the upper half of the band, +20 % in the lower, so neither hides the other
        // when both move the same way.
        auto bar = [&](const std::optional<float>& t, const QColor& color, double y) {
            const double h = band * 0.38;
            if (!t) {
                painter.setPen(kAxis);
                painter.drawText(QRectF(xBase + 4, y, area.right() - xBase, h),
                                 Qt::AlignLeft | Qt::AlignVCenter, tr("no thickness found"));
                return;
            }
            const double x = xOf(*t);
            // An unchanged thickness still shows as a thin mark on the base line.
            const QRectF r = x == xBase ? QRectF(xBase - 1.5, y, 3, h)
                                        : QRectF(std::min(x, xBase), y, std::fabs(x - xBase), h);
            painter.fillRect(r, color);
            const QString text = thicknessText(*t);
            const double w = QFontMetricsF(painter.font()).horizontalAdvance(text) + 4;
            painter.setPen(kAxis);
            painter.drawText(QRectF(x >= xBase ? r.right() + 2 : r.left() - w - 2, y, w, h),
                             Qt::AlignCenter, text);
        };
        bar(b.lower, chart::kLower, top + band * 0.1);
        bar(b.upper, chart::kUpper, top + band * 0.52);
    }
    painter.setPen(QPen(chart::kRecommended, 2));
    painter.drawLine(QPointF(xBase, area.top() - 4), QPointF(xBase, area.bottom()));
    drawLabel(painter, QPointF(xBase + 3, area.top() - 22),
              tr("Recommended %1 %2").arg(thicknessText(*m_base), unitOf(m_units)),
              chart::kRecommended, false);
    painter.setPen(QPen(kAxis, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

}  // namespace zan
