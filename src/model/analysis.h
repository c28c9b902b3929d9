#pragma once
// The fatigue and erosion damage analysis of one trial thickness over the twenty axle-load
// rows (ten single, ten tandem).

#include <array>
#include <string>

#include "expected.h"
#include "input_field.h"
#include "pavement_models.h"
#include "units.h"

namespace zan {

struct PavementInputs;
struct TrafficInputs;
struct AxleInputs;
class Workspace;

inline constexpr int kAxleRows = 10;
inline constexpr float kUnlimitedThreshold = 1.0e8f;  // allowable repetitions counted as unlimited

// The damage a slab may take, in percent of its life. A total above it fails the slab: the
// report, the messages and the verdict say so. The thickness search wants the margin the
// method asks for: a thickness passes only while both totals stay below the limit, so a
// total of exactly 100 is within it, yet not chosen.
inline constexpr float kDamageLimitPercent = 100.0f;
constexpr bool exceedsDamageLimit(float damage) {
    return damage > kDamageLimitPercent;
}
constexpr bool belowDamageLimit(float damage) {
    return damage < kDamageLimitPercent;
}

// Per-row values indexed [axle type][row 0..9]; all single precision, as stored by the run.
using RowTable = std::array<std::array<float, kAxleRows>, 2>;

inline constexpr std::size_t axleIndex(AxleType axle) {
    return axle == AxleType::Single ? 0 : 1;
}

// What one part of a run computed with, in model units after conversion from Metric, so that
// its values can be explained later even when the inputs have changed since.
struct ModelInputs {
    SlabCase slab;
    float modulusOfRupture = 0.0f;  // Sc, psi

    bool operator==(const ModelInputs&) const = default;
};

// A slab thickness as the user enters and reads it: inches under English units, centimetres
// under Metric. The analysis is the one place that turns it into model Inches.
struct EnteredThickness {
    constexpr EnteredThickness() = default;
    constexpr explicit EnteredThickness(float v) : value(v) {}

    float value = 0.0f;

    bool operator==(const EnteredThickness&) const = default;
};

Inches toModelUnits(EnteredThickness thickness, UnitSystem units);

struct AnalysisResults {
    bool fatigueSelected = false;
    bool erosionSelected = false;

    RowTable axleLoad{};  // kips in both unit systems, load safety factor applied
    RowTable expectedRepetitions{};

    RowTable equivalentStress{};  // psi in both unit systems
    RowTable allowableFatigueRepetitions{};
    RowTable fatigueDamage{};  // percent
    float totalFatigueDamage = 0.0f;
    ModelInputs fatigueInputs;  // written with the fatigue fields

    RowTable erosionFactor{};
    RowTable erosionPower{};
    RowTable allowableErosionRepetitions{};
    RowTable erosionDamage{};  // percent
    float totalErosionDamage = 0.0f;
    ModelInputs erosionInputs;  // written with the erosion fields

    bool operator==(const AnalysisResults&) const = default;
};

// True when every value of the table (or of every table and total) is finite, as every
// committed run's values are.
bool allFinite(const RowTable& table);
bool allFinite(const AnalysisResults& results);

// Why a run was refused. The models break down for zero or negative thicknesses, moduli and
// loads, and for values that overflow; such a run must not produce results. A refusal names
// an input (model/input_field.h), the truck traffic projected from the inputs, or the
// results of one axle row.
enum class AnalysisSubject { Input, TrafficProjection, RowResult };

// Negative traffic values and counts reach the analysis only through a data file (the dialogs
// refuse them); they would give negative repetitions and damage that offsets real damage.
enum class AnalysisProblem {
    NotPositive,
    Negative,
    TooLarge,
    NoFiniteResult,
    NoAllowableRepetitions
};

struct AnalysisError {
    AnalysisSubject subject = AnalysisSubject::Input;
    InputField input = InputField::TrialThickness;  // when the subject is an input
    AnalysisProblem problem = AnalysisProblem::NotPositive;
    AxleType axle = AxleType::Single;  // for the per-row inputs and results
    int row = 0;                       // 1..10 for the per-row inputs and results
    UnitSystem units = UnitSystem::English;

    bool operator==(const AnalysisError&) const = default;
};

// The message shown to the user for a refused run, in plain words.
std::string analysisErrorMessage(const AnalysisError& error);

struct AnalysisRequest {
    EnteredThickness trialThickness;
    bool fatigue = false;
    bool erosion = false;
};

// Runs the selected parts into a copy of `previous`: a part that is not selected keeps the
// previous values. Nothing is changed when the run is refused.
Expected<AnalysisResults, AnalysisError> runDamageAnalysis(
    const PavementInputs& pavement, const TrafficInputs& traffic, const AxleInputs& axles,
    UnitSystem units, const AnalysisRequest& request, const AnalysisResults& previous);

// The same on the workspace's current texts; a section not yet created reads as its initial
// texts. The workspace is not changed; the caller commits the results.
Expected<AnalysisResults, AnalysisError> runDamageAnalysis(const Workspace& workspace,
                                                           const AnalysisRequest& request);

}  // namespace zan
