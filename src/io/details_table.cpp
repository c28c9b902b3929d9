#include "io/details_table.h"

#include <optional>

#include "io/csv.h"

namespace zan {
namespace {

const char* shoulderWords(ShoulderType shoulder) {
    return shoulder == ShoulderType::Concrete ? "concrete shoulder" : "no concrete shoulder";
}

const char* jointWords(JointType joints) {
    return joints == JointType::Doweled ? "doweled joints" : "aggregate-interlock joints";
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

void fillFatigue(DetailsTableRow& cells, const FatigueDetail& d) {
    cells[kFirstFatigueColumn] = shortestText(d.terms.radius);
    cells[kFirstFatigueColumn + 1] = shortestText(d.terms.loadFactor);
    cells[kFirstFatigueColumn + 2] = shortestText(d.terms.moment);
    cells[kFirstFatigueColumn + 3] = shortestText(d.terms.edgeFactor);
    cells[kFirstFatigueColumn + 4] = shortestText(d.terms.stress);
    cells[kFirstFatigueColumn + 5] = shortestText(d.stressRatio);
    cells[kFirstFatigueColumn + 6] = shortestText(d.allowableRepetitions);
    cells[kFirstFatigueColumn + 7] = shortestText(d.damage);
}

void fillErosion(DetailsTableRow& cells, const ErosionDetail& d) {
    cells[kFirstErosionColumn] = shortestText(d.terms.deflection);
    cells[kFirstErosionColumn + 1] = shortestText(d.terms.power);
    cells[kFirstErosionColumn + 2] = shortestText(d.terms.supportFactor);
    cells[kFirstErosionColumn + 3] = shortestText(d.terms.factor);
    cells[kFirstErosionColumn + 4] = shortestText(d.terms.allowable);
    cells[kFirstErosionColumn + 5] = shortestText(d.damage);
}

DetailsTableRow rowCells(const DetailRow& row) {
    DetailsTableRow cells;
    cells[0] = row.axle == AxleType::Single ? "single" : "tandem";
    cells[1] = std::to_string(row.row);
    cells[2] = shortestText(row.designLoad);
    cells[3] = shortestText(row.expectedRepetitions);
    if (row.fatigue)
        fillFatigue(cells, *row.fatigue);
    if (row.erosion)
        fillErosion(cells, *row.erosion);
    return cells;
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
        return "Model units, fatigue part: " + inputsText(*fatigue, true, false) +
               ". Erosion part: " + inputsText(*erosion, false, true);
    if (fatigue)
        return "Model units: " + inputsText(*fatigue, true, erosion.has_value());
    if (erosion)
        return "Model units: " + inputsText(*erosion, false, true);
    return "";
}

DetailsTable detailsTable(const CalculationDetails& details) {
    DetailsTable table;
    for (std::size_t i = 0; i < details.rows.size(); ++i)
        table.rows[i] = rowCells(details.rows[i]);
    table.modelUnits = modelUnitsLine(details);
    return table;
}

std::string detailsCsv(const CalculationDetails& details) {
    std::string text;
    appendCsvLine(text, kDetailsColumns);
    for (const DetailsTableRow& cells : detailsTable(details).rows)
        appendCsvLine(text, cells);
    return text;
}

}  // namespace zan
