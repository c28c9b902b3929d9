#include "svg_drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QXmlStreamReader>
#include <algorithm>

namespace zan {

namespace {

// Texts are laid out at this size and scaled to theirs: a font's pixel size is whole, the
// drawing's sizes are not.
constexpr int kLayoutPixels = 120;

double number(const QXmlStreamAttributes& a, QLatin1String name, double otherwise = 0.0) {
    bool ok = false;
    const double value = a.value(name).toDouble(&ok);
    return ok ? value : otherwise;
}

QColor colour(const QXmlStreamAttributes& a, QLatin1String name, QLatin1String opacity) {
    const auto text = a.value(name);
    if (text.isEmpty() || text == QLatin1String("none"))
        return QColor(Qt::transparent);
    QColor c(text.toString());
    c.setAlphaF(static_cast<float>(std::clamp(number(a, opacity, 1.0), 0.0, 1.0)));
    return c;
}

QPen penOf(const QXmlStreamAttributes& a) {
    const QColor c = colour(a, QLatin1String("stroke"), QLatin1String("stroke-opacity"));
    if (c.alpha() == 0)
        return QPen(Qt::NoPen);
    QPen pen(c, number(a, QLatin1String("stroke-width"), 1.0));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    const QStringList dashes = a.value(QLatin1String("stroke-dasharray"))
                                   .toString()
                                   .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!dashes.isEmpty()) {
        // Qt counts a dash in pen widths, SVG in the drawing's units.
        QList<qreal> pattern;
        for (const QString& dash : dashes)
            pattern << dash.toDouble() / std::max(0.1, pen.widthF());
        if (pattern.size() % 2 == 1)
            pattern << pattern;
        pen.setDashPattern(pattern);
    }
    return pen;
}

QPolygonF pointsOf(const QXmlStreamAttributes& a) {
    QPolygonF polygon;
    for (const QString& pair :
         a.value(QLatin1String("points")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        if (xy.size() == 2)
            polygon << QPointF(xy[0].toDouble(), xy[1].toDouble());
    }
    return polygon;
}

QRectF rectOf(const QXmlStreamAttributes& a) {
    return QRectF(number(a, QLatin1String("x")), number(a, QLatin1String("y")),
                  number(a, QLatin1String("width")), number(a, QLatin1String("height")));
}

}  // namespace

SvgDrawing::SvgDrawing(std::string_view svg) {
    QXmlStreamReader reader(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.name().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (name == QLatin1String("svg")) {
            m_size = QSizeF(number(attributes, QLatin1String("width")),
                            number(attributes, QLatin1String("height")));
        } else if (name == QLatin1String("g")) {
            m_fontFamily = attributes.value(QLatin1String("font-family")).toString();
        } else if (name == QLatin1String("title")) {
            reader.readElementText();
        } else {
            const QString text =
                name == QLatin1String("text") ? reader.readElementText() : QString();
            m_elements.push_back(Element{name, attributes, text});
        }
    }
    m_valid = !reader.hasError() && m_size.width() > 0.0 && m_size.height() > 0.0;
    if (!m_valid)
        m_elements.clear();
}

void SvgDrawing::draw(QPainter& painter, const QRectF& bounds) const {
    if (!m_valid)
        return;
    const double scale =
        std::min(bounds.width() / m_size.width(), bounds.height() / m_size.height());
    const QSizeF shown = m_size * scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(bounds.center() - QPointF(shown.width(), shown.height()) / 2);
    painter.scale(scale, scale);
    for (const Element& element : m_elements)
        drawElement(painter, element);
    painter.restore();
}

void SvgDrawing::drawElement(QPainter& painter, const Element& e) const {
    const QXmlStreamAttributes& a = e.attributes;
    painter.setPen(penOf(a));
    painter.setBrush(colour(a, QLatin1String("fill"), QLatin1String("fill-opacity")));
    if (e.name == QLatin1String("rect")) {
        painter.drawRect(rectOf(a));
    } else if (e.name == QLatin1String("line")) {
        painter.drawLine(QPointF(number(a, QLatin1String("x1")), number(a, QLatin1String("y1"))),
                         QPointF(number(a, QLatin1String("x2")), number(a, QLatin1String("y2"))));
    } else if (e.name == QLatin1String("polyline")) {
        painter.drawPolyline(pointsOf(a));
    } else if (e.name == QLatin1String("circle")) {
        const double r = number(a, QLatin1String("r"));
        painter.drawEllipse(QPointF(number(a, QLatin1String("cx")), number(a, QLatin1String("cy"))),
                            r, r);
    } else if (e.name == QLatin1String("text")) {
        drawText(painter, e);
    }
}

void SvgDrawing::drawText(QPainter& painter, const Element& e) const {
    const QXmlStreamAttributes& a = e.attributes;
    QFont font(m_fontFamily);
    font.setPixelSize(kLayoutPixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(a.value(QLatin1String("font-weight")) == QLatin1String("bold"));
    const double size = number(a, QLatin1String("font-size"), 12.0);
    const double width = QFontMetricsF(font).horizontalAdvance(e.text);
    const auto anchor = a.value(QLatin1String("text-anchor"));
    const double shift = anchor == QLatin1String("middle") ? -width / 2
                         : anchor == QLatin1String("end")  ? -width
                                                           : 0.0;
    painter.save();
    painter.translate(number(a, QLatin1String("x")), number(a, QLatin1String("y")));
    // The writer turns a text only a quarter left, about its anchor.
    if (a.hasAttribute(QLatin1String("transform")))
        painter.rotate(-90);
    painter.scale(size / kLayoutPixels, size / kLayoutPixels);
    painter.setFont(font);
    painter.setPen(colour(a, QLatin1String("fill"), QLatin1String("fill-opacity")));
    painter.drawText(QPointF(shift, 0), e.text);
    painter.restore();
}

}  // namespace zan
