#pragma once
// A small SVG writer for the memo's charts: the core draws each chart once, and the desktop
// (Qt Svg), the PDF memo and the web page show that one drawing. Only what SVG Tiny 1.2 has
// and Qt Svg draws is written: lines, polylines, rectangles, circles and texts with
// presentation attributes (no clipping, no style sheets, no scripts). Every text is written as
// character data, escaped, never as markup; a control character is written as its visible
// picture (U+2400...), since XML cannot hold it.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zan::svg {

// The font every text of a drawing names; io/font_widths.h measures it.
inline constexpr const char* kFontFamily = "DejaVu Sans";

enum class Anchor { Start, Middle, End };

struct TextStyle {
    double size = 12.0;  // pixels
    bool bold = false;
    std::string colour = "#000000";
    Anchor anchor = Anchor::Start;
    bool upright = false;  // turned a quarter left about its anchor, read upwards
};

struct Stroke {
    Stroke(std::string colour, double width = 1.0, std::string dash = {})
        : colour(std::move(colour)), width(width), dash(std::move(dash)) {}
    std::string colour;
    double width;
    std::string dash;  // "6 4", or empty for a solid line
};

using Point = std::pair<double, double>;

class Writer {
  public:
    // A drawing `width` by `height` pixels, named `title` for a reader of the page.
    Writer(double width, double height, std::string_view title);

    // `kind`, when given, names what the element stands for (e.g. "fatigue") as its class.
    Writer& rect(double x, double y, double w, double h, std::string_view fill,
                 double opacity = 1.0, std::string_view kind = {});
    Writer& outline(double x, double y, double w, double h, const Stroke& stroke);
    Writer& line(double x1, double y1, double x2, double y2, const Stroke& stroke);
    Writer& polyline(const std::vector<Point>& points, const Stroke& stroke,
                     std::string_view kind = {});
    Writer& circle(double cx, double cy, double r, std::string_view fill);
    // `y` is the baseline.
    Writer& text(double x, double y, std::string_view text, const TextStyle& style);

    // The whole document.
    std::string finish() const;

  private:
    std::string m_body;
    std::string m_head;
};

// A UTF-8 text as XML character data, fit for an attribute's value too.
std::string escaped(std::string_view text);

// A coordinate in at most two decimals, no trailing zeros: "12.5", "-3", "0.07".
std::string number(double value);

}  // namespace zan::svg
