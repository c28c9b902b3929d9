#include "model/pavement_models.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zan {
namespace {

// Published values for h = 9.5 in, k = 130 psi/in (radius of relative stiffness 38.73 in),
// Sc = 650 psi, computed in double precision; the single-precision storage points agree to
// about five significant digits.
constexpr float kH = 9.5f;
constexpr float kK = 130.0f;
constexpr float kSc = 650.0f;

void expectClose(double actual, double expected, double relative, const char* what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * relative) << what;
}

TEST(PavementModels, RadiusOfRelativeStiffness) {
    expectClose(radiusOfRelativeStiffness(kH, kK), 38.73, 2e-4, "l");
}

struct StressCase {
    const char* name;
    AxleType axle;
    float load;
    ShoulderType shoulder;
    double stress;
    double allowable;  // 0: unlimited
};

class EquivalentStressTest : public ::testing::TestWithParam<StressCase> {};

TEST_P(EquivalentStressTest, MatchesPublishedValues) {
    const StressCase& c = GetParam();
    const float se = equivalentStress(kH, kK, c.load, c.axle, c.shoulder);
    expectClose(se, c.stress, 2e-5, "stress");
    const float nf = fatigueAllowableRepetitions(se, kSc);
    if (c.allowable == 0.0)
        EXPECT_EQ(nf, kUnlimitedRepetitions);
    else
        expectClose(nf, c.allowable, 2e-4, "allowable");
}

INSTANTIATE_TEST_SUITE_P(
    Published, EquivalentStressTest,
    ::testing::Values(
        StressCase{"SingleNoShoulder", AxleType::Single, 30, ShoulderType::None, 331.75, 4.775e5},
        StressCase{"SingleShoulder", AxleType::Single, 30, ShoulderType::Concrete, 272.38, 0},
        StressCase{"TandemNoShoulder", AxleType::Tandem, 52, ShoulderType::None, 269.31, 0},
        StressCase{"TandemShoulder", AxleType::Tandem, 52, ShoulderType::Concrete, 212.77, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErosionCase {
    const char* name;
    AxleType axle;
    float load;
    ShoulderType shoulder;
    JointType joints;
    double deflection, power, factor, allowable;
};

class ErosionModelTest : public ::testing::TestWithParam<ErosionCase> {};

TEST_P(ErosionModelTest, MatchesPublishedValues) {
    const ErosionCase& c = GetParam();
    expectClose(slabDeflection(kH, kK, c.load, c.axle, c.shoulder, c.joints), c.deflection, 2e-4,
                "w");
    expectClose(erosionPower(kH, kK, c.load, c.axle, c.shoulder, c.joints), c.power, 3e-4, "P'");
    expectClose(erosionFactor(kH, kK, c.load, c.axle, c.shoulder, c.joints), c.factor, 2e-4, "EF");
    expectClose(erosionAllowableRepetitions(kH, kK, c.load, c.axle, c.shoulder, c.joints),
                c.allowable, 3e-4, "Ne");
}

INSTANTIATE_TEST_SUITE_P(
    Published, ErosionModelTest,
    ::testing::Values(
        ErosionCase{"SingleNoShoulderDoweled", AxleType::Single, 30, ShoulderType::None,
                    JointType::Doweled, 0.04387, 26.34, 4.270, 4.519e6},
        ErosionCase{"SingleNoShoulderAggregate", AxleType::Single, 30, ShoulderType::None,
                    JointType::AggregateInterlock, 0.05766, 45.50, 4.745, 8.518e5},
        ErosionCase{"SingleShoulderDoweled", AxleType::Single, 30, ShoulderType::Concrete,
                    JointType::Doweled, 0.02751, 10.36, 3.460, 3.628e7},
        ErosionCase{"TandemNoShoulderAggregate", AxleType::Tandem, 52, ShoulderType::None,
                    JointType::AggregateInterlock, 0.06545, 58.62, 4.965, 4.120e5},
        ErosionCase{"TandemShoulderAggregate", AxleType::Tandem, 52, ShoulderType::Concrete,
                    JointType::AggregateInterlock, 0.03855, 20.33, 4.046, 7.075e5}),
    [](const auto& info) { return std::string(info.param.name); });

// The stress ratio thresholds are compared in single precision: a ratio exactly at 0.55 takes
// the first curve, one exactly at 0.45 is unlimited.
TEST(FatigueAllowableRepetitions, Thresholds) {
    EXPECT_NEAR(fatigueAllowableRepetitions(0.55f, 1.0f), 124351.0, 150.0);
    EXPECT_EQ(fatigueAllowableRepetitions(0.45f, 1.0f), kUnlimitedRepetitions);
    EXPECT_NEAR(fatigueAllowableRepetitions(0.4501f, 1.0f), 6.2e7, 0.1e7);
    EXPECT_EQ(fatigueAllowableRepetitions(-10.0f, 650.0f), kUnlimitedRepetitions);
}

TEST(ErosionAllowableRepetitions, NoLimitBelowTheCurve) {
    // A light load on a thick slab: C1 P' stays below 9.
    EXPECT_EQ(erosionAllowableRepetitions(14.0f, 500.0f, 4.0f, AxleType::Single,
                                          ShoulderType::Concrete, JointType::Doweled),
              kUnlimitedRepetitions);
}

TEST(Log10Single, IsNaturalLogRatioInSinglePrecision) {
    EXPECT_EQ(log10Single(1000.0), static_cast<float>(std::log(1000.0) / std::log(10.0)));
}

}  // namespace
}  // namespace zan
