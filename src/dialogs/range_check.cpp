#include "range_check.h"

#include "model/message.h"
#include "model/numbers.h"
#include "platform/platform.h"

namespace zan {

std::string checkInputValue(Platform& platform, const std::string& valueText,
                            const std::string& fieldName, float minimum, float maximum) {
    const FieldRange range{fieldName.c_str(), minimum, maximum};
    const TextCheck check = checkValueText(valueText, range);
    if (check == TextCheck::Invalid) {
        // The answer is not used: any button leaves the text for the dialog to refuse.
        platform.showMessage({.text = invalidNumberMessage(fieldName),
                              .title = caption::shown(kInputCheckTitle),
                              .icon = Icon::None,
                              .buttons = Buttons::CancelTryAgainContinue});
        return valueText;
    }

    if (check == TextCheck::Inside)
        return valueText;

    const bool belowMinimum = check == TextCheck::Below;
    const Answer answer = platform.showMessage({.text = rangeQuestion(range, belowMinimum),
                                                .title = caption::shown(kInputCheckTitle),
                                                .icon = Icon::None,
                                                .buttons = Buttons::YesNo});
    if (answer == Answer::Yes)
        return boundText(belowMinimum ? minimum : maximum);

    // The range is advice: the user may keep the value, and is told so.
    platform.showMessage({.text = keepValueMessage(fieldName),
                          .title = "",
                          .icon = Icon::None,
                          .buttons = Buttons::Ok});
    return valueText;
}

}  // namespace zan
