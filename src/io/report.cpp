#include "io/report.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "model/numbers.h"
#include "model/units.h"
#include "model/workspace.h"

namespace zan {
namespace {

constexpr std::size_t kMargin = 10;

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

std::string starLine(std::size_t stars) {
    return blanks(kMargin) + std::string(stars, '*');
}

// Collects the report's lines; every line, the last one included, ends with CR LF.
class ReportText {
  public:
    void line(std::string_view text = {}) {
        m_text.append(text);
        m_text.append("\r\n");
    }
    std::string take() { return std::move(m_text); }

  private:
    std::string m_text;
};

// Axle-dialog texts are shown as the user wrote them unless they read as a number, so that a
// stray word in a row stays visible instead of turning into a silent 0. A number too large
// for a double (1e400) is shown as typed too, rather than as a word where a number belongs.
std::string axleText(const std::string& text, int decimals) {
    if (!isNumberText(text))
        return text;
    const double value = parseNumber(text);
    return std::isfinite(value) ? formatFixed(value, decimals) : text;
}

std::string inputValue(const std::string& text, int decimals) {
    const double value = parseNumber(text);
    return std::isfinite(value) ? formatFixed(value, decimals) : text;
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

std::string allowableText(float allowable) {
    return allowable >= kUnlimitedThreshold ? std::string("Unlimited") : formatFixed(allowable, 0);
}

const std::string& loadText(const AxleRowTexts& row, std::size_t axle) {
    return axle == 0 ? row.singleLoad : row.tandemLoad;
}

void writeInputs(ReportText& out, const Workspace& workspace) {
    const PavementInputs& pavement = workspace.pavement();
    const TrafficInputs& traffic = workspace.traffic();
    const AxleInputs& axles = workspace.axles();
    const std::string margin = blanks(kMargin);
    auto valueLine = [&](std::string_view caption, const std::string& text, int decimals) {
        out.line(margin + std::string(caption) + " = " + inputValue(text, decimals));
    };

    out.line();
    out.line();
    out.line(starLine(48));
    out.line(margin + "            ZAN  Thickness  Design");
    out.line(margin + "               Original  Data");
    out.line(starLine(48));
    out.line();
    valueLine(pavement.thicknessCaption, pavement.thickness, 2);
    valueLine(pavement.subgradeModulusCaption, pavement.subgradeModulus, 0);
    valueLine(pavement.modulusOfRuptureCaption, pavement.modulusOfRupture, 0);
    out.line();
    out.line(margin + caption::kShoulderFrame + " : " +
             (pavement.concreteShoulder ? caption::kYes : caption::kNo));
    out.line(margin + caption::kDowelFrame + " : " +
             (pavement.doweledJoints ? caption::kYes : caption::kNo));
    out.line();
    // The report lists the design period before the load safety factor.
    valueLine(caption::kAverageDailyTraffic, traffic.averageDailyTraffic, 0);
    valueLine(caption::kTruckPercent, traffic.truckPercent, 0);
    valueLine(caption::kGrowthPercent, traffic.growthPercent, 0);
    valueLine(caption::kDirectionPercent, traffic.directionPercent, 0);
    valueLine(caption::kLanePercent, traffic.lanePercent, 0);
    valueLine(caption::kDesignPeriod, traffic.designPeriod, 0);
    valueLine(caption::kLoadSafetyFactor, traffic.loadSafetyFactor, 2);
    out.line();
    out.line(blanks(12) + axles.loadHeading + blanks(6) + axles.loadHeading);
    out.line(blanks(12) + caption::kSingle + blanks(3) + caption::kAxlesPer1000 + blanks(4) +
             caption::kTandem + blanks(3) + caption::kAxlesPer1000);
    for (const AxleRowTexts& row : axles.rows) {
        out.line(margin + rightAligned(axleText(row.singleLoad, 1), 6) + blanks(3) +
                 rightAligned(axleText(row.singleCount, 2), 8) + blanks(5) +
                 rightAligned(axleText(row.tandemLoad, 1), 6) + blanks(3) +
                 rightAligned(axleText(row.tandemCount, 2), 8));
    }
    out.line(starLine(48));
}

// The frame shared by the fatigue and the erosion tables; `rowTail` lays out the columns
// after the expected repetitions of one row.
template <typename RowTail>
void writeSection(ReportText& out, const AxleInputs& axles, const AnalysisResults& results,
                  std::string_view title, std::string_view heading1, std::string_view heading2,
                  float total, std::size_t messageIndent, std::string_view message,
                  RowTail rowTail) {
    const std::string margin = blanks(kMargin);
    out.line();
    out.line();
    out.line(margin + std::string(title));
    out.line(starLine(68));
    out.line(margin + std::string(heading1));
    out.line(margin + std::string(heading2));
    out.line(starLine(68));
    for (std::size_t axle = 0; axle < 2; ++axle) {
        out.line();
        out.line(margin + (axle == 0 ? "Dual-Single" : "Dual-Tandem"));
        for (std::size_t row = 0; row < static_cast<std::size_t>(kAxleRows); ++row) {
            out.line(margin + rightAligned(axleText(loadText(axles.rows[row], axle), 1), 6) +
                     blanks(5) +
                     rightAligned(formatFixed(results.expectedRepetitions[axle][row], 0), 12) +
                     rowTail(axle, row));
        }
    }
    out.line();
    out.line(starLine(68));
    out.line();
    out.line(blanks(50) + "         Sum =  " + rightAligned(formatFixed(total, 1), 9));
    if (total > 100.0f) {
        out.line();
        out.line(blanks(messageIndent) + std::string(message));
    }
}

}  // namespace

Expected<std::string, ReportError> writeReport(const Workspace& workspace,
                                               const AnalysisResults& results) {
    if (!printedResultsFinite(results)) {
        return failure(ReportError{
            "The analysis results hold a value that is not a finite number, so the report cannot "
            "show them. Run the analysis again."});
    }
    ReportText out;
    writeInputs(out, workspace);
    const AxleInputs& axles = workspace.axles();
    const bool metric = workspace.unitSystem() == UnitSystem::Metric;

    if (results.fatigueSelected) {
        // Sc as entered, in the unit of the printed stress (psi or kPa).
        const double modulusOfRupture = parseNumber(workspace.pavement().modulusOfRupture);
        if (modulusOfRupture == 0.0) {
            return failure(ReportError{
                "The modulus of rupture Sc is zero, so the stress ratios of the fatigue table "
                "cannot be computed. Enter a modulus of rupture greater than zero."});
        }
        // A modulus typed after the run can be so small (1e-310) that a ratio overflows.
        for (const auto& stresses : results.equivalentStress) {
            for (float psi : stresses) {
                const double stress =
                    metric ? static_cast<double>(psi) * kKpaPerPsi : static_cast<double>(psi);
                if (!std::isfinite(stress / modulusOfRupture)) {
                    return failure(ReportError{
                        "The modulus of rupture Sc is too small for the stress ratios of the "
                        "fatigue "
                        "table to be computed. Enter the modulus of rupture of the concrete."});
                }
            }
        }
        writeSection(
            out, axles, results, "                       Fatigue Analysis Solutions",
            "    Axle  "
            "    Expected "
            "   Equivalent"
            "  Stress"
            "   Allowable "
            "  Fatigue",
            std::string(metric ? "Load, kN  "
                                 "  Repetitions"
                                 "  Stress, kPa"
                               : "Load, kips"
                                 "  Repetitions"
                                 "  Stress, psi") +
                "  Ratio"
                "   Repetitions"
                "     %",
            results.totalFatigueDamage, 40, "The fatigue damage exceeds 100%.",
            [&](std::size_t axle, std::size_t row) {
                const float psi = results.equivalentStress[axle][row];
                // The stress is printed in the unit of the inputs; the ratio divides that
                // printed value, so both columns agree with what the engineer entered.
                const double stress =
                    metric ? static_cast<double>(psi) * kKpaPerPsi : static_cast<double>(psi);
                const std::string stressText =
                    metric ? formatFixed(stress, 1) : formatFixed(psi, 1);
                return blanks(5) + rightAligned(stressText, 7) + blanks(4) +
                       rightAligned(formatFixed(stress / modulusOfRupture, 3), 2) + blanks(2) +
                       rightAligned(allowableText(results.allowableFatigueRepetitions[axle][row]),
                                    12) +
                       " " + rightAligned(formatFixed(results.fatigueDamage[axle][row], 1), 6);
            });
    }

    if (results.erosionSelected) {
        writeSection(
            out, axles, results, "                       Erosion Analysis Solutions",
            "    Axle  "
            "    Expected "
            "   Erosion  "
            "    Power "
            "   Allowable "
            "  Erosion",
            std::string(metric ? "Load, kN  " : "Load, kips") +
                "  Repetitions"
                "   Factor   " +
                blanks(10) +
                "  Repetitions"
                "     %",
            results.totalErosionDamage, 54, "The erosion damage exceeds 100%.",
            [&](std::size_t axle, std::size_t row) {
                return blanks(4) +
                       rightAligned(formatFixed(results.erosionFactor[axle][row], 2), 6) +
                       blanks(4) +
                       rightAligned(formatFixed(results.erosionPower[axle][row], 3), 7) +
                       blanks(2) +
                       rightAligned(allowableText(results.allowableErosionRepetitions[axle][row]),
                                    12) +
                       " " + rightAligned(formatFixed(results.erosionDamage[axle][row], 1), 6);
            });
    }

    if (workspace.detailedReports()) {
        out.line();
        out.line();
        out.line(blanks(kMargin) + "               Additional Outputs");
        out.line(blanks(kMargin) + blanks(5) + std::string(38, '*'));
        out.line();
    }
    return out.take();
}

Expected<std::string, ReportError> writeReport(const Workspace& workspace) {
    return writeReport(workspace, workspace.results());
}

}  // namespace zan
