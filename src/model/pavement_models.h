#pragma once
// Closed-form models of one axle load on one slab, in English model units: h in inches,
// k in psi/in, Sc in psi, P in kips (the whole single axle or tandem group, load safety
// factor applied), stresses in psi, deflections in inches.
//
// Every model returns a single-precision value, and the named intermediate values (radius
// of relative stiffness, logarithm, f1, M, f2, stress ratio, deflection, power, C1) are
// rounded to single precision where they are computed; everything in between is double.
// Those rounding points are part of the published results, so keep them where they are.
// The models check nothing: callers must pass h, k, Sc and P greater than zero.

namespace zan {

enum class AxleType { Single, Tandem };                // "SA", "TA"
enum class ShoulderType { None, Concrete };            // "NS", "WS"
enum class JointType { Doweled, AggregateInterlock };  // "DOW", "AGG"

inline constexpr float kUnlimitedRepetitions = 1.0e9f;

// A slab thickness in the models' unit. Entered thicknesses are in the user's unit (in or cm,
// see EnteredThickness in analysis.h); only the analysis converts one into the other, so a
// centimetre value cannot reach a model by mistake.
struct Inches {
    constexpr Inches() = default;
    constexpr explicit Inches(float v) : value(v) {}

    float value = 0.0f;

    bool operator==(const Inches&) const = default;
};

// The slab case every model evaluates a load on: the slab, its support and its edges.
struct SlabCase {
    Inches thickness;              // h
    float subgradeModulus = 0.0f;  // k, psi/in
    ShoulderType shoulder = ShoulderType::None;
    JointType joints = JointType::Doweled;

    bool operator==(const SlabCase&) const = default;
};

// Common logarithm as ln x / ln 10, rounded to single precision.
float log10Single(double x);

float radiusOfRelativeStiffness(Inches h, float k);

// The named values of one stress evaluation, each at its single-precision storage point, so
// that an engineer can follow the equivalent stress by hand. equivalentStress() is the
// `stress` of these terms.
struct StressTerms {
    float radius = 0.0f;      // radius of relative stiffness, in
    float loadFactor = 0.0f;  // f1
    float moment = 0.0f;      // M
    float edgeFactor = 0.0f;  // f2
    float stress = 0.0f;      // Se, psi

    bool operator==(const StressTerms&) const = default;
};

// The fatigue models use neither the joints nor the load's repetitions. P in kips.
StressTerms stressTerms(const SlabCase& slab, float p, AxleType axle);
float equivalentStress(const SlabCase& slab, float p, AxleType axle);

// Se / Sc as the fatigue curve reads it, single precision.
float stressRatio(float stress, float modulusOfRupture);
float fatigueAllowableRepetitions(float stress, float modulusOfRupture);

// The named values of one erosion evaluation: the deflection once, and the power, the
// erosion factor and the allowable repetitions from it, each bit for bit what erosionPower(),
// erosionFactor() and erosionAllowableRepetitions() return for the same arguments.
struct ErosionTerms {
    float deflection = 0.0f;     // w, in
    float power = 0.0f;          // P'
    float supportFactor = 0.0f;  // C1
    float factor = 0.0f;         // erosion factor EF
    float allowable = 0.0f;      // allowable repetitions Ne

    bool operator==(const ErosionTerms&) const = default;
};

ErosionTerms erosionTerms(const SlabCase& slab, float p, AxleType axle);
float slabDeflection(const SlabCase& slab, float p, AxleType axle);
float erosionPower(const SlabCase& slab, float p, AxleType axle);
float erosionFactor(const SlabCase& slab, float p, AxleType axle);
float erosionAllowableRepetitions(const SlabCase& slab, float p, AxleType axle);

}  // namespace zan
