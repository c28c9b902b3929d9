#include "range_check.h"

#include <limits>

#include "model/message.h"
#include "model/numbers.h"
#include "platform/platform.h"

namespace zan {
namespace {

constexpr const char* kCheckTitle = "Input Data Check";

// The value rounded to single precision. A value beyond the float range would be undefined
// behaviour to convert; it counts as infinitely large, i.e. above any maximum. The callers
// only pass non-negative values, so neither -inf nor NaN can arise.
float toSingle(double value) {
    if (value > std::numeric_limits<float>::max())
        return std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace

std::string boundText(float bound) {
    return formatSignificant(static_cast<double>(bound), 7);
}

bool isAcceptableValueText(std::string_view text) {
    return isNumberText(text) && !(parseNumber(text) < 0.0);
}

std::string checkInputValue(Platform& platform, const std::string& valueText,
                            const std::string& fieldName, float minimum, float maximum) {
    if (!isAcceptableValueText(valueText)) {
        // The answer is not used: any button leaves the text for the dialog to refuse.
        platform.showMessage({.text = fieldName + " is an invalid number; please try again!",
                              .title = kCheckTitle,
                              .icon = Icon::None,
                              .buttons = Buttons::CancelTryAgainContinue});
        return valueText;
    }

    const float value = toSingle(parseNumber(valueText));
    const bool belowMinimum = value < minimum;
    if (!belowMinimum && !(value > maximum))
        return valueText;

    const std::string prompt = fieldName + " is not within the typical data range( " +
                               boundText(minimum) + ",  " + boundText(maximum) + "). " +
                               (belowMinimum ? "Accept the suggested minimum value?"
                                             : "Accept the suggested maximum value?");
    const Answer answer = platform.showMessage(
        {.text = prompt, .title = kCheckTitle, .icon = Icon::None, .buttons = Buttons::YesNo});
    if (answer == Answer::Yes)
        return boundText(belowMinimum ? minimum : maximum);

    // The range is advice: the user may keep the value, and is told so.
    platform.showMessage({.text = "Keep the " + fieldName + " input value anyway!",
                          .title = "",
                          .icon = Icon::None,
                          .buttons = Buttons::Ok});
    return valueText;
}

}  // namespace zan
