#include "design_search.h"

#include <atomic>
#include <cmath>
#include <optional>

#include "catalogue.h"
#include "numbers.h"
#include "workspace.h"

namespace zan {

bool passes(const AnalysisResults& results) {
    return belowDamageLimit(results.totalFatigueDamage) &&
           belowDamageLimit(results.totalErosionDamage);
}

std::string designSearchErrorMessage(const DesignSearchError& error) {
    const char* unit = error.units == UnitSystem::Metric ? "cm" : "in";
    if (error.kind == DesignSearchError::Kind::Refused && error.startsAtZero)
        return catalogue::arg(
            catalogue::translate(
                "Messages",
                "The search starts from the trial thickness rounded down to a whole number, and a "
                "trial thickness below 1 %1 rounds down to 0. Enter a trial thickness of 1 %1 or "
                "more. The trial thickness was left unchanged."),
            {unit});
    if (error.kind == DesignSearchError::Kind::Refused)
        return analysisErrorMessage(error.refusal);
    return catalogue::arg(
        catalogue::translate("Messages",
                             "No slab thickness up to %1 %2 keeps both the fatigue and the "
                             "erosion damage below 100%. The trial thickness was left unchanged."),
        {formatSignificant(error.limit), unit});
}

namespace {

using SearchOutcome = DesignSearch;

std::atomic<long> g_searches{0};
std::atomic<long> g_runs{0};

// The runs of one search, all on the same texts and with both parts selected.
class SearchRuns {
  public:
    explicit SearchRuns(const Workspace& workspace) : m_workspace(workspace) {}

    Expected<AnalysisResults, AnalysisError> at(float h) {
        ++m_runs;
        g_runs.fetch_add(1, std::memory_order_relaxed);
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

// From a passing start, down while the thinner slab still passes, never to `bottom` or below.
// The models break down for very thin slabs, so a refused run or a thickness of zero ends
// the walk like a failing one.
SearchOutcome walkDown(SearchRuns& runs, float h, const AnalysisResults& atStart, float step,
                       float bottom = 0.0f) {
    AnalysisResults lastResults = atStart;
    for (;;) {
        const float next = h - step;
        if (!(next > bottom) || next == h)
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

struct SearchGrid {
    float step = 0.0f;
    float limit = 0.0f;
    float start = 0.0f;
};

SearchGrid gridOf(const Workspace& workspace) {
    const bool metric = workspace.unitSystem() == UnitSystem::Metric;
    SearchGrid grid;
    grid.step = metric ? kSearchStepCentimetres : kSearchStepInches;
    grid.limit = metric ? kSearchLimitCentimetres : kSearchLimitInches;
    grid.start = static_cast<float>(std::floor(parseNumber(workspace.pavement().thickness)));
    // Above the limit every slab of a practical design passes; walking down from an absurd
    // start (say 1e6 in) would take millions of runs, so such a walk starts at the limit.
    if (std::isfinite(grid.start) && grid.start > grid.limit)
        grid.start = grid.limit;
    return grid;
}

SearchOutcome walkFrom(SearchRuns& runs, const SearchGrid& grid, const AnalysisResults& atStart) {
    if (passes(atStart))
        return walkDown(runs, grid.start, atStart, grid.step);
    return walkUp(runs, grid.start, grid.step, grid.limit);
}

// The walk from the start goes down from a passing start and up from a failing one; `nearby`
// helps only where it lies on the walk's grid on that side of the start.
bool onTheWay(const SearchGrid& grid, bool startPasses, float nearby) {
    const double steps = (static_cast<double>(nearby) - grid.start) / grid.step;
    if (!std::isfinite(steps) || steps != std::floor(steps) || !(nearby > 0.0f) ||
        nearby > grid.limit)
        return false;
    return startPasses ? nearby < grid.start : nearby > grid.start;
}

// From `nearby` on the way: down while passing (above a failing start), or up to the first
// passing thickness. Nothing when a run there is refused or the walk up finds nothing.
std::optional<SearchOutcome> walkFromNearby(SearchRuns& runs, const SearchGrid& grid,
                                            bool startPasses, float nearby) {
    auto there = runs.at(nearby);
    if (!there)
        return std::nullopt;
    if (passes(*there))
        return walkDown(runs, nearby, *there, grid.step, startPasses ? 0.0f : grid.start);
    auto up = walkUp(runs, nearby, grid.step, grid.limit);
    if (!up)
        return std::nullopt;
    return up;
}

// A trial thickness below one whole unit starts the walk at 0, where the models cannot run:
// the message says so rather than calling the entered thickness zero.
SearchOutcome refusedAtStart(const SearchRuns& runs, const SearchGrid& grid,
                             const Workspace& workspace, const AnalysisError& refusal) {
    DesignSearchError error = runs.refused(refusal).error();
    error.startsAtZero = grid.start == 0.0f && parseNumber(workspace.pavement().thickness) > 0.0;
    return failure(error);
}

}  // namespace

namespace {

// The walk from the trial thickness, or from `nearby` where that lies on the walk's way.
DesignSearch search(const Workspace& workspace, std::optional<float> nearby) {
    g_searches.fetch_add(1, std::memory_order_relaxed);
    const SearchGrid grid = gridOf(workspace);
    SearchRuns runs(workspace);
    auto start = runs.at(grid.start);
    if (!start)
        return refusedAtStart(runs, grid, workspace, start.error());
    const bool startPasses = passes(*start);
    if (nearby && onTheWay(grid, startPasses, *nearby))
        if (auto found = walkFromNearby(runs, grid, startPasses, *nearby))
            return std::move(*found);
    return walkFrom(runs, grid, *start);
}

}  // namespace

DesignSearch searchDesignThickness(const Workspace& workspace) {
    return search(workspace, std::nullopt);
}

DesignSearch searchDesignThicknessNear(const Workspace& workspace, float nearby) {
    return search(workspace, nearby);
}

DesignSearchCounts designSearchCounts() {
    return DesignSearchCounts{g_searches.load(std::memory_order_relaxed),
                              g_runs.load(std::memory_order_relaxed)};
}

}  // namespace zan
