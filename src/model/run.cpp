#include "model/run.h"

#include <cmath>

#include "model/design_search.h"
#include "model/input_warnings.h"
#include "model/numbers.h"

namespace zan {
namespace {

// A load as the report lists it: a number in "0.0", any other text as typed.
std::string listedLoad(const std::string& text) {
    const double value = parseNumber(text);
    return isNumberText(text) && std::isfinite(value) ? formatFixed(value, 1) : text;
}

RunContent computeContent(const Workspace& inputs) {
    RunContent content;
    const AxleInputs& axles = inputs.axles();
    for (std::size_t row = 0; row < axles.rows.size(); ++row) {
        content.listedLoads[row] = listedLoad(axles.rows[row].singleLoad);
        content.listedLoads[kAxleRows + row] = listedLoad(axles.rows[row].tandemLoad);
    }
    content.details = calculationDetails(inputs.results());
    // The one search from the trial thickness; the alternatives, the curve and the sensitivity
    // all start from its outcome.
    const DesignSearch base = searchDesignThickness(inputs);
    content.alternatives = designAlternatives(inputs, base);
    auto curve = damageCurve(inputs, base);
    if (!curve) {
        content.refusal = curve.error();
        return content;
    }
    content.curve = std::move(*curve);
    content.sensitivity = sensitivity(inputs, base);
    return content;
}

}  // namespace

Run::Run(RunKind kind, const Workspace& inputs, std::string report, Clock::time_point finished)
    : m_kind(kind),
      m_inputs(inputs.withoutRun()),
      m_report(std::move(report)),
      m_finished(finished) {
    m_inputs.createInputSections();
    m_snapshot = m_inputs.inputSnapshot();
}

std::vector<std::string> Run::warnings() const {
    return inputWarnings(m_inputs);
}

std::shared_ptr<const Run> Run::ofCurrentInputs(const Workspace& workspace, std::string report) {
    Workspace current = workspace.withoutRun();
    current.commitResults(AnalysisResults{});
    return std::make_shared<const Run>(RunKind::None, current, std::move(report), Clock::now());
}

const RunContent& Run::content() const {
    if (!m_content)
        m_content = std::make_shared<const RunContent>(computeContent(m_inputs));
    return *m_content;
}

}  // namespace zan
