#pragma once
// How far the recommended thickness moves for each input at -20 % and +20 %, widest swing on
// top.

#include <QFontMetricsF>
#include <QString>
#include <optional>
#include <vector>

#include "chart/plot.h"
#include "model/sensitivity.h"

namespace zan {

class TornadoPlot : public Plot {
    Q_OBJECT

  public:
    struct Bar {
        QString name;
        std::optional<float> lower;  // thickness at -20 %
        std::optional<float> upper;  // thickness at +20 %
        double swing() const;        // |upper - lower|; an input without results sorts last
    };

    explicit TornadoPlot(QWidget* parent = nullptr);

    void setSensitivity(const Sensitivity& sensitivity);
    const std::vector<Bar>& bars() const { return m_bars; }
    std::optional<float> base() const { return m_base; }
    QString title() const override;
    QString thicknessAxisTitle() const;
    // The width left of the bars for the inputs' names, 6 px of margin before them and 12
    // after.
    double labelColumn(const QFontMetricsF& metrics) const;

    QSize sizeHint() const override { return {520, 260}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

  protected:
    void paintChart(QPainter& painter, const QRectF& bounds) const override;

  private:
    // The thickness axis: every result and the base with a grid step of room either side,
    // drawn inside `span`, which leaves space for the values at the bar ends.
    struct Scale {
        double lowest;  // in or cm
        double highest;
        double step;  // the search grid's
        QRectF span;
        double x(double thickness) const;
    };

    Scale scale(const QRectF& area) const;
    void drawThicknessAxis(QPainter& painter, const QRectF& area, const Scale& scale) const;
    void drawBars(QPainter& painter, const QRectF& area, const QRectF& bounds,
                  const Scale& scale) const;
    // One result's bar from the base line, in the band's upper or lower part from `top`.
    void drawBar(QPainter& painter, const QRectF& area, const Scale& scale,
                 const std::optional<float>& thickness, const QColor& color, double top,
                 double height) const;
    void drawBase(QPainter& painter, const QRectF& area, const Scale& scale) const;

    std::vector<Bar> m_bars;
    std::optional<float> m_base;
    UnitSystem m_units = UnitSystem::English;
};

}  // namespace zan
