#include "model/workspace.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/input_ranges.h"
#include "model/input_warnings.h"

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

// What the program says about the inputs: a text that is not one whole number, as the value
// the analysis reads from it; a value outside the range of the workspace's unit system; the
// project lines kept unread. Each input is named as the report names it.
struct WarningCase {
    const char* name;
    UnitSystem units;
    void (*edit)(Workspace&);
    std::vector<std::string> lines;
};
void PrintTo(const WarningCase& c, std::ostream* os) {
    *os << c.name;
}

ProjectInfo projectWith(const char* name, std::vector<std::string> otherLines) {
    ProjectInfo project;
    project.project = name;
    project.otherLines = std::move(otherLines);
    return project;
}

class InputWarnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(InputWarnings, ListEachDoubtInTableOrder) {
    const WarningCase& c = GetParam();
    Workspace ws;
    ws.chooseUnitSystem(c.units);
    c.edit(ws);
    EXPECT_EQ(inputWarnings(ws), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputWarnings,
    ::testing::Values(
        WarningCase{"InitialInputsAreInside", UnitSystem::English, [](Workspace&) {}, {}},
        WarningCase{"InitialMetricInputsAreInside", UnitSystem::Metric, [](Workspace&) {}, {}},
        WarningCase{"BoundsAreInclusiveAndBlanksAroundANumberAreNoDoubt",
                    UnitSystem::English,
                    [](Workspace& w) {
                        w.ensurePavement().thickness = " 4\t";
                        w.ensureTraffic().loadSafetyFactor = "1.3";
                        w.ensureAxles().rows[0].tandemLoad = "2E2";
                    },
                    {}},
        WarningCase{"TextAsEnteredValueAsTheAnalysisReadsIt",
                    UnitSystem::English,
                    [](Workspace& w) {
                        w.ensureTraffic().averageDailyTraffic = "0,5";
                        w.ensureTraffic().truckPercent = "12,900";
                    },
                    {"Average Daily Traffic, ADT = \"0,5\" is read as 0",
                     "Average Daily Traffic, ADT = 0,5 is outside the typical range 1 to 1000000",
                     "Proportion of Trucks,% = \"12,900\" is read as 12"}},
        WarningCase{"TextsTheDialogsRefuse",
                    UnitSystem::English,
                    [](Workspace& w) {
                        w.ensurePavement().thickness = "9,5";
                        w.ensurePavement().subgradeModulus = "1 30";
                        w.ensurePavement().modulusOfRupture = "&H28A";
                        w.ensureTraffic().truckPercent = "nan";
                        w.ensureTraffic().growthPercent = "0x1p3";
                        w.ensureTraffic().lanePercent = ".";
                        w.ensureTraffic().designPeriod = "20.123456789012345 years";
                    },
                    {"Trial Thickness, h (in) = \"9,5\" is read as 9",
                     "Subgrade Modulus, k (psi/in) = \"1 30\" is read as 130",
                     "Modulus of Rupture, Sc (psi) = \"&H28A\" is read as 650",
                     "Proportion of Trucks,% = \"nan\" is read as 0",
                     "Lane Distribution,% = \".\" is read as 0",
                     "Annual Growth Rate, % = \"0x1p3\" is read as 0",
                     "Design Period, Years = \"20.123456789012345 years\" is read as "
                     "20.1234567890123"}},
        WarningCase{"AnEmptyAxleRowIsNoDoubtAnEmptyCountIs",
                    UnitSystem::English,
                    [](Workspace& w) {
                        w.ensureAxles().rows[9].singleLoad = "";
                        w.ensureAxles().rows[9].singleCount = " ";
                        w.ensureAxles().rows[9].tandemCount = "";
                    },
                    {"Single Axle Load, row 10 (kips) =  is outside the typical range 2 to 100",
                     "Tandem Axles per 1000 Trucks, row 10 = \"\" is read as 0"}},
        WarningCase{"AxleRowsNamedByTypeRowAndUnit",
                    UnitSystem::Metric,
                    [](Workspace& w) {
                        w.ensureAxles().rows[9].tandemCount = "20000";
                        w.ensureAxles().rows[2].singleLoad = "8.8";
                        w.ensureAxles().rows[2].tandemLoad = "891";
                        w.ensureAxles().rows[0].singleCount = "abc";
                    },
                    {"Single Axles per 1000 Trucks, row 1 = \"abc\" is read as 0",
                     "Single Axle Load, row 3 (kN) = 8.8 is outside the typical range 8.9 to 445",
                     "Tandem Axle Load, row 3 (kN) = 891 is outside the typical range 17.8 to 890",
                     "Tandem Axles per 1000 Trucks, row 10 = 20000 is outside the typical range 0 "
                     "to 10000"}},
        WarningCase{"ANegativeThatRoundsToZeroIsBelow",
                    UnitSystem::English,
                    [](Workspace& w) { w.ensureTraffic().truckPercent = "-1e-46"; },
                    {"Proportion of Trucks,% = -1e-46 is outside the typical range 0 to 100"}},
        WarningCase{"RepeatedKeyKeptUnread",
                    UnitSystem::English,
                    [](Workspace& w) { w.setProject(projectWith("p", {"Project:q"})); },
                    {"Project information: \"Project:q\" is kept unread: only the first "
                     "Project line is read"}},
        WarningCase{"ASecondDesignIsOneWarning",
                    UnitSystem::English,
                    [](Workspace& w) {
                        w.setProject(projectWith(
                            "", {std::string(70, '9'), "Notes: n", "Station: 1", "ZAN Data End"}));
                    },
                    {"Project information: 3 lines are kept unread (repeated keys or markers, or "
                     "text that is not \"Key: text\"), the first \"" +
                     std::string(57, '9') + "...\""}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan
