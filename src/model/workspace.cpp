#include "workspace.h"

#include "axle_spectra.h"
#include "run.h"

namespace zan {

namespace caption {

const char* thickness(UnitSystem units) {
    return units == UnitSystem::Metric ? ZAN_TRANSLATE_NOOP("Inputs", "Trial Thickness, h (cm)")
                                       : ZAN_TRANSLATE_NOOP("Inputs", "Trial Thickness, h (in)");
}

const char* subgradeModulus(UnitSystem units, bool capitalK) {
    if (units == UnitSystem::Metric)
        return capitalK ? ZAN_TRANSLATE_NOOP("Inputs", "Subgrade Modulus, K (kPa/mm)")
                        : ZAN_TRANSLATE_NOOP("Inputs", "Subgrade Modulus, k (kPa/mm)");
    return capitalK ? ZAN_TRANSLATE_NOOP("Inputs", "Subgrade Modulus, K (psi/in)")
                    : ZAN_TRANSLATE_NOOP("Inputs", "Subgrade Modulus, k (psi/in)");
}

const char* modulusOfRupture(UnitSystem units) {
    return units == UnitSystem::Metric
               ? ZAN_TRANSLATE_NOOP("Inputs", "Modulus of Rupture, Sc (kPa)")
               : ZAN_TRANSLATE_NOOP("Inputs", "Modulus of Rupture, Sc (psi)");
}

const char* axleLoadHeading(UnitSystem units) {
    return units == UnitSystem::Metric ? ZAN_TRANSLATE_NOOP("Inputs", "Axle Load (kN)")
                                       : ZAN_TRANSLATE_NOOP("Inputs", "Axle Load (kips)");
}

std::string shown(std::string_view caption) {
    return catalogue::translate(kContext, caption);
}

}  // namespace caption

PavementInputs initialPavementInputs(UnitSystem units) {
    PavementInputs p;
    if (units == UnitSystem::Metric) {
        // 9.5 in, 130 psi/in and 650 psi in Metric units: 24.13 cm, 35.23 kPa/mm, 4478.5 kPa.
        p.thickness = "24.1";
        p.subgradeModulus = "35.2";
        p.modulusOfRupture = "4479";
    } else {
        p.thickness = "9.5";
        p.subgradeModulus = "130";
        p.modulusOfRupture = "650";
    }
    p.concreteShoulder = false;
    p.doweledJoints = true;
    p.thicknessCaption = caption::thickness(units);
    p.subgradeModulusCaption = caption::subgradeModulus(units, false);
    p.modulusOfRuptureCaption = caption::modulusOfRupture(units);
    return p;
}

TrafficInputs initialTrafficInputs() {
    TrafficInputs t;
    t.averageDailyTraffic = "12900";
    t.truckPercent = "19";
    t.growthPercent = "4";
    t.directionPercent = "50";
    t.lanePercent = "81";
    t.loadSafetyFactor = "1.2";
    t.designPeriod = "20";
    return t;
}

AxleInputs initialAxleInputs(UnitSystem units) {
    return axleInputsFor(standardAxleSpectrum(), units);
}

bool Workspace::chooseUnitSystem(UnitSystem units) {
    if (m_unitChoiceLocked)
        return false;
    m_units = units;
    return true;
}

void Workspace::setUnitSystemFromFile(UnitSystem units) {
    m_units = units;
}

void Workspace::applyUnitCaptions(UnitSystem units) {
    PavementInputs& p = ensurePavement();
    p.thicknessCaption = caption::thickness(units);
    p.subgradeModulusCaption = caption::subgradeModulus(units, true);
    p.modulusOfRuptureCaption = caption::modulusOfRupture(units);
    ensureAxles().loadHeading = caption::axleLoadHeading(units);
}

namespace {

// The texts a section not yet created reads as; built once, never changed.
const PavementInputs& initialPavement(UnitSystem units) {
    static const PavementInputs english = initialPavementInputs(UnitSystem::English);
    static const PavementInputs metric = initialPavementInputs(UnitSystem::Metric);
    return units == UnitSystem::Metric ? metric : english;
}

const TrafficInputs& initialTraffic() {
    static const TrafficInputs traffic = initialTrafficInputs();
    return traffic;
}

const AxleInputs& initialAxles(UnitSystem units) {
    static const AxleInputs english = initialAxleInputs(UnitSystem::English);
    static const AxleInputs metric = initialAxleInputs(UnitSystem::Metric);
    return units == UnitSystem::Metric ? metric : english;
}

}  // namespace

const PavementInputs& Workspace::pavement() const {
    return m_pavement ? *m_pavement : initialPavement(m_units);
}

const TrafficInputs& Workspace::traffic() const {
    return m_traffic ? *m_traffic : initialTraffic();
}

const AxleInputs& Workspace::axles() const {
    return m_axles ? *m_axles : initialAxles(m_units);
}

void Workspace::createInputSections() {
    ensurePavement();
    ensureTraffic();
    ensureAxles();
}

PavementInputs& Workspace::ensurePavement() {
    if (!m_pavement) {
        m_pavement = initialPavementInputs(m_units);
        m_unitChoiceLocked = true;
    }
    return *m_pavement;
}

TrafficInputs& Workspace::ensureTraffic() {
    if (!m_traffic)
        m_traffic = initialTrafficInputs();
    return *m_traffic;
}

AxleInputs& Workspace::ensureAxles() {
    if (!m_axles) {
        m_axles = initialAxleInputs(m_units);
        m_unitChoiceLocked = true;
    }
    return *m_axles;
}

bool ProjectInfo::empty() const {
    return *this == ProjectInfo{};
}

InputSnapshot Workspace::inputSnapshot() const {
    return InputSnapshot{m_units, pavement(), traffic(), axles(), m_project};
}

void Workspace::commitRun(std::shared_ptr<const Run> run) {
    m_results = run->results();
    m_run = std::move(run);
}

RunKind Workspace::lastRunKind() const {
    return m_run ? m_run->kind() : RunKind::None;
}

bool Workspace::inputsChangedSinceRun() const {
    return m_run && inputSnapshot() != m_run->inputs();
}

bool Workspace::operator==(const Workspace& o) const {
    const bool sameRun =
        m_run == o.m_run ||
        (m_run && o.m_run && m_run->kind() == o.m_run->kind() &&
         m_run->inputs() == o.m_run->inputs() && m_run->report() == o.m_run->report());
    return sameRun && m_units == o.m_units && m_unitChoiceLocked == o.m_unitChoiceLocked &&
           m_pavement == o.m_pavement && m_traffic == o.m_traffic && m_axles == o.m_axles &&
           m_results == o.m_results && m_detailedReports == o.m_detailedReports &&
           m_project == o.m_project && m_savedInputs == o.m_savedInputs;
}

Workspace Workspace::withoutRun() const {
    Workspace copy = *this;
    copy.m_run.reset();
    return copy;
}

bool Workspace::inputsChangedSinceSaved() const {
    if (m_savedInputs)
        return inputSnapshot() != *m_savedInputs;
    // Nothing read or saved yet: the initial design of the unit system in force.
    const InputSnapshot initial{m_units, initialPavement(m_units), initialTraffic(),
                                initialAxles(m_units), ProjectInfo{}};
    return inputSnapshot() != initial;
}

}  // namespace zan
