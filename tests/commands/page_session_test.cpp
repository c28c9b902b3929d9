// The web page's session without a browser: the inputs it keeps come back as they were, from
// this format and the two before it; a kept value the page could not have written is refused
// whole, with the reason; what comes back is checked as typed; runs are counted and named by
// the file their inputs came from.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/page_session.h"
#include "io/json.h"
#include "io/memo_document.h"
#include "io/utf8.h"
#include "support/files.h"

namespace zan {
namespace {

json::Value parsed(const std::string& text) {
    auto value = json::parse(text);
    EXPECT_TRUE(value) << text;
    return value ? *value : json::Value();
}

std::string member(const std::string& json, std::string_view key) {
    const json::Value v = parsed(json);
    const json::Value* m = v.find(key);
    return m && m->string() ? *m->string() : m && m->number() ? std::to_string(*m->number()) : "";
}

std::string example(const char* name) {
    return test::readBytes(std::string(ZAN_EXAMPLES_DIR) + "/" + name);
}

// The inputs of 2024-05-03 03:44, as the page kept them in its first format and its second:
// the pavement (h 8.5, Sc 777) and the traffic typed, the axle loads never touched.
constexpr const char* kFirstFormat =
    R"k({"time":1714707840000,"fileName":"heavy.DEF","state":{"units":0,"locked":true,)k"
    R"k("unsaved":true,"pavement":{"texts":["8.5","130","777","Trial Thickness, h (in)",)k"
    R"k("Subgrade Modulus, K (psi/in)","Modulus of Rupture, Sc (psi)"],"shoulder":true,)k"
    R"k("dowels":false},"traffic":["12900","0.45","2","50","100","1.2","20"],"axles":null,)k"
    R"k("project":["Ring road","K\u00f6ln","","","","",""]}})k";
constexpr const char* kSecondFormat =
    R"k({"time":1714707840000,"fileName":"heavy.DEF","state":{"version":2,"units":0,)k"
    R"k("locked":true,"unsaved":true,"texts":{"h":"8.5","k":"130","Sc":"777","ADT":"12900",)k"
    R"k("TD":"0.45","DD":"50","LD":"100","grow":"2","Years":"20","LSF":"1.2"},"pavement":)k"
    R"k({"captions":["Trial Thickness, h (in)","Subgrade Modulus, K (psi/in)",)k"
    R"k("Modulus of Rupture, Sc (psi)"],"shoulder":true,"dowels":false},"traffic":true,)k"
    R"k("axles":null,"project":["Ring road","K\u00f6ln","","","","",""]}})k";

TEST(KeptInputs, EarlierFormatsAreRead) {
    for (const char* kept : {kFirstFormat, kSecondFormat}) {
        PageSession page;
        const std::string restored = page.restore(kept);
        ASSERT_EQ(member(restored, "file"), "heavy.DEF") << restored;
        EXPECT_EQ(PageSession::keptTime(kept), 1714707840000.0);
        const Workspace& ws = page.workspace();
        EXPECT_EQ(ws.pavement().modulusOfRupture, "777");
        EXPECT_EQ(ws.pavement().subgradeModulusCaption, "Subgrade Modulus, K (psi/in)");
        EXPECT_TRUE(ws.pavement().concreteShoulder && ws.hasTraffic() && !ws.hasAxles());
        EXPECT_EQ(ws.traffic().growthPercent, "2");
        EXPECT_EQ(ws.project().location, "K\u00F6ln");
        EXPECT_TRUE(ws.unitChoiceLocked() && page.unsaved());
        EXPECT_EQ(page.pendingChecks(), "[]");
    }
}

using Edit = std::function<void(PageSession&)>;

struct KeptCase {
    const char* name;
    Edit edit;
};

const KeptCase kKept[] = {
    {"Untouched", [](PageSession&) {}},
    {"MetricTyped",
     [](PageSession& p) {
         p.chooseUnits(1);
         p.setText("h", "24,1 cm");
         p.setProjectText("info-notes", "\xC5\x81\xC3\xB3\x64\xC5\xBA / K\xC3\xB6ln");
     }},
    {"FileReadThenEdited",
     [](PageSession& p) {
         p.readFile(example("heavy.DEF") + "Phase: 2\r\n", "road \xF0\x9F\x9A\xA7.DEF");
         p.setText("tandem-count-9", "3.5");
         p.setOption("dowels", false);
     }},
    {"LightCategory", [](PageSession& p) { p.applyCategory(0); }},
    {"Saved",
     [](PageSession& p) {
         p.readFile(example("medium.DEF"), "medium.DEF");
         p.setText("k", "222");
         p.defBytes();
     }},
};

class KeptInputsRoundTrip : public testing::TestWithParam<KeptCase> {};

TEST_P(KeptInputsRoundTrip, ComeBackAsTheyWere) {
    PageSession page;
    GetParam().edit(page);
    const std::string kept = page.keptInputs(1714707840000.0);
    PageSession back;
    const std::string restored = back.restore(kept);
    const json::Value result = parsed(restored);
    const json::Value* ok = result.find("restored");
    ASSERT_TRUE(ok && ok->boolean() && *ok->boolean()) << restored;
    EXPECT_EQ(back.view(), page.view());
    EXPECT_EQ(back.workspace().inputSnapshot(), page.workspace().inputSnapshot());
    EXPECT_EQ(back.workspace().project().otherLines, page.workspace().project().otherLines);
    EXPECT_EQ(back.unsaved(), page.unsaved());
    EXPECT_EQ(back.keptInputs(1714707840000.0), kept);
}

INSTANTIATE_TEST_SUITE_P(PageSession, KeptInputsRoundTrip, testing::ValuesIn(kKept),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    const char* from;  // in kSecondFormat, or the whole text when not found
    const char* to;
    const char* reason;
};

const BadCase kBad[] = {
    {"NotJson", "", "{\"time\":", "not in a format the page keeps"},
    {"NumberForText", R"("h":"8.5")", R"("h":8.5)", "state.texts.h is not a text"},
    {"TextMissing", R"("h":"8.5",)", "", "state.texts.h is missing"},
    {"ShortProject", R"("","","","",""])", R"("","","",""])", "state.project is not a list of 7"},
    {"BeyondTheFile", R"("h":"8.5")", R"("h":"8.5\u0141")", "state.texts.h holds a character"},
    {"LineEnd", R"("Sc":"777")", R"("Sc":"777\r\nh = 6")", "state.texts.Sc holds a character"},
    {"TimeNotNumber", "1714707840000", R"("03:44")", "time is not a number"},
    {"TimeNoClockShows", "1714707840000", "1e300", "time is not a time a clock can show"},
    {"ForgedCaption", "h (in)", "h (in), PASSED", "state.pavement.captions[0] is not a caption"},
    {"OtherUnitsCaption", "h (in)", "h (cm)", "state.pavement.captions[0] is not a caption"},
    {"Units", R"("units":0)", R"("units":7)", "state.units is neither 0"},
    {"LaterFormat", R"("version":2)", R"("version":4)", "its format 4 is unknown"},
    {"NotAGroup", R"("traffic":true,"axles":null)", R"("traffic":true,"axles":5)",
     "state.axles is not a group"},
};

class BadKeptInputs : public testing::TestWithParam<BadCase> {};

// Refused whole: nothing changes, and the reason names the value.
TEST_P(BadKeptInputs, AreRefusedWithTheReason) {
    const BadCase& c = GetParam();
    std::string kept = kSecondFormat;
    const std::size_t at = *c.from ? kept.find(c.from) : std::string::npos;
    kept = at == std::string::npos ? c.to : kept.replace(at, std::string_view(c.from).size(), c.to);
    PageSession page;
    page.setText("k", "200");
    const std::string before = page.view();
    const std::string restored = page.restore(kept);
    EXPECT_NE(member(restored, "reason").find(c.reason), std::string::npos) << restored;
    EXPECT_EQ(page.view(), before);
}

INSTANTIATE_TEST_SUITE_P(PageSession, BadKeptInputs, testing::ValuesIn(kBad),
                         [](const auto& info) { return std::string(info.param.name); });

// A step of the check: the message's text (empty for none) and the field's text.
std::pair<std::string, std::string> step(const std::string& json) {
    const json::Value v = parsed(json);
    const json::Value* message = v.find("message");
    return {message ? *message->find("text")->string() : "", *v.find("text")->string()};
}

struct CheckCase {
    const char* typed;
    std::vector<const char*> answers;  // one for each message, in order
    const char* last;                  // the last message
    const char* text;                  // the field's text at the end
};

const CheckCase kChecks[] = {
    {" 9.50 ", {}, "", " 9.50 "},
    {"3",
     {"yes"},
     "h1 is not within the typical data range( 4,  20). Accept the suggested minimum value?",
     "4"},
    {"21", {"no", "ok"}, "Keep the h1 input value anyway!", "21"},
    {"abc", {"cancel"}, "h1 is an invalid number; please try again!", "9.5"},
    {"-1", {"continue"}, "h1 is an invalid number; please try again!", "9.5"},
};

// The dialogs' OK, field by field: typed or restored, a text meets the same questions.
TEST(PageSession, TypedAndRestoredTextsMeetTheRangeCheck) {
    for (bool restoredText : {false, true}) {
        for (const CheckCase& c : kChecks) {
            PageSession page;
            if (restoredText) {
                std::string kept = kSecondFormat;
                page.restore(kept.replace(kept.find("8.5"), 3, c.typed));
            } else {
                page.setText("h", c.typed);
            }
            // A restored text waits only when the check has a question.
            const bool waits = !restoredText || c.last[0];
            ASSERT_EQ(page.pendingChecks(), waits ? R"(["h"])" : "[]") << c.typed;
            auto [message, text] = step(page.checkField("h"));
            std::string last = message;
            for (const char* answer : c.answers) {
                std::tie(message, text) = step(page.answerCheck("h", answer));
                last = message.empty() ? last : message;
            }
            EXPECT_EQ(last, c.last) << c.typed;
            EXPECT_TRUE(message.empty() && text == c.text) << c.typed << ": " << text;
            EXPECT_EQ(page.pendingChecks(), "[]");
        }
    }
}

// A project text is kept as typed, in the saved file and on the memo; an input text keeps to
// what the file can hold, and the page is told what it holds.
TEST(PageSession, TypedTextsAreKeptOrShownAsKept) {
    PageSession page;
    const std::string typed = "O\u2019Hare Road \u2013 \u0141\u00F3d\u017A";
    EXPECT_EQ(page.setProjectText("info-project", typed), typed);
    page.setText("h", "9.5 \u0141");
    EXPECT_EQ(page.workspace().pavement().thickness, "9.5 ?");
    const std::string bytes = utf8::fromLatin1("Project: " + typed);  // as the page gets them
    EXPECT_NE(member(page.defBytes(), "bytes").find(bytes), std::string::npos);
    page.analyse(2);
    EXPECT_EQ(memoDocument(*page.shownRun(), {}).firstPage.project.rows[0].cells[1].text, typed);
}

TEST(PageSession, RunsAreCountedAndNamedByTheirFile) {
    PageSession page;
    const std::string name = "\xC5\x81\xC3\xB3\x64\xC5\xBA.DEF";  // Łódź.DEF
    const std::string read = page.readFile(example("heavy.DEF"), name);
    const json::Value outcome = parsed(read);
    EXPECT_EQ(*outcome.find("message")->find("text")->string(), name + "  Loaded!");
    EXPECT_EQ(member(page.run(), "file"), name);
    page.analyse(2);
    EXPECT_EQ(member(page.run(), "number"), std::to_string(1.0));
    page.readFile(example("light.DEF"), "light.DEF");
    const json::Value stale = parsed(page.run());
    EXPECT_EQ(*stale.find("file")->string(), name);
    EXPECT_TRUE(*stale.find("changed")->boolean());
    page.analyseAgain();
    EXPECT_EQ(member(page.run(), "file"), "light.DEF");
    EXPECT_EQ(member(page.run(), "number"), std::to_string(2.0));
}

}  // namespace
}  // namespace zan
