// Properties of the analysis commands and the report over random designs: a command either
// commits finite results with a report that matches them, or refuses and leaves the workspace
// exactly as it was; the report's shape depends only on the selection and the totals.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/report.h"
#include "model/design_search.h"
#include "model/numbers.h"
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
