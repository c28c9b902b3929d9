// The manual page of zan-report keeps up with its --help: every option, exit status and
// summary status the help names is in the page too; zan-design's page and --help name the
// same options. Both pages render cleanly, are found by whatis, and point at each other and
// at the user guide where it is installed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "zan_report_fixture.h"

namespace {

using namespace zan_report_test;

// The page's text as a reader sees it, near enough: the macro names of request lines, font
// changes and quotes dropped, escaped minus signs and fixed spaces made plain, runs of blanks
// made one.
std::string plainText(const std::string& roff) {
    std::string text;
    std::size_t start = 0;
    while (start < roff.size()) {
        std::size_t end = roff.find('\n', start);
        if (end == std::string::npos)
            end = roff.size();
        std::string line = roff.substr(start, end - start);
        start = end + 1;
        if (line.rfind(".\\\"", 0) == 0)
            continue;
        if (!line.empty() && line.front() == '.') {
            const std::size_t blank = line.find(' ');
            line = blank == std::string::npos ? "" : line.substr(blank + 1);
        }
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"')
                continue;
            if (line[i] == '\\' && i + 1 < line.size()) {
                const char next = line[++i];
                if (next == 'f')
                    ++i;  // \fB, \fI, \fR, \fP
                else
                    text += next == '-' ? '-' : next == ' ' ? ' ' : next;
                continue;
            }
            text += line[i];
        }
        text += '\n';
    }
    std::string collapsed;
    for (char c : text) {
        const char blank = c == '\n' ? ' ' : c;
        if (!(blank == ' ' && !collapsed.empty() && collapsed.back() == ' '))
            collapsed += blank;
    }
    return collapsed;
}

struct HelpItems {
    std::vector<std::string> options;          // "--fatigue", "-o", "--"
    std::vector<std::string> exitStatuses;     // "0", "2", ...
    std::vector<std::string> summaryStatuses;  // "3 not an input data file", ...
};

// Options are the help's lines that start with two blanks and a dash; exit statuses and
// summary statuses are the lines that start with two blanks and a digit, before and after
// the summary's heading.
HelpItems readHelp(const std::string& help) {
    HelpItems items;
    bool inSummary = false;
    std::size_t start = 0;
    while (start < help.size()) {
        const std::size_t end = help.find('\n', start);
        const std::string line = help.substr(start, end - start);
        start = end + 1;
        if (line.rfind("Summary (", 0) == 0)
            inSummary = true;
        if (line.size() < 4 || line.rfind("  ", 0) != 0)
            continue;
        if (line[2] == '-') {
            items.options.push_back(line.substr(2, line.find(' ', 2) - 2));
        } else if (std::isdigit(static_cast<unsigned char>(line[2])) && line.substr(3, 2) == "  ") {
            if (!inSummary) {
                items.exitStatuses.push_back(line.substr(2, 1));
            } else {
                const std::string status = line.substr(5, line.find(" (") - 5);
                items.summaryStatuses.push_back(line.substr(2, 1) + " " + status);
            }
        }
    }
    return items;
}

// The tags of the page's .TP paragraphs, by section: ("OPTIONS", "--both"), ("EXIT STATUS",
// "0"), ("SUMMARY", "3 not an input data file").
std::vector<std::pair<std::string, std::string>> taggedParagraphs(const std::string& roff) {
    std::vector<std::pair<std::string, std::string>> tags;
    std::string section;
    bool tagNext = false;
    std::size_t start = 0;
    while (start < roff.size()) {
        const std::size_t end = roff.find('\n', start);
        const std::string line = roff.substr(start, end - start);
        start = end == std::string::npos ? roff.size() : end + 1;
        if (line.rfind(".SH ", 0) == 0) {
            section = plainText(line);
            section.erase(section.find_last_not_of(' ') + 1);
        } else if (line == ".TP") {
            tagNext = true;
        } else if (tagNext) {
            std::string tag = plainText(line);
            tag.erase(tag.find_last_not_of(' ') + 1);
            tags.emplace_back(section, tag);
            tagNext = false;
        }
    }
    return tags;
}

bool hasTag(const std::vector<std::pair<std::string, std::string>>& tags,
            const std::string& section, const std::string& prefix) {
    for (const auto& [where, tag] : tags)
        if (where == section &&
            (tag == prefix || tag.rfind(prefix + " ", 0) == 0 || tag.rfind(prefix + ",", 0) == 0))
            return true;
    return false;
}

class ManPage : public ZanReport {};

