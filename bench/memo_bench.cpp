// What the desktop program makes of a run: the PDF memo, built offscreen. A run's charts and
// tables are computed once, when the run ends (runContent); the memo only formats them, so
// memoExport measures the layout and drawing alone. Read it beside zan_bench's figures.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>

#include "chart/pdf_report.h"
#include "commands/commands.h"
#include "model/run.h"
#include "model/workspace.h"

namespace {

zan::Workspace initialDesign(bool analysed) {
    zan::Workspace workspace;
    workspace.createInputSections();
    if (analysed && !zan::performAnalysis(workspace, zan::AnalysisKind::Both).ok())
        workspace = zan::Workspace();
    return workspace;
}

// The content of a run of the initial design, computed afresh each time.
void runContent(benchmark::State& state) {
    const zan::Workspace workspace = initialDesign(true);
    for (auto _ : state) {
        const zan::Run run(zan::RunKind::Both, workspace, std::string(), zan::Run::Clock::now());
        benchmark::DoNotOptimize(&run.content());
    }
}
BENCHMARK(runContent)->Unit(benchmark::kMillisecond);

// Before any analysis (0) and after Both (1), the run's content already computed.
void memoExport(benchmark::State& state) {
    zan::Workspace workspace = initialDesign(state.range(0) != 0);
    const auto run = zan::documentRun(workspace);
    if (!run) {
        state.SkipWithError("no document run");
        return;
    }
    (*run)->content();
    const zan::PdfReportOptions options{QString(), QDateTime::currentDateTime(),
                                        QPageSize(QPageSize::A4)};
    for (auto _ : state) {
        auto pdf = zan::buildPdfReport(**run, options);
        if (!pdf)
            state.SkipWithError("the memo was not built");
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(memoExport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
