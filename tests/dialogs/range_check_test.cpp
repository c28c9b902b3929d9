#include "dialogs/range_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/numbers.h"
#include "support/fake_platform.h"

namespace zan::test {
namespace {

Message invalid(const std::string& name) {
    return {name + " is an invalid number; please try again!", "Input Data Check", Icon::None,
            Buttons::CancelTryAgainContinue};
}
Message question(const std::string& text) {
    return {text, "Input Data Check", Icon::None, Buttons::YesNo};
}
Message keep(const std::string& name) {
    return {"Keep the " + name + " input value anyway!", "", Icon::None, Buttons::Ok};
}

struct CheckCase {
    const char* name;
    std::string text;
    FieldRange range;
    std::vector<Answer> answers;
    std::string result;
    std::vector<Message> messages;
};

class RangeCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(RangeCheck, ShowsTheMessagesAndReturnsTheFieldText) {
    const CheckCase& c = GetParam();
    FakePlatform platform;
    platform.answers.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(checkInputValue(platform, c.text, c.range), c.result);
    EXPECT_EQ(platform.messages, c.messages);
    EXPECT_TRUE(platform.answers.empty()) << "a scripted answer was not asked for";
}

const FieldRange kH1{"h1", 4.0f, 20.0f};
const FieldRange kH1Metric{"h1", 10.16f, 50.8f};
const FieldRange kAdt{"ADT", 1.0f, 1000000.0f};
const FieldRange kTd{"TD", 0.0f, 100.0f};
const FieldRange kLsf{"LSF", 1.0f, 1.3f};
const std::string kH1Below =
    "h1 is not within the typical data range( 4,  20). Accept the suggested minimum value?";
const std::string kH1Above =
    "h1 is not within the typical data range( 4,  20). Accept the suggested maximum value?";

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeCheck,
    ::testing::Values(
        CheckCase{"EmptyText", "", kAdt, {}, "", {invalid("ADT")}},
        CheckCase{"BlanksOnly", "   ", kAdt, {}, "   ", {invalid("ADT")}},
        CheckCase{"UnitAfterNumber", "9.5 in", kH1, {Answer::TryAgain}, "9.5 in", {invalid("h1")}},
        CheckCase{"TwoNumbers", "1 2", kH1, {Answer::Continue}, "1 2", {invalid("h1")}},
        CheckCase{"ThousandsSeparator", "12,900", kAdt, {}, "12,900", {invalid("ADT")}},
        CheckCase{"NegativeWhereRangeStartsAtZero", "-1", kTd, {}, "-1", {invalid("TD")}},
        CheckCase{"BelowYesGivesMinimum", "3", kH1, {Answer::Yes}, "4", {question(kH1Below)}},
        CheckCase{
            "BelowNoKeepsText", "3", kH1, {Answer::No}, "3", {question(kH1Below), keep("h1")}},
        CheckCase{"AboveYesGivesMaximum", "25", kH1, {Answer::Yes}, "20", {question(kH1Above)}},
        CheckCase{"MaximumWrittenWithoutExponent",
                  "2e6",
                  kAdt,
                  {Answer::Yes},
                  "1000000",
                  {question("ADT is not within the typical data range( 1,  1000000). Accept "
                            "the suggested maximum value?")}},
        CheckCase{"ZeroAdtOffersOne",
                  "0",
                  kAdt,
                  {Answer::Yes},
                  "1",
                  {question("ADT is not within the typical data range( 1,  1000000). Accept "
                            "the suggested minimum value?")}},
        CheckCase{"MetricMinimumIsTheTableNumber",
                  "10",
                  kH1Metric,
                  {Answer::Yes},
                  "10.16",
                  {question("h1 is not within the typical data range( 10.16,  50.8). Accept "
                            "the suggested minimum value?")}},
        CheckCase{"LsfAboveOffersOnePointThree",
                  "1.5",
                  kLsf,
                  {Answer::Yes},
                  "1.3",
                  {question("LSF is not within the typical data range( 1,  1.3). Accept the "
                            "suggested maximum value?")}},
        CheckCase{"LsfAtMaximumPasses", "1.3", kLsf, {}, "1.3", {}},
        CheckCase{"MinimumIsInclusive", "4", kH1, {}, "4", {}},
        CheckCase{"MaximumIsInclusive", "20.0", kH1, {}, "20.0", {}},
        CheckCase{"BlanksAroundAreKept", "  9.5 ", kH1, {}, "  9.5 ", {}},
        CheckCase{"ExponentInRange", "1.2E1", kH1, {}, "1.2E1", {}},
        CheckCase{"NegativeZeroIsZero", "-0", kTd, {}, "-0", {}},
        CheckCase{"BeyondSinglePrecision", "1e39", kH1, {Answer::Yes}, "20", {question(kH1Above)}},
        CheckCase{"BeyondDoublePrecisionKept",
                  "1e400",
                  kH1,
                  {Answer::No},
                  "1e400",
                  {question(kH1Above), keep("h1")}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every field's range as the dialogs have always applied it, stated here rather than read from
// the table under test, with the factor that turns the English bounds into the Metric ones (1
// for the inputs without a unit system).
struct StatedRange {
    InputField field;
    const char* id;
    const char* name;
    Bounds english;
    Bounds metric;
    double factor;
};
// The program's factors, short.
constexpr double kCm = kCentimetresPerInch, kKpaMm = kKpaPerMmPerPsiPerInch, kKpa = kKpaPerPsi,
                 kKn = kKilonewtonsPerKip;
const std::vector<StatedRange> kStatedRanges = {
    {InputField::TrialThickness, "thickness", "h1", {4, 20}, {10.16f, 50.8f}, kCm},
    {InputField::SubgradeModulus, "subgradeModulus", "k", {20, 1000}, {5.42f, 271}, kKpaMm},
    {InputField::ModulusOfRupture, "modulusOfRupture", "Sc", {400, 2000}, {2756, 13780}, kKpa},
    {InputField::AverageDailyTraffic, "averageDailyTraffic", "ADT", {1, 1000000}, {1, 1000000}, 1},
    {InputField::TruckPercent, "truckPercent", "TD", {0, 100}, {0, 100}, 1},
    {InputField::DirectionPercent, "directionPercent", "DD", {0, 100}, {0, 100}, 1},
    {InputField::LanePercent, "lanePercent", "LD", {0, 100}, {0, 100}, 1},
    {InputField::GrowthPercent, "growthPercent", "i", {0, 100}, {0, 100}, 1},
    {InputField::DesignPeriod, "designPeriod", "Years", {1, 50}, {1, 50}, 1},
    {InputField::LoadSafetyFactor, "loadSafetyFactor", "LSF", {1, 1.3f}, {1, 1.3f}, 1},
    {InputField::SingleAxleLoad, "singleLoad", "Single Axle Load", {2, 100}, {8.9f, 445}, kKn},
    {InputField::SingleAxleCount, "singleCount", "Single Axle", {0, 10000}, {0, 10000}, 1},
    {InputField::TandemAxleLoad, "tandemLoad", "Tandem Axle", {4, 200}, {17.8f, 890}, kKn},
    {InputField::TandemAxleCount, "tandemCount", "Tandem Axle", {0, 10000}, {0, 10000}, 1},
};

TEST(RangeTable, HoldsEveryFieldWithItsStatedRangeAndId) {
    ASSERT_EQ(inputRanges().size(), kStatedRanges.size());
    for (const StatedRange& stated : kStatedRanges) {
        SCOPED_TRACE(stated.id);
        const InputRange& entry = inputRange(stated.field);
        EXPECT_STREQ(entry.name, stated.name);
        EXPECT_EQ(findInputRange(stated.id), &entry);
        for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
            const Bounds& bounds = units == UnitSystem::Metric ? stated.metric : stated.english;
            const FieldRange range = entry.range(units);
            EXPECT_STREQ(range.name, stated.name);
            EXPECT_EQ(range.minimum, bounds.minimum);
            EXPECT_EQ(range.maximum, bounds.maximum);
        }
    }
    EXPECT_EQ(findInputRange("h1"), nullptr);  // ids are not the message names
}

// Each row of the one input table reaches its own workspace text, found by its web page id;
// an id the page does not have finds nothing.
TEST(RangeTable, EachRowReachesItsOwnTextByItsWebId) {
    Workspace ws;
    std::vector<std::pair<InputField, std::size_t>> written;
    for (const InputRange& entry : inputRanges()) {
        for (std::size_t row : isAxleField(entry.field) ? std::vector<std::size_t>{0, 9}
                                                        : std::vector<std::size_t>{0}) {
            const std::string id = isAxleField(entry.field)
                                       ? std::string(entry.webId) + "-" + std::to_string(row + 1)
                                       : std::string(entry.webId);
            std::size_t found = 99;
            EXPECT_EQ(findInputByWebId(id, &found), &entry) << id;
            EXPECT_EQ(found, isAxleField(entry.field) ? row : 99u) << id;
            ensureInputText(ws, entry.field, row) = "marker " + id;
            written.emplace_back(entry.field, row);
        }
    }
    for (const auto& [field, row] : written) {
        const InputRange& entry = inputRange(field);
        const std::string id = isAxleField(field)
                                   ? std::string(entry.webId) + "-" + std::to_string(row + 1)
                                   : std::string(entry.webId);
        EXPECT_EQ(inputText(ws, field, row), "marker " + id) << "overwritten by another row";
    }
    for (const char* id : {"single-load-0", "single-load-11", "single-load-", "hh", "", "H"})
        EXPECT_EQ(findInputByWebId(id, nullptr), nullptr) << id;
    // The report prints every input but the axle table's on a line of its own.
    std::vector<int> lines;
    for (const InputRange& entry : inputRanges())
        if (!isAxleField(entry.field))
            lines.push_back(entry.reportLine);
    std::ranges::sort(lines);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], static_cast<int>(i + 1));
}

// A typo in either bound shows: the Metric bound is the English one times the program's
// factor, to the digits the Metric bound is written with.
TEST(RangeTable, MetricBoundsAreTheEnglishOnesConverted) {
    for (const StatedRange& stated : kStatedRanges) {
        const InputRange& entry = inputRange(stated.field);
        for (bool minimum : {true, false}) {
            const float english = minimum ? entry.english.minimum : entry.english.maximum;
            const std::string metric =
                boundText(minimum ? entry.metric.minimum : entry.metric.maximum);
            const std::size_t point = metric.find('.');
            const int decimals =
                point == std::string::npos ? 0 : static_cast<int>(metric.size() - point - 1);
            EXPECT_EQ(formatFixed(english * stated.factor, decimals), metric)
                << stated.id << (minimum ? " minimum" : " maximum");
        }
    }
}

// A suggested bound must pass the next check silently, and a value just outside a bound
// (one single-precision step) must be caught: the comparison is exact, in single precision.
void checkBoundsOf(const FieldRange& r) {
    for (bool minimum : {true, false}) {
        const float bound = minimum ? r.minimum : r.maximum;
        SCOPED_TRACE(std::string(r.name) + " " + formatSignificant(bound));
        const float outside = std::nextafter(bound, minimum ? -1e30f : 1e30f);
        if (outside < 0)
            continue;
        FakePlatform platform;
        platform.answers = {Answer::Yes};
        const std::string suggested = checkInputValue(platform, formatSignificant(outside, 9), r);
        EXPECT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(suggested, formatSignificant(bound));
        platform.messages.clear();
        EXPECT_EQ(checkInputValue(platform, suggested, r), suggested);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST(RangeCheckBounds, SuggestedBoundPassesAndTheNextFloatOutsideIsCaught) {
    for (const InputRange& entry : inputRanges())
        for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric})
            checkBoundsOf(entry.range(units));
}

}  // namespace
}  // namespace zan::test
