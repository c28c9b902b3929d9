#include "commands/commands.h"

#include <initializer_list>
#include <new>
#include <optional>
#include <string>

#include "commands/file_system.h"
#include "io/def_file.h"
#include "io/report.h"
#include "model/analysis.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/run.h"

namespace zan {
namespace {

constexpr const char* kFatigueTitle = "ZAN Thickness Design: Fatigue Analysis";
constexpr const char* kErosionTitle = "ZAN Thickness Design: Erosion Analysis";
constexpr const char* kDesignThicknessTitle = "Recommended Design Thickness";
constexpr const char* kFatigueExceeds = "The fatigue damage exceeds 100%.";
constexpr const char* kErosionExceeds = "The erosion damage exceeds 100%.";

Message okMessage(std::string text, std::string title, Icon icon) {
    return Message{std::move(text), std::move(title), icon, Buttons::Ok};
}

// One line each, as a message box shows lines.
std::string warningsText(const std::vector<InputWarning>& warnings) {
    std::string text;
    for (const InputWarning& warning : warnings)
        text += (text.empty() ? "" : "\r\n") + warning.text;
    return text;
}

CommandOutcome refused(CommandStatus status, std::string text, std::string title) {
    CommandOutcome outcome;
    outcome.status = status;
    outcome.message = okMessage(std::move(text), std::move(title), Icon::None);
    return outcome;
}

const char* analysisTitle(AnalysisKind kind) {
    switch (kind) {
        case AnalysisKind::Fatigue:
            return kFatigueTitle;
        case AnalysisKind::Erosion:
            return kErosionTitle;
        case AnalysisKind::Both:
            break;
    }
    return kMainWindowTitle;
}

// Empty when no selected total exceeds 100 % (exactly 100 does not).
std::string damageWarning(AnalysisKind kind, const AnalysisResults& results) {
    const bool fatigueExceeds = exceedsDamageLimit(results.totalFatigueDamage);
    const bool erosionExceeds = exceedsDamageLimit(results.totalErosionDamage);
    switch (kind) {
        case AnalysisKind::Fatigue:
            return fatigueExceeds ? kFatigueExceeds : "";
        case AnalysisKind::Erosion:
            return erosionExceeds ? kErosionExceeds : "";
        case AnalysisKind::Both:
            break;
    }
    std::string text;
    if (fatigueExceeds)
        text += std::string(kFatigueExceeds) + "\r\n";
    if (erosionExceeds)
        text += std::string(kErosionExceeds) + "\r\n";
    return text;
}

CommandOutcome unreadable(const std::string& path, const std::string& reason) {
    return refused(CommandStatus::FileUnreadable,
                   "The file " + path + " " + reason + ". Nothing was loaded.", "");
}

}  // namespace

CommandOutcome performAnalysis(Workspace& workspace, AnalysisKind kind) {
    workspace.createInputSections();
    const std::string title = analysisTitle(kind);
    AnalysisRequest request;
    request.trialThickness =
        EnteredThickness{static_cast<float>(parseNumber(workspace.pavement().thickness))};
    request.fatigue = kind != AnalysisKind::Erosion;
    request.erosion = kind != AnalysisKind::Fatigue;

    auto run = runDamageAnalysis(workspace, request);
    if (!run)
        return refused(CommandStatus::Refused, analysisErrorMessage(run.error()), title);
    auto report = writeReport(workspace, *run);
    if (!report)
        return refused(CommandStatus::Refused, report.error().message, title);

    workspace.commitResults(*run);
    workspace.commitRun(std::make_shared<const Run>(kind == AnalysisKind::Fatigue ? RunKind::Fatigue
                                                    : kind == AnalysisKind::Erosion
                                                        ? RunKind::Erosion
                                                        : RunKind::Both,
                                                    workspace, *report, Run::Clock::now()));
    CommandOutcome outcome;
    outcome.report = std::move(*report);
    std::string warning = damageWarning(kind, *run);
    if (!warning.empty())
        outcome.message = okMessage(std::move(warning), title, Icon::Information);
    return outcome;
}

CommandOutcome computeDesignThickness(Workspace& workspace) {
    workspace.createInputSections();
    auto found = searchDesignThickness(workspace);
    if (!found) {
        const CommandStatus status = found.error().kind == DesignSearchError::Kind::Refused
                                         ? CommandStatus::Refused
                                         : CommandStatus::NoPassingThickness;
        return refused(status, designSearchErrorMessage(found.error()), kDesignThicknessTitle);
    }

    PavementInputs& pavement = workspace.ensurePavement();
    const std::string previousThickness = pavement.thickness;
    pavement.thickness = formatSignificant(static_cast<double>(found->thickness));
    auto report = writeReport(workspace, found->results);
    if (!report) {
        pavement.thickness = previousThickness;
        return refused(CommandStatus::Refused, report.error().message, kDesignThicknessTitle);
    }
    workspace.commitResults(found->results);
    workspace.commitRun(
        std::make_shared<const Run>(RunKind::DesignSearch, workspace, *report, Run::Clock::now()));

    const char* unit = workspace.unitSystem() == UnitSystem::Metric ? "  cm." : "  in.";
    CommandOutcome outcome;
    outcome.report = std::move(*report);
    outcome.message = okMessage(
        "The Recommended Minimum Slab Thickness is :  " + formatFixed(found->thickness, 2) + unit,
        kDesignThicknessTitle, Icon::Information);
    return outcome;
}

std::optional<std::string> outputRefusal(const std::string& output,
                                         const std::vector<std::string>& inputs) {
    const auto out = file_system::regularFileIdentity(output);
    if (!out)
        return std::nullopt;
    for (const std::string& input : inputs)
        if (file_system::regularFileIdentity(input) == out)
            return "it is one of the input files";
    if (auto bytes = readInputDataFile(output); bytes && hasInputDataMarker(*bytes))
        return "it is an input data file";
    return std::nullopt;
}

std::optional<CommandOutcome> refusalBySize(std::uintmax_t size, const std::string& displayPath) {
    if (size <= kMaxInputDataFileBytes)
        return std::nullopt;
    return unreadableDataFile(displayPath, file_system::reasons::tooLarge(kMaxInputDataFileBytes));
}

CommandOutcome unreadableDataFile(const std::string& displayPath, const std::string& reason) {
    return unreadable(displayPath, "could not be read: " + reason);
}

CommandOutcome readDataFile(Workspace& workspace, const std::string& path) {
    return readDataFile(workspace, path, path);
}

CommandOutcome readDataFile(Workspace& workspace, const std::string& path,
                            const std::string& displayPath) {
    try {
        auto bytes = readInputDataFile(path);
        if (!bytes)
            return unreadable(displayPath, "could not be read: " + bytes.error());
        return readDataBytes(workspace, *bytes, displayPath);
    } catch (const std::bad_alloc&) {
        return unreadable(displayPath, "could not be read: there is not enough memory");
    }
}

CommandOutcome readDataBytes(Workspace& workspace, std::string_view bytes,
                             const std::string& displayPath) {
    try {
        auto contents = parseDefFile(bytes);
        if (!contents) {
            if (contents.error() == DefReadError::NotInputDataFile)
                return refused(CommandStatus::NotInputDataFile, "Incorrect Input File!", "");
            return unreadable(displayPath, "ends before the tenth axle-load row");
        }
        // Applied to a copy, so that running out of memory halfway changes no input.
        Workspace loaded = workspace;
        applyDefFile(loaded, *contents);
        CommandOutcome outcome;
        outcome.message = okMessage(displayPath + "  Loaded!", "", Icon::None);
        if (!contents->units)
            outcome.warnings.push_back(
                {InputWarningKind::UnitsNotMarked,
                 "The first line of " + displayPath +
                     " is neither ****ENG**** nor ****SI****: " + "its inputs were read in " +
                     (loaded.unitSystem() == UnitSystem::Metric ? "Metric" : "English") +
                     " units, the unit system in force. Check them before analysing."});
        for (InputWarning& warning : inputWarningList(loaded))
            outcome.warnings.push_back(std::move(warning));
        if (!outcome.warnings.empty())
            outcome.warning = okMessage(warningsText(outcome.warnings), "", Icon::Information);
        loaded.markInputsSaved();
        workspace = std::move(loaded);
        return outcome;
    } catch (const std::bad_alloc&) {
        return unreadable(displayPath, "could not be read: there is not enough memory");
    }
}

namespace {

std::string_view unsavableMark(std::string_view text, bool quoted) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "a line end";
    if (quoted && text.find('"') != std::string_view::npos)
        return "a double quote";
    return {};
}

// Where the messages say a text is: the dialog that holds it.
std::string sectionOf(const InputRange& entry, std::size_t row) {
    if (entry.pavementText)
        return "Pavement Data";
    if (entry.trafficText)
        return "Traffic Data";
    return "Axle-Load Categories, row " + std::to_string(row + 1);
}

// The first text the input data file could not give back as it stands, as the message names
// it; nothing when every text can be saved. The axle-load texts are quoted in the file.
std::optional<std::string> unsavableText(const Workspace& workspace) {
    const auto holds = [](const std::string& where, std::string_view mark) {
        return where + " holds " + std::string(mark);
    };
    for (bool axles : {false, true})
        for (std::size_t row = 0; row < (axles ? std::size_t{kAxleRows} : 1); ++row)
            for (const InputRange& entry : inputRanges())
                if (isAxleField(entry.field) == axles)
                    if (auto mark = unsavableMark(inputText(workspace, entry.field, row), axles);
                        !mark.empty())
                        return holds(sectionOf(entry, row), mark);
    const ProjectInfo& q = workspace.project();
    for (const std::string* text :
         {&q.project, &q.location, &q.client, &q.designer, &q.checker, &q.revision, &q.notes})
        if (auto mark = unsavableMark(*text, false); !mark.empty())
            return holds("Project Information", mark);
    return std::nullopt;
}

// The file would be refused on reading: the texts that can make it so large are the project's.
std::string savedSizeReason(std::size_t bytes) {
    return "the input data file would be " + std::to_string(bytes) + " bytes, more than the " +
           std::to_string(kMaxInputDataFileBytes) + " an input data file may have";
}

}  // namespace

