#include "commands/page_session.h"

#include <chrono>
#include <cstdint>
#include <string_view>
#include <utility>

#include "commands/commands.h"
#include "commands/kept_inputs.h"
#include "commands/page_text.h"
#include "io/details_table.h"
#include "io/json.h"
#include "io/memo_document.h"
#include "io/utf8.h"
#include "model/analysis.h"
#include "model/axle_spectra.h"
#include "model/catalogue.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/project_fields.h"

namespace zan {
namespace {

using pageText::fromCore;

const char* groupOf(const InputRange& entry) {
    return entry.pavementText ? "pavement" : entry.trafficText ? "traffic" : "axles";
}

// The project fields are "info-" and their key in lower case: "info-project", "info-notes".
std::string projectFieldId(const ProjectField& field) {
    std::string id = "info-";
    for (char c : field.key)
        id += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return id;
}

const ProjectField* projectField(std::string_view id) {
    for (const ProjectField& field : kProjectFields)
        if (projectFieldId(field) == id)
            return &field;
    return nullptr;
}

// The index of a field in webInputs(), or its size for none.
std::size_t indexOf(std::string_view id) {
    const std::vector<WebInput>& inputs = webInputs();
    std::size_t i = 0;
    while (i < inputs.size() && inputs[i].id != id)
        ++i;
    return i;
}

// "&Analyse Again" as a button without mnemonics shows it.
std::string withoutMnemonic(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

const char* buttonsName(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return "yes-no";
        case Buttons::YesNoCancel:
            return "yes-no-cancel";
        case Buttons::CancelTryAgainContinue:
            return "cancel-try-again-continue";
        case Buttons::Ok:
            break;
    }
    return "ok";
}

const char* iconName(Icon icon) {
    return icon == Icon::Information ? "information" : icon == Icon::Question ? "question" : "none";
}

// A message box: its text (lines separated by CR LF), title (the application's short name when
// the core gives none), buttons and icon. `named` gives the text as the page shows it.
template <typename Named>
void writeMessage(json::Writer& w, const Message& m, const Named& named) {
    w.beginObject()
        .member("text", named(m.text))
        .member("title", fromCore(m.title.empty() ? kApplicationShortName : m.title))
        .member("buttons", buttonsName(m.buttons))
        .member("icon", iconName(m.icon))
        .endObject();
}

void writeMessage(json::Writer& w, const Message& m) {
    writeMessage(w, m, [](const std::string& text) { return fromCore(text); });
}

// A file's name as the page gave it, and as the core holds it (a byte that is not UTF-8 as its
// Windows-1252 character): a message names the file as given.
struct FileName {
    explicit FileName(const std::string& given) : given(given), core(pageText::toCore(given)) {}
    std::string operator()(const std::string& text) const {
        std::string shown = fromCore(text);
        const std::string held = fromCore(core);
        for (std::size_t at = shown.find(held); !held.empty() && at != std::string::npos;
             at = shown.find(held, at + given.size()))
            shown.replace(at, held.size(), given);
        return shown;
    }
    std::string given;
    std::string core;
};

std::string outcomeJson(const CommandOutcome& outcome, const FileName& name) {
    json::Writer w;
    w.beginObject().member("status", static_cast<int>(outcome.status));
    if (outcome.message)
        writeMessage(w.key("message"), *outcome.message, name);
    if (outcome.warning)
        writeMessage(w.key("warning"), *outcome.warning, name);
    w.endObject();
    return w.text();
}

std::string bytesJson(const Expected<std::string, std::string>& bytes) {
    json::Writer w;
    w.beginObject();
    if (bytes)
        w.member("bytes", utf8::fromLatin1(*bytes));  // each byte the character of its number
    else
        w.member("error", fromCore(bytes.error()));
    w.endObject();
    return w.text();
}

// A step of the range check: the field's text now, and the message to answer, if any.
std::string checkStep(const std::string& text, const Message* message) {
    json::Writer w;
    w.beginObject().member("text", fromCore(text));
    if (message)
        writeMessage(w.key("message"), *message);
    w.endObject();
    return w.text();
}

double millisecondsOf(Run::Clock::time_point time) {
    return static_cast<double>(
        std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count());
}

void writeField(json::Writer& w, const Workspace& ws, const WebInput& input) {
    const InputField field = input.entry->field;
    w.beginObject()
        .member("id", input.id)
        .member("group", groupOf(*input.entry))
        .member("caption", fromCore(isAxleField(field) ? caption::shown(input.entry->caption)
                                                       : inputCaption(ws, field, 0)))
        .member("label", fromCore(inputCaption(ws, field, input.row)))
        .member("tooltip", fromCore(fieldTooltip(field, ws.unitSystem())))
        .member("text", fromCore(inputText(ws, field, input.row)));
    if (isAxleField(field))
        w.member("row", static_cast<int>(input.row + 1));
    w.endObject();
}

// The captions around the inputs that are not an input's own.
void writeCaptions(json::Writer& w, const Workspace& ws) {
    const auto shown = [](std::string_view text) { return fromCore(caption::shown(text)); };
    const auto command = [](const char* text) {
        return fromCore(withoutMnemonic(catalogue::translate(kCategoryCommandContext, text)));
    };
    w.beginObject()
        .member("axleLoad", shown(ws.axles().loadHeading))
        .member("single", shown(caption::kSingle))
        .member("tandem", shown(caption::kTandem))
        .member("axlesPer1000", shown(caption::kAxlesPer1000))
        .member("shoulder", shown(caption::kShoulderFrame))
        .member("dowels", shown(caption::kDowelFrame))
        .member("yes", shown(caption::kYes))
        .member("no", shown(caption::kNo));
    w.key("categories").beginArray();
    for (const char* c : kCategoryCommands)
        w.value(command(c));
    w.endArray()
        .member("inputAxles", command(kInputAxlesCommand))
        .member("unit", inputRange(InputField::TrialThickness).unit(ws.unitSystem()).symbol)
        .endObject();
}

}  // namespace

const std::vector<WebInput>& webInputs() {
    static const std::vector<WebInput> inputs = [] {
        std::vector<WebInput> all;
        for (const InputRange& entry : inputRanges())
            if (!isAxleField(entry.field))
                all.push_back({&entry, 0, entry.webId});
        for (std::size_t row = 0; row < kAxleRows; ++row)
            for (const InputRange& entry : inputRanges())
                if (isAxleField(entry.field))
                    all.push_back({&entry, row, entry.webId + ("-" + std::to_string(row + 1))});
        return all;
    }();
    return inputs;
}

bool hasTables(const Run& run) {
    return run.analysed() && (run.results().fatigueSelected || run.results().erosionSelected);
}

PageSession::PageSession() : m_pending(webInputs().size(), false) {
    acceptAll();
}

// ---- What the page shows.

std::string PageSession::view() const {
    const Workspace& ws = m_workspace;
    json::Writer w;
    w.beginObject()
        .member("units", static_cast<int>(ws.unitSystem()))
        .member("locked", ws.unitChoiceLocked())
        .member("file", m_fileName)
        .member("results", ws.lastRun() && hasTables(*ws.lastRun()))
        .member("shoulder", ws.pavement().concreteShoulder)
        .member("dowels", ws.pavement().doweledJoints)
        .member("lastTandemRowShown", ws.axles().lastTandemRowShown);
    w.key("fields").beginArray();
    for (const WebInput& input : webInputs())
        writeField(w, ws, input);
    w.endArray().key("project").beginArray();
    for (const ProjectField& field : kProjectFields)
        w.beginObject()
            .member("id", projectFieldId(field))
            .member("caption", fromCore(catalogue::translate("Project", field.caption)))
            .member("text", fromCore(ws.project().*field.text))
            .endObject();
    w.endArray().key("captions");
    writeCaptions(w, ws);
    w.endObject();
    return w.text();
}

std::string PageSession::names() const {
    const auto run = [](const char* text) {
        return fromCore(catalogue::translate(runText::kContext, text));
    };
    json::Writer w;
    w.beginObject()
        .member("program", fromCore(programLine()))
        .member("title", kMainWindowTitle)
        .member("shortName", kApplicationShortName)
        .member("onlyFirstFileRead", fromCore(catalogue::translate("Messages", kOnlyFirstFileRead)))
        .member("projectTitle", fromCore(catalogue::translate("Project", kProjectInformationTitle)))
        .member("inputsChangedNotice", run(runText::kInputsChangedNotice))
        .member("analyseAgain", withoutMnemonic(run(runText::kAnalyseAgain)))
        .member("analyseAgainTip", run(runText::kAnalyseAgainTip))
        .member("analyseAgainQuestion", run(runText::kAnalyseAgainQuestion))
        .member("inputsChangedMark", run(runText::kInputsChangedMark))
        .endObject();
    return w.text();
}

bool PageSession::chooseUnits(int units) {
    const bool chosen =
        m_workspace.chooseUnitSystem(units == 1 ? UnitSystem::Metric : UnitSystem::English);
    acceptAll();
    return chosen;
}

bool PageSession::setText(const std::string& id, const std::string& text) {
    const std::size_t i = indexOf(id);
    if (i == webInputs().size())
        return false;
    const WebInput& input = webInputs()[i];
    ensureInputText(m_workspace, input.entry->field, input.row) = pageText::toInputText(text);
    m_pending[i] = true;
    return true;
}

void PageSession::setOption(const std::string& id, bool yes) {
    PavementInputs& p = m_workspace.ensurePavement();
    (id == "shoulder" ? p.concreteShoulder : p.doweledJoints) = yes;
}

std::string PageSession::setProjectText(const std::string& id, const std::string& text) {
    const ProjectField* field = projectField(id);
    if (!field)
        return {};
    ProjectInfo project = m_workspace.project();
    project.*field->text = projectLine(pageText::toCore(text));
    m_workspace.setProject(project);
    return fromCore(project.*field->text);
}

void PageSession::applyCategory(int category) {
    applyAxleLoadCategory(m_workspace, static_cast<AxleLoadCategory>(category));
    acceptAll();
}

void PageSession::loadStandard() {
    loadStandardAxleSpectrum(m_workspace);
    acceptAll();
}

// ---- The range check: the same questions as the dialogs' OK, one field at a time.

std::string PageSession::checkField(const std::string& id) {
    return answerCheck(id, "");
}

std::string PageSession::answerCheck(const std::string& id, const std::string& answer) {
    const std::size_t i = indexOf(id);
    if (i == webInputs().size())
        return checkStep("", nullptr);
    const WebInput& input = webInputs()[i];
    m_pending[i] = false;
    const FieldRange range = input.entry->range(m_workspace.unitSystem());
    std::string& text = ensureInputText(m_workspace, input.entry->field, input.row);
    const TextCheck check = checkValueText(text, range);
    const std::string title = catalogue::translate("Inputs", kInputCheckTitle);
    Message message;
    if (check == TextCheck::Invalid && answer.empty())
        message = {invalidNumberMessage(range.name), title, Icon::None,
                   Buttons::CancelTryAgainContinue};
    else if (check == TextCheck::Invalid)
        text = m_accepted[i];
    else if ((check == TextCheck::Below || check == TextCheck::Above) && answer.empty())
        message = {rangeQuestion(range, check == TextCheck::Below), title, Icon::None,
                   Buttons::YesNo};
    else if (answer == "yes" && check != TextCheck::Inside)
        text = boundText(check == TextCheck::Below ? range.minimum : range.maximum);
    else if (answer == "no" && check != TextCheck::Inside)
        message = {keepValueMessage(range.name), "", Icon::None, Buttons::Ok};
    if (!message.text.empty())
        return checkStep(text, &message);
    m_accepted[i] = text;
    return checkStep(text, nullptr);
}

std::string PageSession::pendingChecks() const {
    json::Writer w;
    w.beginArray();
    for (std::size_t i = 0; i < m_pending.size(); ++i)
        if (m_pending[i])
            w.value(webInputs()[i].id);
    w.endArray();
    return w.text();
}

void PageSession::acceptAll() {
    m_accepted.clear();
    for (const WebInput& input : webInputs())
        m_accepted.push_back(inputText(m_workspace, input.entry->field, input.row));
    m_pending.assign(webInputs().size(), false);
}

// ---- The commands.

std::string PageSession::afterCommand(const CommandOutcome& outcome) {
    if (m_workspace.lastRun() != m_seenRun)
        m_runFile = m_fileName;
    run();  // counts it
    acceptAll();
    return outcomeJson(outcome, FileName(m_fileName));
}

std::string PageSession::analyse(int kind) {
    return afterCommand(performAnalysis(m_workspace, static_cast<AnalysisKind>(kind)));
}

std::string PageSession::designThickness() {
    return afterCommand(computeDesignThickness(m_workspace));
}

std::string PageSession::analyseAgain() {
    return afterCommand(repeatLastRun(m_workspace));
}

std::string PageSession::readFile(const std::string& bytes, const std::string& name) {
    const FileName file(name);
    const CommandOutcome outcome = readDataBytes(m_workspace, bytes, file.core);
    if (outcome.ok())
        m_fileName = name;
    acceptAll();
    return outcomeJson(outcome, file);
}

std::string PageSession::refusalBySize(double size, const std::string& name) const {
    const FileName file(name);
    const auto refusal = zan::refusalBySize(static_cast<std::uintmax_t>(size), file.core);
    return outcomeJson(refusal ? *refusal : CommandOutcome{}, file);
}

std::string PageSession::unreadableFile(const std::string& name, const std::string& reason) const {
    const FileName file(name);
    return outcomeJson(unreadableDataFile(file.core, pageText::toCore(reason)), file);
}

std::string PageSession::defBytes() {
    auto bytes = inputDataFileBytes(m_workspace);
    if (bytes)
        m_workspace.markInputsSaved();
    return bytesJson(bytes);
}

std::string PageSession::reportBytes() {
    return bytesJson(reportFileForSave(m_workspace));
}

std::string PageSession::detailsBytes() {
    const auto run = documentRun(m_workspace);
    if (!run)
        return bytesJson(failure(run.error()));
    return bytesJson(detailsCsv((*run)->content().details));
}

// ---- The run.

std::string PageSession::run() {
    if (m_workspace.lastRun() != m_seenRun) {
        m_seenRun = m_workspace.lastRun();
        ++m_runNumber;
    }
    const std::shared_ptr<const Run> run = shownRun();
    json::Writer w;
    w.beginObject()
        .member("number", m_runNumber)
        .member("tables", hasTables(*run))
        .member("kind", static_cast<int>(run->kind()))
        .member("changed", m_workspace.inputsChangedSinceRun())
        .member("finished", millisecondsOf(run->finished()))
        .member("file", m_workspace.lastRun() ? m_runFile : m_fileName)
        .endObject();
    return w.text();
}

bool PageSession::inputsChanged() const {
    return m_workspace.inputsChangedSinceRun();
}

bool PageSession::unsaved() const {
    return m_workspace.inputsChangedSinceSaved();
}

void PageSession::repeatAnalysis(int runs) const {
    const AnalysisRequest request{
        EnteredThickness{static_cast<float>(parseNumber(m_workspace.pavement().thickness))}, true,
        true};
    for (int i = 0; i < runs; ++i)
        if (!runDamageAnalysis(m_workspace, request))
            break;
}

std::shared_ptr<const Run> PageSession::shownRun() const {
    if (m_workspace.lastRun())
        return m_workspace.lastRun();
    Workspace copy = m_workspace;
    auto run = documentRun(copy);
    return run ? *run : Run::ofCurrentInputs(copy, std::string());
}

// ---- Kept in the browser's storage.

std::string PageSession::keptInputs(double time) const {
    return writeKeptInputs(m_workspace, m_fileName, time);
}

double PageSession::keptTime(const std::string& kept) {
    return keptInputsTime(kept);
}

std::string PageSession::restore(const std::string& kept) {
    auto restored = readKeptInputs(kept);
    json::Writer w;
    w.beginObject().member("restored", static_cast<bool>(restored));
    if (!restored) {
        w.member("reason", fromCore(restored.error())).endObject();
        return w.text();
    }
    acceptAll();  // a restored text the check refuses goes back to the one before
    const std::vector<std::string> before = m_accepted;
    m_workspace = std::move(restored->workspace);
    m_fileName = std::move(restored->file);
    m_runFile.clear();
    acceptAll();
    for (std::size_t i = 0; i < webInputs().size(); ++i) {
        const WebInput& input = webInputs()[i];
        if (checkValueText(m_accepted[i], input.entry->range(m_workspace.unitSystem())) !=
            TextCheck::Inside) {
            m_pending[i] = true;
            m_accepted[i] = before[i];
        }
    }
    w.member("file", m_fileName).member("time", restored->time).endObject();
    return w.text();
}

void PageSession::reset() {
    m_workspace = Workspace();
    m_fileName.clear();
    m_runFile.clear();
    acceptAll();
}

}  // namespace zan
