#pragma once
// The last analysis run's damage per axle row, fatigue and erosion side by side, so the loads
// that govern stand out.

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "chart/plot.h"
#include "model/analysis.h"

class QFontMetricsF;

namespace zan {

class AxleDamagePlot : public Plot {
    Q_OBJECT

  public:
    struct Row {
        QString label;  // "S 30.0": axle type and load
        AxleType axle = AxleType::Single;
        int row = 1;                         // 1..10
        std::optional<float> fatigueDamage;  // percent; none when the part was not run
        std::optional<float> erosionDamage;  // percent
    };

    explicit AxleDamagePlot(QWidget* parent = nullptr);

    // `lastTandemRowShown` false leaves out tandem row 9, which the Light category hides.
    // `listedLoads`, when given, are the twenty loads as the report lists them (single rows
    // 1..10, then tandem), which then label the bars; otherwise the design loads do.
    void setResults(const AnalysisResults& results, UnitSystem units, bool lastTandemRowShown,
                    const QStringList& listedLoads = {});
    const std::vector<Row>& rows() const { return m_rows; }
    QString note() const { return m_note; }  // shown instead of bars when there is nothing
    QString title() const override;
    QString loadAxisTitle() const;
    double damageMax() const { return m_scaleMax; }  // the end of the damage axis, percent
    // Where the bars begin: the load axis' title, then the widest row label.
    double labelColumn(const QFontMetricsF& metrics) const;
    static constexpr double kTitleColumn = 20.0;

    QSize sizeHint() const override { return {380, 420}; }
    QSize minimumSizeHint() const override { return {260, 260}; }

  protected:
    void paintChart(QPainter& painter, const QRectF& bounds) const override;

  private:
    struct ValueLabel {
        QRectF box;
        QString text;
    };

    double xOf(const QRectF& area, double percent) const;
    void drawDamageAxis(QPainter& painter, const QRectF& area, const QRectF& bounds) const;
    void drawBars(QPainter& painter, const QRectF& area, const QRectF& bounds) const;
    // Fills the bar of `value` from the axis; its value label goes right of the bar, and none
    // when there is no bar or the bar is too small to matter.
    std::optional<ValueLabel> drawBar(QPainter& painter, const QRectF& area,
                                      const std::optional<float>& value, const QColor& color,
                                      double top, double band, const QFontMetricsF& fm) const;

    std::vector<Row> m_rows;
    QString m_note;
    UnitSystem m_units = UnitSystem::English;
    bool m_listedLoads = false;  // the bars are labelled with the report's loads
    double m_scaleMax = 1.0;
};

}  // namespace zan
