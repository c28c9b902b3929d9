#include "sensitivity.h"

#include <cmath>

#include "design_search.h"
#include "numbers.h"
#include "workspace.h"

namespace zan {
namespace {

SensitivityCase caseOf(const DesignSearch& found, const std::string& text) {
    SensitivityCase c;
    c.text = text;
    if (found)
        c.thickness = found->thickness;
    else
        c.message = designSearchErrorMessage(found.error());
    return c;
}

SensitivityCase searchWith(const Workspace& workspace, const DesignSearch& base,
                           SensitivityInput input, double value) {
    // Only the copy takes the changed text; editing it creates its section there.
    Workspace changed = workspace;
    std::string& text = ensureSensitivityText(changed, input);
    text = formatSignificant(value);
    return caseOf(
        base ? searchDesignThicknessNear(changed, base->thickness) : searchDesignThickness(changed),
        text);
}

}  // namespace

std::string sensitivityInputName(SensitivityInput input, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    switch (input) {
        case SensitivityInput::SubgradeModulus:
            return metric ? "k (kPa/mm)" : "k (psi/in)";
        case SensitivityInput::ModulusOfRupture:
            return metric ? "Sc (kPa)" : "Sc (psi)";
        case SensitivityInput::AverageDailyTraffic:
            return "ADT";
        case SensitivityInput::TruckPercent:
            return "TD (%)";
        case SensitivityInput::GrowthPercent:
            return "Growth rate (%)";
        case SensitivityInput::LoadSafetyFactor:
            return "LSF";
        case SensitivityInput::DesignPeriod:
            return "Design period (years)";
    }
    return "Input";
}

namespace {

// Where each input's text lives: a member of the pavement section, or else of the traffic
// section.
std::string PavementInputs::*pavementText(SensitivityInput input) {
    switch (input) {
        case SensitivityInput::SubgradeModulus:
            return &PavementInputs::subgradeModulus;
        case SensitivityInput::ModulusOfRupture:
            return &PavementInputs::modulusOfRupture;
        default:
            return nullptr;
    }
}

std::string TrafficInputs::*trafficText(SensitivityInput input) {
    switch (input) {
        case SensitivityInput::AverageDailyTraffic:
            return &TrafficInputs::averageDailyTraffic;
        case SensitivityInput::TruckPercent:
            return &TrafficInputs::truckPercent;
        case SensitivityInput::GrowthPercent:
            return &TrafficInputs::growthPercent;
        case SensitivityInput::LoadSafetyFactor:
            return &TrafficInputs::loadSafetyFactor;
        default:
            return &TrafficInputs::designPeriod;
    }
}

}  // namespace

std::string& ensureSensitivityText(Workspace& workspace, SensitivityInput input) {
    if (auto member = pavementText(input))
        return workspace.ensurePavement().*member;
    return workspace.ensureTraffic().*trafficText(input);
}

const std::string& sensitivityText(const Workspace& workspace, SensitivityInput input) {
    if (auto member = pavementText(input))
        return workspace.pavement().*member;
    return workspace.traffic().*trafficText(input);
}

Sensitivity sensitivity(const Workspace& workspace) {
    return sensitivity(workspace, searchDesignThickness(workspace));
}

Sensitivity sensitivity(const Workspace& workspace, const DesignSearch& base) {
    Sensitivity result;
    result.units = workspace.unitSystem();
    result.base = caseOf(base, "");

    for (SensitivityInput input : kSensitivityInputs) {
        SensitivityRow row;
        row.input = input;
        const std::string& text = sensitivityText(workspace, input);
        row.value = parseNumber(text);
        if (!std::isfinite(row.value)) {
            // Its text would read back as something else entirely ("Overflow" reads 0); the
            // base search has already refused it.
            row.lower = row.upper = result.base;
            row.lower.text = row.upper.text = text;
        } else {
            row.lower = searchWith(workspace, base, input, row.value * kSensitivityLowerFactor);
            row.upper = searchWith(workspace, base, input, row.value * kSensitivityUpperFactor);
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

}  // namespace zan
