#pragma once
// A message box as the core decides it; the shell shows it, zan-report prints its text.

#include <string>

namespace zan {

// Untitled boxes show the application's short name.
inline constexpr const char* kApplicationShortName = "ZAN Design";
inline constexpr const char* kMainWindowTitle = "ZAN Thickness Design";

enum class Buttons { Ok, YesNo, YesNoCancel, CancelTryAgainContinue };
enum class Icon { None, Information, Question };

struct Message {
    std::string text;   // lines separated by CR LF
    std::string title;  // empty: the application's short name
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    // A file the text names by these bytes, as the file system holds its name (which need not
    // be UTF-8); a window shows the name there as the file system decodes it. Empty: none.
    std::string fileName = {};

    bool operator==(const Message&) const = default;
};

}  // namespace zan
