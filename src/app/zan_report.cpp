// zan-report: the report of an input data file without a window. It runs the very commands
// of the desktop program on a workspace that starts as the program does, so its report is
// byte for byte the one the program would show, save or print. With --details it writes the
// values behind the Both analysis's tables as CSV instead (io/details_table.h); with
// --summary it runs the commands over many files and writes one CSV line for each
// (commands/summary.h).

#include <cstdio>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/commands.h"
#include "commands/file_system.h"
#include "commands/files.h"
#include "commands/summary.h"
#include "io/csv.h"
#include "io/details_table.h"
#include "io/report.h"
#include "io/sha256.h"
#include "model/calculation_details.h"
#include "model/expected.h"
#include "model/input_warnings.h"
#include "model/workspace.h"
#include "pdf/memo_file.h"

namespace {

enum class Mode { Fatigue, Erosion, Both, Design, Inputs, Details, Summary, Fingerprint };

// Exit statuses of our own; the others are the commands' CommandStatus values.
constexpr int kExitWrongUsage = 2;
constexpr int kExitOutputNotWritten = 7;

constexpr std::string_view kUsage =
    "Usage: zan-report [--fatigue | --erosion | --both | --design | --inputs | --details |\n"
    "                   --fingerprint] [-o OUT] FILE.DEF\n"
    "       zan-report --summary [-o OUT] FILE.DEF...\n";

constexpr std::string_view kHelp =
    "Reads an input data file (.DEF) into a fresh workspace, exactly as File > Read Data\n"
    "From File does in ZAN Thickness Design, runs one command and writes the report. A\n"
    "design memo (PDF) that File > Export PDF wrote is read as the input data file it\n"
    "carries.\n"
    "\n"
    "  --both      fatigue and erosion analysis of the trial thickness (the default)\n"
    "  --fatigue   fatigue analysis only\n"
    "  --erosion   erosion analysis only\n"
    "  --design    compute the recommended minimum slab thickness and report its analysis\n"
    "  --inputs    the report of the inputs alone; no analysis is run\n"
    "  --details   the values behind the Both analysis's tables, as CSV (see below)\n"
    "  --summary   one CSV line for each FILE.DEF instead of a report (see below)\n"
    "  --fingerprint  the SHA-256 of the input data file that Save Input Data would write for\n"
    "              the inputs read, as 64 hexadecimal digits and a line end: the fingerprint\n"
    "              a design memo prints on every page (for a file the program saved, what\n"
    "              sha256sum FILE.DEF gives)\n"
    "  -o OUT      write the report to OUT instead of standard output; OUT is replaced only\n"
    "              when the whole report has been written, so a failure keeps the old OUT;\n"
    "              an OUT that is one of the input files, or an input data file, is refused,\n"
    "              as is one that starts with '-' (write ./-OUT for such a name)\n"
    "  --help      show this text\n"
    "  --version   show the version\n"
    "  --          ends the options (for a file name that starts with '-')\n"
    "\n"
    "The report is written as the program writes it: 8-bit text, every line ended by CR LF.\n"
    "The text of every message box the command would show (damage above 100 %, the\n"
    "recommended thickness, refused inputs) goes to standard error, one line per line, each\n"
    "line starting with \"zan-report: FILE.DEF: \" (just \"zan-report: \" when the line names\n"
    "the file itself). Control characters in the messages, and in a report written to a\n"
    "terminal, are shown as \\xHH.\n"
    "\n"
    "Exit status:\n"
    "  0  done (also when a damage total exceeds 100 %)\n"
    "  2  wrong usage: unknown option, no file, more than one file without --summary, more\n"
    "     than one command, -o given twice, without a name or with one that starts with\n"
    "     '-', or an -o that would overwrite an input\n"
    "  3  FILE.DEF is not an input data file (\"Incorrect Input File!\")\n"
    "  4  FILE.DEF cannot be read, or it ends before the tenth axle row\n"
    "  5  the analysis refused the inputs (for example a zero thickness or modulus)\n"
    "  6  the thickness search found no passing thickness within its bounds\n"
    "  7  the report could not be written to OUT or to standard output, or memory ran out\n"
    "A report is written to standard output only when the status is 0.\n"
    "\n"
    "Every mode says, as soon as the file is read, what in it may not be what was meant: one\n"
    "line on standard error for each doubt, starting with \"zan-report: warning: FILE: \":\n"
    "  * a first line that names no unit system (the inputs are read in English units);\n"
    "  * an input whose text is not one whole number: it is read as its leading number, as\n"
    "    the program has always read it (an axle row whose load and count are both empty\n"
    "    is no such input), for example\n"
    "      zan-report: warning: FILE: Average Daily Traffic, ADT = \"12,900\" is read as 12\n"
    "  * an input outside the typical range that the input dialogs' OK buttons apply, in the\n"
    "    file's unit system, for example\n"
    "      zan-report: warning: FILE: Trial Thickness, h (in) = 80 is outside the typical "
    "range 4 to 20\n"
    "  * a line of the project information that is kept but not read: a repeated key or\n"
    "    ***Project***, or text that is not \"Key: text\" (such as a second design).\n"
    "Inputs are named as the report names them (axle rows by type, row and unit), their texts\n"
    "as entered, the bounds as the dialogs' range question names them. The warnings are\n"
    "advice: the report and the exit status stay the same.\n"
    "\n"
    "Details (--details FILE.DEF):\n"
    "The Both analysis runs at the trial thickness, exactly as --both runs it, with the same\n"
    "messages and exit statuses; instead of the report, the values it computed for each axle\n"
    "row are written as CSV (RFC 4180, lines ended by CR LF), so that any row of the tables\n"
    "can be checked by hand. The header line is\n"
    "  axle,row,design load (kips),expected repetitions,radius of relative stiffness (in),"
    "load factor f1,moment term M,factor f2,equivalent stress Se (psi),stress ratio,"
    "allowable fatigue repetitions,fatigue %,deflection w (in),power P',factor C1,"
    "erosion factor,allowable erosion repetitions,erosion %\n"
    "and twenty lines follow: single, then tandem, each row 1 to 10. Whatever the file's\n"
    "unit system, the values are in the units the models compute in (inches, psi, kips); the\n"
    "stress ratio is Se / Sc in those units, as the fatigue curve reads it. Every\n"
    "number is the shortest text that reads back as the single-precision value the analysis\n"
    "stored; 1e+09 is the allowable number the curves give where they set no limit.\n"
    "\n"
    "Summary (--summary FILE.DEF...):\n"
    "Each file is read into a fresh workspace; the Both analysis runs at its trial thickness\n"
    "and Compute Design Thickness runs after it. The CSV (RFC 4180, lines ended by CR LF)\n"
    "starts with the header line\n"
    "  file,unit system,trial thickness,total fatigue %,total erosion %,recommended thickness,"
    "status,project,warnings,fingerprint\n"
    "and has one line for each file, in the order given. Thicknesses are printed as the report\n"
    "prints them (0.00, in inches or centimetres as the file's unit system), damage totals as\n"
    "the report's sums (0.0). A file that fails keeps its line, with the fields it did not\n"
    "reach left empty, and its status says why; the number is the exit status it alone gives:\n"
    "  0  ok (a damage total above 100 % at the trial thickness is a result, not a failure)\n"
    "  0  ok, COUNTS (\"ok, 1 input not read as written\", \"ok, 2 inputs outside their\n"
    "     typical ranges, project lines kept unread\", \"ok, no unit marker\"): the\n"
    "     read warned as above; such a design is never reported as plain ok\n"
    "  3  not an input data file\n"
    "  4  cannot be read: REASON (the system's reason, such as No such file or directory)\n"
    "  4  ends early (before the tenth axle row)\n"
    "  5  refused: MESSAGE (the analysis or the thickness search refused the inputs)\n"
    "  6  no passing thickness up to 50 in (127 cm for a Metric file)\n"
    "The column warnings counts the warnings written to standard error as above; it is empty\n"
    "only for a file that was not read. The last column, fingerprint, is the file's as\n"
    "--fingerprint prints it.\n"
    "Fields holding a comma, a double quote or a line end are quoted, inner quotes doubled.\n"
    "So that a spreadsheet shows the texts and never runs them as formulas, a text field\n"
    "(file, status, project, warnings) that begins with =, +, -, @ or a carriage return\n"
    "gets a leading apostrophe ('), and control characters, a tab among them, appear as\n"
    "\\xHH, as on a terminal; the numbers stay as they are.\n"
    "The summary exits with 0 when every file is ok, otherwise with the status of the first\n"
    "file that failed; with 7 when the summary could not be written. With -o, OUT is replaced\n"
    "only once the whole summary has been written.\n";

struct Options {
    Mode mode = Mode::Both;
    std::optional<std::string> output;
    // Exactly one, except for a summary. Views of the command line, which lives as long as the
    // program: a summary of 100,000 files keeps no second copy of their names.
    std::vector<std::string_view> inputs;
    bool help = false;
    bool version = false;
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
    if (arg == "--details")
        return Mode::Details;
    if (arg == "--summary")
        return Mode::Summary;
    if (arg == "--fingerprint")
        return Mode::Fingerprint;
    return std::nullopt;
}

// Whether --summary stands among the options. It is looked for first because it allows more
// than one file wherever it stands, even after the files.
bool summaryRequested(const std::vector<std::string_view>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--")
            break;
        if (args[i] == "-o")
            ++i;
        else if (args[i] == "--summary")
            return true;
    }
    return false;
}

