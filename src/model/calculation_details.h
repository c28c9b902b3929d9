#pragma once
// The calculation behind the last run, row by row, so that an engineer can check any row of
// the damage tables by hand: the design load and expected repetitions, then every named value
// of the stress and erosion models on the way to the allowable repetitions and the damage.
//
// Everything comes from the results of that run, not from the current inputs, which may have
// changed since: the loads, repetitions, allowable fatigue repetitions and damage as stored,
// and the model terms evaluated by stressTerms and erosionTerms, which the models the
// analysis calls are built from, on the design loads and the model-unit inputs that the run
// recorded. They are therefore the values the analysis computed, bit for bit: the terms'
// stress, power, erosion factor and allowable erosion repetitions equal the stored ones.

#include <array>
#include <optional>

#include "analysis.h"
#include "pavement_models.h"

namespace zan {

struct FatigueDetail {
    StressTerms terms;               // radius, f1, M, f2 and Se (psi)
    float stressRatio = 0.0f;        // Se / Sc in model units, as the fatigue curve reads it
    float allowableRepetitions = 0;  // Nf
    float damage = 0.0f;             // percent

    bool operator==(const FatigueDetail&) const = default;
};

struct ErosionDetail {
    ErosionTerms terms;   // w (in), P', C1, erosion factor and Ne
    float damage = 0.0f;  // percent

    bool operator==(const ErosionDetail&) const = default;
};

struct DetailRow {
    AxleType axle = AxleType::Single;
    int row = 1;              // 1..10, as in the report
    float designLoad = 0.0f;  // kips, load safety factor applied
    float expectedRepetitions = 0.0f;
    std::optional<FatigueDetail> fatigue;  // empty when the last run did not run that part
    std::optional<ErosionDetail> erosion;

    bool operator==(const DetailRow&) const = default;
};

inline constexpr std::size_t kDetailRows = 2 * kAxleRows;

struct CalculationDetails {
    std::array<DetailRow, kDetailRows> rows{};  // single rows 1..10, then tandem rows 1..10
    std::optional<ModelInputs> fatigueInputs;   // what each part of the run computed with
    std::optional<ModelInputs> erosionInputs;

    bool operator==(const CalculationDetails&) const = default;
};

// The parts the results' selection flags name; before any run both parts are empty.
CalculationDetails calculationDetails(const AnalysisResults& results);

}  // namespace zan
