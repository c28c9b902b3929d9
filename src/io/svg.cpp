#include "io/svg.h"

#include <fmt/format.h>

#include <cmath>

#include "io/utf8.h"

namespace zan::svg {

namespace {

std::string attribute(std::string_view name, std::string_view value) {
    return fmt::format(" {}=\"{}\"", name, escaped(value));
}

std::string numbers(std::initializer_list<std::pair<const char*, double>> values) {
    std::string out;
    for (const auto& [name, value] : values)
        out += fmt::format(" {}=\"{}\"", name, number(value));
    return out;
}

std::string strokeOf(const Stroke& stroke) {
    std::string out =
        attribute("stroke", stroke.colour) + numbers({{"stroke-width", stroke.width}});
    if (!stroke.dash.empty())
        out += attribute("stroke-dasharray", stroke.dash);
    return out;
}

std::string kindOf(std::string_view kind) {
    return kind.empty() ? std::string() : attribute("class", kind);
}

const char* anchorName(Anchor anchor) {
    switch (anchor) {
        case Anchor::Middle:
            return "middle";
        case Anchor::End:
            return "end";
        case Anchor::Start:
            break;
    }
    return "start";
}

}  // namespace

std::string escaped(std::string_view text) {
    std::string out;
    for (const char32_t code : utf8::decode(text)) {
        switch (code) {
            case U'&':
                out += "&amp;";
                break;
            case U'<':
                out += "&lt;";
                break;
            case U'>':
                out += "&gt;";
                break;
            case U'"':
                out += "&quot;";
                break;
            case U'\'':
                out += "&#39;";
                break;
            default:
                utf8::append(out,
                             code == 0xFFFE || code == 0xFFFF ? U'\uFFFD' : utf8::visible(code));
        }
    }
    return out;
}

std::string number(double value) {
    if (!std::isfinite(value))
        return "0";
    // Rounded to hundredths first, so that -0.001 is "0", never "-0".
    const double rounded = std::round(value * 100.0) / 100.0;
    std::string text = fmt::format("{:.2f}", rounded == 0.0 ? 0.0 : rounded);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

Writer::Writer(double width, double height, std::string_view title) {
    m_head = fmt::format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" "
        "width=\"{0}\" height=\"{1}\" viewBox=\"0 0 {0} {1}\" role=\"img\"{2}>"
        "<title>{3}</title>",
        number(width), number(height), attribute("aria-label", title), escaped(title));
    // The white ground: a drawing looks the same on any page.
    rect(0, 0, width, height, "#ffffff");
}

Writer& Writer::rect(double x, double y, double w, double h, std::string_view fill, double opacity,
                     std::string_view kind) {
    m_body += "<rect" + kindOf(kind) + numbers({{"x", x}, {"y", y}, {"width", w}, {"height", h}}) +
              attribute("fill", fill);
    if (opacity < 1.0)
        m_body += numbers({{"fill-opacity", opacity}});
    m_body += "/>";
    return *this;
}

Writer& Writer::outline(double x, double y, double w, double h, const Stroke& stroke) {
    m_body += "<rect" + numbers({{"x", x}, {"y", y}, {"width", w}, {"height", h}}) +
              " fill=\"none\"" + strokeOf(stroke) + "/>";
    return *this;
}

Writer& Writer::line(double x1, double y1, double x2, double y2, const Stroke& stroke) {
    m_body += "<line" + numbers({{"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}}) +
              strokeOf(stroke) + "/>";
    return *this;
}

Writer& Writer::polyline(const std::vector<Point>& points, const Stroke& stroke,
                         std::string_view kind) {
    std::string list;
    for (const auto& [x, y] : points)
        list += (list.empty() ? "" : " ") + number(x) + ',' + number(y);
    m_body += "<polyline" + kindOf(kind) + attribute("points", list) + " fill=\"none\"" +
              strokeOf(stroke) + " stroke-linejoin=\"round\"/>";
    return *this;
}

Writer& Writer::circle(double cx, double cy, double r, std::string_view fill) {
    m_body +=
        "<circle" + numbers({{"cx", cx}, {"cy", cy}, {"r", r}}) + attribute("fill", fill) + "/>";
    return *this;
}

Writer& Writer::text(double x, double y, std::string_view text, const TextStyle& style) {
    m_body += "<text" + numbers({{"x", x}, {"y", y}, {"font-size", style.size}}) +
              attribute("fill", style.colour);
    if (style.bold)
        m_body += " font-weight=\"bold\"";
    if (style.anchor != Anchor::Start)
        m_body += attribute("text-anchor", anchorName(style.anchor));
    if (style.upright)
        m_body += fmt::format(" transform=\"rotate(-90 {} {})\"", number(x), number(y));
    m_body += ">" + escaped(text) + "</text>";
    return *this;
}

std::string Writer::finish() const {
    return m_head + "<g" + attribute("font-family", kFontFamily) + ">" + m_body + "</g></svg>";
}

}  // namespace zan::svg
