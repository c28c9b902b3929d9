#pragma once
// One of the memo's charts in the damage chart window: the core's drawing at the widget's
// size, its proportions kept, on white.

#include <QSize>
#include <QWidget>
#include <string>

#include "chart/svg_drawing.h"
#include "io/memo_charts.h"

namespace zan {

class SvgChartView : public QWidget {
    Q_OBJECT

  public:
    SvgChartView(const char* objectName, ChartSize size, QWidget* parent = nullptr);

    void setDrawing(const std::string& svg);
    const std::string& svg() const { return m_svg; }
    const SvgDrawing& drawing() const { return m_drawing; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartSize m_size;
    std::string m_svg;
    SvgDrawing m_drawing;
};

}  // namespace zan
