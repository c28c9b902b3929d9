#include "io/verdict.h"

#include <cmath>
#include <string>

#include "model/catalogue.h"
#include "model/numbers.h"
#include "model/run.h"

namespace zan {
namespace {

std::string percent(float damage) {
    return formatFixed(damage, 1) + " %";
}

// "100 %"
std::string limit() {
    return formatFixed(kDamageLimitPercent, 0) + " %";
}

// As the report prints the trial thickness: "0.00", or the text when it is no number.
std::string thicknessAsPrinted(const InputSnapshot& inputs) {
    const std::string& text = inputs.pavement.thickness;
    const double value = parseNumber(text);
    const std::string number = std::isfinite(value) ? formatFixed(value, 2) : text;
    return number + (inputs.units == UnitSystem::Metric ? " cm" : " in");
}

// Every sentence is one text of the catalogue, its numbers as arguments: the word order is
// the translator's.
std::string governing(float fatigue, float erosion) {
    if (fatigue == erosion)
        return catalogue::translate("Verdict", "fatigue and erosion govern alike");
    return fatigue > erosion ? catalogue::translate("Verdict", "fatigue governs")
                             : catalogue::translate("Verdict", "erosion governs");
}

// Both parts were run.
std::string bothParts(const AnalysisResults& results) {
    const std::string fatigue = percent(results.totalFatigueDamage);
    const std::string erosion = percent(results.totalErosionDamage);
    const bool fatigueFails = exceedsDamageLimit(results.totalFatigueDamage);
    const bool erosionFails = exceedsDamageLimit(results.totalErosionDamage);
    if (fatigueFails && erosionFails)
        return catalogue::arg(
            catalogue::translate("Verdict",
                                 "fatigue %1 and erosion %2 exceed %3: the slab fails in "
                                 "fatigue and erosion"),
            {fatigue, erosion, limit()});
    if (fatigueFails)
        return catalogue::arg(
            catalogue::translate("Verdict", "fatigue %1 exceeds %2: the slab fails in fatigue"),
            {fatigue, limit()});
    if (erosionFails)
        return catalogue::arg(
            catalogue::translate("Verdict", "erosion %1 exceeds %2: the slab fails in erosion"),
            {erosion, limit()});
    return catalogue::arg(
        catalogue::translate("Verdict", "fatigue %1, erosion %2 (both at most %3); %4"),
        {fatigue, erosion, limit(),
         governing(results.totalFatigueDamage, results.totalErosionDamage)});
}

std::string fatigueOnly(float damage) {
    if (exceedsDamageLimit(damage))
        return catalogue::arg(
            catalogue::translate("Verdict", "fatigue %1 exceeds %2: the slab fails in fatigue"),
            {percent(damage), limit()});
    return catalogue::arg(
        catalogue::translate("Verdict", "fatigue %1 (at most %2); erosion not analysed"),
        {percent(damage), limit()});
}

std::string erosionOnly(float damage) {
    if (exceedsDamageLimit(damage))
        return catalogue::arg(
            catalogue::translate("Verdict", "erosion %1 exceeds %2: the slab fails in erosion"),
            {percent(damage), limit()});
    return catalogue::arg(
        catalogue::translate("Verdict", "erosion %1 (at most %2); fatigue not analysed"),
        {percent(damage), limit()});
}

}  // namespace

std::string designVerdict(const Run& run) {
    const AnalysisResults& results = run.results();
    if (!run.analysed() || (!results.fatigueSelected && !results.erosionSelected))
        return catalogue::translate("Verdict",
                                    "No analysis has been run: there is no verdict yet.");
    const std::string thickness = thicknessAsPrinted(run.inputs());
    const std::string parts = results.fatigueSelected && results.erosionSelected
                                  ? bothParts(results)
                              : results.fatigueSelected ? fatigueOnly(results.totalFatigueDamage)
                                                        : erosionOnly(results.totalErosionDamage);
    return catalogue::arg(run.kind() == RunKind::DesignSearch
                              ? catalogue::translate("Verdict", "Recommended thickness %1: %2")
                              : catalogue::translate("Verdict", "Trial thickness %1: %2"),
                          {thickness, parts});
}

}  // namespace zan
