#pragma once
// A chart as the core drew it (io/svg.h), drawn with QPainter: in the damage chart window and,
// as vectors with their texts as text, on the PDF memo's pages. The core's SVG is read here,
// not by Qt Svg, which draws every text as outlines: a memo whose chart labels cannot be
// searched, copied or read back is not the document the web page prints. Only what the core's
// writer writes is drawn (rectangles, lines, polylines, circles and texts with presentation
// attributes); anything else is left out.

#include <QColor>
#include <QSizeF>
#include <QString>
#include <QXmlStreamAttributes>
#include <string_view>
#include <vector>

class QPainter;
class QRectF;

namespace zan {

class SvgDrawing {
  public:
    SvgDrawing() = default;
    explicit SvgDrawing(std::string_view svg);

    // False when the text was no drawing of the core's: nothing is drawn then.
    bool valid() const { return m_valid; }
    QSizeF size() const { return m_size; }

    // Draws into `bounds`, as large as fits with its proportions kept, centred; the painter's
    // state is kept.
    void draw(QPainter& painter, const QRectF& bounds) const;

  private:
    struct Element {
        QString name;
        QXmlStreamAttributes attributes;
        QString text;
    };

    void drawElement(QPainter& painter, const Element& element) const;
    void drawText(QPainter& painter, const Element& element) const;

    std::vector<Element> m_elements;
    QSizeF m_size;
    QString m_fontFamily;
    bool m_valid = false;
};

}  // namespace zan
