#include "design_search.h"

#include <cmath>

#include "numbers.h"
#include "workspace.h"

namespace zan {

bool passes(const AnalysisResults& results) {
    return results.totalFatigueDamage < 100.0f && results.totalErosionDamage < 100.0f;
}

std::string designSearchErrorMessage(const DesignSearchError& error) {
    if (error.kind == DesignSearchError::Kind::Refused)
        return analysisErrorMessage(error.refusal);
    const char* unit = error.units == UnitSystem::Metric ? " cm" : " in";
    return "No slab thickness up to " + formatSignificant(error.limit) + unit +
           " keeps both the fatigue and the erosion damage below 100%. "
           "The trial thickness was left unchanged.";
}

Expected<DesignThickness, DesignSearchError> searchDesignThickness(Workspace& workspace) {
    const UnitSystem units = workspace.unitSystem();
    const bool metric = units == UnitSystem::Metric;
    const float step = metric ? kSearchStepCentimetres : kSearchStepInches;
    const float limit = metric ? kSearchLimitCentimetres : kSearchLimitInches;

    const PavementInputs& pavement = workspace.pavement();
    const TrafficInputs& traffic = workspace.traffic();
    const AxleInputs& axles = workspace.axles();
    DesignThickness found;
    auto run = [&](float h) {
        ++found.runs;
        return runDamageAnalysis(pavement, traffic, axles, units, AnalysisRequest{h, true, true},
                                 workspace.results());
    };
    auto refused = [&](const AnalysisError& e) {
        DesignSearchError error;
        error.kind = DesignSearchError::Kind::Refused;
        error.refusal = e;
        error.units = units;
        return failure(error);
    };

    float h = static_cast<float>(std::floor(parseNumber(pavement.thickness)));
    // Above the limit every slab of a practical design passes; walking down from an absurd
    // start (say 1e6 in) would take millions of runs, so such a walk starts at the limit.
    if (std::isfinite(h) && h > limit)
        h = limit;
    auto start = run(h);
    if (!start)
        return refused(start.error());

    if (passes(*start)) {
        // Walk down while the thinner slab still passes. The models break down for very thin
        // slabs, so a refused run or a thickness of zero ends the walk like a failing one.
        float lastPassing = h;
        AnalysisResults lastResults = *start;
        for (;;) {
            const float next = h - step;
            if (!(next > 0.0f) || next == h)
                break;
            auto thinner = run(next);
            if (!thinner || !passes(*thinner))
                break;
            h = next;
            lastPassing = next;
            lastResults = *thinner;
        }
        found.thickness = lastPassing;
        found.results = lastResults;
        return found;
    }

    for (;;) {
        const float next = h + step;
        if (next > limit) {
            DesignSearchError error;
            error.kind = DesignSearchError::Kind::NoPassingThickness;
            error.limit = limit;
            error.units = units;
            return failure(error);
        }
        h = next;
        auto thicker = run(h);
        if (!thicker)
            return refused(thicker.error());
        if (passes(*thicker)) {
            found.thickness = h;
            found.results = *thicker;
            return found;
        }
    }
}

}  // namespace zan
