#include "io/font_widths.h"

#include "io/utf8.h"

namespace zan::fontWidths {

double advance(char32_t code, bool bold) {
    for (const Block& block : kBlocks) {
        if (code < block.first || code > block.last)
            continue;
        const std::uint16_t units = (bold ? block.bold : block.regular)[code - block.first];
        return units == kMissing ? kUnknownEm : static_cast<double>(units) / kUnitsPerEm;
    }
    return kUnknownEm;
}

}  // namespace zan::fontWidths

namespace zan {

double textWidth(std::string_view text, double size, bool bold) {
    double ems = 0.0;
    for (const char32_t code : utf8::decode(text))
        ems += fontWidths::advance(code, bold);
    return ems * size;
}

}  // namespace zan
