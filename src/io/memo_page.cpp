#include "io/memo_page.h"

#include <algorithm>

#include "io/verdict.h"
#include "model/input_warnings.h"
#include "model/message.h"
#include "model/project_fields.h"
#include "model/version.h"
#include "model/workspace.h"
#include "spectra/axle_spectra.h"

namespace zan {
namespace {

std::vector<MemoRow> inputRows(const Workspace& workspace) {
    const PavementInputs& p = workspace.pavement();
    const TrafficInputs& t = workspace.traffic();
    const auto yesNo = [](bool yes) { return std::string(yes ? caption::kYes : caption::kNo); };
    return {
        {"Unit system", workspace.unitSystem() == UnitSystem::Metric ? "Metric" : "English"},
        {p.thicknessCaption, p.thickness},
        {p.subgradeModulusCaption, p.subgradeModulus},
        {p.modulusOfRuptureCaption, p.modulusOfRupture},
        {caption::kShoulderFrame, yesNo(p.concreteShoulder)},
        {caption::kDowelFrame, yesNo(p.doweledJoints)},
        {caption::kAverageDailyTraffic, t.averageDailyTraffic},
        {caption::kTruckPercent, t.truckPercent},
        {caption::kGrowthPercent, t.growthPercent},
        {caption::kDirectionPercent, t.directionPercent},
        {caption::kLanePercent, t.lanePercent},
        {caption::kDesignPeriod, t.designPeriod},
        {caption::kLoadSafetyFactor, t.loadSafetyFactor},
    };
}

void addAxles(MemoFirstPage& page, const Workspace& workspace) {
    const std::string unit = workspace.unitSystem() == UnitSystem::Metric ? "kN" : "kips";
    const char* spectrum = builtInSpectrumName(workspace.axles(), workspace.unitSystem());
    page.axlesHeading = spectrum
                            ? "Axle loads: the " + std::string(spectrum) + " axle-load spectrum"
                            : "Axle loads";
    page.axleColumns = {"Row", "Single axle load (" + unit + ")", "Single axles per 1000 trucks",
                        "Tandem axle load (" + unit + ")", "Tandem axles per 1000 trucks"};
    const auto& rows = workspace.axles().rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        page.axleRows.push_back({std::to_string(i + 1), rows[i].singleLoad, rows[i].singleCount,
                                 rows[i].tandemLoad, rows[i].tandemCount});
}

std::vector<std::string_view> reportLines(std::string_view report) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < report.size();) {
        const std::size_t end = std::min(report.find("\r\n", at), report.size());
        lines.push_back(report.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

bool isTableTitle(std::string_view line) {
    constexpr std::string_view kTitleEnd = "Analysis Solutions";
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    return line.ends_with(kTitleEnd);
}

}  // namespace

std::vector<LineSpan> reportTables(std::string_view report) {
    const std::vector<std::string_view> lines = reportLines(report);
    std::vector<LineSpan> tables;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isTableTitle(lines[i]))
            continue;
        // The two empty lines before this title belong to it, not to the table before.
        if (!tables.empty())
            tables.back().end = std::max(tables.back().first + 1, i >= 2 ? i - 2 : 0);
        tables.push_back({i, lines.size()});
    }
    return tables;
}

std::string programLine() {
    return std::string(kMainWindowTitle) + ' ' + programVersion();
}

MemoFirstPage memoFirstPage(const Workspace& workspace, std::string_view date) {
    MemoFirstPage page;
    page.title = "Design memo";
    page.projectHeading = "Project information";
    const ProjectInfo& project = workspace.project();
    for (const ProjectField& field : kProjectFields)
        page.project.push_back({field.caption, project.*field.text});
    page.verdict = designVerdict(workspace);
    page.warningsHeading = "Input warnings";
    page.warnings = inputWarnings(workspace);
    page.inputsHeading = "Inputs as entered";
    page.inputColumns = {"Input", "As entered"};
    page.inputs = inputRows(workspace);
    addAxles(page, workspace);
    page.computedWith = "Computed with " + programLine() + ".";
    page.date = "Date: " + std::string(date);
    page.designedBy = "Designed by: " + project.designer;
    page.checkedBy = "Checked by: " + project.checker;
    page.signatureDate = "Date: ____________";
    return page;
}

}  // namespace zan
