#include "sensitivity.h"

#include <cmath>

#include "design_search.h"
#include "input_ranges.h"
#include "numbers.h"
#include "workspace.h"

namespace zan {
namespace {

SensitivityCase caseOf(const DesignSearch& found, const std::string& text) {
    SensitivityCase c;
    c.text = text;
    if (found)
        c.thickness = found->thickness;
    else
        c.message = designSearchErrorMessage(found.error());
    return c;
}

SensitivityCase searchWith(const Workspace& workspace, const DesignSearch& base, InputField input,
                           double value) {
    // Only the copy takes the changed text; editing it creates its section there.
    Workspace changed = workspace;
    std::string& text = ensureInputText(changed, input, 0);
    text = formatSignificant(value);
    return caseOf(
        base ? searchDesignThicknessNear(changed, base->thickness) : searchDesignThickness(changed),
        text);
}

}  // namespace

Sensitivity sensitivity(const Workspace& workspace) {
    return sensitivity(workspace, searchDesignThickness(workspace));
}

Sensitivity sensitivity(const Workspace& workspace, const DesignSearch& base) {
    Sensitivity result;
    result.units = workspace.unitSystem();
    result.base = caseOf(base, "");

    for (InputField input : kSensitivityInputs) {
        SensitivityRow row;
        row.input = input;
        const std::string& text = inputText(workspace, input, 0);
        row.value = parseNumber(text);
        if (!std::isfinite(row.value)) {
            // Its text would read back as something else entirely ("Overflow" reads 0); the
            // base search has already refused it.
            row.lower = row.upper = result.base;
            row.lower.text = row.upper.text = text;
        } else {
            row.lower = searchWith(workspace, base, input, row.value * kSensitivityLowerFactor);
            row.upper = searchWith(workspace, base, input, row.value * kSensitivityUpperFactor);
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

}  // namespace zan
