#include "model/calculation_details.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/workspace.h"

namespace zan {
namespace {

struct Design {
    const char* name;
    UnitSystem units;
    bool concreteShoulder;
    bool doweledJoints;
    const char* thickness;  // in the design's units
};

Workspace workspaceFor(const Design& d) {
    Workspace ws;
    ws.chooseUnitSystem(d.units);
    ws.createInputSections();
    ws.ensurePavement().concreteShoulder = d.concreteShoulder;
    ws.ensurePavement().doweledJoints = d.doweledJoints;
    ws.ensurePavement().thickness = d.thickness;
    return ws;
}

AnalysisResults run(const Workspace& ws, bool fatigue, bool erosion,
                    const AnalysisResults& previous) {
    const float h = std::stof(ws.pavement().thickness);
    auto r = runDamageAnalysis(ws.pavement(), ws.traffic(), ws.axles(), ws.unitSystem(),
                               AnalysisRequest{EnteredThickness{h}, fatigue, erosion}, previous);
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : analysisErrorMessage(r.error()));
    return r.ok() ? *r : AnalysisResults{};
}

class DetailsOfABothRun : public ::testing::TestWithParam<Design> {};

// The terms are evaluated again from what the run recorded; they must land on the very bits
// the analysis stored, which fails when a recorded input is not the one the run used (an
// unconverted Metric value, the wrong shoulder or joints).
TEST_P(DetailsOfABothRun, AreTheValuesTheAnalysisStored) {
    const Workspace ws = workspaceFor(GetParam());
    const AnalysisResults r = run(ws, true, true, AnalysisResults{});
    const CalculationDetails details = calculationDetails(r);
    ASSERT_TRUE(details.fatigueInputs && details.erosionInputs);
    EXPECT_EQ(*details.fatigueInputs, *details.erosionInputs);

    for (std::size_t i = 0; i < details.rows.size(); ++i) {
        const DetailRow& d = details.rows[i];
        const std::size_t a = i / kAxleRows;
        const std::size_t row = i % kAxleRows;
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(d.axle, a == 0 ? AxleType::Single : AxleType::Tandem);
        EXPECT_EQ(d.row, static_cast<int>(row) + 1);
        EXPECT_EQ(d.designLoad, r.axleLoad[a][row]);
        EXPECT_EQ(d.expectedRepetitions, r.expectedRepetitions[a][row]);
        ASSERT_TRUE(d.fatigue && d.erosion);
        EXPECT_EQ(d.fatigue->terms.stress, r.equivalentStress[a][row]);
        EXPECT_EQ(fatigueAllowableRepetitions(d.fatigue->terms.stress,
                                              details.fatigueInputs->modulusOfRupture),
                  r.allowableFatigueRepetitions[a][row]);
        EXPECT_EQ(d.fatigue->allowableRepetitions, r.allowableFatigueRepetitions[a][row]);
        EXPECT_EQ(d.fatigue->damage, r.fatigueDamage[a][row]);
        EXPECT_EQ(d.erosion->terms.power, r.erosionPower[a][row]);
        EXPECT_EQ(d.erosion->terms.factor, r.erosionFactor[a][row]);
        EXPECT_EQ(d.erosion->terms.allowable, r.allowableErosionRepetitions[a][row]);
        EXPECT_EQ(d.erosion->damage, r.erosionDamage[a][row]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, DetailsOfABothRun,
    ::testing::Values(Design{"InitialEnglish", UnitSystem::English, false, true, "9.5"},
                      Design{"EnglishShoulderAggregate", UnitSystem::English, true, false, "8.25"},
                      Design{"EnglishShoulderDoweled", UnitSystem::English, true, true, "7"},
                      Design{"InitialMetric", UnitSystem::Metric, false, true, "24.1"},
                      Design{"MetricNoShoulderAggregate", UnitSystem::Metric, false, false, "26"},
                      Design{"MetricShoulderAggregate", UnitSystem::Metric, true, false, "21.5"}),
    [](const auto& info) { return std::string(info.param.name); });

void expectClose(double actual, double expected, double relative, const char* what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * relative) << what;
}

// Single row 1 of the initial design (36 kips with the load safety factor, no shoulder,
// doweled), worked by hand in double precision from the model equations.
TEST(CalculationDetails, WorkedTermsOfTheFirstSingleRow) {
    const Workspace ws = workspaceFor({"", UnitSystem::English, false, true, "9.5"});
    const DetailRow d = calculationDetails(run(ws, true, true, AnalysisResults{})).rows[0];
    ASSERT_TRUE(d.fatigue && d.erosion);
    expectClose(d.fatigue->terms.radius, 38.72553, 1e-6, "l");
    expectClose(d.fatigue->terms.loadFactor, 1.951931, 1e-6, "f1");
    expectClose(d.fatigue->terms.moment, 3661.303, 1e-6, "M");
    expectClose(d.fatigue->terms.edgeFactor, 0.9727555, 1e-6, "f2");
    expectClose(d.fatigue->terms.stress, 393.766, 1e-5, "Se");
    expectClose(d.fatigue->stressRatio, 0.605794, 1e-5, "Se/Sc");
    expectClose(d.erosion->terms.deflection, 0.05264368, 1e-5, "w");
    expectClose(d.erosion->terms.power, 37.92666, 1e-5, "P'");
    expectClose(d.erosion->terms.supportFactor, 0.9992510, 1e-7, "C1");
    expectClose(d.erosion->terms.factor, 4.587031, 1e-5, "EF");
    expectClose(d.erosion->terms.allowable, 1454526, 1e-4, "Ne");
}

TEST(CalculationDetails, MetricInputsAreRecordedInModelUnits) {
    Workspace ws = workspaceFor({"", UnitSystem::Metric, false, true, "24.13"});
    ws.ensurePavement().subgradeModulus = "35.23";
    ws.ensurePavement().modulusOfRupture = "4478.5";
    const CalculationDetails details = calculationDetails(run(ws, true, true, AnalysisResults{}));
    ASSERT_TRUE(details.fatigueInputs);
    expectClose(details.fatigueInputs->slab.thickness.value, 9.5, 1e-6, "h (in)");
    expectClose(details.fatigueInputs->slab.subgradeModulus, 130, 1e-4, "k (psi/in)");
    expectClose(details.fatigueInputs->modulusOfRupture, 650, 1e-6, "Sc (psi)");
    // The loads too: 133.5 kN with LSF 1.2 is 160.2 / 4.45 = 36 kips.
    expectClose(details.rows[0].designLoad, 36.0, 1e-6, "load (kips)");
}

// The details follow the selection flags of the last run: the columns of a part that run did
// not run stay empty, even though the results still hold an earlier run's values there.
struct PartsCase {
    const char* name;
    bool firstFatigue, firstErosion;  // an earlier run
    bool lastFatigue, lastErosion;
};

class DetailsOfTheParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(DetailsOfTheParts, FollowTheLastRun) {
    const PartsCase& c = GetParam();
    const Workspace ws = workspaceFor({"", UnitSystem::English, false, true, "9.5"});
    const AnalysisResults first = run(ws, c.firstFatigue, c.firstErosion, AnalysisResults{});
    const AnalysisResults last = run(ws, c.lastFatigue, c.lastErosion, first);
    const CalculationDetails details = calculationDetails(last);
    EXPECT_EQ(details.fatigueInputs.has_value(), c.lastFatigue);
    EXPECT_EQ(details.erosionInputs.has_value(), c.lastErosion);
    for (const DetailRow& d : details.rows) {
        EXPECT_EQ(d.fatigue.has_value(), c.lastFatigue);
        EXPECT_EQ(d.erosion.has_value(), c.lastErosion);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, DetailsOfTheParts,
                         ::testing::Values(PartsCase{"FatigueAfterBoth", true, true, true, false},
                                           PartsCase{"ErosionAfterBoth", true, true, false, true},
                                           PartsCase{"BothAfterFatigue", true, false, true, true},
                                           PartsCase{"NoneSelected", true, true, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationDetails, BeforeAnyRunHoldNoPart) {
    const CalculationDetails details = calculationDetails(AnalysisResults{});
    EXPECT_FALSE(details.fatigueInputs || details.erosionInputs);
    EXPECT_EQ(details.rows[kAxleRows].axle, AxleType::Tandem);
    EXPECT_EQ(details.rows[kDetailRows - 1].row, kAxleRows);
}

// A part not run keeps the inputs of the run that wrote its fields, next to those fields.
TEST(CalculationDetails, APartNotRunKeepsTheInputsOfItsRun) {
    Workspace ws = workspaceFor({"", UnitSystem::English, false, true, "9.5"});
    const AnalysisResults both = run(ws, true, true, AnalysisResults{});
    ws.ensurePavement().thickness = "11";
    ws.ensurePavement().concreteShoulder = true;
    const AnalysisResults fatigue = run(ws, true, false, both);
    EXPECT_EQ(fatigue.erosionInputs, both.erosionInputs);
    EXPECT_EQ(fatigue.fatigueInputs.slab.thickness, Inches{11.0f});
    EXPECT_EQ(fatigue.fatigueInputs.slab.shoulder, ShoulderType::Concrete);
}

// Inputs typed after the run change nothing: the details explain the run, not the texts.
TEST(CalculationDetails, DoNotFollowInputsChangedAfterTheRun) {
    Workspace ws = workspaceFor({"", UnitSystem::English, false, true, "9.5"});
    ws.commitResults(run(ws, true, true, AnalysisResults{}));
    const CalculationDetails before = calculationDetails(ws.results());
    ws.ensurePavement().thickness = "12";
    ws.ensurePavement().subgradeModulus = "300";
    ws.ensurePavement().modulusOfRupture = "700";
    ws.ensurePavement().concreteShoulder = true;
    ws.ensurePavement().doweledJoints = false;
    ws.ensureAxles().rows[0].singleLoad = "40";
    ws.ensureTraffic().loadSafetyFactor = "1.0";
    EXPECT_EQ(calculationDetails(ws.results()), before);
    EXPECT_EQ(before.fatigueInputs->slab.thickness, Inches{9.5f});
    EXPECT_EQ(before.rows[0].designLoad, 36.0f);
}

}  // namespace
}  // namespace zan
