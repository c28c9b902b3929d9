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

// The memo's texts after its first page, which the desktop's PDF, its chart window and plots,
// and the web page all show: the headings, the charts' titles, axes and legends, and the
// tables' headings. Marked here, translated where shown (catalogue::translate("Memo", ...)).
namespace memoText {
inline constexpr const char* kContext = "Memo";
inline constexpr const char* kReport = ZAN_TRANSLATE_NOOP("Memo", "Report");
inline constexpr const char* kDamageChart = ZAN_TRANSLATE_NOOP("Memo", "Damage Chart");
inline constexpr const char* kCurveTitle =
    ZAN_TRANSLATE_NOOP("Memo", "Total damage against slab thickness");
inline constexpr const char* kCurveThicknessAxis =
    ZAN_TRANSLATE_NOOP("Memo", "Slab thickness (%1)");
inline constexpr const char* kCurveDamageAxis =
    ZAN_TRANSLATE_NOOP("Memo", "Total damage (%), log scale");
inline constexpr const char* kTotalFatigue = ZAN_TRANSLATE_NOOP("Memo", "Total fatigue damage");
inline constexpr const char* kTotalErosion = ZAN_TRANSLATE_NOOP("Memo", "Total erosion damage");
// A marker on a chart: %1 is the thickness as "0.00", %2 its unit.
inline constexpr const char* kRecommendedAt = ZAN_TRANSLATE_NOOP("Memo", "Recommended %1 %2");
inline constexpr const char* kRowsTitle = ZAN_TRANSLATE_NOOP("Memo", "Damage per axle row (%)");
inline constexpr const char* kRowsDamageAxis = ZAN_TRANSLATE_NOOP("Memo", "Damage (%)");
inline constexpr const char* kFatigue = ZAN_TRANSLATE_NOOP("Memo", "Fatigue");
inline constexpr const char* kErosion = ZAN_TRANSLATE_NOOP("Memo", "Erosion");
inline constexpr const char* kTornadoTitle =
    ZAN_TRANSLATE_NOOP("Memo", "Sensitivity of the recommended thickness");
inline constexpr const char* kLower = ZAN_TRANSLATE_NOOP("Memo", "input -20 %");
inline constexpr const char* kUpper = ZAN_TRANSLATE_NOOP("Memo", "input +20 %");
inline constexpr const char* kSensitivity =
    ZAN_TRANSLATE_NOOP("Memo", "Recommended thickness with one input 20 % lower or higher");
inline constexpr const char* kInput = ZAN_TRANSLATE_NOOP("Memo", "Input");
inline constexpr const char* kValue = ZAN_TRANSLATE_NOOP("Memo", "Value");
inline constexpr const char* kValueLower = ZAN_TRANSLATE_NOOP("Memo", "Value -20 %");
inline constexpr const char* kValueUpper = ZAN_TRANSLATE_NOOP("Memo", "Value +20 %");
// %1 is the unit, in both.
inline constexpr const char* kThickness = ZAN_TRANSLATE_NOOP("Memo", "Thickness (%1)");
inline constexpr const char* kRecommendedThickness =
    ZAN_TRANSLATE_NOOP("Memo", "Recommended thickness (%1)");
inline constexpr const char* kAlternatives = ZAN_TRANSLATE_NOOP("Memo", "Design alternatives");
inline constexpr const char* kAlternativesNote = ZAN_TRANSLATE_NOOP(
    "Memo",
    "The recommended thickness for each combination of concrete shoulder and doweled joints, "
    "all other inputs as entered.");
inline constexpr const char* kDesign = ZAN_TRANSLATE_NOOP("Memo", "Design");
inline constexpr const char* kAsEntered = ZAN_TRANSLATE_NOOP("Memo", "as entered");
inline constexpr const char* kDetails = ZAN_TRANSLATE_NOOP("Memo", "Calculation details");
inline constexpr const char* kNoAnalysis = ZAN_TRANSLATE_NOOP(
    "Memo",
    "No analysis has been run yet: run Perform Analysis before exporting to see the "
    "calculation details.");
}  // namespace memoText

// The program's name and version, as every page of the memo names it.
std::string programLine();

}  // namespace zan
