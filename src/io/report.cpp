#include "io/report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/catalogue.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/text_encoding.h"
#include "model/units.h"
#include "model/workspace.h"

namespace zan {
namespace {

constexpr std::size_t kMargin = 10;
constexpr std::size_t kReportCapacity = 8 * 1024;  // bytes; a Both report is about 6 KB

// Builds the report in one string; every line, the last one included, ends with CR LF.
class ReportText {
  public:
    ReportText() { m_text.reserve(kReportCapacity); }

    ReportText& text(std::string_view text) {
        m_text.append(text);
        return *this;
    }
    ReportText& blanks(std::size_t count) {
        m_text.append(count, ' ');
        return *this;
    }
    ReportText& margin() { return blanks(kMargin); }
    ReportText& stars(std::size_t count) {
        margin();
        m_text.append(count, '*');
        return *this;
    }
    // `text` right-aligned in `width` characters; a longer text is written whole.
    ReportText& right(std::string_view text, std::size_t width) {
        if (const std::size_t shown = textEncoding::characterCount(text); shown < width)
            blanks(width - shown);
        return this->text(text);
    }
    template <typename T>
    ReportText& fixed(T value, int decimals, std::size_t width) {
        FixedText buffer;
        return right(formatFixed(buffer, value, decimals), width);
    }
    void end() { m_text.append("\r\n"); }
    void line(std::string_view text = {}) {
        this->text(text);
        end();
    }
    std::string take() { return std::move(m_text); }

