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
#include "model/calculation_details.h"
#include "model/damage_curve.h"
#include "model/design_alternatives.h"
#include "model/input_ranges.h"
#include "model/input_warnings.h"
#include "model/numbers.h"
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
        if (!isNumberText(value) || parseNumber(value) < 0.0) {
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
    // What the program says about the inputs as they are now (model/input_warnings.h).
    val inputWarnings() const {
        val out = val::array();
        for (const std::string& warning : zan::inputWarnings(m_workspace))
            out.call<void>("push", warning);
        return out;
    }
    WebBytes defBytes() { return toWeb(inputDataFileBytes(m_workspace)); }
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

  private:
    Workspace m_workspace;
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
        .function("inputWarnings", &Engine::inputWarnings)
        .function("defBytes", &Engine::defBytes)
        .function("reportBytes", &Engine::reportBytes)
        .function("hasResults", &Engine::hasResults)
        .function("detailsCsv", &Engine::detailsCsv)
        .function("repeatAnalysis", &Engine::repeatAnalysis)
        .function("rowDamage", &Engine::rowDamage)
        .function("curve", &Engine::curve)
        .function("sensitivity", &Engine::sensitivityRows)
        .function("alternatives", &Engine::alternatives);
}
