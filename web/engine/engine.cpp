// The web page's door into the core: one Workspace and the core's commands, readers and
// documents, exported to JavaScript with embind. Every decision stays in the core; this file
// only names the inputs by the web ids of the core's descriptor table (model/input_ranges.h)
// and turns the core's values into plain JavaScript values.
//
// Texts cross as byte strings: the module is linked with EMBIND_STD_STRING_IS_UTF8=0, so one
// JavaScript character code (0 to 255) is one Latin-1 byte, the core's own encoding. The texts
// the core marks for the catalogue (ZAN_TRANSLATE_NOOP) are translated here, where they are
// shown; every other text comes as the core makes it in the language in force.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/commands.h"
#include "io/details_table.h"
#include "io/json.h"
#include "io/memo_document.h"
#include "io/memo_json.h"
#include "model/analysis.h"
#include "model/axle_spectra.h"
#include "model/catalogue.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "model/input_warnings.h"
#include "model/message.h"
#include "model/numbers.h"
#include "model/project_fields.h"
#include "model/run.h"
#include "model/workspace.h"

namespace {

using emscripten::val;
using namespace zan;

// A command's outcome as the page shows it: the message box and any second box.
struct WebOutcome {
    int status = 0;
    bool hasMessage = false;
    std::string messageText;   // lines separated by CR LF
    std::string messageTitle;  // the application's short name when the core gives none
    std::string buttons;       // "ok", "yes-no", "yes-no-cancel", "cancel-try-again-continue"
    std::string icon;          // "none", "information", "question"
    bool hasWarning = false;   // a second box after the message: done, but with a doubt
    std::string warningText;   // lines separated by CR LF
};

// What the range check decides for one field's text, as the dialogs' OK would ask it.
struct WebCheck {
    std::string kind;  // "ok", "invalid", "below", "above", or "" for an unknown field
    std::string prompt;
    std::string title;        // kInputCheckTitle
    std::string bound;        // the suggested bound's text, for Yes
    std::string keepMessage;  // shown after No; it has no title of its own
};

// Bytes to download, or the message saying why there are none.
struct WebBytes {
    bool ok = false;
    std::string bytes;
    std::string error;
};

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

WebOutcome toWeb(const CommandOutcome& outcome) {
    WebOutcome web;
    web.status = static_cast<int>(outcome.status);
    if (outcome.message) {
        web.hasMessage = true;
        web.messageText = outcome.message->text;
        web.messageTitle =
            outcome.message->title.empty() ? kApplicationShortName : outcome.message->title;
        web.buttons = buttonsName(outcome.message->buttons);
        web.icon = iconName(outcome.message->icon);
    }
    if (outcome.warning) {
        web.hasWarning = true;
        web.warningText = outcome.warning->text;
    }
    return web;
}

WebBytes toWeb(const Expected<std::string, std::string>& bytes) {
    WebBytes web;
    web.ok = static_cast<bool>(bytes);
    if (web.ok)
        web.bytes = *bytes;
    else
        web.error = bytes.error();
    return web;
}

std::string shown(const char* context, const char* text) {
    return catalogue::translate(context, text);
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

val textList(const std::vector<std::string>& texts) {
    val list = val::array();
    for (const std::string& text : texts)
        list.call<void>("push", text);
    return list;
}

template <std::size_t N>
val textList(const std::array<std::string, N>& texts) {
    return textList(std::vector<std::string>(texts.begin(), texts.end()));
}

// ---- One identity per input: the web ids of the core's table, an axle field's with its row
// ("single-load-1" to "single-load-10"), the pavement and traffic inputs in the table's order,
// then the axle rows top down.

struct WebInput {
    const InputRange* entry;
    std::size_t row;  // 0 to 9 for an axle field
    std::string id;
};

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

const char* groupOf(const InputRange& entry) {
    return entry.pavementText ? "pavement" : entry.trafficText ? "traffic" : "axles";
}

bool sectionExists(const Workspace& ws, const InputRange& entry) {
    return entry.pavementText  ? ws.hasPavement()
           : entry.trafficText ? ws.hasTraffic()
                               : ws.hasAxles();
}

// "in" or "cm": the trial thickness' unit, in which every thickness is given.
std::string thicknessUnit(UnitSystem units) {
    return inputRange(InputField::TrialThickness).unit(units).symbol;
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

// ---- What the page keeps in the browser's storage, to bring the work back after a reload:
// the unit system and its lock, the texts of each input section that exists by their web ids,
// the pavement's captions and options, the axle-load heading, the project, and whether the
// inputs were saved since they last changed.

constexpr int kStateVersion = 2;

val workspaceState(const Workspace& ws) {
    val out = val::object();
    out.set("version", kStateVersion);
    out.set("units", static_cast<int>(ws.unitSystem()));
    out.set("locked", ws.unitChoiceLocked());
    out.set("unsaved", ws.inputsChangedSinceSaved());
    val texts = val::object();
    for (const WebInput& input : webInputs())
        if (sectionExists(ws, *input.entry))
            texts.set(input.id, inputText(ws, input.entry->field, input.row));
    out.set("texts", texts);
    val pavement = val::null();
    if (const PavementInputs& p = ws.pavement(); ws.hasPavement()) {
        pavement = val::object();
        pavement.set("captions", textList(std::vector{p.thicknessCaption, p.subgradeModulusCaption,
                                                      p.modulusOfRuptureCaption}));
        pavement.set("shoulder", p.concreteShoulder);
        pavement.set("dowels", p.doweledJoints);
    }
    out.set("pavement", pavement);
    out.set("traffic", ws.hasTraffic());
    val axles = val::null();
    if (ws.hasAxles()) {
        axles = val::object();
        axles.set("heading", ws.axles().loadHeading);
        axles.set("lastTandemRowShown", ws.axles().lastTandemRowShown);
    }
    out.set("axles", axles);
    val project = val::array();
    for (const ProjectField& field : kProjectFields)
        project.call<void>("push", ws.project().*field.text);
    out.set("project", project);
    return out;
}

bool present(const val& v) {
    return !v.isNull() && !v.isUndefined();
}

// Throws (a JavaScript error) when the stored value is not what workspaceState wrote.
Workspace restoredWorkspace(const val& state) {
    Workspace ws;
    ws.chooseUnitSystem(state["units"].as<int>() == 1 ? UnitSystem::Metric : UnitSystem::English);
    if (const val pavement = state["pavement"]; present(pavement)) {
        PavementInputs& p = ws.ensurePavement();
        p.thicknessCaption = pavement["captions"][0].as<std::string>();
        p.subgradeModulusCaption = pavement["captions"][1].as<std::string>();
        p.modulusOfRuptureCaption = pavement["captions"][2].as<std::string>();
        p.concreteShoulder = pavement["shoulder"].as<bool>();
        p.doweledJoints = pavement["dowels"].as<bool>();
    }
    if (state["traffic"].as<bool>())
        ws.ensureTraffic();
    if (const val axles = state["axles"]; present(axles)) {
        AxleInputs& a = ws.ensureAxles();
        a.loadHeading = axles["heading"].as<std::string>();
        a.lastTandemRowShown = axles["lastTandemRowShown"].as<bool>();
    }
    for (const WebInput& input : webInputs())
        if (sectionExists(ws, *input.entry))
            ensureInputText(ws, input.entry->field, input.row) =
                state["texts"][input.id].as<std::string>();
    ProjectInfo project;
    for (std::size_t i = 0; i < kProjectFields.size(); ++i)
        project.*kProjectFields[i].text = projectLine(state["project"][i].as<std::string>());
    ws.setProject(project);
    if (state["locked"].as<bool>())
        ws.lockUnitChoice();
    if (!state["unsaved"].as<bool>())
        ws.markInputsSaved();
    return ws;
}

// ---- A run's documents as the page shows and prints them.

// The options the page gives a memo document, as JSON: {"file": NAME, "made": MILLISECONDS,
// "charts": BOOL}. The page writes it in ASCII (every other character as \\u), so that it
// crosses as it was whatever the strings' encoding.
MemoOptions memoOptions(const std::string& text, bool inputsChanged) {
    MemoOptions options;
    options.inputsChanged = inputsChanged;
    const auto parsed = json::parse(text);
    if (!parsed)
        return options;
    if (const json::Value* file = parsed->find("file"); file && file->string())
        options.fileName = *file->string();
    if (const json::Value* made = parsed->find("made"); made && made->number())
        options.made = Run::Clock::time_point(
            std::chrono::milliseconds(static_cast<long long>(*made->number())));
    if (const json::Value* charts = parsed->find("charts"); charts && charts->boolean())
        options.chartsBeforeAnyRun = *charts->boolean();
    return options;
}

bool hasTables(const Run& run) {
    return run.analysed() && (run.results().fatigueSelected || run.results().erosionSelected);
}

// UTF-8 bytes as a Uint8Array: the page decodes them itself, whatever the strings' encoding.
val utf8Bytes(const std::string& text) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(text.size(),
                                            reinterpret_cast<const unsigned char*>(text.data())));
}

class Engine {
  public:
    // ---- The language of every text the core makes from now on, and the catalogue.
    bool setLanguage(const std::string& code) { return catalogue::setLanguage(code); }
    std::string language() const { return std::string(catalogue::language()); }
    std::string matchLanguage(const std::string& tag) const {
        return std::string(catalogue::matchLanguage(tag));
    }
    val languages() const {
        val list = val::array();
        for (const catalogue::Language& language : catalogue::languages())
            list.call<void>("push", std::string(language.code));
        return list;
    }
    std::string translate(const std::string& context, const std::string& text) const {
        return catalogue::translate(context, text);
    }
    std::string translateTo(const std::string& code, const std::string& context,
                            const std::string& text) const {
        return catalogue::translateTo(code, context, text);
    }