// Returns the options, or the reason the command line is wrong.
zan::Expected<Options, UsageError> parseArguments(const std::vector<std::string_view>& args) {
    Options options;
    bool modeGiven = false;
    bool optionsEnded = false;
    const bool summary = summaryRequested(args);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--help" || arg == "-h") {
                options.help = true;
            } else if (arg == "--version") {
                options.version = true;
            } else if (arg == "-o") {
                if (options.output)
                    return zan::failure(UsageError{"-o given twice"});
                if (i + 1 == args.size())
                    return zan::failure(UsageError{"-o needs a file name"});
                // A forgotten name would take the next option for one (-o --design FILE).
                if (args[i + 1].starts_with('-'))
                    return zan::failure(UsageError{
                        "-o needs the name of the file to write before anything else, not " +
                        std::string(args[i + 1])});
                options.output = std::string(args[++i]);
            } else if (std::optional<Mode> mode = modeOption(arg)) {
                if (modeGiven)
                    return zan::failure(
                        UsageError{"give only one of --fatigue, --erosion, --both, --design, "
                                   "--inputs, --details, --summary, --fingerprint"});
                modeGiven = true;
                options.mode = *mode;
            } else {
                return zan::failure(UsageError{"unknown option " + std::string(arg)});
            }
            continue;
        }
        if (!summary && !options.inputs.empty())
            return zan::failure(UsageError{"give only one input file"});
        options.inputs.emplace_back(arg);
    }
    if (!options.help && !options.version && options.inputs.empty())
        return zan::failure(UsageError{"no input file"});
    return options;
}

