#include "input_ranges.h"

#include <array>
#include <cmath>
#include <limits>

#include "numbers.h"
#include "workspace.h"

namespace zan {
namespace {

constexpr FieldUnit kPer1000Trucks{ZAN_TRANSLATE_NOOP("Inputs", "per 1000 trucks")};

// The Metric bounds are the English ones converted with the factors of units.h and written
// with the digits the dialogs have always shown; the traffic inputs carry no unit.
constexpr std::array<InputRange, 14> kInputRanges = {{
    {.field = InputField::TrialThickness,
     .id = "thickness",
     .webId = "h",
     .name = "h1",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Trial slab thickness h"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The trial thickness h"),
     .subjectUnit = true,
     .english = {4.0f, 20.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "inches"), "in"},
     .metric = {10.16f, 50.8f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "centimetres"), "cm"},
     .pavementText = &PavementInputs::thickness,
     .pavementCaption = &PavementInputs::thicknessCaption,
     .reportLine = 1,
     .reportDecimals = 2},
    {.field = InputField::SubgradeModulus,
     .id = "subgradeModulus",
     .webId = "k",
     .name = "k",
     .meaning =
         ZAN_TRANSLATE_NOOP("Inputs", "Modulus of subgrade reaction k on top of the subbase"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The subgrade modulus k"),
     .subjectUnit = true,
     .shortName = "k",
     .english = {20.0f, 1000.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "psi per inch"), "psi/in"},
     .metric = {5.42f, 271.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "kPa per millimetre"), "kPa/mm"},
     .pavementText = &PavementInputs::subgradeModulus,
     .pavementCaption = &PavementInputs::subgradeModulusCaption,
     .reportLine = 2,
     .reportDecimals = 0},
    {.field = InputField::ModulusOfRupture,
     .id = "modulusOfRupture",
     .webId = "Sc",
     .name = "Sc",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Modulus of rupture Sc of the concrete"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The modulus of rupture Sc"),
     .subjectUnit = true,
     .shortName = "Sc",
     .english = {400.0f, 2000.0f},
     .englishUnit = {"psi", "psi"},
     .metric = {2756.0f, 13780.0f},
     .metricUnit = {"kPa", "kPa"},
     .pavementText = &PavementInputs::modulusOfRupture,
     .pavementCaption = &PavementInputs::modulusOfRuptureCaption,
     .reportLine = 3,
     .reportDecimals = 0},
    {.field = InputField::AverageDailyTraffic,
     .id = "averageDailyTraffic",
     .webId = "ADT",
     .name = "ADT",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Average daily traffic ADT"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The average daily traffic ADT"),
     .shortName = "ADT",
     .caption = caption::kAverageDailyTraffic,
     .english = {1.0f, 1000000.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "vehicles per day in both directions")},
     .metric = {1.0f, 1000000.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "vehicles per day in both directions")},
     .trafficText = &TrafficInputs::averageDailyTraffic,
     .reportLine = 4,
     .reportDecimals = 0},
    {.field = InputField::TruckPercent,
     .id = "truckPercent",
     .webId = "TD",
     .name = "TD",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Proportion of trucks TD"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The proportion of trucks TD"),
     .shortName = "TD",
     .caption = caption::kTruckPercent,
     .english = {0.0f, 100.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "percent of ADT"), "%"},
     .metric = {0.0f, 100.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "percent of ADT"), "%"},
     .trafficText = &TrafficInputs::truckPercent,
     .reportLine = 5,
     .reportDecimals = 0},
    {.field = InputField::DirectionPercent,
     .id = "directionPercent",
     .webId = "DD",
     .name = "DD",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Direction distribution DD"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The direction distribution DD"),
     .caption = caption::kDirectionPercent,
     .english = {0.0f, 100.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "percent of the trucks in the design direction"),
                     "%"},
     .metric = {0.0f, 100.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "percent of the trucks in the design direction"),
                    "%"},
     .trafficText = &TrafficInputs::directionPercent,
     .reportLine = 7,
     .reportDecimals = 0},
    {.field = InputField::LanePercent,
     .id = "lanePercent",
     .webId = "LD",
     .name = "LD",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Lane distribution LD"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The lane distribution LD"),
     .caption = caption::kLanePercent,
     .english = {0.0f, 100.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP(
                         "Inputs", "percent of the design direction's trucks in the design lane"),
                     "%"},
     .metric = {0.0f, 100.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP(
                        "Inputs", "percent of the design direction's trucks in the design lane"),
                    "%"},
     .trafficText = &TrafficInputs::lanePercent,
     .reportLine = 8,
     .reportDecimals = 0},
    {.field = InputField::GrowthPercent,
     .id = "growthPercent",
     .webId = "grow",
     .name = "i",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Annual growth rate i of the traffic"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The annual growth rate i"),
     .shortName = ZAN_TRANSLATE_NOOP("Inputs", "Growth rate"),
     .caption = caption::kGrowthPercent,
     .english = {0.0f, 100.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "percent per year"), "%"},
     .metric = {0.0f, 100.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "percent per year"), "%"},
     .trafficText = &TrafficInputs::growthPercent,
     .reportLine = 6,
     .reportDecimals = 0},
    {.field = InputField::DesignPeriod,
     .id = "designPeriod",
     .webId = "Years",
     .name = ZAN_TRANSLATE_NOOP("Inputs", "Years"),
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Design period"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The design period"),
     .shortName = ZAN_TRANSLATE_NOOP("Inputs", "Design period"),
     .caption = caption::kDesignPeriod,
     .english = {1.0f, 50.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "years"), ZAN_TRANSLATE_NOOP("Inputs", "years")},
     .metric = {1.0f, 50.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "years"), ZAN_TRANSLATE_NOOP("Inputs", "years")},
     .trafficText = &TrafficInputs::designPeriod,
     .reportLine = 9,
     .reportDecimals = 0},
    {.field = InputField::LoadSafetyFactor,
     .id = "loadSafetyFactor",
     .webId = "LSF",
     .name = "LSF",
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Load safety factor LSF"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The load safety factor LSF"),
     .shortName = "LSF",
     .caption = caption::kLoadSafetyFactor,
     .english = {1.0f, 1.3f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "a multiplier on every axle load")},
     .metric = {1.0f, 1.3f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "a multiplier on every axle load")},
     .trafficText = &TrafficInputs::loadSafetyFactor,
     .reportLine = 10,
     .reportDecimals = 2},
    {.field = InputField::SingleAxleLoad,
     .id = "singleLoad",
     .webId = "single-load",
     .name = ZAN_TRANSLATE_NOOP("Inputs", "Single Axle Load"),
     .meaning = ZAN_TRANSLATE_NOOP(
         "Inputs", "Load of one single axle of this row, before the load safety factor"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The single axle load"),
     .subjectUnit = true,
     .caption = ZAN_TRANSLATE_NOOP("Inputs", "Single Axle Load"),
     .english = {2.0f, 100.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "kips"), "kips"},
     .metric = {8.9f, 445.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "kilonewtons"), "kN"},
     .axleText = &AxleRowTexts::singleLoad},
    {.field = InputField::SingleAxleCount,
     .id = "singleCount",
     .webId = "single-count",
     .name = ZAN_TRANSLATE_NOOP("Inputs", "Single Axle"),
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Number of single axles of this row's load"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The number of single axles per 1000 trucks"),
     .caption = ZAN_TRANSLATE_NOOP("Inputs", "Single Axles per 1000 Trucks"),
     .english = {0.0f, 10000.0f},
     .englishUnit = kPer1000Trucks,
     .metric = {0.0f, 10000.0f},
     .metricUnit = kPer1000Trucks,
     .axleText = &AxleRowTexts::singleCount},
    // The tandem load and count share one name in the messages.
    {.field = InputField::TandemAxleLoad,
     .id = "tandemLoad",
     .webId = "tandem-load",
     .name = ZAN_TRANSLATE_NOOP("Inputs", "Tandem Axle"),
     .meaning = ZAN_TRANSLATE_NOOP(
         "Inputs", "Load of one tandem axle of this row, before the load safety factor"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The tandem axle load"),
     .subjectUnit = true,
     .caption = ZAN_TRANSLATE_NOOP("Inputs", "Tandem Axle Load"),
     .english = {4.0f, 200.0f},
     .englishUnit = {ZAN_TRANSLATE_NOOP("Inputs", "kips"), "kips"},
     .metric = {17.8f, 890.0f},
     .metricUnit = {ZAN_TRANSLATE_NOOP("Inputs", "kilonewtons"), "kN"},
     .axleText = &AxleRowTexts::tandemLoad},
    {.field = InputField::TandemAxleCount,
     .id = "tandemCount",
     .webId = "tandem-count",
     .name = ZAN_TRANSLATE_NOOP("Inputs", "Tandem Axle"),
     .meaning = ZAN_TRANSLATE_NOOP("Inputs", "Number of tandem axles of this row's load"),
     .subject = ZAN_TRANSLATE_NOOP("Inputs", "The number of tandem axles per 1000 trucks"),
     .caption = ZAN_TRANSLATE_NOOP("Inputs", "Tandem Axles per 1000 Trucks"),
     .english = {0.0f, 10000.0f},
     .englishUnit = kPer1000Trucks,
     .metric = {0.0f, 10000.0f},
     .metricUnit = kPer1000Trucks,
     .axleText = &AxleRowTexts::tandemCount},
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

// A text of the table (meaning, unit words, name, subject) in the language in force.
std::string shown(std::string_view text) {
    return caption::shown(text);
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
    return catalogue::arg(catalogue::translate("Inputs", "%1 to %2"),
                          {boundText(range.minimum), boundText(range.maximum)});
}

std::string fieldTooltip(InputField field, UnitSystem units) {
    const InputRange& entry = inputRange(field);
    const FieldUnit& unit = entry.unit(units);
    std::string range = typicalRangeText(entry.range(units));
    if (unit.symbol)
        range += " " + shown(unit.symbol);
    return catalogue::arg(catalogue::translate("Inputs", "%1, %2. Typical range %3."),
                          {shown(entry.meaning), shown(unit.words), range});
}

std::string invalidNumberMessage(std::string_view name) {
    return catalogue::arg(
        catalogue::translate("Inputs", "%1 is an invalid number; please try again!"),
        {shown(name)});
}

// Both bounds are named whichever was violated, in the spacing the program has always shown.
std::string rangeQuestion(const FieldRange& range, bool belowMinimum) {
    const std::string question =
        belowMinimum ? catalogue::translate("Inputs",
                                            "%1 is not within the typical data range( %2,  %3). "
                                            "Accept the suggested minimum value?")
                     : catalogue::translate("Inputs",
                                            "%1 is not within the typical data range( %2,  %3). "
                                            "Accept the suggested maximum value?");
    return catalogue::arg(question,
                          {shown(range.name), boundText(range.minimum), boundText(range.maximum)});
}

std::string keepValueMessage(std::string_view name) {
    return catalogue::arg(catalogue::translate("Inputs", "Keep the %1 input value anyway!"),
                          {shown(name)});
}

RangePosition rangePosition(double value, const FieldRange& range) {
    // The sign before rounding, as the analysis tests it: -1e-46 rounds to -0, which no range
    // of zero or more would stop, and the analysis then refuses it as negative.
    if (value < 0.0 && !(range.minimum < 0.0f))
        return RangePosition::Below;
    const float v = toSingle(value);
    if (v < range.minimum)
        return RangePosition::Below;
    if (v <= range.maximum)
        return RangePosition::Inside;
    return RangePosition::Above;  // a NaN too: it is no value within the range
}

bool isAcceptableValueText(std::string_view text) {
    return isNumberText(text) && !(parseNumber(text) < 0.0);
}

TextCheck checkValueText(std::string_view text, const FieldRange& range) {
    if (!isAcceptableValueText(text))
        return TextCheck::Invalid;
    switch (rangePosition(parseNumber(text), range)) {
        case RangePosition::Below:
            return TextCheck::Below;
        case RangePosition::Inside:
            return TextCheck::Inside;
        case RangePosition::Above:
            break;
    }
    return TextCheck::Above;
}

bool isAxleField(InputField field) {
    return field >= InputField::SingleAxleLoad;
}

const std::string& inputText(const Workspace& workspace, InputField field, std::size_t row) {
    const InputRange& entry = inputRange(field);
    if (entry.pavementText)
        return workspace.pavement().*entry.pavementText;
    if (entry.trafficText)
        return workspace.traffic().*entry.trafficText;
    return workspace.axles().rows.at(row).*entry.axleText;
}

std::string& ensureInputText(Workspace& workspace, InputField field, std::size_t row) {
    const InputRange& entry = inputRange(field);
    if (entry.pavementText)
        return workspace.ensurePavement().*entry.pavementText;
    if (entry.trafficText)
        return workspace.ensureTraffic().*entry.trafficText;
    return workspace.ensureAxles().rows.at(row).*entry.axleText;
}

std::string_view storedCaption(const Workspace& workspace, const InputRange& entry) {
    // The pavement captions change with the unit system and after a file is read.
    if (entry.pavementCaption)
        return workspace.pavement().*entry.pavementCaption;
    return entry.caption ? entry.caption : "";
}

std::string inputCaption(const Workspace& workspace, InputField field, std::size_t row) {
    const InputRange& entry = inputRange(field);
    if (!isAxleField(field))
        return shown(storedCaption(workspace, entry));
    const std::string number = std::to_string(row + 1);
    if (const char* symbol = entry.unit(workspace.unitSystem()).symbol)
        return catalogue::arg(catalogue::translate("Inputs", "%1, row %2 (%3)"),
                              {shown(entry.caption), number, symbol});
    return catalogue::arg(catalogue::translate("Inputs", "%1, row %2"),
                          {shown(entry.caption), number});
}

std::string inputSubject(InputField field, UnitSystem units, int row) {
    const InputRange& entry = inputRange(field);
    std::string subject = shown(entry.subject);
    if (isAxleField(field))
        subject = catalogue::arg(catalogue::translate("Inputs", "%1 in row %2"),
                                 {subject, std::to_string(row)});
    if (entry.subjectUnit)
        subject += std::string(" (") + entry.unit(units).symbol + ")";
    return subject;
}

std::string shortInputName(InputField field, UnitSystem units) {
    const InputRange& entry = inputRange(field);
    const char* symbol = entry.unit(units).symbol;
    const std::string name = shown(entry.shortName);
    return symbol ? name + " (" + shown(symbol) + ")" : name;
}

const InputRange* findInputByWebId(std::string_view webId, std::size_t* row) {
    for (const InputRange& entry : kInputRanges) {
        const std::string_view id = entry.webId;
        if (!isAxleField(entry.field)) {
            if (webId == id)
                return &entry;
            continue;
        }
        // "single-load-1" to "single-load-10"
        if (!webId.starts_with(id) || webId.size() < id.size() + 2 || webId[id.size()] != '-')
            continue;
        const std::string_view number = webId.substr(id.size() + 1);
        const int n = number == "10" ? 10 : number.size() == 1 ? number[0] - '0' : 0;
        if (n < 1 || n > kAxleRows)
            return nullptr;
        if (row)
            *row = static_cast<std::size_t>(n - 1);
        return &entry;
    }
    return nullptr;
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
    return catalogue::arg(
        catalogue::translate("Warnings", "%1 = %2 is outside the typical range %3"),
        {input.caption, input.text, typicalRangeText(input.range)});
}

}  // namespace zan
