#pragma once
// The user guide window's control names and its own caption. These are the program's
// established names, which tests and users rely on: keep them exactly.

#include <QtGlobal>

namespace zan::userGuideWindowNames {

inline constexpr const char* kWindow = "frmUserGuide";
inline constexpr const char* kTitle =
    QT_TRANSLATE_NOOP("zan::UserGuideWindow", "ZAN Thickness Design User Guide");

inline constexpr const char* kContents = "tvwContents";  // the headings, beside the text
inline constexpr const char* kText = "txtGuide";

// The guide as built into the program (the Qt resource of docs/user-guide.md).
inline constexpr const char* kResource = ":/guide/user-guide.md";

}  // namespace zan::userGuideWindowNames
