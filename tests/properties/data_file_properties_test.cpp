// Properties of the .DEF file over random designs: a saved file reads back to exactly the
// same texts, and reading any bytes either applies the whole file or changes nothing.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/def_file.h"
#include "model/text_encoding.h"
#include "random_design.h"
#include "report_checks.h"

namespace zan {
namespace {

using test::Random;

// A workspace in the middle of a session (either unit system, results committed) that a
// file is read into. A few are made once and reused: the analysis behind each is the costly
// part under the sanitizers, and what matters is only that the reader meets real state.
Workspace sessionWorkspace(Random& r) {
    static const std::vector<Workspace> sessions = [] {
        Random seed(99);
        std::vector<Workspace> list;
        for (int i = 0; i < 8; ++i) {
            Workspace w = test::randomDesign(seed, {0, 0});
            performAnalysis(w, AnalysisKind::Both);
            list.push_back(w);
        }
        return list;
    }();
    return sessions[r.below(sessions.size())];
}

void expectSameInputs(Workspace& actual, Workspace& expected, const std::string& context) {
    EXPECT_EQ(actual.unitSystem(), expected.unitSystem()) << context;
    EXPECT_EQ(test::inputTexts(actual), test::inputTexts(expected)) << context;
    EXPECT_EQ(actual.pavement().concreteShoulder, expected.pavement().concreteShoulder) << context;
    EXPECT_EQ(actual.pavement().doweledJoints, expected.pavement().doweledJoints) << context;
}

TEST(DataFileProperty, SavedDesignReadsBackToTheSameTexts) {
    Random r(20240601);
    // Texts of every Windows-1252 character but the quote and the line ends, blanks around
    // them, empty.
    test::DesignFlavour odd{60, 10};
    for (int i = 0; i < 3000; ++i) {
        Workspace saved = test::randomDesign(r, odd);
        if (r.chance(30))
            saved.ensurePavement().thickness = "  " + saved.pavement().thickness + " \t ";
        if (r.chance(30))
            saved.ensureAxles().rows[r.below(10)].tandemCount = "";
        if (r.chance(30))
            saved.ensureAxles().rows[r.below(10)].singleLoad = " , " + test::anyText(r, 6) + "  ";
        const std::string bytes = writeDefFile(saved);

        Workspace loaded = sessionWorkspace(r);
        const AnalysisResults results = loaded.results();
        const CommandOutcome outcome = readDataBytes(loaded, bytes, "design.DEF");
        const std::string context = "case " + std::to_string(i);
        ASSERT_TRUE(outcome.ok()) << context;
        expectSameInputs(loaded, saved, context);
        EXPECT_EQ(loaded.results(), results) << context << ": loading a file changed the results";
        EXPECT_EQ(writeDefFile(loaded), bytes)
            << context << ": saving the loaded design changed the file";
    }
}

TEST(DataFileProperty, EveryAllowedByteSurvivesInEveryField) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        if (b != '"' && b != '\r' && b != '\n')
            all.push_back(static_cast<char>(b));
    all = textEncoding::fromWindows1252(all);
    Workspace saved;
    for (std::string* s :
         {&saved.ensurePavement().thickness, &saved.ensurePavement().modulusOfRupture,
          &saved.ensureTraffic().designPeriod, &saved.ensureAxles().rows[0].singleLoad,
          &saved.ensureAxles().rows[9].tandemCount})
        *s = all;
    Workspace loaded;
    ASSERT_TRUE(readDataBytes(loaded, writeDefFile(saved), "all.DEF").ok());
    expectSameInputs(loaded, saved, "all bytes");
}

// Reading random bytes, or a valid file with damage, into a workspace that holds a design.
TEST(DataFileProperty, AnyBytesApplyCompletelyOrChangeNothing) {
    Random r(77);
    int loaded = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string bytes;
        switch (r.below(4)) {
            case 0:  // bytes of any value, NUL and lone CR included
                bytes = std::string(r.below(600), '\0');
                for (char& c : bytes)
                    c = static_cast<char>(r.below(256));
                break;
            case 1: {  // a valid file with a few bytes changed
                Workspace w = test::randomDesign(r);
                bytes = writeDefFile(w);
                for (int k = 0, n = static_cast<int>(r.below(4)) + 1; k < n; ++k)
                    bytes[r.below(bytes.size())] = "\r\n\",\0x"[r.below(6)];
                break;
            }
            case 2: {  // a valid file with CR-only or LF-only line ends
                Workspace w = test::randomDesign(r);
                for (char c : writeDefFile(w))
                    if (c != '\n')
                        bytes.push_back(c);
                if (r.chance(50))
                    for (char& c : bytes)
                        if (c == '\r')
                            c = '\n';
                break;
            }
            default: {  // a valid file with lines dropped
                Workspace w = test::randomDesign(r);
                bytes = writeDefFile(w);
                for (int k = 0, n = static_cast<int>(r.below(3)) + 1; k < n; ++k) {
                    const std::size_t start = bytes.find("\r\n", r.below(bytes.size()));
                    const std::size_t end =
                        start == std::string::npos ? start : bytes.find("\r\n", start + 2);
                    if (end != std::string::npos)
                        bytes.erase(start, end - start);
                }
            }
        }
        Workspace w = sessionWorkspace(r);
        const Workspace before = w;
        const auto parsed = parseDefFile(bytes);
        const CommandOutcome outcome = readDataBytes(w, bytes, "bytes.DEF");
        const std::string context = "case " + std::to_string(i);
        ASSERT_EQ(outcome.ok(), parsed.ok()) << context;
        if (!outcome.ok()) {
            EXPECT_TRUE(w == before) << context << ": a rejected file changed the workspace";
            ASSERT_TRUE(outcome.message.has_value()) << context;
            EXPECT_FALSE(outcome.message->text.empty()) << context;
            continue;
        }
        ++loaded;
        Workspace expected = before;
        applyDefFile(expected, *parsed);
        expected.markInputsSaved();  // what was read counts as saved
        EXPECT_TRUE(w == expected) << context << ": the file was applied only in part";
    }
    EXPECT_GT(loaded, 500);  // the damage cases must also exercise files that load
}

// A valid file cut at every byte position either loads exactly the saved texts (the cut fell
// after the last field) or changes nothing: a cut value is never taken for the whole.
TEST(DataFileProperty, TruncatedFileLoadsWholeOrNothing) {
    Random r(4242);
    for (int design = 0; design < 12; ++design) {
        Workspace saved = test::randomDesign(r, {20, 10});
        const std::string bytes = writeDefFile(saved);
        // The last field ends with its closing quote, on line 29.
        const std::size_t lastQuote = bytes.rfind("\"\r\n\r\nZAN Data End");
        ASSERT_NE(lastQuote, std::string::npos);
        Random sessionRandom(static_cast<std::uint64_t>(design));
        const Workspace session = sessionWorkspace(sessionRandom);
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            Workspace w = session;
            const CommandOutcome outcome =
                readDataBytes(w, std::string_view(bytes).substr(0, cut), "cut.DEF");
            const std::string context =
                "design " + std::to_string(design) + " cut at " + std::to_string(cut);
            if (cut > lastQuote) {
                ASSERT_TRUE(outcome.ok()) << context;
                expectSameInputs(w, saved, context);
            } else {
                ASSERT_FALSE(outcome.ok()) << context;
                EXPECT_TRUE(w == session) << context;
            }
        }
    }
}

}  // namespace
}  // namespace zan
