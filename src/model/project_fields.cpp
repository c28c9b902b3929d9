#include "model/project_fields.h"

namespace zan {

std::string projectLine(std::string_view typed) {
    std::string line(typed);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

}  // namespace zan
