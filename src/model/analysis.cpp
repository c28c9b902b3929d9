#include "analysis.h"

#include <cmath>

#include "catalogue.h"
#include "input_ranges.h"
#include "numbers.h"
#include "workspace.h"

namespace zan {
namespace {

using Error = AnalysisError;
using Outcome = Expected<AnalysisResults, AnalysisError>;

bool finite(double v) {
    return std::isfinite(v);
}

Error inputError(InputField input, AnalysisProblem problem, UnitSystem units) {
    Error e;
    e.input = input;
    e.problem = problem;
    e.units = units;
    return e;
}

Error trafficError(AnalysisProblem problem, UnitSystem units) {
    Error e;
    e.subject = AnalysisSubject::TrafficProjection;
    e.problem = problem;
    e.units = units;
    return e;
}

Error rowError(InputField input, AnalysisProblem problem, AxleType axle, int rowIndex,
               UnitSystem units) {
    Error e = inputError(input, problem, units);
    e.axle = axle;
    e.row = rowIndex + 1;
    return e;
}

Error rowResultError(AnalysisProblem problem, AxleType axle, int rowIndex, UnitSystem units) {
    Error e = rowError(InputField::SingleAxleLoad, problem, axle, rowIndex, units);
    e.subject = AnalysisSubject::RowResult;
    return e;
}

std::string inputName(const AnalysisError& e) {
    switch (e.subject) {
        case AnalysisSubject::TrafficProjection:
            return catalogue::translate("Messages", "The projected truck traffic");
        case AnalysisSubject::RowResult:
            return catalogue::arg(
                catalogue::translate("Messages", "The analysis of the %1 axle load in row %2"),
                {e.axle == AxleType::Single ? catalogue::translate("Messages", "single")
                                            : catalogue::translate("Messages", "tandem"),
                 std::to_string(e.row)});
        case AnalysisSubject::Input:
            break;
    }
    return inputSubject(e.input, e.units, e.row);
}

// The sentence of a problem, %1 naming what has it.
std::string problemText(const AnalysisError& e) {
    const bool input = e.subject == AnalysisSubject::Input;
    switch (e.problem) {
        case AnalysisProblem::NotPositive:
            // For the growth rate, 1 + i is what must stay positive.
            if (input && e.input == InputField::GrowthPercent)
                return catalogue::translate(
                    "Messages",
                    "%1 is -100 % or less; the traffic cannot fall by all of itself or more each "
                    "year. Nothing was analysed.");
            if (input && isAxleField(e.input))
                return catalogue::translate(
                    "Messages",
                    "%1 is zero or negative after the load safety factor. Every axle load must be "
                    "greater than zero. Nothing was analysed.");
            return catalogue::translate(
                "Messages",
                "%1 is zero or negative; it must be greater than zero. Nothing was analysed.");
        case AnalysisProblem::Negative:
            return catalogue::translate(
                "Messages", "%1 is negative; it must be zero or more. Nothing was analysed.");
        case AnalysisProblem::TooLarge:
            if (e.subject == AnalysisSubject::TrafficProjection)
                return catalogue::translate(
                    "Messages",
                    "%1 is too large to compute with; check ADT, TD, DD, LD, the growth rate and "
                    "the design period. Nothing was analysed.");
            return catalogue::translate("Messages",
                                        "%1 is too large to compute with. Nothing was analysed.");
        case AnalysisProblem::NoFiniteResult:
            return catalogue::translate(
                "Messages",
                "%1 gives no finite result; the trial thickness, the subgrade modulus or the load "
                "is outside what the models can take. Nothing was analysed.");
        case AnalysisProblem::NoAllowableRepetitions:
            return catalogue::translate(
                "Messages",
                "%1 allows no repetitions at all: the slab is far too thin, or the modulus of "
                "rupture far too low, for this load. Nothing was analysed.");
    }
    return catalogue::translate("Messages", "%1 cannot be analysed.");
}

// Reads an input text as a single-precision value, as the analysis stores it.
float single(double v) {
    return static_cast<float>(v);
}

}  // namespace

Inches toModelUnits(EnteredThickness thickness, UnitSystem units) {
    if (units == UnitSystem::Metric)
        return Inches{single(thickness.value / kCentimetresPerInch)};
    return Inches{thickness.value};
}

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
    return catalogue::arg(problemText(e), {inputName(e)});
}