void writeError(std::string_view text) {
    zan::file_system::writeStandardStream(zan::file_system::StandardStream::Error,
                                          zan::escapeControls(text));
}

// A message box's text as lines on standard error, each saying which program and which file
// it comes from. Its lines are separated by CR LF; a text that ends with CR LF (the damage
// messages) has no empty line after it.
void writeMessage(const zan::Message& message, const std::string& file) {
    std::string_view rest = message.text;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        writeError("zan-report: ");
        if (line.find(file) == std::string_view::npos)
            writeError(file + ": ");
        writeError(line);
        writeError("\n");
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 2);
    }
}

// One line for each doubt about the inputs just read. They are advice, as in the dialogs: the
// report and the exit status stay as they are.
void writeWarnings(const std::string& file, const std::vector<zan::InputWarning>& warnings) {
    for (const zan::InputWarning& warning : warnings)
        writeError("zan-report: warning: " + file + ": " + warning.text + "\n");
}

// The fingerprint of the inputs as read, as a memo of them prints it: of the file Save Input
// Data writes, so that the spacing of a hand-made file does not change it.
zan::CommandOutcome fingerprint(const zan::Workspace& workspace) {
    zan::CommandOutcome outcome;
    if (auto saved = zan::savedInputBytes(workspace)) {
        outcome.report = zan::sha256Hex(*saved) + "\n";
    } else {
        outcome.status = zan::CommandStatus::Refused;
        outcome.message = zan::Message{saved.error(), ""};
    }
    return outcome;
}

