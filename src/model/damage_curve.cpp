#include "damage_curve.h"

#include <algorithm>
#include <cmath>

#include "numbers.h"
#include "workspace.h"

namespace zan {
namespace {

// A range wider than this is a mistake of the caller, not a chart; it is cut at its thick end.
constexpr double kMaxPoints = 2000.0;

// The analysis of one thickness on the workspace's texts, or nothing when it is refused.
std::optional<DamagePoint> pointAt(const Workspace& workspace, float thickness) {
    auto run = runDamageAnalysis(
        workspace.pavement(), workspace.traffic(), workspace.axles(), workspace.unitSystem(),
        AnalysisRequest{EnteredThickness{thickness}, true, true}, AnalysisResults{});
    if (!run)
        return std::nullopt;
    return DamagePoint{thickness, run->totalFatigueDamage, run->totalErosionDamage};
}

bool bothReachHundred(const DamagePoint& p) {
    return !belowDamageLimit(p.totalFatigueDamage) && !belowDamageLimit(p.totalErosionDamage);
}

// Grid thicknesses are whole multiples of the step; multiples of 0.25 and 0.5 are exact in
// binary, so k * step equals the value the search reaches by repeated addition.
float gridThickness(double multiple, float step) {
    return static_cast<float>(multiple * static_cast<double>(step));
}

}  // namespace

float searchStep(UnitSystem units) {
    return units == UnitSystem::Metric ? kSearchStepCentimetres : kSearchStepInches;
}

std::vector<DamagePoint> damagePoints(const Workspace& workspace, float from, float to) {
    std::vector<DamagePoint> points;
    const float step = searchStep(workspace.unitSystem());
    if (!std::isfinite(from) || !std::isfinite(to))
        return points;
    // Zero and negative thicknesses are not slabs; the grid starts one step up.
    const double first = std::max(1.0, std::ceil(static_cast<double>(from) / step));
    const double last =
        std::min(first + kMaxPoints - 1.0, std::floor(static_cast<double>(to) / step));
    for (double k = first; k <= last; k += 1.0)
        if (auto p = pointAt(workspace, gridThickness(k, step)))
            points.push_back(*p);
    return points;
}

Expected<DamageCurve, DesignSearchError> damageCurve(const Workspace& workspace) {
    return damageCurve(workspace, searchDesignThickness(workspace));
}

Expected<DamageCurve, DesignSearchError> damageCurve(const Workspace& workspace,
                                                     const DesignSearch& found) {
    if (!found)
        return failure(found.error());

    DamageCurve curve;
    curve.units = workspace.unitSystem();
    curve.step = searchStep(curve.units);
    curve.recommendedThickness = found->thickness;
    const double recommended = found->thickness;
    const double step = curve.step;

    double from = recommended * 2.0 / 3.0;
    double to = recommended * 1.5;
    const float trial = static_cast<float>(parseNumber(workspace.pavement().thickness));
    if (std::isfinite(trial) && trial > 0.0f) {
        curve.trialThickness = trial;
        // A trial thickness far off would squeeze the interesting part of the chart into a
        // corner; the chart then says where it lies instead of showing it.
        if (trial >= recommended / 3.0 && trial <= recommended * 3.0) {
            from = std::min(from, static_cast<double>(trial));
            to = std::max(to, static_cast<double>(trial));
        }
    }
    // Outward onto the grid, so that the range's own ends are shown.
    const double firstMultiple = std::max(1.0, std::floor(from / step));
    const double lastMultiple = std::ceil(to / step);
    curve.points = damagePoints(workspace, gridThickness(firstMultiple, curve.step),
                                gridThickness(lastMultiple, curve.step));

    // One total may still be below 100 % at the thin end when the other governs by far;
    // walk down until both have crossed. The models break down for very thin slabs, so a
    // refused run ends the walk, and so does a third of the recommended thickness.
    const double lowestMultiple = std::max(1.0, std::floor(recommended / 3.0 / step));
    std::vector<DamagePoint> thinner;
    for (double k = firstMultiple - 1.0; k >= lowestMultiple && !curve.points.empty(); k -= 1.0) {
        const DamagePoint& thinnest = thinner.empty() ? curve.points.front() : thinner.back();
        if (bothReachHundred(thinnest))
            break;
        auto p = pointAt(workspace, gridThickness(k, curve.step));
        if (!p)
            break;
        thinner.push_back(*p);
    }
    curve.points.insert(curve.points.begin(), thinner.rbegin(), thinner.rend());
    return curve;
}

}  // namespace zan
