#pragma once
// The recommended thickness for the four combinations of concrete shoulder and doweled
// joints, everything else as entered: shows the engineer what a tied shoulder or dowels would
// save (or cost) in slab thickness. Every combination is a thickness search of its own on a
// copy of the workspace; the user's inputs are never changed.

#include <array>
#include <optional>
#include <string>

#include "design_search.h"
#include "units.h"

namespace zan {

class Workspace;

struct DesignAlternative {
    bool concreteShoulder = false;
    bool doweledJoints = true;
    bool entered = false;            // the combination the inputs hold now
    std::optional<float> thickness;  // the recommended thickness, in or cm
    std::string message;             // the search's message when it found none

    bool operator==(const DesignAlternative&) const = default;
};

struct DesignAlternatives {
    UnitSystem units = UnitSystem::English;
    // No shoulder with dowels, no shoulder without dowels, shoulder with dowels, shoulder
    // without dowels: the plain design first, each shoulder choice with dowels first.
    std::array<DesignAlternative, 4> alternatives{};

    bool operator==(const DesignAlternatives&) const = default;
};

// The searches start from the trial thickness as entered, as Compute Design Thickness does,
// so each thickness is what that command would find on a copy with that combination. The
// workspace is not changed.
DesignAlternatives designAlternatives(const Workspace& workspace);
// The same with the outcome of the workspace's own search, made once for the whole chart: it
// is the entered combination's, and the other searches start near its thickness.
DesignAlternatives designAlternatives(const Workspace& workspace, const DesignSearch& entered);

}  // namespace zan
