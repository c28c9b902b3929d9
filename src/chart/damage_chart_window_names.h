#pragma once
// The damage chart window's control names and its own captions (its title and the
// alternatives' caption are the memo's, io/memo_document.h). These are the program's
// established names, which tests and users rely on: keep them exactly.

#include <QtGlobal>

namespace zan::damageChartWindowNames {

inline constexpr const char* kWindow = "frmDamageChart";

inline constexpr const char* kCharts = "charts";  // what Save Image writes
inline constexpr const char* kDamagePlot = "plotDamage";
inline constexpr const char* kAxleDamagePlot = "plotAxleDamage";
inline constexpr const char* kTornadoPlot = "plotTornado";
inline constexpr const char* kSensitivityTable = "tblSensitivity";
inline constexpr const char* kAlternativesTable = "tblAlternatives";
// Shown instead of the charts while the core refuses the inputs.
inline constexpr const char* kMessage = "lblMessage";
// Holds the charts, so that they scroll on a screen too small for them.
inline constexpr const char* kScroll = "scrCharts";
// Over the charts while the inputs differ from those of the run they show.
inline constexpr const char* kInputsChanged = "lblChartInputsChanged";

inline constexpr const char* kSaveImage = "cmdSaveImage";
inline constexpr const char* kSaveImageCaption =
    QT_TRANSLATE_NOOP("zan::DamageChartWindow", "Save &Image...");
inline constexpr const char* kClose = "cmdClose";
inline constexpr const char* kCloseCaption = QT_TRANSLATE_NOOP("zan::DamageChartWindow", "&Close");

}  // namespace zan::damageChartWindowNames
