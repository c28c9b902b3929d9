// The memo that carries its inputs: zan-design --export-pdf attaches the file Save Input Data
// writes, pdfdetach and zan-report take it back out, and a memo re-saved by another PDF program
// still opens; a PDF without one, a damaged one and a huge one are refused with a message.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "io/sha256.h"
#include "zan_report_fixture.h"

#ifdef ZAN_DESIGN_BINARY

namespace {

using namespace zan_report_test;

class MemoProof : public ZanReport {
  protected:
    // The shell's exit status of `command`, run in the test's folder, quiet.
    int shell(const std::string& command) const {
        const std::string line =
            "cd " + quoted(dir().string()) + " && " + command + " >/dev/null 2>&1 </dev/null";
        const int raw = std::system(line.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    bool exportMemo(const std::string& design, const std::string& pdf) const {
        return shell("env QT_QPA_PLATFORM=offscreen " + quoted(ZAN_DESIGN_BINARY) +
                     " --export-pdf " + quoted(pdf) + " " + quoted(design)) == 0;
    }
};

TEST_F(MemoProof, EveryExampleComesBackFromItsMemoByteForByte) {
    if (shell("command -v pdfdetach && command -v qpdf") != 0)
        GTEST_SKIP() << "pdfdetach (poppler-utils) or qpdf is not installed";
    for (const char* name : {"initial-english.DEF", "initial-metric.DEF", "light.DEF", "medium.DEF",
                             "heavy.DEF", "very-heavy.DEF"}) {
        const std::string design = example(name);
        ASSERT_TRUE(exportMemo(design, "memo.pdf")) << name;
        // The examples are what Save Input Data writes for their inputs.
        ASSERT_EQ(shell("pdfdetach -save 1 -o attached.DEF memo.pdf"), 0) << name;
        EXPECT_EQ(readBytes(dir() / "attached.DEF"), readBytes(kExamples / name)) << name;

        const std::string memo = (dir() / "memo.pdf").string();
        const Outcome fromFile = run({"--both", design});
        const Outcome fromMemo = run({"--both", memo});
        EXPECT_EQ(fromMemo.status, 0) << fromMemo.err;
        EXPECT_EQ(fromMemo.out, fromFile.out) << name;
        EXPECT_EQ(run({"--fingerprint", memo}).out,
                  zan::sha256Hex(readBytes(kExamples / name)) + "\n")
            << name;

        // The QR code on page 1, printed and scanned at 150 dpi, gives the file back.
        if (shell("command -v pdftoppm && command -v zbarimg") == 0) {
            ASSERT_EQ(shell("pdftoppm -r 150 -f 1 -l 1 -png memo.pdf page"), 0) << name;
            ASSERT_EQ(shell("(zbarimg --raw -q -Sbinary page-1.png > code.DEF)"), 0) << name;
            EXPECT_EQ(readBytes(dir() / "code.DEF"), readBytes(kExamples / name)) << name;
        }
        ASSERT_EQ(shell("qpdf --object-streams=generate memo.pdf resaved.pdf"), 0) << name;
        EXPECT_EQ(run({"--both", (dir() / "resaved.pdf").string()}).out, fromFile.out) << name;
    }
}

struct BadPdf {
    const char* name;
    const char* make;  // a shell command that writes bad.pdf, given memo.pdf
    const char* reason;
};

TEST_F(MemoProof, APdfWithoutADesignIsRefusedWithAMessage) {
    if (shell("command -v qpdf") != 0)
        GTEST_SKIP() << "qpdf is not installed";
    ASSERT_TRUE(exportMemo(example("heavy.DEF"), "memo.pdf"));
    const BadPdf cases[] = {
        {"NoAttachment", "qpdf --empty bad.pdf", "it is a PDF without an attached input data file"},
        {"Cut", "head -c 3000 memo.pdf > bad.pdf", "it is a damaged PDF"},
        {"Garbled", "(head -c 9 memo.pdf; head -c 200000 /dev/urandom) > bad.pdf",
         "it is a damaged PDF"},
        {"Huge", "truncate -s 1G bad.pdf", "it is larger than 64 MiB"},
    };
    for (const BadPdf& c : cases) {
        ASSERT_EQ(shell(std::string("rm -f bad.pdf && (") + c.make + ")"), 0) << c.name;
        const std::string bad = (dir() / "bad.pdf").string();
        const Outcome r = run({"--both", bad});
        EXPECT_EQ(r.status, 4) << c.name;
        EXPECT_EQ(r.out, "") << c.name;
        EXPECT_EQ(r.err.rfind("zan-report: The file " + bad + " could not be read: ", 0), 0u)
            << c.name << ": " << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.name << ": " << r.err;
        EXPECT_NE(r.err.find("Nothing was loaded."), std::string::npos) << c.name;
        EXPECT_EQ(run({"--summary", bad}).status, 4) << c.name;
    }
}

}  // namespace

#endif
