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
#include "model/numbers.h"
#include "model/units.h"

namespace zan {

inline constexpr std::size_t kDetailsColumnCount = 18;

// In the order of the cells; also the CSV header.
inline constexpr std::array<std::string_view, kDetailsColumnCount> kDetailsColumns = {
    "axle",
    "row",
    "design load (kips)",
    "expected repetitions",
    "radius of relative stiffness (in)",
    "load factor f1",
    "moment term M",
    "factor f2",
    "equivalent stress Se (psi)",
    "stress ratio",
    "allowable fatigue repetitions",
    "fatigue %",
    "deflection w (in)",
    "power P'",
    "factor C1",
    "erosion factor",
    "allowable erosion repetitions",
    "erosion %",
};

// The columns of each part: the fatigue part's eight, then the erosion part's six.
inline constexpr std::size_t kFirstFatigueColumn = 4;
inline constexpr std::size_t kFirstErosionColumn = 12;

using DetailsTableRow = std::array<std::string, kDetailsColumnCount>;

struct DetailsTable {
    std::array<DetailsTableRow, kDetailRows> rows;  // single rows 1..10, then tandem 1..10
    std::string modelUnits;                         // modelUnitsLine() of the same details
};

// Names the formulas' inputs, in model units:
//   "Model units: h = 9.5 in, k = 130 psi/in, Sc = 650 psi; no concrete shoulder, doweled
//   joints"
// A part run alone names what it uses (the fatigue part no joints, the erosion part no Sc);
// when the two parts computed with different inputs each has its own sentence. Empty when
// neither part was run.
std::string modelUnitsLine(const CalculationDetails& details);

DetailsTable detailsTable(const CalculationDetails& details);

// The same values for a reader of the memo: in `units` where a column has a unit (kN, cm,
// kPa and mm in Metric), repetitions as whole numbers and "Unlimited" where the report says
// so, every other number to five significant digits. The model-units line stays as it is.
DetailsTable readableDetailsTable(const CalculationDetails& details, UnitSystem units);
// The headings of that table, with the units of `units`.
std::array<std::string_view, kDetailsColumnCount> readableDetailsColumns(UnitSystem units);

// The header line and the twenty rows as CSV (RFC 4180), every line ended by CR LF.
std::string detailsCsv(const CalculationDetails& details);

}  // namespace zan
