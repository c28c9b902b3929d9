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
#include "model/project_fields.h"
#include "model/run.h"

namespace zan {
namespace {

// The messages' texts are the catalogue's (context "Messages"): English in zan-report, which
// never sets a language, and in the language in force in the windows.
constexpr const char* kFatigueTitle =
    ZAN_TRANSLATE_NOOP("Messages", "ZAN Thickness Design: Fatigue Analysis");
constexpr const char* kErosionTitle =
    ZAN_TRANSLATE_NOOP("Messages", "ZAN Thickness Design: Erosion Analysis");
constexpr const char* kDesignThicknessTitle =
    ZAN_TRANSLATE_NOOP("Messages", "Recommended Design Thickness");
// The report prints the same sentences as its own: these are the message box's.
constexpr const char* kFatigueExceeds =
    ZAN_TRANSLATE_NOOP("Messages", "The fatigue damage exceeds 100%.");
constexpr const char* kErosionExceeds =
    ZAN_TRANSLATE_NOOP("Messages", "The erosion damage exceeds 100%.");

std::string shown(const char* text) {
    return catalogue::translate("Messages", text);
}

// The report writer's refusal, which is the inputs' and so shown as a message.
std::string shown(const ReportError& error) {
    return catalogue::translate("Messages", error.message);
}

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
            return fatigueExceeds ? shown(kFatigueExceeds) : "";
        case AnalysisKind::Erosion:
            return erosionExceeds ? shown(kErosionExceeds) : "";
        case AnalysisKind::Both:
            break;
    }
    std::string text;
    if (fatigueExceeds)
        text += shown(kFatigueExceeds) + "\r\n";
    if (erosionExceeds)
        text += shown(kErosionExceeds) + "\r\n";
    return text;
}

// `reason` follows the file's name: "could not be read: ..." or "ends before ...".
CommandOutcome unreadable(const std::string& path, const std::string& reason) {
    return refused(
        CommandStatus::FileUnreadable,
        catalogue::arg(catalogue::translate("Messages", "The file %1 %2. Nothing was loaded."),
                       {path, reason}),
        "");
}

std::string couldNotBeRead(const std::string& reason) {
    return catalogue::arg(catalogue::translate("Messages", "could not be read: %1"), {reason});
}

std::string notEnoughMemory() {
    return couldNotBeRead(catalogue::translate("Messages", "there is not enough memory"));
}

std::string unitsNotMarked(const std::string& path, UnitSystem inForce) {
    return catalogue::arg(
        catalogue::translate(
            "Messages",
            "The first line of %1 is neither ****ENG**** nor ****SI****: its inputs "
            "were read in %2 units, the unit system in force. Check them before "
            "analysing."),
        {path, inForce == UnitSystem::Metric ? catalogue::translate("Messages", "Metric")
                                             : catalogue::translate("Messages", "English")});
}

}  // namespace

CommandOutcome performAnalysis(Workspace& workspace, AnalysisKind kind) {
    workspace.createInputSections();
    const std::string title = shown(analysisTitle(kind));
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
        return refused(CommandStatus::Refused, shown(report.error()), title);

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
        return refused(status, designSearchErrorMessage(found.error()),
                       shown(kDesignThicknessTitle));
    }

    PavementInputs& pavement = workspace.ensurePavement();
    const std::string previousThickness = pavement.thickness;
    pavement.thickness = formatSignificant(static_cast<double>(found->thickness));
    auto report = writeReport(workspace, found->results);
    if (!report) {
        pavement.thickness = previousThickness;
        return refused(CommandStatus::Refused, shown(report.error()), shown(kDesignThicknessTitle));
    }
    workspace.commitResults(found->results);
    workspace.commitRun(
        std::make_shared<const Run>(RunKind::DesignSearch, workspace, *report, Run::Clock::now()));

    const char* unit = workspace.unitSystem() == UnitSystem::Metric ? "cm" : "in";
    CommandOutcome outcome;
    outcome.report = std::move(*report);
    outcome.message = okMessage(
        catalogue::arg(catalogue::translate("Messages",
                                            "The Recommended Minimum Slab Thickness is :  %1  %2."),
                       {formatFixed(found->thickness, 2), unit}),
        shown(kDesignThicknessTitle), Icon::Information);
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
    return unreadable(displayPath, couldNotBeRead(reason));
}

CommandOutcome readDataFile(Workspace& workspace, const std::string& path) {
    return readDataFile(workspace, path, path);
}

CommandOutcome readDataFile(Workspace& workspace, const std::string& path,
                            const std::string& displayPath) {
    try {
        auto bytes = readInputDataFile(path);
        if (!bytes)
            return unreadable(displayPath, couldNotBeRead(bytes.error()));
        return readDataBytes(workspace, *bytes, displayPath);
    } catch (const std::bad_alloc&) {
        return unreadable(displayPath, notEnoughMemory());
    }
}

