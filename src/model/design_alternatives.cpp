#include "design_alternatives.h"

#include <utility>

#include "design_search.h"
#include "workspace.h"

namespace zan {
namespace {

// The search on a copy that takes the other combination of shoulder and dowels.
DesignSearch searchOther(const Workspace& workspace, const DesignSearch& entered,
                         const DesignAlternative& alternative) {
    // Only the copy takes the combination; editing it creates its section there.
    Workspace copy = workspace;
    copy.ensurePavement().concreteShoulder = alternative.concreteShoulder;
    copy.ensurePavement().doweledJoints = alternative.doweledJoints;
    return entered ? searchDesignThicknessNear(copy, entered->thickness)
                   : searchDesignThickness(copy);
}

}  // namespace

DesignAlternatives designAlternatives(const Workspace& workspace) {
    return designAlternatives(workspace, searchDesignThickness(workspace));
}

DesignAlternatives designAlternatives(const Workspace& workspace, const DesignSearch& entered) {
    DesignAlternatives result;
    result.units = workspace.unitSystem();
    const PavementInputs& inputs = workspace.pavement();
    const std::array<std::pair<bool, bool>, 4> combinations = {
        {{false, true}, {false, false}, {true, true}, {true, false}}};

    for (std::size_t i = 0; i < combinations.size(); ++i) {
        DesignAlternative& alternative = result.alternatives[i];
        alternative.concreteShoulder = combinations[i].first;
        alternative.doweledJoints = combinations[i].second;
        alternative.entered = inputs.concreteShoulder == alternative.concreteShoulder &&
                              inputs.doweledJoints == alternative.doweledJoints;
        const DesignSearch found =
            alternative.entered ? entered : searchOther(workspace, entered, alternative);
        if (found)
            alternative.thickness = found->thickness;
        else
            alternative.message = designSearchErrorMessage(found.error());
    }
    return result;
}

}  // namespace zan
