#include "model/analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

#include "model/workspace.h"

namespace zan {
namespace {

void expectClose(double actual, double expected, double relative) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * relative);
}

AnalysisResults runBoth(Workspace& ws, float h) {
    auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{h}, true, true});
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : analysisErrorMessage(r.error()));
    return r.ok() ? *r : AnalysisResults{};
}

// The initial design: h 9.5 in, k 130, Sc 650, no shoulder, doweled, ADT 12900, TD 19 %,
// DD 50 %, LD 81 %, growth 4 %, 20 years, LSF 1.2, the standard spectrum.
TEST(RunDamageAnalysis, WorkedRowsOfTheInitialDesign) {
    Workspace ws;
    const AnalysisResults r = runBoth(ws, 9.5f);
    EXPECT_FLOAT_EQ(r.axleLoad[0][0], 36.0f);
    expectClose(r.expectedRepetitions[0][0], 6257.7, 2e-5);
    expectClose(r.equivalentStress[0][0], 393.77, 2e-5);
    expectClose(r.allowableFatigueRepetitions[0][0], 26353, 1e-4);
    expectClose(r.fatigueDamage[0][0], 23.75, 1e-3);
    expectClose(r.allowableErosionRepetitions[0][0], 1.4545e6, 1e-4);
    expectClose(r.erosionDamage[0][0], 0.430, 1e-3);

    EXPECT_FLOAT_EQ(r.axleLoad[1][0], 62.4f);
    expectClose(r.expectedRepetitions[1][0], 21146.8, 2e-5);
    expectClose(r.equivalentStress[1][0], 319.66, 2e-5);
    expectClose(r.allowableFatigueRepetitions[1][0], 1.1649e6, 1e-4);
    expectClose(r.fatigueDamage[1][0], 1.815, 1e-3);
    expectClose(r.allowableErosionRepetitions[1][0], 9.212e5, 1e-4);
    expectClose(r.erosionDamage[1][0], 2.296, 1e-3);

    float fatigue = 0.0f, erosion = 0.0f;
    for (int a = 0; a < 2; ++a)
        for (int i = 0; i < kAxleRows; ++i) {
            fatigue = static_cast<float>(static_cast<double>(fatigue) + r.fatigueDamage[a][i]);
            erosion = static_cast<float>(static_cast<double>(erosion) + r.erosionDamage[a][i]);
        }
    EXPECT_EQ(r.totalFatigueDamage, fatigue);
    EXPECT_EQ(r.totalErosionDamage, erosion);
    EXPECT_TRUE(r.fatigueSelected);
    EXPECT_TRUE(r.erosionSelected);
}

TEST(RunDamageAnalysis, WorkedProjection) {
    Workspace ws;
    TrafficInputs& t = ws.ensureTraffic();
    t.averageDailyTraffic = "12900";
    t.truckPercent = "10";
    t.directionPercent = "50";
    t.lanePercent = "100";
    t.growthPercent = "4";
    t.designPeriod = "20";
    ws.ensureAxles().rows[0].singleCount = "100";
    const AnalysisResults r = runBoth(ws, 9.5f);
    expectClose(r.expectedRepetitions[0][0], 701050.0, 2e-5);
}

struct GrowthCase {
    const char* growth;
    const char* years;
    double growthFactor;
};

class GrowthFactorTest : public ::testing::TestWithParam<GrowthCase> {};

// The design-lane trucks in thousands are LD x T x 365 x DD x GF / 1000; a count of 1000 per
// 1000 trucks makes the expected repetitions of a row that number times 1000.
TEST_P(GrowthFactorTest, IsTheSumOfEveryYearsGrowth) {
    Workspace ws;
    TrafficInputs& t = ws.ensureTraffic();
    t.averageDailyTraffic = "1000";
    t.truckPercent = "100";
    t.directionPercent = "100";
    t.lanePercent = "100";
    t.growthPercent = GetParam().growth;
    t.designPeriod = GetParam().years;
    ws.ensureAxles().rows[0].singleCount = "1";
    const AnalysisResults r = runBoth(ws, 9.5f);
    expectClose(r.expectedRepetitions[0][0], 365.0 * GetParam().growthFactor, 1e-6);
}