CommandOutcome readDataBytes(Workspace& workspace, std::string_view bytes,
                             const std::string& displayPath) {
    try {
        auto contents = parseDefFile(bytes);
        if (!contents) {
            if (contents.error() == DefReadError::NotInputDataFile)
                return refused(CommandStatus::NotInputDataFile,
                               catalogue::translate("Messages", "Incorrect Input File!"), "");
            return unreadable(displayPath, catalogue::translate(
                                               "Messages", "ends before the tenth axle-load row"));
        }
        // Applied to a copy, so that running out of memory halfway changes no input.
        Workspace loaded = workspace;
        applyDefFile(loaded, *contents);
        CommandOutcome outcome;
        outcome.message = okMessage(
            catalogue::arg(catalogue::translate("Messages", "%1  Loaded!"), {displayPath}), "",
            Icon::None);
        if (!contents->units)
            outcome.warnings.push_back({InputWarningKind::UnitsNotMarked,
                                        unitsNotMarked(displayPath, loaded.unitSystem())});
        for (InputWarning& warning : inputWarningList(loaded))
            outcome.warnings.push_back(std::move(warning));
        if (!outcome.warnings.empty())
            outcome.warning = okMessage(warningsText(outcome.warnings), "", Icon::Information);
        loaded.markInputsSaved();
        workspace = std::move(loaded);
        return outcome;
    } catch (const std::bad_alloc&) {
        return unreadable(displayPath, notEnoughMemory());
    }
}

namespace {

// What a text holds that the file cannot keep; empty for nothing.
const char* unsavableMark(std::string_view text, bool quoted) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return ZAN_TRANSLATE_NOOP("Messages", "a line end");
    if (quoted && text.find('"') != std::string_view::npos)
        return ZAN_TRANSLATE_NOOP("Messages", "a double quote");
    return "";
}

// Where the messages say a text is: the dialog that holds it.
std::string sectionOf(const InputRange& entry, std::size_t row) {
    if (entry.pavementText)
        return catalogue::translate("Messages", "Pavement Data");
    if (entry.trafficText)
        return catalogue::translate("Messages", "Traffic Data");
    return catalogue::arg(catalogue::translate("Messages", "Axle-Load Categories, row %1"),
                          {std::to_string(row + 1)});
}

// Why the input data are not saved: the first text the file could not give back as it stands;
// nothing when every text can be saved. The axle-load texts are quoted in the file.
std::optional<std::string> unsavedMessage(const Workspace& workspace) {
    const auto holds = [](const std::string& where, const char* mark) {
        return catalogue::arg(
            catalogue::translate("Messages",
                                 "The input data were not saved: a text in %1 holds %2, which an "
                                 "input data file cannot keep. Change it and save again."),
            {where, shown(mark)});
    };
    for (bool axles : {false, true})
        for (std::size_t row = 0; row < (axles ? std::size_t{kAxleRows} : 1); ++row)
            for (const InputRange& entry : inputRanges())
                if (isAxleField(entry.field) == axles)
                    if (const char* mark =
                            unsavableMark(inputText(workspace, entry.field, row), axles);
                        *mark)
                        return holds(sectionOf(entry, row), mark);
    const ProjectInfo& q = workspace.project();
    for (const std::string* text :
         {&q.project, &q.location, &q.client, &q.designer, &q.checker, &q.revision, &q.notes})
        if (const char* mark = unsavableMark(*text, false); *mark)
            return holds(catalogue::translate("Project", kProjectInformationTitle), mark);
    return std::nullopt;
}

// The file would be refused on reading: the texts that can make it so large are the project's.
std::string savedSizeReason(std::size_t bytes) {
    return catalogue::arg(catalogue::translate("Messages",
                                               "the input data file would be %1 bytes, more than "
                                               "the %2 an input data file may have"),
                          {std::to_string(bytes), std::to_string(kMaxInputDataFileBytes)});
}

}  // namespace

std::optional<std::string> projectTooLong(const Workspace& workspace) {
    const std::size_t bytes = writeDefFile(workspace).size();
    if (bytes <= kMaxInputDataFileBytes)
        return std::nullopt;
    return catalogue::arg(
        catalogue::translate("Messages",
                             "The project information is too long: %1. Shorten it and press OK "
                             "again."),
        {savedSizeReason(bytes)});
}

Expected<std::string, std::string> inputDataFileBytes(Workspace& workspace) {
    workspace.createInputSections();
    return savedInputBytes(workspace);
}

Expected<std::string, std::string> savedInputBytes(const Workspace& workspace) {
    if (auto message = unsavedMessage(workspace))
        return failure(std::move(*message));
    std::string bytes = writeDefFile(workspace);
    if (bytes.size() > kMaxInputDataFileBytes)
        return failure(catalogue::arg(
            catalogue::translate("Messages",
                                 "The input data were not saved: %1. Shorten the project "
                                 "information and save again."),
            {savedSizeReason(bytes.size())}));
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
        return failure(shown(report.error()));
    return Run::ofCurrentInputs(workspace, std::move(*report));
}

Expected<std::string, std::string> reportForSaveOrPrint(Workspace& workspace) {
    auto run = documentRun(workspace);
    if (!run)
        return failure(run.error());
    return (*run)->report();
}

Expected<std::string, std::string> reportFileForSave(Workspace& workspace) {
    auto report = reportForSaveOrPrint(workspace);
    if (!report)
        return report;
    return reportFileBytes(*report);
}

}  // namespace zan