zan::CommandOutcome runCommand(zan::Workspace& workspace, Mode mode) {
    switch (mode) {
        case Mode::Fatigue:
            return zan::performAnalysis(workspace, zan::AnalysisKind::Fatigue);
        case Mode::Erosion:
            return zan::performAnalysis(workspace, zan::AnalysisKind::Erosion);
        case Mode::Both:
            return zan::performAnalysis(workspace, zan::AnalysisKind::Both);
        case Mode::Details: {
            // The run's report is not wanted; its results are what the details explain.
            zan::CommandOutcome outcome = zan::performAnalysis(workspace, zan::AnalysisKind::Both);
            if (outcome.ok())
                outcome.report = zan::detailsCsv(zan::calculationDetails(workspace.results()));
            return outcome;
        }
        case Mode::Design:
            return zan::computeDesignThickness(workspace);
        case Mode::Fingerprint:
            return fingerprint(workspace);
        case Mode::Inputs:
        case Mode::Summary:
            break;
    }
    zan::CommandOutcome outcome;
    auto report = zan::reportForSaveOrPrint(workspace);
    if (report) {
        outcome.report = std::move(*report);
    } else {
        // Whatever the writer cannot lay out comes from the inputs, so it is reported as the
        // analysis commands report inputs they refuse.
        outcome.status = zan::CommandStatus::Refused;
        outcome.message = zan::Message{report.error(), ""};
    }
    return outcome;
}

bool writeStandardOutput(std::string_view bytes) {
    // The exact bytes into a file or a pipe; to a terminal, nothing it would obey.
    using zan::file_system::StandardStream;
    if (zan::file_system::isTerminal(StandardStream::Output))
        return zan::file_system::writeStandardStream(StandardStream::Output,
                                                     zan::escapeControls(bytes));
    return zan::file_system::writeStandardStream(StandardStream::Output, bytes);
}

