// zan-report: the report of an input data file without a window. It runs the very commands
// of the desktop program on a workspace that starts as the program does, so its report is
// byte for byte the one the program would show, save or print.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "io/commands.h"
#include "io/report.h"
#include "model/workspace.h"

namespace {

enum class Mode { Fatigue, Erosion, Both, Design, Inputs };

// Exit statuses of our own; the others are the commands' CommandStatus values.
constexpr int kExitWrongUsage = 2;
constexpr int kExitOutputNotWritten = 7;

constexpr std::string_view kUsage =
    "Usage: zan-report [--fatigue | --erosion | --both | --design | --inputs] [-o OUT] FILE.DEF\n";

constexpr std::string_view kHelp =
    "Reads an input data file (.DEF) into a fresh workspace, exactly as File > Read Data\n"
    "From File does in ZAN Thickness Design, runs one command and writes the report.\n"
    "\n"
    "  --both      fatigue and erosion analysis of the trial thickness (the default)\n"
    "  --fatigue   fatigue analysis only\n"
    "  --erosion   erosion analysis only\n"
    "  --design    compute the recommended minimum slab thickness and report its analysis\n"
    "  --inputs    the report of the inputs alone; no analysis is run\n"
    "  -o OUT      write the report to OUT instead of standard output; OUT is replaced only\n"
    "              when the whole report has been written, so a failure keeps the old OUT\n"
    "  --help      show this text\n"
    "  --          ends the options (for a file name that starts with '-')\n"
    "\n"
    "The report is written as the program writes it: 8-bit text, every line ended by CR LF.\n"
    "The text of every message box the command would show (damage above 100 %, the\n"
    "recommended thickness, refused inputs) goes to standard error, one line per line.\n"
    "\n"
    "Exit status:\n"
    "  0  done (also when a damage total exceeds 100 %)\n"
    "  2  wrong usage: unknown option, no file, more than one file, more than one command,\n"
    "     or -o given twice or without a name\n"
    "  3  FILE.DEF is not an input data file (\"Incorrect Input File!\")\n"
    "  4  FILE.DEF cannot be read, or it ends before the tenth axle row\n"
    "  5  the analysis refused the inputs (for example a zero thickness or modulus)\n"
    "  6  the thickness search found no passing thickness within its bounds\n"
    "  7  the report could not be written to OUT or to standard output\n"
    "Nothing is written to standard output unless the status is 0.\n";

struct Options {
    Mode mode = Mode::Both;
    std::optional<std::string> output;
    std::string input;
    bool help = false;
};

struct UsageError {
    std::string text;
};

std::optional<Mode> modeOption(std::string_view arg) {
    if (arg == "--fatigue")
        return Mode::Fatigue;
    if (arg == "--erosion")
        return Mode::Erosion;
    if (arg == "--both")
        return Mode::Both;
    if (arg == "--design")
        return Mode::Design;
    if (arg == "--inputs")
        return Mode::Inputs;
    return std::nullopt;
}

// Returns the options, or the reason the command line is wrong.
std::variant<Options, UsageError> parseArguments(const std::vector<std::string_view>& args) {
    Options options;
    bool modeGiven = false;
    bool inputGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--help" || arg == "-h") {
                options.help = true;
            } else if (arg == "-o") {
                if (options.output)
                    return UsageError{"-o given twice"};
                if (i + 1 == args.size())
                    return UsageError{"-o needs a file name"};
                options.output = std::string(args[++i]);
            } else if (std::optional<Mode> mode = modeOption(arg)) {
                if (modeGiven)
                    return UsageError{
                        "give only one of --fatigue, --erosion, --both, --design, --inputs"};
                modeGiven = true;
                options.mode = *mode;
            } else {
                return UsageError{"unknown option " + std::string(arg)};
            }
            continue;
        }
        if (inputGiven)
            return UsageError{"give only one input file"};
        inputGiven = true;
        options.input = std::string(arg);
    }
    if (!options.help && !inputGiven)
        return UsageError{"no input file"};
    return options;
}

void writeError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// A message box's text as lines on standard error. Its lines are separated by CR LF; a text
// that ends with CR LF (the damage messages) has no empty line after it.
void writeMessage(const zan::Message& message) {
    std::string_view rest = message.text;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        writeError(line);
        writeError("\n");
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 2);
    }
}

zan::CommandOutcome runCommand(zan::Workspace& workspace, Mode mode) {
    switch (mode) {
        case Mode::Fatigue:
            return zan::performAnalysis(workspace, zan::AnalysisKind::Fatigue);
        case Mode::Erosion:
            return zan::performAnalysis(workspace, zan::AnalysisKind::Erosion);
        case Mode::Both:
            return zan::performAnalysis(workspace, zan::AnalysisKind::Both);
        case Mode::Design:
            return zan::computeDesignThickness(workspace);
        case Mode::Inputs:
            break;
    }
    zan::CommandOutcome outcome;
    auto report = zan::writeReport(workspace);
    if (report) {
        outcome.report = std::move(*report);
    } else {
        // Whatever the writer cannot lay out comes from the inputs, so it is reported as the
        // analysis commands report inputs they refuse.
        outcome.status = zan::CommandStatus::Refused;
        outcome.message = zan::Message{report.error().message, ""};
    }
    return outcome;
}

bool writeStandardOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        return false;
    return std::fflush(stdout) == 0;
}

int run(const Options& options) {
    zan::Workspace workspace;
    const zan::CommandOutcome read = zan::readDataFile(workspace, options.input);
    if (!read.ok()) {
        if (read.message)
            writeMessage(*read.message);
        else
            writeError("zan-report: " + options.input + ": cannot be read, or ends early\n");
        return static_cast<int>(read.status);
    }

    const zan::CommandOutcome outcome = runCommand(workspace, options.mode);
    if (outcome.message)
        writeMessage(*outcome.message);
    if (!outcome.ok())
        return static_cast<int>(outcome.status);
    const std::string_view report = outcome.report ? std::string_view(*outcome.report) : "";

    if (options.output) {
        if (std::optional<std::string> error = zan::writeFileSafely(*options.output, report)) {
            writeError("zan-report: " + *error + "\n");
            return kExitOutputNotWritten;
        }
        return 0;
    }
    if (!writeStandardOutput(report)) {
        writeError("zan-report: the report could not be written to standard output\n");
        return kExitOutputNotWritten;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    auto parsed = parseArguments(args);
    if (const UsageError* error = std::get_if<UsageError>(&parsed)) {
        writeError("zan-report: " + error->text + "\n");
        writeError(kUsage);
        writeError("Try 'zan-report --help' for more information.\n");
        return kExitWrongUsage;
    }
    const Options& options = std::get<Options>(parsed);
    if (options.help) {
        std::string text(kUsage);
        text += '\n';
        text += kHelp;
        return writeStandardOutput(text) ? 0 : kExitOutputNotWritten;
    }
    return run(options);
}
