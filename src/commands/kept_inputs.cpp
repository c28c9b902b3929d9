#include "commands/kept_inputs.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>

#include "commands/page_session.h"
#include "commands/page_text.h"
#include "io/json.h"
#include "model/catalogue.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/project_fields.h"

namespace zan {
namespace {

constexpr const char* kContext = "Kept inputs";

// The first format's section texts, in the order it listed them.
constexpr std::array<std::string PavementInputs::*, 6> kFirstPavementTexts = {
    &PavementInputs::thickness,
    &PavementInputs::subgradeModulus,
    &PavementInputs::modulusOfRupture,
    &PavementInputs::thicknessCaption,
    &PavementInputs::subgradeModulusCaption,
    &PavementInputs::modulusOfRuptureCaption};
constexpr std::array<std::string TrafficInputs::*, 7> kFirstTrafficTexts = {
    &TrafficInputs::averageDailyTraffic, &TrafficInputs::truckPercent,
    &TrafficInputs::growthPercent,       &TrafficInputs::directionPercent,
    &TrafficInputs::lanePercent,         &TrafficInputs::loadSafetyFactor,
    &TrafficInputs::designPeriod};
constexpr std::array<std::string AxleRowTexts::*, 4> kFirstAxleTexts = {
    &AxleRowTexts::singleLoad, &AxleRowTexts::singleCount, &AxleRowTexts::tandemLoad,
    &AxleRowTexts::tandemCount};

// A JavaScript clock shows milliseconds within 10^8 days of 1970; the page keeps none before.
bool showable(double time) {
    return std::isfinite(time) && time >= 0 && time <= 8.64e15;
}

bool sectionExists(const Workspace& ws, const InputRange& entry) {
    return entry.pavementText  ? ws.hasPavement()
           : entry.trafficText ? ws.hasTraffic()
                               : ws.hasAxles();
}

void writeSections(json::Writer& w, const Workspace& ws) {
    w.key("texts").beginObject();
    for (const WebInput& input : webInputs())
        if (sectionExists(ws, *input.entry))
            w.member(input.id, pageText::fromCore(inputText(ws, input.entry->field, input.row)));
    w.endObject().key("pavement");
    if (const PavementInputs& p = ws.pavement(); ws.hasPavement()) {
        w.beginObject().key("captions").beginArray();
        for (const std::string* c :
             {&p.thicknessCaption, &p.subgradeModulusCaption, &p.modulusOfRuptureCaption})
            w.value(pageText::fromCore(*c));
        w.endArray().member("shoulder", p.concreteShoulder).member("dowels", p.doweledJoints);
        w.endObject();
    } else {
        w.null();
    }
    w.member("traffic", ws.hasTraffic()).key("axles");
    if (ws.hasAxles())
        w.beginObject()
            .member("heading", pageText::fromCore(ws.axles().loadHeading))
            .member("lastTandemRowShown", ws.axles().lastTandemRowShown)
            .endObject();
    else
        w.null();
}

// ---- Reading: the first value that is not what the page keeps ends it, with the reason. A
// value is named by its place in the text: "texts.h", "state.project[3]".

class Reader {
  public:
    bool failed() const { return !m_reason.empty(); }
    const std::string& reason() const { return m_reason; }

    template <typename T = const json::Value*>
    std::optional<T> fail(const char* text, std::string_view where, std::string_view more = {}) {
        if (m_reason.empty())
            m_reason = catalogue::arg(catalogue::translate(kContext, text), {where, more});
        return std::nullopt;
    }

