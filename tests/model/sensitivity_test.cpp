#include "model/sensitivity.h"
#include "model/input_ranges.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/design_search.h"
#include "model/workspace.h"

namespace zan {
namespace {

// The texts the changed searches must run with, written out, and a setter that reaches the
// input without going through inputText, so that a wrong field shows.
struct InputCase {
    InputField input;
    const char* lowerText;
    const char* upperText;
    std::function<void(Workspace&, const std::string&)> set;
    int direction;  // +1: a larger value needs a thicker slab; -1: a thinner one
};

using Set = std::function<void(Workspace&, const std::string&)>;
const Set kSetK = [](Workspace& ws, const std::string& t) {
    ws.ensurePavement().subgradeModulus = t;
};
const Set kSetSc = [](Workspace& ws, const std::string& t) {
    ws.ensurePavement().modulusOfRupture = t;
};
const Set kSetAdt = [](Workspace& ws, const std::string& t) {
    ws.ensureTraffic().averageDailyTraffic = t;
};
const Set kSetTd = [](Workspace& ws, const std::string& t) { ws.ensureTraffic().truckPercent = t; };
const Set kSetGrowth = [](Workspace& ws, const std::string& t) {
    ws.ensureTraffic().growthPercent = t;
};
const Set kSetLsf = [](Workspace& ws, const std::string& t) {
    ws.ensureTraffic().loadSafetyFactor = t;
};
const Set kSetPeriod = [](Workspace& ws, const std::string& t) {
    ws.ensureTraffic().designPeriod = t;
};

struct DesignCase {
    const char* name;
    UnitSystem units;
    std::vector<InputCase> inputs;
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.name;
}

const DesignCase kDesigns[] = {
    {"InitialEnglish",
     UnitSystem::English,
     {{InputField::SubgradeModulus, "104", "156", kSetK, -1},
      {InputField::ModulusOfRupture, "520", "780", kSetSc, -1},
      {InputField::AverageDailyTraffic, "10320", "15480", kSetAdt, +1},
      {InputField::TruckPercent, "15.2", "22.8", kSetTd, +1},
      {InputField::GrowthPercent, "3.2", "4.8", kSetGrowth, +1},
      {InputField::LoadSafetyFactor, "0.96", "1.44", kSetLsf, +1},
      {InputField::DesignPeriod, "16", "24", kSetPeriod, +1}}},
    {"InitialMetric",
     UnitSystem::Metric,
     {{InputField::SubgradeModulus, "28.16", "42.24", kSetK, -1},
      {InputField::ModulusOfRupture, "3583.2", "5374.8", kSetSc, -1},
      {InputField::AverageDailyTraffic, "10320", "15480", kSetAdt, +1},
      {InputField::TruckPercent, "15.2", "22.8", kSetTd, +1},
      {InputField::GrowthPercent, "3.2", "4.8", kSetGrowth, +1},
      {InputField::LoadSafetyFactor, "0.96", "1.44", kSetLsf, +1},
      {InputField::DesignPeriod, "16", "24", kSetPeriod, +1}}},
};

class SensitivityTest : public ::testing::TestWithParam<DesignCase> {
  protected:
    Workspace design() const {
        Workspace ws;
        EXPECT_TRUE(ws.chooseUnitSystem(GetParam().units));
        return ws;
    }
};

std::optional<float> searchWith(Workspace ws, const Set& set, const std::string& text) {
    set(ws, text);
    auto found = searchDesignThickness(ws);
    return found ? std::optional<float>(found->thickness) : std::nullopt;
}

TEST_P(SensitivityTest, EachCaseIsASeparateSearchWithTheChangedText) {
    Workspace ws = design();
    const Sensitivity s = sensitivity(ws);
    EXPECT_EQ(s.units, GetParam().units);
    auto base = searchDesignThickness(ws);
    ASSERT_TRUE(base.ok());
    EXPECT_EQ(s.base.thickness, base->thickness);

    const auto& inputs = GetParam().inputs;
    ASSERT_EQ(s.rows.size(), inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const InputCase& c = inputs[i];
        const SensitivityRow& row = s.rows[i];
        SCOPED_TRACE(shortInputName(c.input, GetParam().units));
        EXPECT_EQ(row.input, c.input);
        EXPECT_EQ(row.lower.text, c.lowerText);
        EXPECT_EQ(row.upper.text, c.upperText);
        EXPECT_EQ(row.lower.thickness, searchWith(ws, c.set, c.lowerText));
        EXPECT_EQ(row.upper.thickness, searchWith(ws, c.set, c.upperText));
        EXPECT_TRUE(row.lower.message.empty() && row.upper.message.empty());
    }
}

// Catches a swapped pair or a change applied to the wrong input: the design only thickens
// with more load and thins with a stiffer subgrade or a stronger concrete.
TEST_P(SensitivityTest, ThicknessMovesTheWayTheInputActs) {
    const Sensitivity s = sensitivity(design());
    ASSERT_TRUE(s.base.thickness.has_value());
    const float base = *s.base.thickness;
    const auto& inputs = GetParam().inputs;
    ASSERT_EQ(s.rows.size(), inputs.size());
    bool anyMoved = false;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE(shortInputName(inputs[i].input, GetParam().units));
        const float lower = s.rows[i].lower.thickness.value();
        const float upper = s.rows[i].upper.thickness.value();
        if (inputs[i].direction > 0) {
            EXPECT_LE(lower, base);
            EXPECT_GE(upper, base);
        } else {
            EXPECT_GE(lower, base);
            EXPECT_LE(upper, base);
        }
        anyMoved = anyMoved || lower != upper;
    }
    EXPECT_TRUE(anyMoved);
}

TEST_P(SensitivityTest, LeavesTheUsersWorkspaceAsItWas) {
    Workspace fresh = design();
    const Workspace freshBefore = fresh;
    sensitivity(fresh);
    EXPECT_EQ(fresh, freshBefore);

    Workspace touched = design();
    touched.ensurePavement();
    touched.ensureTraffic().averageDailyTraffic = "9000";
    const Workspace touchedBefore = touched;
    sensitivity(touched);
    EXPECT_EQ(touched, touchedBefore);
}

INSTANTIATE_TEST_SUITE_P(Designs, SensitivityTest, ::testing::ValuesIn(kDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

// Inputs that are not simply numbers to scale.
struct EdgeCase {
    const char* name;
    InputField input;
    const char* text;
    const char* lowerText;
    const char* upperText;
    bool baseFound;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class SensitivityEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(SensitivityEdgeTest, CasesCarryTheSearchesOutcome) {
    const EdgeCase& c = GetParam();
    Workspace ws;
    ensureInputText(ws, c.input, 0) = c.text;
    const Sensitivity s = sensitivity(ws);
    EXPECT_EQ(s.base.thickness.has_value(), c.baseFound);
    auto base = searchDesignThickness(ws);
    if (!base) {
        EXPECT_EQ(s.base.message, designSearchErrorMessage(base.error()));
    }

    const SensitivityRow* row = nullptr;
    for (const SensitivityRow& r : s.rows)
        if (r.input == c.input)
            row = &r;
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->lower.text, c.lowerText);
    EXPECT_EQ(row->upper.text, c.upperText);
    for (const SensitivityCase* k : {&row->lower, &row->upper}) {
        SCOPED_TRACE(k->text);
        Workspace changed = ws;
        ensureInputText(changed, c.input, 0) = k->text;
        auto found = searchDesignThickness(changed);
        if (found) {
            EXPECT_EQ(k->thickness, found->thickness);
            EXPECT_TRUE(k->message.empty());
        } else {
            EXPECT_FALSE(k->thickness.has_value());
            EXPECT_EQ(k->message, designSearchErrorMessage(found.error()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SensitivityEdgeTest,
    ::testing::Values(
        // Zero growth stays zero either way.
        EdgeCase{"ZeroGrowth", InputField::GrowthPercent, "0", "0", "0", true},
        EdgeCase{"NegativeGrowth", InputField::GrowthPercent, "-2", "-1.6", "-2.4", true},
        EdgeCase{"ZeroSubgrade", InputField::SubgradeModulus, "0", "0", "0", false},
        // Overflow reads 0, so an infinite value is not written back as a text.
        EdgeCase{"InfiniteTraffic", InputField::AverageDailyTraffic, "1e999", "1e999", "1e999",
                 false},
        EdgeCase{"TextAfterTheNumber", InputField::ModulusOfRupture, "650 psi", "520", "780", true},
        // Rupture far too low: nothing up to the search's limit passes.
        EdgeCase{"WeakConcrete", InputField::ModulusOfRupture, "40", "32", "48", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan
