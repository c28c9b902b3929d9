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

// Common logarithm as ln x / ln 10, rounded to single precision.
float log10Single(double x);

float radiusOfRelativeStiffness(float h, float k);
float equivalentStress(float h, float k, float p, AxleType axle, ShoulderType shoulder);
float fatigueAllowableRepetitions(float stress, float modulusOfRupture);
float slabDeflection(float h, float k, float p, AxleType axle, ShoulderType shoulder,
                     JointType joints);
float erosionPower(float h, float k, float p, AxleType axle, ShoulderType shoulder,
                   JointType joints);
float erosionFactor(float h, float k, float p, AxleType axle, ShoulderType shoulder,
                    JointType joints);
float erosionAllowableRepetitions(float h, float k, float p, AxleType axle, ShoulderType shoulder,
                                  JointType joints);

// The erosion factor and the allowable repetitions from the erosion power of the same load, as
// erosionPower gives it: the two above are these of erosionPower. An analysis row evaluates the
// power once and passes it to both.
float erosionFactorOfPower(float h, float k, float power);
float erosionAllowableRepetitionsOfPower(float h, float k, float power, ShoulderType shoulder);

}  // namespace zan
