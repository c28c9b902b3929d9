// The web page's door into the core: the page's session (commands/page_session.h) and the
// catalogue, exported to JavaScript with embind. It converts and binds; every decision is the
// session's, tested natively.
//
// Texts cross as byte strings: the module is linked with EMBIND_STD_STRING_IS_UTF8=0, so one
// JavaScript character code (0 to 255) is one byte. The session's texts are UTF-8 (its JSON
// results and the memo document too) and the catalogue's are UTF-8, which the page decodes.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <chrono>
#include <string>

#include "commands/page_session.h"
#include "io/json.h"
#include "io/memo_document.h"
#include "io/memo_json.h"
#include "model/catalogue.h"
#include "model/run.h"

namespace {

using emscripten::val;
using namespace zan;

// ---- The documents of the run every document is written from.

// Its memo document (io/memo_document.h) as a JSON text, in the session's way: UTF-8 in and
// out. `options` is JSON: {"file": NAME, "made": MILLISECONDS, "charts": BOOL}, the file the
// run's inputs came from, the moment the memo is made, and whether a document before any run
// holds the charts of the inputs (the page leaves them out: it redraws at every change).
std::string memoOf(PageSession& session, const std::string& options) {
    MemoOptions memo;
    memo.inputsChanged = session.inputsChanged();
    if (const auto parsed = json::parse(options)) {
        if (const json::Value* file = parsed->find("file"); file && file->string())
            memo.fileName = *file->string();
        if (const json::Value* made = parsed->find("made"); made && made->number())
            memo.made = Run::Clock::time_point(
                std::chrono::milliseconds(static_cast<long long>(*made->number())));
        if (const json::Value* charts = parsed->find("charts"); charts && charts->boolean())
            memo.chartsBeforeAnyRun = *charts->boolean();
    }
    return memoDocumentJson(memoDocument(*session.shownRun(), memo));
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
        .function("memo", &memoOf);
}
