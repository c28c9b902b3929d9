#include "io/details_table.h"

#include <optional>

#include "io/csv.h"
#include "model/numbers.h"
#include "model/units.h"

namespace zan {
namespace {

std::string shoulderWords(ShoulderType shoulder) {
    return shoulder == ShoulderType::Concrete
               ? catalogue::translate("Details", "concrete shoulder")
               : catalogue::translate("Details", "no concrete shoulder");
}

std::string jointWords(JointType joints) {
    return joints == JointType::Doweled
               ? catalogue::translate("Details", "doweled joints")
               : catalogue::translate("Details", "aggregate-interlock joints");
}

// "h = 9.5 in, k = 130 psi/in, Sc = 650 psi; no concrete shoulder, doweled joints", leaving
// out what the parts named do not use.
std::string inputsText(const ModelInputs& in, bool fatigue, bool erosion) {
    std::string text = "h = " + shortestText(in.slab.thickness.value) +
                       " in, k = " + shortestText(in.slab.subgradeModulus) + " psi/in";
    if (fatigue)
        text += ", Sc = " + shortestText(in.modulusOfRupture) + " psi";
    text += "; ";
    text += shoulderWords(in.slab.shoulder);
    if (erosion) {
        text += ", ";
        text += jointWords(in.slab.joints);
    }
    return text;
}

// What a value measures, so that a reader's table can convert and round it.
enum class Quantity { Load, Count, Allowable, Radius, Deflection, Stress, Plain };

struct CellFormat {
    // The CSV's shortest texts in model units, or the reader's (see readableDetailsTable).
    bool readable = false;
    UnitSystem units = UnitSystem::English;

    std::string operator()(float value, Quantity quantity) const;
};

constexpr int kReadableDigits = 5;
constexpr double kMillimetresPerInch = 10.0 * kCentimetresPerInch;

std::string CellFormat::operator()(float value, Quantity quantity) const {
    if (!readable)
        return shortestText(value);
    const bool metric = units == UnitSystem::Metric;
    const double v = static_cast<double>(value);
    switch (quantity) {
        case Quantity::Allowable:
            // As the report prints it.
            if (value >= kUnlimitedThreshold)
                return catalogue::translate("Details", "Unlimited");
            return formatFixed(value, 0);
        case Quantity::Count:
            return formatFixed(value, 0);
        case Quantity::Load:
            return formatSignificant(metric ? v * kKilonewtonsPerKip : v, kReadableDigits);
        case Quantity::Radius:
            return formatSignificant(metric ? v * kCentimetresPerInch : v, kReadableDigits);
        case Quantity::Deflection:
            return formatSignificant(metric ? v * kMillimetresPerInch : v, kReadableDigits);
        case Quantity::Stress:
            return formatSignificant(metric ? v * kKpaPerPsi : v, kReadableDigits);
        case Quantity::Plain:
            break;
    }
    return formatSignificant(v, kReadableDigits);
}

void fillFatigue(DetailsTableRow& cells, const FatigueDetail& d, const CellFormat& f) {
    cells[kFirstFatigueColumn] = f(d.terms.radius, Quantity::Radius);
    cells[kFirstFatigueColumn + 1] = f(d.terms.loadFactor, Quantity::Plain);
    cells[kFirstFatigueColumn + 2] = f(d.terms.moment, Quantity::Plain);
    cells[kFirstFatigueColumn + 3] = f(d.terms.edgeFactor, Quantity::Plain);
    cells[kFirstFatigueColumn + 4] = f(d.terms.stress, Quantity::Stress);
    cells[kFirstFatigueColumn + 5] = f(d.stressRatio, Quantity::Plain);
    cells[kFirstFatigueColumn + 6] = f(d.allowableRepetitions, Quantity::Allowable);
    cells[kFirstFatigueColumn + 7] = f(d.damage, Quantity::Plain);
}

void fillErosion(DetailsTableRow& cells, const ErosionDetail& d, const CellFormat& f) {
    cells[kFirstErosionColumn] = f(d.terms.deflection, Quantity::Deflection);
    cells[kFirstErosionColumn + 1] = f(d.terms.power, Quantity::Plain);
    cells[kFirstErosionColumn + 2] = f(d.terms.supportFactor, Quantity::Plain);
    cells[kFirstErosionColumn + 3] = f(d.terms.factor, Quantity::Plain);
    cells[kFirstErosionColumn + 4] = f(d.terms.allowable, Quantity::Allowable);
    cells[kFirstErosionColumn + 5] = f(d.damage, Quantity::Plain);
}

std::string axleWord(AxleType axle, bool readable) {
    if (!readable)
        return axle == AxleType::Single ? "single" : "tandem";
    return axle == AxleType::Single ? catalogue::translate("Details", "single")
                                    : catalogue::translate("Details", "tandem");
}

DetailsTableRow rowCells(const DetailRow& row, const CellFormat& f) {
    DetailsTableRow cells;
    cells[0] = axleWord(row.axle, f.readable);
    cells[1] = std::to_string(row.row);
    cells[2] = f(row.designLoad, Quantity::Load);
    cells[3] = f(row.expectedRepetitions, f.readable ? Quantity::Count : Quantity::Plain);
    if (row.fatigue)
        fillFatigue(cells, *row.fatigue, f);
    if (row.erosion)
        fillErosion(cells, *row.erosion, f);
    return cells;
}

DetailsTable tableOf(const CalculationDetails& details, const CellFormat& format) {
    DetailsTable table;
    for (std::size_t i = 0; i < details.rows.size(); ++i)
        table.rows[i] = rowCells(details.rows[i], format);
    table.modelUnits = modelUnitsLine(details);
    return table;
}

template <typename Cells>
void appendCsvLine(std::string& text, const Cells& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            text += ',';
        text += csvField(cells[i]);
    }
    text += kCsvLineEnd;
}

}  // namespace