    // ---- The inputs.
    int units() const { return static_cast<int>(m_workspace.unitSystem()); }
    bool unitChoiceLocked() const { return m_workspace.unitChoiceLocked(); }
    bool chooseUnits(int units) {
        return m_workspace.chooseUnitSystem(units == 1 ? UnitSystem::Metric : UnitSystem::English);
    }

    // Every numeric input as the page shows it now: its web id, its group, its caption (an
    // axle field's is its column's), the name that says which it is, its tooltip and its
    // text. Reading changes nothing: a section not yet created reads as its initial texts.
    val fields() const {
        const Workspace& ws = m_workspace;
        val list = val::array();
        for (const WebInput& input : webInputs()) {
            const InputField field = input.entry->field;
            val item = val::object();
            item.set("id", input.id);
            item.set("group", std::string(groupOf(*input.entry)));
            item.set("caption", isAxleField(field) ? caption::shown(input.entry->caption)
                                                   : inputCaption(ws, field, 0));
            item.set("label", inputCaption(ws, field, input.row));
            item.set("tooltip", fieldTooltip(field, ws.unitSystem()));
            item.set("text", inputText(ws, field, input.row));
            if (isAxleField(field))
                item.set("row", static_cast<int>(input.row + 1));
            list.call<void>("push", item);
        }
        return list;
    }

