#include "calculation_details.h"

namespace zan {
namespace {

FatigueDetail fatigueDetail(const AnalysisResults& r, const ModelInputs& in, AxleType axle,
                            std::size_t row) {
    const std::size_t a = axleIndex(axle);
    FatigueDetail d;
    d.terms = stressTerms(in.slab, r.axleLoad[a][row], axle);
    d.stressRatio = stressRatio(d.terms.stress, in.modulusOfRupture);
    d.allowableRepetitions = r.allowableFatigueRepetitions[a][row];
    d.damage = r.fatigueDamage[a][row];
    return d;
}

ErosionDetail erosionDetail(const AnalysisResults& r, const ModelInputs& in, AxleType axle,
                            std::size_t row) {
    const std::size_t a = axleIndex(axle);
    ErosionDetail d;
    d.terms = erosionTerms(in.slab, r.axleLoad[a][row], axle);
    d.damage = r.erosionDamage[a][row];
    return d;
}

}  // namespace

CalculationDetails calculationDetails(const AnalysisResults& results) {
    CalculationDetails details;
    if (results.fatigueSelected)
        details.fatigueInputs = results.fatigueInputs;
    if (results.erosionSelected)
        details.erosionInputs = results.erosionInputs;

    std::size_t next = 0;
    for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
        const std::size_t a = axleIndex(axle);
        for (std::size_t row = 0; row < static_cast<std::size_t>(kAxleRows); ++row) {
            DetailRow& d = details.rows[next++];
            d.axle = axle;
            d.row = static_cast<int>(row) + 1;
            d.designLoad = results.axleLoad[a][row];
            d.expectedRepetitions = results.expectedRepetitions[a][row];
            if (details.fatigueInputs)
                d.fatigue = fatigueDetail(results, *details.fatigueInputs, axle, row);
            if (details.erosionInputs)
                d.erosion = erosionDetail(results, *details.erosionInputs, axle, row);
        }
    }
    return details;
}

}  // namespace zan
