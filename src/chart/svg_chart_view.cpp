#include "svg_chart_view.h"

#include <QPainter>

namespace zan {

SvgChartView::SvgChartView(const char* objectName, ChartSize size, QWidget* parent)
    : QWidget(parent), m_size(size) {
    setObjectName(QLatin1String(objectName));
}

void SvgChartView::setDrawing(const std::string& svg) {
    m_svg = svg;
    m_drawing = SvgDrawing(svg);
    update();
}

QSize SvgChartView::sizeHint() const {
    return QSize(static_cast<int>(m_size.width), static_cast<int>(m_size.height));
}

QSize SvgChartView::minimumSizeHint() const {
    return sizeHint() * 0.55;
}

void SvgChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_drawing.draw(painter, QRectF(rect()));
}

}  // namespace zan
