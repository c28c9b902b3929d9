// The report writer over arbitrary input texts and arbitrary results, infinities and NaNs
// included (bit patterns taken straight from the fuzz bytes).
//
// Properties, when writeReport gives a report:
//  - every line ends with CR LF (input texts that themselves hold a line end are printed as
//    typed and are exempt; no dialog field or .DEF text can hold one);
//  - no number reads "inf", "nan" or "overflow" in any letter case; the words may appear
//    only where an input text holding them is printed as typed;
//  - the number of lines is 35 for the heading and inputs, 35 more for each selected table
//    plus 2 when its total exceeds 100, and 5 for the additional outputs.
// When it refuses, its message is not empty.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"
#include "io/report.h"

namespace {

using namespace zan;
using zan::fuzz::check;

float anyFloat(FuzzedDataProvider& in) {
    // Mostly ordinary magnitudes, sometimes the raw bits of any float.
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: {
            const std::uint32_t bits = in.ConsumeIntegral<std::uint32_t>();
            float f;
            std::memcpy(&f, &bits, sizeof f);
            return f;
        }
        case 1:
            return in.ConsumeFloatingPointInRange<float>(-1e9f, 1e9f);
        case 2:
            return static_cast<float>(in.ConsumeIntegralInRange<int>(-2, 200));
        default:
            return in.ConsumeFloatingPoint<float>();
    }
}

void fill(FuzzedDataProvider& in, RowTable& table) {
    for (auto& row : table)
        for (float& v : row)
            v = anyFloat(in);
}

std::string text(FuzzedDataProvider& in) {
    return in.ConsumeRandomLengthString(40);
}

std::size_t lineCount(const std::string& report) {
    std::size_t n = 0;
    for (std::size_t i = 0; i + 1 < report.size(); ++i)
        if (report[i] == '\r' && report[i + 1] == '\n')
            ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Workspace w;
    const UnitSystem units = in.ConsumeBool() ? UnitSystem::Metric : UnitSystem::English;
    w.chooseUnitSystem(units);
    if (in.ConsumeBool())
        w.applyUnitCaptions(units);  // the capital K of a loaded file
    w.setDetailedReports(in.ConsumeBool());

    PavementInputs& p = w.ensurePavement();
    p.thickness = text(in);
    p.subgradeModulus = text(in);
    p.modulusOfRupture = text(in);
    p.concreteShoulder = in.ConsumeBool();
    p.doweledJoints = in.ConsumeBool();
    TrafficInputs& t = w.ensureTraffic();
    for (std::string* s :
         {&t.averageDailyTraffic, &t.truckPercent, &t.growthPercent, &t.directionPercent,
          &t.lanePercent, &t.loadSafetyFactor, &t.designPeriod})
        *s = text(in);
    for (AxleRowTexts& row : w.ensureAxles().rows) {
        row.singleLoad = text(in);
        row.singleCount = text(in);
        row.tandemLoad = text(in);
        row.tandemCount = text(in);
    }

    AnalysisResults r;
    r.fatigueSelected = in.ConsumeBool();
    r.erosionSelected = in.ConsumeBool();
    r.totalFatigueDamage = anyFloat(in);
    r.totalErosionDamage = anyFloat(in);
    for (RowTable* table :
         {&r.expectedRepetitions, &r.equivalentStress, &r.allowableFatigueRepetitions,
          &r.fatigueDamage, &r.erosionFactor, &r.erosionPower, &r.allowableErosionRepetitions,
          &r.erosionDamage, &r.axleLoad})
        fill(in, *table);

    const Workspace before = w;
    const auto report = writeReport(w, r);
    check(w == before, "writing the report changed the workspace");
    if (!report) {
        check(!report.error().message.empty(), "a refused report without a message");
        return 0;
    }
    const auto texts = fuzz::inputTexts(w);
    fuzz::checkReportText(*report, texts);
    if (!fuzz::anyTextHoldsLineEnd(texts)) {
        std::size_t expected = 35;
        if (r.fatigueSelected)
            expected += 35 + (r.totalFatigueDamage > 100.0f ? 2 : 0);
        if (r.erosionSelected)
            expected += 35 + (r.totalErosionDamage > 100.0f ? 2 : 0);
        if (w.detailedReports())
            expected += 5;
        check(lineCount(*report) == expected, "the report has an unexpected number of lines",
              *report);
    }
    return 0;
}
