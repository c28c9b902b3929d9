// The web page's door into the core: one Workspace and the core's commands, readers and
// chart data, exported to JavaScript with embind. Every decision stays in the core; this file
// only names the inputs by the page's field ids and turns results into plain values.
//
// Texts cross as byte strings: the module is linked with EMBIND_STD_STRING_IS_UTF8=0, so one
// JavaScript character code (0 to 255) is one Latin-1 byte, the core's own encoding.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "commands/commands.h"
#include "io/details_table.h"
#include "io/memo_page.h"
#include "io/verdict.h"
#include "model/calculation_details.h"
#include "model/damage_curve.h"
#include "model/design_alternatives.h"
#include "model/input_ranges.h"
#include "model/input_warnings.h"
#include "model/numbers.h"
#include "model/project_fields.h"
#include "model/sensitivity.h"
#include "model/workspace.h"
#include "spectra/axle_spectra.h"

namespace {

using emscripten::val;
using namespace zan;

// A command's outcome as the page shows it: the report box's new text and the message box.
struct WebOutcome {
    int status = 0;
    bool hasReport = false;
    std::string report;
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

// The page's field ids by the core's inputs; an axle-load id also names its row.
std::optional<InputField> inputField(std::string_view id) {
    constexpr std::pair<std::string_view, InputField> kFields[] = {
        {"h", InputField::TrialThickness},
        {"k", InputField::SubgradeModulus},
        {"Sc", InputField::ModulusOfRupture},
        {"ADT", InputField::AverageDailyTraffic},
        {"TD", InputField::TruckPercent},
        {"DD", InputField::DirectionPercent},
        {"LD", InputField::LanePercent},
        {"grow", InputField::GrowthPercent},
        {"Years", InputField::DesignPeriod},
        {"LSF", InputField::LoadSafetyFactor},
        {"single-load-", InputField::SingleAxleLoad},
        {"single-count-", InputField::SingleAxleCount},
        {"tandem-load-", InputField::TandemAxleLoad},
        {"tandem-count-", InputField::TandemAxleCount},
    };
    for (const auto& [key, field] : kFields)
        if (key.ends_with('-') ? id.starts_with(key) : id == key)
            return field;
    return std::nullopt;
}

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
    web.hasReport = outcome.report.has_value();
    web.report = outcome.report.value_or(std::string());
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

// Axle row fields are "single-load-N", "single-count-N", "tandem-load-N", "tandem-count-N"
// with N = 1 to 10; returns the member and the row index, or null.
template <typename Axles>
auto* axleText(Axles& axles, std::string_view id) {
    using Text = std::conditional_t<std::is_const_v<Axles>, const std::string, std::string>;
    constexpr std::pair<std::string_view, std::string AxleRowTexts::*> kColumns[] = {
        {"single-load-", &AxleRowTexts::singleLoad},
        {"single-count-", &AxleRowTexts::singleCount},
        {"tandem-load-", &AxleRowTexts::tandemLoad},
        {"tandem-count-", &AxleRowTexts::tandemCount},
    };
    for (const auto& [prefix, member] : kColumns) {
        if (!id.starts_with(prefix))
            continue;
        const std::string_view number = id.substr(prefix.size());
        const int row = number == "10" ? 10 : number.size() == 1 ? number[0] - '0' : 0;
        if (row < 1 || row > kAxleRows)
            return static_cast<Text*>(nullptr);
        return static_cast<Text*>(&(axles.rows[static_cast<std::size_t>(row - 1)].*member));
    }
    return static_cast<Text*>(nullptr);
}

template <typename Section>
auto* pavementText(Section& p, std::string_view id) {
    return id == "h"    ? &p.thickness
           : id == "k"  ? &p.subgradeModulus
           : id == "Sc" ? &p.modulusOfRupture
                        : nullptr;
}

template <typename Section>
auto* trafficText(Section& t, std::string_view id) {
    return id == "ADT"     ? &t.averageDailyTraffic
           : id == "TD"    ? &t.truckPercent
           : id == "grow"  ? &t.growthPercent
           : id == "DD"    ? &t.directionPercent
           : id == "LD"    ? &t.lanePercent
           : id == "LSF"   ? &t.loadSafetyFactor
           : id == "Years" ? &t.designPeriod
                           : nullptr;
}

val numberList(const std::array<float, kAxleRows>& values) {
    val list = val::array();
    for (float v : values)
        list.call<void>("push", v);
    return list;
}

// A thickness as the report and the chart tables print it ("0.00"), or the search's message.
val thicknessValue(const std::optional<float>& thickness, const std::string& message) {
    val out = val::object();
    if (thickness) {
        out.set("thickness", *thickness);
        out.set("text", formatFixed(*thickness, 2));
    } else {
        out.set("message", message);
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

val captionedRows(const std::vector<MemoRow>& rows) {
    val list = val::array();
    for (const MemoRow& row : rows)
        list.call<void>("push", textList(std::vector<std::string>{row.caption, row.text}));
    return list;
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

// The details of one part as the memo prints them: axle, row, load and repetitions, then the
// part's own columns, `first` to `end`.
val detailsPart(const DetailsTable& details, UnitSystem units, std::size_t first, std::size_t end) {
    const auto headings = readableDetailsColumns(units);
    std::vector<std::size_t> columns = {0, 1, 2, 3};
    for (std::size_t c = first; c < end; ++c)
        columns.push_back(c);
    val part = val::object();
    val names = val::array();
    for (std::size_t c : columns)
        names.call<void>("push", std::string(headings[c]));
    val rows = val::array();
    for (const DetailsTableRow& cells : details.rows) {
        val row = val::array();
        for (std::size_t c : columns)
            row.call<void>("push", cells[c]);
        rows.call<void>("push", row);
    }
    part.set("headings", names);
    part.set("rows", rows);
    return part;
}

val memoValue(const MemoFirstPage& memo) {
    val out = val::object();
    for (const auto& [name, text] : {std::pair{"title", &memo.title},
                                     {"projectHeading", &memo.projectHeading},
                                     {"warningsHeading", &memo.warningsHeading},
                                     {"inputsHeading", &memo.inputsHeading},
                                     {"axlesHeading", &memo.axlesHeading},
                                     {"computedWith", &memo.computedWith},
                                     {"date", &memo.date},
                                     {"designedBy", &memo.designedBy},
                                     {"checkedBy", &memo.checkedBy},
                                     {"signatureDate", &memo.signatureDate}})
        out.set(name, *text);
    out.set("project", captionedRows(memo.project));
    out.set("inputColumns", textList(memo.inputColumns));
    out.set("inputs", captionedRows(memo.inputs));
    out.set("axleColumns", textList(memo.axleColumns));
    val rows = val::array();
    for (const MemoAxleRow& row : memo.axleRows)
        rows.call<void>("push", textList(row));
    out.set("axleRows", rows);
    return out;
}

// ---- What the page keeps in the browser's storage, to bring the work back after a reload:
// the unit system and its lock, each input section that exists with its texts and captions,
// the project, and whether the inputs were saved since they last changed.

constexpr std::array<std::string PavementInputs::*, 6> kPavementTexts = {
    &PavementInputs::thickness,
    &PavementInputs::subgradeModulus,
    &PavementInputs::modulusOfRupture,
    &PavementInputs::thicknessCaption,
    &PavementInputs::subgradeModulusCaption,
    &PavementInputs::modulusOfRuptureCaption};
constexpr std::array<std::string TrafficInputs::*, 7> kTrafficTexts = {
    &TrafficInputs::averageDailyTraffic, &TrafficInputs::truckPercent,
    &TrafficInputs::growthPercent,       &TrafficInputs::directionPercent,
    &TrafficInputs::lanePercent,         &TrafficInputs::loadSafetyFactor,
    &TrafficInputs::designPeriod};
constexpr std::array<std::string AxleRowTexts::*, 4> kAxleTexts = {
    &AxleRowTexts::singleLoad, &AxleRowTexts::singleCount, &AxleRowTexts::tandemLoad,
    &AxleRowTexts::tandemCount};

template <typename Section, std::size_t N>
val textsOf(const Section& section, const std::array<std::string Section::*, N>& members) {
    val list = val::array();
    for (auto member : members)
        list.call<void>("push", section.*member);
    return list;
}

// Throws (a JavaScript error) when the stored value is not what state() wrote.
template <typename Section, std::size_t N>
void setTexts(Section& section, const std::array<std::string Section::*, N>& members,
              const val& list) {
    for (std::size_t i = 0; i < N; ++i)
        section.*members[i] = list[i].as<std::string>();
}

bool present(const val& v) {
    return !v.isNull() && !v.isUndefined();
}

val axlesState(const AxleInputs& axles) {
    val rows = val::array();
    for (const AxleRowTexts& row : axles.rows)
        rows.call<void>("push", textsOf(row, kAxleTexts));
    val out = val::object();
    out.set("rows", rows);
    out.set("heading", axles.loadHeading);
    out.set("lastTandemRowShown", axles.lastTandemRowShown);
    return out;
}

val workspaceState(const Workspace& ws) {
    val out = val::object();
    out.set("units", static_cast<int>(ws.unitSystem()));
    out.set("locked", ws.unitChoiceLocked());
    out.set("unsaved", ws.inputsChangedSinceSaved());
    val pavement = val::null();
    if (ws.hasPavement()) {
        pavement = val::object();
        pavement.set("texts", textsOf(ws.pavement(), kPavementTexts));
        pavement.set("shoulder", ws.pavement().concreteShoulder);
        pavement.set("dowels", ws.pavement().doweledJoints);
    }
    out.set("pavement", pavement);
    out.set("traffic", ws.hasTraffic() ? textsOf(ws.traffic(), kTrafficTexts) : val::null());
    out.set("axles", ws.hasAxles() ? axlesState(ws.axles()) : val::null());
    val project = val::array();
    for (const ProjectField& field : kProjectFields)
        project.call<void>("push", ws.project().*field.text);
    out.set("project", project);
    return out;
}

Workspace restoredWorkspace(const val& state) {
    Workspace ws;
    ws.chooseUnitSystem(state["units"].as<int>() == 1 ? UnitSystem::Metric : UnitSystem::English);
    if (const val pavement = state["pavement"]; present(pavement)) {
        PavementInputs& p = ws.ensurePavement();
        setTexts(p, kPavementTexts, pavement["texts"]);
        p.concreteShoulder = pavement["shoulder"].as<bool>();
        p.doweledJoints = pavement["dowels"].as<bool>();
    }
    if (const val traffic = state["traffic"]; present(traffic))
        setTexts(ws.ensureTraffic(), kTrafficTexts, traffic);
    if (const val axles = state["axles"]; present(axles)) {
        AxleInputs& a = ws.ensureAxles();
        for (std::size_t i = 0; i < a.rows.size(); ++i)
            setTexts(a.rows[i], kAxleTexts, axles["rows"][i]);
        a.loadHeading = axles["heading"].as<std::string>();
        a.lastTandemRowShown = axles["lastTandemRowShown"].as<bool>();
    }
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

// A report's pieces as a page prints them: the result tables (reportTables) each one piece to
// keep whole, and what lies before, between and after them. Joined, they are the report.
val piecesOf(const std::string& report) {
    std::vector<std::size_t> lineStarts = {0};
    for (std::size_t at = report.find("\r\n"); at != std::string::npos;
         at = report.find("\r\n", at + 2))
        lineStarts.push_back(at + 2);
    const auto offset = [&](std::size_t line) {
        return line < lineStarts.size() ? lineStarts[line] : report.size();
    };
    val pieces = val::array();
    const auto add = [&](std::size_t from, std::size_t to, bool table) {
        if (to <= from)
            return;
        val piece = val::object();
        piece.set("text", report.substr(from, to - from));
        piece.set("table", table);
        pieces.call<void>("push", piece);
    };
    std::size_t done = 0;
    for (const LineSpan& table : reportTables(report)) {
        add(done, offset(table.first), false);
        add(offset(table.first), offset(table.end), true);
        done = offset(table.end);
    }
    add(done, report.size(), false);
    return pieces;
}

class Engine {
  public:
    int units() const { return static_cast<int>(m_workspace.unitSystem()); }
    bool unitChoiceLocked() const { return m_workspace.unitChoiceLocked(); }
    bool chooseUnits(int units) {
        return m_workspace.chooseUnitSystem(units == 1 ? UnitSystem::Metric : UnitSystem::English);
    }

    // Reading changes nothing: a section not yet created reads as its initial texts.
    std::string text(const std::string& id) const {
        const Workspace& ws = m_workspace;
        if (const std::string* t = pavementText(ws.pavement(), id))
            return *t;
        if (const std::string* t = trafficText(ws.traffic(), id))
            return *t;
        if (const std::string* t = axleText(ws.axles(), id))
            return *t;
        return {};
    }

    // Editing creates the section, and a pavement or axle-load edit locks the unit choice,
    // as opening the desktop program's dialog does.
    bool setText(const std::string& id, const std::string& value) {
        std::string* target = nullptr;
        if (pavementText(std::as_const(m_workspace).pavement(), id))
            target = pavementText(m_workspace.ensurePavement(), id);
        else if (trafficText(std::as_const(m_workspace).traffic(), id))
            target = trafficText(m_workspace.ensureTraffic(), id);
        else if (axleText(std::as_const(m_workspace).axles(), id))
            target = axleText(m_workspace.ensureAxles(), id);
        if (target)
            *target = value;
        return target != nullptr;
    }

    bool option(const std::string& id) const {
        const PavementInputs& p = std::as_const(m_workspace).pavement();
        return id == "shoulder" ? p.concreteShoulder : p.doweledJoints;
    }
    void setOption(const std::string& id, bool yes) {
        PavementInputs& p = m_workspace.ensurePavement();
        (id == "shoulder" ? p.concreteShoulder : p.doweledJoints) = yes;
    }

    std::string tooltip(const std::string& id) const {
        const std::optional<InputField> field = inputField(id);
        return field ? fieldTooltip(*field, m_workspace.unitSystem()) : std::string();
    }

    // The check the dialogs' OK applies to a field, on its current text; the page asks the
    // question and writes the answer back. Acceptable texts are those the dialogs accept: a
    // whole number text that is not negative (dialogs/range_check.h, isAcceptableValueText).
    WebCheck checkField(const std::string& id) const {
        const std::optional<InputField> field = inputField(id);
        if (!field)
            return {};
        const std::string value = text(id);
        const FieldRange range = inputRange(*field).range(m_workspace.unitSystem());
        WebCheck check{"ok", "", kInputCheckTitle, "", keepValueMessage(range.name)};
        if (checkValueText(value, range) == TextCheck::Invalid) {
            check.kind = "invalid";
            check.prompt = invalidNumberMessage(range.name);
            return check;
        }
        const RangePosition position = rangePosition(parseNumber(value), range);
        if (position == RangePosition::Inside)
            return check;
        const bool below = position == RangePosition::Below;
        check.kind = below ? "below" : "above";
        check.prompt = rangeQuestion(range, below);
        check.bound = boundText(below ? range.minimum : range.maximum);
        return check;
    }

    // The unit-dependent captions: "h", "k", "Sc" and "axle-load" (both load columns).
    std::string caption(const std::string& id) const {
        const Workspace& ws = m_workspace;
        if (id == "h")
            return ws.pavement().thicknessCaption;
        if (id == "k")
            return ws.pavement().subgradeModulusCaption;
        if (id == "Sc")
            return ws.pavement().modulusOfRuptureCaption;
        return ws.axles().loadHeading;
    }
    bool lastTandemRowShown() const { return m_workspace.axles().lastTandemRowShown; }

    void applyCategory(int category) {
        applyAxleLoadCategory(m_workspace, static_cast<AxleLoadCategory>(category));
    }
    void loadStandard() { loadStandardAxleSpectrum(m_workspace); }

    WebOutcome analyse(int kind) {
        return toWeb(performAnalysis(m_workspace, static_cast<AnalysisKind>(kind)));
    }
    WebOutcome designThickness() { return toWeb(computeDesignThickness(m_workspace)); }
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
    WebBytes reportBytes() { return toWeb(reportForSaveOrPrint(m_workspace)); }
    bool hasResults() const {
        return m_workspace.results().fatigueSelected || m_workspace.results().erosionSelected;
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
    std::string detailsCsv() const {
        return zan::detailsCsv(calculationDetails(m_workspace.results()));
    }

    // The last run's damage per axle row, for the bar chart.
    val rowDamage() const {
        const AnalysisResults& r = m_workspace.results();
        val out = val::object();
        out.set("fatigueSelected", r.fatigueSelected);
        out.set("erosionSelected", r.erosionSelected);
        val fatigue = val::array(), erosion = val::array();
        for (std::size_t axle = 0; axle < 2; ++axle) {
            fatigue.call<void>("push", numberList(r.fatigueDamage[axle]));
            erosion.call<void>("push", numberList(r.erosionDamage[axle]));
        }
        out.set("fatigue", fatigue);
        out.set("erosion", erosion);
        out.set("lastTandemRowShown", m_workspace.axles().lastTandemRowShown);
        out.set("totalFatigue", r.totalFatigueDamage);
        out.set("totalErosion", r.totalErosionDamage);
        out.set("fatigueText", formatFixed(r.totalFatigueDamage, 1));
        out.set("erosionText", formatFixed(r.totalErosionDamage, 1));
        return out;
    }

    val curve() const {
        const auto curve = damageCurve(m_workspace);
        val out = val::object();
        if (!curve) {
            out.set("message", designSearchErrorMessage(curve.error()));
            return out;
        }
        out.set("step", curve->step);
        out.set("recommended", curve->recommendedThickness);
        out.set("recommendedText", formatFixed(curve->recommendedThickness, 2));
        if (curve->trialThickness)
            out.set("trial", *curve->trialThickness);
        val points = val::array();
        for (const DamagePoint& p : curve->points) {
            val point = val::object();
            point.set("h", p.thickness);
            point.set("fatigue", p.totalFatigueDamage);
            point.set("erosion", p.totalErosionDamage);
            points.call<void>("push", point);
        }
        out.set("points", points);
        return out;
    }

    val sensitivityRows() const {
        const Sensitivity s = sensitivity(m_workspace);
        val out = val::object();
        out.set("base", thicknessValue(s.base.thickness, s.base.message));
        val rows = val::array();
        for (const SensitivityRow& r : s.rows) {
            val row = val::object();
            row.set("name", shortInputName(r.input, s.units));
            row.set("value", formatSignificant(r.value));
            val lower = thicknessValue(r.lower.thickness, r.lower.message);
            lower.set("input", r.lower.text);
            val upper = thicknessValue(r.upper.thickness, r.upper.message);
            upper.set("input", r.upper.text);
            row.set("lower", lower);
            row.set("upper", upper);
            rows.call<void>("push", row);
        }
        out.set("rows", rows);
        return out;
    }

    val alternatives() const {
        val out = val::array();
        for (const DesignAlternative& a : designAlternatives(m_workspace).alternatives) {
            val row = thicknessValue(a.thickness, a.message);
            row.set("shoulder", a.concreteShoulder);
            row.set("dowels", a.doweledJoints);
            row.set("entered", a.entered);
            out.call<void>("push", row);
        }
        return out;
    }

    // ---- Project information: ids "info-project" to "info-notes", in file order.
    std::string projectTitle() const { return kProjectInformationTitle; }
    val projectFields() const {
        val list = val::array();
        for (const ProjectField& field : kProjectFields) {
            val item = val::object();
            item.set("id", projectFieldId(field));
            item.set("caption", std::string(field.caption));
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

    // ---- The memo: the page shows and prints what the core says.
    // The verdict of the last run, under the commands and on the memo's first page.
    std::string verdict() { return designVerdict(documents()); }
    val warnings() const { return textList(inputWarnings(m_workspace)); }
    // The first page's texts but the verdict and the warnings; `date` as "yyyy-MM-dd".
    val memoPage(const std::string& date) { return memoValue(memoFirstPage(documents(), date)); }
    // What frames every page and every message box.
    val names() const {
        val out = val::object();
        out.set("program", programLine());
        out.set("shortName", std::string(kApplicationShortName));
        out.set("unsavedInputs", std::string(kUnsavedInputs));
        out.set("pageOfPages", std::string(kPageOfPages));
        out.set("onlyFirstFileRead", std::string(kOnlyFirstFileRead));
        return out;
    }
    val reportPieces(const std::string& report) const { return piecesOf(report); }
    // The calculation details in the memo's units, five significant digits and "Unlimited",
    // as a fatigue and an erosion table.
    val readableDetails() const {
        const UnitSystem units = m_workspace.unitSystem();
        const DetailsTable details =
            readableDetailsTable(calculationDetails(m_workspace.results()), units);
        val out = val::object();
        out.set("modelUnits", details.modelUnits);
        out.set("fatigue", detailsPart(details, units, kFirstFatigueColumn, kFirstErosionColumn));
        out.set("erosion", detailsPart(details, units, kFirstErosionColumn, kDetailsColumnCount));
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
    // The run every document is written from (commands.h: documentRun).
    const Run& documents() {
        m_documents = *documentRun(m_workspace);
        return *m_documents;
    }

    Workspace m_workspace;
    std::shared_ptr<const Run> m_documents;
};

}  // namespace

EMSCRIPTEN_BINDINGS(zan_engine) {
    using namespace emscripten;
    value_object<WebOutcome>("Outcome")
        .field("status", &WebOutcome::status)
        .field("hasReport", &WebOutcome::hasReport)
        .field("report", &WebOutcome::report)
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
        .function("units", &Engine::units)
        .function("unitChoiceLocked", &Engine::unitChoiceLocked)
        .function("chooseUnits", &Engine::chooseUnits)
        .function("text", &Engine::text)
        .function("setText", &Engine::setText)
        .function("option", &Engine::option)
        .function("setOption", &Engine::setOption)
        .function("caption", &Engine::caption)
        .function("tooltip", &Engine::tooltip)
        .function("checkField", &Engine::checkField)
        .function("lastTandemRowShown", &Engine::lastTandemRowShown)
        .function("applyCategory", &Engine::applyCategory)
        .function("loadStandard", &Engine::loadStandard)
        .function("analyse", &Engine::analyse)
        .function("designThickness", &Engine::designThickness)
        .function("readDef", &Engine::readDef)
        .function("defBytes", &Engine::defBytes)
        .function("reportBytes", &Engine::reportBytes)
        .function("hasResults", &Engine::hasResults)
        .function("detailsCsv", &Engine::detailsCsv)
        .function("repeatAnalysis", &Engine::repeatAnalysis)
        .function("rowDamage", &Engine::rowDamage)
        .function("curve", &Engine::curve)
        .function("sensitivity", &Engine::sensitivityRows)
        .function("alternatives", &Engine::alternatives)
        .function("projectTitle", &Engine::projectTitle)
        .function("projectFields", &Engine::projectFields)
        .function("setProjectText", &Engine::setProjectText)
        .function("verdict", &Engine::verdict)
        .function("warnings", &Engine::warnings)
        .function("memoPage", &Engine::memoPage)
        .function("names", &Engine::names)
        .function("reportPieces", &Engine::reportPieces)
        .function("readableDetails", &Engine::readableDetails)
        .function("refusalBySize", &Engine::refusalBySize)
        .function("unreadableFile", &Engine::unreadableFile)
        .function("state", &Engine::state)
        .function("restore", &Engine::restore)
        .function("reset", &Engine::reset)
        .function("unsaved", &Engine::unsaved);
}