TEST_F(ManPage, DescribesEverythingTheHelpNames) {
    const std::string page = readBytes(ZAN_MAN_PAGE);
    ASSERT_FALSE(page.empty()) << ZAN_MAN_PAGE;
    EXPECT_EQ(page.find('@'), std::string::npos) << "a placeholder left unconfigured";
    const auto tags = taggedParagraphs(page);

    const Outcome help = run({"--help"});
    ASSERT_EQ(help.status, 0);
    const HelpItems items = readHelp(help.out);
    ASSERT_EQ(items.options.size(), 12u) << help.out;
    ASSERT_EQ(items.exitStatuses.size(), 7u) << help.out;
    ASSERT_EQ(items.summaryStatuses.size(), 7u) << help.out;

    for (const std::string& option : items.options)
        EXPECT_TRUE(hasTag(tags, "OPTIONS", option)) << option;
    for (const std::string& status : items.exitStatuses)
        EXPECT_TRUE(hasTag(tags, "EXIT STATUS", status)) << status;
    for (const std::string& status : items.summaryStatuses)
        EXPECT_TRUE(hasTag(tags, "SUMMARY", status)) << status;
    EXPECT_NE(plainText(page).find("file,unit system,trial thickness,total fatigue %,"
                                   "total erosion %,recommended thickness,status,project,warnings,"
                                   "fingerprint"),
              std::string::npos);
    EXPECT_NE(plainText(page).find(
                  "axle,row,design load (kips),expected repetitions,radius of relative stiffness "
                  "(in),load factor f1,moment term M,factor f2,equivalent stress Se (psi),stress "
                  "ratio,allowable fatigue repetitions,fatigue %,deflection w (in),power P',factor "
                  "C1,erosion factor,allowable erosion repetitions,erosion %"),
              std::string::npos)
        << "the details header";
}

struct Page {
    const char* name;
    const char* path;
    const char* other;  // the page its SEE ALSO names
};

void PrintTo(const Page& page, std::ostream* out) {
    *out << page.name;
}

const Page kPages[] = {
    {"zan_report", ZAN_MAN_PAGE, "zan-design(1)"},
    {"zan_design", ZAN_DESIGN_MAN_PAGE, "zan-report(1)"},
};

