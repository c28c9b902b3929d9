#pragma once
// The calculation details as a table of texts: one heading per column and one text per cell,
// shared by the PDF memo, the damage chart window and zan-report --details, so the numbers
// agree wherever they are shown.
//
// Every number is the shortest decimal text that reads back to its single-precision value
// (shortestText of the float), in model units: loads in kips, lengths in inches, stresses in
// psi. A cell of a part the run did not run is empty.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/calculation_details.h"
#include "model/catalogue.h"
#include "model/numbers.h"
#include "model/units.h"

namespace zan {

inline constexpr std::size_t kDetailsColumnCount = 18;

// In the order of the cells; also the CSV header, which stays English in every language.
inline constexpr std::array<std::string_view, kDetailsColumnCount> kDetailsColumns = {
    ZAN_TRANSLATE_NOOP("Details", "axle"),
    ZAN_TRANSLATE_NOOP("Details", "row"),
    ZAN_TRANSLATE_NOOP("Details", "design load (kips)"),
    ZAN_TRANSLATE_NOOP("Details", "expected repetitions"),
    ZAN_TRANSLATE_NOOP("Details", "radius of relative stiffness (in)"),
    ZAN_TRANSLATE_NOOP("Details", "load factor f1"),
    ZAN_TRANSLATE_NOOP("Details", "moment term M"),
    ZAN_TRANSLATE_NOOP("Details", "factor f2"),
    ZAN_TRANSLATE_NOOP("Details", "equivalent stress Se (psi)"),
    ZAN_TRANSLATE_NOOP("Details", "stress ratio"),
    ZAN_TRANSLATE_NOOP("Details", "allowable fatigue repetitions"),
    ZAN_TRANSLATE_NOOP("Details", "fatigue %"),
    ZAN_TRANSLATE_NOOP("Details", "deflection w (in)"),
    ZAN_TRANSLATE_NOOP("Details", "power P'"),
    ZAN_TRANSLATE_NOOP("Details", "factor C1"),
    ZAN_TRANSLATE_NOOP("Details", "erosion factor"),
    ZAN_TRANSLATE_NOOP("Details", "allowable erosion repetitions"),
    ZAN_TRANSLATE_NOOP("Details", "erosion %"),
};

// The columns of each part: the fatigue part's eight, then the erosion part's six.
inline constexpr std::size_t kFirstFatigueColumn = 4;
inline constexpr std::size_t kFirstErosionColumn = 12;

using DetailsTableRow = std::array<std::string, kDetailsColumnCount>;

struct DetailsTable {
    std::array<DetailsTableRow, kDetailRows> rows;  // single rows 1..10, then tandem 1..10
    std::string modelUnits;                         // modelUnitsLine() of the same details
};

// Names the formulas' inputs, in model units and the language in force (no CSV holds it):
//   "Model units: h = 9.5 in, k = 130 psi/in, Sc = 650 psi; no concrete shoulder, doweled
//   joints"
// A part run alone names what it uses (the fatigue part no joints, the erosion part no Sc);
// when the two parts computed with different inputs each has its own sentence. Empty when
// neither part was run.
std::string modelUnitsLine(const CalculationDetails& details);

DetailsTable detailsTable(const CalculationDetails& details);

// The same values for a reader of the memo: in `units` where a column has a unit (kN, cm,
// kPa and mm in Metric), repetitions as whole numbers and "Unlimited" where the report says
// so, every other number to five significant digits, words in the language in force. The
// model-units line stays in model units.
DetailsTable readableDetailsTable(const CalculationDetails& details, UnitSystem units);
// The headings of that table, with the units of `units`, in the language in force.
std::array<std::string, kDetailsColumnCount> readableDetailsColumns(UnitSystem units);

// The header line and the twenty rows as CSV (RFC 4180), every line ended by CR LF.
std::string detailsCsv(const CalculationDetails& details);

}  // namespace zan
