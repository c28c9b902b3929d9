#pragma once
// The seven texts of the project information, in the order the input data file keeps them:
// Edit > Project Information, the web page's project fields, the .DEF after its end marker and
// the memo's first page all go through this one table.

#include <array>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "model/workspace.h"

namespace zan {

// Where the seven are entered: the desktop's dialog and the web page's group.
inline constexpr const char* kProjectInformationTitle =
    ZAN_TRANSLATE_NOOP("Project", "Project Information");

struct ProjectField {
    std::string_view key;  // the .DEF line "Key: text"; part of the file format
    const char* caption;   // what the dialog, the web page and the memo call it
    std::string ProjectInfo::*text;
};

inline constexpr std::array<ProjectField, 7> kProjectFields = {{
    {"Project", ZAN_TRANSLATE_NOOP("Project", "Project"), &ProjectInfo::project},
    {"Location", ZAN_TRANSLATE_NOOP("Project", "Location"), &ProjectInfo::location},
    {"Client", ZAN_TRANSLATE_NOOP("Project", "Client"), &ProjectInfo::client},
    {"Designer", ZAN_TRANSLATE_NOOP("Project", "Designer"), &ProjectInfo::designer},
    {"Checker", ZAN_TRANSLATE_NOOP("Project", "Checker"), &ProjectInfo::checker},
    {"Revision", ZAN_TRANSLATE_NOOP("Project", "Revision"), &ProjectInfo::revision},
    {"Notes", ZAN_TRANSLATE_NOOP("Project", "Notes"), &ProjectInfo::notes},
}};

// A project text as the workspace keeps it: one line, because a line end would end the text
// in the input data file; each CR or LF becomes a blank, as a pasted line end does elsewhere.
std::string projectLine(std::string_view typed);

}  // namespace zan
