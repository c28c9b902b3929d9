#pragma once
// Total fatigue and total erosion damage against slab thickness, on the thickness search's
// grid, for the damage chart: the engineer sees how far the recommended thickness lies from
// the 100 % line and how fast the damage grows as the slab thins.

#include <optional>
#include <vector>

#include "design_search.h"
#include "expected.h"
#include "units.h"

namespace zan {

class Workspace;

struct DamagePoint {
    float thickness = 0.0f;           // in or cm, a multiple of the grid step
    float totalFatigueDamage = 0.0f;  // percent
    float totalErosionDamage = 0.0f;  // percent

    bool operator==(const DamagePoint&) const = default;
};

// The search walks from a whole number in steps of 0.25 in (0.5 cm), so its grid is every
// multiple of the step.
float searchStep(UnitSystem units);

// Both parts at every grid thickness from `from` up to `to`, both rounded inward onto the
// grid, thinnest first. A thickness the analysis refuses is left out, so two neighbours in
// the result may lie more than one step apart. The workspace is not changed.
std::vector<DamagePoint> damagePoints(const Workspace& workspace, float from, float to);

struct DamageCurve {
    UnitSystem units = UnitSystem::English;
    float step = 0.0f;                    // in or cm
    float recommendedThickness = 0.0f;    // what Compute Design Thickness finds
    std::optional<float> trialThickness;  // the trial thickness text as the search reads it
    std::vector<DamagePoint> points;      // thinnest first
};

// The curve around the recommended thickness: from two thirds to one and a half times it,
// widened to take in the trial thickness when that lies within a third and three times of
// it, and walked further down until both totals have reached 100 % (or a run is refused, or a
// third of the recommended thickness is reached), so that both crossings show. Fails with
// the search's error when there is no recommended thickness. The workspace is not changed.
Expected<DamageCurve, DesignSearchError> damageCurve(const Workspace& workspace);
// The same around the outcome of the workspace's own search, made once for the whole chart.
Expected<DamageCurve, DesignSearchError> damageCurve(const Workspace& workspace,
                                                     const DesignSearch& found);

}  // namespace zan
