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

namespace {

using SearchOutcome = Expected<DesignThickness, DesignSearchError>;

// The runs of one search, all on the same texts and with both parts selected.
class SearchRuns {
  public:
    explicit SearchRuns(const Workspace& workspace) : m_workspace(workspace) {}

    Expected<AnalysisResults, AnalysisError> at(float h) {
        ++m_runs;
        return runDamageAnalysis(m_workspace.pavement(), m_workspace.traffic(), m_workspace.axles(),
                                 m_workspace.unitSystem(),
                                 AnalysisRequest{EnteredThickness{h}, true, true},
                                 m_workspace.results());
    }
    int count() const { return m_runs; }
    UnitSystem units() const { return m_workspace.unitSystem(); }

    SearchOutcome found(float thickness, const AnalysisResults& results) const {
        return DesignThickness{thickness, results, m_runs};
    }
    SearchOutcome refused(const AnalysisError& e) const {
        DesignSearchError error;
        error.kind = DesignSearchError::Kind::Refused;
        error.refusal = e;
        error.units = units();
        return failure(error);
    }

  private:
    const Workspace& m_workspace;
    int m_runs = 0;
};

// From a passing start, down while the thinner slab still passes. The models break down for
// very thin slabs, so a refused run or a thickness of zero ends the walk like a failing one.
SearchOutcome walkDown(SearchRuns& runs, float h, const AnalysisResults& atStart, float step) {
    AnalysisResults lastResults = atStart;
    for (;;) {
        const float next = h - step;
        if (!(next > 0.0f) || next == h)
            break;
        auto thinner = runs.at(next);
        if (!thinner || !passes(*thinner))
            break;
        h = next;
        lastResults = *thinner;
    }
    return runs.found(h, lastResults);
}

// From a failing start, up to the first passing thickness within the limit.
SearchOutcome walkUp(SearchRuns& runs, float h, float step, float limit) {
    for (;;) {
        const float next = h + step;
        if (next > limit) {
            DesignSearchError error;
            error.kind = DesignSearchError::Kind::NoPassingThickness;
            error.limit = limit;
            error.units = runs.units();
            return failure(error);
        }
        h = next;
        auto thicker = runs.at(h);
        if (!thicker)
            return runs.refused(thicker.error());
        if (passes(*thicker))
            return runs.found(h, *thicker);
    }
}

}  // namespace

Expected<DesignThickness, DesignSearchError> searchDesignThickness(const Workspace& workspace) {
    const bool metric = workspace.unitSystem() == UnitSystem::Metric;
    const float step = metric ? kSearchStepCentimetres : kSearchStepInches;
    const float limit = metric ? kSearchLimitCentimetres : kSearchLimitInches;

    float h = static_cast<float>(std::floor(parseNumber(workspace.pavement().thickness)));
    // Above the limit every slab of a practical design passes; walking down from an absurd
    // start (say 1e6 in) would take millions of runs, so such a walk starts at the limit.
    if (std::isfinite(h) && h > limit)
        h = limit;
    SearchRuns runs(workspace);
    auto start = runs.at(h);
    if (!start)
        return runs.refused(start.error());
    if (passes(*start))
        return walkDown(runs, h, *start, step);
    return walkUp(runs, h, step, limit);
}

}  // namespace zan
