#pragma once
// Unit systems. The models always compute in English units (in, psi/in, psi, kips); Metric
// texts are converted once per analysis run with the factors below.

namespace zan {

enum class UnitSystem { English = 0, Metric = 1 };

inline constexpr double kCentimetresPerInch = 2.54;      // h: cm -> in
inline constexpr double kKpaPerMmPerPsiPerInch = 0.271;  // k: kPa/mm -> psi/in
inline constexpr double kKpaPerPsi = 6.89;               // Sc and stresses: kPa <-> psi
inline constexpr double kKilonewtonsPerKip = 4.45;       // axle loads: kN <-> kips

}  // namespace zan
