#include "axle_damage_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/damage_chart_window_names.h"
#include "io/memo_page.h"
#include "model/numbers.h"
#include "platform/latin1.h"

namespace zan {

using namespace plot;

AxleDamagePlot::AxleDamagePlot(QWidget* parent)
    : Plot(damageChartWindowNames::kAxleDamagePlot, parent) {}

void AxleDamagePlot::setResults(const AnalysisResults& results, UnitSystem units,
                                bool lastTandemRowShown, const QStringList& listedLoads) {
    m_listedLoads = listedLoads.size() == 2 * kAxleRows;
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
                load = kipsToKilonewtons(load);
            const QString shown = m_listedLoads
                                      ? listedLoads[static_cast<qsizetype>(a) * kAxleRows + r]
                                      : fromCore(formatFixed(load, 1));
            row.label = QStringLiteral("%1 %2").arg(
                axle == AxleType::Single ? QStringLiteral("S") : QStringLiteral("T"), shown);
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
    if (m_listedLoads)
        return m_units == UnitSystem::Metric ? tr("Axle load (kN)") : tr("Axle load (kips)");
    return m_units == UnitSystem::Metric ? tr("Design axle load (kN, LSF applied)")
                                         : tr("Design axle load (kips, LSF applied)");
}

QString AxleDamagePlot::title() const {
    return fromMemo(memoText::kRowsTitle);
}

double AxleDamagePlot::xOf(const QRectF& area, double percent) const {
    return area.left() + percent / m_scaleMax * area.width();
}

double AxleDamagePlot::labelColumn(const QFontMetricsF& metrics) const {
    // The rows' labels stand between the load axis' title and the bars; a metric tandem load
    // ("T 231.4") is wider than the usual column and would run under the title.
    double widest = 0.0;
    for (const Row& row : m_rows)
        widest = std::max(widest, metrics.horizontalAdvance(row.label));
    return std::max(66.0, widest + kTitleColumn + 4.0);
}

void AxleDamagePlot::paintChart(QPainter& painter, const QRectF& bounds) const {
    const QRectF area =
        bounds.adjusted(labelColumn(QFontMetricsF(painter.font(), painter.device())), 52, -44, -44);
    if (!m_note.isEmpty() || m_rows.empty()) {
        drawNote(painter, area, m_note);
        return;
    }
    drawLegend(painter, bounds.adjusted(0, 20, 0, 0),
               {{chart::kFatigue, fromMemo(memoText::kFatigue)},
                {chart::kErosion, fromMemo(memoText::kErosion)}});
    drawDamageAxis(painter, area, bounds);
    drawBars(painter, area, bounds);
    drawFrame(painter, area);
}

void AxleDamagePlot::drawDamageAxis(QPainter& painter, const QRectF& area,
                                    const QRectF& bounds) const {
    const double tick = niceStep(m_scaleMax, 5);
    for (double t : tickValues(0.0, m_scaleMax, tick))
        drawGridLineWithValue(painter, area, xOf(area, t), tickText(t));
    drawTitleBelow(painter, area, 22, fromMemo(memoText::kRowsDamageAxis));
    drawVerticalTitle(painter, area, bounds.left() + kTitleColumn / 2, loadAxisTitle());
}

void AxleDamagePlot::drawBars(QPainter& painter, const QRectF& area, const QRectF& bounds) const {
    const double band = area.height() / static_cast<double>(m_rows.size());
    // The values go on after all bars, in a smaller font, so that no bar covers a value; they
    // may run into the right margin.
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    // A row's values stand right of both its bars, so that a label as tall as 0.58 of a band
    // covers no bar. A row's erosion value and the next row's fatigue value lie 0.6 of a band
    // apart and must not overlap; a row's own two values, 0.4 apart, go side by side when
    // they would.
    const double lineHeight = QFontMetricsF(small, painter.device()).height();
    if (lineHeight > 0.58 * band)
        small.setPointSizeF(small.pointSizeF() * 0.58 * band / lineHeight);
    const QFontMetricsF fm(small, painter.device());
    std::vector<ValueLabel> values;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        const double top = area.top() + band * static_cast<double>(i);
        painter.setPen(chart::kAxis);
        painter.drawText(QRectF(bounds.left() + 18, top, area.left() - bounds.left() - 22, band),
                         Qt::AlignRight | Qt::AlignVCenter, row.label);
        auto fatigue =
            drawBar(painter, area, row.fatigueDamage, chart::kFatigue, top + band * 0.1, band, fm);
        auto erosion =
            drawBar(painter, area, row.erosionDamage, chart::kErosion, top + band * 0.5, band, fm);
        const double barsEnd =
            std::max(fatigue ? fatigue->box.left() : 0.0, erosion ? erosion->box.left() : 0.0);
        for (auto* value : {&fatigue, &erosion})
            if (*value)
                (*value)->box.moveLeft(barsEnd);
        // The row's two values are closer than a line of text: side by side, not stacked.
        if (fatigue && erosion && erosion->box.intersects(fatigue->box))
            erosion->box.moveLeft(fatigue->box.right() + 4);
        for (const auto& value : {fatigue, erosion})
            if (value)
                values.push_back(*value);
    }
    painter.save();
    painter.setFont(small);
    painter.setPen(chart::kAxis);
    for (const ValueLabel& value : values)
        painter.drawText(value.box, Qt::AlignCenter, value.text);
    painter.restore();
}

std::optional<AxleDamagePlot::ValueLabel> AxleDamagePlot::drawBar(
    QPainter& painter, const QRectF& area, const std::optional<float>& value, const QColor& color,
    double top, double band, const QFontMetricsF& fm) const {
    if (!value)
        return std::nullopt;
    const QRectF r(area.left(), top, xOf(area, *value) - area.left(), band * 0.4);
    painter.fillRect(r, color);
    // A value too small to show as a bar is too small to matter; it stays unlabelled.
    if (!(*value > 0.0f && *value >= m_scaleMax * 0.02))
        return std::nullopt;
    const QString text = fromCore(formatSignificant(*value, 3));
    return ValueLabel{QRectF(r.right() + 3, r.center().y() - fm.height() / 2,
                             fm.horizontalAdvance(text) + 2, fm.height()),
                      text};
}

}  // namespace zan