int run(const Options& options) {
    const std::string input(options.inputs.front());
    zan::Workspace workspace;
    const zan::CommandOutcome read = zan::readDesignFile(workspace, input, input);
    if (!read.ok()) {
        if (read.message)
            writeMessage(*read.message, input);
        else
            writeError("zan-report: " + input + ": cannot be read, or ends early\n");
        return static_cast<int>(read.status);
    }
    writeWarnings(input, read.warnings);

    const zan::CommandOutcome outcome = runCommand(workspace, options.mode);
    if (outcome.message)
        writeMessage(*outcome.message, input);
    if (!outcome.ok())
        return static_cast<int>(outcome.status);
    // The report's file, as it has always been: Windows-1252.
    const std::string report = zan::reportFileBytes(outcome.report ? *outcome.report : "");

    if (options.output) {
        if (auto written = zan::writeFileSafely(*options.output, report); !written) {
            writeError("zan-report: " + written.error() + "\n");
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

// The summary goes out in pieces of about this size, to standard output or into the temporary
// of OUT: few enough writes for ten thousand files, a pipe reader sees lines while the batch
// is still running, and the memory stays flat however many files there are.
constexpr std::size_t kSummaryChunkBytes = 64 * 1024;

// Where the summary's pieces go: standard output, or the file that replaces OUT at the end.
class SummarySink {
  public:
    explicit SummarySink(std::optional<zan::SafeFileWriter> file) : m_file(std::move(file)) {}

    bool write(std::string_view bytes) {
        if (!m_file)
            return report(writeStandardOutput(bytes) ? std::string()
                                                     : std::string(kStandardOutputFailure));
        auto written = m_file->write(bytes);
        return report(written ? std::string() : written.error());
    }

    bool finish() {
        if (!m_file)
            return true;
        auto committed = m_file->commit();
        return report(committed ? std::string() : committed.error());
    }

  private:
    static constexpr std::string_view kStandardOutputFailure =
        "the summary could not be written to standard output";

    bool report(const std::string& failure) {
        if (!failure.empty())
            writeError("zan-report: " + failure + "\n");
        return failure.empty();
    }

    std::optional<zan::SafeFileWriter> m_file;
};

int runSummary(const Options& options) {
    std::optional<zan::SafeFileWriter> file;
    if (options.output) {
        auto opened = zan::SafeFileWriter::open(*options.output, *options.output);
        if (!opened) {
            writeError("zan-report: " + opened.error() + "\n");
            return kExitOutputNotWritten;
        }
        file.emplace(std::move(*opened));
    }
    SummarySink sink(std::move(file));
    std::string text(zan::kSummaryHeader);
    text += zan::kSummaryLineEnd;
    int status = 0;
    for (const std::string_view name : options.inputs) {
        const std::string input(name);
        const zan::SummaryLine line = zan::summarizeDataFile(input, zan::readDesignBytes);
        writeWarnings(input, line.inputWarnings);
        if (status == 0 && line.outcome != zan::CommandStatus::Done)
            status = static_cast<int>(line.outcome);
        text += zan::csvLine(line);
        text += zan::kSummaryLineEnd;
        if (text.size() >= kSummaryChunkBytes) {
            if (!sink.write(text))
                return kExitOutputNotWritten;
            text.clear();
        }
    }
    if (!sink.write(text) || !sink.finish())
        return kExitOutputNotWritten;
    return status;
}

}  // namespace

// Running out of memory ends the run with a message, never an abort: a summary's OUT keeps
// its previous bytes, since the temporary that was to replace it is removed on the way out.
void reportOutOfMemory(const Options& options) {
    writeError(options.output
                   ? "zan-report: there is not enough memory: " + *options.output +
                         " was not written, and the previous file, if any, was left unchanged\n"
                   : std::string("zan-report: there is not enough memory: the output is not "
                                 "complete\n"));
}

int main(int argc, char** argv) {
    zan::file_system::useBinaryStandardStreams();
    auto parsed = parseArguments(zan::file_system::commandLineArguments(argc, argv));
    if (!parsed) {
        writeError("zan-report: " + parsed.error().text + "\n");
        writeError(kUsage);
        writeError("Try 'zan-report --help' for more information.\n");
        return kExitWrongUsage;
    }
    const Options& options = *parsed;
    if (options.help) {
        std::string text(kUsage);
        text += '\n';
        text += kHelp;
        return writeStandardOutput(text) ? 0 : kExitOutputNotWritten;
    }
    if (options.version)
        return writeStandardOutput("zan-report (ZAN Thickness Design) " ZAN_VERSION "\n")
                   ? 0
                   : kExitOutputNotWritten;
    if (auto refusal = options.output
                           ? zan::outputRefusal(*options.output,
                                                std::vector<std::string>(options.inputs.begin(),
                                                                         options.inputs.end()))
                           : std::nullopt) {
        writeError("zan-report: " + *options.output + ": " + *refusal +
                   "; nothing was written. Give the report another name with -o.\n");
        return kExitWrongUsage;
    }
    zan::removeTemporaryOnSignals();
    try {
        return options.mode == Mode::Summary ? runSummary(options) : run(options);
    } catch (const std::bad_alloc&) {
        reportOutOfMemory(options);
        return kExitOutputNotWritten;
    }
}
