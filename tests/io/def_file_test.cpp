#include "io/def_file.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "io_test_support.h"

namespace zan {
namespace {

std::vector<std::string> goldenLines() {
    return test::crlfLines(test::readData("initial_english.DEF"));
}

std::string joined(const std::vector<std::string>& lines, const std::string& eol = "\r\n") {
    std::string out;
    for (const std::string& line : lines)
        out += line + eol;
    return out;
}

DefFileContents contentsOf(Workspace& ws) {
    DefFileContents c;
    c.units = ws.unitSystem();
    c.thickness = ws.pavement().thickness;
    c.subgradeModulus = ws.pavement().subgradeModulus;
    c.modulusOfRupture = ws.pavement().modulusOfRupture;
    c.concreteShoulder = ws.pavement().concreteShoulder;
    c.doweledJoints = ws.pavement().doweledJoints;
    c.traffic = ws.traffic();
    c.rows = ws.axles().rows;
    c.project = ws.project();
    return c;
}

DefFileContents initialEnglish() {
    Workspace ws;
    return contentsOf(ws);
}

TEST(DefFileWriter, InitialDesignsMatchTheirFiles) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        Workspace ws;
        ws.chooseUnitSystem(units);
        const char* golden =
            units == UnitSystem::English ? "initial_english.DEF" : "initial_metric.DEF";
        const std::string bytes = writeDefFile(ws);
        EXPECT_EQ(bytes, test::readData(golden));
        EXPECT_EQ(test::crlfLines(bytes).size(), 31u);
    }
}