// Runs `command` in a shell, its output kept in `dir`; its status, standard output and error.
Outcome runInShell(const std::filesystem::path& dir, const std::string& command) {
    const std::filesystem::path out = dir / "stdout";
    const std::filesystem::path err = dir / "stderr";
    const int raw = std::system(
        (command + " >" + quoted(out.string()) + " 2>" + quoted(err.string()) + " </dev/null")
            .c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
}

class ManPages : public ZanReport, public ::testing::WithParamInterface<Page> {
  protected:
    Outcome shell(const std::string& command) const { return runInShell(dir(), command); }
    // The page as man shows it on an 80-column terminal, with every groff warning enabled.
    Outcome render() const {
        return shell("MANWIDTH=80 " + quoted(ZAN_MAN) + " --warnings=w -l " +
                     quoted(GetParam().path));
    }
};

TEST_P(ManPages, RenderWithoutWarnings) {
    const Outcome page = render();
    EXPECT_EQ(page.status, 0);
    EXPECT_EQ(page.err, "");
    EXPECT_NE(page.out.find("DESCRIPTION"), std::string::npos) << page.out;
    EXPECT_NE(page.out.find("ZAN Thickness Design " ZAN_VERSION), std::string::npos)
        << "the footer names the version";
    EXPECT_EQ(readBytes(GetParam().path).find('@'), std::string::npos)
        << "a placeholder left unconfigured";
}

// mandb indexes a page by its NAME line; lexgrog reads it as mandb does.
TEST_P(ManPages, NameLineServesWhatis) {
    const std::string command = std::filesystem::path(GetParam().path).stem().string();
    const Outcome whatis = shell(quoted(ZAN_LEXGROG) + " " + quoted(GetParam().path));
    EXPECT_EQ(whatis.status, 0) << whatis.err;
    EXPECT_NE(whatis.out.find("\"" + command + " - "), std::string::npos) << whatis.out;
}

TEST_P(ManPages, SeeAlsoNamesTheOtherPageAndTheInstalledGuide) {
    const Outcome page = render();
    const std::size_t seeAlso = page.out.find("\nSEE ALSO\n");
    ASSERT_NE(seeAlso, std::string::npos) << page.out;
    // Lines joined and indents dropped, so a name broken over two lines is still found.
    std::string section;
    for (char c : page.out.substr(seeAlso)) {
        const bool blank = c == ' ' || c == '\n' || c == '\t';
        if (!blank)
            section += c;
        else if (!section.empty() && section.back() != ' ')
            section += ' ';
    }
    EXPECT_NE(section.find(GetParam().other), std::string::npos) << section;
    EXPECT_NE(section.find(ZAN_GUIDE_DESTINATION "/user-guide.md"), std::string::npos) << section;
    EXPECT_NE(section.find("Help > User Guide (F1)"), std::string::npos) << section;
}

#ifdef ZAN_DESIGN_BINARY
// zan-design as started from a terminal, with no display unless `display` (then offscreen).
Outcome runDesign(const std::filesystem::path& dir, const std::string& arguments, bool display) {
    const std::string environment = display
                                        ? "env QT_QPA_PLATFORM=offscreen "
                                        : "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    // In the test's folder, where a file it writes (the memo of --export-pdf) goes away with it.
    return runInShell(dir, "cd " + quoted(dir.string()) + " && " + environment +
                               quoted(ZAN_DESIGN_BINARY) + " " + arguments);
}

// The options of a Qt help text: every -x and --xyz of its lines that start with two blanks
// and a dash.
std::vector<std::string> qtHelpOptions(const std::string& help) {
    std::vector<std::string> options;
    std::size_t start = 0;
    while (start < help.size()) {
        const std::size_t end = help.find('\n', start);
        const std::string line = help.substr(start, end - start);
        start = end == std::string::npos ? help.size() : end + 1;
        if (line.rfind("  -", 0) != 0)
            continue;
        // The names run until two blanks part them from their description.
        const std::string names = line.substr(2, line.find("  ", 2) - 2);
        std::size_t at = 0;
        while (at < names.size()) {
            std::size_t next = names.find(", ", at);
            // "--export-pdf <OUT.pdf>": the name without its value
            const std::string name = names.substr(at, next - at);
            options.push_back(name.substr(0, name.find(' ')));
            at = next == std::string::npos ? names.size() : next + 2;
        }
    }
    return options;
}

TEST_F(ManPage, ZanDesignHelpAndPageNameTheSameOptionsAndUsage) {
    const Outcome help = runDesign(dir(), "--help", false);
    ASSERT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.err, "");
    const std::vector<std::string> options = qtHelpOptions(help.out);
    EXPECT_EQ(options, (std::vector<std::string>{"-h", "--help", "-v", "--version", "--export-pdf",
                                                 "--design", "--lang"}))
        << help.out;
    EXPECT_NE(help.out.find(" [options] [FILE.DEF]\n"), std::string::npos) << help.out;

    const std::string page = readBytes(ZAN_DESIGN_MAN_PAGE);
    std::vector<std::string> tagged;
    for (const auto& [section, tag] : taggedParagraphs(page))
        for (std::size_t at = 0; section == "OPTIONS" && at < tag.size();) {
            // "-h , --help": the names parted by commas, blanks around them
            const std::size_t comma = std::min(tag.find(',', at), tag.size());
            const std::size_t first = tag.find_first_not_of(' ', at);
            const std::size_t last = tag.find_last_not_of(' ', comma - 1);
            const std::string name = tag.substr(first, last + 1 - first);
            tagged.push_back(name.substr(0, name.find(' ')));
            at = comma + 1;
        }
    EXPECT_EQ(tagged, options);
    const std::string text = plainText(page);
    EXPECT_NE(text.find("SYNOPSIS zan-design [ FILE.DEF ]"), std::string::npos) << text;
    for (const char* status : {"0", "2", "3", "4", "5", "6", "7"})
        EXPECT_TRUE(hasTag(taggedParagraphs(page), "EXIT STATUS", status)) << status;
}

struct DesignRun {
    const char* name;
    const char* arguments;
    bool display;
    int status;
    const char* out;
    const char* err;
};

void PrintTo(const DesignRun& run, std::ostream* out) {
    *out << run.name;
}

class ZanDesignCommandLine : public ZanReport, public ::testing::WithParamInterface<DesignRun> {};

TEST_P(ZanDesignCommandLine, AnswersWithoutAWindow) {
    const DesignRun& run = GetParam();
    const Outcome outcome = runDesign(dir(), run.arguments, run.display);
    EXPECT_EQ(outcome.status, run.status);
    EXPECT_EQ(outcome.out, run.out);
    EXPECT_NE(outcome.err.find(run.err), std::string::npos) << outcome.err;
}

