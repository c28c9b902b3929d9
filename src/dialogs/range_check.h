#pragma once
// The range check that the OK button of every input dialog applies to each numeric field.
// It talks to the user only through Platform, so it is free of widgets and can be tested
// exhaustively with a scripted platform. The ranges and the texts of its messages come from
// the core (model/input_ranges.h).

#include <string>
#include <string_view>

#include "model/input_ranges.h"

namespace zan {

class Platform;

// Checks one field's text and returns what the dialog writes back into the field: the text
// unchanged, or the violated bound's text when the user accepts the suggestion. An invalid
// text gets one message and comes back unchanged; the caller decides whether to refuse.
std::string checkInputValue(Platform& platform, const std::string& valueText,
                            const std::string& fieldName, float minimum, float maximum);

inline std::string checkInputValue(Platform& platform, const std::string& valueText,
                                   const FieldRange& range) {
    return checkInputValue(platform, valueText, range.name, range.minimum, range.maximum);
}

}  // namespace zan
