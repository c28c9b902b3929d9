#include "axle_spectra.h"

#include <utility>

namespace zan {

namespace {

void writeSpectrum(Workspace& workspace, const AxleSpectrum& spectrum) {
    workspace.ensureAxles() = axleInputsFor(spectrum, workspace.unitSystem());
    workspace.lockUnitChoice();
}

}  // namespace

const char* builtInSpectrumName(const AxleInputs& axles, UnitSystem units) {
    const std::pair<AxleLoadCategory, const char*> categories[] = {
        {AxleLoadCategory::Light, "Light"},
        {AxleLoadCategory::Medium, "Medium"},
        {AxleLoadCategory::Heavy, "Heavy"},
        {AxleLoadCategory::VeryHeavy, "Very Heavy"},
    };
    for (const auto& [category, name] : categories)
        if (axles.rows == axleInputsFor(axleLoadCategory(category), units).rows)
            return name;
    if (axles.rows == axleInputsFor(standardAxleSpectrum(), units).rows)
        return "Standard";
    return nullptr;
}

void applyAxleLoadCategory(Workspace& workspace, AxleLoadCategory category) {
    writeSpectrum(workspace, axleLoadCategory(category));
}

void loadStandardAxleSpectrum(Workspace& workspace) {
    writeSpectrum(workspace, standardAxleSpectrum());
}

}  // namespace zan
