// The .DEF reader over arbitrary bytes, and what a loaded file can lead to.
//
// Properties:
//  1. Reading into a workspace that already holds a design either applies the whole file or
//     changes nothing at all (all or nothing, compared with Workspace::operator==).
//  2. A file that parses, applied and written again, parses to the same contents; the unit
//     system becomes English when line 1 named none (a fresh workspace is English). This
//     holds whenever no axle field holds a double quote: the format has no escape for one,
//     so such a field is cut at the quote. In every case the second written file is a fixed
//     point: writing what it reads gives the same bytes.
//  3. On the loaded design, an analysis and the thickness search either commit finite
//     results with a CR LF report free of "inf"/"nan"/"overflow", or refuse and leave the
//     workspace exactly as it was.

#include <cstdint>
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "fuzz_support.h"
#include "io/def_file.h"
#include "io/report.h"

namespace {

using namespace zan;
using zan::fuzz::check;

// A workspace in the middle of a session: Metric, every section touched, committed results.
Workspace sessionWorkspace() {
    Workspace w;
    w.chooseUnitSystem(UnitSystem::Metric);
    w.ensurePavement().thickness = "24";
    w.ensureTraffic().averageDailyTraffic = "8000";
    w.ensureAxles().rows[3].singleCount = "12.5";
    auto analysed = performAnalysis(w, AnalysisKind::Both);
    check(analysed.ok(), "the session workspace cannot be analysed");
    return w;
}

DefFileContents normalised(DefFileContents c) {
    if (!c.units)
        c.units = UnitSystem::English;
    return c;
}

bool axleFieldHoldsQuote(const DefFileContents& c) {
    for (const AxleRowTexts& row : c.rows)
        for (const std::string* t :
             {&row.singleLoad, &row.singleCount, &row.tandemLoad, &row.tandemCount})
            if (t->find('"') != std::string::npos)
                return true;
    return false;
}

void checkCommand(Workspace& w, CommandOutcome (*command)(Workspace&)) {
    const Workspace before = w;
    const CommandOutcome outcome = command(w);
    if (outcome.ok()) {
        check(outcome.report.has_value(), "a command succeeded without a report");
        check(allFinite(w.results()), "a command committed results that are not finite");
        fuzz::checkReportText(*outcome.report, fuzz::inputTexts(w));
    } else {
        check(outcome.message.has_value() && !outcome.message->text.empty(),
              "a refusal without a message");
        check(w == before, "a refused command changed the workspace");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const Workspace session = sessionWorkspace();

    const auto parsed = parseDefFile(bytes);
    Workspace w = session;
    const CommandOutcome read = readDataBytes(w, bytes, "fuzz.DEF");
    if (!parsed) {
        check(!read.ok(), "a file that does not parse was loaded");
        check(w == session, "a rejected file changed the workspace");
        return 0;
    }
    check(read.ok(), "a file that parses was not loaded");
    check(w.results() == session.results(), "loading a file changed the results");

    Workspace fresh;
    applyDefFile(fresh, *parsed);
    const std::string written = writeDefFile(fresh);
    const auto reread = parseDefFile(written);
    check(reread.ok(), "a written file does not parse", written);
    if (!axleFieldHoldsQuote(*parsed))
        check(*reread == normalised(*parsed), "a written file reads back different texts", written);
    Workspace second;
    applyDefFile(second, *reread);
    const std::string secondWritten = writeDefFile(second);
    Workspace third;
    const auto thirdParsed = parseDefFile(secondWritten);
    check(thirdParsed.ok(), "a rewritten file does not parse", secondWritten);
    applyDefFile(third, *thirdParsed);
    check(writeDefFile(third) == secondWritten, "writing what a written file reads changes it",
          secondWritten);

    checkCommand(w, [](Workspace& x) { return performAnalysis(x, AnalysisKind::Both); });
    checkCommand(w, [](Workspace& x) { return performAnalysis(x, AnalysisKind::Fatigue); });
    checkCommand(w, &computeDesignThickness);
    if (auto report = writeReport(w))
        fuzz::checkReportText(*report, fuzz::inputTexts(w));
    return 0;
}
