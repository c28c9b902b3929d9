#include "field_tips.h"

namespace zan {

std::string fieldTooltip(const char* meaning, const FieldUnit& unit, const FieldRange& range) {
    std::string tip = std::string(meaning) + ", " + unit.words + ". Typical range " +
                      boundText(range.minimum) + " to " + boundText(range.maximum);
    if (unit.symbol)
        tip += std::string(" ") + unit.symbol;
    return tip + ".";
}

}  // namespace zan