// No growth carries the design period's years; a tiny rate loses no digit to cancellation; a
// falling traffic sums the same way.
INSTANTIATE_TEST_SUITE_P(
    Rates, GrowthFactorTest,
    ::testing::Values(GrowthCase{"0", "30", 30.0}, GrowthCase{"0", "20", 20.0},
                      GrowthCase{"1e-14", "30", 30.0}, GrowthCase{"1e-4", "30", 30.000435},
                      GrowthCase{"-3", "5", 4.7088658}, GrowthCase{"-50", "10", 1.9980469},
                      GrowthCase{"4", "20", 29.778078}, GrowthCase{"4", "2.5", 2.5754975}));

TEST(RunDamageAnalysis, GrowthOfMinus100PercentOrLessIsRefused) {
    for (const char* growth : {"-100", "-150", "-1e300"}) {
        Workspace ws;
        ws.ensureTraffic().growthPercent = growth;
        AnalysisRequest request;
        request.trialThickness = EnteredThickness{9.5f};
        request.fatigue = request.erosion = true;
        const auto run = runDamageAnalysis(ws, request);
        ASSERT_FALSE(run.ok()) << growth;
        EXPECT_EQ(analysisErrorMessage(run.error()).rfind("The annual growth rate i is -100 %", 0),
                  0u)
            << analysisErrorMessage(run.error());
    }
}

TEST(RunDamageAnalysis, ZeroCountRowHasNoDamageButItsValues) {
    Workspace ws;
    ws.ensureAxles().rows[0].singleCount = "";
    ws.ensureAxles().rows[0].tandemCount = "none";
    const AnalysisResults r = runBoth(ws, 9.5f);
    EXPECT_EQ(r.expectedRepetitions[0][0], 0.0f);
    EXPECT_EQ(r.fatigueDamage[0][0], 0.0f);
    EXPECT_EQ(r.erosionDamage[1][0], 0.0f);
    expectClose(r.equivalentStress[0][0], 393.77, 2e-5);
    EXPECT_GT(r.erosionFactor[1][0], 0.0f);
}

TEST(RunDamageAnalysis, UnselectedPartKeepsThePreviousValues) {
    Workspace ws;
    ws.commitResults(runBoth(ws, 9.5f));
    const AnalysisResults before = ws.results();
    auto erosionOnly = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{7.0f}, false, true});
    ASSERT_TRUE(erosionOnly.ok());
    EXPECT_EQ(erosionOnly->equivalentStress, before.equivalentStress);
    EXPECT_EQ(erosionOnly->fatigueDamage, before.fatigueDamage);
    EXPECT_EQ(erosionOnly->totalFatigueDamage, before.totalFatigueDamage);
    EXPECT_GT(erosionOnly->totalErosionDamage, before.totalErosionDamage);
    EXPECT_FALSE(erosionOnly->fatigueSelected);
    EXPECT_TRUE(erosionOnly->erosionSelected);

    Workspace fresh;
    auto fatigueOnly =
        runDamageAnalysis(fresh, AnalysisRequest{EnteredThickness{9.5f}, true, false});
    ASSERT_TRUE(fatigueOnly.ok());
    EXPECT_EQ(fatigueOnly->totalErosionDamage, 0.0f);
    EXPECT_EQ(fatigueOnly->erosionFactor, RowTable{});
}

TEST(RunDamageAnalysis, MetricInputsConvertToModelUnits) {
    Workspace english;
    Workspace metric;
    ASSERT_TRUE(metric.chooseUnitSystem(UnitSystem::Metric));
    PavementInputs& p = metric.ensurePavement();
    p.subgradeModulus = "35.23";
    p.modulusOfRupture = "4478.5";
    metric.ensureAxles().rows[0].singleLoad = "133.5";  // 30 kips
    metric.ensureAxles().rows[1].singleLoad = "80";     // with LSF 1.2: 96 / 4.45 kips

    const AnalysisResults e = runBoth(english, 9.5f);
    const AnalysisResults m = runBoth(metric, 24.13f);
    EXPECT_NEAR(m.axleLoad[0][0], 36.0f, 1e-4f);
    EXPECT_NEAR(m.axleLoad[0][1], 21.5730f, 1e-4f);
    EXPECT_NEAR(m.equivalentStress[0][0], e.equivalentStress[0][0], 0.05f);  // psi in both systems
    EXPECT_NEAR(m.erosionFactor[0][0], e.erosionFactor[0][0], 1e-3f);
    EXPECT_NEAR(m.fatigueInputs.slab.thickness.value, 9.5f, 1e-6f);
    EXPECT_EQ(toModelUnits(EnteredThickness{9.5f}, UnitSystem::English), Inches{9.5f});
}

