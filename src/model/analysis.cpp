#include "analysis.h"

#include <cmath>
#include <initializer_list>
#include <optional>

#include "numbers.h"
#include "workspace.h"

namespace zan {
namespace {

using Error = AnalysisError;
using Outcome = Expected<AnalysisResults, AnalysisError>;

bool finite(double v) {
    return std::isfinite(v);
}

Error inputError(AnalysisInput input, AnalysisProblem problem, UnitSystem units) {
    Error e{input, problem};
    e.units = units;
    return e;
}

Error rowError(AnalysisInput input, AnalysisProblem problem, AxleType axle, int rowIndex,
               UnitSystem units) {
    Error e{input, problem, axle, rowIndex + 1};
    e.units = units;
    return e;
}

const char* axleWord(AxleType axle) {
    return axle == AxleType::Single ? "single" : "tandem";
}

std::string inputName(const AnalysisError& e) {
    const bool metric = e.units == UnitSystem::Metric;
    switch (e.input) {
        case AnalysisInput::TrialThickness:
            return metric ? "The trial thickness h (cm)" : "The trial thickness h (in)";
        case AnalysisInput::SubgradeModulus:
            return metric ? "The subgrade modulus k (kPa/mm)" : "The subgrade modulus k (psi/in)";
        case AnalysisInput::ModulusOfRupture:
            return metric ? "The modulus of rupture Sc (kPa)" : "The modulus of rupture Sc (psi)";
        case AnalysisInput::AverageDailyTraffic:
            return "The average daily traffic ADT";
        case AnalysisInput::TruckPercent:
            return "The proportion of trucks TD";
        case AnalysisInput::DirectionPercent:
            return "The direction distribution DD";
        case AnalysisInput::LanePercent:
            return "The lane distribution LD";
        case AnalysisInput::GrowthPercent:
            return "The annual growth rate i";
        case AnalysisInput::DesignPeriod:
            return "The design period";
        case AnalysisInput::LoadSafetyFactor:
            return "The load safety factor LSF";
        case AnalysisInput::TrafficProjection:
            return "The projected truck traffic";
        case AnalysisInput::AxleLoad:
            return std::string("The ") + axleWord(e.axle) + " axle load in row " +
                   std::to_string(e.row) + (metric ? " (kN)" : " (kips)");
        case AnalysisInput::AxleCount:
            return std::string("The number of ") + axleWord(e.axle) +
                   " axles per 1000 trucks in row " + std::to_string(e.row);
        case AnalysisInput::RowResult:
            return std::string("The analysis of the ") + axleWord(e.axle) + " axle load in row " +
                   std::to_string(e.row);
    }
    return "An input";
}

// Reads an input text as a single-precision value, as the analysis stores it.
float single(double v) {
    return static_cast<float>(v);
}

}  // namespace

bool allFinite(const RowTable& table) {
    for (const auto& row : table)
        for (float v : row)
            if (!std::isfinite(v))
                return false;
    return true;
}

bool allFinite(const AnalysisResults& r) {
    return allFinite(r.axleLoad) && allFinite(r.expectedRepetitions) &&
           allFinite(r.equivalentStress) && allFinite(r.allowableFatigueRepetitions) &&
           allFinite(r.fatigueDamage) && std::isfinite(r.totalFatigueDamage) &&
           allFinite(r.erosionFactor) && allFinite(r.erosionPower) &&
           allFinite(r.allowableErosionRepetitions) && allFinite(r.erosionDamage) &&
           std::isfinite(r.totalErosionDamage);
}

std::string analysisErrorMessage(const AnalysisError& e) {
    std::string name = inputName(e);
    switch (e.problem) {
        case AnalysisProblem::NotPositive:
            if (e.input == AnalysisInput::AxleLoad)
                return name +
                       " is zero or negative after the load safety factor. "
                       "Every axle load must be greater than zero. Nothing was analysed.";
            return name +
                   " is zero or negative; it must be greater than zero. Nothing was analysed.";
        case AnalysisProblem::Negative:
            return name + " is negative; it must be zero or more. Nothing was analysed.";
        case AnalysisProblem::TooLarge:
            if (e.input == AnalysisInput::TrafficProjection)
                return name +
                       " is too large to compute with; check ADT, TD, DD, LD, the growth rate and "
                       "the design period. Nothing was analysed.";
            return name + " is too large to compute with. Nothing was analysed.";
        case AnalysisProblem::NoFiniteResult:
            return name +
                   " gives no finite result; the trial thickness, the subgrade modulus or the "
                   "load is outside what the models can take. Nothing was analysed.";
        case AnalysisProblem::NoAllowableRepetitions:
            return name +
                   " allows no repetitions at all: the slab is far too thin, or the modulus of "
                   "rupture far too low, for this load. "
                   "Nothing was analysed.";
    }
    return name + " cannot be analysed.";
}

Outcome runDamageAnalysis(const PavementInputs& pavement, const TrafficInputs& traffic,
                          const AxleInputs& axles, UnitSystem units, const AnalysisRequest& request,
                          const AnalysisResults& previous) {
    const bool metric = units == UnitSystem::Metric;
    AnalysisResults r = previous;
    r.fatigueSelected = request.fatigue;
    r.erosionSelected = request.erosion;

    // Traffic fractions and slab values, read now from the current texts.
    const double ld = parseNumber(traffic.lanePercent) / 100.0;
    const double dd = parseNumber(traffic.directionPercent) / 100.0;
    const double i = parseNumber(traffic.growthPercent) / 100.0;
    float h = request.trialThickness;
    float k = single(parseNumber(pavement.subgradeModulus));
    float sc = single(parseNumber(pavement.modulusOfRupture));
    if (metric) {
        h = single(h / kCentimetresPerInch);
        k = single(k / kKpaPerMmPerPsiPerInch);
        sc = single(sc / kKpaPerPsi);
    }
    const float lsf = single(parseNumber(traffic.loadSafetyFactor));
    const float years = single(parseNumber(traffic.designPeriod));
    const double adt = parseNumber(traffic.averageDailyTraffic);
    const double td = parseNumber(traffic.truckPercent);

    auto tooLarge = [&](AnalysisInput input) {
        return failure(inputError(input, AnalysisProblem::TooLarge, units));
    };
    auto notPositive = [&](AnalysisInput input) {
        return failure(inputError(input, AnalysisProblem::NotPositive, units));
    };
    if (!finite(h))
        return tooLarge(AnalysisInput::TrialThickness);
    if (!(h > 0.0f))
        return notPositive(AnalysisInput::TrialThickness);
    if (!finite(k))
        return tooLarge(AnalysisInput::SubgradeModulus);
    if (!(k > 0.0f))
        return notPositive(AnalysisInput::SubgradeModulus);
    if (!finite(sc))
        return tooLarge(AnalysisInput::ModulusOfRupture);
    if (!(sc > 0.0f))
        return notPositive(AnalysisInput::ModulusOfRupture);
    if (!finite(adt))
        return tooLarge(AnalysisInput::AverageDailyTraffic);
    if (!finite(td))
        return tooLarge(AnalysisInput::TruckPercent);
    if (!finite(dd))
        return tooLarge(AnalysisInput::DirectionPercent);
    if (!finite(ld))
        return tooLarge(AnalysisInput::LanePercent);
    if (!finite(i))
        return tooLarge(AnalysisInput::GrowthPercent);
    if (!finite(years))
        return tooLarge(AnalysisInput::DesignPeriod);
    if (!finite(lsf))
        return tooLarge(AnalysisInput::LoadSafetyFactor);
    if (!(lsf > 0.0f))
        return notPositive(AnalysisInput::LoadSafetyFactor);
    auto negative = [&](AnalysisInput input) {
        return failure(inputError(input, AnalysisProblem::Negative, units));
    };
    if (adt < 0.0)
        return negative(AnalysisInput::AverageDailyTraffic);
    if (td < 0.0)
        return negative(AnalysisInput::TruckPercent);
    if (dd < 0.0)
        return negative(AnalysisInput::DirectionPercent);
    if (ld < 0.0)
        return negative(AnalysisInput::LanePercent);
    if (years < 0.0f)
        return negative(AnalysisInput::DesignPeriod);

    // Trucks per day, growth factor over the design period, and design-lane trucks in thousands.
    const float trucks = single(adt * td / 100.0);
    // A zero or negative growth rate takes the fixed factor 20 whatever the design period.
    const double growthFactor =
        i > 0.0 ? (std::pow(1.0 + i, static_cast<double>(years)) - 1.0) / i : 20.0;
    const float thousands =
        single(ld * (static_cast<double>(trucks) * 365.0) * dd * growthFactor / 1000.0);
    if (!finite(trucks) || !finite(growthFactor) || !finite(thousands))
        return tooLarge(AnalysisInput::TrafficProjection);

    for (int row = 0; row < kAxleRows; ++row) {
        const AxleRowTexts& texts = axles.rows[static_cast<std::size_t>(row)];
        const std::size_t ri = static_cast<std::size_t>(row);
        float single0 = single(parseNumber(texts.singleLoad) * static_cast<double>(lsf));
        float tandem0 = single(parseNumber(texts.tandemLoad) * static_cast<double>(lsf));
        if (metric) {
            single0 = single(single0 / kKilonewtonsPerKip);
            tandem0 = single(tandem0 / kKilonewtonsPerKip);
        }
        r.axleLoad[0][ri] = single0;
        r.axleLoad[1][ri] = tandem0;
        r.expectedRepetitions[0][ri] =
            single(parseNumber(texts.singleCount) * static_cast<double>(thousands));
        r.expectedRepetitions[1][ri] =
            single(parseNumber(texts.tandemCount) * static_cast<double>(thousands));
    }
    for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
        for (int row = 0; row < kAxleRows; ++row) {
            const std::size_t ri = static_cast<std::size_t>(row);
            const float load = r.axleLoad[axleIndex(axle)][ri];
            if (!finite(load))
                return failure(
                    rowError(AnalysisInput::AxleLoad, AnalysisProblem::TooLarge, axle, row, units));
            if (!(load > 0.0f))
                return failure(rowError(AnalysisInput::AxleLoad, AnalysisProblem::NotPositive, axle,
                                        row, units));
            if (!finite(r.expectedRepetitions[axleIndex(axle)][ri]))
                return failure(rowError(AnalysisInput::AxleCount, AnalysisProblem::TooLarge, axle,
                                        row, units));
            const std::string& count =
                axle == AxleType::Single ? axles.rows[ri].singleCount : axles.rows[ri].tandemCount;
            if (parseNumber(count) < 0.0)
                return failure(rowError(AnalysisInput::AxleCount, AnalysisProblem::Negative, axle,
                                        row, units));
        }
    }

