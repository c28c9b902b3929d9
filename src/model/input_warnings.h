#pragma once
// What the program says about inputs that may not be what the engineer meant: the warnings a
// batch run prints, the window shows and the memo lists. Each is a sentence that names the
// input as the report does, without the program's or the file's name in front.

#include <string>
#include <vector>

namespace zan {

class Workspace;

// In table order, axle rows top down; empty when there is nothing to say.
std::vector<std::string> inputWarnings(const Workspace& workspace);

}  // namespace zan
