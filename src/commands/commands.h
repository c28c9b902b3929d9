#pragma once
// The commands of the program as window-independent operations. Each decides everything and
// returns what to show: the new report text (when the report box changes) and the message
// box (when there is one), or the bytes to write. The shell shows them; zan-report prints
// them. Every command that works on the inputs first creates the input sections not yet
// created (Workspace::createInputSections), and so locks the unit choice, as the program
// always has; the readers and writers it calls change nothing.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "model/expected.h"
#include "model/input_warnings.h"
#include "model/message.h"
#include "model/run.h"
#include "model/workspace.h"

namespace zan {

// Also zan-report's exit status.
enum class CommandStatus {
    Done = 0,
    NotInputDataFile = 3,    // "Incorrect Input File!"
    FileUnreadable = 4,      // cannot be read, or ends early
    Refused = 5,             // the analysis refused its inputs; nothing changed
    NoPassingThickness = 6,  // the search found no passing thickness within its bounds
};

struct CommandOutcome {
    CommandStatus status = CommandStatus::Done;
    std::optional<std::string> report;  // the report box's new text
    std::optional<Message> message;     // the message box to show afterwards
    std::optional<Message> warning;     // a second box after it: done, but with a doubt
    // What the doubt is, one sentence each: after reading a file, the unit marker it lacks and
    // its inputWarnings; the warning box lists them.
    std::vector<InputWarning> warnings;

    bool ok() const { return status == CommandStatus::Done; }
};

enum class AnalysisKind { Fatigue, Erosion, Both };

// Perform Analysis > Fatigue / Erosion / Both.
CommandOutcome performAnalysis(Workspace& workspace, AnalysisKind kind);

// Compute Design Thickness: writes the found thickness into the trial thickness text.
CommandOutcome computeDesignThickness(Workspace& workspace);

// Analyse Again: the last run's command on the inputs as they are now (after Compute Design
// Thickness, the search again). Before any run it does nothing.
CommandOutcome repeatLastRun(Workspace& workspace);

// The run every document is written from: the last run, whatever the inputs are now (the
// front end says when they differ and asks before a document leaves); before any run, the
// current inputs without tables, as their report has always been. Creates the input sections
// not yet created, as Save Report always has.
Expected<std::shared_ptr<const Run>, std::string> documentRun(Workspace& workspace);

// A .DEF is about 400 bytes: a larger file is not an input data file, and it is refused
// before a byte of it is read.
constexpr std::uintmax_t kMaxInputDataFileBytes = std::uintmax_t{1} << 20;

// The bytes of the input data file at `path`, or the reason they cannot be had. Only a regular
// file (after links are followed) of at most kMaxInputDataFileBytes is read; a pipe, device
// or socket is refused at once, never waited on.
Expected<std::string, std::string> readInputDataFile(const std::string& path);

// Why a file a batch run was told to write (zan-report -o, zan-design --export-pdf) must not
// be, checked before any work: it is one of the input files (a forgotten output name takes
// the next argument), or an existing input data file. Nothing when it may be written.
std::optional<std::string> outputRefusal(const std::string& output,
                                         const std::vector<std::string>& inputs);

// File > Read Data From File. `path` is the name the system opens; `displayPath` is the
// full path as the user chose it, which the messages name (`path` when not given).
CommandOutcome readDataFile(Workspace& workspace, const std::string& path);
CommandOutcome readDataFile(Workspace& workspace, const std::string& path,
                            const std::string& displayPath);
CommandOutcome readDataBytes(Workspace& workspace, std::string_view bytes,
                             const std::string& displayPath);

// The message readDataFile gives for a file of `size` bytes, which it refuses before reading a
// byte when it is larger than kMaxInputDataFileBytes; nothing when a file of that size is read.
std::optional<CommandOutcome> refusalBySize(std::uintmax_t size, const std::string& displayPath);

// The message readDataFile gives when the file's bytes cannot be had, `reason` saying why.
CommandOutcome unreadableDataFile(const std::string& displayPath, const std::string& reason);

// Given several files at once, a front end reads the first and says so: %1 is the file read,
// %2 the others, one a line.
inline constexpr const char* kOnlyFirstFileRead = ZAN_TRANSLATE_NOOP(
    "Messages", "Only the first file was read:\r\n%1\r\nThese files were ignored:\r\n%2");

// File > Save Input Data: the bytes of the .DEF file for the current inputs, or the message
// saying why they cannot be saved. The file has no escape, so a line end in any text, or a
// double quote in an axle-load text, would read back as other inputs than those saved.
Expected<std::string, std::string> inputDataFileBytes(Workspace& workspace);
// The same for a workspace whose sections are all created, such as a run's inputs: the bytes a
// memo carries and prints the fingerprint of.
Expected<std::string, std::string> savedInputBytes(const Workspace& workspace);

// Edit > Project Information's OK: why these inputs could not be kept in an input data file
// the program reads back (it would be larger than kMaxInputDataFileBytes); nothing when they
// can. Save Input Data refuses such inputs too.
std::optional<std::string> projectTooLong(const Workspace& workspace);

// File > Save Report and File > Print Report: the report of the document run, its own inputs
// beside its own tables, or the message saying why it cannot be written.
Expected<std::string, std::string> reportForSaveOrPrint(Workspace& workspace);
// The same as File > Save Report writes it: the file's bytes (io/report.h's reportFileBytes).
Expected<std::string, std::string> reportFileForSave(Workspace& workspace);

// Writes `bytes` to `path` through a temporary file beside it, flushed to the disk, and a
// rename, so the previous file survives any failure. A link is followed (its target is
// replaced), a pipe or character device is written through, anything else that is not a
// regular file is refused, and so is a write-protected file; a replaced file keeps its
// permissions and, where the process may set them, its owner and group. The error text names the
// file (as `displayPath`, or `path` when not given) and the reason.
Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes);
Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes,
                                            const std::string& displayPath);

// Removes the temporary file of a save under way; safe to call from a signal handler.
void removePendingTemporary() noexcept;

// Makes SIGINT, SIGTERM and SIGHUP remove the temporary file of a save under way before they
// end the program as they would have.
void removeTemporaryOnSignals();

}  // namespace zan
