#pragma once
// A run: what an analysis or a design search leaves behind, fixed when it ends. It holds the
// inputs exactly as the run read them (texts, options, unit system, project information), the
// command, the results and the report written from them, and, computed once on first use,
// everything a document derives from them: the damage curve, the design alternatives, the
// sensitivity and the calculation details. Every document (the report box, a saved or printed
// report, the memo, the chart window, the details, each output of the web page) is written
// from one run, never from the current inputs beside an earlier run's tables.

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/analysis.h"
#include "model/calculation_details.h"
#include "model/catalogue.h"
#include "model/damage_curve.h"
#include "model/design_alternatives.h"
#include "model/sensitivity.h"
#include "model/workspace.h"

namespace zan {

// What the damage chart window shows and the memo prints after the report: derived from the
// run's inputs and results alone.
struct RunContent {
    // Why the design has no recommended thickness; then only the alternatives are filled (each
    // combination has a search of its own), and the charts give way to this.
    std::optional<DesignSearchError> refusal;
    DesignAlternatives alternatives;
    DamageCurve curve;
    Sensitivity sensitivity;
    CalculationDetails details;
    // The twenty loads as the report lists them (single rows, then tandem rows).
    std::array<std::string, 2 * kAxleRows> listedLoads;
};

// What every front end says while the inputs differ from the last run's.
namespace runText {
inline constexpr const char* kContext = "Runs";
// Beside the results (the desktop's status bar, the web page's verdict).
inline constexpr const char* kInputsChangedNotice = ZAN_TRANSLATE_NOOP(
    "Runs",
    "The inputs changed after the last analysis: the report's tables are from the earlier "
    "inputs.");
inline constexpr const char* kAnalyseAgain = ZAN_TRANSLATE_NOOP("Runs", "&Analyse Again");
inline constexpr const char* kAnalyseAgainTip =
    ZAN_TRANSLATE_NOOP("Runs", "Run the last analysis again at the inputs as they are now.");
// Before a document leaves; Yes analyses again, No writes the last run as it was.
inline constexpr const char* kAnalyseAgainQuestion = ZAN_TRANSLATE_NOOP(
    "Runs",
    "The inputs have changed since the last analysis, so the tables do not belong to them. "
    "Analyse again first?");
// On every page of a document written from the last run after No, with the run's time.
inline constexpr const char* kInputsChangedMark =
    ZAN_TRANSLATE_NOOP("Runs", "Inputs changed after this analysis");
}  // namespace runText

class Run {
  public:
    using Clock = std::chrono::system_clock;

    // `inputs` is the workspace as the command read it, with the run's results committed.
    Run(RunKind kind, const Workspace& inputs, std::string report, Clock::time_point finished);

    // The documents of a workspace that has no run yet: its current inputs, no results.
    static std::shared_ptr<const Run> ofCurrentInputs(const Workspace& workspace,
                                                      std::string report);

    RunKind kind() const { return m_kind; }
    bool analysed() const { return m_kind != RunKind::None; }
    // The inputs as the run read them, every section created, with the run's results and no
    // run of its own; the readers and writers of the core take it as they take any workspace.
    const Workspace& workspace() const { return m_inputs; }
    const InputSnapshot& inputs() const { return m_snapshot; }
    const AnalysisResults& results() const { return m_inputs.results(); }
    // The report as the run wrote it, CR LF lines.
    const std::string& report() const { return m_report; }
    Clock::time_point finished() const { return m_finished; }
    // The input warnings of the run's inputs (model/input_warnings.h), in the language in force.
    std::vector<std::string> warnings() const;

    // Computed on the first call and kept: the chart window, the memo and the web page all
    // format this one value.
    const RunContent& content() const;

  private:
    RunKind m_kind;
    Workspace m_inputs;
    InputSnapshot m_snapshot;
    std::string m_report;
    Clock::time_point m_finished;
    mutable std::shared_ptr<const RunContent> m_content;
};

}  // namespace zan