TEST(DefFileRoundTrip, EveryTextSurvivesExactly) {
    Workspace ws;
    PavementInputs& p = ws.ensurePavement();
    p.thickness = "";
    p.subgradeModulus = "  130 ";
    p.modulusOfRupture = "\u20AC\u00A0\u00E9\u00FF 650";
    p.concreteShoulder = true;
    p.doweledJoints = false;
    ws.ensureTraffic() =
        TrafficInputs{"12,900", " 19", "4 ", "", "\u00B5\u00C4", "1.2", "20 years"};
    ws.ensureAxles().rows[0] = AxleRowTexts{"30,5", " 0.58 ", "", "\u00FE\u0081"};
    ws.ensureAxles().rows[9] = AxleRowTexts{};
    ws.setProject(ProjectInfo{"Route 9: Main St",
                              "",
                              " Town ",
                              "A. \u00C9crivain",
                              "Notes: no",
                              "",
                              "a \"quoted\", comma",
                              {"Station: 12+300", "Project: an earlier name"}});
    std::string bytes = writeDefFile(ws);
    const std::vector<std::string> lines = test::crlfLines(bytes);
    ASSERT_EQ(lines.size(), 41u) << "the project block follows the 31 lines";
    // The file is Windows-1252, a byte a character.
    EXPECT_EQ(lines[6], "\x80\xA0\xE9\xFF 650");
    EXPECT_EQ(lines[19], "\"30,5\",\" 0.58 \",\"\",\"\xFE\x81\"");
    EXPECT_EQ(lines[30], "ZAN Data End");
    EXPECT_EQ(lines[31], "***Project***");
    EXPECT_EQ(lines[32], "Project: Route 9: Main St");
    EXPECT_EQ(lines[33], "Location: ") << "every key is written once the block is";
    EXPECT_EQ(lines[38], "Notes: a \"quoted\", comma");
    EXPECT_EQ(lines[40], "Project: an earlier name") << "lines not read go back after the keys";
    auto parsed = parseDefFile(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(*parsed, contentsOf(ws));

    Workspace loaded;
    applyDefFile(loaded, *parsed);
    EXPECT_EQ(contentsOf(loaded), contentsOf(ws));
    EXPECT_EQ(writeDefFile(loaded), bytes);
}

// Every byte reads as a character and writes back as itself, so a file of any bytes saved
// again is the same file.
TEST(DefFileRoundTrip, EveryByteSavedAgainIsTheSame) {
    std::vector<std::string> lines = goldenLines();
    std::string all;
    for (int b = 0x20; b < 0x100; ++b)
        all += static_cast<char>(b);
    lines[4] = all;
    lines.insert(lines.end(),
                 {"***Project***", "Project: " + all, "Location: ", "Client: \x81\x8D\x8F\x90\x9D",
                  "Designer: ", "Checker: ", "Revision: ", "Notes: "});
    const std::string bytes = joined(lines);
    auto parsed = parseDefFile(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed->project.client, "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_NE(parsed->thickness.find("\u20AC\u0081\u201A\u0192"), std::string::npos);
    Workspace ws;
    applyDefFile(ws, *parsed);
    EXPECT_EQ(writeDefFile(ws), bytes);
}

// A project text Windows-1252 cannot hold is kept as typed: its block is marked UTF-8, and
// reads back as written; a block without characters beyond stays Windows-1252.
TEST(DefFileRoundTrip, ProjectBeyondWindows1252IsKeptInUtf8) {
    Workspace ws;
    ws.setProject(ProjectInfo{"O\u2019Hare Road \u2013 \u0141\u00F3d\u017A",
                              "",
                              "",
                              "",
                              "",
                              "",
                              "Caf\u00E9",
                              {"Station \u00BD"}});
    const std::string bytes = writeDefFile(ws);
    const std::vector<std::string> lines = test::crlfLines(bytes);
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[31], "***Project***");
    EXPECT_EQ(lines[32], "Encoding: UTF-8");
    EXPECT_EQ(lines[33], "Project: O\u2019Hare Road \u2013 \u0141\u00F3d\u017A");
    EXPECT_EQ(lines[39], "Notes: Caf\u00E9");
    EXPECT_EQ(lines[40], "Station \u00BD");
    EXPECT_EQ(bytes.substr(0, 100), writeDefFile(Workspace{}).substr(0, 100));
    auto parsed = parseDefFile(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed->project, ws.project());

    ProjectInfo plain = ws.project();
    plain.project = "O\u2019Hare Road \u2013 Lodz";
    ws.setProject(plain);
    EXPECT_EQ(test::crlfLines(writeDefFile(ws))[32], "Project: O\x92Hare Road \x96 Lodz");
}

TEST(DefFileReader, LinesAndFields) {
    using Edit = std::function<void(std::vector<std::string>&)>;
    using Expect = std::function<void(DefFileContents&)>;
    struct Case {
        const char* name;
        Edit edit;
        std::string eol;
        Expect expect;  // changes from the initial English contents
        bool lastLineEnded = true;
    };
    const Edit none = [](std::vector<std::string>&) {};
    const Expect same = [](DefFileContents&) {};
    const Case cases[] = {
        {"CrLf", none, "\r\n", same},
        {"LoneLf", none, "\n", same},
        {"LoneCr", none, "\r", same},
        {"TwentyNineLines", [](auto& l) { l.resize(29); }, "\r\n", same},
        {"TextAfterTheRowsKept",
         [](auto& l) {
             l.resize(29);
             l.push_back("anything");
         },
         "\r\n", [](DefFileContents& c) { c.project.otherLines = {"anything"}; }},
        {"ProjectBlock",
         [](auto& l) {
             for (const char* line : {"***Project***", "Designer: A. B.", "Client:  two ",
                                      "Unknown: x", "Checker:", "Notes", "", "Project: P1"})
                 l.push_back(line);
         },
         "\r\n",
         [](DefFileContents& c) {
             c.project.designer = "A. B.";
             c.project.client = " two ";
             c.project.project = "P1";
             c.project.otherLines = {"Unknown: x", "Notes"};
         }},
        {"Windows1252Project",
         [](auto& l) {
             l.push_back("***Project***");
             l.push_back("Project: O\x92Hare \x96 \xA3");
         },
         "\r\n", [](DefFileContents& c) { c.project.project = "O\u2019Hare \u2013 \u00A3"; }},
        {"Utf8Project",
         [](auto& l) {
             l.push_back("***Project***");
             l.push_back("Encoding: UTF-8");
             l.push_back("Project: \u0141\u00F3d\u017A");
             l.push_back("Client: \xE9t\xE9");  // edited elsewhere, not UTF-8
         },
         "\r\n",
         [](DefFileContents& c) {
             c.project.project = "\u0141\u00F3d\u017A";
             c.project.client = "\u00E9t\u00E9";
         }},
        {"EncodingOnlyFirstInTheBlock",
         [](auto& l) {
             l.push_back("***Project***");
             l.push_back("Project: \xC5\x81");
             l.push_back("Encoding: UTF-8");
         },
         "\r\n",
         [](DefFileContents& c) {
             c.project.project = "\u00C5\u0081";
             c.project.otherLines = {"Encoding: UTF-8"};
         }},
        {"KeyWithoutBlankAfterItsColon",
         [](auto& l) {
             l.push_back("***Project***");
             l.push_back("Project:nospace");
         },
         "\r\n", [](DefFileContents& c) { c.project.project = "nospace"; }},
        {"FirstOfARepeatedKeyReadTheOthersKept",
         [](auto& l) {
             for (const char* line : {"***Project***", "Project: p", "***Project***", "Project:q"})
                 l.push_back(line);
         },
         "\r\n",
         [](DefFileContents& c) {
             c.project.project = "p";
             c.project.otherLines = {"***Project***", "Project:q"};
         }},
        {"SecondDesignRunOnIsKept",
         [](auto& l) {
             const std::vector<std::string> first = l;
             l.insert(l.end(), first.begin(), first.begin() + 3);
             l.push_back("ZAN Data End");
         },
         "\r\n",
         [](DefFileContents& c) {
             c.project.otherLines = {"****ENG****", "***ZAN***", "ZAN Data End"};
         }},
        {"ProjectKeysNeedTheMarker", [](auto& l) { l.push_back("Project: P1"); }, "\r\n",
         [](DefFileContents& c) { c.project.otherLines = {"Project: P1"}; }},
        {"ProjectAfterTwentyNineLines",
         [](auto& l) {
             l.resize(29);
             l.push_back("***Project***");
             l.push_back("Revision: C");
         },
         "\n", [](DefFileContents& c) { c.project.revision = "C"; }},
        {"LowerCaseMarker", [](auto& l) { l[0] = "****eng****"; }, "\r\n",
         [](DefFileContents& c) { c.units.reset(); }},
        {"MetricMarker", [](auto& l) { l[0] = "****SI****"; }, "\r\n",
         [](DefFileContents& c) { c.units = UnitSystem::Metric; }},
        {"OnlyExactYesSelectsYes",
         [](auto& l) {
             l[8] = "yes";
             l[9] = "Yes ";
         },
         "\r\n",
         [](DefFileContents& c) {
             c.concreteShoulder = false;
             c.doweledJoints = false;
         }},
        {"ShoulderYes", [](auto& l) { l[8] = "Yes"; }, "\r\n",
         [](DefFileContents& c) { c.concreteShoulder = true; }},
        {"UnquotedFieldsTrimmed", [](auto& l) { l[19] = "  30 , 0.58,52\t,1.96  "; }, "\r\n", same},
        {"RowSplitOverTwoLines",
         [](auto& l) {
             l[19] = "\"30\",\"0.58\"";
             l.insert(l.begin() + 20, "\"52\",\"1.96\"");
         },
         "\r\n", same},
        {"EmptyLineIsOneEmptyField",
         [](auto& l) {
             l[19] = "\"30\",\"0.58\",\"52\"";
             l.insert(l.begin() + 20, "");
         },
         "\r\n", [](DefFileContents& c) { c.rows[0].tandemCount = ""; }},
        {"InnerQuoteEndsTheField", [](auto& l) { l[19] = "\"3\"0 x\",\"0.58\",\"52\",\"1.96\""; },
         "\r\n", [](DefFileContents& c) { c.rows[0].singleLoad = "3"; }},
        {"MissingClosingQuoteRunsToLineEnd",
         [](auto& l) { l[19] = "\"30\",\"0.58\",\"52\",\"1.96"; }, "\r\n", same},
        {"LastFieldWithoutLineEnd", [](auto& l) { l.resize(29); }, "\r\n", same, false},
        {"TrailingCommaBeforeLineEnd", [](auto& l) { l[28] = "\"12\",\"168.84\",\"16\","; }, "\r\n",
         [](DefFileContents& c) { c.rows[9].tandemCount = ""; }},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = goldenLines();
        c.edit(lines);
        std::string bytes = joined(lines, c.eol);
        if (!c.lastLineEnded)
            bytes.resize(bytes.size() - c.eol.size());
        DefFileContents expected = initialEnglish();
        c.expect(expected);
        auto parsed = parseDefFile(bytes);
        ASSERT_TRUE(parsed.ok()) << c.name;
        EXPECT_EQ(*parsed, expected) << c.name;
    }
}

TEST(DefFileReader, Rejections) {
    struct Case {
        const char* name;
        std::string bytes;
        DefReadError error;
    };
    const std::vector<std::string> lines = goldenLines();
    auto firstLines = [&](std::size_t n) {
        return joined({lines.begin(), lines.begin() + static_cast<long>(n)});
    };
    std::vector<std::string> wrongMarker = lines;
    wrongMarker[2] = "***zan***";
    std::vector<std::string> shortLineThree = lines;
    shortLineThree.resize(3);
    shortLineThree[2] = "***ZAN";
    const Case cases[] = {
        {"Empty", "", DefReadError::EndsEarly},
        {"EndsBeforeLineThree", firstLines(2), DefReadError::EndsEarly},
        {"LowerCaseFileMarker", joined(wrongMarker), DefReadError::NotInputDataFile},
        {"WrongMarkerInShortFile", joined(shortLineThree), DefReadError::NotInputDataFile},
        {"EndsInTheInputs", firstLines(12), DefReadError::EndsEarly},
        {"EndsBeforeTheTenthRow", firstLines(28), DefReadError::EndsEarly},
        {"EndsBeforeTheFortiethField", firstLines(28) + "\"12\",\"168.84\",\"16\",",
         DefReadError::EndsEarly},
        {"EndsInBlanksBeforeTheFortiethField", firstLines(28) + "\"12\",\"168.84\",\"16\",  ",
         DefReadError::EndsEarly},
    };
    for (const Case& c : cases) {
        auto parsed = parseDefFile(c.bytes);
        ASSERT_FALSE(parsed.ok()) << c.name;
        EXPECT_EQ(parsed.error(), c.error) << c.name;
    }
}

TEST(DefFileApply, UnitMarkerSwitchesUnitsAndCaptions) {
    struct Case {
        const char* name;
        UnitSystem before;
        std::optional<UnitSystem> marker;
        UnitSystem after;
        const char* thicknessCaption;
        const char* subgradeCaption;
        const char* loadHeading;
    };
    const Case cases[] = {
        {"MetricFileOnEnglish", UnitSystem::English, UnitSystem::Metric, UnitSystem::Metric,
         "Trial Thickness, h (cm)", "Subgrade Modulus, K (kPa/mm)", "Axle Load (kN)"},
        {"EnglishFileOnEnglish", UnitSystem::English, UnitSystem::English, UnitSystem::English,
         "Trial Thickness, h (in)", "Subgrade Modulus, K (psi/in)", "Axle Load (kips)"},
        {"EnglishFileOnMetric", UnitSystem::Metric, UnitSystem::English, UnitSystem::English,
         "Trial Thickness, h (in)", "Subgrade Modulus, K (psi/in)", "Axle Load (kips)"},
        {"NoMarkerKeepsMetric", UnitSystem::Metric, std::nullopt, UnitSystem::Metric,
         "Trial Thickness, h (cm)", "Subgrade Modulus, k (kPa/mm)", "Axle Load (kN)"},
    };
    for (const Case& c : cases) {
        Workspace ws;
        ws.chooseUnitSystem(c.before);
        ws.ensureAxles().lastTandemRowShown = false;
        DefFileContents contents = initialEnglish();
        contents.units = c.marker;
        contents.thickness = "8";
        applyDefFile(ws, contents);
        EXPECT_EQ(ws.unitSystem(), c.after) << c.name;
        EXPECT_TRUE(ws.unitChoiceLocked()) << c.name;
        EXPECT_EQ(ws.pavement().thicknessCaption, c.thicknessCaption) << c.name;
        EXPECT_EQ(ws.pavement().subgradeModulusCaption, c.subgradeCaption) << c.name;
        EXPECT_EQ(ws.axles().loadHeading, c.loadHeading) << c.name;
        EXPECT_FALSE(ws.axles().lastTandemRowShown) << c.name;
        EXPECT_EQ(ws.pavement().thickness, "8") << c.name;
        EXPECT_EQ(ws.axles().rows, contents.rows) << c.name;
    }
}

}  // namespace
}  // namespace zan
