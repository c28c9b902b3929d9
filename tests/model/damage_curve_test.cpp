#include "model/damage_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "model/workspace.h"

namespace zan {
namespace {

Workspace initialDesign(UnitSystem units) {
    Workspace ws;
    EXPECT_TRUE(ws.chooseUnitSystem(units));
    return ws;
}

const DamagePoint* pointAt(const DamageCurve& curve, float thickness) {
    auto it = std::find_if(curve.points.begin(), curve.points.end(),
                           [&](const DamagePoint& p) { return p.thickness == thickness; });
    return it == curve.points.end() ? nullptr : &*it;
}

// Designs whose curves the chart must show whole.
struct CurveCase {
    const char* name;
    UnitSystem units;
    std::function<void(Workspace&)> change;
    float recommended;               // what the search finds
    std::vector<float> thicknesses;  // on the curve
};

void PrintTo(const CurveCase& c, std::ostream* os) {
    *os << c.name;
}

const CurveCase kCurveCases[] = {
    {"InitialEnglish", UnitSystem::English, [](Workspace&) {}, 9.5f, {7.0f, 9.5f, 12.0f}},
    {"InitialMetric", UnitSystem::Metric, [](Workspace&) {}, 24.0f, {18.0f, 24.0f, 30.5f}},
    // A tied shoulder and a low load factor move the crossings apart.
    {"ShoulderLowLoads",
     UnitSystem::English,
     [](Workspace& ws) {
         ws.ensurePavement().concreteShoulder = true;
         ws.ensureTraffic().loadSafetyFactor = "1";
     },
     0.0f,
     {}},
    {"AggregateInterlockHeavyTraffic",
     UnitSystem::English,
     [](Workspace& ws) {
         ws.ensurePavement().doweledJoints = false;
         ws.ensureTraffic().averageDailyTraffic = "40000";
     },
     0.0f,
     {}},
    // Erosion crosses 100 % below two thirds of the recommended thickness: the range walks
    // further down to show it.
    {"LightTrafficErosionCrossesLow",
     UnitSystem::English,
     [](Workspace& ws) {
         ws.ensureTraffic().averageDailyTraffic = "500";
         ws.ensureTraffic().loadSafetyFactor = "1";
     },
     7.5f,
     {4.75f, 7.5f, 11.0f}},
    {"MetricTrialFarAbove",
     UnitSystem::Metric,
     [](Workspace& ws) { ws.ensurePavement().thickness = "60"; },
     24.0f,
     {}},
};

class DamageCurveTest : public ::testing::TestWithParam<CurveCase> {
  protected:
    Workspace design() const {
        Workspace ws = initialDesign(GetParam().units);
        GetParam().change(ws);
        return ws;
    }
};

TEST_P(DamageCurveTest, IsTheSearchResultWithBothCrossingsOnTheGrid) {
    Workspace ws = design();
    auto curve = damageCurve(ws);
    ASSERT_TRUE(curve.ok()) << designSearchErrorMessage(curve.error());
    auto found = searchDesignThickness(ws);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(curve->recommendedThickness, found->thickness);
    if (GetParam().recommended > 0.0f) {
        EXPECT_EQ(curve->recommendedThickness, GetParam().recommended);
    }

    const auto& pts = curve->points;
    ASSERT_GE(pts.size(), 2u);
    const float step = GetParam().units == UnitSystem::Metric ? 0.5f : 0.25f;
    EXPECT_EQ(curve->step, step);
    const float r = curve->recommendedThickness;
    EXPECT_LE(pts.front().thickness, r * 2.0f / 3.0f);
    EXPECT_GE(pts.back().thickness, r * 1.5f);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        SCOPED_TRACE(pts[i].thickness);
        EXPECT_EQ(std::fmod(pts[i].thickness, step), 0.0f);
        if (i > 0) {
            EXPECT_EQ(pts[i].thickness - pts[i - 1].thickness, step);
        }
    }
    auto crosses = [&](float DamagePoint::*total) {
        return std::any_of(pts.begin(), pts.end(), [&](auto& p) { return p.*total >= 100.0f; }) &&
               std::any_of(pts.begin(), pts.end(), [&](auto& p) { return p.*total < 100.0f; });
    };
    EXPECT_TRUE(crosses(&DamagePoint::totalFatigueDamage));
    EXPECT_TRUE(crosses(&DamagePoint::totalErosionDamage));
    ASSERT_NE(pointAt(*curve, r), nullptr);
    EXPECT_TRUE(pointAt(*curve, r)->totalFatigueDamage < 100.0f &&
                pointAt(*curve, r)->totalErosionDamage < 100.0f);
}

// Every point, the walked-down ones included, is the analysis at its thickness; the named
// thicknesses are on the curve.
TEST_P(DamageCurveTest, PointsAreTheAnalysisAtTheirThicknesses) {
    Workspace ws = design();
    auto curve = damageCurve(ws);
    ASSERT_TRUE(curve.ok());
    for (const DamagePoint& p : curve->points) {
        SCOPED_TRACE(p.thickness);
        auto run =
            runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{p.thickness}, true, true});
        ASSERT_TRUE(run.ok());
        EXPECT_EQ(p.totalFatigueDamage, run->totalFatigueDamage);
        EXPECT_EQ(p.totalErosionDamage, run->totalErosionDamage);
    }
    for (float h : GetParam().thicknesses)
        EXPECT_NE(pointAt(*curve, h), nullptr) << h;
}

