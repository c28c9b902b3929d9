// zan-report as a user runs it: the real binary, its exit status, and the bytes it writes.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "io/sha256.h"
#include "zan_report_fixture.h"

namespace {

using namespace zan_report_test;

// ---- Command line ---------------------------------------------------------------------

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* reason;
};

class WrongUsage : public ZanReport, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(WrongUsage, ExitsWithTwoAndTheUsageOnStandardError) {
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args)
        if (arg == "EXAMPLE")
            arg = example("initial-english.DEF");
    const Outcome r = run(args, dir());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(fs::is_empty(dir())) << "a file was written";
    EXPECT_NE(r.err.find(GetParam().reason), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Usage: zan-report"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, WrongUsage,
    ::testing::Values(
        UsageCase{"NoArguments", {}, "no input file"},
        UsageCase{"OnlyAMode", {"--fatigue"}, "no input file"},
        UsageCase{"UnknownOption", {"--thickness", "EXAMPLE"}, "unknown option --thickness"},
        UsageCase{"UnknownShortOption", {"-x", "EXAMPLE"}, "unknown option -x"},
        UsageCase{"TwoFiles", {"EXAMPLE", "EXAMPLE"}, "only one input file"},
        UsageCase{"TwoModes", {"--fatigue", "--erosion", "EXAMPLE"}, "only one of"},
        UsageCase{"TheSameModeTwice", {"--both", "--both", "EXAMPLE"}, "only one of"},
        UsageCase{"DetailsAndAReport", {"--details", "--design", "EXAMPLE"}, "only one of"},
        UsageCase{"DetailsOfTwoFiles", {"--details", "EXAMPLE", "EXAMPLE"}, "only one input file"},
        UsageCase{"OutputWithoutName", {"EXAMPLE", "-o"}, "-o needs a file name"},
        UsageCase{"TwoOutputs", {"-o", "a", "-o", "b", "EXAMPLE"}, "-o given twice"},
        UsageCase{"OutputNamedAsAnOption", {"-o", "--design", "EXAMPLE"}, "not --design"},
        UsageCase{"SummaryOutputNamedAsAnOption",
                  {"--summary", "-o", "--both", "EXAMPLE"},
                  "not --both"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ZanReport, HelpExplainsOptionsAndEveryExitStatus) {
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* word :
         {"--fatigue", "--erosion", "--both", "--design", "--inputs", "--details", "-o OUT",
          "  0  ", "  2  ", "  3  ", "  4  ", "  5  ", "  6  ", "  7  "})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST_F(ZanReport, DoubleDashLetsAFileNameStartWithADash) {
    fs::copy_file(example("initial-english.DEF"), dir() / "-design.DEF");
    const std::string plain = run({example("initial-english.DEF")}).out;
    const Outcome r = run({"--", "-design.DEF"}, dir());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, plain);
}

// ---- Exit statuses for bad inputs -------------------------------------------------------

struct BadInputCase {
    const char* name;
    std::string bytes;  // empty: no file at all
    std::vector<std::string> options;
    int status;
    std::string err;  // standard error exactly; empty: only that something was said
};

class BadInput : public ZanReport, public ::testing::WithParamInterface<BadInputCase> {};

TEST_P(BadInput, ExitsWithItsStatusAndWritesNoReport) {
    const BadInputCase& c = GetParam();
    const fs::path path = c.bytes.empty() ? dir() / "missing.DEF" : file("input.DEF", c.bytes);
    std::vector<std::string> args = c.options;
    args.push_back(path.string());
    const Outcome r = run(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, "");
    if (c.err.empty())
        EXPECT_NE(r.err, "");
    else
        EXPECT_EQ(r.err, "zan-report: " + path.string() + ": " + c.err);
}

std::string truncatedAfter(int lines) {
    const std::string bytes = initialEnglishWith({});
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i)
        end = bytes.find("\r\n", end) + 2;
    return bytes.substr(0, end);
}

