#include "io/memo_page.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io_test_support.h"
#include "model/axle_spectra.h"
#include "model/run.h"
#include "model/workspace.h"

namespace zan {
namespace {

// Each result table runs from its title to its "Sum =" line; the empty lines between two
// tables belong to neither.
TEST(ReportTables, FromEachTitleToItsSum) {
    const std::pair<AnalysisKind, std::size_t> runs[] = {
        {AnalysisKind::Fatigue, 1}, {AnalysisKind::Erosion, 1}, {AnalysisKind::Both, 2}};
    for (const auto& [kind, count] : runs) {
        Workspace ws;
        const std::string report = *performAnalysis(ws, kind).report;
        const std::vector<std::string> lines = test::crlfLines(report);
        const std::vector<LineSpan> tables = reportTables(report);
        ASSERT_EQ(tables.size(), count) << int(kind);
        for (const LineSpan& table : tables) {
            EXPECT_NE(lines[table.first].find("Analysis Solutions"), std::string::npos);
            EXPECT_NE(lines[table.end - 1].find("Sum ="), std::string::npos) << table.end;
        }
        EXPECT_EQ(tables.back().end, lines.size());
        EXPECT_EQ(tables[0].end + 2, count == 2 ? tables[1].first : lines.size() + 2);
    }
    EXPECT_TRUE(reportTables("").empty());
}

TEST(MemoFirstPage, TextsFollowTheInputs) {
    struct Case {
        const char* name;
        std::function<void(Workspace&)> setUp;
        const char* axles;
        const char* loadColumn;
        const char* designedBy;
        std::size_t warnings;
    };
    const Case cases[] = {
        {"Initial", [](Workspace&) {}, "Axle loads: the Standard axle-load spectrum",
         "Single axle load (kips)", "Designed by: ", 0},
        {"HeavyMetricWithProject",
         [](Workspace& ws) {
             ws.chooseUnitSystem(UnitSystem::Metric);
             applyAxleLoadCategory(ws, AxleLoadCategory::Heavy);
             ws.setProject(ProjectInfo{"Ring road", "", "", "A. Engineer", "", "", ""});
         },
         "Axle loads: the Heavy axle-load spectrum", "Single axle load (kN)",
         "Designed by: A. Engineer", 0},
        {"OutsideItsRangeAndOwnLoads",
         [](Workspace& ws) {
             ws.ensurePavement().thickness = "80";
             ws.ensureAxles().rows[0].singleLoad = "31";
         },
         "Axle loads", "Single axle load (kips)", "Designed by: ", 1},
    };
    for (const Case& c : cases) {
        Workspace ws;
        c.setUp(ws);
        performAnalysis(ws, AnalysisKind::Both);
        const MemoFirstPage memo = memoFirstPage(**documentRun(ws), "2024-05-31");
        EXPECT_EQ(memo.axlesHeading, c.axles) << c.name;
        EXPECT_EQ(memo.axleColumns[1], c.loadColumn) << c.name;
        EXPECT_EQ(memo.designedBy, c.designedBy) << c.name;
        EXPECT_EQ(memo.inputs[1].text, ws.pavement().thickness) << c.name;
        EXPECT_EQ(memo.warnings.size(), c.warnings) << c.name;
    }
}

}  // namespace
}  // namespace zan
