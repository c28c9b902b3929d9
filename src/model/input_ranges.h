#pragma once
// The typical data ranges of the numeric inputs, with what each input means and its unit.
// One table serves every front end: the dialogs' OK checks and tooltips, zan-report's range
// warnings and the web page. The ranges are advice: a value outside is questioned in the
// dialogs and warned about in batch runs, never refused.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "units.h"

namespace zan {

// Every numeric input. Within the pavement and traffic blocks the order is the order in
// which OK checks the fields; the axle-load dialog checks its four columns row by row.
enum class InputField {
    TrialThickness,
    SubgradeModulus,
    ModulusOfRupture,
    AverageDailyTraffic,
    TruckPercent,
    DirectionPercent,
    LanePercent,
    GrowthPercent,
    DesignPeriod,
    LoadSafetyFactor,
    SingleAxleLoad,
    SingleAxleCount,
    TandemAxleLoad,
    TandemAxleCount,
};

// An input's unit: in words after its meaning, and as a symbol after the range bounds. A pure
// number (a count, a factor) has no symbol.
struct FieldUnit {
    const char* words;
    const char* symbol = nullptr;
};

// A field as the range check sees it: the name its messages show and its typical range, both
// bounds inclusive. The bounds are single precision, as the comparison is.
struct FieldRange {
    const char* name;
    float minimum;
    float maximum;
};

struct Bounds {
    float minimum;
    float maximum;
};

struct InputRange {
    InputField field;
    const char* id;       // stable key for other front ends: the workspace member's name
    const char* name;     // in the check messages: "h1", "ADT", "Single Axle Load"
    const char* meaning;  // the tooltip's first words
    Bounds english;
    FieldUnit englishUnit;
    Bounds metric;
    FieldUnit metricUnit;

    FieldRange range(UnitSystem units) const {
        const Bounds& b = units == UnitSystem::Metric ? metric : english;
        return {name, b.minimum, b.maximum};
    }
    const FieldUnit& unit(UnitSystem units) const {
        return units == UnitSystem::Metric ? metricUnit : englishUnit;
    }
};

// All fourteen, in the order of InputField.
std::span<const InputRange> inputRanges();
const InputRange& inputRange(InputField field);
// The entry with this id, or nullptr.
const InputRange* findInputRange(std::string_view id);

// A bound as the range question and the tooltips write it: its single-precision value in
// plain decimal with at most seven significant digits, 10.16 and not 10.1599998.
std::string boundText(float bound);
// "4 to 20"
std::string typicalRangeText(const FieldRange& range);

// Meaning, unit words and range as one sentence pair:
// "Trial slab thickness h, inches. Typical range 4 to 20 in."
std::string fieldTooltip(InputField field, UnitSystem units);

// The texts of the range check's messages; every one is titled kInputCheckTitle except the
// one that confirms a kept value, which has no title of its own.
inline constexpr const char* kInputCheckTitle = "Input Data Check";
std::string invalidNumberMessage(std::string_view name);
std::string rangeQuestion(const FieldRange& range, bool belowMinimum);
std::string keepValueMessage(std::string_view name);

// Where a value lies, compared as the check compares: rounded to single precision, both
// bounds inclusive. A value beyond the float range counts as infinitely large or small.
enum class RangePosition { Below, Inside, Above };
RangePosition rangePosition(double value, const FieldRange& range);

class Workspace;

// An input of a workspace whose value (as the analysis reads its text) lies outside the
// typical range of the workspace's unit system.
struct OutOfRangeInput {
    InputField field;
    int row;              // 1 to 10 for an axle-load row, 0 otherwise
    std::string caption;  // as the report names the input: "Trial Thickness, h (in)"
    std::string text;     // as entered
    FieldRange range;
};

// The text of an input and its caption as the report names it; `row` (0 to 9) counts only
// for the axle-load fields.
const std::string& inputText(const Workspace& workspace, InputField field, std::size_t row);
std::string inputCaption(const Workspace& workspace, InputField field, std::size_t row);
bool isAxleField(InputField field);

// In table order, axle rows top down; empty when every input lies within its range.
std::vector<OutOfRangeInput> inputsOutsideRanges(const Workspace& workspace);
// "Trial Thickness, h (in) = 80 is outside the typical range 4 to 20"
std::string outOfRangeText(const OutOfRangeInput& input);

}  // namespace zan
