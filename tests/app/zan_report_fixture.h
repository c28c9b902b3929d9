#pragma once
// Running zan-report as a user runs it: the real binary in a shell, its exit status and the
// bytes it writes, with a scratch folder per test.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "support/files.h"

namespace zan_report_test {

namespace fs = std::filesystem;

inline const std::string kBinary = ZAN_REPORT_BINARY;
inline const fs::path kExamples = ZAN_EXAMPLES_DIR;

using zan::test::readBytes;
using zan::test::writeBytes;

inline std::string quoted(const std::string& text) {
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// An example's inputs with some lines replaced; lines count from 1 as in the file format.
inline std::string exampleWith(const char* name,
                               const std::vector<std::pair<int, std::string>>& replacements) {
    std::string bytes = readBytes(kExamples / name);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    for (const auto& [line, text] : replacements)
        lines.at(static_cast<std::size_t>(line - 1)) = text;
    std::string result;
    for (const std::string& line : lines)
        result += line + "\r\n";
    return result;
}

inline std::string initialEnglishWith(
    const std::vector<std::pair<int, std::string>>& replacements) {
    return exampleWith("initial-english.DEF", replacements);
}

class ZanReport : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zan-report-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path dir() const { return m_dir; }

    fs::path file(const std::string& name, const std::string& bytes) const {
        const fs::path path = m_dir / name;
        writeBytes(path, bytes);
        return path;
    }

    // Runs in `workingDirectory` when one is given, with the shell's `VAR=value ...` before it.
    Outcome run(const std::vector<std::string>& args, const fs::path& workingDirectory = {},
                const std::string& environment = {}) const {
        std::string command;
        if (!workingDirectory.empty())
            command = "cd " + quoted(workingDirectory.string()) + " && ";
        command += environment + " " + quoted(kBinary);
        for (const std::string& arg : args)
            command += " " + quoted(arg);
        const fs::path out = m_dir / "stdout";
        const fs::path err = m_dir / "stderr";
        command += " >" + quoted(out.string()) + " 2>" + quoted(err.string()) + " </dev/null";
        const int raw = std::system(command.c_str());
        Outcome result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readBytes(out);
        result.err = readBytes(err);
        fs::remove(out);
        fs::remove(err);
        return result;
    }

  private:
    fs::path m_dir;
};

inline std::string example(const char* name) {
    return (kExamples / name).string();
}

}  // namespace zan_report_test
