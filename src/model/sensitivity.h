#pragma once
// How the recommended thickness moves when one design input is 20 % lower or higher: tells
// the engineer which inputs deserve a second look (a subgrade test, a better traffic count)
// before the thickness is fixed. Every case is a thickness search of its own on a copy of
// the workspace; the user's texts are never changed.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "design_search.h"
#include "input_field.h"
#include "units.h"

namespace zan {

class Workspace;

// The inputs varied, in the order of the table's rows; each is named by its short name
// (model/input_ranges.h: shortInputName).
inline constexpr std::array<InputField, 7> kSensitivityInputs = {
    InputField::SubgradeModulus, InputField::ModulusOfRupture, InputField::AverageDailyTraffic,
    InputField::TruckPercent,    InputField::GrowthPercent,    InputField::LoadSafetyFactor,
    InputField::DesignPeriod,
};

// Each input is moved by 20 % either way.
inline constexpr double kSensitivityLowerFactor = 0.8;
inline constexpr double kSensitivityUpperFactor = 1.2;

// One thickness search.
struct SensitivityCase {
    std::string text;                // the input text the search ran with
    std::optional<float> thickness;  // the recommended thickness, in or cm
    std::string message;             // the search's message when it found none

    bool operator==(const SensitivityCase&) const = default;
};

struct SensitivityRow {
    InputField input = InputField::SubgradeModulus;
    double value = 0.0;     // the user's text as the analysis reads it
    SensitivityCase lower;  // value × 0.8
    SensitivityCase upper;  // value × 1.2

    bool operator==(const SensitivityRow&) const = default;
};

struct Sensitivity {
    UnitSystem units = UnitSystem::English;
    SensitivityCase base;              // the inputs as they are (its text is empty)
    std::vector<SensitivityRow> rows;  // in the order of kSensitivityInputs

    bool operator==(const Sensitivity&) const = default;
};

// The changed value is written as plain decimal text with seven significant digits, which
// the search reads back exactly as a typed value. An input too large to compute with is not
// varied: both its cases carry the base search's refusal. The workspace is not changed.
Sensitivity sensitivity(const Workspace& workspace);
// The same with the outcome of the workspace's own search, made once for the whole chart; the
// changed designs' searches start near its thickness.
Sensitivity sensitivity(const Workspace& workspace, const DesignSearch& base);

}  // namespace zan
