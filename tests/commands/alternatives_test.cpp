#include "model/design_alternatives.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/commands.h"
#include "model/numbers.h"

namespace zan {
namespace {

struct DesignCase {
    const char* name;
    UnitSystem units;
    const char* exampleFile;  // nullptr: the initial texts
    bool concreteShoulder;
    bool doweledJoints;
};

Workspace workspaceFor(const DesignCase& c) {
    Workspace ws;
    ws.chooseUnitSystem(c.units);
    if (c.exampleFile != nullptr) {
        const CommandOutcome read =
            readDataFile(ws, std::string(ZAN_EXAMPLES_DIR) + "/" + c.exampleFile);
        EXPECT_TRUE(read.ok()) << c.exampleFile;
    }
    ws.ensurePavement().concreteShoulder = c.concreteShoulder;
    ws.ensurePavement().doweledJoints = c.doweledJoints;
    return ws;
}

class DesignAlternativesOf : public ::testing::TestWithParam<DesignCase> {};

// Each alternative is what Compute Design Thickness finds on a copy of the inputs with that
// combination of shoulder and dowels: the thickness it writes into the trial thickness, or
// its message when it finds none.
TEST_P(DesignAlternativesOf, AreSeparateDesignThicknessCommands) {
    const Workspace ws = workspaceFor(GetParam());
    const Workspace untouched = ws;
    const DesignAlternatives result = designAlternatives(ws);
    EXPECT_EQ(ws, untouched) << "the inputs are never changed";
    EXPECT_EQ(result.units, ws.unitSystem());

    int entered = 0;
    for (const DesignAlternative& alternative : result.alternatives) {
        SCOPED_TRACE(testing::Message() << "shoulder " << alternative.concreteShoulder << " dowels "
                                        << alternative.doweledJoints);
        Workspace copy = ws;
        copy.ensurePavement().concreteShoulder = alternative.concreteShoulder;
        copy.ensurePavement().doweledJoints = alternative.doweledJoints;
        const CommandOutcome command = computeDesignThickness(copy);
        if (command.ok()) {
            ASSERT_TRUE(alternative.thickness.has_value()) << alternative.message;
            EXPECT_EQ(*alternative.thickness,
                      static_cast<float>(parseNumber(copy.pavement().thickness)));
            EXPECT_EQ(alternative.message, "");
        } else {
            EXPECT_FALSE(alternative.thickness.has_value());
            ASSERT_TRUE(command.message.has_value());
            EXPECT_EQ(alternative.message, command.message->text);
        }
        const bool isEntered = alternative.concreteShoulder == GetParam().concreteShoulder &&
                               alternative.doweledJoints == GetParam().doweledJoints;
        EXPECT_EQ(alternative.entered, isEntered);
        entered += alternative.entered ? 1 : 0;
    }
    EXPECT_EQ(entered, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignAlternativesOf,
    ::testing::Values(
        DesignCase{"InitialEnglish", UnitSystem::English, nullptr, false, true},
        DesignCase{"InitialMetric", UnitSystem::Metric, nullptr, false, true},
        DesignCase{"InitialEnglishWithShoulder", UnitSystem::English, nullptr, true, false},
        DesignCase{"HeavyExample", UnitSystem::English, "heavy.DEF", false, true},
        DesignCase{"VeryHeavyExampleWithShoulder", UnitSystem::English, "very-heavy.DEF", true,
                   true},
        DesignCase{"LightExampleWithoutDowels", UnitSystem::English, "light.DEF", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesignAlternatives, ComeInAFixedOrder) {
    const DesignAlternatives result = designAlternatives(Workspace{});
    const bool shoulders[] = {false, false, true, true};
    const bool dowels[] = {true, false, true, false};
    for (std::size_t i = 0; i < result.alternatives.size(); ++i) {
        EXPECT_EQ(result.alternatives[i].concreteShoulder, shoulders[i]) << i;
        EXPECT_EQ(result.alternatives[i].doweledJoints, dowels[i]) << i;
    }
    // A shoulder and dowels each carry part of the load: the plain slab is the thickest.
    ASSERT_TRUE(result.alternatives[0].thickness && result.alternatives[1].thickness &&
                result.alternatives[2].thickness);
    EXPECT_GE(*result.alternatives[1].thickness, *result.alternatives[0].thickness);
    EXPECT_LE(*result.alternatives[2].thickness, *result.alternatives[0].thickness);
}

// Inputs the analysis refuses give every alternative the search's message and no thickness.
TEST(DesignAlternatives, RefusedInputsGiveEveryAlternativeTheMessage) {
    Workspace ws;
    ws.ensurePavement().subgradeModulus = "0";
    for (const DesignAlternative& alternative : designAlternatives(ws).alternatives) {
        EXPECT_FALSE(alternative.thickness.has_value());
        EXPECT_NE(alternative.message.find("subgrade modulus"), std::string::npos)
            << alternative.message;
    }
}

}  // namespace
}  // namespace zan
