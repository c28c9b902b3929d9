#include "model/input_warnings.h"

#include "model/input_ranges.h"

namespace zan {

std::vector<std::string> inputWarnings(const Workspace& workspace) {
    std::vector<std::string> warnings;
    for (const OutOfRangeInput& input : inputsOutsideRanges(workspace))
        warnings.push_back(outOfRangeText(input));
    return warnings;
}

}  // namespace zan
