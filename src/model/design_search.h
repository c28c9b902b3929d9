#pragma once
// The search for the recommended minimum slab thickness: the thinnest thickness on a grid of
// 0.25 in (or 0.5 cm) steps, anchored at the whole-number part of the trial thickness, whose
// total fatigue and total erosion damage both stay below 100 %.

#include "analysis.h"
#include "expected.h"

namespace zan {

class Workspace;

inline constexpr float kSearchStepInches = 0.25f;
inline constexpr float kSearchStepCentimetres = 0.5f;
inline constexpr float kSearchLimitInches = 50.0f;
inline constexpr float kSearchLimitCentimetres = 127.0f;

struct DesignThickness {
    float thickness = 0.0f;   // in the current unit system
    AnalysisResults results;  // the run at that thickness, both parts selected
    int runs = 0;             // analysis runs the search made
};

// The search stops without a result when a run is refused at the start or on the way up,
// or when no grid thickness up to the limit passes.
struct DesignSearchError {
    enum class Kind { Refused, NoPassingThickness } kind = Kind::Refused;
    AnalysisError refusal{};  // when kind is Refused
    float limit = 0.0f;       // when kind is NoPassingThickness
    UnitSystem units = UnitSystem::English;
    // Refused because the search starts from the whole part of a positive trial thickness
    // below 1 (in or cm), which is 0.
    bool startsAtZero = false;
};

std::string designSearchErrorMessage(const DesignSearchError& error);

bool passes(const AnalysisResults& results);

// Searches from the workspace's trial thickness; changes nothing in the workspace.
Expected<DesignThickness, DesignSearchError> searchDesignThickness(const Workspace& workspace);

}  // namespace zan
