#include "model/workspace.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/input_ranges.h"

namespace zan {
namespace {

TEST(Workspace, StartsEnglishUnlockedWithNoSection) {
    Workspace ws;
    EXPECT_EQ(ws.unitSystem(), UnitSystem::English);
    EXPECT_FALSE(ws.unitChoiceLocked());
    EXPECT_FALSE(ws.hasPavement() || ws.hasTraffic() || ws.hasAxles());
    EXPECT_FALSE(ws.detailedReports());
}

struct LockCase {
    const char* name;
    void (*touch)(Workspace&);
    bool locks;
};

class UnitLockTest : public ::testing::TestWithParam<LockCase> {};

TEST_P(UnitLockTest, OnlyThePavementAndAxleSectionsLock) {
    Workspace ws;
    GetParam().touch(ws);
    EXPECT_EQ(ws.unitChoiceLocked(), GetParam().locks);
    EXPECT_EQ(ws.chooseUnitSystem(UnitSystem::Metric), !GetParam().locks);
    EXPECT_EQ(ws.unitSystem(), GetParam().locks ? UnitSystem::English : UnitSystem::Metric);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, UnitLockTest,
    ::testing::Values(
        LockCase{"Pavement", [](Workspace& w) { w.ensurePavement(); }, true},
        LockCase{"Axles", [](Workspace& w) { w.ensureAxles(); }, true},
        LockCase{"Traffic", [](Workspace& w) { w.ensureTraffic(); }, false},
        // A read creates nothing, through a non-const workspace too.
        LockCase{"ReadingEverySection",
                 [](Workspace& w) {
                     (void)w.pavement();
                     (void)w.axles();
                     (void)w.traffic();
                 },
                 false},
        LockCase{"AllSectionsAtOnce", [](Workspace& w) { w.createInputSections(); }, true},
        // Reading creates nothing, so it leaves the choice free.
        LockCase{
            "Analysis",
            [](Workspace& w) {
                (void)runDamageAnalysis(std::as_const(w), {EnteredThickness{9.5f}, true, true});
            },
            false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Workspace, SwitchingBackAndForthBeforeTheLock) {
    Workspace ws;
    EXPECT_TRUE(ws.chooseUnitSystem(UnitSystem::Metric));
    EXPECT_TRUE(ws.chooseUnitSystem(UnitSystem::English));
    EXPECT_EQ(ws.pavement().thickness, "9.5");
    EXPECT_EQ(ws.pavement().thicknessCaption, "Trial Thickness, h (in)");
}

TEST(Workspace, SectionsTakeTheUnitsInForceWhenCreated) {
    Workspace ws;
    ASSERT_TRUE(ws.chooseUnitSystem(UnitSystem::Metric));
    const PavementInputs& p = ws.ensurePavement();
    EXPECT_EQ(p.thickness, "24.1");
    EXPECT_EQ(p.subgradeModulus, "35.2");
    EXPECT_EQ(p.modulusOfRupture, "4479");
    EXPECT_EQ(p.thicknessCaption, "Trial Thickness, h (cm)");
    EXPECT_EQ(p.subgradeModulusCaption, "Subgrade Modulus, k (kPa/mm)");
    EXPECT_EQ(p.modulusOfRuptureCaption, "Modulus of Rupture, Sc (kPa)");
    EXPECT_FALSE(p.concreteShoulder);
    EXPECT_TRUE(p.doweledJoints);
}

TEST(Workspace, InitialTrafficTexts) {
    const TrafficInputs t = initialTrafficInputs();
    EXPECT_EQ(t.averageDailyTraffic, "12900");
    EXPECT_EQ(t.truckPercent, "19");
    EXPECT_EQ(t.growthPercent, "4");
    EXPECT_EQ(t.directionPercent, "50");
    EXPECT_EQ(t.lanePercent, "81");
    EXPECT_EQ(t.loadSafetyFactor, "1.2");
    EXPECT_EQ(t.designPeriod, "20");
}

TEST(Workspace, CaptionsAfterAFileWriteCapitalK) {
    Workspace ws;
    ws.setUnitSystemFromFile(UnitSystem::Metric);
    ws.applyUnitCaptions(UnitSystem::Metric);
    EXPECT_EQ(ws.pavement().subgradeModulusCaption, "Subgrade Modulus, K (kPa/mm)");
    EXPECT_EQ(ws.pavement().thickness, "24.1");  // created in the units in force
    EXPECT_EQ(ws.axles().loadHeading, "Axle Load (kN)");
    EXPECT_TRUE(ws.unitChoiceLocked());
    ws.setUnitSystemFromFile(UnitSystem::English);
    ws.applyUnitCaptions(UnitSystem::English);
    EXPECT_EQ(ws.pavement().subgradeModulusCaption, "Subgrade Modulus, K (psi/in)");
    EXPECT_EQ(ws.pavement().thickness, "24.1");  // texts are never converted
}

TEST(Workspace, CreatingTheSectionsKeepsThoseThatExist) {
    Workspace ws;
    ws.ensureTraffic().averageDailyTraffic = "5000";
    ASSERT_TRUE(ws.chooseUnitSystem(UnitSystem::Metric));  // traffic does not lock
    ws.createInputSections();
    EXPECT_EQ(ws.traffic().averageDailyTraffic, "5000");
    EXPECT_EQ(ws.pavement(), initialPavementInputs(UnitSystem::Metric));
    EXPECT_EQ(ws.axles(), initialAxleInputs(UnitSystem::Metric));
}

TEST(Workspace, ReadingFollowsTheUnitChoiceUntilASectionIsCreated) {
    Workspace ws;
    const Workspace& reading = ws;
    EXPECT_EQ(reading.pavement().thickness, "9.5");
    ASSERT_TRUE(ws.chooseUnitSystem(UnitSystem::Metric));
    EXPECT_EQ(reading.pavement().thickness, "24.1");
    EXPECT_EQ(reading.axles().rows[0].singleLoad, "133.5");
    EXPECT_EQ(reading.traffic(), initialTrafficInputs());
    ASSERT_TRUE(ws.chooseUnitSystem(UnitSystem::English));
    EXPECT_EQ(reading.axles().loadHeading, "Axle Load (kips)");
    EXPECT_FALSE(ws.hasPavement() || ws.hasTraffic() || ws.hasAxles());
}

// The inputs a batch run warns about: each is judged by the value the analysis reads from its
// text, against the range of the workspace's unit system, and named as the report names it.
struct OutsideCase {
    const char* name;
    UnitSystem units;
    void (*edit)(Workspace&);
    std::vector<std::string> lines;
};
void PrintTo(const OutsideCase& c, std::ostream* os) {
    *os << c.name;
}

class OutsideRanges : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(OutsideRanges, ListsEachInputOutsideItsTypicalRange) {
    const OutsideCase& c = GetParam();
    Workspace ws;
    ws.chooseUnitSystem(c.units);
    c.edit(ws);
    std::vector<std::string> lines;
    for (const OutOfRangeInput& input : inputsOutsideRanges(ws))
        lines.push_back(outOfRangeText(input));
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutsideRanges,
    ::testing::Values(
        OutsideCase{"InitialInputsAreInside", UnitSystem::English, [](Workspace&) {}, {}},
        OutsideCase{"InitialMetricInputsAreInside", UnitSystem::Metric, [](Workspace&) {}, {}},
        OutsideCase{"BoundsAreInclusive",
                    UnitSystem::English,
                    [](Workspace& w) {
                        w.ensurePavement().thickness = "4";
                        w.ensureTraffic().loadSafetyFactor = "1.3";
                        w.ensureAxles().rows[0].tandemLoad = "200";
                    },
                    {}},
        OutsideCase{"TextAsEnteredValueAsTheAnalysisReadsIt",
                    UnitSystem::English,
                    [](Workspace& w) {
                        w.ensureTraffic().averageDailyTraffic = "0,5";  // reads 0
                        w.ensureTraffic().truckPercent = "12,900";      // reads 12: inside
                    },
                    {"Average Daily Traffic, ADT = 0,5 is outside the typical range 1 to "
                     "1000000"}},
        OutsideCase{"AxleRowsNamedByTypeRowAndUnit",
                    UnitSystem::Metric,
                    [](Workspace& w) {
                        w.ensureAxles().rows[9].tandemCount = "20000";
                        w.ensureAxles().rows[2].singleLoad = "8.8";
                        w.ensureAxles().rows[2].tandemLoad = "891";
                        w.ensureAxles().rows[0].singleCount = "abc";  // reads 0: inside
                    },
                    {"Single Axle Load, row 3 (kN) = 8.8 is outside the typical range 8.9 to 445",
                     "Tandem Axle Load, row 3 (kN) = 891 is outside the typical range 17.8 to 890",
                     "Tandem Axles per 1000 Trucks, row 10 = 20000 is outside the typical range 0 "
                     "to 10000"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan
