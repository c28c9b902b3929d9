#pragma once
// The tooltips of the input dialogs. A value field's tooltip says what the value is, its unit
// in the unit system in force and its typical range; the range is taken from the very table
// the field's OK check uses, so the tooltip names the bounds the range question would name.

#include <string>

#include "range_check.h"

namespace zan {

// A field's unit: in words after the meaning, and as a symbol after the range bounds. A pure
// number (a count, a factor) has no symbol.
struct FieldUnit {
    const char* words;
    const char* symbol = nullptr;
};

// meaning, unit words and range as one sentence pair:
// "Trial slab thickness h, inches. Typical range 4 to 20 in."
std::string fieldTooltip(const char* meaning, const FieldUnit& unit, const FieldRange& range);

namespace tooltip {
inline constexpr const char* kOk = "Check the values against their typical ranges and keep them.";
inline constexpr const char* kCancel =
    "Put back the values you came to the dialog with, and close it.";
}  // namespace tooltip

}  // namespace zan
