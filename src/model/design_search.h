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
};

std::string designSearchErrorMessage(const DesignSearchError& error);

bool passes(const AnalysisResults& results);

using DesignSearch = Expected<DesignThickness, DesignSearchError>;

// Searches from the workspace's trial thickness; changes nothing in the workspace.
DesignSearch searchDesignThickness(const Workspace& workspace);

// The same search for a design that differs from one already searched in anything but the
// trial thickness (a design alternative, a sensitivity case): `nearby` is that design's
// recommended thickness. From an absurd trial thickness the walk crosses some 160 grid
// steps, and the damage chart makes seventeen such searches per keystroke; this one runs the
// trial thickness and then walks from `nearby`. Where the damage falls steadily as the slab
// thickens between the two, it finds what searchDesignThickness finds (the property tests
// compare both on the example and on random designs); a refused run on the way falls back to
// the full walk.
DesignSearch searchDesignThicknessNear(const Workspace& workspace, float nearby);

// The searches and their analysis runs in this process so far, so that a test or a
// benchmark can count what one command costs.
struct DesignSearchCounts {
    long searches = 0;
    long runs = 0;
};
DesignSearchCounts designSearchCounts();

}  // namespace zan