    // The captions around the inputs that are not an input's own.
    val captions() const {
        const Workspace& ws = m_workspace;
        val out = val::object();
        out.set("axleLoad", caption::shown(ws.axles().loadHeading));
        out.set("single", caption::shown(caption::kSingle));
        out.set("tandem", caption::shown(caption::kTandem));
        out.set("axlesPer1000", caption::shown(caption::kAxlesPer1000));
        out.set("shoulder", caption::shown(caption::kShoulderFrame));
        out.set("dowels", caption::shown(caption::kDowelFrame));
        out.set("yes", caption::shown(caption::kYes));
        out.set("no", caption::shown(caption::kNo));
        val categories = val::array();
        for (const char* command : kCategoryCommands)
            categories.call<void>("push", withoutMnemonic(shown(kCategoryCommandContext, command)));
        out.set("categories", categories);
        out.set("inputAxles", withoutMnemonic(shown(kCategoryCommandContext, kInputAxlesCommand)));
        out.set("unit", thicknessUnit(ws.unitSystem()));
        return out;
    }

    std::string text(const std::string& id) const {
        std::size_t row = 0;
        const InputRange* entry = findInputByWebId(id, &row);
        return entry ? inputText(m_workspace, entry->field, row) : std::string();
    }

    // Editing creates the section, and a pavement or axle-load edit locks the unit choice,
    // as opening the desktop program's dialog does.
    bool setText(const std::string& id, const std::string& value) {
        std::size_t row = 0;
        const InputRange* entry = findInputByWebId(id, &row);
        if (entry)
            ensureInputText(m_workspace, entry->field, row) = value;
        return entry != nullptr;
    }

