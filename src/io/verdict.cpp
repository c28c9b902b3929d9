#include "io/verdict.h"

#include <cmath>
#include <string>

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

std::string governing(float fatigue, float erosion) {
    if (fatigue == erosion)
        return "fatigue and erosion govern alike";
    return fatigue > erosion ? "fatigue governs" : "erosion governs";
}

// Both parts were run.
std::string bothParts(const AnalysisResults& results) {
    const float fatigue = results.totalFatigueDamage;
    const float erosion = results.totalErosionDamage;
    const bool fatigueFails = exceedsDamageLimit(fatigue);
    const bool erosionFails = exceedsDamageLimit(erosion);
    if (fatigueFails && erosionFails)
        return "fatigue " + percent(fatigue) + " and erosion " + percent(erosion) + " exceed " +
               limit() + ": the slab fails in fatigue and erosion";
    if (fatigueFails)
        return "fatigue " + percent(fatigue) + " exceeds " + limit() +
               ": the slab fails in fatigue";
    if (erosionFails)
        return "erosion " + percent(erosion) + " exceeds " + limit() +
               ": the slab fails in erosion";
    return "fatigue " + percent(fatigue) + ", erosion " + percent(erosion) + " (both at most " +
           limit() + "); " + governing(fatigue, erosion);
}

std::string onePart(const char* part, float damage, const char* other) {
    if (exceedsDamageLimit(damage))
        return std::string(part) + " " + percent(damage) + " exceeds " + limit() +
               ": the slab fails in " + part;
    return std::string(part) + " " + percent(damage) + " (at most " + limit() + "); " + other +
           " not analysed";
}

}  // namespace

std::string designVerdict(const Run& run) {
    const AnalysisResults& results = run.results();
    if (!run.analysed() || (!results.fatigueSelected && !results.erosionSelected))
        return "No analysis has been run: there is no verdict yet.";
    const std::string lead =
        (run.kind() == RunKind::DesignSearch ? "Recommended thickness " : "Trial thickness ") +
        thicknessAsPrinted(run.inputs()) + ": ";
    if (results.fatigueSelected && results.erosionSelected)
        return lead + bothParts(results);
    if (results.fatigueSelected)
        return lead + onePart("fatigue", results.totalFatigueDamage, "erosion");
    return lead + onePart("erosion", results.totalErosionDamage, "fatigue");
}

}  // namespace zan