std::optional<std::string> projectTooLong(const Workspace& workspace) {
    const std::size_t bytes = writeDefFile(workspace).size();
    if (bytes <= kMaxInputDataFileBytes)
        return std::nullopt;
    return "The project information is too long: " + savedSizeReason(bytes) +
           ". Shorten it and press OK again.";
}

Expected<std::string, std::string> inputDataFileBytes(Workspace& workspace) {
    workspace.createInputSections();
    if (auto text = unsavableText(workspace))
        return failure("The input data were not saved: a text in " + *text +
                       ", which an input data file cannot keep. Change it and save again.");
    std::string bytes = writeDefFile(workspace);
    if (bytes.size() > kMaxInputDataFileBytes)
        return failure("The input data were not saved: " + savedSizeReason(bytes.size()) +
                       ". Shorten the project information and save again.");
    return bytes;
}

CommandOutcome repeatLastRun(Workspace& workspace) {
    switch (workspace.lastRunKind()) {
        case RunKind::Fatigue:
            return performAnalysis(workspace, AnalysisKind::Fatigue);
        case RunKind::Erosion:
            return performAnalysis(workspace, AnalysisKind::Erosion);
        case RunKind::Both:
            return performAnalysis(workspace, AnalysisKind::Both);
        case RunKind::DesignSearch:
            return computeDesignThickness(workspace);
        case RunKind::None:
            break;
    }
    return CommandOutcome{};
}

Expected<std::shared_ptr<const Run>, std::string> documentRun(Workspace& workspace) {
    workspace.createInputSections();
    if (workspace.lastRun())
        return workspace.lastRun();
    auto report = writeReport(workspace);
    if (!report)
        return failure(report.error().message);
    return Run::ofCurrentInputs(workspace, std::move(*report));
}

Expected<std::string, std::string> reportForSaveOrPrint(Workspace& workspace) {
    auto run = documentRun(workspace);
    if (!run)
        return failure(run.error());
    return (*run)->report();
}

}  // namespace zan