// A thickness in the user's unit reaches a model only through toModelUnits.
static_assert(!std::is_convertible_v<float, EnteredThickness>);
static_assert(!std::is_convertible_v<float, Inches>);
static_assert(!std::is_constructible_v<Inches, EnteredThickness>);
static_assert(!std::is_constructible_v<AnalysisRequest, float, bool, bool>);

TEST(RunDamageAnalysis, ShoulderAndDowelChoicesSelectTheModels) {
    Workspace ws;
    const AnalysisResults plain = runBoth(ws, 9.5f);
    ws.ensurePavement().concreteShoulder = true;
    const AnalysisResults shoulder = runBoth(ws, 9.5f);
    EXPECT_LT(shoulder.equivalentStress[0][0], plain.equivalentStress[0][0]);
    ws.ensurePavement().concreteShoulder = false;
    ws.ensurePavement().doweledJoints = false;
    const AnalysisResults aggregate = runBoth(ws, 9.5f);
    EXPECT_EQ(aggregate.equivalentStress, plain.equivalentStress);  // fatigue ignores the joints
    EXPECT_GT(aggregate.erosionFactor[0][0], plain.erosionFactor[0][0]);
}

struct RefusalCase {
    const char* name;
    float h;
    const char* k;
    const char* sc;
    const char* adt;
    const char* lsf;
    const char* tandemLoad3;  // row 3 of the tandem loads
    AnalysisSubject subject;
    InputField input;
    AnalysisProblem problem;
    const char* words;  // the message must name the input in plain words
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, NamesTheOffendingInput) {
    const RefusalCase& c = GetParam();
    Workspace ws;
    ws.ensurePavement().subgradeModulus = c.k;
    ws.ensurePavement().modulusOfRupture = c.sc;
    ws.ensureTraffic().averageDailyTraffic = c.adt;
    ws.ensureTraffic().loadSafetyFactor = c.lsf;
    ws.ensureAxles().rows[2].tandemLoad = c.tandemLoad3;
    for (bool fatigue : {true, false}) {
        auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{c.h}, fatigue, !fatigue});
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().subject, c.subject);
        EXPECT_EQ(r.error().input, c.input);
        EXPECT_EQ(r.error().problem, c.problem);
        EXPECT_NE(analysisErrorMessage(r.error()).find(c.words), std::string::npos)
            << analysisErrorMessage(r.error());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusalTest,
    ::testing::Values(RefusalCase{"ZeroThickness", 0.0f, "130", "650", "12900", "1.2", "44",
                                  AnalysisSubject::Input, InputField::TrialThickness,
                                  AnalysisProblem::NotPositive, "trial thickness"},
                      RefusalCase{"NegativeThickness", -2.0f, "130", "650", "12900", "1.2", "44",
                                  AnalysisSubject::Input, InputField::TrialThickness,
                                  AnalysisProblem::NotPositive, "trial thickness"},
                      RefusalCase{"ThicknessBeyondSingle", std::numeric_limits<float>::infinity(),
                                  "130", "650", "12900", "1.2", "44", AnalysisSubject::Input,
                                  InputField::TrialThickness, AnalysisProblem::TooLarge,
                                  "trial thickness"},
                      RefusalCase{"ZeroSubgrade", 9.5f, "0", "650", "12900", "1.2", "44",
                                  AnalysisSubject::Input, InputField::SubgradeModulus,
                                  AnalysisProblem::NotPositive, "subgrade modulus"},
                      RefusalCase{"TextRupture", 9.5f, "130", "abc", "12900", "1.2", "44",
                                  AnalysisSubject::Input, InputField::ModulusOfRupture,
                                  AnalysisProblem::NotPositive, "modulus of rupture"},
                      RefusalCase{"HugeTraffic", 9.5f, "130", "650", "1e400", "1.2", "44",
                                  AnalysisSubject::Input, InputField::AverageDailyTraffic,
                                  AnalysisProblem::TooLarge, "average daily traffic"},
                      RefusalCase{"TrafficBeyondSingle", 9.5f, "130", "650", "1e39", "1.2", "44",
                                  AnalysisSubject::TrafficProjection, InputField::TrialThickness,
                                  AnalysisProblem::TooLarge, "projected truck traffic"},
                      RefusalCase{"ZeroSafetyFactor", 9.5f, "130", "650", "12900", "0", "44",
                                  AnalysisSubject::Input, InputField::LoadSafetyFactor,
                                  AnalysisProblem::NotPositive, "load safety factor"},
                      RefusalCase{"ZeroLoad", 9.5f, "130", "650", "12900", "1.2", "0",
                                  AnalysisSubject::Input, InputField::TandemAxleLoad,
                                  AnalysisProblem::NotPositive, "tandem axle load in row 3"},
                      RefusalCase{"NegativeTraffic", 9.5f, "130", "650", "-12900", "1.2", "44",
                                  AnalysisSubject::Input, InputField::AverageDailyTraffic,
                                  AnalysisProblem::Negative, "average daily traffic"},
                      RefusalCase{"EmptyLoad", 9.5f, "130", "650", "12900", "1.2", "",
                                  AnalysisSubject::Input, InputField::TandemAxleLoad,
                                  AnalysisProblem::NotPositive, "tandem axle load in row 3"}),
    [](const auto& info) { return std::string(info.param.name); });

