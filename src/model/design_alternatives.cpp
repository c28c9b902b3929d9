#include "design_alternatives.h"

#include <utility>

#include "design_search.h"
#include "workspace.h"

namespace zan {

DesignAlternatives designAlternatives(const Workspace& workspace) {
    DesignAlternatives result;
    result.units = workspace.unitSystem();
    const PavementInputs& entered = workspace.pavement();
    const std::array<std::pair<bool, bool>, 4> combinations = {
        {{false, true}, {false, false}, {true, true}, {true, false}}};

    for (std::size_t i = 0; i < combinations.size(); ++i) {
        DesignAlternative& alternative = result.alternatives[i];
        alternative.concreteShoulder = combinations[i].first;
        alternative.doweledJoints = combinations[i].second;
        alternative.entered = entered.concreteShoulder == alternative.concreteShoulder &&
                              entered.doweledJoints == alternative.doweledJoints;

        // Only the copy takes the combination; editing it creates its section there.
        Workspace copy = workspace;
        copy.ensurePavement().concreteShoulder = alternative.concreteShoulder;
        copy.ensurePavement().doweledJoints = alternative.doweledJoints;
        auto found = searchDesignThickness(copy);
        if (found)
            alternative.thickness = found->thickness;
        else
            alternative.message = designSearchErrorMessage(found.error());
    }
    return result;
}

}  // namespace zan