    const ShoulderType shoulder =
        pavement.concreteShoulder ? ShoulderType::Concrete : ShoulderType::None;
    const JointType joints =
        pavement.doweledJoints ? JointType::Doweled : JointType::AggregateInterlock;

    // Damage of one row in percent; an allowable number of 10^8 or more is unlimited.
    auto damage = [](float expected, float allowable) {
        if (allowable >= kUnlimitedThreshold)
            return 0.0f;
        return single(static_cast<double>(expected) / static_cast<double>(allowable) * 100.0);
    };
    auto checkRow = [&](AxleType axle, int row, std::initializer_list<float> values,
                        float allowable) -> std::optional<AnalysisError> {
        if (allowable == 0.0f)
            return rowError(AnalysisInput::RowResult, AnalysisProblem::NoAllowableRepetitions, axle,
                            row, units);
        for (float v : values)
            if (!finite(v))
                return rowError(AnalysisInput::RowResult, AnalysisProblem::NoFiniteResult, axle,
                                row, units);
        return std::nullopt;
    };

    if (request.fatigue) {
        for (int row = 0; row < kAxleRows; ++row) {
            const std::size_t ri = static_cast<std::size_t>(row);
            r.equivalentStress[0][ri] =
                equivalentStress(h, k, r.axleLoad[0][ri], AxleType::Single, shoulder);
            r.equivalentStress[1][ri] =
                equivalentStress(h, k, r.axleLoad[1][ri], AxleType::Tandem, shoulder);
        }
        r.totalFatigueDamage = 0.0f;
        for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
            const std::size_t a = axleIndex(axle);
            for (int row = 0; row < kAxleRows; ++row) {
                const std::size_t ri = static_cast<std::size_t>(row);
                const float allowable = fatigueAllowableRepetitions(r.equivalentStress[a][ri], sc);
                r.allowableFatigueRepetitions[a][ri] = allowable;
                r.fatigueDamage[a][ri] = damage(r.expectedRepetitions[a][ri], allowable);
                r.totalFatigueDamage =
                    single(static_cast<double>(r.totalFatigueDamage) + r.fatigueDamage[a][ri]);
                if (auto e = checkRow(
                        axle, row, {r.equivalentStress[a][ri], allowable, r.fatigueDamage[a][ri]},
                        allowable))
                    return failure(*e);
            }
        }
        if (!finite(r.totalFatigueDamage))
            return failure(
                inputError(AnalysisInput::TrafficProjection, AnalysisProblem::TooLarge, units));
    }

    if (request.erosion) {
        for (int row = 0; row < kAxleRows; ++row) {
            const std::size_t ri = static_cast<std::size_t>(row);
            const float ps = r.axleLoad[0][ri];
            const float pt = r.axleLoad[1][ri];
            r.erosionFactor[0][ri] = erosionFactor(h, k, ps, AxleType::Single, shoulder, joints);
            r.erosionFactor[1][ri] = erosionFactor(h, k, pt, AxleType::Tandem, shoulder, joints);
            r.allowableErosionRepetitions[0][ri] =
                erosionAllowableRepetitions(h, k, ps, AxleType::Single, shoulder, joints);
            r.allowableErosionRepetitions[1][ri] =
                erosionAllowableRepetitions(h, k, pt, AxleType::Tandem, shoulder, joints);
            r.erosionPower[0][ri] = erosionPower(h, k, ps, AxleType::Single, shoulder, joints);
            r.erosionPower[1][ri] = erosionPower(h, k, pt, AxleType::Tandem, shoulder, joints);
        }
        r.totalErosionDamage = 0.0f;
        for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
            const std::size_t a = axleIndex(axle);
            for (int row = 0; row < kAxleRows; ++row) {
                const std::size_t ri = static_cast<std::size_t>(row);
                const float allowable = r.allowableErosionRepetitions[a][ri];
                r.erosionDamage[a][ri] = damage(r.expectedRepetitions[a][ri], allowable);
                r.totalErosionDamage =
                    single(static_cast<double>(r.totalErosionDamage) + r.erosionDamage[a][ri]);
                if (auto e = checkRow(axle, row,
                                      {r.erosionFactor[a][ri], r.erosionPower[a][ri], allowable,
                                       r.erosionDamage[a][ri]},
                                      allowable))
                    return failure(*e);
            }
        }
        if (!finite(r.totalErosionDamage))
            return failure(
                inputError(AnalysisInput::TrafficProjection, AnalysisProblem::TooLarge, units));
    }
    return r;
}

Outcome runDamageAnalysis(Workspace& workspace, const AnalysisRequest& request) {
    const PavementInputs& pavement = workspace.pavement();
    const TrafficInputs& traffic = workspace.traffic();
    const AxleInputs& axles = workspace.axles();
    return runDamageAnalysis(pavement, traffic, axles, workspace.unitSystem(), request,
                             workspace.results());
}

}  // namespace zan
