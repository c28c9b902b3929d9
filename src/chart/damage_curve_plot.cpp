#include "damage_curve_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "chart/damage_chart_window_names.h"
#include "io/memo_page.h"

namespace zan {

using namespace plot;

namespace {

constexpr double kLowestDecade = -2;  // 0.01 %
constexpr double kHighestDecade = 6;  // 10^6 %

// The largest decade written as a plain number.
constexpr int kLargestPlainDecade = 3;  // 1000 %

// "0.01" ... "1000" as plain numbers; on an axis that reaches higher, every decade as 10 with
// a raised exponent, so that one axis never mixes the two.
void drawDecadeLabel(QPainter& painter, const QRectF& box, int exponent, bool powers) {
    painter.setPen(chart::kAxis);
    if (!powers) {
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

DamageCurvePlot::DamageCurvePlot(QWidget* parent)
    : Plot(damageChartWindowNames::kDamagePlot, parent) {}

void DamageCurvePlot::setCurve(const DamageCurve& curve) {
    m_curve = curve;
    m_decades = damageDecades(curve.points);
    update();
}

QString DamageCurvePlot::title() const {
    return fromMemo(memoText::kCurveTitle);
}

QString DamageCurvePlot::thicknessAxisTitle() const {
    return fromMemo(memoText::kCurveThicknessAxis).arg(unitOf(m_curve.units));
}

QString DamageCurvePlot::damageAxisTitle() const {
    return fromMemo(memoText::kCurveDamageAxis);
}

QString DamageCurvePlot::recommendedLabel() const {
    return fromMemo(memoText::kRecommendedAt)
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
    // Room for the title row, the legend's row, the decade labels with the axis title, and
    // the thickness labels with theirs.
    return bounds.adjusted(74, 52, -20, -52);
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

void DamageCurvePlot::paintChart(QPainter& painter, const QRectF& bounds) const {
    const QRectF area = plotArea(bounds);
    // Below the title, as in the other plots: a title in a longer language needs the row.
    drawLegend(painter, bounds.adjusted(0, 20, 0, 0),
               {{chart::kFatigue, fromMemo(memoText::kTotalFatigue)},
                {chart::kErosion, fromMemo(memoText::kTotalErosion)}});
    drawDamageAxis(painter, area);
    drawThicknessAxis(painter, area);
    drawFrame(painter, area);
    drawTitleBelow(painter, area, 26, thicknessAxisTitle());
    drawVerticalTitle(painter, area, bounds.left() + 12, damageAxisTitle());
    drawCurves(painter, area);
    drawMarkers(painter, area);
}

void DamageCurvePlot::drawDamageAxis(QPainter& painter, const QRectF& area) const {
    const double x0 = thicknessMin();
    // Decades with their minor ticks (2 to 9 times each decade).
    for (int e = m_decades.lowest; e <= m_decades.highest; ++e) {
        const double y = map(area, x0, std::pow(10.0, e)).y();
        painter.setPen(QPen(chart::kGrid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        drawDecadeLabel(painter, QRectF(area.left() - 60, y - 10, 54, 20), e,
                        m_decades.highest > kLargestPlainDecade);
        if (e == m_decades.highest)
            continue;
        painter.setPen(QPen(chart::kAxis, 1));
        for (int m = 2; m <= 9; ++m) {
            const double ym = map(area, x0, m * std::pow(10.0, e)).y();
            painter.drawLine(QPointF(area.left() - 3, ym), QPointF(area.left(), ym));
        }
    }
}

void DamageCurvePlot::drawThicknessAxis(QPainter& painter, const QRectF& area) const {
    const double x0 = thicknessMin();
    const double x1 = thicknessMax();
    // Ticks at a round spacing, never finer than the search grid.
    const double tick = std::max(static_cast<double>(m_curve.step), niceStep(x1 - x0, 8));
    for (double t : tickValues(x0, x1, tick)) {
        const double x = map(area, t, 1.0).x();
        painter.setPen(QPen(chart::kGrid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(chart::kAxis);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        painter.drawText(QRectF(x - 30, area.bottom() + 5, 60, 18), Qt::AlignCenter, tickText(t));
    }
}

void DamageCurvePlot::drawCurves(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setClipRect(area);
    const double yLimit = map(area, thicknessMin(), kDamageLimitPercent).y();
    painter.setPen(QPen(chart::kLimit, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), yLimit), QPointF(area.right(), yLimit));
    drawLabel(painter, QPointF(area.right() - 4, yLimit - 18),
              QStringLiteral("%1 %").arg(static_cast<double>(kDamageLimitPercent)), chart::kLimit,
              true);
    drawSeries(painter, area, &DamagePoint::totalFatigueDamage, chart::kFatigue);
    drawSeries(painter, area, &DamagePoint::totalErosionDamage, chart::kErosion);
    painter.restore();
}

void DamageCurvePlot::drawSeries(QPainter& painter, const QRectF& area, float DamagePoint::*total,
                                 const QColor& color) const {
    // A gap in the grid (a refused thickness) breaks the line.
    QPainterPath path;
    const DamagePoint* previous = nullptr;
    for (const DamagePoint& p : m_curve.points) {
        const QPointF at = map(area, p.thickness, p.*total);
        const bool joined = previous && p.thickness - previous->thickness <= 1.5f * m_curve.step;
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
}

void DamageCurvePlot::drawMarkers(QPainter& painter, const QRectF& area) const {
    // The recommended thickness on the first label row, the trial on the second, so that the
    // two labels stay apart when the thicknesses coincide. The trial first, so that the
    // recommended thickness stays whole where they coincide.
    if (trialShown()) {
        drawMarker(painter, area, *m_curve.trialThickness, chart::kTrial, Qt::DashLine,
                   trialLabel(), 1);
    } else if (m_curve.trialThickness) {
        const bool above = *m_curve.trialThickness > thicknessMax();
        drawLabel(painter, QPointF(above ? area.right() - 3 : area.left() + 3, area.top() + 24),
                  trialLabel(), chart::kTrial, above);
    }
    drawMarker(painter, area, m_curve.recommendedThickness, chart::kRecommended, Qt::SolidLine,
               recommendedLabel(), 0);
}

void DamageCurvePlot::drawMarker(QPainter& painter, const QRectF& area, double thickness,
                                 const QColor& color, Qt::PenStyle style, const QString& label,
                                 int labelRow) const {
    const double x = map(area, thickness, 1.0).x();
    painter.setPen(QPen(color, 2, style));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    const bool left = x > area.left() + area.width() * 0.6;
    drawLabel(painter, QPointF(left ? x - 3 : x + 3, area.top() + 4 + 20 * labelRow), label, color,
              left);
}

}  // namespace zan
