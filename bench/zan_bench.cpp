// The costs a user waits for: one analysis, one thickness search, one report, one file read.
// Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true.
//
// Two floors, measured in the same binary, say what the analysis and the report cannot go
// below: the equations are evaluated directly on every run (no caching), so one analysis costs
// at least its pow and log calls; a report is at least its numbers formatted into one string.
// Read analysisBothParts against floorPowAndLog and reportAfterBoth against floorReportFormats.

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>

#include "io/def_file.h"
#include "io/report.h"
#include "model/analysis.h"
#include "model/damage_curve.h"
#include "model/design_alternatives.h"
#include "model/design_search.h"
#include "model/sensitivity.h"
#include "model/workspace.h"

namespace {

// The initial English design, every section created as the first command would.
zan::Workspace initialEnglish() {
    zan::Workspace workspace;
    workspace.createInputSections();
    return workspace;
}

// One Both analysis of the initial English design evaluates each model equation once per row
// and part: std::pow 140 times and std::log 40 times (before each row took its erosion power
// once, 220 and 40). The floor makes 300 calls, five powers to one logarithm, with arguments
// of the sizes the models meet: stiffness ratios under a fourth root, load ratios under small
// powers, powers of ten, moduli under 0.73.
constexpr std::size_t kFloorPowers = 250;
constexpr std::size_t kFloorLogarithms = 50;
constexpr std::array<double, 6> kFloorExponents = {0.25, 0.06, 0.447, 0.73, 0.103, 3.268};

void floorPowAndLog(benchmark::State& state) {
    std::array<double, kFloorPowers> bases{};
    std::array<double, kFloorPowers> exponents{};
    std::array<double, kFloorLogarithms> logArguments{};
    for (std::size_t i = 0; i < kFloorPowers; ++i) {
        bases[i] = 1.5 + 997.0 * static_cast<double>(i) / kFloorPowers;
        exponents[i] = kFloorExponents[i % kFloorExponents.size()];
    }
    for (std::size_t i = 0; i < kFloorLogarithms; ++i)
        logArguments[i] = 2.0 + 50000.0 * static_cast<double>(i) / kFloorLogarithms;
    for (auto _ : state) {
        // The compiler must assume the arguments changed, so no call is folded or hoisted.
        benchmark::DoNotOptimize(bases.data());
        benchmark::DoNotOptimize(exponents.data());
        benchmark::DoNotOptimize(logArguments.data());
        benchmark::ClobberMemory();
        double sum = 0.0;
        for (std::size_t i = 0; i < kFloorPowers; ++i)
            sum += std::pow(bases[i], exponents[i]);
        for (std::size_t i = 0; i < kFloorLogarithms; ++i)
            sum += std::log(logArguments[i]);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(floorPowAndLog);

// A Both report holds about 250 numbers in some 6 KB: the floor writes 250 single-precision
// values in their shortest form with std::to_chars, each right-aligned in a field, into one
// reserved string of that size.
constexpr std::size_t kFloorNumbers = 250;
constexpr std::size_t kFloorReportBytes = 6 * 1024;
constexpr std::size_t kFloorFieldWidth = kFloorReportBytes / kFloorNumbers;

void floorReportFormats(benchmark::State& state) {
    std::array<float, kFloorNumbers> values{};
    for (std::size_t i = 0; i < kFloorNumbers; ++i)
        values[i] = static_cast<float>(std::pow(1.37, static_cast<double>(i % 60))) * 0.731f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
        std::string text;
        text.reserve(kFloorReportBytes);
        for (float v : values) {
            char digits[32];
            const auto result = std::to_chars(digits, digits + sizeof digits, v);
            const std::size_t length = static_cast<std::size_t>(result.ptr - digits);
            text.append(kFloorFieldWidth > length ? kFloorFieldWidth - length : 0, ' ');
            text.append(digits, length);
        }
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(floorReportFormats);

void analysisBothParts(benchmark::State& state) {
    zan::Workspace workspace = initialEnglish();
    const zan::AnalysisRequest request{zan::EnteredThickness{9.5f}, true, true};
    for (auto _ : state) {
        auto results = zan::runDamageAnalysis(workspace, request);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(analysisBothParts);

void thicknessSearchFrom9_5(benchmark::State& state) {
    zan::Workspace workspace = initialEnglish();
    workspace.ensurePavement().thickness = "9.5";
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

// What a run's content costs (model/run.h), computed once when the run ends, and on each
// keystroke while the chart window is open before the first run (its Qt drawing aside),
// at a trial thickness of 9.5 in, 28.5 in (three times the recommended, the widest curve),
// 50 in (the search's limit) and 650 in (beyond it: the walk starts at the limit).
void chartKeystroke(benchmark::State& state) {
    zan::Workspace workspace = initialEnglish();
    workspace.ensurePavement().thickness = std::to_string(state.range(0) / 10.0);
    const zan::DesignSearchCounts before = zan::designSearchCounts();
    for (auto _ : state) {
        const zan::DesignSearch base = zan::searchDesignThickness(workspace);
        auto alternatives = zan::designAlternatives(workspace, base);
        auto curve = zan::damageCurve(workspace, base);
        auto sensitivity = zan::sensitivity(workspace, base);
        benchmark::DoNotOptimize(alternatives);
        benchmark::DoNotOptimize(curve);
        benchmark::DoNotOptimize(sensitivity);
    }
    const zan::DesignSearchCounts after = zan::designSearchCounts();
    const double iterations = static_cast<double>(state.iterations());
    state.counters["searches"] = static_cast<double>(after.searches - before.searches) / iterations;
    state.counters["search runs"] = static_cast<double>(after.runs - before.runs) / iterations;
}
BENCHMARK(chartKeystroke)->Arg(95)->Arg(285)->Arg(500)->Arg(6500)->Unit(benchmark::kMillisecond);

void reportAfterBoth(benchmark::State& state) {
    zan::Workspace workspace = initialEnglish();
    auto results = zan::runDamageAnalysis(
        workspace, zan::AnalysisRequest{zan::EnteredThickness{9.5f}, true, true});
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
