#pragma once
// The axle-load dialog's control names and its own captions. These are the program's
// established names, which tests and users rely on: keep them exactly.

#include <QtGlobal>

namespace zan::axleLoadDialogNames {

inline constexpr const char* kDialog = "frmZanAxle";
inline constexpr const char* kTitle = QT_TRANSLATE_NOOP("zan::InputDialog", "Axle-Load Categories");

// The four columns of value fields, left to right. A field's name is its column's, '_' and
// the row 0 to 9 from the top: ssingle_0, ssingle_V_0, tandem_0, tandem_V_0, ...
inline constexpr const char* kSingleLoads = "ssingle";
inline constexpr const char* kSingleCounts = "ssingle_V";
inline constexpr const char* kTandemLoads = "tandem";
inline constexpr const char* kTandemCounts = "tandem_V";

// The load headings over the single and the tandem columns, and the column headings below.
inline constexpr const char* kSingleHeading = "Label9";
inline constexpr const char* kTandemHeading = "Label6";
inline constexpr const char* kSingleLoadColumn = "Label8";
inline constexpr const char* kSingleCountColumn = "Label5";
inline constexpr const char* kTandemLoadColumn = "Label3";
inline constexpr const char* kTandemCountColumn = "Label10";

inline constexpr const char* kOk = "ok";
inline constexpr const char* kCancel = "cancel";
inline constexpr const char* kCancelCaption = QT_TRANSLATE_NOOP("zan::InputDialog", "&Cancel");

}  // namespace zan::axleLoadDialogNames
