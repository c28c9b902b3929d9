#pragma once
// The commands of the program as window-independent operations. Each decides everything and
// returns what to show: the new report text (when the report box changes) and the message
// box (when there is one). The shell shows them; zan-report prints them.

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

// File > Read Data From File. `displayPath` is the full path the messages name.
CommandOutcome readDataFile(Workspace& workspace, const std::string& path);
CommandOutcome readDataBytes(Workspace& workspace, std::string_view bytes,
                             const std::string& displayPath);

// Writes `bytes` to `path` through a temporary file beside it and a rename, so the previous
// file survives any failure. The error text names the file and the reason.
Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes);

}  // namespace zan
