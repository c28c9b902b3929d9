#pragma once
// The built-in axle-load spectra: the four axle-load categories of Edit > Axle Load Cat...
// and the standard spectrum of Input Axles, which is also what a new axle-load section holds.
// Loads are kept in whole kips and converted to kN only when texts are written, so both unit
// systems show the same spectrum. Writing a spectrum into a workspace is spectra's work
// (spectra/axle_spectra.h).

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

}  // namespace zan
