#include "axle_spectra.h"

namespace zan {

namespace {

void writeSpectrum(Workspace& workspace, const AxleSpectrum& spectrum) {
    workspace.axles() = axleInputsFor(spectrum, workspace.unitSystem());
    workspace.lockUnitChoice();
}

}  // namespace

void applyAxleLoadCategory(Workspace& workspace, AxleLoadCategory category) {
    writeSpectrum(workspace, axleLoadCategory(category));
}

void loadStandardAxleSpectrum(Workspace& workspace) {
    writeSpectrum(workspace, standardAxleSpectrum());
}

}  // namespace zan
