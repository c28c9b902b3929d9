#include "model/design_search.h"

#include <gtest/gtest.h>

#include "model/workspace.h"

namespace zan {
namespace {

bool passesAt(Workspace& ws, float h) {
    auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{h}, true, true});
    return r.ok() && passes(*r);
}

struct SearchCase {
    const char* name;
    UnitSystem units;
    const char* start;
};

class DesignSearchTest : public ::testing::TestWithParam<SearchCase> {};

// Whatever the start, the result is a passing grid thickness whose next thinner grid
// thickness fails, and the results are those of the run at the result.
TEST_P(DesignSearchTest, FindsTheThinnestPassingGridThickness) {
    const SearchCase& c = GetParam();
    Workspace ws;
    ASSERT_TRUE(ws.chooseUnitSystem(c.units));
    ws.ensurePavement().thickness = c.start;
    auto found = searchDesignThickness(ws);
    ASSERT_TRUE(found.ok());
    const float step = c.units == UnitSystem::Metric ? 0.5f : 0.25f;
    EXPECT_TRUE(passesAt(ws, found->thickness));
    EXPECT_FALSE(passesAt(ws, found->thickness - step));
    auto again =
        runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{found->thickness}, true, true});
    EXPECT_EQ(found->results, *again);
    EXPECT_EQ(ws.pavement().thickness, c.start);  // the search itself writes nothing
    EXPECT_EQ(ws.results(), AnalysisResults{});

    // Started near the result, above or below it, on the grid or off it, the search finds
    // the same thickness with the same results.
    for (const float nearby : {found->thickness, found->thickness + 3 * step,
                               found->thickness - 2 * step, found->thickness + 0.1f, 1e6f}) {
        auto near = searchDesignThicknessNear(ws, nearby);
        ASSERT_TRUE(near.ok()) << nearby;
        EXPECT_EQ(near->thickness, found->thickness) << nearby;
        EXPECT_EQ(near->results, found->results) << nearby;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Starts, DesignSearchTest,
    ::testing::Values(SearchCase{"EnglishFromTrial", UnitSystem::English, "9.5"},
                      SearchCase{"EnglishFromBelow", UnitSystem::English, "7"},
                      SearchCase{"EnglishFromAbove", UnitSystem::English, "14.9"},
                      SearchCase{"EnglishFromFarBelow", UnitSystem::English, "5"},
                      SearchCase{"EnglishFromBeyondTheLimit", UnitSystem::English, "650"},
                      SearchCase{"MetricFromTrial", UnitSystem::Metric, "24.1"},
                      SearchCase{"MetricFromAbove", UnitSystem::Metric, "40"},
                      SearchCase{"MetricFromBeyondTheLimit", UnitSystem::Metric, "1651"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesignSearch, InitialDesignNeedsNineAndAHalfInches) {
    Workspace ws;
    auto found = searchDesignThickness(ws);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found->thickness, 9.5f);  // the start 9 fails, 9.25 fails
    EXPECT_EQ(found->runs, 3);
}

TEST(DesignSearch, StartIsTheWholeNumberPart) {
    Workspace a, b;
    a.ensurePavement().thickness = "12.75";
    b.ensurePavement().thickness = "12";
    auto fa = searchDesignThickness(a);
    auto fb = searchDesignThickness(b);
    ASSERT_TRUE(fa.ok() && fb.ok());
    EXPECT_EQ(fa->thickness, fb->thickness);
    EXPECT_EQ(fa->runs, fb->runs);
}

TEST(DesignSearch, NoTrafficStopsBeforeTheModelsBreakDown) {
    Workspace ws;
    for (auto& row : ws.ensureAxles().rows)
        row.singleCount = row.tandemCount = "0";
    auto found = searchDesignThickness(ws);
    ASSERT_TRUE(found.ok());
    EXPECT_GT(found->thickness, 0.0f);
    EXPECT_LT(found->thickness, 4.0f);
    EXPECT_TRUE(passesAt(ws, found->thickness));
}

TEST(DesignSearch, NothingPassesUpToTheLimit) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        Workspace ws;
        ASSERT_TRUE(ws.chooseUnitSystem(units));
        ws.ensurePavement().modulusOfRupture = units == UnitSystem::Metric ? "345" : "50";
        ws.ensurePavement().thickness = units == UnitSystem::Metric ? "50" : "20";
        ws.ensureTraffic().averageDailyTraffic = "1000000";
        auto found = searchDesignThickness(ws);
        ASSERT_FALSE(found.ok());
        EXPECT_EQ(found.error().kind, DesignSearchError::Kind::NoPassingThickness);
        const std::string message = designSearchErrorMessage(found.error());
        EXPECT_NE(message.find(units == UnitSystem::Metric ? "127 cm" : "50 in"), std::string::npos)
            << message;
    }
}

TEST(DesignSearch, RefusedStartRefusesTheCommand) {
    Workspace ws;
    ws.ensurePavement().thickness = "0.5";  // whole-number part 0
    auto found = searchDesignThickness(ws);
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.error().kind, DesignSearchError::Kind::Refused);
    EXPECT_EQ(found.error().refusal.input, InputField::TrialThickness);
    // The message names the rounding, not a thickness "zero or negative" the user never typed.
    EXPECT_EQ(designSearchErrorMessage(found.error())
                  .rfind("The search starts from the trial "
                         "thickness rounded down",
                         0),
              0u);
    ws.ensurePavement().thickness = "0";
    EXPECT_NE(designSearchErrorMessage(searchDesignThickness(ws).error()).find("zero or negative"),
              std::string::npos);

    Workspace zeroLoad;
    zeroLoad.ensureAxles().rows[9].singleLoad = "0";
    auto refused = searchDesignThickness(zeroLoad);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().refusal.input, InputField::SingleAxleLoad);
}

TEST(DesignSearch, AbsurdStartWalksDownFromTheLimit) {
    Workspace ws;
    ws.ensurePavement().thickness = "1e30";
    auto found = searchDesignThickness(ws);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found->thickness, 9.5f);
    EXPECT_LT(found->runs, 200);
}

TEST(DesignSearch, ExactlyOneHundredPercentFails) {
    AnalysisResults r;
    r.totalFatigueDamage = 100.0f;
    r.totalErosionDamage = 1.0f;
    EXPECT_FALSE(passes(r));
    r.totalFatigueDamage = 99.99f;
    EXPECT_TRUE(passes(r));
    r.totalErosionDamage = 100.0f;
    EXPECT_FALSE(passes(r));
}

}  // namespace
}  // namespace zan
