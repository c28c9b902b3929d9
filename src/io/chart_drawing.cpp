#include "io/chart_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "io/font_widths.h"
#include "model/palette.h"

namespace zan::chartDrawing {

namespace {

using svg::Anchor;
using svg::Point;
using svg::TextStyle;

constexpr double kBacking = 0.86;  // the labels' white backing lets the grid show through

TextStyle plain(Anchor anchor = Anchor::Start, std::string colour = palette::kAxis) {
    TextStyle style;
    style.colour = std::move(colour);
    style.anchor = anchor;
    return style;
}

// The words of `text` in lines of at most `width` pixels; a word wider than that stands on a
// line of its own (drawn smaller).
std::vector<std::string> wrapped(std::string_view text, double width) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        const std::string longer =
            line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (!line.empty() && textWidth(longer, kTextSize) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// Where the segment from `p` to `q` enters and leaves the area (Liang and Barsky), as
// fractions of its length; nothing when it misses the area.
std::optional<std::pair<double, double>> visiblePart(Point p, Point q, const Area& a) {
    double enter = 0.0;
    double leave = 1.0;
    const double dx = q.first - p.first;
    const double dy = q.second - p.second;
    const std::pair<double, double> edges[] = {{-dx, p.first - a.left},
                                               {dx, a.right - p.first},
                                               {-dy, p.second - a.top},
                                               {dy, a.bottom - p.second}};
    for (const auto& [toward, room] : edges) {
        if (toward == 0.0) {
            if (room < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = room / toward;
        if (toward < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    return std::pair{enter, leave};
}

Point along(Point p, Point q, double t) {
    return {p.first + t * (q.first - p.first), p.second + t * (q.second - p.second)};
}

}  // namespace

bool Area::contains(double x, double y) const {
    return x >= left && x <= right && y >= top && y <= bottom;
}

double fittedSize(std::string_view text, double size, bool bold, double room) {
    const double width = textWidth(text, size, bold);
    if (width <= room || width <= 0.0)
        return size;
    // A little under the exact fit, so that a viewer's rounding cannot make it overrun.
    return std::max(1.0, size * room / width * 0.98);
}

double centredBaseline(double middle, double size) {
    // Half the height of a capital of DejaVu Sans below the middle.
    return middle + 0.36 * size;
}

void fittedText(svg::Writer& out, double x, double y, std::string_view text, double room,
                svg::TextStyle style) {
    style.size = fittedSize(text, style.size, style.bold, room);
    out.text(x, y, text, style);
}

void drawTitle(svg::Writer& out, ChartSize size, std::string_view title) {
    TextStyle style = plain(Anchor::Start, "#000000");
    style.bold = true;
    fittedText(out, 8, centredBaseline(14, kTextSize), title, size.width - 16, style);
}

void drawLegend(svg::Writer& out, ChartSize size, const std::vector<LegendEntry>& entries) {
    constexpr double kSwatch = 16.0;
    constexpr double kSwatchGap = 6.0;
    constexpr double kEntryGap = 14.0;
    double names = 0.0;
    for (const LegendEntry& entry : entries)
        names += textWidth(entry.name, kTextSize);
    const double fixed = static_cast<double>(entries.size()) * (kSwatch + kSwatchGap + kEntryGap);
    const double room = size.width - 16 - fixed;
    const double scale = names > room && names > 0.0 ? std::max(0.05, room / names * 0.98) : 1.0;
    TextStyle style = plain(Anchor::Start, "#000000");
    style.size = kTextSize * scale;
    double x = size.width - 8 - names * scale - fixed + kEntryGap;
    for (const LegendEntry& entry : entries) {
        out.rect(x, 30, kSwatch, 8, entry.colour);
        x += kSwatch + kSwatchGap;
        out.text(x, centredBaseline(34, style.size), entry.name, style);
        x += textWidth(entry.name, kTextSize) * scale + kEntryGap;
    }
}

void drawLabel(svg::Writer& out, double x, double top, std::string_view text,
               std::string_view colour, bool leftOfAnchor, double leftmost, double rightmost) {
    const double room = (leftOfAnchor ? x - leftmost : rightmost - x) - 6;
    const double size = fittedSize(text, kTextSize, false, room);
    const double width = textWidth(text, size) + 6;
    const double height = size * kLineFactor + 2;
    const double left = leftOfAnchor ? x - width : x;
    out.rect(left, top, width, height, "#ffffff", kBacking);
    TextStyle style = plain(Anchor::Middle, std::string(colour));
    style.size = size;
    out.text(left + width / 2, centredBaseline(top + height / 2, size), text, style);
}

void drawUprightTitle(svg::Writer& out, const Area& area, double x, std::string_view text) {
    TextStyle style = plain(Anchor::Middle, "#000000");
    style.upright = true;
    fittedText(out, x, (area.top + area.bottom) / 2, text, area.height(), style);
}

void drawTitleBelow(svg::Writer& out, const Area& area, double gap, std::string_view text) {
    fittedText(out, (area.left + area.right) / 2,
               centredBaseline(area.bottom + gap + kTextSize * kLineFactor / 2, kTextSize), text,
               area.width(), plain(Anchor::Middle, "#000000"));
}

void drawGridLineWithValue(svg::Writer& out, const Area& area, double x, std::string_view value) {
    out.line(x, area.top, x, area.bottom, {palette::kGrid, 1});
    fittedText(out, x, centredBaseline(area.bottom + 12, kTextSize), value, 60,
               plain(Anchor::Middle));
}

void drawFrame(svg::Writer& out, const Area& area) {
    out.outline(area.left, area.top, area.width(), area.height(), {palette::kAxis, 1});
}

void drawNote(svg::Writer& out, const Area& area, std::string_view note) {
    const double width = std::max(20.0, area.width() - 20);
    const std::vector<std::string> lines = wrapped(note, width);
    const double spacing = kTextSize * kLineFactor;
    double y = (area.top + area.bottom) / 2 - spacing * static_cast<double>(lines.size()) / 2;
    for (const std::string& line : lines) {
        fittedText(out, (area.left + area.right) / 2, centredBaseline(y + spacing / 2, kTextSize),
                   line, width, plain(Anchor::Middle));
        y += spacing;
    }
}

std::vector<std::vector<Point>> clipped(const std::vector<Point>& points, const Area& area) {
    std::vector<std::vector<Point>> parts;
    if (points.size() == 1 && area.contains(points[0].first, points[0].second))
        parts.push_back(points);
    bool open = false;  // the last part ends where the next segment starts
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point p = points[i - 1];
        const Point q = points[i];
        const auto part = visiblePart(p, q, area);
        if (!part) {
            open = false;
            continue;
        }
        if (!open || part->first > 0.0)
            parts.push_back({along(p, q, part->first)});
        parts.back().push_back(along(p, q, part->second));
        open = part->second >= 1.0;
    }
    return parts;
}

}  // namespace zan::chartDrawing
