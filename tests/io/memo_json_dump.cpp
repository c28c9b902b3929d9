// The memo document of each file after each command, one JSON text a line, as the web engine
// makes it (tests/web/memo_json.js): the web stage compares the two.
//   zan_memo_json MADE_MS FILE...   [ZAN_MEMO_SVG=DIR writes each chart's drawing there]

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "commands/commands.h"
#include "io/memo_document.h"
#include "io/memo_json.h"
#include "model/workspace.h"

namespace {

using namespace zan;

const std::pair<const char*, std::function<CommandOutcome(Workspace&)>> kCommands[] = {
    {"fatigue", [](Workspace& w) { return performAnalysis(w, AnalysisKind::Fatigue); }},
    {"erosion", [](Workspace& w) { return performAnalysis(w, AnalysisKind::Erosion); }},
    {"both", [](Workspace& w) { return performAnalysis(w, AnalysisKind::Both); }},
    {"design", [](Workspace& w) { return computeDesignThickness(w); }}};

void writeDrawings(const MemoDocument& memo, const std::string& stem) {
    const char* folder = std::getenv("ZAN_MEMO_SVG");
    if (!folder || !memo.charts || !memo.charts->refusal.empty())
        return;
    for (const auto& [name, svg] : {std::pair{"curve", &memo.charts->curve.svg},
                                    {"rows", &memo.charts->rows.svg},
                                    {"tornado", &memo.charts->tornado.svg}})
        std::ofstream(std::string(folder) + "/" + stem + "-" + name + ".svg") << *svg;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: zan_memo_json MADE_MS FILE...\n";
        return 2;
    }
    MemoOptions options;
    options.made =
        std::chrono::system_clock::time_point(std::chrono::milliseconds(std::atoll(argv[1])));
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        options.fileName = path.substr(path.rfind('/') + 1);
        for (const auto& [name, command] : kCommands) {
            Workspace workspace;
            if (!readDataFile(workspace, path).ok())
                break;
            command(workspace);
            const auto run = documentRun(workspace);
            if (!run)
                continue;
            const MemoDocument memo = memoDocument(**run, options);
            writeDrawings(memo, options.fileName + "-" + name);
            std::cout << memoDocumentJson(memo) << '\n';
        }
    }
    return 0;
}