  private:
    std::string m_text;
};

// How an input text is printed: a number in its pattern, or the text itself. Short texts
// (nearly all) live inside the string, so making one allocates nothing.
using PrintedText = std::string;

// Axle-dialog texts are shown as the user wrote them unless they read as a number, so that a
// stray word in a row stays visible instead of turning into a silent 0. A number too large
// for a double (1e400) is shown as typed too, rather than as a word where a number belongs.
PrintedText axleText(const std::string& text, int decimals) {
    if (!isNumberText(text))
        return text;
    const double value = parseNumber(text);
    return std::isfinite(value) ? formatFixed(value, decimals) : text;
}

PrintedText inputValue(const std::string& text, int decimals) {
    const double value = parseNumber(text);
    return std::isfinite(value) ? formatFixed(value, decimals) : text;
}

// The forty axle-load texts as printed, each read once for the inputs and both tables.
struct PrintedAxles {
    std::array<std::array<PrintedText, kAxleRows>, 2> loads;   // [single, tandem][row]
    std::array<std::array<PrintedText, kAxleRows>, 2> counts;  // [single, tandem][row]
};

PrintedAxles printedAxles(const AxleInputs& axles) {
    PrintedAxles printed;
    for (std::size_t row = 0; row < axles.rows.size(); ++row) {
        const AxleRowTexts& texts = axles.rows[row];
        printed.loads[0][row] = axleText(texts.singleLoad, 1);
        printed.counts[0][row] = axleText(texts.singleCount, 2);
        printed.loads[1][row] = axleText(texts.tandemLoad, 1);
        printed.counts[1][row] = axleText(texts.tandemCount, 2);
    }
    return printed;
}

// Only a committed analysis gives results, and it commits only finite values; anything else
// handed to the writer is refused rather than printed as "NaN" or "Overflow".
bool printedResultsFinite(const AnalysisResults& r) {
    if (r.fatigueSelected && !(allFinite(r.expectedRepetitions) && allFinite(r.equivalentStress) &&
                               allFinite(r.allowableFatigueRepetitions) &&
                               allFinite(r.fatigueDamage) && std::isfinite(r.totalFatigueDamage)))
        return false;
    if (r.erosionSelected &&
        !(allFinite(r.expectedRepetitions) && allFinite(r.erosionFactor) &&
          allFinite(r.erosionPower) && allFinite(r.allowableErosionRepetitions) &&
          allFinite(r.erosionDamage) && std::isfinite(r.totalErosionDamage)))
        return false;
    return true;
}

void writeAllowable(ReportText& out, float allowable) {
    if (allowable >= kUnlimitedThreshold)
        out.right("Unlimited", 12);
    else
        out.fixed(allowable, 0, 12);
}

void writeHeading(ReportText& out) {
    out.line();
    out.line();
    out.stars(48).end();
    out.margin().line("            ZAN  Thickness  Design");
    out.margin().line("               Original  Data");
    out.stars(48).end();
    out.line();
}

void writeInputs(ReportText& out, const Workspace& workspace, const PrintedAxles& printed) {
    const PavementInputs& pavement = workspace.pavement();
    const AxleInputs& axles = workspace.axles();
    auto valueLine = [&](std::string_view caption, const std::string& text, int decimals) {
        out.margin().text(caption).text(" = ").line(inputValue(text, decimals));
    };
    auto choiceLine = [&](std::string_view frame, bool yes) {
        out.margin().text(frame).text(" : ").line(yes ? caption::kYes : caption::kNo);
    };

    writeHeading(out);
    std::vector<const InputRange*> lines;
    for (const InputRange& entry : inputRanges())
        if (entry.reportLine > 0)
            lines.push_back(&entry);
    // std::sort, not std::ranges::sort: the WebAssembly build's C++ library has no ranges
    // algorithms yet.
    std::sort(lines.begin(), lines.end(), [](const InputRange* a, const InputRange* b) {
        return a->reportLine < b->reportLine;
    });
    bool optionsWritten = false;
    for (const InputRange* entry : lines) {
        // The options stand between the pavement's inputs and the traffic's.
        if (entry->trafficText && !optionsWritten) {
            out.line();
            choiceLine(caption::kShoulderFrame, pavement.concreteShoulder);
            choiceLine(caption::kDowelFrame, pavement.doweledJoints);
            out.line();
            optionsWritten = true;
        }
        valueLine(storedCaption(workspace, *entry), inputText(workspace, entry->field, 0),
                  entry->reportDecimals);
    }
    out.line();
    out.blanks(12).text(axles.loadHeading).blanks(6).line(axles.loadHeading);
    out.blanks(12).text(caption::kSingle).blanks(3).text(caption::kAxlesPer1000).blanks(4);
    out.text(caption::kTandem).blanks(3).line(caption::kAxlesPer1000);
    for (std::size_t row = 0; row < axles.rows.size(); ++row) {
        out.margin().right(printed.loads[0][row], 6).blanks(3).right(printed.counts[0][row], 8);
        out.blanks(5).right(printed.loads[1][row], 6).blanks(3);
        out.right(printed.counts[1][row], 8).end();
    }
    out.stars(48).end();
}

// The frame and the totals shared by the fatigue and the erosion tables.
struct SectionLayout {
    std::string_view title;
    std::string_view heading1;
    std::string_view heading2;
    float total;                // percent
    std::size_t messageIndent;  // of the message when the total exceeds 100 %
    std::string_view message;
};

// `rowTail` writes the columns after the expected repetitions of one row.
template <typename RowTail>
void writeSection(ReportText& out, const PrintedAxles& printed, const AnalysisResults& results,
                  const SectionLayout& layout, RowTail rowTail) {
    out.line();
    out.line();
    out.margin().line(layout.title);
    out.stars(68).end();
    out.margin().line(layout.heading1);
    out.margin().line(layout.heading2);
    out.stars(68).end();
    for (std::size_t axle = 0; axle < 2; ++axle) {
        out.line();
        out.margin().line(axle == 0 ? "Dual-Single" : "Dual-Tandem");
        for (std::size_t row = 0; row < static_cast<std::size_t>(kAxleRows); ++row) {
            out.margin().right(printed.loads[axle][row], 6).blanks(5);
            out.fixed(results.expectedRepetitions[axle][row], 0, 12);
            rowTail(axle, row);
            out.end();
        }
    }
    out.line();
    out.stars(68).end();
    out.line();
    out.blanks(50).text("         Sum =  ").fixed(layout.total, 1, 9).end();
    if (exceedsDamageLimit(layout.total)) {
        out.line();
        out.blanks(layout.messageIndent).line(layout.message);
    }
}

constexpr std::string_view kFatigueHeading1 =
    "    Axle  "
    "    Expected "
    "   Equivalent"
    "  Stress"
    "   Allowable "
    "  Fatigue";
constexpr std::string_view kFatigueHeading2English =
    "Load, kips"
    "  Repetitions"
    "  Stress, psi"
    "  Ratio"
    "   Repetitions"
    "     %";
constexpr std::string_view kFatigueHeading2Metric =
    "Load, kN  "
    "  Repetitions"
    "  Stress, kPa"
    "  Ratio"
    "   Repetitions"
    "     %";
constexpr std::string_view kErosionHeading1 =
    "    Axle  "
    "    Expected "
    "   Erosion  "
    "    Power "
    "   Allowable "
    "  Erosion";
constexpr std::string_view kErosionHeading2English =
    "Load, kips"
    "  Repetitions"
    "   Factor   "
    "          "
    "  Repetitions"
    "     %";
constexpr std::string_view kErosionHeading2Metric =
    "Load, kN  "
    "  Repetitions"
    "   Factor   "
    "          "
    "  Repetitions"
    "     %";

// The stress in the unit of the inputs (psi or kPa).
double printedStress(float psi, bool metric) {
    return metric ? static_cast<double>(psi) * kKpaPerPsi : static_cast<double>(psi);
}

// Sc as entered, in the unit of the printed stress, or why the stress ratios cannot be had.
Expected<double, ReportError> ratioDivisor(const Workspace& workspace,
                                           const AnalysisResults& results) {
    const bool metric = workspace.unitSystem() == UnitSystem::Metric;
    const double modulusOfRupture = parseNumber(workspace.pavement().modulusOfRupture);
    if (modulusOfRupture == 0.0) {
        return failure(ReportError{ZAN_TRANSLATE_NOOP(
            "Messages",
            "The modulus of rupture Sc is zero, so the stress ratios of the fatigue table "
            "cannot be computed. Enter a modulus of rupture greater than zero.")});
    }
    // A modulus typed after the run can be so small (1e-310) that a ratio overflows.
    for (const auto& stresses : results.equivalentStress) {
        for (float psi : stresses) {
            if (!std::isfinite(printedStress(psi, metric) / modulusOfRupture)) {
                return failure(ReportError{ZAN_TRANSLATE_NOOP(
                    "Messages",
                    "The modulus of rupture Sc is too small for the stress ratios of the fatigue "
                    "table to be computed. Enter the modulus of rupture of the concrete.")});
            }
        }
    }
    return modulusOfRupture;
}

void writeFatigue(ReportText& out, const PrintedAxles& printed, const AnalysisResults& results,
                  bool metric, double modulusOfRupture) {
    const SectionLayout layout{"                       Fatigue Analysis Solutions",
                               kFatigueHeading1,
                               metric ? kFatigueHeading2Metric : kFatigueHeading2English,
                               results.totalFatigueDamage,
                               40,
                               "The fatigue damage exceeds 100%."};
    writeSection(out, printed, results, layout, [&](std::size_t axle, std::size_t row) {
        const float psi = results.equivalentStress[axle][row];
        // The stress is printed in the unit of the inputs; the ratio divides that printed
        // value, so both columns agree with what the engineer entered.
        const double stress = printedStress(psi, metric);
        out.blanks(5);
        if (metric)
            out.fixed(stress, 1, 7);
        else
            out.fixed(psi, 1, 7);
        out.blanks(4).fixed(stress / modulusOfRupture, 3, 2).blanks(2);
        writeAllowable(out, results.allowableFatigueRepetitions[axle][row]);
        out.text(" ").fixed(results.fatigueDamage[axle][row], 1, 6);
    });
}

void writeErosion(ReportText& out, const PrintedAxles& printed, const AnalysisResults& results,
                  bool metric) {
    const SectionLayout layout{"                       Erosion Analysis Solutions",
                               kErosionHeading1,
                               metric ? kErosionHeading2Metric : kErosionHeading2English,
                               results.totalErosionDamage,
                               54,
                               "The erosion damage exceeds 100%."};
    writeSection(out, printed, results, layout, [&](std::size_t axle, std::size_t row) {
        out.blanks(4).fixed(results.erosionFactor[axle][row], 2, 6);
        out.blanks(4).fixed(results.erosionPower[axle][row], 3, 7).blanks(2);
        writeAllowable(out, results.allowableErosionRepetitions[axle][row]);
        out.text(" ").fixed(results.erosionDamage[axle][row], 1, 6);
    });
}

void writeAdditionalOutputs(ReportText& out) {
    out.line();
    out.line();
    out.margin().line("               Additional Outputs");
    out.margin().blanks(5).line(std::string_view("**************************************"));
    out.line();
}

}  // namespace

Expected<std::string, ReportError> writeReport(const Workspace& workspace,
                                               const AnalysisResults& results) {
    if (!printedResultsFinite(results)) {
        return failure(ReportError{ZAN_TRANSLATE_NOOP(
            "Messages",
            "The analysis results hold a value that is not a finite number, so the report cannot "
            "show them. Run the analysis again.")});
    }
    const bool metric = workspace.unitSystem() == UnitSystem::Metric;
    double modulusOfRupture = 0.0;
    if (results.fatigueSelected) {
        auto divisor = ratioDivisor(workspace, results);
        if (!divisor)
            return failure(divisor.error());
        modulusOfRupture = *divisor;
    }

    ReportText out;
    const PrintedAxles printed = printedAxles(workspace.axles());
    writeInputs(out, workspace, printed);
    if (results.fatigueSelected)
        writeFatigue(out, printed, results, metric, modulusOfRupture);
    if (results.erosionSelected)
        writeErosion(out, printed, results, metric);
    if (workspace.detailedReports())
        writeAdditionalOutputs(out);
    return out.take();
}

Expected<std::string, ReportError> writeReport(const Workspace& workspace) {
    return writeReport(workspace, workspace.results());
}

std::string reportFileBytes(std::string_view report) {
    return textEncoding::toWindows1252(report, '?');
}

}  // namespace zan
