#pragma once
// How wide a text is in DejaVu Sans, the font the memo's charts name, so that the core lays
// out a chart's labels without a font engine and none runs past its room. The widths come from
// the font file (scripts/font_widths.py writes font_width_table.cpp). A character outside the
// table counts as kUnknownEm: wider than any glyph a fallback font draws for a letter or an
// ideograph. DejaVu Sans is among the widest sans-serif faces, so a viewer that falls back to
// another one draws the texts narrower, never wider.

#include <array>
#include <cstdint>
#include <string_view>

namespace zan::fontWidths {

inline constexpr int kUnitsPerEm = 2048;
inline constexpr std::uint16_t kMissing = 0xFFFF;
inline constexpr double kUnknownEm = 1.3;

struct Block {
    char32_t first;
    char32_t last;
    const std::uint16_t* regular;  // last - first + 1 advances, in font units
    const std::uint16_t* bold;
};
extern const std::array<Block, 9> kBlocks;

// The advance of one character, in ems.
double advance(char32_t code, bool bold);

}  // namespace zan::fontWidths

namespace zan {

// The width of a UTF-8 text at `size` pixels, in pixels.
double textWidth(std::string_view text, double size, bool bold = false);

}  // namespace zan
