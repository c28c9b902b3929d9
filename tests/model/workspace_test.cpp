#include "model/workspace.h"

#include <gtest/gtest.h>

#include <utility>

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
        LockCase{"Pavement", [](Workspace& w) { w.pavement(); }, true},
        LockCase{"Axles", [](Workspace& w) { w.axles(); }, true},
        LockCase{"Traffic", [](Workspace& w) { w.traffic(); }, false},
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
    const PavementInputs& p = ws.pavement();
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

TEST(Workspace, InitialAxleTextsInBothUnitSystems) {
    const char* metricSingle[] = {"133.5", "124.6", "115.7", "106.8", "97.9",
                                  "89.0",  "80.1",  "71.2",  "62.3",  "53.4"};
    const char* metricTandem[] = {"231.4", "213.6", "195.8", "178.0", "160.2",
                                  "142.4", "124.6", "106.8", "89.0",  "71.2"};
    const char* singleCounts[] = {"0.58",  "1.35",  "2.77",  "5.92",  "9.83",
                                  "21.67", "28.24", "38.83", "53.94", "168.84"};
    const char* tandemCounts[] = {"1.96",  "3.94",   "11.48", "34.27",  "81.42",
                                  "85.50", "152.21", "90.52", "112.78", "124.63"};
    const AxleInputs english = initialAxleInputs(UnitSystem::English);
    const AxleInputs metric = initialAxleInputs(UnitSystem::Metric);
    EXPECT_EQ(english.loadHeading, "Axle Load (kips)");
    EXPECT_EQ(metric.loadHeading, "Axle Load (kN)");
    for (int i = 0; i < kAxleRows; ++i) {
        const auto& e = english.rows[static_cast<std::size_t>(i)];
        const auto& m = metric.rows[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.singleLoad, std::to_string(30 - 2 * i));
        EXPECT_EQ(e.tandemLoad, std::to_string(52 - 4 * i));
        EXPECT_EQ(m.singleLoad, metricSingle[i]);
        EXPECT_EQ(m.tandemLoad, metricTandem[i]);
        EXPECT_EQ(e.singleCount, singleCounts[i]);
        EXPECT_EQ(m.tandemCount, tandemCounts[i]);
    }
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
    ws.traffic().averageDailyTraffic = "5000";
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

}  // namespace
}  // namespace zan