const std::string kVersion = "zan-design (ZAN Thickness Design) " ZAN_VERSION "\n";

INSTANTIATE_TEST_SUITE_P(
    Runs, ZanDesignCommandLine,
    ::testing::Values(
        DesignRun{"Version", "--version", false, 0, kVersion.c_str(), ""},
        DesignRun{"ShortVersion", "-v", false, 0, kVersion.c_str(), ""},
        DesignRun{"VersionBesideAFile", "design.DEF --version", false, 0, kVersion.c_str(), ""},
        DesignRun{"VersionAfterAQtOption", "-platform offscreen --version", false, 0,
                  kVersion.c_str(), ""},
        // Qt's one-dash options are whole words, not -r -e -v ... or -s -t ... -h: they reach
        // Qt, and only the unknown option is refused.
        DesignRun{"QtOptionsReachQt", "-reverse -stylesheet x.qss --bogus", true, 2, "",
                  "zan-design: Unknown option 'bogus'.\n"},
        DesignRun{"UnknownOption", "--bogus design.DEF", true, 2, "",
                  "zan-design: Unknown option 'bogus'.\nTry 'zan-design --help' for more "
                  "information.\n"},
        // The memo without a display, with zan-report's messages and statuses.
        DesignRun{"ExportPdfOfADesign",
                  "--export-pdf memo.pdf --design " ZAN_EXAMPLES_DIR "/heavy.DEF", false, 0, "",
                  "The Recommended Minimum Slab Thickness is :  9.25  in.\n"},
        DesignRun{"ExportPdfOfAMissingFile", "--export-pdf memo.pdf missing.DEF", false, 4, "",
                  "missing.DEF could not be read: No such file or directory. Nothing was "
                  "loaded.\n"},
        DesignRun{"ExportPdfNeedsOneFile", "--export-pdf memo.pdf", false, 2, "",
                  "zan-design: --export-pdf needs exactly one FILE.DEF\n"},
        DesignRun{"DesignOnlyWithExport", "--design design.DEF", true, 2, "",
                  "zan-design: --design goes with --export-pdf\n"},
        // A forgotten OUT takes the next option, as with zan-report's -o: refused.
        DesignRun{"ExportPdfNamedLikeAnOption",
                  "--export-pdf --design " ZAN_EXAMPLES_DIR "/heavy.DEF", false, 2, "",
                  "zan-design: --export-pdf needs the name of the PDF file to write before "
                  "anything else, not --design\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The memo is written as zan-report's -o writes: never over a design, whatever the order of
// the options.
TEST_F(ZanReport, ExportPdfFollowsTheRulesOfZanReportsOutput) {
    const std::string heavy = readBytes(example("heavy.DEF"));
    file("a.DEF", heavy);
    file("b.DEF", heavy);
    for (const char* args : {"--export-pdf a.DEF b.DEF", "--export-pdf b.DEF b.DEF"}) {
        const Outcome r = runDesign(dir(), args, false);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("; nothing was written. Give the memo another name."),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(readBytes(dir() / "a.DEF"), heavy);
        EXPECT_EQ(readBytes(dir() / "b.DEF"), heavy);
    }
    // Standard error is English in every language of the memo.
    for (const char* args :
         {"--export-pdf before.pdf --design b.DEF", "--export-pdf after.pdf b.DEF --design",
          "--lang es --export-pdf es.pdf --design b.DEF"}) {
        const Outcome r = runDesign(dir(), args, false);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("The Recommended Minimum Slab Thickness is :  9.25  in."),
                  std::string::npos)
            << args;
    }
    EXPECT_EQ(readBytes(dir() / "before.pdf").size(), readBytes(dir() / "after.pdf").size());

    // A report line of hundreds of characters is laid out on the page, not refused.
    std::string longLine = heavy;
    longLine.replace(longLine.find("\"0.45\""), 6, "\"0.45" + std::string(400, 'x') + "\"");
    file("long.DEF", longLine);
    const Outcome r = runDesign(dir(), "--export-pdf long.pdf long.DEF", false);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("zan-design: warning: long.DEF: Single Axles per 1000 Trucks, row 1 = "),
              std::string::npos)
        << r.err;
    EXPECT_EQ(runDesign(dir(), "--lang es --export-pdf long.es.pdf long.DEF", false).err, r.err);
}
#endif

INSTANTIATE_TEST_SUITE_P(Both, ManPages, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
