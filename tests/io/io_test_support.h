#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "support/files.h"

namespace zan::test {

inline std::string dataPath(std::string_view name) {
    return std::string(ZAN_TEST_DATA_DIR) + "/" + std::string(name);
}

inline std::string readData(std::string_view name) {
    const std::string bytes = readBytes(dataPath(name));
    EXPECT_FALSE(bytes.empty()) << "missing test data " << name;
    return bytes;
}

// Splits a CR LF text into its lines; a text not ending in CR LF, or holding a lone CR or
// LF, fails the test.
inline std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CR LF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << "line " << lines.size();
        start = end + 2;
    }
    return lines;
}

}  // namespace zan::test