INSTANTIATE_TEST_SUITE_P(Designs, DamageCurveTest, ::testing::ValuesIn(kCurveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DamageCurve, LeavesTheUsersWorkspaceAsItWas) {
    Workspace ws;
    const Workspace before = ws;
    ASSERT_TRUE(damageCurve(ws).ok());
    EXPECT_EQ(ws, before);
    EXPECT_FALSE(ws.unitChoiceLocked());  // the chart creates no section of its own
}

// Where the trial thickness lies decides whether the range stretches to show it.
struct TrialCase {
    const char* name;
    const char* text;
    std::optional<float> trial;
    float first;  // thinnest point at most
    float last;   // thickest point at least
    float below;  // thickest point below this
};

void PrintTo(const TrialCase& c, std::ostream* os) {
    *os << c.name;
}

class DamageCurveTrialTest : public ::testing::TestWithParam<TrialCase> {};

TEST_P(DamageCurveTrialTest, RangeTakesInANearbyTrial) {
    const TrialCase& c = GetParam();
    Workspace ws;
    ws.ensurePavement().thickness = c.text;
    auto curve = damageCurve(ws);
    ASSERT_TRUE(curve.ok());
    EXPECT_EQ(curve->recommendedThickness, 9.5f);
    EXPECT_EQ(curve->trialThickness, c.trial);
    EXPECT_LE(curve->points.front().thickness, c.first);
    EXPECT_GE(curve->points.back().thickness, c.last);
    EXPECT_LT(curve->points.back().thickness, c.below);
}

INSTANTIATE_TEST_SUITE_P(Trials, DamageCurveTrialTest,
                         ::testing::Values(TrialCase{"Thick", "20.1", 20.1f, 6.25f, 20.25f, 20.5f},
                                           TrialCase{"Thin", "4.1", 4.1f, 4.0f, 14.25f, 14.5f},
                                           TrialCase{"FarAbove", "40", 40.0f, 6.25f, 14.25f,
                                                     14.5f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DamageCurve, RefusedDesignGivesTheSearchesError) {
    Workspace ws;
    ws.ensurePavement().subgradeModulus = "0";
    auto curve = damageCurve(ws);
    auto found = searchDesignThickness(ws);
    ASSERT_FALSE(curve.ok());
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(designSearchErrorMessage(curve.error()), designSearchErrorMessage(found.error()));
}

// Each grid thickness is there exactly when the analysis takes it; the models refuse the
// thinnest slabs.
TEST(DamagePoints, LeaveOutWhatTheAnalysisRefuses) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        Workspace ws = initialDesign(units);
        const float step = searchStep(units);
        const auto points = damagePoints(ws, -3.0f, 20.0f);
        ASSERT_FALSE(points.empty());
        std::size_t next = 0;
        int refused = 0;
        for (float h = step; h <= 20.0f; h += step) {
            SCOPED_TRACE(h);
            auto run = runDamageAnalysis(ws, AnalysisRequest{EnteredThickness{h}, true, true});
            if (!run) {
                ++refused;
                continue;
            }
            ASSERT_LT(next, points.size());
            EXPECT_EQ(points[next],
                      (DamagePoint{h, run->totalFatigueDamage, run->totalErosionDamage}));
            ++next;
        }
        EXPECT_EQ(next, points.size());
        EXPECT_GT(refused, 0);
    }
}

struct RangeCase {
    const char* name;
    float from;
    float to;
    std::vector<float> thicknesses;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagePointsRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DamagePointsRangeTest, RoundInwardOntoTheGrid) {
    const RangeCase& c = GetParam();
    std::vector<float> got;
    for (const DamagePoint& p : damagePoints(Workspace{}, c.from, c.to))
        got.push_back(p.thickness);
    EXPECT_EQ(got, c.thicknesses);
}

INSTANTIATE_TEST_SUITE_P(Ranges, DamagePointsRangeTest,
                         ::testing::Values(RangeCase{"Inward", 8.1f, 8.9f, {8.25f, 8.5f, 8.75f}},
                                           RangeCase{"OnTheGrid", 9.0f, 9.5f, {9.0f, 9.25f, 9.5f}},
                                           RangeCase{"Single", 9.2f, 9.3f, {9.25f}},
                                           RangeCase{"BetweenTwoSteps", 9.3f, 9.4f, {}},
                                           RangeCase{"Reversed", 10.0f, 9.0f, {}},
                                           RangeCase{"NotFinite", 9.0f, INFINITY, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan
