#pragma once
// The built-in axle-load spectra and the commands that write one into the workspace: the four
// axle-load categories of Edit > Axle Load Cat... and the standard spectrum of Input Axles,
// which is also what a new axle-load section holds. Loads are kept in whole kips and converted
// to kN only when texts are written, so both unit systems show the same spectrum.

#include <array>

#include "workspace.h"

namespace zan {

enum class AxleLoadCategory { Light, Medium, Heavy, VeryHeavy };

struct SpectrumRow {
    int singleKips;
    double singleCount;  // axles per 1000 trucks
    int tandemKips;
    double tandemCount;  // axles per 1000 trucks
};

struct AxleSpectrum {
    std::array<SpectrumRow, kAxleRows> rows;  // row 0 holds the heaviest loads
    bool lastTandemRowShown;
};

const AxleSpectrum& axleLoadCategory(AxleLoadCategory category);
const AxleSpectrum& standardAxleSpectrum();

// The 40 texts, the load heading and the row-9 visibility the axle-load section shows for
// `spectrum` in `units`.
AxleInputs axleInputsFor(const AxleSpectrum& spectrum, UnitSystem units);

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