INSTANTIATE_TEST_SUITE_P(
    ExitStatus, BadInput,
    ::testing::Values(
        BadInputCase{"WrongThirdLine",
                     initialEnglishWith({{3, "***zan***"}}),
                     {},
                     3,
                     "Incorrect Input File!\n"},
        BadInputCase{"NotADataFileAtAll",
                     "hello\r\n\r\nworld\r\n",
                     {"--inputs"},
                     3,
                     "Incorrect Input File!\n"},
        BadInputCase{"EndsBeforeTheThirdLine", "hello\r\n", {"--inputs"}, 4, ""},
        BadInputCase{"Missing", "", {}, 4, ""},
        BadInputCase{"EndsInTheAxleRows", truncatedAfter(25), {}, 4, ""},
        BadInputCase{"EndsAfterTheMarker", truncatedAfter(3), {"--design"}, 4, ""},
        BadInputCase{"ZeroThickness", initialEnglishWith({{5, "0"}}), {"--both"}, 5, ""},
        BadInputCase{"ZeroSubgradeModulus", initialEnglishWith({{6, "0"}}), {"--fatigue"}, 5, ""},
        BadInputCase{"ZeroLoadInTheSearch",
                     initialEnglishWith({{20, R"("0","0.58","52","1.96")"}}),
                     {"--design"},
                     5,
                     ""},
        BadInputCase{"ZeroModulusOfRupture", initialEnglishWith({{7, "0"}}), {"--erosion"}, 5, ""},
        BadInputCase{"DetailsOfAFileThatIsNoInputDataFile",
                     initialEnglishWith({{3, "***zan***"}}),
                     {"--details"},
                     3,
                     "Incorrect Input File!\n"},
        BadInputCase{"DetailsOfAMissingFile", "", {"--details"}, 4, ""},
        BadInputCase{"DetailsOfATruncatedFile", truncatedAfter(25), {"--details"}, 4, ""},
        BadInputCase{"DetailsOfARefusedLoad",
                     initialEnglishWith({{20, R"("0","0.58","52","1.96")"}}),
                     {"--details"},
                     5,
                     ""},
        // A start just below the search's upper bound of 50 in, and a load no slab carries.
        BadInputCase{"NoPassingThickness",
                     initialEnglishWith({{5, "49"}, {20, R"("2000","0.58","52","1.96")"}}),
                     {"--design"},
                     6,
                     ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Inputs outside their typical ranges -----------------------------------------------

// Every mode warns, after the file is read, about each input outside the range the dialogs'
// OK applies; the exit status and what goes to standard output stay what they were.
struct RangeWarningCase {
    const char* name;
    std::string bytes;
    const char* mode;
    int status;
    std::string warnings;  // standard error begins with these lines, FILE standing for the path
};

class RangeWarning : public ZanReport, public ::testing::WithParamInterface<RangeWarningCase> {};

TEST_P(RangeWarning, IsALineOnStandardErrorAndChangesNothingElse) {
    const RangeWarningCase& c = GetParam();
    const fs::path path = file("input.DEF", c.bytes);
    const Outcome r = run({c.mode, path.string()});
    EXPECT_EQ(r.status, c.status) << r.err;
    std::string warnings = c.warnings;
    for (std::size_t at = warnings.find("FILE"); at != std::string::npos;
         at = warnings.find("FILE", at))
        warnings.replace(at, 4, path.string());
    EXPECT_EQ(r.err.substr(0, warnings.size()), warnings) << r.err;
    EXPECT_EQ(r.out.empty(), c.status != 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, RangeWarning,
    ::testing::Values(
        RangeWarningCase{"SlipInTheThickness", initialEnglishWith({{5, "80"}}), "--both", 0,
                         "zan-report: warning: FILE: Trial Thickness, h (in) = 80 is outside the "
                         "typical range 4 to 20\n"},
        RangeWarningCase{"InputsWithCapitalKAndTheTextAsEntered",
                         initialEnglishWith({{6, "1.5E3"}, {12, "0"}}), "--inputs", 0,
                         "zan-report: warning: FILE: Subgrade Modulus, K (psi/in) = 1.5E3 is "
                         "outside the typical range 20 to 1000\n"
                         "zan-report: warning: FILE: Average Daily Traffic, ADT = 0 is outside "
                         "the typical range 1 to 1000000\n"},
        RangeWarningCase{
            "DesignOfAMetricFileNamesTheAxleRow",
            exampleWith("initial-metric.DEF", {{22, R"("115.7","2.77","891","11.48")"}}),
            "--design", 0,
            "zan-report: warning: FILE: Tandem Axle Load, row 3 (kN) = 891 is outside "
            "the typical range 17.8 to 890\n"},
        RangeWarningCase{"DetailsOfACount",
                         initialEnglishWith({{29, R"("12","168.84","16","1e5")"}}), "--details", 0,
                         "zan-report: warning: FILE: Tandem Axles per 1000 Trucks, row 10 = 1e5 is "
                         "outside the typical range 0 to 10000\n"},
        RangeWarningCase{"SafetyFactorJustAboveItsMaximum", initialEnglishWith({{17, "1.31"}}),
                         "--fatigue", 0,
                         "zan-report: warning: FILE: Load Safety Factor, LSF = 1.31 is outside "
                         "the typical range 1 to 1.3\n"},
        RangeWarningCase{"DecimalCommaReadAsItsLeadingNumber", initialEnglishWith({{12, "12,900"}}),
                         "--summary", 0,
                         "zan-report: warning: FILE: Average Daily Traffic, ADT = \"12,900\" is "
                         "read as 12\n"},
        RangeWarningCase{"NotANumberReadAsZeroAndOutsideItsRange",
                         initialEnglishWith({{5, "nan"}, {6, "0x1p3"}}), "--inputs", 0,
                         "zan-report: warning: FILE: Trial Thickness, h (in) = \"nan\" is read as "
                         "0\nzan-report: warning: FILE: Trial Thickness, h (in) = nan is outside "
                         "the typical range 4 to 20\nzan-report: warning: FILE: Subgrade Modulus, "
                         "K (psi/in) = \"0x1p3\" is read as 0\n"},
        RangeWarningCase{"ControlCharactersShownNotObeyed", initialEnglishWith({{13, "19\x1b[2J"}}),
                         "--details", 0,
                         "zan-report: warning: FILE: Proportion of Trucks,% = \"19\\x1b[2J\" is "
                         "read as 19\n"},
        RangeWarningCase{"ProjectLinesKeptUnread",
                         initialEnglishWith({}) + "***Project***\r\nProject:a\r\nProject: b\r\n",
                         "--design", 0,
                         "zan-report: warning: FILE: Project information: \"Project: b\" is kept "
                         "unread: only the first Project line is read\n"},
        RangeWarningCase{"RefusedInputsKeepTheirStatus", initialEnglishWith({{5, "0"}}),
                         "--erosion", 5,
                         "zan-report: warning: FILE: Trial Thickness, h (in) = 0 is outside the "
                         "typical range 4 to 20\nzan-report: FILE: The trial thickness h (in) is "
                         "zero or negative"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Reports ------------------------------------------------------------------------------

bool everyLineEndsWithCrLf(const std::string& text) {
    if (text.empty() || text.back() != '\n')
        return false;
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        if (i == 0 || text[i - 1] != '\r')
            return false;
    return true;
}

TEST_F(ZanReport, BothReportOfTheInitialEnglishDesign) {
    const Outcome r = run({"--both", example("initial-english.DEF")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "") << "no message box, and no \"Loaded!\"";
    EXPECT_TRUE(everyLineEndsWithCrLf(r.out));

    // The fatigue rows: load 6 wide, repetitions 12, stress 7, ratio, allowable 12, damage 6.
    const std::string singleRow =
        "            30.0             6258       393.8    0.606         26353   23.7";
    const std::string tandemRowStart = "            52.0            21147       319.7    ";
    EXPECT_NE(r.out.find("          Dual-Single\r\n" + singleRow + "\r\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("          Dual-Tandem\r\n" + tandemRowStart), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Fatigue Analysis Solutions"), std::string::npos);
    EXPECT_NE(r.out.find("Erosion Analysis Solutions"), std::string::npos);
    EXPECT_EQ(run({example("initial-english.DEF")}).out, r.out) << "--both is the default";
}

// The fingerprint a memo prints: of the file Save Input Data writes, which for a file the
// program saved is the file itself, and which a file spaced otherwise shares with it.
TEST_F(ZanReport, FingerprintIsTheSha256OfTheFileAsTheProgramSavesIt) {
    for (const char* name : {"initial-english.DEF", "initial-metric.DEF", "heavy.DEF"}) {
        const Outcome r = run({"--fingerprint", example(name)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, zan::sha256Hex(readBytes(kExamples / name)) + "\n") << name;
    }
    // An editor's LF line ends and blanks around the axle fields.
    std::string spaced;
    for (const char c : readBytes(kExamples / "heavy.DEF"))
        spaced += c == '\r' ? std::string() : c == ',' ? std::string(" ,  ") : std::string(1, c);
    EXPECT_EQ(run({"--fingerprint", file("spaced.DEF", spaced).string()}).out,
              run({"--fingerprint", example("heavy.DEF")}).out);
    const fs::path broken = file("broken.DEF", initialEnglishWith({{3, "***zan***"}}));
    EXPECT_EQ(run({"--fingerprint", broken.string()}).status, 3) << "\"Incorrect Input File!\"";
}

struct SectionCase {
    const char* name;
    const char* mode;
    bool fatigue;
    bool erosion;
};

class ReportSections : public ZanReport, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(ReportSections, FollowTheCommand) {
    const Outcome r = run({GetParam().mode, example("initial-english.DEF")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("Fatigue Analysis Solutions") != std::string::npos, GetParam().fatigue);
    EXPECT_EQ(r.out.find("Erosion Analysis Solutions") != std::string::npos, GetParam().erosion);
    EXPECT_NE(r.out.find("Trial Thickness, h (in) = 9.50\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("Subgrade Modulus, K (psi/in)"), std::string::npos)
        << "captions as after File > Read";
}

INSTANTIATE_TEST_SUITE_P(Commands, ReportSections,
                         ::testing::Values(SectionCase{"Fatigue", "--fatigue", true, false},
                                           SectionCase{"Erosion", "--erosion", false, true},
                                           SectionCase{"Both", "--both", true, true},
                                           SectionCase{"Inputs", "--inputs", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ZanReport, InputsReportIsTheHeadingAndInputsAlone) {
    const Outcome r = run({"--inputs", example("initial-english.DEF")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::size_t lines = 0;
    for (char c : r.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 35u);
}

TEST_F(ZanReport, MetricExampleReportsInMetricUnits) {
    const Outcome r = run({example("initial-metric.DEF")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Trial Thickness, h (cm) = 24.10\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("Load, kN  "), std::string::npos);
    EXPECT_NE(r.out.find(" 133.5"), std::string::npos);
}

std::vector<std::string> csvLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

// A damage total above 100 % is a result, not a failure: status 0, the report, and the
// message box's lines on standard error.
struct DamageCase {
    const char* name;
    const char* mode;
    const char* err;
};

class DamageAbove100 : public ZanReport, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamageAbove100, IsAnnouncedLineByLine) {
    const fs::path thin = file("thin.DEF", initialEnglishWith({{5, "5"}}));
    const Outcome r = run({GetParam().mode, thin.string()});
    EXPECT_EQ(r.status, 0);
    std::string expected;
    for (const std::string& line : csvLines(GetParam().err))
        expected += "zan-report: " + thin.string() + ": " + line + "\n";
    EXPECT_EQ(r.err, expected);
    EXPECT_NE(r.out.find("damage exceeds 100%."), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DamageAbove100,
    ::testing::Values(DamageCase{"Fatigue", "--fatigue", "The fatigue damage exceeds 100%."},
                      DamageCase{"Erosion", "--erosion", "The erosion damage exceeds 100%."},
                      DamageCase{
                          "Both", "--both",
                          "The fatigue damage exceeds 100%.\r\nThe erosion damage exceeds 100%."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ZanReport, DesignAnnouncesTheThicknessAndReportsIt) {
    const Outcome r = run({"--design", example("initial-english.DEF")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string announcement = "zan-report: " + example("initial-english.DEF") +
                                     ": The Recommended Minimum Slab Thickness is :  ";
    ASSERT_EQ(r.err.rfind(announcement, 0), 0u) << r.err;
    ASSERT_GE(r.err.size(), announcement.size() + 7);
    EXPECT_EQ(r.err.substr(r.err.size() - 6), "  in.\n");
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line";

    // The report shows the found thickness as the trial thickness: "8.75" in the message is
    // "8.75" in the report's "0.00" pattern too.
    const std::string thickness =
        r.err.substr(announcement.size(), r.err.size() - announcement.size() - 6);
    EXPECT_NE(r.out.find("Trial Thickness, h (in) = " + thickness + "\r\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Erosion Analysis Solutions"), std::string::npos);
}

TEST_F(ZanReport, DesignInMetricAnnouncesCentimetres) {
    const Outcome r = run({"--design", example("initial-metric.DEF")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.substr(r.err.size() - 6), "  cm.\n") << r.err;
}

// ---- --details -----------------------------------------------------------------------------

std::size_t fieldCount(const std::string& line) {
    std::size_t commas = 0;
    for (char c : line)
        commas += c == ',';
    return commas + 1;
}

TEST_F(ZanReport, DetailsAreAHeaderAndTwentyRows) {
    for (const char* name : {"heavy.DEF", "initial-metric.DEF"}) {
        SCOPED_TRACE(name);
        const Outcome r = run({"--details", example(name)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(everyLineEndsWithCrLf(r.out));
        const std::vector<std::string> lines = csvLines(r.out);
        ASSERT_EQ(lines.size(), 21u) << r.out;
        EXPECT_EQ(lines[0].rfind("axle,row,design load (kips),expected repetitions,", 0), 0u);
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(fieldCount(lines[i]), 18u) << lines[i];
        EXPECT_EQ(lines[1].rfind("single,1,", 0), 0u);
        EXPECT_EQ(lines[10].rfind("single,10,", 0), 0u);
        EXPECT_EQ(lines[11].rfind("tandem,1,", 0), 0u);
        EXPECT_EQ(lines[20].rfind("tandem,10,", 0), 0u);
        EXPECT_EQ(lines[20].find(",,"), std::string::npos) << "both parts run";
    }
}

// The details run the Both analysis: its messages are those of --both.
TEST_F(ZanReport, DetailsAnnounceDamageAbove100AsBothDoes) {
    const fs::path thin = file("thin.DEF", initialEnglishWith({{5, "5"}}));
    const Outcome details = run({"--details", thin.string()});
    EXPECT_EQ(details.status, 0);
    EXPECT_EQ(details.err, run({"--both", thin.string()}).err);
    EXPECT_NE(details.err, "");
    EXPECT_EQ(csvLines(details.out).size(), 21u);
}

// ---- -o OUT -------------------------------------------------------------------------------

TEST_F(ZanReport, OutputFileHoldsTheBytesOfStandardOutput) {
    for (const char* mode :
         {"--fatigue", "--erosion", "--both", "--design", "--inputs", "--details"}) {
        SCOPED_TRACE(mode);
        const Outcome toStdout = run({mode, example("initial-english.DEF")});
        const fs::path out = dir() / "report.PRN";
        writeBytes(out, "an older, longer report that must be replaced entirely\r\n");
        const Outcome toFile = run({mode, "-o", out.string(), example("initial-english.DEF")});
        EXPECT_EQ(toFile.status, 0) << toFile.err;
        EXPECT_EQ(toFile.out, "");
        EXPECT_EQ(toFile.err, toStdout.err);
        EXPECT_EQ(readBytes(out), toStdout.out);
    }
}

TEST_F(ZanReport, OutputIntoAMissingFolderFailsWithSeven) {
    const fs::path out = dir() / "no such folder" / "report.PRN";
    const Outcome r = run({"-o", out.string(), example("initial-english.DEF")});
    EXPECT_EQ(r.status, 7);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
    EXPECT_FALSE(fs::exists(out.parent_path()));
}

TEST_F(ZanReport, OutputThatCannotBeReplacedKeepsTheOldOne) {
    // A folder stands where the report should go: the rename fails after the report was
    // written beside it, and neither the folder nor a stray temporary file may remain changed.
    const fs::path out = dir() / "report.PRN";
    fs::create_directory(out);
    writeBytes(out / "keep.txt", "old");
    const Outcome r = run({"-o", out.string(), example("initial-english.DEF")});
    EXPECT_EQ(r.status, 7);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readBytes(out / "keep.txt"), "old");
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(dir()))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<fs::path>{"report.PRN"});
}

TEST_F(ZanReport, FailedCommandLeavesTheOldOutputAlone) {
    const fs::path out = dir() / "report.PRN";
    writeBytes(out, "old report\r\n");
    const fs::path bad = file("bad.DEF", initialEnglishWith({{3, "ZAN"}}));
    const Outcome r = run({"-o", out.string(), bad.string()});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(readBytes(out), "old report\r\n");
}

}  // namespace

// ---- Special files and outputs ------------------------------------------------------------

namespace special {

// What can stand where an input data file is expected. Each is refused at once (a pipe is
// never waited on, a device never read without end), naming the file and why, by the report,
// the summary and the window's read alike, and the window's inputs stay as they were.
struct Case {
    const char* name;
    fs::path (*make)(const fs::path& dir);
    const char* reason;
};

fs::path pipe(const fs::path& dir) {
    const fs::path path = dir / "pipe.DEF";
    EXPECT_EQ(mkfifo(path.c_str(), 0644), 0);
    return path;
}
fs::path linkToDevZero(const fs::path& dir) {
    fs::create_symlink("/dev/zero", dir / "zero.DEF");
    return dir / "zero.DEF";
}
fs::path device(const fs::path&) {
    return "/dev/null";
}
fs::path socketFile(const fs::path& dir) {
    const fs::path path = dir / "socket.DEF";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);
    return path;
}
fs::path sparseFourGigabytes(const fs::path& dir) {
    const fs::path path = dir / "huge.DEF";
    writeBytes(path, readBytes(example("initial-english.DEF")));
    fs::resize_file(path, std::uintmax_t{4} << 30);
    return path;
}
// Root reads any file, so for root a file whose read fails instead.
fs::path unreadable(const fs::path& dir) {
    if (geteuid() == 0)
        return "/proc/self/mem";
    const fs::path path = dir / "locked.DEF";
    writeBytes(path, readBytes(example("initial-english.DEF")));
    fs::permissions(path, fs::perms::none);
    return path;
}

const Case kCases[] = {
    {"Pipe", pipe, "it is a named pipe (FIFO)"},
    {"LinkToDevZero", linkToDevZero, "it is a device"},
    {"Device", device, "it is a device"},
    {"Socket", socketFile, "it is a socket"},
    {"SparseFourGigabytes", sparseFourGigabytes, "it is larger than 1 MiB"},
    {"Unreadable", unreadable, ""},
};

}  // namespace special

class SpecialInput : public ZanReport, public ::testing::WithParamInterface<special::Case> {};

TEST_P(SpecialInput, IsRefusedAtOnceByTheReportTheSummaryAndTheWindow) {
    const special::Case& c = GetParam();
    const std::string path = c.make(dir()).string();
    const std::string reason = std::string("could not be read: ") + c.reason;

    const Outcome report = run({path});
    EXPECT_EQ(report.status, 4) << report.err;
    EXPECT_EQ(report.out, "");
    EXPECT_EQ(report.err.rfind("zan-report: The file " + path + " " + reason, 0), 0u) << report.err;

    const Outcome summary = run({"--summary", path, example("heavy.DEF")});
    EXPECT_EQ(summary.status, 4);
    EXPECT_NE(summary.out.find(path + ",,,,,,"), std::string::npos) << summary.out;
    EXPECT_NE(summary.out.find(std::string("cannot be read: ") + c.reason), std::string::npos)
        << summary.out;
    EXPECT_NE(summary.out.find(
                  "heavy.DEF,English,9.50,44.9,28.7,9.25,ok,County Road 12 reconstruction,0,"),
              std::string::npos)
        << summary.out;

    zan::Workspace window;
    window.ensurePavement().thickness = "7.5";
    const zan::Workspace before = window;
    const zan::CommandOutcome read = zan::readDataFile(window, path);
    EXPECT_EQ(read.status, zan::CommandStatus::FileUnreadable);
    ASSERT_TRUE(read.message.has_value());
    EXPECT_NE(read.message->text.find(path + " " + reason), std::string::npos)
        << read.message->text;
    EXPECT_TRUE(window == before);
}

INSTANTIATE_TEST_SUITE_P(Files, SpecialInput, ::testing::ValuesIn(special::kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A forgotten output name takes the next argument: a design must never be overwritten.
TEST_F(ZanReport, OutputThatIsAnInputOrAnInputDataFileIsRefusedBeforeAnyWork) {
    const std::string design = readBytes(example("heavy.DEF"));
    const fs::path first = file("first.DEF", design);
    const fs::path second = file("second.DEF", design);
    fs::create_symlink(first, dir() / "link.PRN");
    const std::vector<std::vector<std::string>> commands = {
        {"-o", first.string(), first.string()},
        {"-o", (dir() / "link.PRN").string(), first.string()},
        {"--summary", "-o", first.string(), second.string()},
        {"--inputs", "-o", second.string(), example("initial-english.DEF")},
    };
    for (const auto& args : commands) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args[1];
        EXPECT_NE(r.err.find("nothing was written"), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(first), design);
        EXPECT_EQ(readBytes(second), design);
        EXPECT_TRUE(fs::is_symlink(dir() / "link.PRN"));
    }
}

// -o /dev/stdout prints; the file and its folder are flushed to the disk before and after
// the rename.
TEST_F(ZanReport, OutputThroughStandardOutputAndFlushedToTheDisk) {
    const Outcome plain = run({example("heavy.DEF")});
    const Outcome through = run({"-o", "/dev/stdout", example("heavy.DEF")});
    EXPECT_EQ(through.status, 0);
    EXPECT_EQ(through.out, plain.out);

    if (std::system("strace -V >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "strace is not installed";
    const fs::path trace = dir() / "trace";
    // LeakSanitizer cannot run under ptrace; the trace is of the calls, not of the memory.
    const std::string command =
        "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e trace=fsync,fdatasync -o " +
        quoted(trace.string()) + " " + quoted(kBinary) + " -o " +
        quoted((dir() / "out.PRN").string()) + " " + quoted(example("heavy.DEF"));
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string calls = readBytes(trace);
    std::size_t syncs = 0;
    for (std::size_t at = calls.find("fsync("); at != std::string::npos;
         at = calls.find("fsync(", at + 1))
        ++syncs;
    EXPECT_EQ(syncs, 2u) << calls;
}

// Editors add a byte-order mark or trailing blanks; a first line that is still no marker is
// read in the unit system in force, and said.
TEST_F(ZanReport, UnitMarkerAsEditorsWriteItAndAFirstLineThatIsNone) {
    struct Case {
        const char* first;
        zan::UnitSystem units;
        bool warned;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF****SI****", zan::UnitSystem::Metric, false},
        {"****SI**** \t ", zan::UnitSystem::Metric, false},
        {"\xEF\xBB\xBF****ENG****\t", zan::UnitSystem::English, false},
        {"****si****", zan::UnitSystem::English, true},
        {" ****SI****", zan::UnitSystem::English, true},
        {"", zan::UnitSystem::English, true},
    };
    for (const Case& c : cases) {
        zan::Workspace w;
        const auto outcome =
            zan::readDataBytes(w, exampleWith("initial-metric.DEF", {{1, c.first}}), "m.DEF");
        ASSERT_TRUE(outcome.ok()) << c.first;
        EXPECT_EQ(w.unitSystem(), c.units) << c.first;
        EXPECT_EQ(!outcome.warnings.empty() &&
                      outcome.warnings[0].kind == zan::InputWarningKind::UnitsNotMarked,
                  c.warned)
            << c.first;
    }
    const fs::path unmarked = file("unmarked.DEF", exampleWith("initial-metric.DEF", {{1, ""}}));
    const Outcome r = run({"--inputs", unmarked.string()});
    EXPECT_EQ(r.status, 0);
    // Said first; the Metric values read as inches then lie outside their ranges.
    const std::string said = "zan-report: warning: " + unmarked.string() + ": The first line of " +
                             unmarked.string() +
                             " is neither ****ENG**** nor ****SI****: its inputs were read in "
                             "English units, the unit system in force. Check them before "
                             "analysing.\nzan-report: warning: " +
                             unmarked.string() + ": Trial Thickness, h (in) = 24.1 is outside";
    EXPECT_EQ(r.err.substr(0, said.size()), said);
}

namespace languages {

using namespace zan_report_test;

// What zan-report writes is exchanged and compared: the same bytes whatever language the
// system speaks, in every mode, its warnings and messages included.
TEST_F(ZanReport, WritesTheSameBytesInEveryLanguage) {
    const std::string heavy = example("heavy.DEF");
    const std::string outside = file("outside.DEF", initialEnglishWith({{5, "80"}})).string();
    const std::vector<std::vector<std::string>> runs = {
        {"--both", heavy},
        {"--fatigue", outside},
        {"--erosion", heavy},
        {"--design", heavy},
        {"--inputs", outside},
        {"--details", heavy},
        {"--summary", heavy, outside, (dir() / "missing.DEF").string()}};
    for (const std::vector<std::string>& args : runs) {
        const Outcome english = run(args, {}, "LANGUAGE= LC_ALL=C.UTF-8 LANG=en_US.UTF-8");
        const Outcome spanish = run(args, {}, "LANGUAGE=es LC_ALL=es_ES.UTF-8 LANG=es_ES.UTF-8");
        EXPECT_EQ(spanish.status, english.status) << args.front();
        EXPECT_EQ(spanish.out, english.out) << args.front();
        EXPECT_EQ(spanish.err, english.err) << args.front();
        EXPECT_FALSE(english.out.empty()) << args.front();
    }
}

}  // namespace languages
