#include "io/memo_page.h"

#include <algorithm>

#include "io/verdict.h"
#include "model/axle_spectra.h"
#include "model/catalogue.h"
#include "model/input_ranges.h"
#include "model/message.h"
#include "model/project_fields.h"
#include "model/run.h"
#include "model/version.h"
#include "model/workspace.h"

namespace zan {
namespace {

// Every input exactly as typed (the report rounds them to its patterns), in the core's table
// order, the two options after the pavement's values.
std::vector<MemoRow> inputRows(const Workspace& workspace) {
    const PavementInputs& p = workspace.pavement();
    const auto yesNo = [](bool yes) { return caption::shown(yes ? caption::kYes : caption::kNo); };
    std::vector<MemoRow> rows = {{catalogue::translate("Memo", "Unit system"),
                                  workspace.unitSystem() == UnitSystem::Metric
                                      ? catalogue::translate("Memo", "Metric")
                                      : catalogue::translate("Memo", "English")}};
    for (const InputRange& entry : inputRanges()) {
        if (isAxleField(entry.field))
            continue;
        rows.push_back(
            {inputCaption(workspace, entry.field, 0), inputText(workspace, entry.field, 0)});
        if (entry.field == InputField::ModulusOfRupture) {
            rows.push_back({caption::shown(caption::kShoulderFrame), yesNo(p.concreteShoulder)});
            rows.push_back({caption::shown(caption::kDowelFrame), yesNo(p.doweledJoints)});
        }
    }
    return rows;
}

void addAxles(MemoFirstPage& page, const Workspace& workspace) {
    const std::string unit = workspace.unitSystem() == UnitSystem::Metric ? "kN" : "kips";
    const char* spectrum = builtInSpectrumName(workspace.axles(), workspace.unitSystem());
    page.axlesHeading =
        spectrum
            ? catalogue::arg(catalogue::translate("Memo", "Axle loads: the %1 axle-load spectrum"),
                             {catalogue::translate("Spectra", spectrum)})
            : catalogue::translate("Memo", "Axle loads");
    page.axleColumns = {
        catalogue::translate("Memo", "Row"),
        catalogue::arg(catalogue::translate("Memo", "Single axle load (%1)"), {unit}),
        catalogue::translate("Memo", "Single axles per 1000 trucks"),
        catalogue::arg(catalogue::translate("Memo", "Tandem axle load (%1)"), {unit}),
        catalogue::translate("Memo", "Tandem axles per 1000 trucks")};
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

MemoFirstPage memoFirstPage(const Run& run, std::string_view date) {
    const Workspace& workspace = run.workspace();
    MemoFirstPage page;
    page.title = catalogue::translate("Memo", "Design memo");
    page.projectHeading = catalogue::translate("Memo", "Project information");
    const ProjectInfo& project = workspace.project();
    for (const ProjectField& field : kProjectFields)
        page.project.push_back(
            {catalogue::translate("Project", field.caption), project.*field.text});
    page.verdict = designVerdict(run);
    page.warningsHeading = catalogue::translate("Memo", "Input warnings");
    page.warnings = run.warnings();
    page.inputsHeading = catalogue::translate("Memo", "Inputs as entered");
    page.inputColumns = {catalogue::translate("Memo", "Input"),
                         catalogue::translate("Memo", "As entered")};
    page.inputs = inputRows(workspace);
    addAxles(page, workspace);
    page.computedWith =
        catalogue::arg(catalogue::translate("Memo", "Computed with %1."), {programLine()});
    page.date = catalogue::arg(catalogue::translate("Memo", "Date: %1"), {date});
    page.designedBy =
        catalogue::arg(catalogue::translate("Memo", "Designed by: %1"), {project.designer});
    page.checkedBy =
        catalogue::arg(catalogue::translate("Memo", "Checked by: %1"), {project.checker});
    page.signatureDate = catalogue::translate("Memo", "Date: ____________");
    return page;
}

}  // namespace zan
