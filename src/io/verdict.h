#pragma once
// The design memo's verdict: what the last run says about the slab, in one sentence with its
// numbers, as the report prints them. The window's memo, zan-design --export-pdf and the web
// page all take it from here.

#include <string>

namespace zan {

class Run;

// After Compute Design Thickness: "Recommended thickness 9.25 in: fatigue F %, erosion E %
// (both at most 100 %); fatigue governs". After an analysis: "Trial thickness 7.50 in: ..."
// with the damage of each part the run selected, which part exceeds 100 % and fails the slab,
// or which governs when none does. The thickness is the one the run read. For a workspace's
// documents before any run (Run::ofCurrentInputs), a sentence saying there is none.
std::string designVerdict(const Run& run);

}  // namespace zan
