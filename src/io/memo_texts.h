#pragma once
// The memo's texts after its first page, which the desktop's PDF, its chart window and the web
// page all show: the headings, the charts' titles, axes, legends and labels, the tables'
// headings and every page's header and footer. Marked here, translated where the memo
// document is made (io/memo_document.h); every front end takes them from that document.

#include <string>
#include <string_view>

#include "model/catalogue.h"

namespace zan {

// Every page's header names the file the inputs came from, or says this when there is none.
inline constexpr const char* kUnsavedInputs = ZAN_TRANSLATE_NOOP("Memo", "unsaved inputs");
// Every page's footer: %1 is the page, %2 the number of pages.
inline constexpr const char* kPageOfPages = ZAN_TRANSLATE_NOOP("Memo", "page %1 of %2");

// Every page's footer when the memo carries its inputs: %1 is the fingerprint's first 16 digits.
inline constexpr const char* kFingerprintFooter = ZAN_TRANSLATE_NOOP("Memo", "Inputs SHA-256 %1");

namespace memoText {
// Page 1 of the desktop's PDF: %1 is the attached file's name.
inline constexpr const char* kAttached =
    ZAN_TRANSLATE_NOOP("Memo", "The design's inputs are attached to this PDF as %1");
// Page 1: %1 is the file's name, %2 the 64 digits of its SHA-256.
inline constexpr const char* kFingerprintLine = ZAN_TRANSLATE_NOOP("Memo", "SHA-256 of %1: %2");
inline constexpr const char* kCodeHoldsFile =
    ZAN_TRANSLATE_NOOP("Memo", "The QR code holds %1: a phone's QR reader gives its text back.");
inline constexpr const char* kCodeHoldsFingerprint = ZAN_TRANSLATE_NOOP(
    "Memo", "%1 is too long for a QR code: the code holds its SHA-256 fingerprint.");
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
inline constexpr const char* kTrialAt = ZAN_TRANSLATE_NOOP("Memo", "Trial %1 %2");
inline constexpr const char* kRowsTitle = ZAN_TRANSLATE_NOOP("Memo", "Damage per axle row (%)");
inline constexpr const char* kRowsDamageAxis = ZAN_TRANSLATE_NOOP("Memo", "Damage (%)");
inline constexpr const char* kRowsLoadAxisEnglish = ZAN_TRANSLATE_NOOP("Memo", "Axle load (kips)");
inline constexpr const char* kRowsLoadAxisMetric = ZAN_TRANSLATE_NOOP("Memo", "Axle load (kN)");
inline constexpr const char* kRowsNote = ZAN_TRANSLATE_NOOP(
    "Memo",
    "No analysis has been run yet. Perform Analysis draws the damage of each axle row here.");
inline constexpr const char* kFatigue = ZAN_TRANSLATE_NOOP("Memo", "Fatigue");
inline constexpr const char* kErosion = ZAN_TRANSLATE_NOOP("Memo", "Erosion");
inline constexpr const char* kTornadoTitle =
    ZAN_TRANSLATE_NOOP("Memo", "Sensitivity of the recommended thickness");
inline constexpr const char* kLower = ZAN_TRANSLATE_NOOP("Memo", "input -20 %");
inline constexpr const char* kUpper = ZAN_TRANSLATE_NOOP("Memo", "input +20 %");
inline constexpr const char* kTornadoNote =
    ZAN_TRANSLATE_NOOP("Memo", "No recommended thickness to compare with.");
inline constexpr const char* kNoThickness = ZAN_TRANSLATE_NOOP("Memo", "no thickness found");
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

// A memo text in the language in force, as the memo document holds its texts (UTF-8).
std::string memoShown(std::string_view text);

}  // namespace zan