namespace {

using Check = Expected<Done, AnalysisError>;
using RowValues = std::array<std::array<double, kAxleRows>, 2>;

// Every input of one run, each text read once, in model units (in, psi/in, psi, kips).
struct RunInputs {
    UnitSystem units = UnitSystem::English;
    SlabCase slab;     // h in inches, k in psi/in
    float sc = 0.0f;   // psi
    float lsf = 0.0f;  // load safety factor
    float years = 0.0f;
    double adt = 0.0;  // vehicles/day
    double td = 0.0;   // % of ADT
    double dd = 0.0;   // fraction
    double ld = 0.0;   // fraction
    double i = 0.0;    // growth per year, fraction
    RowTable loads;    // kips, load safety factor applied; every row is read
    RowValues counts;  // axles per 1000 trucks, as typed; every row is read
};

RunInputs readInputs(const PavementInputs& pavement, const TrafficInputs& traffic,
                     const AxleInputs& axles, UnitSystem units, EnteredThickness trialThickness) {
    const bool metric = units == UnitSystem::Metric;
    RunInputs in;
    in.units = units;
    in.ld = parseNumber(traffic.lanePercent) / 100.0;
    in.dd = parseNumber(traffic.directionPercent) / 100.0;
    in.i = parseNumber(traffic.growthPercent) / 100.0;
    in.slab.thickness = toModelUnits(trialThickness, units);
    in.slab.subgradeModulus = single(parseNumber(pavement.subgradeModulus));
    in.sc = single(parseNumber(pavement.modulusOfRupture));
    if (metric) {
        in.slab.subgradeModulus = single(in.slab.subgradeModulus / kKpaPerMmPerPsiPerInch);
        in.sc = single(in.sc / kKpaPerPsi);
    }
    in.lsf = single(parseNumber(traffic.loadSafetyFactor));
    in.years = single(parseNumber(traffic.designPeriod));
    in.adt = parseNumber(traffic.averageDailyTraffic);
    in.td = parseNumber(traffic.truckPercent);
    in.slab.shoulder = pavement.concreteShoulder ? ShoulderType::Concrete : ShoulderType::None;
    in.slab.joints = pavement.doweledJoints ? JointType::Doweled : JointType::AggregateInterlock;

    const double lsf = in.lsf;
    for (std::size_t row = 0; row < axles.rows.size(); ++row) {
        const AxleRowTexts& texts = axles.rows[row];
        float singleLoad = single(parseNumber(texts.singleLoad) * lsf);
        float tandemLoad = single(parseNumber(texts.tandemLoad) * lsf);
        if (metric) {
            singleLoad = single(kilonewtonsToKips(singleLoad));
            tandemLoad = single(kilonewtonsToKips(tandemLoad));
        }
        in.loads[0][row] = singleLoad;
        in.loads[1][row] = tandemLoad;
        in.counts[0][row] = parseNumber(texts.singleCount);
        in.counts[1][row] = parseNumber(texts.tandemCount);
    }
    return in;
}

// The slab and traffic values, in the order the user is told about them.
Check validateInputs(const RunInputs& in) {
    struct Rule {
        double value;
        InputField input;
        bool mustBePositive;  // else any finite value passes here
    };
    const Rule finiteRules[] = {
        {in.slab.thickness.value, InputField::TrialThickness, true},
        {in.slab.subgradeModulus, InputField::SubgradeModulus, true},
        {in.sc, InputField::ModulusOfRupture, true},
        {in.adt, InputField::AverageDailyTraffic, false},
        {in.td, InputField::TruckPercent, false},
        {in.dd, InputField::DirectionPercent, false},
        {in.ld, InputField::LanePercent, false},
        {in.i, InputField::GrowthPercent, false},
        {in.years, InputField::DesignPeriod, false},
        {in.lsf, InputField::LoadSafetyFactor, true},
    };
    for (const Rule& rule : finiteRules) {
        if (!finite(rule.value))
            return failure(inputError(rule.input, AnalysisProblem::TooLarge, in.units));
        if (rule.mustBePositive && !(rule.value > 0.0))
            return failure(inputError(rule.input, AnalysisProblem::NotPositive, in.units));
    }
    const Rule signRules[] = {
        {in.adt, InputField::AverageDailyTraffic, false}, {in.td, InputField::TruckPercent, false},
        {in.dd, InputField::DirectionPercent, false},     {in.ld, InputField::LanePercent, false},
        {in.years, InputField::DesignPeriod, false},
    };
    for (const Rule& rule : signRules)
        if (rule.value < 0.0)
            return failure(inputError(rule.input, AnalysisProblem::Negative, in.units));
    return Done{};
}

// The traffic over the design period in first years' traffic: the sum of (1 + i)^t over the
// years, ((1 + i)^Y - 1) / i, which tends to Y as i tends to 0. Below a growth of 0.0001 % the
// quotient loses its digits to cancellation, so its series Y + Y(Y - 1) i / 2 takes over
// (the next term is of the order of i^2 Y^3, far below a single-precision digit). A falling
// traffic (i < 0) follows the same sum.
double growthFactor(double i, double years) {
    if (i == 0.0)
        return years;
    if (std::fabs(i) < 1e-6)
        return years + years * (years - 1.0) * i / 2.0;
    return (std::pow(1.0 + i, years) - 1.0) / i;
}

// Design-lane trucks over the design period, in thousands.
Expected<float, AnalysisError> projectTraffic(const RunInputs& in) {
    // A traffic that falls by all of itself or more each year has no meaning.
    if (in.i <= -1.0)
        return failure(
            inputError(InputField::GrowthPercent, AnalysisProblem::NotPositive, in.units));
    const float trucks = single(in.adt * in.td / 100.0);  // trucks per day
    const double factor = growthFactor(in.i, static_cast<double>(in.years));
    const float thousands =
        single(in.ld * (static_cast<double>(trucks) * 365.0) * in.dd * factor / 1000.0);
    if (!finite(trucks) || !finite(factor) || !finite(thousands))
        return failure(trafficError(AnalysisProblem::TooLarge, in.units));
    return thousands;
}

// The loads and expected repetitions of the twenty rows, single axles first.
Check fillAxleRows(const RunInputs& in, float thousands, AnalysisResults& r) {
    for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
        const std::size_t a = axleIndex(axle);
        for (int row = 0; row < kAxleRows; ++row) {
            const std::size_t ri = static_cast<std::size_t>(row);
            const float load = in.loads[a][ri];
            r.axleLoad[a][ri] = load;
            r.expectedRepetitions[a][ri] =
                single(in.counts[a][ri] * static_cast<double>(thousands));
            const bool singles = axle == AxleType::Single;
            const InputField loadField =
                singles ? InputField::SingleAxleLoad : InputField::TandemAxleLoad;
            const InputField countField =
                singles ? InputField::SingleAxleCount : InputField::TandemAxleCount;
            auto refuse = [&](InputField input, AnalysisProblem problem) -> Check {
                return failure(rowError(input, problem, axle, row, in.units));
            };
            if (!finite(load))
                return refuse(loadField, AnalysisProblem::TooLarge);
            if (!(load > 0.0f))
                return refuse(loadField, AnalysisProblem::NotPositive);
            if (!finite(r.expectedRepetitions[a][ri]))
                return refuse(countField, AnalysisProblem::TooLarge);
            if (in.counts[a][ri] < 0.0)
                return refuse(countField, AnalysisProblem::Negative);
        }
    }
    return Done{};
}

