#pragma once
// The traffic dialog's control names and its own captions. These are the program's
// established names, which tests and users rely on: keep them exactly.

#include <QtGlobal>

namespace zan::trafficDialogNames {

inline constexpr const char* kDialog = "frmZanTraffic";
inline constexpr const char* kTitle = QT_TRANSLATE_NOOP("zan::InputDialog", "Traffic Data");

// Each value field beside its label.
inline constexpr const char* kTrafficLabel = "ADT";
inline constexpr const char* kTrafficField = "ADT_V";
inline constexpr const char* kTrucksLabel = "track";
inline constexpr const char* kTrucksField = "TD_V";
inline constexpr const char* kGrowthLabel = "grow";
inline constexpr const char* kGrowthField = "grow_V";
inline constexpr const char* kDirectionLabel = "DD";
inline constexpr const char* kDirectionField = "DD_V";
inline constexpr const char* kLaneLabel = "LD";
inline constexpr const char* kLaneField = "LD_V";
inline constexpr const char* kSafetyFactorLabel = "LSF";
inline constexpr const char* kSafetyFactorField = "LSF_V";
inline constexpr const char* kYearsLabel = "Years";
inline constexpr const char* kYearsField = "Years_V";

inline constexpr const char* kOk = "ok";
inline constexpr const char* kCancel = "cancel";
inline constexpr const char* kCancelCaption = QT_TRANSLATE_NOOP("zan::InputDialog", "Cancel");

}  // namespace zan::trafficDialogNames
