#pragma once
// The design memo as data, made once from one run: everything the desktop's PDF memo, its
// chart window and the web page's page and printed memo show. The first page a reviewer reads
// and signs (the project, the verdict, the input warnings, every input as entered, the
// program, the lines to sign), the report in pieces that a printed page keeps whole, the three
// charts as data and as one SVG drawing each (io/memo_charts.h), the sensitivity, alternatives
// and details tables as cells, and every page's header and footer. The front ends only lay it
// out: no text, number or chart is made twice. Every text is UTF-8, in the language in force.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/memo_charts.h"
#include "io/memo_texts.h"

namespace zan {

class Run;

struct MemoOptions {
    // The name of the file the inputs came from, without its folder (a home folder's name has
    // no place on a client's paper); empty when they came from none.
    std::string fileName;
    // The moment the memo is made: its date and time on every page.
    std::chrono::system_clock::time_point made;
    // The inputs have changed since the run: every page says so, with the run's time.
    bool inputsChanged = false;
    // Whether a workspace's documents before any run hold the charts and tables of its inputs
    // as they are (the desktop's); the web page, which redraws on every change, leaves them out.
    bool chartsBeforeAnyRun = true;
    // The bytes Save Input Data writes for the run's inputs, which the memo carries and prints
    // the fingerprint of; none when its texts cannot be kept in an input data file.
    std::optional<std::string> inputFile;
    // The desktop's PDF carries the file as an attachment; a page printed from the web does not.
    bool attachesInputFile = false;
};

struct MemoCell {
    std::string text;
    bool words = false;  // left-aligned; numbers are right-aligned
    bool operator==(const MemoCell&) const = default;
};

struct MemoTableRow {
    std::vector<MemoCell> cells;
    bool emphasised = false;  // drawn bold: the combination the inputs hold
    bool operator==(const MemoTableRow&) const = default;
};

struct MemoTable {
    // An empty heading widens the one before it over its column.
    std::vector<std::string> headings;
    std::vector<MemoTableRow> rows;
    bool operator==(const MemoTable&) const = default;
};

struct MemoFrame {
    std::string program;  // "ZAN Thickness Design 1.0.0", top left
    std::string inputs;   // the file's name (control characters as pictures), or "unsaved inputs"
    std::string made;     // "2024-05-17 14:30", top right
    std::string notice;   // "Inputs changed after this analysis (...)", or empty
    std::string pageOfPages;  // "page %1 of %2": %1 the page, %2 the number of pages
    std::string fingerprint;  // "Inputs SHA-256 1a2b3c4d5e6f7a8b", or empty without an input file
};

// The largest input data file the QR code on page 1 holds: version 25 at level M, 117 modules
// (about 0.35 mm each on the printed page, which a phone or a 150 dpi scan still reads).
inline constexpr std::size_t kCodeMaxBytes = 997;
inline constexpr int kCodeMaxVersion = 25;

// What ties a memo to the input data file it was written from, so that a checker can take the
// exact inputs back from the PDF, or compare a .DEF with the paper. Empty when the run's texts
// cannot be kept in an input data file.
struct MemoProof {
    std::string fileName;     // "heavy.DEF": the name the PDF's attachment has
    std::string inputFile;    // its bytes, exactly as Save Input Data writes them
    std::string fingerprint;  // SHA-256 of those bytes: 64 lowercase hexadecimal digits
    std::string attached;  // "The design's inputs are attached to this PDF as heavy.DEF", or empty
    std::string fingerprintLine;  // "SHA-256 of heavy.DEF: " and the 64 digits
    // What the QR code holds, encoded as bytes at level M: the file, or its fingerprint when
    // the file is longer than kCodeMaxBytes; `codeNote` says which.
    std::string code;
    std::string codeNote;
};

struct MemoFirstPage {
    std::string title;  // "Design memo"
    MemoTable project;  // heading "Project information"; the seven texts, caption and text
    std::string verdict;
    std::string warningsHeading;
    std::vector<std::string> warnings;  // may be empty
    std::string inputsHeading;
    MemoTable inputs;          // the unit system, the pavement and traffic texts as entered
    std::string axlesHeading;  // "Axle loads", or "Axle loads: the Heavy axle-load spectrum"
    MemoTable axles;           // rows 1 to 10 as entered
    std::string computedWith;  // "Computed with ZAN Thickness Design 1.0.0."
    std::string date;          // "Date: 2024-05-31"
    std::string designedBy;    // "Designed by: A. Engineer"
    std::string checkedBy;
    std::string signatureDate;  // "Date: ____________", beside each line to sign
};

// A part of the report as Save Report writes it (CR LF lines): a result table, which a
// printed page keeps whole, or what lies before, between and after them. Joined, the parts
// are the report.
struct ReportPiece {
    std::string text;
    bool table = false;
    bool operator==(const ReportPiece&) const = default;
};

struct MemoCharts {
    std::string heading;  // "Damage Chart"
    // Why the design has no recommended thickness; then only the alternatives are shown.
    std::string refusal;
    DamageCurveChart curve;
    AxleRowsChart rows;
    TornadoChart tornado;
    std::string sensitivityHeading;
    MemoTable sensitivity;
    std::string alternativesHeading;
    std::string alternativesNote;
    MemoTable alternatives;
};

struct MemoDetails {
    std::string heading;     // "Calculation details"
    std::string note;        // before any analysis: why there are none
    std::string modelUnits;  // the formulas' inputs in model units
    std::string fatigueHeading;
    MemoTable fatigue;  // axle, row, load and repetitions, then the part's own columns
    std::string erosionHeading;
    MemoTable erosion;
};

struct MemoDocument {
    bool analysed = false;  // the run has result tables
    MemoFrame frame;
    MemoFirstPage firstPage;
    std::string reportHeading;
    std::vector<ReportPiece> report;
    std::optional<MemoCharts> charts;  // left out before any run when the options say so
    MemoDetails details;
    MemoProof proof;
};

MemoDocument memoDocument(const Run& run, const MemoOptions& options);

// The first page alone, for `date` as it prints (yyyy-MM-dd).
MemoFirstPage memoFirstPage(const Run& run, std::string_view date);

// The mark of a document written from a run whose inputs have changed since, with the run's
// own time: "Inputs changed after this analysis (2026-12-09 14:03)".
std::string inputsChangedMark(const Run& run);

// A moment in local time as the memo prints it: "2024-05-17 14:30".
std::string localMinute(std::chrono::system_clock::time_point moment);

// Lines [first, end) of a report, counted as its CR LF lines.
struct LineSpan {
    std::size_t first = 0;
    std::size_t end = 0;

    bool operator==(const LineSpan&) const = default;
};

// The report's result tables, each from its title ("Fatigue Analysis Solutions", ...) to the
// line before the two empty lines that precede the next title, or to the report's end.
std::vector<LineSpan> reportTables(std::string_view report);

// The name a memo gives the input data file it carries: the inputs' own file name with the
// extension .DEF ("heavy.DEF" for heavy.def or heavy.pdf), "design.DEF" without one.
std::string attachedFileName(std::string_view inputsFileName);

// The program's name and version, as every page of the memo names it.
std::string programLine();

}  // namespace zan
