#pragma once
// The memo's first page, the one a reviewer reads first and signs: the project, the verdict of
// the last run, what the program says about the inputs, every input as entered with its
// caption and unit, the program and its version, and the lines to sign. The texts are made
// here once; the desktop's PDF and the web page only lay them out.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"

namespace zan {

class Run;

struct MemoRow {
    std::string caption;
    std::string text;
};

inline constexpr std::size_t kMemoAxleColumns = 5;
using MemoAxleRow = std::array<std::string, kMemoAxleColumns>;

struct MemoFirstPage {
    std::string title;                        // "Design memo"
    std::string projectHeading;               // "Project information"
    std::vector<MemoRow> project;             // the seven project texts in file order
    std::string verdict;                      // designVerdict (io/verdict.h) of the run
    std::string warningsHeading;              // "Input warnings"
    std::vector<std::string> warnings;        // the run's input warnings; may be empty
    std::string inputsHeading;                // "Inputs as entered"
    std::array<std::string, 2> inputColumns;  // "Input", "As entered"
    std::vector<MemoRow> inputs;              // the unit system, the pavement and traffic texts
    std::string axlesHeading;  // "Axle loads", or "Axle loads: the Heavy axle-load spectrum"
    MemoAxleRow axleColumns;   // "Row", "Single axle load (kips)", ...
    std::vector<MemoAxleRow> axleRows;  // rows 1 to 10 as entered
    std::string computedWith;           // "Computed with ZAN Thickness Design 1.0.0."
    std::string date;                   // "Date: 2024-05-31"
    std::string designedBy;             // "Designed by: A. Engineer"
    std::string checkedBy;              // "Checked by: B. Reviewer"
    std::string signatureDate;          // "Date: ____________", beside each line to sign
};

// The first page of the run's memo: its inputs, verdict and warnings. `date` is the day the
// memo is made, as it prints (yyyy-MM-dd).
MemoFirstPage memoFirstPage(const Run& run, std::string_view date);

// Lines [first, end) of a report, counted as its CR LF lines.
struct LineSpan {
    std::size_t first = 0;
    std::size_t end = 0;

    bool operator==(const LineSpan&) const = default;
};

// The report's result tables, each from its title ("Fatigue Analysis Solutions", ...) to the
// line before the two empty lines that precede the next title, or to the report's end: what a
// printed memo keeps whole on one page when it fits there.
std::vector<LineSpan> reportTables(std::string_view report);

// Every page's header names the file the inputs came from, or says this when there is none.
inline constexpr const char* kUnsavedInputs = ZAN_TRANSLATE_NOOP("Memo", "unsaved inputs");
// Every page's footer: %1 is the page, %2 the number of pages.
inline constexpr const char* kPageOfPages = ZAN_TRANSLATE_NOOP("Memo", "page %1 of %2");

// The program's name and version, as every page of the memo names it.
std::string programLine();

}  // namespace zan
