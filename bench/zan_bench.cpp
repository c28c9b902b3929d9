// The costs a user waits for: one analysis, one thickness search, one report, one file read.
// Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "io/def_file.h"
#include "io/report.h"
#include "model/analysis.h"
#include "model/design_search.h"
#include "model/workspace.h"

namespace {

// The initial English design, every section created as the first command would.
zan::Workspace initialEnglish() {
    zan::Workspace workspace;
    workspace.pavement();
    workspace.traffic();
    workspace.axles();
    return workspace;
}

void analysisBothParts(benchmark::State& state) {
    zan::Workspace workspace = initialEnglish();
    const zan::AnalysisRequest request{9.5f, true, true};
    for (auto _ : state) {
        auto results = zan::runDamageAnalysis(workspace, request);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(analysisBothParts);

void thicknessSearchFrom9_5(benchmark::State& state) {
    zan::Workspace workspace = initialEnglish();
    workspace.pavement().thickness = "9.5";
    int runs = 0;
    for (auto _ : state) {
        auto found = zan::searchDesignThickness(workspace);
        if (!found)
            state.SkipWithError("the search found no thickness");
        else
            runs = found->runs;
        benchmark::DoNotOptimize(found);
    }
    state.counters["analysis runs"] = runs;
}
BENCHMARK(thicknessSearchFrom9_5)->Unit(benchmark::kMicrosecond);

void reportAfterBoth(benchmark::State& state) {
    zan::Workspace workspace = initialEnglish();
    auto results = zan::runDamageAnalysis(workspace, zan::AnalysisRequest{9.5f, true, true});
    if (!results) {
        state.SkipWithError("the analysis was refused");
        return;
    }
    for (auto _ : state) {
        auto report = zan::writeReport(workspace, *results);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(reportAfterBoth);

void defFileRead(benchmark::State& state) {
    std::ifstream in(std::string(ZAN_EXAMPLES_DIR) + "/initial-english.DEF", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty()) {
        state.SkipWithError("examples/initial-english.DEF is missing");
        return;
    }
    for (auto _ : state) {
        zan::Workspace workspace;
        auto contents = zan::parseDefFile(bytes);
        if (contents)
            zan::applyDefFile(workspace, *contents);
        benchmark::DoNotOptimize(workspace);
    }
}
BENCHMARK(defFileRead);

}  // namespace

BENCHMARK_MAIN();
