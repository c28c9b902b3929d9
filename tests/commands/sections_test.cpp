// Who creates the input sections: readers never do, the commands do in one explicit step.

#include <functional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/def_file.h"
#include "io/io_test_support.h"
#include "io/report.h"
#include "model/damage_curve.h"
#include "model/design_search.h"
#include "model/sensitivity.h"

namespace zan {
namespace {

const char* unitName(UnitSystem units) {
    return units == UnitSystem::Metric ? "Metric" : "English";
}

// A workspace that has only chosen its units, as the program starts.
Workspace fresh(UnitSystem units) {
    Workspace ws;
    EXPECT_TRUE(ws.chooseUnitSystem(units));
    return ws;
}

// True when the reader gives the same on the untouched workspace as on one whose sections
// have been created.
using SameResult = std::function<bool(const Workspace& untouched, const Workspace& created)>;

struct ReaderCase {
    const char* name;
    SameResult same;
};

bool sameSensitivity(const Sensitivity& a, const Sensitivity& b) {
    return a.units == b.units && a.base == b.base && a.rows == b.rows;
}

const ReaderCase kReaders[] = {
    {"Analysis",
     [](const Workspace& a, const Workspace& b) {
         const AnalysisRequest both{EnteredThickness{9.5f}, true, true};
         return *runDamageAnalysis(a, both) == *runDamageAnalysis(b, both);
     }},
    {"ThicknessSearch",
     [](const Workspace& a, const Workspace& b) {
         auto x = searchDesignThickness(a);
         auto y = searchDesignThickness(b);
         return x->thickness == y->thickness && x->results == y->results && x->runs == y->runs;
     }},
    {"DamageCurve",
     [](const Workspace& a, const Workspace& b) {
         auto x = damageCurve(a);
         auto y = damageCurve(b);
         return x->points == y->points && x->recommendedThickness == y->recommendedThickness &&
                x->trialThickness == y->trialThickness;
     }},
    {"DamagePoints",
     [](const Workspace& a, const Workspace& b) {
         return damagePoints(a, 5.0f, 30.0f) == damagePoints(b, 5.0f, 30.0f);
     }},
    {"Sensitivity",
     [](const Workspace& a, const Workspace& b) {
         return sameSensitivity(sensitivity(a), sensitivity(b));
     }},
    {"Report",
     [](const Workspace& a, const Workspace& b) { return *writeReport(a) == *writeReport(b); }},
    {"DefFile",
     [](const Workspace& a, const Workspace& b) { return writeDefFile(a) == writeDefFile(b); }},
};

class Readers : public testing::TestWithParam<std::tuple<ReaderCase, UnitSystem>> {};

TEST_P(Readers, ChangeNothingAndReadMissingSectionsAsTheirInitialTexts) {
    const auto& [reader, units] = GetParam();
    const Workspace untouched = fresh(units);
    Workspace created = untouched;
    created.createInputSections();

    EXPECT_TRUE(reader.same(untouched, created));
    EXPECT_TRUE(untouched == fresh(units));
    EXPECT_FALSE(untouched.hasPavement() || untouched.hasTraffic() || untouched.hasAxles());
    EXPECT_FALSE(untouched.unitChoiceLocked());
}

INSTANTIATE_TEST_SUITE_P(Sections, Readers,
                         testing::Combine(testing::ValuesIn(kReaders),
                                          testing::Values(UnitSystem::English, UnitSystem::Metric)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    unitName(std::get<1>(info.param));
                         });

// What each command leaves behind in a workspace that has only chosen Metric units. Every
// command that works on the inputs creates all three sections in the units in force, also
// when it refuses them, and so locks the unit choice; a rejected file creates nothing.
struct CommandCase {
    const char* name;
    std::function<void(Workspace&)> run;
    bool createsSections;
};

const std::string kMetricFile = [] {
    std::string bytes = test::readData("initial_english.DEF");
    return bytes.replace(0, 11, "****SI****");
}();
const std::string kWrongMarker = [] {
    std::string bytes = kMetricFile;
    return bytes.replace(bytes.find("***ZAN***"), 9, "***ZAM***");
}();

const CommandCase kCommands[] = {
    {"Fatigue", [](Workspace& w) { performAnalysis(w, AnalysisKind::Fatigue); }, true},
    {"Erosion", [](Workspace& w) { performAnalysis(w, AnalysisKind::Erosion); }, true},
    {"Both", [](Workspace& w) { performAnalysis(w, AnalysisKind::Both); }, true},
    {"DesignThickness", [](Workspace& w) { computeDesignThickness(w); }, true},
    {"ReadFile", [](Workspace& w) { readDataBytes(w, kMetricFile, "a.DEF"); }, true},
    {"ReadRejectedFile", [](Workspace& w) { readDataBytes(w, kWrongMarker, "a.DEF"); }, false},
    {"ReadTruncatedFile",
     [](Workspace& w) { readDataBytes(w, kMetricFile.substr(0, 200), "a.DEF"); }, false},
    {"SaveInputData", [](Workspace& w) { (void)inputDataFileBytes(w); }, true},
    {"SaveOrPrintReport", [](Workspace& w) { (void)reportForSaveOrPrint(w); }, true},
};

class CommandSections : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandSections, CreateTheSectionsAsTheProgramAlwaysHas) {
    Workspace ws = fresh(UnitSystem::Metric);
    GetParam().run(ws);
    const bool created = GetParam().createsSections;
    EXPECT_EQ(ws.hasPavement(), created);
    EXPECT_EQ(ws.hasTraffic(), created);
    EXPECT_EQ(ws.hasAxles(), created);
    EXPECT_EQ(ws.unitChoiceLocked(), created);
    EXPECT_EQ(ws.unitSystem(), UnitSystem::Metric);
    if (created) {
        EXPECT_EQ(ws.axles().loadHeading, "Axle Load (kN)");
    }
}

TEST(CommandSections, RefusedAnalysisStillCreatesEverySection) {
    Workspace ws;
    ws.ensureTraffic().loadSafetyFactor = "0";  // the traffic section does not lock
    ASSERT_FALSE(ws.unitChoiceLocked());
    EXPECT_EQ(performAnalysis(ws, AnalysisKind::Both).status, CommandStatus::Refused);
    EXPECT_TRUE(ws.hasPavement() && ws.hasAxles() && ws.unitChoiceLocked());
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandSections, testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan
