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

SlabCase slab(float h, float k, ShoulderType shoulder, JointType joints = JointType::Doweled) {
    return SlabCase{Inches{h}, k, shoulder, joints};
}

void expectClose(double actual, double expected, double relative, const char* what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * relative) << what;
}

TEST(PavementModels, RadiusOfRelativeStiffness) {
    expectClose(radiusOfRelativeStiffness(Inches{kH}, kK), 38.73, 2e-4, "l");
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
    const float se = equivalentStress(slab(kH, kK, c.shoulder), c.load, c.axle);
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
    const SlabCase published = slab(kH, kK, c.shoulder, c.joints);
    expectClose(slabDeflection(published, c.load, c.axle), c.deflection, 2e-4, "w");
    expectClose(erosionPower(published, c.load, c.axle), c.power, 3e-4, "P'");
    expectClose(erosionFactor(published, c.load, c.axle), c.factor, 2e-4, "EF");
    expectClose(erosionAllowableRepetitions(published, c.load, c.axle), c.allowable, 3e-4, "Ne");
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
    EXPECT_EQ(erosionAllowableRepetitions(slab(14.0f, 500.0f, ShoulderType::Concrete), 4.0f,
                                          AxleType::Single),
              kUnlimitedRepetitions);
}

// The terms are what the details table shows; they must be bit for bit the values the
// single-value models give the analysis, over thin to thick slabs, weak to stiff foundations
// and light to very heavy loads, in every case of axle, shoulder and joints.
struct TermsCase {
    const char* name;
    AxleType axle;
    ShoulderType shoulder;
    JointType joints;
};

class ModelTerms : public ::testing::TestWithParam<TermsCase> {};

TEST_P(ModelTerms, AreTheValuesOfTheSingleValueModels) {
    const TermsCase& c = GetParam();
    for (float h : {4.0f, 6.5f, 9.5f, 12.25f, 16.0f})
        for (float k : {50.0f, 130.0f, 300.0f, 700.0f})
            for (float p : {2.0f, 18.0f, 36.0f, 62.4f, 120.0f}) {
                SCOPED_TRACE(testing::Message() << "h " << h << " k " << k << " P " << p);
                const SlabCase sc = slab(h, k, c.shoulder, c.joints);
                const StressTerms s = stressTerms(sc, p, c.axle);
                EXPECT_EQ(s.stress, equivalentStress(sc, p, c.axle));
                EXPECT_EQ(s.radius, radiusOfRelativeStiffness(Inches{h}, k));
                const ErosionTerms e = erosionTerms(sc, p, c.axle);
                EXPECT_EQ(e.deflection, slabDeflection(sc, p, c.axle));
                EXPECT_EQ(e.power, erosionPower(sc, p, c.axle));
                EXPECT_EQ(e.factor, erosionFactor(sc, p, c.axle));
                EXPECT_EQ(e.allowable, erosionAllowableRepetitions(sc, p, c.axle));
            }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelTerms,
    ::testing::Values(TermsCase{"SingleNoShoulderDoweled", AxleType::Single, ShoulderType::None,
                                JointType::Doweled},
                      TermsCase{"SingleNoShoulderAggregate", AxleType::Single, ShoulderType::None,
                                JointType::AggregateInterlock},
                      TermsCase{"SingleShoulderDoweled", AxleType::Single, ShoulderType::Concrete,
                                JointType::Doweled},
                      TermsCase{"SingleShoulderAggregate", AxleType::Single, ShoulderType::Concrete,
                                JointType::AggregateInterlock},
                      TermsCase{"TandemNoShoulderDoweled", AxleType::Tandem, ShoulderType::None,
                                JointType::Doweled},
                      TermsCase{"TandemNoShoulderAggregate", AxleType::Tandem, ShoulderType::None,
                                JointType::AggregateInterlock},
                      TermsCase{"TandemShoulderDoweled", AxleType::Tandem, ShoulderType::Concrete,
                                JointType::Doweled},
                      TermsCase{"TandemShoulderAggregate", AxleType::Tandem, ShoulderType::Concrete,
                                JointType::AggregateInterlock}),
    [](const auto& info) { return std::string(info.param.name); });

// The published case with a shoulder: f2 is 1 and the shoulder factor enters M.
TEST(StressTerms, WithAShoulderTheEdgeFactorIsOne) {
    const StressTerms s =
        stressTerms(slab(kH, kK, ShoulderType::Concrete), 30.0f, AxleType::Single);
    EXPECT_EQ(s.edgeFactor, 1.0f);
    expectClose(s.stress, 272.38, 2e-5, "stress");
    EXPECT_EQ(stressRatio(s.stress, kSc), static_cast<float>(static_cast<double>(s.stress) / kSc));
}

TEST(Log10Single, IsNaturalLogRatioInSinglePrecision) {
    EXPECT_EQ(log10Single(1000.0), static_cast<float>(std::log(1000.0) / std::log(10.0)));
}

}  // namespace
}  // namespace zan
