#include "axle_spectra.h"

#include <utility>

#include "model/catalogue.h"

namespace zan {

namespace {

void writeSpectrum(Workspace& workspace, const AxleSpectrum& spectrum) {
    workspace.ensureAxles() = axleInputsFor(spectrum, workspace.unitSystem());
    workspace.lockUnitChoice();
}

}  // namespace

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