    bool option(const std::string& id) const {
        const PavementInputs& p = m_workspace.pavement();
        return id == "shoulder" ? p.concreteShoulder : p.doweledJoints;
    }
    void setOption(const std::string& id, bool yes) {
        PavementInputs& p = m_workspace.ensurePavement();
        (id == "shoulder" ? p.concreteShoulder : p.doweledJoints) = yes;
    }
    bool lastTandemRowShown() const { return m_workspace.axles().lastTandemRowShown; }

    // The check the dialogs' OK applies to a field, on its current text; the page asks the
    // question and writes the answer back.
    WebCheck checkField(const std::string& id) const {
        std::size_t row = 0;
        const InputRange* entry = findInputByWebId(id, &row);
        if (!entry)
            return {};
        const std::string& value = inputText(m_workspace, entry->field, row);
        const FieldRange range = entry->range(m_workspace.unitSystem());
        WebCheck check{"ok", "", caption::shown(kInputCheckTitle), "",
                       keepValueMessage(range.name)};
        switch (checkValueText(value, range)) {
            case TextCheck::Invalid:
                check.kind = "invalid";
                check.prompt = invalidNumberMessage(range.name);
                break;
            case TextCheck::Below:
            case TextCheck::Above: {
                const bool below = checkValueText(value, range) == TextCheck::Below;
                check.kind = below ? "below" : "above";
                check.prompt = rangeQuestion(range, below);
                check.bound = boundText(below ? range.minimum : range.maximum);
                break;
            }
            case TextCheck::Inside:
                break;
        }
        return check;
    }

    void applyCategory(int category) {
        applyAxleLoadCategory(m_workspace, static_cast<AxleLoadCategory>(category));
    }
    void loadStandard() { loadStandardAxleSpectrum(m_workspace); }

    // ---- The commands.
    WebOutcome analyse(int kind) {
        return toWeb(performAnalysis(m_workspace, static_cast<AnalysisKind>(kind)));
    }
    WebOutcome designThickness() { return toWeb(computeDesignThickness(m_workspace)); }
    // The last run's command on the inputs as they are now.
    WebOutcome analyseAgain() { return toWeb(repeatLastRun(m_workspace)); }
    WebOutcome readDef(const std::string& bytes, const std::string& name) {
        return toWeb(readDataBytes(m_workspace, bytes, name));
    }
    // The page downloads the bytes at once, so they count as saved, as the desktop's save.
    WebBytes defBytes() {
        WebBytes bytes = toWeb(inputDataFileBytes(m_workspace));
        if (bytes.ok)
            m_workspace.markInputsSaved();
        return bytes;
    }
    // The last run's report, its own inputs beside its own tables.
    WebBytes reportBytes() { return toWeb(reportForSaveOrPrint(m_workspace)); }
    // The last run's calculation details, as zan-report --details writes them.
    WebBytes detailsBytes() {
        const auto run = documentRun(m_workspace);
        WebBytes bytes;
        bytes.ok = static_cast<bool>(run);
        if (run)
            bytes.bytes = detailsCsv((*run)->content().details);
        else
            bytes.error = run.error();
        return bytes;
    }

