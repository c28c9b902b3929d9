#pragma once
// The batch summary of zan-report: one CSV line per input data file, so that a folder of
// designs can be checked at a glance or loaded into a spreadsheet.
//
// Each file is read into a fresh workspace as File > Read Data From File does; then the Both
// analysis runs at its trial thickness and Compute Design Thickness runs after it, the very
// commands the single-file modes run. A file that fails keeps its line; the status column
// says why, and the fields it never reached stay empty. What the read found doubtful (a
// missing unit marker, model/input_warnings.h) is counted as soon as the file is read.

#include <string>
#include <string_view>
#include <vector>

#include "commands/commands.h"
#include "io/csv.h"
#include "model/input_warnings.h"

namespace zan {

// The header line, without its line end.
inline constexpr std::string_view kSummaryHeader =
    "file,unit system,trial thickness,total fatigue %,total erosion %,recommended thickness,"
    "status,project,warnings,fingerprint";

inline constexpr std::string_view kSummaryLineEnd = kCsvLineEnd;

struct SummaryLine {
    std::string file;                  // the path as given
    std::string unitSystem;            // "English" or "Metric"; empty when the file was not read
    std::string trialThickness;        // as the report prints it, "0.00"
    std::string totalFatigue;          // percent, "0.0", as the report's sum
    std::string totalErosion;          // percent, "0.0"
    std::string recommendedThickness;  // "0.00", in the file's unit system
    std::string status;                // "ok", or why the file failed
    std::string project;               // the file's project name; empty when it has none
    std::string warnings;              // how many warnings the read gave
    std::string fingerprint;  // SHA-256 of the file Save Input Data writes for the inputs read
    CommandStatus outcome = CommandStatus::Done;  // what the single-file modes would exit with
    std::vector<InputWarning> inputWarnings;      // as read, before any command ran
};

// What reads a file's bytes: readInputDataFile, or a front end's reader that also takes the
// input data file out of a design memo.
using DesignFileReader = Expected<std::string, std::string> (*)(const std::string& path);

// Reads `path` and runs both commands; never throws on a bad file.
SummaryLine summarizeDataFile(const std::string& path,
                              DesignFileReader readFile = readInputDataFile);

// "ok", or for a design the read warned about "ok, 1 input not read as written" (the counts
// of warningCounts): such a design is never reported as plainly ok.
std::string okStatus(const std::vector<InputWarning>& warnings);

// The line's fields joined by commas, without the line end.
std::string csvLine(const SummaryLine& line);

}  // namespace zan
