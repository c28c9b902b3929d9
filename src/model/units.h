#pragma once
// Unit systems. The models always compute in English units (in, psi/in, psi, kips); Metric
// texts are converted once per analysis run with the factors below.

namespace zan {

enum class UnitSystem { English = 0, Metric = 1 };

// Rounded factors, not the exact ones: every published result, Metric report and worked
// example was computed with these, so changing a digit would change signed designs.
inline constexpr double kCentimetresPerInch = 2.54;      // h: cm -> in
inline constexpr double kKpaPerMmPerPsiPerInch = 0.271;  // k: kPa/mm -> psi/in
inline constexpr double kKpaPerPsi = 6.89;               // Sc and stresses: kPa <-> psi
inline constexpr double kKilonewtonsPerKip = 4.45;       // axle loads: kN <-> kips

inline constexpr double kipsToKilonewtons(double kips) {
    return kips * kKilonewtonsPerKip;
}
inline constexpr double kilonewtonsToKips(double kilonewtons) {
    return kilonewtons / kKilonewtonsPerKip;
}

}  // namespace zan