// Damage of one row in percent; an allowable number of 10^8 or more is unlimited.
float rowDamage(float expected, float allowable) {
    if (allowable >= kUnlimitedThreshold)
        return 0.0f;
    return single(static_cast<double>(expected) / static_cast<double>(allowable) * 100.0);
}

template <typename... Values>
Check checkRow(const RunInputs& in, AxleType axle, int row, float allowable, Values... values) {
    if (allowable == 0.0f)
        return failure(
            rowResultError(AnalysisProblem::NoAllowableRepetitions, axle, row, in.units));
    if (!(finite(values) && ...))
        return failure(rowResultError(AnalysisProblem::NoFiniteResult, axle, row, in.units));
    return Done{};
}

Check checkTotal(const RunInputs& in, float total) {
    if (!finite(total))
        return failure(trafficError(AnalysisProblem::TooLarge, in.units));
    return Done{};
}

ModelInputs modelInputs(const RunInputs& in) {
    return ModelInputs{in.slab, in.sc};
}

Check fatigueTable(const RunInputs& in, AnalysisResults& r) {
    r.totalFatigueDamage = 0.0f;
    r.fatigueInputs = modelInputs(in);
    for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
        const std::size_t a = axleIndex(axle);
        for (int row = 0; row < kAxleRows; ++row) {
            const std::size_t ri = static_cast<std::size_t>(row);
            const float stress = equivalentStress(in.slab, r.axleLoad[a][ri], axle);
            const float allowable = fatigueAllowableRepetitions(stress, in.sc);
            const float damage = rowDamage(r.expectedRepetitions[a][ri], allowable);
            r.equivalentStress[a][ri] = stress;
            r.allowableFatigueRepetitions[a][ri] = allowable;
            r.fatigueDamage[a][ri] = damage;
            r.totalFatigueDamage = single(static_cast<double>(r.totalFatigueDamage) + damage);
            if (auto ok = checkRow(in, axle, row, allowable, stress, allowable, damage); !ok)
                return ok;
        }
    }
    return checkTotal(in, r.totalFatigueDamage);
}

