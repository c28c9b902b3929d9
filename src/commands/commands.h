#pragma once
// The commands of the program as window-independent operations. Each decides everything and
// returns what to show: the new report text (when the report box changes) and the message
// box (when there is one), or the bytes to write. The shell shows them; zan-report prints
// them. Every command that works on the inputs first creates the input sections not yet
// created (Workspace::createInputSections), and so locks the unit choice, as the program
// always has; the readers and writers it calls change nothing.

#include <optional>
#include <string>
#include <string_view>

#include "model/expected.h"
#include "model/message.h"
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

    bool ok() const { return status == CommandStatus::Done; }
};

enum class AnalysisKind { Fatigue, Erosion, Both };

// Perform Analysis > Fatigue / Erosion / Both.
CommandOutcome performAnalysis(Workspace& workspace, AnalysisKind kind);

// Compute Design Thickness: writes the found thickness into the trial thickness text.
CommandOutcome computeDesignThickness(Workspace& workspace);

// File > Read Data From File. `path` is the name the system opens; `displayPath` is the
// full path as the user chose it, which the messages name (`path` when not given).
CommandOutcome readDataFile(Workspace& workspace, const std::string& path);
CommandOutcome readDataFile(Workspace& workspace, const std::string& path,
                            const std::string& displayPath);
CommandOutcome readDataBytes(Workspace& workspace, std::string_view bytes,
                             const std::string& displayPath);

// File > Save Input Data: the bytes of the .DEF file for the current inputs, or the message
// saying why they cannot be saved. The file has no escape, so a line end in any text, or a
// double quote in an axle-load text, would read back as other inputs than those saved.
Expected<std::string, std::string> inputDataFileBytes(Workspace& workspace);

// File > Save Report and File > Print Report: the report written afresh from the current
// inputs and the last results (not taken from the report box), or the message saying why it
// cannot be written.
Expected<std::string, std::string> reportForSaveOrPrint(Workspace& workspace);

// Writes `bytes` to `path` through a temporary file beside it and a rename, so the previous
// file survives any failure. The error text names the file (as `displayPath`, or `path` when
// not given) and the reason.
Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes);
Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes,
                                            const std::string& displayPath);

}  // namespace zan
