// The web page's door into the core: the page's session (commands/page_session.h) and the
// catalogue, exported to JavaScript with embind. It converts and binds; every decision is the
// session's, tested natively.
//
// Texts cross as byte strings: the module is linked with EMBIND_STD_STRING_IS_UTF8=0, so one
// JavaScript character code (0 to 255) is one byte. The session's texts are UTF-8 (its JSON
// results too), which the page decodes; the catalogue's and the memo's are Latin-1, one
// character code per byte, as the core still keeps them.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands/page_session.h"
#include "io/details_table.h"
#include "io/memo_page.h"
#include "io/verdict.h"
#include "model/catalogue.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/palette.h"
#include "model/run.h"

namespace {

using emscripten::val;
using namespace zan;

std::string shown(const char* context, const char* text) {
    return catalogue::translate(context, text);
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

val numberList(const std::array<float, kAxleRows>& values) {
    val list = val::array();
    for (float v : values)
        list.call<void>("push", v);
    return list;
}

// "in" or "cm": the trial thickness' unit, in which every thickness is given.
std::string thicknessUnit(UnitSystem units) {
    return inputRange(InputField::TrialThickness).unit(units).symbol;
}

// ---- A run's documents as the page shows and prints them.

val captionedRows(const std::vector<MemoRow>& rows) {
    val list = val::array();
    for (const MemoRow& row : rows)
        list.call<void>("push", textList(std::vector<std::string>{row.caption, row.text}));
    return list;
}

val memoValue(const MemoFirstPage& memo) {
    val out = val::object();
    for (const auto& [name, text] : {std::pair{"title", &memo.title},
                                     {"projectHeading", &memo.projectHeading},
                                     {"verdict", &memo.verdict},
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
    out.set("warnings", textList(memo.warnings));
    out.set("inputColumns", textList(memo.inputColumns));
    out.set("inputs", captionedRows(memo.inputs));
    out.set("axleColumns", textList(memo.axleColumns));
    val rows = val::array();
    for (const MemoAxleRow& row : memo.axleRows)
        rows.call<void>("push", textList(row));
    out.set("axleRows", rows);
    return out;
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

val curveValue(const DamageCurve& curve) {
    val out = val::object();
    out.set("step", curve.step);
    out.set("recommended", curve.recommendedThickness);
    out.set("recommendedText", formatFixed(curve.recommendedThickness, 2));
    if (curve.trialThickness)
        out.set("trial", *curve.trialThickness);
    val points = val::array();
    for (const DamagePoint& p : curve.points) {
        val point = val::object();
        point.set("h", p.thickness);
        point.set("fatigue", p.totalFatigueDamage);
        point.set("erosion", p.totalErosionDamage);
        points.call<void>("push", point);
    }
    out.set("points", points);
    return out;
}

// The run's damage per axle row, for the bar chart.
val rowsValue(const Run& run) {
    const AnalysisResults& r = run.results();
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
    out.set("lastTandemRowShown", run.inputs().axles.lastTandemRowShown);
    return out;
}

val sensitivityValue(const Sensitivity& s) {
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

val alternativesValue(const DesignAlternatives& alternatives) {
    val out = val::array();
    for (const DesignAlternative& a : alternatives.alternatives) {
        val row = thicknessValue(a.thickness, a.message);
        row.set("shoulder", a.concreteShoulder);
        row.set("dowels", a.doweledJoints);
        row.set("entered", a.entered);
        out.call<void>("push", row);
    }
    return out;
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

// The calculation details in the memo's units, five significant digits and "Unlimited", as a
// fatigue and an erosion table.
val detailsValue(const CalculationDetails& calculation, UnitSystem units) {
    const DetailsTable details = readableDetailsTable(calculation, units);
    val out = val::object();
    out.set("modelUnits", details.modelUnits);
    out.set("fatigue", detailsPart(details, units, kFirstFatigueColumn, kFirstErosionColumn));
    out.set("erosion", detailsPart(details, units, kFirstErosionColumn, kDetailsColumnCount));
    return out;
}

// Everything the charts and tables after the report show, from the run's content computed
// once: without a recommended thickness, the search's refusal in place of the charts.
val contentValue(const Run& run) {
    const RunContent& content = run.content();
    const UnitSystem units = run.inputs().units;
    val out = val::object();
    out.set("unit", thicknessUnit(units));
    out.set("limit", kDamageLimitPercent);
    out.set("alternatives", alternativesValue(content.alternatives));
    out.set("details", detailsValue(content.details, units));
    if (content.refusal) {
        out.set("refusal", designSearchErrorMessage(*content.refusal));
        return out;
    }
    out.set("curve", curveValue(content.curve));
    out.set("rows", rowsValue(run));
    out.set("sensitivity", sensitivityValue(content.sensitivity));
    return out;
}

// The texts of the memo after its first page (io/memo_page.h), by the page's names for them.
val memoTexts() {
    using namespace memoText;
    val out = val::object();
    for (const auto& [name, text] : {std::pair{"report", kReport},
                                     {"damageChart", kDamageChart},
                                     {"curveTitle", kCurveTitle},
                                     {"curveThicknessAxis", kCurveThicknessAxis},
                                     {"curveDamageAxis", kCurveDamageAxis},
                                     {"totalFatigue", kTotalFatigue},
                                     {"totalErosion", kTotalErosion},
                                     {"recommendedAt", kRecommendedAt},
                                     {"rowsTitle", kRowsTitle},
                                     {"rowsDamageAxis", kRowsDamageAxis},
                                     {"fatigue", kFatigue},
                                     {"erosion", kErosion},
                                     {"tornadoTitle", kTornadoTitle},
                                     {"lower", kLower},
                                     {"upper", kUpper},
                                     {"sensitivity", kSensitivity},
                                     {"input", kInput},
                                     {"value", kValue},
                                     {"valueLower", kValueLower},
                                     {"valueUpper", kValueUpper},
                                     {"thickness", kThickness},
                                     {"recommendedThickness", kRecommendedThickness},
                                     {"alternatives", kAlternatives},
                                     {"alternativesNote", kAlternativesNote},
                                     {"design", kDesign},
                                     {"asEntered", kAsEntered},
                                     {"details", kDetails},
                                     {"noAnalysis", kNoAnalysis},
                                     {"unsavedInputs", kUnsavedInputs},
                                     {"pageOfPages", kPageOfPages}})
        out.set(name, shown(kContext, text));
    return out;
}

val paletteValue() {
    val out = val::object();
    for (const auto& [name, colour] : {std::pair{"fatigue", palette::kFatigue},
                                       {"erosion", palette::kErosion},
                                       {"limit", palette::kLimit},
                                       {"recommended", palette::kRecommended},
                                       {"trial", palette::kTrial},
                                       {"lower", palette::kLower},
                                       {"upper", palette::kUpper},
                                       {"grid", palette::kGrid},
                                       {"axis", palette::kAxis}})
        out.set(name, std::string(colour));
    return out;
}

// The memo's first page and the report's pieces, of the run every document is written from;
// `date` is the day the memo is made, as it prints (yyyy-MM-dd).
val memoOf(PageSession& session, const std::string& date) {
    const std::shared_ptr<const Run> run = session.shownRun();
    val out = val::object();
    out.set("pieces", hasTables(*run) ? piecesOf(run->report()) : val::array());
    out.set("memo", memoValue(memoFirstPage(*run, date)));
    return out;
}

// The charts and tables of the last run, computed once for it; null before any.
val contentOf(const PageSession& session) {
    const auto& run = session.workspace().lastRun();
    return run && hasTables(*run) ? contentValue(*run) : val::null();
}

// The memo's texts and the charts' colours, in the language in force.
val memoNamesOf(const PageSession&) {
    val out = val::object();
    out.set("memo", memoTexts());
    out.set("palette", paletteValue());
    return out;
}

// ---- The catalogue: the language of every text the core makes from now on.
bool setLanguage(const std::string& code) {
    return catalogue::setLanguage(code);
}
std::string language() {
    return std::string(catalogue::language());
}
std::string matchLanguage(const std::string& tag) {
    return std::string(catalogue::matchLanguage(tag));
}
val languages() {
    val list = val::array();
    for (const catalogue::Language& entry : catalogue::languages())
        list.call<void>("push", std::string(entry.code));
    return list;
}
std::string translate(const std::string& context, const std::string& text) {
    return catalogue::translate(context, text);
}
std::string translateTo(const std::string& code, const std::string& context,
                        const std::string& text) {
    return catalogue::translateTo(code, context, text);
}

}  // namespace

EMSCRIPTEN_BINDINGS(zan_engine) {
    using namespace emscripten;
    function("setLanguage", &setLanguage);
    function("language", &language);
    function("matchLanguage", &matchLanguage);
    function("languages", &languages);
    function("translate", &translate);
    function("translateTo", &translateTo);
    class_<PageSession>("Engine")
        .constructor<>()
        .function("view", &PageSession::view)
        .function("names", &PageSession::names)
        .function("chooseUnits", &PageSession::chooseUnits)
        .function("setText", &PageSession::setText)
        .function("setOption", &PageSession::setOption)
        .function("setProjectText", &PageSession::setProjectText)
        .function("applyCategory", &PageSession::applyCategory)
        .function("loadStandard", &PageSession::loadStandard)
        .function("checkField", &PageSession::checkField)
        .function("answerCheck", &PageSession::answerCheck)
        .function("pendingChecks", &PageSession::pendingChecks)
        .function("analyse", &PageSession::analyse)
        .function("designThickness", &PageSession::designThickness)
        .function("analyseAgain", &PageSession::analyseAgain)
        .function("readFile", &PageSession::readFile)
        .function("refusalBySize", &PageSession::refusalBySize)
        .function("unreadableFile", &PageSession::unreadableFile)
        .function("defBytes", &PageSession::defBytes)
        .function("reportBytes", &PageSession::reportBytes)
        .function("detailsBytes", &PageSession::detailsBytes)
        .function("run", &PageSession::run)
        .function("inputsChanged", &PageSession::inputsChanged)
        .function("unsaved", &PageSession::unsaved)
        .function("repeatAnalysis", &PageSession::repeatAnalysis)
        .function("keptInputs", &PageSession::keptInputs)
        .class_function("keptTime", &PageSession::keptTime)
        .function("restore", &PageSession::restore)
        .function("reset", &PageSession::reset)
        .function("memo", &memoOf)
        .function("content", &contentOf)
        .function("memoNames", &memoNamesOf);
}
