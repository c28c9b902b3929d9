#pragma once
// The three charts of the damage chart window, painted with QPainter so that the same code
// draws on the screen, into a PNG and into an SVG. Each chart keeps the data it plots and
// answers where it puts a value, so a test can compare the drawing with the core.

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/analysis.h"
#include "model/damage_curve.h"
#include "model/sensitivity.h"

class QPainter;

namespace zan {

namespace chart {
inline const QColor kFatigue(0x1f, 0x5f, 0xbf);      // blue
inline const QColor kErosion(0xd0, 0x4a, 0x10);      // orange-red
inline const QColor kLimit(0x30, 0x30, 0x30);        // the 100 % line
inline const QColor kRecommended(0x1e, 0x8c, 0x3a);  // green
inline const QColor kTrial(0x8a, 0x3f, 0xb0);        // purple
inline const QColor kLower(0x4f, 0x86, 0xd6);        // -20 %
inline const QColor kUpper(0xe0, 0x8a, 0x2c);        // +20 %
}  // namespace chart

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

// Total fatigue and total erosion damage against slab thickness, with the 100 % line and
// the recommended and trial thicknesses marked.
class DamageCurvePlot : public QWidget {
    Q_OBJECT

  public:
    explicit DamageCurvePlot(QWidget* parent = nullptr);

    void setCurve(const DamageCurve& curve);
    const DamageCurve& curve() const { return m_curve; }
    DecadeRange decades() const { return m_decades; }
    QString title() const;
    QString thicknessAxisTitle() const;
    QString damageAxisTitle() const;
    QString recommendedLabel() const;  // "Recommended 9.50 in"
    QString trialLabel() const;        // empty when the trial text is no thickness

    // Where a value is drawn at the widget's present size. A damage of zero lies below the
    // axis, out of sight: the log scale has no place for it.
    QPointF toPixel(double thickness, double damagePercent) const;
    bool trialShown() const;  // false when the trial lies outside the plotted range

    void paint(QPainter& painter, const QRectF& bounds) const;
    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {360, 260}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF plotArea(const QRectF& bounds) const;
    QPointF map(const QRectF& area, double thickness, double damagePercent) const;
    double thicknessMin() const;
    double thicknessMax() const;

    DamageCurve m_curve;
    DecadeRange m_decades;
};

// The last analysis run's damage per axle row, fatigue and erosion side by side, so the
// loads that govern stand out.
class AxleDamagePlot : public QWidget {
    Q_OBJECT

  public:
    struct Row {
        QString label;  // "S 36.0": axle type and design load
        AxleType axle = AxleType::Single;
        int row = 1;                         // 1..10
        std::optional<float> fatigueDamage;  // percent; none when the part was not run
        std::optional<float> erosionDamage;  // percent
    };

    explicit AxleDamagePlot(QWidget* parent = nullptr);

    // `lastTandemRowShown` false leaves out tandem row 9, which the Light category hides.
    void setResults(const AnalysisResults& results, UnitSystem units, bool lastTandemRowShown);
    const std::vector<Row>& rows() const { return m_rows; }
    QString note() const { return m_note; }  // shown instead of bars when there is nothing
    QString loadAxisTitle() const;
    double damageMax() const { return m_scaleMax; }  // the end of the damage axis, percent

    void paint(QPainter& painter, const QRectF& bounds) const;
    QSize sizeHint() const override { return {380, 420}; }
    QSize minimumSizeHint() const override { return {260, 260}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Row> m_rows;
    QString m_note;
    UnitSystem m_units = UnitSystem::English;
    double m_scaleMax = 1.0;
};

// How far the recommended thickness moves for each input at -20 % and +20 %, widest swing
// on top.
class TornadoPlot : public QWidget {
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
    QString thicknessAxisTitle() const;

    void paint(QPainter& painter, const QRectF& bounds) const;
    QSize sizeHint() const override { return {520, 260}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Bar> m_bars;
    std::optional<float> m_base;
    UnitSystem m_units = UnitSystem::English;
};

}  // namespace zan
