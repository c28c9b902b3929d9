#include "plot.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "io/memo_page.h"
#include "model/numbers.h"
#include "platform/latin1.h"

namespace zan {

QString fromMemo(const char* text) {
    return fromCatalogue(memoText::kContext, text);
}

Plot::Plot(const char* objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(objectName));
}

void Plot::paint(QPainter& painter, const QRectF& bounds) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(bounds, Qt::white);

    QFont font = painter.font();
    font.setBold(true);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(bounds.left() + 8, bounds.top() + 4, bounds.width() - 16, 20),
                     Qt::AlignLeft | Qt::AlignVCenter, title());
    painter.restore();

    paintChart(painter, bounds);
    painter.restore();
}

void Plot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()));
}

namespace plot {

QString unitOf(UnitSystem units) {
    return units == UnitSystem::Metric ? QStringLiteral("cm") : QStringLiteral("in");
}

QString thicknessText(float thickness) {
    return fromCore(formatFixed(thickness, 2));
}

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

QString tickText(double value) {
    return fromCore(formatSignificant(value, 6));
}

void drawLegend(QPainter& painter, const QRectF& bounds, const LegendEntries& entries) {
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

void drawVerticalTitle(QPainter& painter, const QRectF& area, double x, const QString& text) {
    painter.save();
    painter.setPen(Qt::black);
    painter.translate(x, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -10, area.height(), 20), Qt::AlignCenter, text);
    painter.restore();
}

void drawTitleBelow(QPainter& painter, const QRectF& area, double gap, const QString& text) {
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.bottom() + gap, area.width(), 20), Qt::AlignCenter,
                     text);
}

void drawNote(QPainter& painter, const QRectF& area, const QString& note) {
    painter.setPen(chart::kAxis);
    painter.drawText(area.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap, note);
}

void drawGridLineWithValue(QPainter& painter, const QRectF& area, double x, const QString& value) {
    painter.setPen(QPen(chart::kGrid, 1));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    painter.setPen(chart::kAxis);
    painter.drawText(QRectF(x - 30, area.bottom() + 3, 60, 18), Qt::AlignCenter, value);
}

void drawFrame(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(chart::kAxis, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

}  // namespace plot

}  // namespace zan