    // ---- The run every document of the page is written from, and whether the inputs have
    // changed since.
    val run() {
        const std::shared_ptr<const Run> run = shownRun();
        val out = val::object();
        out.set("number", runNumber());
        out.set("kind", static_cast<int>(run->kind()));
        out.set("changed", m_workspace.inputsChangedSinceRun());
        return out;
    }
    // The memo document of that run (io/memo_document.h) as UTF-8 JSON bytes; `options` as
    // memoOptions reads them.
    val memo(const std::string& options) const {
        const MemoOptions memoOptions = ::memoOptions(options, m_workspace.inputsChangedSinceRun());
        return utf8Bytes(memoDocumentJson(memoDocument(*shownRun(), memoOptions)));
    }
    // Counts the runs: a new number for each run the page has not seen yet.
    int runNumber() {
        if (m_workspace.lastRun() != m_seenRun) {
            m_seenRun = m_workspace.lastRun();
            ++m_runNumber;
        }
        return m_runNumber;
    }
    bool inputsChanged() const { return m_workspace.inputsChangedSinceRun(); }
    bool hasResults() const {
        const auto& run = m_workspace.lastRun();
        return run && hasTables(*run);
    }
    // The Both analysis at the trial thickness `runs` times, committing nothing: times the
    // engine against the native benchmark of the same analysis (bench/zan_bench.cpp).
    void repeatAnalysis(int runs) const {
        const AnalysisRequest request{
            EnteredThickness{static_cast<float>(parseNumber(m_workspace.pavement().thickness))},
            true, true};
        for (int i = 0; i < runs; ++i)
            if (!runDamageAnalysis(m_workspace, request))
                break;
    }

    // ---- Project information: ids "info-project" to "info-notes", in file order.
    val projectFields() const {
        val list = val::array();
        for (const ProjectField& field : kProjectFields) {
            val item = val::object();
            item.set("id", projectFieldId(field));
            item.set("caption", shown("Project", field.caption));
            item.set("text", m_workspace.project().*field.text);
            list.call<void>("push", item);
        }
        return list;
    }
    // Returns the text as kept (one line), or nothing for an unknown id.
    std::string setProjectText(const std::string& id, const std::string& text) {
        const ProjectField* field = projectField(id);
        if (!field)
            return {};
        ProjectInfo project = m_workspace.project();
        project.*field->text = projectLine(text);
        m_workspace.setProject(project);
        return project.*field->text;
    }

    // The program's names and the texts of runs, in the language in force.
    val names() const {
        val out = val::object();
        out.set("program", programLine());
        out.set("title", std::string(kMainWindowTitle));
        out.set("shortName", std::string(kApplicationShortName));
        out.set("onlyFirstFileRead", std::string(kOnlyFirstFileRead));
        out.set("projectTitle", shown("Project", kProjectInformationTitle));
        out.set("inputsChangedNotice", shown(runText::kContext, runText::kInputsChangedNotice));
        out.set("analyseAgain", withoutMnemonic(shown(runText::kContext, runText::kAnalyseAgain)));
        out.set("analyseAgainTip", shown(runText::kContext, runText::kAnalyseAgainTip));
        out.set("analyseAgainQuestion", shown(runText::kContext, runText::kAnalyseAgainQuestion));
        return out;
    }

    // ---- Files as the desktop reads them.
    // The refusal of a file by its size alone, before it is read; status 0 and no message
    // when it may be read.
    WebOutcome refusalBySize(double size, const std::string& name) const {
        const auto refusal = zan::refusalBySize(static_cast<std::uintmax_t>(size), name);
        return refusal ? toWeb(*refusal) : WebOutcome{};
    }
    WebOutcome unreadableFile(const std::string& name, const std::string& reason) const {
        return toWeb(unreadableDataFile(name, reason));
    }

