#include "input_ranges.h"

#include <array>
#include <cmath>
#include <limits>

#include "numbers.h"
#include "workspace.h"

namespace zan {
namespace {

constexpr FieldUnit kPer1000Trucks{"per 1000 trucks"};

// The Metric bounds are the English ones converted with the factors of units.h and written
// with the digits the dialogs have always shown; the traffic inputs carry no unit.
constexpr std::array<InputRange, 14> kInputRanges = {{
    {InputField::TrialThickness,
     "thickness",
     "h1",
     "Trial slab thickness h",
     {4.0f, 20.0f},
     {"inches", "in"},
     {10.16f, 50.8f},
     {"centimetres", "cm"}},
    {InputField::SubgradeModulus,
     "subgradeModulus",
     "k",
     "Modulus of subgrade reaction k on top of the subbase",
     {20.0f, 1000.0f},
     {"psi per inch", "psi/in"},
     {5.42f, 271.0f},
     {"kPa per millimetre", "kPa/mm"}},
    {InputField::ModulusOfRupture,
     "modulusOfRupture",
     "Sc",
     "Modulus of rupture Sc of the concrete",
     {400.0f, 2000.0f},
     {"psi", "psi"},
     {2756.0f, 13780.0f},
     {"kPa", "kPa"}},
    {InputField::AverageDailyTraffic,
     "averageDailyTraffic",
     "ADT",
     "Average daily traffic ADT",
     {1.0f, 1000000.0f},
     {"vehicles per day in both directions"},
     {1.0f, 1000000.0f},
     {"vehicles per day in both directions"}},
    {InputField::TruckPercent,
     "truckPercent",
     "TD",
     "Proportion of trucks TD",
     {0.0f, 100.0f},
     {"percent of ADT", "%"},
     {0.0f, 100.0f},
     {"percent of ADT", "%"}},
    {InputField::DirectionPercent,
     "directionPercent",
     "DD",
     "Direction distribution DD",
     {0.0f, 100.0f},
     {"percent of the trucks in the design direction", "%"},
     {0.0f, 100.0f},
     {"percent of the trucks in the design direction", "%"}},
    {InputField::LanePercent,
     "lanePercent",
     "LD",
     "Lane distribution LD",
     {0.0f, 100.0f},
     {"percent of the design direction's trucks in the design lane", "%"},
     {0.0f, 100.0f},
     {"percent of the design direction's trucks in the design lane", "%"}},
    {InputField::GrowthPercent,
     "growthPercent",
     "i",
     "Annual growth rate i of the traffic",
     {0.0f, 100.0f},
     {"percent per year", "%"},
     {0.0f, 100.0f},
     {"percent per year", "%"}},
    {InputField::DesignPeriod,
     "designPeriod",
     "Years",
     "Design period",
     {1.0f, 50.0f},
     {"years", "years"},
     {1.0f, 50.0f},
     {"years", "years"}},
    {InputField::LoadSafetyFactor,
     "loadSafetyFactor",
     "LSF",
     "Load safety factor LSF",
     {1.0f, 1.3f},
     {"a multiplier on every axle load"},
     {1.0f, 1.3f},
     {"a multiplier on every axle load"}},
    {InputField::SingleAxleLoad,
     "singleLoad",
     "Single Axle Load",
     "Load of one single axle of this row, before the load safety factor",
     {2.0f, 100.0f},
     {"kips", "kips"},
     {8.9f, 445.0f},
     {"kilonewtons", "kN"}},
    {InputField::SingleAxleCount,
     "singleCount",
     "Single Axle",
     "Number of single axles of this row's load",
     {0.0f, 10000.0f},
     kPer1000Trucks,
     {0.0f, 10000.0f},
     kPer1000Trucks},
    // The tandem load and count share one name in the messages.
    {InputField::TandemAxleLoad,
     "tandemLoad",
     "Tandem Axle",
     "Load of one tandem axle of this row, before the load safety factor",
     {4.0f, 200.0f},
     {"kips", "kips"},
     {17.8f, 890.0f},
     {"kilonewtons", "kN"}},
    {InputField::TandemAxleCount,
     "tandemCount",
     "Tandem Axle",
     "Number of tandem axles of this row's load",
     {0.0f, 10000.0f},
     kPer1000Trucks,
     {0.0f, 10000.0f},
     kPer1000Trucks},
}};

constexpr bool tableInFieldOrder() {
    for (std::size_t i = 0; i < kInputRanges.size(); ++i)
        if (static_cast<std::size_t>(kInputRanges[i].field) != i)
            return false;
    return true;
}
// inputRange() indexes the table by the field.
static_assert(tableInFieldOrder());

// The value rounded to single precision; beyond the float range it is an infinity, whose
// conversion would otherwise be undefined.
float toSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<float>::infinity();
    if (value < -largest)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace

std::span<const InputRange> inputRanges() {
    return kInputRanges;
}

const InputRange& inputRange(InputField field) {
    return kInputRanges[static_cast<std::size_t>(field)];
}

const InputRange* findInputRange(std::string_view id) {
    for (const InputRange& entry : kInputRanges)
        if (id == entry.id)
            return &entry;
    return nullptr;
}

std::string boundText(float bound) {
    return formatSignificant(static_cast<double>(bound), 7);
}

std::string typicalRangeText(const FieldRange& range) {
    return boundText(range.minimum) + " to " + boundText(range.maximum);
}

std::string fieldTooltip(InputField field, UnitSystem units) {
    const InputRange& entry = inputRange(field);
    const FieldUnit& unit = entry.unit(units);
    std::string tip = std::string(entry.meaning) + ", " + unit.words + ". Typical range " +
                      typicalRangeText(entry.range(units));
    if (unit.symbol)
        tip += std::string(" ") + unit.symbol;
    return tip + ".";
}

std::string invalidNumberMessage(std::string_view name) {
    return std::string(name) + " is an invalid number; please try again!";
}

// Both bounds are named whichever was violated, in the spacing the program has always shown.
std::string rangeQuestion(const FieldRange& range, bool belowMinimum) {
    return std::string(range.name) + " is not within the typical data range( " +
           boundText(range.minimum) + ",  " + boundText(range.maximum) + "). " +
           (belowMinimum ? "Accept the suggested minimum value?"
                         : "Accept the suggested maximum value?");
}

std::string keepValueMessage(std::string_view name) {
    return "Keep the " + std::string(name) + " input value anyway!";
}

RangePosition rangePosition(double value, const FieldRange& range) {
    const float v = toSingle(value);
    if (v < range.minimum)
        return RangePosition::Below;
    if (v <= range.maximum)
        return RangePosition::Inside;
    return RangePosition::Above;  // a NaN too: it is no value within the range
}

bool isAxleField(InputField field) {
    return field >= InputField::SingleAxleLoad;
}

const std::string& inputText(const Workspace& workspace, InputField field, std::size_t row) {
    const PavementInputs& p = workspace.pavement();
    const TrafficInputs& t = workspace.traffic();
    const AxleRowTexts& a = workspace.axles().rows.at(isAxleField(field) ? row : 0);
    switch (field) {
        case InputField::TrialThickness:
            return p.thickness;
        case InputField::SubgradeModulus:
            return p.subgradeModulus;
        case InputField::ModulusOfRupture:
            return p.modulusOfRupture;
        case InputField::AverageDailyTraffic:
            return t.averageDailyTraffic;
        case InputField::TruckPercent:
            return t.truckPercent;
        case InputField::DirectionPercent:
            return t.directionPercent;
        case InputField::LanePercent:
            return t.lanePercent;
        case InputField::GrowthPercent:
            return t.growthPercent;
        case InputField::DesignPeriod:
            return t.designPeriod;
        case InputField::LoadSafetyFactor:
            return t.loadSafetyFactor;
        case InputField::SingleAxleLoad:
            return a.singleLoad;
        case InputField::SingleAxleCount:
            return a.singleCount;
        case InputField::TandemAxleLoad:
            return a.tandemLoad;
        case InputField::TandemAxleCount:
            return a.tandemCount;
    }
    return p.thickness;
}

std::string inputCaption(const Workspace& workspace, InputField field, std::size_t row) {
    const PavementInputs& p = workspace.pavement();
    const std::string rowText = ", row " + std::to_string(row + 1);
    const char* loadUnit = workspace.unitSystem() == UnitSystem::Metric ? " (kN)" : " (kips)";
    switch (field) {
        case InputField::TrialThickness:
            return p.thicknessCaption;
        case InputField::SubgradeModulus:
            return p.subgradeModulusCaption;
        case InputField::ModulusOfRupture:
            return p.modulusOfRuptureCaption;
        case InputField::AverageDailyTraffic:
            return caption::kAverageDailyTraffic;
        case InputField::TruckPercent:
            return caption::kTruckPercent;
        case InputField::DirectionPercent:
            return caption::kDirectionPercent;
        case InputField::LanePercent:
            return caption::kLanePercent;
        case InputField::GrowthPercent:
            return caption::kGrowthPercent;
        case InputField::DesignPeriod:
            return caption::kDesignPeriod;
        case InputField::LoadSafetyFactor:
            return caption::kLoadSafetyFactor;
        case InputField::SingleAxleLoad:
            return "Single Axle Load" + rowText + loadUnit;
        case InputField::SingleAxleCount:
            return "Single Axles per 1000 Trucks" + rowText;
        case InputField::TandemAxleLoad:
            return "Tandem Axle Load" + rowText + loadUnit;
        case InputField::TandemAxleCount:
            return "Tandem Axles per 1000 Trucks" + rowText;
    }
    return {};
}

std::vector<OutOfRangeInput> inputsOutsideRanges(const Workspace& workspace) {
    std::vector<OutOfRangeInput> outside;
    const UnitSystem units = workspace.unitSystem();
    auto check = [&](const InputRange& entry, std::size_t row) {
        const std::string& text = inputText(workspace, entry.field, row);
        // The value the analysis reads from the text: "12,900" is 12, "abc" is 0.
        if (rangePosition(parseNumber(text), entry.range(units)) == RangePosition::Inside)
            return;
        outside.push_back({entry.field, isAxleField(entry.field) ? static_cast<int>(row) + 1 : 0,
                           inputCaption(workspace, entry.field, row), text, entry.range(units)});
    };
    for (const InputRange& entry : kInputRanges)
        if (!isAxleField(entry.field))
            check(entry, 0);
    for (std::size_t row = 0; row < workspace.axles().rows.size(); ++row)
        for (const InputRange& entry : kInputRanges)
            if (isAxleField(entry.field))
                check(entry, row);
    return outside;
}

std::string outOfRangeText(const OutOfRangeInput& input) {
    return input.caption + " = " + input.text + " is outside the typical range " +
           typicalRangeText(input.range);
}

}  // namespace zan
