#pragma once
// The range check that the OK button of every input dialog applies to each numeric field.
// It talks to the user only through Platform, so it is free of widgets and can be tested
// exhaustively with a scripted platform.

#include <string>
#include <string_view>

namespace zan {

class Platform;

// A field as the OK handlers check it: the name the messages show and its typical range,
// both bounds inclusive. The bounds are single precision, as the comparison is.
struct FieldRange {
    const char* name;
    float minimum;
    float maximum;
};

// A bound as the range question and the tooltips write it: its single-precision value in
// plain decimal with at most seven significant digits, 10.16 and not 10.1599998.
std::string boundText(float bound);

// True for a text the dialogs accept at all: a whole number text (isNumberText) whose value
// is not negative. Range violations do not matter here; the range is advice only.
bool isAcceptableValueText(std::string_view text);

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