    // ---- Kept in the browser's storage.
    val state() const { return workspaceState(m_workspace); }
    // Throws, changing nothing, when `state` is not what state() gave.
    void restore(const val& state) { m_workspace = restoredWorkspace(state); }
    void reset() { m_workspace = Workspace(); }
    // The inputs differ from those last read from or saved to a .DEF file.
    bool unsaved() const { return m_workspace.inputsChangedSinceSaved(); }

  private:
    // The last run; before any, the current inputs without tables, made on a copy so that
    // showing them creates no input section and leaves the unit choice free.
    std::shared_ptr<const Run> shownRun() const {
        if (m_workspace.lastRun())
            return m_workspace.lastRun();
        Workspace copy = m_workspace;
        auto run = documentRun(copy);
        return run ? *run : Run::ofCurrentInputs(copy, std::string());
    }

    Workspace m_workspace;
    std::shared_ptr<const Run> m_seenRun;
    int m_runNumber = 0;
};

}  // namespace

EMSCRIPTEN_BINDINGS(zan_engine) {
    using namespace emscripten;
    value_object<WebOutcome>("Outcome")
        .field("status", &WebOutcome::status)
        .field("hasMessage", &WebOutcome::hasMessage)
        .field("messageText", &WebOutcome::messageText)
        .field("messageTitle", &WebOutcome::messageTitle)
        .field("buttons", &WebOutcome::buttons)
        .field("icon", &WebOutcome::icon)
        .field("hasWarning", &WebOutcome::hasWarning)
        .field("warningText", &WebOutcome::warningText);
    value_object<WebCheck>("Check")
        .field("kind", &WebCheck::kind)
        .field("prompt", &WebCheck::prompt)
        .field("title", &WebCheck::title)
        .field("bound", &WebCheck::bound)
        .field("keepMessage", &WebCheck::keepMessage);
    value_object<WebBytes>("Bytes")
        .field("ok", &WebBytes::ok)
        .field("bytes", &WebBytes::bytes)
        .field("error", &WebBytes::error);
    class_<Engine>("Engine")
        .constructor<>()
        .function("setLanguage", &Engine::setLanguage)
        .function("language", &Engine::language)
        .function("matchLanguage", &Engine::matchLanguage)
        .function("languages", &Engine::languages)
        .function("translate", &Engine::translate)
        .function("translateTo", &Engine::translateTo)
        .function("units", &Engine::units)
        .function("unitChoiceLocked", &Engine::unitChoiceLocked)
        .function("chooseUnits", &Engine::chooseUnits)
        .function("fields", &Engine::fields)
        .function("captions", &Engine::captions)
        .function("text", &Engine::text)
        .function("setText", &Engine::setText)
        .function("option", &Engine::option)
        .function("setOption", &Engine::setOption)
        .function("lastTandemRowShown", &Engine::lastTandemRowShown)
        .function("checkField", &Engine::checkField)
        .function("applyCategory", &Engine::applyCategory)
        .function("loadStandard", &Engine::loadStandard)
        .function("analyse", &Engine::analyse)
        .function("designThickness", &Engine::designThickness)
        .function("analyseAgain", &Engine::analyseAgain)
        .function("readDef", &Engine::readDef)
        .function("defBytes", &Engine::defBytes)
        .function("reportBytes", &Engine::reportBytes)
        .function("detailsBytes", &Engine::detailsBytes)
        .function("run", &Engine::run)
        .function("memo", &Engine::memo)
        .function("runNumber", &Engine::runNumber)
        .function("inputsChanged", &Engine::inputsChanged)
        .function("hasResults", &Engine::hasResults)
        .function("repeatAnalysis", &Engine::repeatAnalysis)
        .function("projectFields", &Engine::projectFields)
        .function("setProjectText", &Engine::setProjectText)
        .function("names", &Engine::names)
        .function("refusalBySize", &Engine::refusalBySize)
        .function("unreadableFile", &Engine::unreadableFile)
        .function("state", &Engine::state)
        .function("restore", &Engine::restore)
        .function("reset", &Engine::reset)
        .function("unsaved", &Engine::unsaved);
}
