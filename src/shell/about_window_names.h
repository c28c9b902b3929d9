#pragma once
// The About window's control names and its own captions. These are the program's established
// names, which tests and users rely on: keep them exactly.

#include <QtGlobal>

namespace zan::aboutWindowNames {

inline constexpr const char* kWindow = "frmAbout";
inline constexpr const char* kTitlePrefix =
    QT_TRANSLATE_NOOP("zan::AboutWindow", "About ");  // before the application's short name

inline constexpr const char* kPanel = "Picture1";  // the left column with the logo and buttons
inline constexpr const char* kLogo = "Picture2";
inline constexpr const char* kMore = "cmdAddInfo";
inline constexpr const char* kMoreCaption = QT_TRANSLATE_NOOP("zan::AboutWindow", "&More");
inline constexpr const char* kOk = "cmdOK";
inline constexpr const char* kOkCaption = QT_TRANSLATE_NOOP("zan::AboutWindow", "&OK");
inline constexpr const char* kText = "Text1";

}  // namespace zan::aboutWindowNames
