#pragma once
// Total fatigue and total erosion damage against slab thickness on a log axis, with the 100 %
// line and the recommended and trial thicknesses marked.

#include <QString>
#include <vector>

#include "chart/plot.h"
#include "model/damage_curve.h"

namespace zan {

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

class DamageCurvePlot : public Plot {
    Q_OBJECT

  public:
    explicit DamageCurvePlot(QWidget* parent = nullptr);

    void setCurve(const DamageCurve& curve);
    const DamageCurve& curve() const { return m_curve; }
    DecadeRange decades() const { return m_decades; }
    QString title() const override;
    QString thicknessAxisTitle() const;
    QString damageAxisTitle() const;
    QString recommendedLabel() const;  // "Recommended 9.50 in"
    QString trialLabel() const;        // empty when the trial text is no thickness

    // Where a value is drawn at the widget's present size. A damage of zero lies below the
    // axis, out of sight: the log scale has no place for it.
    QPointF toPixel(double thickness, double damagePercent) const;
    bool trialShown() const;  // false when the trial lies outside the plotted range

    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {360, 260}; }

  protected:
    void paintChart(QPainter& painter, const QRectF& bounds) const override;

  private:
    void drawDamageAxis(QPainter& painter, const QRectF& area) const;
    void drawThicknessAxis(QPainter& painter, const QRectF& area) const;
    void drawCurves(QPainter& painter, const QRectF& area) const;
    void drawSeries(QPainter& painter, const QRectF& area, float DamagePoint::*total,
                    const QColor& color) const;
    void drawMarkers(QPainter& painter, const QRectF& area) const;
    void drawMarker(QPainter& painter, const QRectF& area, double thickness, const QColor& color,
                    Qt::PenStyle style, const QString& label, int labelRow) const;

    QRectF plotArea(const QRectF& bounds) const;
    QPointF map(const QRectF& area, double thickness, double damagePercent) const;
    double thicknessMin() const;
    double thicknessMax() const;

    DamageCurve m_curve;
    DecadeRange m_decades;
};

}  // namespace zan
