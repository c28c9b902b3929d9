// Properties of the analysis commands and the report over random designs: a command either
// commits finite results with a report that matches them, or refuses and leaves the workspace
// exactly as it was; the report's shape depends only on the selection and the totals.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/report.h"
#include "model/design_alternatives.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/sensitivity.h"
#include "random_design.h"
#include "report_checks.h"

namespace zan {
namespace {

using test::Random;

void expectCommittedOrUnchanged(Workspace& w, const Workspace& before,
                                const CommandOutcome& outcome, const std::string& context) {
    if (!outcome.ok()) {
        EXPECT_TRUE(w == before) << context << ": a refused command changed the workspace";
        ASSERT_TRUE(outcome.message.has_value()) << context;
        EXPECT_FALSE(outcome.message->text.empty()) << context;
        EXPECT_FALSE(outcome.report.has_value()) << context;
        return;
    }
    EXPECT_TRUE(allFinite(w.results())) << context << ": committed results that are not finite";
    ASSERT_TRUE(outcome.report.has_value()) << context;
    const auto now = writeReport(w);
    ASSERT_TRUE(now.ok()) << context;
    EXPECT_EQ(*outcome.report, *now)
        << context << ": the shown report is not the one of the committed results";
    test::expectNoNonFiniteWords(*outcome.report, test::inputTexts(w));
}

TEST(AnalysisProperty, CommitsFiniteResultsOrRefusesAndKeepsTheOldOnes) {
    Random r(1993);
    int done = 0;
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        Workspace w = test::randomDesign(r, {3, 3});
        // Start from committed results half of the time, so "leaves the old ones" is tested
        // against real values rather than zeros.
        if (r.chance(50))
            performAnalysis(w, AnalysisKind::Both);
        if (r.chance(30))
            w.ensurePavement().thickness = r.pick(test::edgeTexts());
        const AnalysisKind kind =
            r.pick(std::array{AnalysisKind::Fatigue, AnalysisKind::Erosion, AnalysisKind::Both});
        const Workspace before = w;
        const CommandOutcome outcome = performAnalysis(w, kind);
        const std::string context = "case " + std::to_string(i);
        expectCommittedOrUnchanged(w, before, outcome, context);
        if (outcome.ok()) {
            ++done;
            EXPECT_EQ(w.results().fatigueSelected, kind != AnalysisKind::Erosion) << context;
            EXPECT_EQ(w.results().erosionSelected, kind != AnalysisKind::Fatigue) << context;
            // A part not selected keeps the previous run's values.
            if (kind == AnalysisKind::Erosion) {
                EXPECT_EQ(w.results().fatigueDamage, before.results().fatigueDamage) << context;
            }
            if (kind == AnalysisKind::Fatigue) {
                EXPECT_EQ(w.results().erosionDamage, before.results().erosionDamage) << context;
            }
        } else {
            ++refused;
        }
    }
    // Both outcomes must be well represented for the property to mean anything.
    EXPECT_GT(done, 400);
    EXPECT_GT(refused, 300);
}

TEST(AnalysisProperty, DesignSearchWritesAPassingThicknessOrChangesNothing) {
    Random r(31337);
    int done = 0;
    for (int i = 0; i < 400; ++i) {
        Workspace w = test::randomDesign(r, {2, 2});
        if (r.chance(40))
            performAnalysis(w, AnalysisKind::Fatigue);
        const Workspace before = w;
        const CommandOutcome outcome = computeDesignThickness(w);
        const std::string context = "case " + std::to_string(i);
        expectCommittedOrUnchanged(w, before, outcome, context);
        if (!outcome.ok())
            continue;
        ++done;
        EXPECT_TRUE(passes(w.results())) << context;
        EXPECT_TRUE(w.results().fatigueSelected && w.results().erosionSelected) << context;
        // The field holds the plain decimal the search wrote; it reads back as that thickness.
        const std::string& h = w.pavement().thickness;
        EXPECT_EQ(h.find_first_not_of("0123456789."), std::string::npos) << context << ": " << h;
        EXPECT_GT(parseNumber(h), 0.0) << context;
    }
    EXPECT_GT(done, 100);
}

// The outcome of the full walk from the trial thickness, as the chart shows it.
std::string outcomeText(const DesignSearch& found) {
    return found ? "found " + formatSignificant(found->thickness)
                 : designSearchErrorMessage(found.error());
}

std::string caseText(const std::optional<float>& thickness, const std::string& message) {
    return thickness ? "found " + formatSignificant(*thickness) : message;
}

// The chart's alternatives and sensitivity cases start their searches near the entered
// design's thickness; each must find what the full walk from the trial thickness finds.
void expectNearSearchesFindWhatTheFullWalkFinds(const Workspace& w, const std::string& context) {
    const Sensitivity s = sensitivity(w);
    EXPECT_EQ(caseText(s.base.thickness, s.base.message), outcomeText(searchDesignThickness(w)))
        << context;
    for (const SensitivityRow& row : s.rows)
        for (const SensitivityCase* c : {&row.lower, &row.upper}) {
            Workspace changed = w;
            ensureInputText(changed, row.input, 0) = c->text;
            EXPECT_EQ(caseText(c->thickness, c->message),
                      outcomeText(searchDesignThickness(changed)))
                << context << ", " << shortInputName(row.input, w.unitSystem()) << " " << c->text;
        }
    for (const DesignAlternative& a : designAlternatives(w).alternatives) {
        Workspace changed = w;
        changed.ensurePavement().concreteShoulder = a.concreteShoulder;
        changed.ensurePavement().doweledJoints = a.doweledJoints;
        EXPECT_EQ(caseText(a.thickness, a.message), outcomeText(searchDesignThickness(changed)))
            << context << ", shoulder " << a.concreteShoulder << " dowels " << a.doweledJoints;
    }
}

// From trial thicknesses that need a walk down from the limit, a walk up, or hardly a walk.
TEST(AnalysisProperty, SearchesStartedNearTheEnteredDesignFindWhatTheFullWalkFinds) {
    for (const char* file : {"initial-english.DEF", "initial-metric.DEF", "light.DEF", "medium.DEF",
                             "heavy.DEF", "very-heavy.DEF"})
        for (const char* trial : {"", "3", "650"}) {
            Workspace w;
            ASSERT_TRUE(readDataFile(w, std::string(ZAN_EXAMPLES_DIR) + "/" + file).ok()) << file;
            if (*trial != '\0')
                w.ensurePavement().thickness = trial;
            expectNearSearchesFindWhatTheFullWalkFinds(w, std::string(file) + ", h " + trial);
        }
    Random r(4242);
    const std::array<std::pair<double, double>, 3> trials = {
        {{1, 6}, {6, 14}, {40, 2000}}};  // in; cm are 2.54 times as many
    for (int i = 0; i < 120; ++i) {
        Workspace w = test::randomDesign(r, {1, 1});
        const auto [low, high] = trials[static_cast<std::size_t>(i) % trials.size()];
        const double scale = w.unitSystem() == UnitSystem::Metric ? 2.54 : 1.0;
        w.ensurePavement().thickness = test::numberText(r, low * scale, high * scale);
        expectNearSearchesFindWhatTheFullWalkFinds(
            w, "case " + std::to_string(i) + ", h " + w.pavement().thickness);
    }
}

float anyFinite(Random& r) {
    switch (r.below(4)) {
        case 0:
            return static_cast<float>(r.below(1000)) / 7.0f;
        case 1:
            return -static_cast<float>(r.below(1000));
        case 2:
            return static_cast<float>(r.below(1000000000));
        default: {
            float f;
            do {
                const auto bits = static_cast<std::uint32_t>(r.next());
                std::memcpy(&f, &bits, sizeof f);
            } while (!std::isfinite(f));
            return f;
        }
    }
}

// Whatever the texts and the (finite) results, the report has the line count its selection
// and totals give, ends every line with CR LF and shows no non-finite number.
TEST(ReportProperty, ShapeDependsOnlyOnSelectionAndTotals) {
    Random r(8080);
    for (int i = 0; i < 3000; ++i) {
        Workspace w = test::randomDesign(r, {30, 20});
        if (r.chance(30))
            w.applyUnitCaptions(w.unitSystem());
        AnalysisResults results;
        results.fatigueSelected = r.chance(50);
        results.erosionSelected = r.chance(50);
        for (RowTable* t :
             {&results.axleLoad, &results.expectedRepetitions, &results.equivalentStress,
              &results.allowableFatigueRepetitions, &results.fatigueDamage, &results.erosionFactor,
              &results.erosionPower, &results.allowableErosionRepetitions, &results.erosionDamage})
            for (auto& row : *t)
                for (float& v : row)
                    v = anyFinite(r);
        results.totalFatigueDamage = anyFinite(r);
        results.totalErosionDamage = r.chance(20) ? 100.0f : anyFinite(r);

        const Workspace before = w;
        const auto report = writeReport(w, results);
        const std::string context = "case " + std::to_string(i);
        EXPECT_TRUE(w == before) << context << ": writing the report changed the workspace";
        if (!report) {
            // Only the modulus of rupture can defeat a report of finite results.
            EXPECT_TRUE(results.fatigueSelected) << context;
            EXPECT_NE(report.error().message.find("modulus of rupture"), std::string::npos)
                << context;
            continue;
        }
        const auto lines = test::reportLines(*report);
        EXPECT_EQ(lines.size(), test::expectedReportLines(results, w.detailedReports())) << context;
        test::expectNoNonFiniteWords(*report, test::inputTexts(w));
    }
}

}  // namespace
}  // namespace zan