Check erosionTable(const RunInputs& in, AnalysisResults& r) {
    r.totalErosionDamage = 0.0f;
    r.erosionInputs = modelInputs(in);
    for (AxleType axle : {AxleType::Single, AxleType::Tandem}) {
        const std::size_t a = axleIndex(axle);
        for (int row = 0; row < kAxleRows; ++row) {
            const std::size_t ri = static_cast<std::size_t>(row);
            const float p = r.axleLoad[a][ri];
            // Each equation once: the factor and the allowable number follow from the power,
            // exactly as erosionFactor and erosionAllowableRepetitions compute them.
            const ErosionTerms terms = erosionTerms(in.slab, p, axle);
            const float power = terms.power;
            const float factor = terms.factor;
            const float allowable = terms.allowable;
            const float damage = rowDamage(r.expectedRepetitions[a][ri], allowable);
            r.erosionFactor[a][ri] = factor;
            r.allowableErosionRepetitions[a][ri] = allowable;
            r.erosionPower[a][ri] = power;
            r.erosionDamage[a][ri] = damage;
            r.totalErosionDamage = single(static_cast<double>(r.totalErosionDamage) + damage);
            if (auto ok = checkRow(in, axle, row, allowable, factor, power, allowable, damage); !ok)
                return ok;
        }
    }
    return checkTotal(in, r.totalErosionDamage);
}

}  // namespace

Outcome runDamageAnalysis(const PavementInputs& pavement, const TrafficInputs& traffic,
                          const AxleInputs& axles, UnitSystem units, const AnalysisRequest& request,
                          const AnalysisResults& previous) {
    const RunInputs in = readInputs(pavement, traffic, axles, units, request.trialThickness);
    if (auto valid = validateInputs(in); !valid)
        return failure(valid.error());
    auto thousands = projectTraffic(in);
    if (!thousands)
        return failure(thousands.error());

    AnalysisResults r = previous;
    r.fatigueSelected = request.fatigue;
    r.erosionSelected = request.erosion;
    if (auto rows = fillAxleRows(in, *thousands, r); !rows)
        return failure(rows.error());
    if (request.fatigue)
        if (auto fatigue = fatigueTable(in, r); !fatigue)
            return failure(fatigue.error());
    if (request.erosion)
        if (auto erosion = erosionTable(in, r); !erosion)
            return failure(erosion.error());
    return r;
}

Outcome runDamageAnalysis(const Workspace& workspace, const AnalysisRequest& request) {
    return runDamageAnalysis(workspace.pavement(), workspace.traffic(), workspace.axles(),
                             workspace.unitSystem(), request, workspace.results());
}

}  // namespace zan