// A negative count or period would give negative damage that hides real damage in the total.
TEST(RunDamageAnalysis, NegativeCountsAndPeriodsAreRefused) {
    struct Case {
        void (*set)(Workspace&);
        InputField input;
        const char* words;
    };
    const Case cases[] = {
        {[](Workspace& w) { w.ensureAxles().rows[4].tandemCount = "-3"; },
         InputField::TandemAxleCount,
         "number of tandem axles per 1000 trucks in row 5 is negative"},
        {[](Workspace& w) { w.ensureTraffic().designPeriod = "-20"; }, InputField::DesignPeriod,
         "design period is negative"},
        {[](Workspace& w) { w.ensureTraffic().lanePercent = "-81"; }, InputField::LanePercent,
         "lane distribution"},
    };
    for (const Case& c : cases) {
        Workspace ws;
        c.set(ws);
        auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{9.5f}, true, true});
        ASSERT_FALSE(r.ok()) << c.words;
        EXPECT_EQ(r.error().input, c.input);
        EXPECT_EQ(r.error().problem, AnalysisProblem::Negative);
        EXPECT_NE(analysisErrorMessage(r.error()).find(c.words), std::string::npos)
            << analysisErrorMessage(r.error());
    }
    Workspace zeroPeriod;  // zero is allowed: no traffic at all
    zeroPeriod.ensureTraffic().designPeriod = "0";
    zeroPeriod.ensureAxles().rows[0].singleCount = "-0";
    EXPECT_TRUE(
        runDamageAnalysis(zeroPeriod, AnalysisRequest{EnteredThickness{9.5f}, true, true}).ok());
}

TEST(RunDamageAnalysis, VeryThinSlabIsRefusedNotReported) {
    // Near 1 in the allowable repetitions underflow or the erosion terms lose meaning.
    Workspace ws;
    for (float h : {0.05f, 0.2f, 0.5f}) {
        auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{h}, true, true});
        EXPECT_FALSE(r.ok()) << h;
        if (!r.ok()) {
            EXPECT_EQ(r.error().subject, AnalysisSubject::RowResult) << h;
            EXPECT_NE(analysisErrorMessage(r.error()).find("row"), std::string::npos);
        }
    }
}

TEST(RunDamageAnalysis, EveryCommittedValueIsFinite) {
    Workspace ws;
    for (float h = 1.0f; h <= 60.0f; h += 0.25f) {
        auto r = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{h}, true, true});
        if (!r.ok())
            continue;
        for (const RowTable* t :
             {&r->expectedRepetitions, &r->equivalentStress, &r->allowableFatigueRepetitions,
              &r->fatigueDamage, &r->erosionFactor, &r->erosionPower,
              &r->allowableErosionRepetitions, &r->erosionDamage})
            for (const auto& row : *t)
                for (float v : row)
                    ASSERT_TRUE(std::isfinite(v)) << h;
        ASSERT_TRUE(std::isfinite(r->totalFatigueDamage));
        ASSERT_TRUE(std::isfinite(r->totalErosionDamage));
    }
}

}  // namespace
}  // namespace zan
