#include "tornado_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/damage_chart_window_names.h"
#include "io/memo_page.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "platform/latin1.h"

namespace zan {

using namespace plot;

double TornadoPlot::Bar::swing() const {
    if (!lower || !upper)
        return -1.0;
    return std::fabs(static_cast<double>(*upper) - static_cast<double>(*lower));
}

TornadoPlot::TornadoPlot(QWidget* parent) : Plot(damageChartWindowNames::kTornadoPlot, parent) {}

void TornadoPlot::setSensitivity(const Sensitivity& sensitivity) {
    m_units = sensitivity.units;
    m_base = sensitivity.base.thickness;
    m_bars.clear();
    for (const SensitivityRow& row : sensitivity.rows)
        m_bars.push_back(Bar{fromCore(shortInputName(row.input, sensitivity.units)),
                             row.lower.thickness, row.upper.thickness});
    std::stable_sort(m_bars.begin(), m_bars.end(),
                     [](const Bar& a, const Bar& b) { return a.swing() > b.swing(); });
    update();
}

double TornadoPlot::labelColumn(const QFontMetricsF& metrics) const {
    // The inputs' names run longer in some languages than in English: none is cut.
    double widest = 0.0;
    for (const Bar& b : m_bars)
        widest = std::max(widest, metrics.horizontalAdvance(b.name));
    return std::max(150.0, widest + 18.0);
}

QString TornadoPlot::thicknessAxisTitle() const {
    return fromMemo(memoText::kRecommendedThickness).arg(unitOf(m_units));
}

QString TornadoPlot::title() const {
    return fromMemo(memoText::kTornadoTitle);
}

double TornadoPlot::Scale::x(double thickness) const {
    return span.left() + (thickness - lowest) / (highest - lowest) * span.width();
}

TornadoPlot::Scale TornadoPlot::scale(const QRectF& area) const {
    const double step = m_units == UnitSystem::Metric ? kSearchStepCentimetres : kSearchStepInches;
    double lo = *m_base;
    double hi = *m_base;
    for (const Bar& b : m_bars)
        for (const auto& t : {b.lower, b.upper})
            if (t) {
                lo = std::min(lo, static_cast<double>(*t));
                hi = std::max(hi, static_cast<double>(*t));
            }
    return Scale{lo - step, hi + step, step, area.adjusted(36, 0, -36, 0)};
}

void TornadoPlot::paintChart(QPainter& painter, const QRectF& bounds) const {
    drawLegend(
        painter, bounds.adjusted(0, 20, 0, 0),
        {{chart::kLower, fromMemo(memoText::kLower)}, {chart::kUpper, fromMemo(memoText::kUpper)}});
    const QRectF area = bounds.adjusted(labelColumn(QFontMetricsF(painter.font())), 64, -30, -44);
    if (!m_base || m_bars.empty()) {
        drawNote(painter, area, tr("No recommended thickness to compare with."));
        return;
    }
    const Scale s = scale(area);
    drawThicknessAxis(painter, area, s);
    drawBars(painter, area, bounds, s);
    drawBase(painter, area, s);
    drawFrame(painter, area);
}

void TornadoPlot::drawThicknessAxis(QPainter& painter, const QRectF& area,
                                    const Scale& scale) const {
    const double lo = scale.lowest;
    const double hi = scale.highest;
    const double tick = std::max(scale.step, niceStep(hi - lo, 6));
    for (double t : tickValues(lo, hi, tick))
        drawGridLineWithValue(painter, area, scale.x(t), tickText(t));
    drawTitleBelow(painter, area, 22, thicknessAxisTitle());
}

void TornadoPlot::drawBars(QPainter& painter, const QRectF& area, const QRectF& bounds,
                           const Scale& scale) const {
    const double band = area.height() / static_cast<double>(m_bars.size());
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const Bar& b = m_bars[i];
        const double top = area.top() + band * static_cast<double>(i);
        painter.setPen(chart::kAxis);
        painter.drawText(QRectF(bounds.left() + 6, top, area.left() - bounds.left() - 12, band),
                         Qt::AlignRight | Qt::AlignVCenter, b.name);
        // -20 % in the upper half of the band, +20 % in the lower, so neither hides the other
        // when both move the same way.
        drawBar(painter, area, scale, b.lower, chart::kLower, top + band * 0.1, band * 0.38);
        drawBar(painter, area, scale, b.upper, chart::kUpper, top + band * 0.52, band * 0.38);
    }
}

void TornadoPlot::drawBar(QPainter& painter, const QRectF& area, const Scale& scale,
                          const std::optional<float>& thickness, const QColor& color, double top,
                          double height) const {
    const double xBase = scale.x(*m_base);
    if (!thickness) {
        painter.setPen(chart::kAxis);
        painter.drawText(QRectF(xBase + 4, top, area.right() - xBase, height),
                         Qt::AlignLeft | Qt::AlignVCenter, tr("no thickness found"));
        return;
    }
    const double x = scale.x(*thickness);
    // An unchanged thickness still shows as a thin mark on the base line.
    const QRectF r = x == xBase ? QRectF(xBase - 1.5, top, 3, height)
                                : QRectF(std::min(x, xBase), top, std::fabs(x - xBase), height);
    painter.fillRect(r, color);
    const QString text = thicknessText(*thickness);
    const double w = QFontMetricsF(painter.font()).horizontalAdvance(text) + 4;
    painter.setPen(chart::kAxis);
    painter.drawText(QRectF(x >= xBase ? r.right() + 2 : r.left() - w - 2, top, w, height),
                     Qt::AlignCenter, text);
}

void TornadoPlot::drawBase(QPainter& painter, const QRectF& area, const Scale& scale) const {
    const double xBase = scale.x(*m_base);
    painter.setPen(QPen(chart::kRecommended, 2));
    painter.drawLine(QPointF(xBase, area.top() - 4), QPointF(xBase, area.bottom()));
    drawLabel(painter, QPointF(xBase + 3, area.top() - 22),
              fromMemo(memoText::kRecommendedAt).arg(thicknessText(*m_base), unitOf(m_units)),
              chart::kRecommended, false);
}

}  // namespace zan
