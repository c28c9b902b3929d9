#pragma once
// Whole files as bytes, for the tests that write designs and read back what a program wrote.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zan::test {

// Empty when the file cannot be opened; the caller's expectation on the bytes says so.
inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace zan::test
