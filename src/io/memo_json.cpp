#include "io/memo_json.h"

#include "io/json.h"
#include "io/memo_document.h"

namespace zan {

namespace {

using json::Writer;

void texts(Writer& out, std::string_view name, const std::vector<std::string>& list) {
    out.key(name).beginArray();
    for (const std::string& text : list)
        out.value(text);
    out.endArray();
}

void optionalNumber(Writer& out, std::string_view name, const std::optional<double>& value) {
    if (value)
        out.member(name, *value);
}

void table(Writer& out, std::string_view name, const MemoTable& t) {
    out.key(name).beginObject();
    texts(out, "headings", t.headings);
    out.key("rows").beginArray();
    for (const MemoTableRow& row : t.rows) {
        out.beginObject().key("cells").beginArray();
        for (const MemoCell& cell : row.cells)
            out.beginObject().member("text", cell.text).member("words", cell.words).endObject();
        out.endArray().member("emphasised", row.emphasised).endObject();
    }
    out.endArray().endObject();
}

void legend(Writer& out, const std::vector<LegendEntry>& entries) {
    out.key("legend").beginArray();
    for (const LegendEntry& e : entries)
        out.beginObject().member("colour", e.colour).member("name", e.name).endObject();
    out.endArray();
}

void ticks(Writer& out, std::string_view name, const std::vector<Tick>& list) {
    out.key(name).beginArray();
    for (const Tick& t : list)
        out.beginObject().member("value", t.value).member("text", t.text).endObject();
    out.endArray();
}

void curve(Writer& out, const DamageCurveChart& c) {
    out.key("curve").beginObject().member("unit", c.unit).member("title", c.title);
    out.member("thicknessAxis", c.thicknessAxis).member("damageAxis", c.damageAxis);
    legend(out, c.legend);
    out.member("thicknessLowest", c.thicknessLowest).member("thicknessHighest", c.thicknessHighest);
    ticks(out, "thicknessTicks", c.thicknessTicks);
    out.key("decades").beginObject().member("lowest", c.decades.lowest);
    out.member("highest", c.decades.highest).endObject();
    out.key("decadeTicks").beginArray();
    for (const DecadeTick& t : c.decadeTicks)
        out.beginObject()
            .member("exponent", t.exponent)
            .member("text", t.text)
            .member("power", t.power)
            .endObject();
    out.endArray().member("limitLabel", c.limitLabel).key("series").beginArray();
    for (const ChartSeries& s : c.series) {
        out.beginObject()
            .member("name", s.name)
            .member("colour", s.colour)
            .key("pieces")
            .beginArray();
        for (const auto& piece : s.pieces) {
            out.beginArray();
            for (const auto& [x, y] : piece)
                out.beginArray().value(x).value(y).endArray();
            out.endArray();
        }
        out.endArray().endObject();
    }
    out.endArray()
        .member("recommended", c.recommended)
        .member("recommendedLabel", c.recommendedLabel);
    optionalNumber(out, "trial", c.trial);
    out.member("trialLabel", c.trialLabel).member("trialShown", c.trialShown);
    out.member("svg", c.svg).endObject();
}

void rows(Writer& out, const AxleRowsChart& c) {
    out.key("rows").beginObject().member("title", c.title).member("loadAxis", c.loadAxis);
    out.member("damageAxis", c.damageAxis);
    legend(out, c.legend);
    out.member("damageMax", c.damageMax);
    ticks(out, "damageTicks", c.damageTicks);
    out.key("bars").beginArray();
    for (const RowBar& r : c.rows) {
        out.beginObject().member("label", r.label);
        optionalNumber(out, "fatigue", r.fatigue);
        optionalNumber(out, "erosion", r.erosion);
        out.member("fatigueText", r.fatigueText).member("erosionText", r.erosionText).endObject();
    }
    out.endArray().member("note", c.note).member("svg", c.svg).endObject();
}

void tornado(Writer& out, const TornadoChart& c) {
    out.key("tornado").beginObject().member("title", c.title);
    out.member("thicknessAxis", c.thicknessAxis);
    legend(out, c.legend);
    optionalNumber(out, "base", c.base);
    out.member("baseLabel", c.baseLabel).member("thicknessLowest", c.thicknessLowest);
    out.member("thicknessHighest", c.thicknessHighest);
    ticks(out, "thicknessTicks", c.thicknessTicks);
    out.key("bars").beginArray();
    for (const TornadoBar& b : c.bars) {
        out.beginObject().member("name", b.name);
        optionalNumber(out, "lower", b.lower);
        optionalNumber(out, "upper", b.upper);
        out.member("lowerText", b.lowerText).member("upperText", b.upperText).endObject();
    }
    out.endArray().member("note", c.note).member("svg", c.svg).endObject();
}

void charts(Writer& out, const MemoCharts& c) {
    out.key("charts").beginObject().member("heading", c.heading).member("refusal", c.refusal);
    if (c.refusal.empty()) {
        curve(out, c.curve);
        rows(out, c.rows);
        tornado(out, c.tornado);
        out.member("sensitivityHeading", c.sensitivityHeading);
        table(out, "sensitivity", c.sensitivity);
    }
    out.member("alternativesHeading", c.alternativesHeading);
    out.member("alternativesNote", c.alternativesNote);
    table(out, "alternatives", c.alternatives);
    out.endObject();
}

void firstPage(Writer& out, const MemoFirstPage& p) {
    out.key("firstPage").beginObject().member("title", p.title);
    table(out, "project", p.project);
    out.member("verdict", p.verdict).member("warningsHeading", p.warningsHeading);
    texts(out, "warnings", p.warnings);
    out.member("inputsHeading", p.inputsHeading);
    table(out, "inputs", p.inputs);
    out.member("axlesHeading", p.axlesHeading);
    table(out, "axles", p.axles);
    out.member("computedWith", p.computedWith).member("date", p.date);
    out.member("designedBy", p.designedBy).member("checkedBy", p.checkedBy);
    out.member("signatureDate", p.signatureDate).endObject();
}

void details(Writer& out, const MemoDetails& d) {
    out.key("details").beginObject().member("heading", d.heading).member("note", d.note);
    out.member("modelUnits", d.modelUnits).member("fatigueHeading", d.fatigueHeading);
    table(out, "fatigue", d.fatigue);
    out.member("erosionHeading", d.erosionHeading);
    table(out, "erosion", d.erosion);
    out.endObject();
}

void frame(Writer& out, const MemoFrame& f) {
    out.key("frame").beginObject().member("program", f.program).member("inputs", f.inputs);
    out.member("made", f.made).member("notice", f.notice).member("pageOfPages", f.pageOfPages);
    out.endObject();
}

}  // namespace

std::string memoDocumentJson(const MemoDocument& memo) {
    Writer out;
    out.beginObject().member("analysed", memo.analysed);
    frame(out, memo.frame);
    firstPage(out, memo.firstPage);
    out.member("reportHeading", memo.reportHeading).key("report").beginArray();
    for (const ReportPiece& piece : memo.report)
        out.beginObject().member("text", piece.text).member("table", piece.table).endObject();
    out.endArray();
    if (memo.charts)
        charts(out, *memo.charts);
    details(out, memo.details);
    out.endObject();
    return out.text();
}

}  // namespace zan
