#pragma once
// What the web page keeps in the browser's storage to bring the work back after a reload: the
// unit system and its lock, the texts of each input section that exists by their web ids, the
// pavement's captions and options, the axle-load heading, the project, whether the inputs were
// saved since they last changed, the file they came from and when they were kept.
//
// The storage is shared by every page opened from disk in the same browser, so what is read
// back is untrusted: a value that the page could not have written, or that could not have been
// typed or read from a file, refuses the whole, with the reason; nothing is guessed. The two
// formats the page kept before this one are read too.

#include <string>
#include <string_view>

#include "model/expected.h"
#include "model/workspace.h"

namespace zan {

struct KeptInputs {
    Workspace workspace;
    std::string file;  // UTF-8; empty when the inputs came from no file
    double time = 0;   // milliseconds since 1970
};

// The format this version writes.
inline constexpr int kKeptInputsFormat = 3;

// JSON text.
std::string writeKeptInputs(const Workspace& workspace, const std::string& file, double time);

// The reason, in the language in force, when the text cannot be restored.
Expected<KeptInputs, std::string> readKeptInputs(std::string_view text);

// The time the text says it was kept; -1 when there is none that a clock could show.
double keptInputsTime(std::string_view text);

}  // namespace zan
