#pragma once
// The tooltips of the input dialogs' buttons. A value field's tooltip (its meaning, unit and
// typical range) comes from the core's range table (model/input_ranges.h), the very table the
// field's OK check uses, so the tooltip names the bounds the range question would name.

#include "model/input_ranges.h"

#include <QtGlobal>

namespace zan {

namespace tooltip {
inline constexpr const char* kOk = QT_TRANSLATE_NOOP(
    "zan::InputDialog", "Check the values against their typical ranges and keep them.");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP(
    "zan::InputDialog", "Put back the values you came to the dialog with, and close it.");
}  // namespace tooltip

}  // namespace zan
