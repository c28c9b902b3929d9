#pragma once
// What the program says about inputs that may not be what the engineer meant: the warnings a
// batch run prints, the window shows and the memo lists. Each is a sentence that names the
// input as the report does, without the program's or the file's name in front, in the language
// in force: English in zan-report, which never sets one.

#include <string>
#include <vector>

namespace zan {

class Workspace;

enum class InputWarningKind {
    UnitsNotMarked,    // a file's first line names no unit system (said by the file reader)
    NotReadAsWritten,  // a text that is not wholly one number is read as its leading number
    OutsideRange,      // a value outside the typical range the dialogs' OK applies
    ProjectLine,       // a line of the project information that is kept but not read
};

struct InputWarning {
    InputWarningKind kind;
    std::string text;

    bool operator==(const InputWarning&) const = default;
};

// Input by input in table order, axle rows top down (for each, how its text is read, then
// its range), then the project information; empty when there is nothing to say.
//   Average Daily Traffic, ADT = "12,900" is read as 12
//   Trial Thickness, h (in) = 80 is outside the typical range 4 to 20
// An axle row whose load and count are both empty is no warning of the first kind.
std::vector<InputWarning> inputWarningList(const Workspace& workspace);

// The sentences of inputWarningList.
std::vector<std::string> inputWarnings(const Workspace& workspace);

// How many warnings of each kind, as words: "1 input not read as written, 2 inputs outside
// their typical ranges"; empty for none.
std::string warningCounts(const std::vector<InputWarning>& warnings);

}  // namespace zan
