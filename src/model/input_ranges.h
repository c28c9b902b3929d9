#pragma once
// The numeric inputs, one table: for each its identity, where its text lives in the
// workspace, the names the messages, the report and the web page give it, its meaning, unit
// and typical range. Every front end iterates it: the dialogs' OK checks and tooltips, the
// analysis' refusals, the sensitivity, the memo, zan-report's warnings and the web page. The
// ranges are advice: a value outside is questioned in the dialogs and warned about in batch
// runs, never refused. Adding an input is a row here (and its workspace member) plus its
// dialog field.
//
// The table's texts are English and marked for the catalogue (context "Inputs"); the functions
// below give them in the language in force, which zan-report never sets.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "input_field.h"
#include "units.h"
#include "workspace.h"

namespace zan {

// An input's unit: in words after its meaning, and as a symbol after the range bounds. A pure
// number (a count, a factor) has no symbol; a symbol that is a word ("years") is translated.
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

// One row of the table.
struct InputRange {
    InputField field;
    const char* id;       // stable key for other front ends: the workspace member's name
    const char* webId;    // the web page's field; an axle column's add "-1" to "-10"
    const char* name;     // in the check messages: "h1", "ADT", "Single Axle Load"
    const char* meaning;  // the tooltip's first words
    // How a refused analysis names it: "The trial thickness h (in)"; an axle field adds its row
    // ("in row 3") before the unit.
    const char* subject;
    bool subjectUnit = false;
    // In the sensitivity's rows, with the unit symbol: "k (psi/in)"; null for an input the
    // sensitivity does not vary.
    const char* shortName = nullptr;
    // As the report names it; null for the pavement inputs, whose captions the workspace holds
    // (they change with the unit system and after a file is read). An axle field adds its row.
    const char* caption = nullptr;
    Bounds english;
    FieldUnit englishUnit;
    Bounds metric;
    FieldUnit metricUnit;
    // Where its text lives: exactly one is set.
    std::string PavementInputs::*pavementText = nullptr;
    std::string TrafficInputs::*trafficText = nullptr;
    std::string AxleRowTexts::*axleText = nullptr;
    // A pavement input's caption lives in the workspace beside its text.
    std::string PavementInputs::*pavementCaption = nullptr;
    // Its line among the report's inputs, from 1, and the decimals printed there; 0 for the
    // axle fields, which the report prints as a table of their own.
    int reportLine = 0;
    int reportDecimals = 0;

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
inline constexpr const char* kInputCheckTitle = ZAN_TRANSLATE_NOOP("Inputs", "Input Data Check");
std::string invalidNumberMessage(std::string_view name);
std::string rangeQuestion(const FieldRange& range, bool belowMinimum);
std::string keepValueMessage(std::string_view name);

// Where a value lies, compared as the check compares: rounded to single precision, both
// bounds inclusive. A value beyond the float range counts as infinitely large or small.
enum class RangePosition { Below, Inside, Above };
RangePosition rangePosition(double value, const FieldRange& range);

// True for a text the dialogs accept at all: a whole number text (isNumberText) whose value
// is not negative. Range violations do not matter here; the range is advice only.
bool isAcceptableValueText(std::string_view text);

// What the dialogs' OK makes of a field's text: a text it refuses, or where its value lies.
enum class TextCheck { Invalid, Below, Inside, Above };
TextCheck checkValueText(std::string_view text, const FieldRange& range);

class Workspace;

// An input of a workspace whose value (as the analysis reads its text) lies outside the
// typical range of the workspace's unit system.
struct OutOfRangeInput {
    InputField field;
    int row;              // 1 to 10 for an axle-load row, 0 otherwise
    std::string caption;  // inputCaption: "Trial Thickness, h (in)"
    std::string text;     // as entered
    FieldRange range;
};

// The text of an input, and its caption as the report names it, shown in the language in
// force (the report itself prints the stored English captions); `row` (0 to 9) counts only
// for the axle-load fields. The ensure one is for editing, and so creates the section.
const std::string& inputText(const Workspace& workspace, InputField field, std::size_t row);
std::string& ensureInputText(Workspace& workspace, InputField field, std::size_t row);
std::string inputCaption(const Workspace& workspace, InputField field, std::size_t row);
// A pavement or traffic input's caption as stored and reported, never translated.
std::string_view storedCaption(const Workspace& workspace, const InputRange& entry);
bool isAxleField(InputField field);

// "The single axle load in row 3 (kips)"; `row` from 1 to 10, for the axle fields.
std::string inputSubject(InputField field, UnitSystem units, int row);
// "k (psi/in)", "ADT": for the inputs that have a short name.
std::string shortInputName(InputField field, UnitSystem units);
// The entry of a web page field id, and for an axle field its row (0 to 9); null for none.
const InputRange* findInputByWebId(std::string_view webId, std::size_t* row);

// In table order, axle rows top down; empty when every input lies within its range.
std::vector<OutOfRangeInput> inputsOutsideRanges(const Workspace& workspace);
// "Trial Thickness, h (in) = 80 is outside the typical range 4 to 20"
std::string outOfRangeText(const OutOfRangeInput& input);

}  // namespace zan
