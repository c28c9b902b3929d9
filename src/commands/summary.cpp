#include "commands/summary.h"

#include <cmath>
#include <string>

#include "io/sha256.h"
#include "model/design_search.h"
#include "model/numbers.h"
#include "model/text_encoding.h"
#include "model/workspace.h"

namespace zan {
namespace {

// The report prints an input as its number in the given pattern, or as typed when the number
// is too large for a double.
std::string asReported(const std::string& text, int decimals) {
    const double value = parseNumber(text);
    return std::isfinite(value) ? formatFixed(value, decimals) : text;
}

// A message may run over several lines; the status keeps the summary one line per file.
std::string oneLine(std::string_view text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        line += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::string refusal(const CommandOutcome& outcome) {
    return "refused: " + oneLine(outcome.message ? outcome.message->text : std::string());
}

// A number as the report prints it is safe in any spreadsheet; an input too large to print
// as a number is shown as typed, and so is a text.
std::string numberCell(const std::string& text) {
    return isNumberText(text) ? text : spreadsheetText(text);
}

}  // namespace

SummaryLine summarizeDataFile(const std::string& path, DesignFileReader readFile) {
    SummaryLine line;
    line.file = path;

    const auto file = readFile(path);
    if (!file) {
        line.outcome = CommandStatus::FileUnreadable;
        line.status = "cannot be read: " + file.error();
        return line;
    }
    Workspace workspace;
    const CommandOutcome read = readDataBytes(workspace, *file, path);
    if (!read.ok()) {
        line.outcome = read.status;
        line.status = read.status == CommandStatus::NotInputDataFile ? "not an input data file"
                                                                     : "ends early";
        return line;
    }
    // Of the inputs as read: the analyses and the search change the trial thickness.
    if (const auto saved = savedInputBytes(workspace))
        line.fingerprint = sha256Hex(*saved);
    line.project = workspace.project().project;
    line.inputWarnings = read.warnings;
    line.warnings = std::to_string(line.inputWarnings.size());
    const bool metric = workspace.unitSystem() == UnitSystem::Metric;
    line.unitSystem = metric ? "Metric" : "English";
    line.trialThickness = asReported(workspace.pavement().thickness, 2);

    const CommandOutcome both = performAnalysis(workspace, AnalysisKind::Both);
    if (!both.ok()) {
        line.outcome = both.status;
        line.status = refusal(both);
        return line;
    }
    line.totalFatigue = formatFixed(workspace.results().totalFatigueDamage, 1);
    line.totalErosion = formatFixed(workspace.results().totalErosionDamage, 1);

    const CommandOutcome design = computeDesignThickness(workspace);
    line.outcome = design.status;
    if (design.status == CommandStatus::NoPassingThickness) {
        line.status = "no passing thickness up to " +
                      formatSignificant(metric ? kSearchLimitCentimetres : kSearchLimitInches) +
                      (metric ? " cm" : " in");
        return line;
    }
    if (!design.ok()) {
        line.status = refusal(design);
        return line;
    }
    // The command wrote the found thickness into the trial thickness text its report prints.
    line.recommendedThickness = asReported(workspace.pavement().thickness, 2);
    line.status = okStatus(line.inputWarnings);
    return line;
}

std::string okStatus(const std::vector<InputWarning>& warnings) {
    return warnings.empty() ? "ok" : "ok, " + warningCounts(warnings);
}

std::string csvLine(const SummaryLine& line) {
    const std::string cells[] = {
        spreadsheetText(line.file),      line.unitSystem,
        numberCell(line.trialThickness), numberCell(line.totalFatigue),
        numberCell(line.totalErosion),   numberCell(line.recommendedThickness),
        spreadsheetText(line.status),    spreadsheetText(line.project),
        spreadsheetText(line.warnings),  line.fingerprint};
    // One encoding for the whole file, UTF-8: a name's bytes that are not are read as the
    // Windows-1252 characters they are on a system that names files so.
    std::string text = csvField(textEncoding::validUtf8(cells[0]));
    for (std::size_t i = 1; i < std::size(cells); ++i)
        (text += ',') += csvField(textEncoding::validUtf8(cells[i]));
    return text;
}

}  // namespace zan
