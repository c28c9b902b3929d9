#pragma once
// The analysis report: a fixed-layout text for a fixed-pitch font, every line ended by CR LF.
// It shows the inputs as the workspace holds them now and the tables of `results`, as the
// selection flags of that run ask. The text is UTF-8 and its widths count characters, so
// that its file (reportFileBytes) is the same Windows-1252 bytes, column for column.

#include <string>
#include <string_view>

#include "model/analysis.h"
#include "model/expected.h"

namespace zan {

class Workspace;

// Why the report cannot be written from these inputs: English, marked for the catalogue, which
// shows it in the language in force where it becomes a message (commands/commands.h).
struct ReportError {
    std::string message;
};

// The workspace is not changed; a section not yet created reads as its initial texts.
Expected<std::string, ReportError> writeReport(const Workspace& workspace,
                                               const AnalysisResults& results);
Expected<std::string, ReportError> writeReport(const Workspace& workspace);

// The report as its file (.PRN) and zan-report's output hold it: Windows-1252. Its input
// texts are ones the input data file can hold, so no character is lost.
std::string reportFileBytes(std::string_view report);

}  // namespace zan
