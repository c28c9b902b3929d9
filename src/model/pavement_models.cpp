#include "pavement_models.h"

#include <cmath>

namespace zan {
namespace {

constexpr double kConcreteModulus = 4.0e6;  // psi
constexpr float kPoisson = 0.15f;           // held in single precision
constexpr double kF3 = 0.894;
constexpr float kF4 = 0.953f;  // held in single precision

double power(double base, double exponent) {
    return std::pow(base, exponent);
}

// Shoulder factor (0.8742 + 0.01088 k^0.447) of the moment terms with a concrete shoulder.
double shoulderMomentFactor(float k) {
    return 0.8742 + 0.01088 * power(k, 0.447);
}

float edgeFactorF2(float h, ShoulderType shoulder) {
    if (shoulder == ShoulderType::Concrete)
        return 1.0f;
    double hd = h;
    return static_cast<float>(0.892 + hd / 85.71 - hd * hd / 3000.0);
}

struct ShapeCoefficients {
    double a0, a1, a2, a3;
};

ShapeCoefficients shapeCoefficients(AxleType axle, ShoulderType shoulder, JointType joints) {
    const bool single = axle == AxleType::Single;
    const bool noShoulder = shoulder == ShoulderType::None;
    const bool aggregate = joints == JointType::AggregateInterlock;
    if (single && noShoulder)
        return aggregate ? ShapeCoefficients{1.571, 46.127, 4372.7, -22886}
                         : ShapeCoefficients{-0.3019, 128.85, 1105.8, 3269.1};
    if (single)
        return aggregate ? ShapeCoefficients{0.5874, 65.108, 1130.9, -5245.8}
                         : ShapeCoefficients{0.018, 72.99, 323.1, 1620};
    if (noShoulder)
        return aggregate ? ShapeCoefficients{1.847, 213.68, -1260.8, 22989}
                         : ShapeCoefficients{1.258, 97.491, 1484.1, -180};
    return aggregate ? ShapeCoefficients{1.47, 102.2, -1072, 14451}
                     : ShapeCoefficients{0.0345, 146.25, -2385.6, 23848};
}

// Edge-support factor C1 = 1 - (k/2000 * 4/h)^2, single precision.
float supportFactorC1(const SlabCase& slab) {
    const double t = static_cast<double>(slab.subgradeModulus) / 2000.0 * 4.0 /
                     static_cast<double>(slab.thickness.value);
    return static_cast<float>(1.0 - t * t);
}

// The erosion steps after the deflection w (in), shared by the single-value models and
// erosionTerms() so that both give the same bits.
float powerOfDeflection(const SlabCase& slab, float w) {
    const double kd = slab.subgradeModulus;
    const double kw = kd * static_cast<double>(w);
    return static_cast<float>(268.7 * kw * kw /
                              (static_cast<double>(slab.thickness.value) * power(kd, 0.73)));
}

float factorOfPower(const SlabCase& slab, float erosionPower, float c1) {
    const double scaled = 0.896 * static_cast<double>(erosionPower);
    return log10Single(11111.0 * scaled * scaled * static_cast<double>(c1) /
                       (static_cast<double>(slab.thickness.value) *
                        power(static_cast<double>(slab.subgradeModulus), 0.73)));
}

// The product C1 P' is compared with 9 in single precision but enters the curve as a double.
float allowableOfPower(float erosionPower, float c1, ShoulderType shoulder) {
    const double c2 = shoulder == ShoulderType::None ? 0.06 : 0.94;
    const double product = static_cast<double>(c1) * static_cast<double>(erosionPower);
    if (static_cast<float>(product) <= 9.0f)
        return kUnlimitedRepetitions;
    return static_cast<float>(power(10.0, 14.524 - 6.777 * power(product - 9.0, 0.103)) / c2);
}

}  // namespace

float log10Single(double x) {
    return static_cast<float>(std::log(x) / std::log(10.0));
}

float radiusOfRelativeStiffness(Inches h, float k) {
    const double hd = h.value;
    const double mu = kPoisson;
    const double ratio =
        kConcreteModulus * hd * hd * hd / (12.0 * (1.0 - mu * mu) * static_cast<double>(k));
    return static_cast<float>(power(ratio, 0.25));
}

StressTerms stressTerms(const SlabCase& slab, float p, AxleType axle) {
    const float k = slab.subgradeModulus;
    StressTerms t;
    t.radius = radiusOfRelativeStiffness(slab.thickness, k);
    const double ld = t.radius;
    const double pd = p;
    if (axle == AxleType::Single)
        t.loadFactor = static_cast<float>(power(24.0 / pd, 0.06) * (pd / 18.0));
    else
        t.loadFactor = static_cast<float>(power(48.0 / pd, 0.06) * (pd / 36.0));

    const double logL = log10Single(t.radius);
    const bool noShoulder = slab.shoulder == ShoulderType::None;
    if (axle == AxleType::Single && noShoulder)
        t.moment = static_cast<float>(-1600.0 + 2525.0 * logL + 24.42 * ld + 0.204 * ld * ld);
    else if (axle == AxleType::Single)
        t.moment =
            static_cast<float>((-970.4 + 1202.6 * logL + 53.587 * ld) * shoulderMomentFactor(k));
    else if (noShoulder)
        t.moment = static_cast<float>(3029.0 - 2966.8 * logL + 133.69 * ld - 0.0632 * ld * ld);
    else
        t.moment =
            static_cast<float>((2005.4 - 1980.9 * logL + 99.008 * ld) * shoulderMomentFactor(k));

    t.edgeFactor = edgeFactorF2(slab.thickness.value, slab.shoulder);
    const double hd = slab.thickness.value;
    t.stress = static_cast<float>((6.0 * t.moment / (hd * hd)) * t.loadFactor * t.edgeFactor * kF3 *
                                  static_cast<double>(kF4));
    return t;
}

float equivalentStress(const SlabCase& slab, float p, AxleType axle) {
    return stressTerms(slab, p, axle).stress;
}

float stressRatio(float stress, float modulusOfRupture) {
    return static_cast<float>(static_cast<double>(stress) / modulusOfRupture);
}

float fatigueAllowableRepetitions(float stress, float modulusOfRupture) {
    const float ratio = stressRatio(stress, modulusOfRupture);
    const double r = ratio;
    if (ratio >= 0.55f)
        return static_cast<float>(power(10.0, 11.737 - 12.077 * r));
    if (ratio > 0.45f)
        return static_cast<float>(power(4.2577 / (r - 0.4325), 3.268));
    return kUnlimitedRepetitions;
}

float slabDeflection(const SlabCase& slab, float p, AxleType axle) {
    const double l = radiusOfRelativeStiffness(slab.thickness, slab.subgradeModulus);
    const double kd = slab.subgradeModulus;
    const double loadTerm = axle == AxleType::Single ? p / 18.0 : p / 36.0;
    double foundation;
    if (slab.joints != JointType::AggregateInterlock) {
        foundation = 1.0 / kd;
    } else if (slab.shoulder == ShoulderType::None) {
        foundation = 0.95 / kd;
    } else {
        double t = 0.26363 - kd / 3034.5;
        foundation = (1.001 - t * t) / kd;
    }
    const ShapeCoefficients a = shapeCoefficients(axle, slab.shoulder, slab.joints);
    const double shape = a.a0 + a.a1 / l + a.a2 / (l * l) + a.a3 / (l * l * l);
    const double c = slab.shoulder == ShoulderType::None ? 0.896 : 1.0;
    return static_cast<float>(c * loadTerm * foundation * shape);
}

float erosionPower(const SlabCase& slab, float p, AxleType axle) {
    return powerOfDeflection(slab, slabDeflection(slab, p, axle));
}

float erosionFactor(const SlabCase& slab, float p, AxleType axle) {
    return factorOfPower(slab, erosionPower(slab, p, axle), supportFactorC1(slab));
}

float erosionAllowableRepetitions(const SlabCase& slab, float p, AxleType axle) {
    return allowableOfPower(erosionPower(slab, p, axle), supportFactorC1(slab), slab.shoulder);
}

ErosionTerms erosionTerms(const SlabCase& slab, float p, AxleType axle) {
    ErosionTerms t;
    t.deflection = slabDeflection(slab, p, axle);
    t.power = powerOfDeflection(slab, t.deflection);
    t.supportFactor = supportFactorC1(slab);
    t.factor = factorOfPower(slab, t.power, t.supportFactor);
    t.allowable = allowableOfPower(t.power, t.supportFactor, slab.shoulder);
    return t;
}

}  // namespace zan
