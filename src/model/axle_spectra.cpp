#include "axle_spectra.h"

#include <utility>

#include "catalogue.h"
#include "numbers.h"

namespace zan {

namespace {

// Light's tandem row 9 repeats the 4 kips of row 8 with no axles and stays hidden: the
// category has only nine tandem loads.
constexpr AxleSpectrum kLight = {
    .rows = {{
        {22, 0.96, 36, 4.19},
        {20, 4.23, 32, 69.59},
        {18, 15.81, 28, 68.48},
        {16, 38.02, 24, 39.18},
        {14, 56.11, 20, 57.10},
        {12, 124.00, 16, 75.02},
        {10, 204.96, 12, 139.30},
        {8, 483.10, 8, 85.59},
        {6, 732.28, 4, 31.90},
        {4, 1693.31, 4, 0.00},
    }},
    .lastTandemRowShown = false,
};

constexpr AxleSpectrum kMedium = {
    .rows = {{
        {26, 0.07, 44, 1.16},
        {24, 1.60, 40, 7.76},
        {22, 2.60, 36, 38.79},
        {20, 6.63, 32, 54.76},
        {18, 16.61, 28, 44.43},
        {16, 23.88, 24, 30.74},
        {14, 47.76, 20, 45.00},
        {12, 116.76, 16, 59.25},
        {10, 142.70, 12, 91.15},
        {8, 233.60, 8, 47.01},
    }},
    .lastTandemRowShown = true,
};

constexpr AxleSpectrum kHeavy = {
    .rows = {{
        {30, 0.45, 52, 1.19},
        {28, 0.85, 48, 2.91},
        {26, 1.78, 44, 8.01},
        {24, 5.21, 40, 21.31},
        {22, 7.85, 36, 56.25},
        {20, 16.33, 32, 103.63},
        {18, 25.15, 28, 121.22},
        {16, 31.82, 24, 72.54},
        {14, 47.73, 20, 85.94},
        {12, 182.02, 16, 99.34},
    }},
    .lastTandemRowShown = true,
};

constexpr AxleSpectrum kVeryHeavy = {
    .rows = {{
        {34, 0.19, 60, 0.57},
        {32, 0.54, 56, 1.07},
        {30, 0.63, 52, 1.79},
        {28, 1.78, 48, 3.03},
        {26, 3.52, 44, 3.52},
        {24, 4.16, 40, 20.31},
        {22, 9.69, 36, 78.19},
        {20, 41.82, 32, 109.54},
        {18, 68.27, 28, 95.79},
        {16, 57.07, 24, 71.16},
    }},
    .lastTandemRowShown = true,
};

constexpr AxleSpectrum kStandard = {
    .rows = {{
        {30, 0.58, 52, 1.96},
        {28, 1.35, 48, 3.94},
        {26, 2.77, 44, 11.48},
        {24, 5.92, 40, 34.27},
        {22, 9.83, 36, 81.42},
        {20, 21.67, 32, 85.50},
        {18, 28.24, 28, 152.21},
        {16, 38.83, 24, 90.52},
        {14, 53.94, 20, 112.78},
        {12, 168.84, 16, 124.63},
    }},
    .lastTandemRowShown = true,
};

void writeSpectrum(Workspace& workspace, const AxleSpectrum& spectrum) {
    workspace.ensureAxles() = axleInputsFor(spectrum, workspace.unitSystem());
    workspace.lockUnitChoice();
}

std::string loadText(int kips, UnitSystem units) {
    if (units == UnitSystem::Metric)
        return formatFixed(kipsToKilonewtons(kips), 1);
    return formatFixed(static_cast<double>(kips), 0);
}

}  // namespace

const AxleSpectrum& axleLoadCategory(AxleLoadCategory category) {
    switch (category) {
        case AxleLoadCategory::Light:
            return kLight;
        case AxleLoadCategory::Medium:
            return kMedium;
        case AxleLoadCategory::Heavy:
            return kHeavy;
        case AxleLoadCategory::VeryHeavy:
            return kVeryHeavy;
    }
    return kStandard;
}

const AxleSpectrum& standardAxleSpectrum() {
    return kStandard;
}

AxleInputs axleInputsFor(const AxleSpectrum& spectrum, UnitSystem units) {
    AxleInputs axles;
    for (std::size_t i = 0; i < axles.rows.size(); ++i) {
        const SpectrumRow& from = spectrum.rows[i];
        AxleRowTexts& to = axles.rows[i];
        to.singleLoad = loadText(from.singleKips, units);
        to.singleCount = formatFixed(from.singleCount, 2);
        to.tandemLoad = loadText(from.tandemKips, units);
        to.tandemCount = formatFixed(from.tandemCount, 2);
    }
    axles.loadHeading = caption::axleLoadHeading(units);
    axles.lastTandemRowShown = spectrum.lastTandemRowShown;
    return axles;
}

const char* builtInSpectrumName(const AxleInputs& axles, UnitSystem units) {
    const std::pair<AxleLoadCategory, const char*> categories[] = {
        {AxleLoadCategory::Light, ZAN_TRANSLATE_NOOP("Spectra", "Light")},
        {AxleLoadCategory::Medium, ZAN_TRANSLATE_NOOP("Spectra", "Medium")},
        {AxleLoadCategory::Heavy, ZAN_TRANSLATE_NOOP("Spectra", "Heavy")},
        {AxleLoadCategory::VeryHeavy, ZAN_TRANSLATE_NOOP("Spectra", "Very Heavy")},
    };
    for (const auto& [category, name] : categories)
        if (axles.rows == axleInputsFor(axleLoadCategory(category), units).rows)
            return name;
    if (axles.rows == axleInputsFor(standardAxleSpectrum(), units).rows)
        return ZAN_TRANSLATE_NOOP("Spectra", "Standard");
    return nullptr;
}

void applyAxleLoadCategory(Workspace& workspace, AxleLoadCategory category) {
    writeSpectrum(workspace, axleLoadCategory(category));
}

void loadStandardAxleSpectrum(Workspace& workspace) {
    writeSpectrum(workspace, standardAxleSpectrum());
}

}  // namespace zan
