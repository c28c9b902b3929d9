#include "io/verdict.h"

#include <cmath>
#include <string>

#include "model/numbers.h"
#include "model/workspace.h"

namespace zan {
namespace {

// A damage counts as failing exactly when the report prints its "exceeds 100%" line.
constexpr float kDamageLimit = 100.0f;  // percent

std::string percent(float damage) {
    return formatFixed(damage, 1) + " %";
}

// As the report prints the trial thickness: "0.00", or the text when it is no number.
std::string thicknessAsPrinted(const InputSnapshot& inputs) {
    const std::string& text = inputs.pavement.thickness;
    const double value = parseNumber(text);
    const std::string number = std::isfinite(value) ? formatFixed(value, 2) : text;
    return number + (inputs.units == UnitSystem::Metric ? " cm" : " in");
}

std::string governing(float fatigue, float erosion) {
    if (fatigue == erosion)
        return "fatigue and erosion govern alike";
    return fatigue > erosion ? "fatigue governs" : "erosion governs";
}

// Both parts were run.
std::string bothParts(const AnalysisResults& results) {
    const float fatigue = results.totalFatigueDamage;
    const float erosion = results.totalErosionDamage;
    const bool fatigueFails = fatigue > kDamageLimit;
    const bool erosionFails = erosion > kDamageLimit;
    if (fatigueFails && erosionFails)
        return "fatigue " + percent(fatigue) + " and erosion " + percent(erosion) +
               " exceed 100 %: the slab fails in fatigue and erosion";
    if (fatigueFails)
        return "fatigue " + percent(fatigue) + " exceeds 100 %: the slab fails in fatigue";
    if (erosionFails)
        return "erosion " + percent(erosion) + " exceeds 100 %: the slab fails in erosion";
    return "fatigue " + percent(fatigue) + ", erosion " + percent(erosion) +
           " (both at most 100 %); " + governing(fatigue, erosion);
}

std::string onePart(const char* part, float damage, const char* other) {
    if (damage > kDamageLimit)
        return std::string(part) + " " + percent(damage) + " exceeds 100 %: the slab fails in " +
               part;
    return std::string(part) + " " + percent(damage) + " (at most 100 %); " + other +
           " not analysed";
}

}  // namespace

std::string designVerdict(const Workspace& workspace) {
    const AnalysisResults& results = workspace.results();
    const RunKind run = workspace.lastRun();
    if (run == RunKind::None || (!results.fatigueSelected && !results.erosionSelected))
        return "No analysis has been run: there is no verdict yet.";
    const std::string lead =
        (run == RunKind::DesignSearch ? "Recommended thickness " : "Trial thickness ") +
        thicknessAsPrinted(workspace.lastRunInputs()) + ": ";
    if (results.fatigueSelected && results.erosionSelected)
        return lead + bothParts(results);
    if (results.fatigueSelected)
        return lead + onePart("fatigue", results.totalFatigueDamage, "erosion");
    return lead + onePart("erosion", results.totalErosionDamage, "fatigue");
}

}  // namespace zan