    // A member that must be there; null when it is not (and so said).
    const json::Value* in(const json::Value* object, std::string_view key, std::string where) {
        const json::Value* v = object ? object->find(key) : nullptr;
        if (!v && object)
            fail(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is missing"), where);
        return v;
    }

    std::optional<bool> flag(const json::Value* v, std::string_view where) {
        if (v && v->boolean())
            return *v->boolean();
        return fail<bool>(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not true or false"), where);
    }

    // A text that a field could hold: every character one the input data file keeps (any,
    // for a project text), and one line unless it is a file's name, which is only shown.
    std::optional<std::string> text(const json::Value* v, std::string_view where,
                                    bool shownOnly = false, bool project = false) {
        if (!v || !v->string())
            return fail<std::string>(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a text"), where);
        if (shownOnly)
            return *v->string();
        std::optional<std::string> core =
            project ? pageText::toCore(*v->string()) : pageText::toInputText(*v->string(), 0);
        if (!core || core->find_first_of("\r\n") != std::string::npos)
            return fail<std::string>(
                ZAN_TRANSLATE_NOOP("Kept inputs",
                                   "%1 holds a character that no typed text can hold"),
                where);
        return core;
    }

    // A list of `size` values, or of any number when `size` is 0.
    const json::Array* list(const json::Value* v, std::size_t size, std::string_view where) {
        if (v && v->array() && (size == 0 || v->array()->size() == size))
            return v->array();
        if (size == 0)
            fail(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a list"), where);
        else
            fail(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a list of %2 values"), where,
                 std::to_string(size));
        return nullptr;
    }

    // A section: null when it does not exist (or is not what it should be, and so said).
    const json::Value* section(const json::Value* v, std::string_view where) {
        if (!v || v->isNull())
            return nullptr;
        if (!v->object())
            fail(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a group of values"), where);
        return v->object() ? v : nullptr;
    }

    // A caption the program writes for these units, and no other.
    void caption(std::string& into, const json::Value* v, std::string_view where,
                 std::initializer_list<const char*> captions) {
        const std::optional<std::string> t = text(v, where);
        for (const char* c : captions)
            if (t && *t == c) {
                into = *t;
                return;
            }
        if (t)
            fail(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a caption this program writes"),
                 where);
    }

    std::optional<double> number(const json::Value* v, std::string_view where) {
        if (v && v->number())
            return *v->number();
        return fail<double>(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a number"), where);
    }

  private:
    std::string m_reason;
};

void readPavementCaptions(Reader& r, PavementInputs& p, UnitSystem units,
                          const std::array<const json::Value*, 3>& values, std::string_view where) {
    const auto at = [&](int i) { return std::string(where) + "[" + std::to_string(i) + "]"; };
    r.caption(p.thicknessCaption, values[0], at(0), {caption::thickness(units)});
    r.caption(p.subgradeModulusCaption, values[1], at(1),
              {caption::subgradeModulus(units, false), caption::subgradeModulus(units, true)});
    r.caption(p.modulusOfRuptureCaption, values[2], at(2), {caption::modulusOfRupture(units)});
}

void readOptions(Reader& r, const json::Value* pavement, PavementInputs& p,
                 std::string_view where) {
    const std::string w(where);
    p.concreteShoulder =
        r.flag(r.in(pavement, "shoulder", w + ".shoulder"), w + ".shoulder").value_or(false);
    p.doweledJoints = r.flag(r.in(pavement, "dowels", w + ".dowels"), w + ".dowels").value_or(true);
}

void readAxleOptions(Reader& r, const json::Value* axles, AxleInputs& a, UnitSystem units,
                     std::string_view where) {
    const std::string w(where);
    r.caption(a.loadHeading, r.in(axles, "heading", w + ".heading"), w + ".heading",
              {caption::axleLoadHeading(units)});
    const std::string shown = w + ".lastTandemRowShown";
    a.lastTandemRowShown = r.flag(r.in(axles, "lastTandemRowShown", shown), shown).value_or(true);
}

// The first format: each section's texts as lists.
void readFirstSections(Reader& r, const json::Value& state, Workspace& ws) {
    const UnitSystem units = ws.unitSystem();
    const auto each = [&](const json::Array* list, auto& section, const auto& members,
                          const std::string& where) {
        for (std::size_t i = 0; list && i < members.size(); ++i)
            if (auto t = r.text(&(*list)[i], where + "[" + std::to_string(i) + "]"))
                section.*members[i] = *t;
    };
    if (const json::Value* p =
            r.section(r.in(&state, "pavement", "state.pavement"), "state.pavement")) {
        PavementInputs& pavement = ws.ensurePavement();
        const json::Array* texts =
            r.list(r.in(p, "texts", "state.pavement.texts"), 6, "state.pavement.texts");
        each(texts, pavement, kFirstPavementTexts, "state.pavement.texts");
        if (texts)
            readPavementCaptions(r, pavement, units, {&(*texts)[3], &(*texts)[4], &(*texts)[5]},
                                 "state.pavement.texts");
        readOptions(r, p, pavement, "state.pavement");
    }
    if (const json::Value* t = r.in(&state, "traffic", "state.traffic"); t && !t->isNull())
        each(r.list(t, 7, "state.traffic"), ws.ensureTraffic(), kFirstTrafficTexts,
             "state.traffic");
    if (const json::Value* a = r.section(r.in(&state, "axles", "state.axles"), "state.axles")) {
        AxleInputs& axles = ws.ensureAxles();
        const json::Array* rows =
            r.list(r.in(a, "rows", "state.axles.rows"), kAxleRows, "state.axles.rows");
        for (std::size_t i = 0; rows && i < kAxleRows; ++i) {
            const std::string where = "state.axles.rows[" + std::to_string(i) + "]";
            each(r.list(&(*rows)[i], 4, where), axles.rows[i], kFirstAxleTexts, where);
        }
        readAxleOptions(r, a, axles, units, "state.axles");
    }
}

// The second format and this one: the texts by their web ids.
void readSections(Reader& r, const json::Value& state, Workspace& ws, const std::string& in) {
    const UnitSystem units = ws.unitSystem();
    if (const json::Value* p =
            r.section(r.in(&state, "pavement", in + "pavement"), in + "pavement")) {
        PavementInputs& pavement = ws.ensurePavement();
        const std::string where = in + "pavement.captions";
        if (const json::Array* c = r.list(r.in(p, "captions", where), 3, where))
            readPavementCaptions(r, pavement, units, {&(*c)[0], &(*c)[1], &(*c)[2]}, where);
        readOptions(r, p, pavement, in + "pavement");
    }
    if (r.flag(r.in(&state, "traffic", in + "traffic"), in + "traffic").value_or(false))
        ws.ensureTraffic();
    if (const json::Value* a = r.section(r.in(&state, "axles", in + "axles"), in + "axles"))
        readAxleOptions(r, a, ws.ensureAxles(), units, in + "axles");
    const json::Value* texts = r.section(r.in(&state, "texts", in + "texts"), in + "texts");
    for (const WebInput& input : webInputs())
        if (sectionExists(ws, *input.entry) && !r.failed())
            if (auto t = r.text(r.in(texts, input.id, in + "texts." + input.id),
                                in + "texts." + input.id))
                ensureInputText(ws, input.entry->field, input.row) = *t;
}

// Before this format, the seven texts as a list; now by their keys, with the lines of a file's
// project information that the program keeps unread.
ProjectInfo readProject(Reader& r, const json::Value& state, int format, const std::string& in) {
    ProjectInfo project;
    const json::Value* given = r.in(&state, "project", in + "project");
    const json::Array* list =
        format < 3 ? r.list(given, kProjectFields.size(), in + "project") : nullptr;
    for (std::size_t i = 0; i < kProjectFields.size() && !r.failed(); ++i) {
        const ProjectField& field = kProjectFields[i];
        const std::string where = format < 3 ? in + "project[" + std::to_string(i) + "]"
                                             : in + "project." + std::string(field.key);
        const json::Value* v =
            list ? &(*list)[i] : r.in(r.section(given, in + "project"), field.key, where);
        project.*field.text = r.text(v, where, false, true).value_or("");
    }
    if (format < 3)
        return project;
    const std::string where = "otherProjectLines";
    if (const json::Array* lines = r.list(r.in(&state, where, where), 0, where))
        for (std::size_t i = 0; i < lines->size() && !r.failed(); ++i)
            project.otherLines.push_back(
                r.text(&(*lines)[i], where + "[" + std::to_string(i) + "]", false, true)
                    .value_or(""));
    return project;
}

// The first format has no version; the second has 2 in its state; this one has its own at the
// top, with the time and the file beside the inputs rather than around them.
std::optional<int> formatOf(Reader& r, const json::Value& root) {
    const char* notGroup = ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a group of values");
    const char* unknown =
        ZAN_TRANSLATE_NOOP("Kept inputs", "its format %1 is unknown to this version of the page");
    if (!root.object())
        return r.fail<int>(notGroup, "()");
    if (const json::Value* state = root.find("state")) {
        if (!state->object())
            return r.fail<int>(notGroup, "state");
        if (!state->find("version"))
            return 1;
        const std::optional<double> v = r.number(state->find("version"), "state.version");
        if (v && *v == 2)
            return 2;
        return v ? r.fail<int>(unknown, formatSignificant(*v)) : std::nullopt;
    }
    const std::optional<double> v = r.number(r.in(&root, "version", "version"), "version");
    if (v && *v == kKeptInputsFormat)
        return kKeptInputsFormat;
    return v ? r.fail<int>(unknown, formatSignificant(*v)) : std::nullopt;
}

}  // namespace

std::string writeKeptInputs(const Workspace& ws, const std::string& file, double time) {
    json::Writer w;
    w.beginObject()
        .member("version", kKeptInputsFormat)
        .member("time", static_cast<long long>(showable(time) ? time : 0))
        .member("file", file)
        .member("units", static_cast<int>(ws.unitSystem()))
        .member("locked", ws.unitChoiceLocked())
        .member("unsaved", ws.inputsChangedSinceSaved());
    writeSections(w, ws);
    w.key("project").beginObject();
    for (const ProjectField& field : kProjectFields)
        w.member(field.key, pageText::fromCore(ws.project().*field.text));
    w.endObject().key("otherProjectLines").beginArray();
    for (const std::string& line : ws.project().otherLines)
        w.value(pageText::fromCore(line));
    w.endArray().endObject();
    return w.text();
}

Expected<KeptInputs, std::string> readKeptInputs(std::string_view text) {
    const auto root = json::parse(text);
    if (!root)
        return failure(catalogue::arg(
            catalogue::translate("Kept inputs", "they are not in a format the page keeps (%1)"),
            {root.error()}));
    Reader r;
    const std::optional<int> format = formatOf(r, *root);
    if (!format)
        return failure(r.reason());
    const json::Value& state = *format < 3 ? *root->find("state") : *root;
    const std::string in = *format < 3 ? "state." : "";
    KeptInputs kept;
    const std::optional<double> time = r.number(r.in(&*root, "time", "time"), "time");
    if (time && !showable(*time))
        r.fail(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is not a time a clock can show"), "time");
    kept.time = time.value_or(0);
    kept.file =
        r.text(r.in(&*root, *format < 3 ? "fileName" : "file", "file"), "file", true).value_or("");
    const std::optional<double> units = r.number(r.in(&state, "units", in + "units"), in + "units");
    if (units && *units != 0 && *units != 1)
        r.fail(ZAN_TRANSLATE_NOOP("Kept inputs", "%1 is neither 0 (English) nor 1 (Metric)"),
               in + "units");
    Workspace& ws = kept.workspace;
    ws.chooseUnitSystem(units == 1.0 ? UnitSystem::Metric : UnitSystem::English);
    if (*format == 1)
        readFirstSections(r, state, ws);
    else
        readSections(r, state, ws, in);
    ws.setProject(readProject(r, state, *format, in));
    const std::optional<bool> locked = r.flag(r.in(&state, "locked", in + "locked"), in + "locked");
    const std::optional<bool> unsaved =
        r.flag(r.in(&state, "unsaved", in + "unsaved"), in + "unsaved");
    if (r.failed())
        return failure(r.reason());
    if (*locked)
        ws.lockUnitChoice();
    if (!*unsaved)
        ws.markInputsSaved();
    return kept;
}

double keptInputsTime(std::string_view text) {
    const auto root = json::parse(text);
    const json::Value* time = root ? root->find("time") : nullptr;
    return time && time->number() && showable(*time->number()) ? *time->number() : -1;
}

}  // namespace zan
