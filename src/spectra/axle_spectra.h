#pragma once
// The commands that write a built-in axle-load spectrum (model/axle_spectrum_tables.h) into
// the workspace: an axle-load category of Edit > Axle Load Cat..., or the standard spectrum
// of Input Axles.

#include <array>

#include "model/axle_spectrum_tables.h"
#include "model/workspace.h"

namespace zan {

// The commands that write them, as the window's menu and the web page's buttons name them:
// spelt as the program has always spelt them, the categories in AxleLoadCategory's order.
inline constexpr const char* kCategoryCommandContext = "Categories";
inline constexpr std::array<const char*, 4> kCategoryCommands = {
    ZAN_TRANSLATE_NOOP("Categories", "&Light"), ZAN_TRANSLATE_NOOP("Categories", "&Medium"),
    ZAN_TRANSLATE_NOOP("Categories", "&Heavry"), ZAN_TRANSLATE_NOOP("Categories", "&Veray Heavy")};
inline constexpr const char* kInputAxlesCommand = ZAN_TRANSLATE_NOOP("Categories", "&Input Axles");

// The name of the built-in spectrum whose texts the rows hold exactly in `units` ("Light",
// "Medium", "Heavy", "Very Heavy" or "Standard", in English: shown, it is translated in the
// context "Spectra"), or null when they hold any other spectrum.
const char* builtInSpectrumName(const AxleInputs& axles, UnitSystem units);

// Both overwrite the whole axle-load section (creating it if needed) and lock the unit
// choice; the pavement, traffic and results are left as they are.
void applyAxleLoadCategory(Workspace& workspace, AxleLoadCategory category);
void loadStandardAxleSpectrum(Workspace& workspace);

}  // namespace zan