std::string modelUnitsLine(const CalculationDetails& details) {
    const std::optional<ModelInputs>& fatigue = details.fatigueInputs;
    const std::optional<ModelInputs>& erosion = details.erosionInputs;
    if (fatigue && erosion && *fatigue != *erosion)
        return catalogue::arg(
            catalogue::translate("Details", "Model units, fatigue part: %1. Erosion part: %2"),
            {inputsText(*fatigue, true, false), inputsText(*erosion, false, true)});
    const std::string modelUnits = catalogue::translate("Details", "Model units: %1");
    if (fatigue)
        return catalogue::arg(modelUnits, {inputsText(*fatigue, true, erosion.has_value())});
    if (erosion)
        return catalogue::arg(modelUnits, {inputsText(*erosion, false, true)});
    return "";
}

DetailsTable detailsTable(const CalculationDetails& details) {
    return tableOf(details, CellFormat{});
}

DetailsTable readableDetailsTable(const CalculationDetails& details, UnitSystem units) {
    return tableOf(details, CellFormat{true, units});
}

std::array<std::string, kDetailsColumnCount> readableDetailsColumns(UnitSystem units) {
    std::array<std::string_view, kDetailsColumnCount> english = kDetailsColumns;
    if (units == UnitSystem::Metric) {
        english[2] = ZAN_TRANSLATE_NOOP("Details", "design load (kN)");
        english[kFirstFatigueColumn] =
            ZAN_TRANSLATE_NOOP("Details", "radius of relative stiffness (cm)");
        english[kFirstFatigueColumn + 4] =
            ZAN_TRANSLATE_NOOP("Details", "equivalent stress Se (kPa)");
        english[kFirstErosionColumn] = ZAN_TRANSLATE_NOOP("Details", "deflection w (mm)");
    }
    std::array<std::string, kDetailsColumnCount> columns;
    for (std::size_t c = 0; c < columns.size(); ++c)
        columns[c] = catalogue::translate("Details", english[c]);
    return columns;
}

std::string detailsCsv(const CalculationDetails& details) {
    std::string text;
    appendCsvLine(text, kDetailsColumns);
    for (const DetailsTableRow& cells : detailsTable(details).rows)
        appendCsvLine(text, cells);
    return text;
}

}  // namespace zan
