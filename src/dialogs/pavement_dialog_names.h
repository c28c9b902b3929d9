#pragma once
// The pavement dialog's control names and its own captions. These are the program's
// established names, which tests and users rely on: keep them exactly.

#include <QtGlobal>

namespace zan::pavementDialogNames {

inline constexpr const char* kDialog = "frmZanSlab";
inline constexpr const char* kTitle = QT_TRANSLATE_NOOP("zan::InputDialog", "Pavement Data");

inline constexpr const char* kThicknessLabel = "h1";
inline constexpr const char* kThicknessField = "h1_V";
inline constexpr const char* kSubgradeLabel = "k1";
inline constexpr const char* kSubgradeField = "k1_V";
inline constexpr const char* kRuptureLabel = "Sc";
inline constexpr const char* kRuptureField = "Sc_V";

inline constexpr const char* kShoulderFrame = "Frame3";
inline constexpr const char* kShoulderYes = "Option1";
inline constexpr const char* kShoulderNo = "Option2";
inline constexpr const char* kDowelFrame = "Frame1";
inline constexpr const char* kDowelYes = "OptDowelYes";
inline constexpr const char* kDowelNo = "optDowelNo";

inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kCancelCaption = QT_TRANSLATE_NOOP("zan::InputDialog", "Cancel");

}  // namespace zan::pavementDialogNames
