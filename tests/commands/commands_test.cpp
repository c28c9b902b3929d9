#include "commands/commands.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "io/def_file.h"
#include "io/io_test_support.h"
#include "io/report.h"
#include "io/verdict.h"
#include "model/catalogue.h"
#include "model/design_search.h"
#include "model/run.h"

namespace zan {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFatigueTitle = "ZAN Thickness Design: Fatigue Analysis";
constexpr const char* kErosionTitle = "ZAN Thickness Design: Erosion Analysis";
constexpr const char* kBothTitle = "ZAN Thickness Design";
constexpr const char* kDesignTitle = "Recommended Design Thickness";
const std::string kFatigueLine = "The fatigue damage exceeds 100%.";
const std::string kErosionLine = "The erosion damage exceeds 100%.";

// A workspace whose sections exist, so that comparing it before and after a command shows
// only what the command itself changed.
Workspace touchedWorkspace(UnitSystem units = UnitSystem::English) {
    Workspace ws;
    ws.chooseUnitSystem(units);
    ws.createInputSections();
    return ws;
}

const char* titleOf(AnalysisKind kind) {
    return kind == AnalysisKind::Fatigue   ? kFatigueTitle
           : kind == AnalysisKind::Erosion ? kErosionTitle
                                           : kBothTitle;
}

// Totals of the initial design: 9 in gives fatigue 245 % / erosion 62 %, 8.5 in erosion 100.8 %,
// 8 in both above 100; aggregate interlock at 9.5 in gives fatigue 63 % / erosion 304 %.
TEST(AnalysisCommand, DamageMessages) {
    struct Case {
        const char* name;
        AnalysisKind kind;
        const char* thickness;
        bool doweled;
        std::string text;  // empty: no message
    };
    const Case cases[] = {
        {"FatigueAbove", AnalysisKind::Fatigue, "9", true, kFatigueLine},
        {"FatigueBelow", AnalysisKind::Fatigue, "9.5", true, ""},
        {"FatigueIgnoresErosion", AnalysisKind::Fatigue, "9.5", false, ""},
        {"ErosionAbove", AnalysisKind::Erosion, "8.5", true, kErosionLine},
        {"ErosionIgnoresFatigue", AnalysisKind::Erosion, "9", true, ""},
        {"BothFatigueOnly", AnalysisKind::Both, "9", true, kFatigueLine + "\r\n"},
        {"BothErosionOnly", AnalysisKind::Both, "9.5", false, kErosionLine + "\r\n"},
        {"BothBoth", AnalysisKind::Both, "8", true, kFatigueLine + "\r\n" + kErosionLine + "\r\n"},
        {"BothNeither", AnalysisKind::Both, "9.5", true, ""},
    };
    for (const Case& c : cases) {
        Workspace ws;
        ws.ensurePavement().thickness = c.thickness;
        ws.ensurePavement().doweledJoints = c.doweled;
        const CommandOutcome outcome = performAnalysis(ws, c.kind);
        EXPECT_EQ(outcome.status, CommandStatus::Done) << c.name;
        ASSERT_TRUE(outcome.report.has_value()) << c.name;
        EXPECT_EQ(*outcome.report, *writeReport(ws)) << c.name;
        EXPECT_EQ(ws.results().fatigueSelected, c.kind != AnalysisKind::Erosion) << c.name;
        EXPECT_EQ(ws.results().erosionSelected, c.kind != AnalysisKind::Fatigue) << c.name;
        if (c.text.empty()) {
            EXPECT_FALSE(outcome.message.has_value()) << c.name;
        } else {
            EXPECT_EQ(outcome.message,
                      (Message{c.text, titleOf(c.kind), Icon::Information, Buttons::Ok}))
                << c.name;
        }
    }
}

// One loaded row whose count makes the total land on exactly 100.0 % in single precision.
TEST(AnalysisCommand, ExactlyHundredPercentIsNoExcess) {
    struct Case {
        AnalysisKind kind;
        const char* count;
        bool exactlyHundred;
    };
    const Case cases[] = {
        {AnalysisKind::Fatigue, "2.44251832", true},
        {AnalysisKind::Fatigue, "2.4426", false},
        {AnalysisKind::Erosion, "134.813531", true},
        {AnalysisKind::Erosion, "134.82", false},
    };
    for (const Case& c : cases) {
        Workspace ws;
        for (AxleRowTexts& row : ws.ensureAxles().rows)
            row.singleCount = row.tandemCount = "0";
        ws.ensureAxles().rows[0].singleCount = c.count;
        const CommandOutcome outcome = performAnalysis(ws, c.kind);
        const float total = c.kind == AnalysisKind::Fatigue ? ws.results().totalFatigueDamage
                                                            : ws.results().totalErosionDamage;
        if (c.exactlyHundred) {
            ASSERT_EQ(total, 100.0f) << c.count;
            EXPECT_FALSE(outcome.message.has_value()) << c.count;
        } else {
            ASSERT_GT(total, 100.0f) << c.count;
            EXPECT_TRUE(outcome.message.has_value()) << c.count;
        }
    }
}

TEST(AnalysisCommand, RefusalKeepsResultsAndReport) {
    for (AnalysisKind kind : {AnalysisKind::Fatigue, AnalysisKind::Erosion, AnalysisKind::Both}) {
        Workspace ws = touchedWorkspace();
        ASSERT_TRUE(performAnalysis(ws, AnalysisKind::Both).ok());
        ws.ensurePavement().thickness = "0";
        const Workspace before = ws;
        const CommandOutcome outcome = performAnalysis(ws, kind);
        EXPECT_EQ(outcome.status, CommandStatus::Refused);
        EXPECT_FALSE(outcome.report.has_value());
        EXPECT_EQ(outcome.message, (Message{"The trial thickness h (in) is zero or negative; it "
                                            "must be greater than zero. Nothing was analysed.",
                                            titleOf(kind), Icon::None, Buttons::Ok}));
        EXPECT_TRUE(ws == before);
    }
}

TEST(DesignThicknessCommand, WritesTheThicknessBackAndAnnouncesIt) {
    struct Case {
        const char* name;
        UnitSystem units;
        const char* modulusOfRupture;  // empty: the initial text
        const char* thicknessText;
        const char* text;
    };
    const Case cases[] = {
        {"StartPasses", UnitSystem::English, "", "9.5",
         "The Recommended Minimum Slab Thickness is :  9.50  in."},
        {"QuarterInches", UnitSystem::English, "725", "8.75",
         "The Recommended Minimum Slab Thickness is :  8.75  in."},
        {"Metric", UnitSystem::Metric, "", "24",
         "The Recommended Minimum Slab Thickness is :  24.00  cm."},
    };
    for (const Case& c : cases) {
        Workspace ws = touchedWorkspace(c.units);
        if (*c.modulusOfRupture)
            ws.ensurePavement().modulusOfRupture = c.modulusOfRupture;
        const CommandOutcome outcome = computeDesignThickness(ws);
        EXPECT_EQ(outcome.status, CommandStatus::Done) << c.name;
        EXPECT_EQ(ws.pavement().thickness, c.thicknessText) << c.name;
        EXPECT_EQ(outcome.message, (Message{c.text, kDesignTitle, Icon::Information, Buttons::Ok}))
            << c.name;
        EXPECT_TRUE(ws.results().fatigueSelected && ws.results().erosionSelected) << c.name;
        EXPECT_TRUE(passes(ws.results())) << c.name;
        ASSERT_TRUE(outcome.report.has_value()) << c.name;
        EXPECT_EQ(*outcome.report, *writeReport(ws)) << c.name;
    }
}

TEST(DesignThicknessCommand, FailuresChangeNothing) {
    struct Case {
        const char* name;
        std::function<void(Workspace&)> set;
        CommandStatus status;
        const char* message;
    };
    const Case cases[] = {
        {"StartRefused", [](Workspace& ws) { ws.ensurePavement().thickness = "0.5"; },
         CommandStatus::Refused,
         "The search starts from the trial thickness rounded down to a whole number, and a trial "
         "thickness below 1 in rounds down to 0. Enter a trial thickness of 1 in or more. The "
         "trial thickness was left unchanged."},
        {"NothingPassesUpToTheLimit",
         [](Workspace& ws) {
             ws.ensurePavement().thickness = "49";
             for (AxleRowTexts& row : ws.ensureAxles().rows)
                 row = AxleRowTexts{"300", "1e6", "52", "1"};
         },
         CommandStatus::NoPassingThickness,
         "No slab thickness up to 50 in keeps both the fatigue and the erosion damage below 100%. "
         "The trial thickness was left unchanged."},
    };
    for (const Case& c : cases) {
        Workspace ws = touchedWorkspace();
        ASSERT_TRUE(performAnalysis(ws, AnalysisKind::Fatigue).ok());
        c.set(ws);
        const Workspace before = ws;
        const CommandOutcome outcome = computeDesignThickness(ws);
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_FALSE(outcome.report.has_value()) << c.name;
        ASSERT_TRUE(outcome.message.has_value()) << c.name;
        EXPECT_EQ(outcome.message->title, kDesignTitle) << c.name;
        EXPECT_EQ(outcome.message->icon, Icon::None) << c.name;
        EXPECT_EQ(outcome.message->text, c.message) << c.name;
        EXPECT_TRUE(ws == before) << c.name;
    }
}

TEST(ReadDataCommand, OutcomesOfReadingBytes) {
    const std::string golden = test::readData("initial_english.DEF");
    std::string metricBytes = golden;
    metricBytes.replace(0, 11, "****SI****");
    std::string rejected = metricBytes;
    rejected.replace(rejected.find("***ZAN***"), 9, "***ZAM***");
    const std::string path = "/data/designs/A1.DEF";
    struct Case {
        const char* name;
        std::string bytes;
        CommandStatus status;
        std::string text;
    };
    const Case cases[] = {
        {"Loaded", metricBytes, CommandStatus::Done, path + "  Loaded!"},
        {"Rejected", rejected, CommandStatus::NotInputDataFile, "Incorrect Input File!"},
        {"Truncated", metricBytes.substr(0, metricBytes.find("\"12\"")),
         CommandStatus::FileUnreadable,
         "The file " + path + " ends before the tenth axle-load row. Nothing was loaded."},
    };
    for (const Case& c : cases) {
        Workspace ws;
        ws.ensureTraffic().averageDailyTraffic = "5000";
        ASSERT_TRUE(performAnalysis(ws, AnalysisKind::Both).ok());
        const Workspace before = ws;
        const CommandOutcome outcome = readDataBytes(ws, c.bytes, path);
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_FALSE(outcome.report.has_value()) << c.name;
        EXPECT_EQ(outcome.message, (Message{c.text, "", Icon::None, Buttons::Ok})) << c.name;
        EXPECT_EQ(ws.results(), before.results()) << c.name;
        if (c.status == CommandStatus::Done) {
            EXPECT_EQ(ws.unitSystem(), UnitSystem::Metric);
            EXPECT_EQ(ws.traffic().averageDailyTraffic, "12900");
            EXPECT_EQ(ws.pavement().subgradeModulusCaption, "Subgrade Modulus, K (kPa/mm)");
        } else {
            EXPECT_TRUE(ws == before) << c.name;
        }
    }
}

class FileCommands : public testing::Test {
  protected:
    void SetUp() override { freshFolder(); }
    void TearDown() override { fs::remove_all(m_dir); }

    void freshFolder() {
        m_dir = fs::temp_directory_path() /
                ("zan_io_" +
                 std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }

    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.insert(entry.path().filename().string());
        return names;
    }
    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path m_dir;
};

TEST_F(FileCommands, ReadDataFileReportsWhyItCannotRead) {
    struct Case {
        const char* name;
        fs::path path;
        std::string text;
    };
    const Case cases[] = {
        {"Missing", m_dir / "none.DEF",
         "could not be read: No such file or directory. Nothing was loaded."},
        {"Folder", m_dir, "could not be read: Is a directory. Nothing was loaded."},
    };
    for (const Case& c : cases) {
        Workspace ws;
        const Workspace before = ws;
        const CommandOutcome outcome = readDataFile(ws, c.path.string());
        EXPECT_EQ(outcome.status, CommandStatus::FileUnreadable) << c.name;
        ASSERT_TRUE(outcome.message.has_value()) << c.name;
        EXPECT_EQ(outcome.message->text, "The file " + c.path.string() + " " + c.text) << c.name;
        EXPECT_TRUE(ws == before) << c.name;
    }
}

TEST_F(FileCommands, ReadDataFileLoadsWhatSaveWrote) {
    Workspace saved;
    saved.ensurePavement().thickness = " 10.25 ";
    saved.ensureAxles().rows[3].tandemLoad = "\u00B0 40,5";
    const fs::path path = m_dir / "design.DEF";
    ASSERT_TRUE(writeFileSafely(path.string(), writeDefFile(saved)).ok());
    Workspace loaded;
    const CommandOutcome outcome = readDataFile(loaded, path.string());
    EXPECT_EQ(outcome.status, CommandStatus::Done);
    EXPECT_EQ(loaded.pavement().thickness, " 10.25 ");
    EXPECT_EQ(loaded.axles().rows, saved.axles().rows);
}

// The shell opens and writes by the system's name of the file but names it as the user chose
// it (native separators, Latin-1), which may differ from that name.
TEST_F(FileCommands, MessagesNameTheFileAsTheUserChoseIt) {
    const std::string shown = "C:\\designs\\A1.DEF";
    const fs::path existing = m_dir / "A1.DEF";
    put(existing, test::readData("initial_english.DEF"));
    const std::string missingFolder = (m_dir / "missing" / "A1.DEF").string();
    struct Case {
        const char* name;
        std::function<std::string()> message;
        std::string expected;
    };
    const Case cases[] = {
        {"ReadMissing",
         [&] {
             Workspace ws;
             return readDataFile(ws, (m_dir / "none.DEF").string(), shown).message->text;
         },
         "The file " + shown +
             " could not be read: No such file or directory. Nothing was loaded."},
        {"ReadLoaded",
         [&] {
             Workspace ws;
             return readDataFile(ws, existing.string(), shown).message->text;
         },
         shown + "  Loaded!"},
        {"WriteInAMissingFolder",
         [&] { return writeFileSafely(missingFolder, "bytes", shown).error(); },
         "The file " + shown +
             " could not be written: No such file or directory. The previous file, if any, was "
             "left unchanged."},
        {"WriteWithoutADisplayName",
         [&] { return writeFileSafely(missingFolder, "bytes").error(); },
         "The file " + missingFolder +
             " could not be written: No such file or directory. The previous file, if any, was "
             "left unchanged."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.message(), c.expected) << c.name;
}

// Save Input Data and Save or Print Report give the bytes the writers give for the inputs as
// they read after the sections are created; after a run the report is the run's, whatever was
// typed since (a modulus of rupture of 0 no longer makes it unwritable).
TEST(OutputCommands, GiveTheWritersBytesOrTheReason) {
    Workspace ws;
    ASSERT_TRUE(ws.chooseUnitSystem(UnitSystem::Metric));
    Workspace created = ws;
    created.createInputSections();
    EXPECT_EQ(*inputDataFileBytes(ws), writeDefFile(created));
    EXPECT_EQ(*reportForSaveOrPrint(ws), *writeReport(created));

    const CommandOutcome run = performAnalysis(ws, AnalysisKind::Fatigue);
    ASSERT_TRUE(run.ok());
    ws.ensurePavement().modulusOfRupture = "0";  // typed after the run
    EXPECT_EQ(*reportForSaveOrPrint(ws), *run.report);
}

// The file has no escape: a text it would give back otherwise than typed is not saved, and
// the message says where it is. Everything else, odd as it is, reads back exactly.
TEST(OutputCommands, SaveOnlyInputsTheFileGivesBackAsTyped) {
    struct Case {
        const char* name;
        std::function<void(Workspace&)> edit;
        const char* refusedAt;  // nullptr: saved
    };
    const Case cases[] = {
        {"QuoteInAxleLoad", [](Workspace& w) { w.ensureAxles().rows[2].singleLoad = "12\"5"; },
         "Axle-Load Categories, row 3 holds a double quote"},
        {"QuoteInTandemCount", [](Workspace& w) { w.ensureAxles().rows[9].tandemCount = "\""; },
         "Axle-Load Categories, row 10 holds a double quote"},
        {"LineFeedInThickness", [](Workspace& w) { w.ensurePavement().thickness = "9\n5"; },
         "Pavement Data holds a line end"},
        {"ReturnInDesignPeriod", [](Workspace& w) { w.ensureTraffic().designPeriod = "20\r"; },
         "Traffic Data holds a line end"},
        {"LineEndInAxleCount", [](Workspace& w) { w.ensureAxles().rows[0].singleCount = "1\r\n2"; },
         "Axle-Load Categories, row 1 holds a line end"},
        {"LineEndInProjectNotes",
         [](Workspace& w) {
             w.setProject(ProjectInfo{"P", "", "", "", "", "", "a\r\nb"});
         },
         "Project Information holds a line end"},
        {"QuoteInPavementText", [](Workspace& w) { w.ensurePavement().modulusOfRupture = "650\""; },
         nullptr},
        {"ProjectWithQuotesAndColons",
         [](Workspace& w) {
             w.setProject(ProjectInfo{"\"P\": 1", "", "", "", "", "", " n "});
         },
         nullptr},
        {"BlanksCommasAndLatin1",
         [](Workspace& w) { w.ensureAxles().rows[4].tandemLoad = " 4,5 \u00E9"; }, nullptr},
        {"ProjectBeyondWindows1252",
         [](Workspace& w) {
             w.setProject(ProjectInfo{"O\u2019Hare Road \u2013 \u0141\u00F3d\u017A", "", "", "", "",
                                      "", ""});
         },
         nullptr},
    };
    for (const Case& c : cases) {
        Workspace ws = touchedWorkspace();
        c.edit(ws);
        const Workspace before = ws;
        auto bytes = inputDataFileBytes(ws);
        EXPECT_EQ(ws, before) << c.name;
        if (c.refusedAt) {
            ASSERT_FALSE(bytes.ok()) << c.name;
            EXPECT_EQ(bytes.error(), std::string("The input data were not saved: a text in ") +
                                         c.refusedAt +
                                         ", which an input data file cannot keep. Change it "
                                         "and save again.")
                << c.name;
            continue;
        }
        ASSERT_TRUE(bytes.ok()) << c.name;
        Workspace reread;
        ASSERT_TRUE(readDataBytes(reread, *bytes, "a.DEF").ok()) << c.name;
        EXPECT_EQ(reread.pavement().modulusOfRupture, ws.pavement().modulusOfRupture) << c.name;
        EXPECT_EQ(reread.axles().rows, ws.axles().rows) << c.name;
        EXPECT_EQ(reread.project(), ws.project()) << c.name;
        EXPECT_FALSE(reread.inputsChangedSinceSaved()) << c.name;
    }
}

// The verdict names the thickness the run read and each selected part's damage as the report
// sums it.
TEST(Verdict, AfterEachKindOfRun) {
    struct Case {
        const char* name;
        std::function<void(Workspace&)> run;
        const char* verdict;
    };
    const auto analyse = [](AnalysisKind kind, const char* h, bool doweled = true) {
        return [=](Workspace& w) {
            w.ensurePavement().thickness = h;
            w.ensurePavement().doweledJoints = doweled;
            ASSERT_TRUE(performAnalysis(w, kind).ok());
        };
    };
    const Case cases[] = {
        {"NoRun", [](Workspace&) {}, "No analysis has been run: there is no verdict yet."},
        {"BothFatigueFails", analyse(AnalysisKind::Both, "9"),
         "Trial thickness 9.00 in: fatigue 244.9 % exceeds 100 %: the slab fails in fatigue"},
        {"BothErosionFails", analyse(AnalysisKind::Both, "9.5", false),
         "Trial thickness 9.50 in: erosion 304.4 % exceeds 100 %: the slab fails in erosion"},
        {"BothFail", analyse(AnalysisKind::Both, "8"),
         "Trial thickness 8.00 in: fatigue 5408.4 % and erosion 168.3 % exceed 100 %: the slab "
         "fails in fatigue and erosion"},
        {"BothPass", analyse(AnalysisKind::Both, "9.5"),
         "Trial thickness 9.50 in: fatigue 63.3 %, erosion 38.6 % (both at most 100 %); "
         "fatigue governs"},
        {"FatigueOnly", analyse(AnalysisKind::Fatigue, "9.5"),
         "Trial thickness 9.50 in: fatigue 63.3 % (at most 100 %); erosion not analysed"},
        {"ErosionOnlyFails", analyse(AnalysisKind::Erosion, "8.5"),
         "Trial thickness 8.50 in: erosion 100.8 % exceeds 100 %: the slab fails in erosion"},
        {"DesignSearch", [](Workspace& w) { ASSERT_TRUE(computeDesignThickness(w).ok()); },
         "Recommended thickness 9.50 in: fatigue 63.3 %, erosion 38.6 % (both at most 100 %); "
         "fatigue governs"},
        {"MetricKeepsTheRunsThickness",
         [](Workspace& w) {
             w.chooseUnitSystem(UnitSystem::Metric);
             w.ensurePavement().thickness = "24.1";
             ASSERT_TRUE(performAnalysis(w, AnalysisKind::Fatigue).ok());
             w.ensurePavement().thickness = "30";
         },
         "Trial thickness 24.10 cm: fatigue 65.4 % (at most 100 %); erosion not analysed"},
    };
    // The numbers of a sentence, in their order.
    const auto numbers = [](const std::string& text) {
        std::vector<std::string> found;
        for (std::size_t i = text.find_first_of("0123456789"); i != std::string::npos;) {
            const std::size_t end = text.find_first_not_of("0123456789.", i);
            found.push_back(text.substr(i, end - i));
            i = text.find_first_of("0123456789", end);
        }
        return found;
    };
    for (const Case& c : cases) {
        Workspace ws;
        c.run(ws);
        EXPECT_EQ(designVerdict(**documentRun(ws)), c.verdict) << c.name;
        // Another language words it its own way around the same numbers.
        catalogue::setLanguage("es");
        const std::string spanish = designVerdict(**documentRun(ws));
        catalogue::setLanguage(catalogue::kSourceLanguage);
        EXPECT_NE(spanish, c.verdict) << c.name;
        EXPECT_EQ(numbers(spanish), numbers(c.verdict)) << c.name << ": " << spanish;
    }
}

// The window asks about unsaved inputs and stale tables by comparing the inputs, so an edit
// that is undone is no change, and any input (project and unit system included) is one.
TEST(InputSnapshots, ChangedSinceTheRunAndSinceSaved) {
    Workspace ws;
    EXPECT_FALSE(ws.inputsChangedSinceSaved()) << "the initial design";
    EXPECT_FALSE(ws.inputsChangedSinceRun()) << "no run yet";
    ws.chooseUnitSystem(UnitSystem::Metric);
    EXPECT_FALSE(ws.inputsChangedSinceSaved()) << "the initial design of the units in force";
    ws.ensurePavement().thickness = "25";
    EXPECT_TRUE(ws.inputsChangedSinceSaved());
    ASSERT_TRUE(performAnalysis(ws, AnalysisKind::Both).ok());
    EXPECT_FALSE(ws.inputsChangedSinceRun());
    const std::function<void(Workspace&)> edits[] = {
        [](Workspace& w) { w.ensurePavement().modulusOfRupture = "5000"; },
        [](Workspace& w) { w.ensurePavement().concreteShoulder = true; },
        [](Workspace& w) { w.ensureTraffic().loadSafetyFactor = "1.1"; },
        [](Workspace& w) { w.ensureAxles().rows[3].tandemCount = "7"; },
        [](Workspace& w) {
            w.setProject(ProjectInfo{"Route 9", "", "", "", "", "", ""});
        },
        [](Workspace& w) { w.setUnitSystemFromFile(UnitSystem::English); },
    };
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        Workspace edited = ws;
        edits[i](edited);
        EXPECT_TRUE(edited.inputsChangedSinceRun()) << i;
    }
    ws.ensurePavement().thickness = "26";
    EXPECT_TRUE(ws.inputsChangedSinceRun());
    ws.ensurePavement().thickness = "25";
    EXPECT_FALSE(ws.inputsChangedSinceRun()) << "an edit undone";
    ws.markInputsSaved();
    EXPECT_FALSE(ws.inputsChangedSinceSaved());
    ws.setProject(ProjectInfo{"", "", "", "", "", "", "n"});
    EXPECT_TRUE(ws.inputsChangedSinceSaved());
}

// A run keeps its documents whatever the inputs become: Save Report gives its report, the
// verdict its thickness and damage, Analyse Again its command on the inputs as they are now;
// its charts and tables are computed once.
TEST(Runs, DocumentsStayTheRunsAndAnalyseAgainRepeatsItsCommand) {
    struct Case {
        const char* name;
        std::function<CommandOutcome(Workspace&)> command;
        RunKind kind;
    };
    const auto analysis = [](AnalysisKind kind) {
        return [kind](Workspace& w) { return performAnalysis(w, kind); };
    };
    const Case cases[] = {
        {"Fatigue", analysis(AnalysisKind::Fatigue), RunKind::Fatigue},
        {"Erosion", analysis(AnalysisKind::Erosion), RunKind::Erosion},
        {"Both", analysis(AnalysisKind::Both), RunKind::Both},
        {"DesignSearch", [](Workspace& w) { return computeDesignThickness(w); },
         RunKind::DesignSearch},
    };
    for (const Case& c : cases) {
        Workspace ws;
        ASSERT_TRUE(readDataFile(ws, std::string(ZAN_EXAMPLES_DIR "/heavy.DEF")).ok());
        const CommandOutcome first = c.command(ws);
        ASSERT_TRUE(first.ok()) << c.name;
        const std::shared_ptr<const zan::Run> run = ws.lastRun();
        const std::string verdict = designVerdict(*run);
        EXPECT_EQ(run->kind(), c.kind) << c.name;
        EXPECT_EQ(run->report(), *first.report) << c.name;

        ws.ensurePavement().thickness = "7";
        ws.ensurePavement().modulusOfRupture = "550";
        EXPECT_EQ(*reportForSaveOrPrint(ws), *first.report) << c.name;
        EXPECT_EQ(designVerdict(**documentRun(ws)), verdict) << c.name;
        EXPECT_EQ((*documentRun(ws))->inputs().pavement.modulusOfRupture, "650") << c.name;

        const DesignSearchCounts before = designSearchCounts();
        const RunContent& content = run->content();
        const DesignSearchCounts once = designSearchCounts();
        EXPECT_EQ(&run->content(), &content) << c.name;
        EXPECT_EQ(designSearchCounts().searches, once.searches) << c.name;
        EXPECT_GT(once.searches, before.searches) << c.name;

        Workspace fresh = ws;
        const CommandOutcome again = repeatLastRun(ws);
        ASSERT_TRUE(again.ok()) << c.name;
        EXPECT_EQ(ws.lastRunKind(), c.kind) << c.name;
        EXPECT_FALSE(ws.inputsChangedSinceRun()) << c.name;
        EXPECT_EQ(again.report, c.command(fresh).report) << c.name;
        EXPECT_EQ(run->report(), *first.report) << c.name << ": a run never changes";
    }
}

TEST_F(FileCommands, WriteFileSafelyReplacesOrKeepsTheTarget) {
    struct Case {
        const char* name;
        std::string target;  // relative to the test folder
        bool existing;
        bool ok;
        std::set<std::string> after;
    };
    const Case cases[] = {
        {"NewFile", "report.PRN", false, true, {"report.PRN"}},
        {"ReplacesOldContent", "report.PRN", true, true, {"report.PRN"}},
        {"MissingFolder", "missing/report.PRN", false, false, {}},
        {"TargetIsAFolder", "busy", false, false, {"busy"}},
    };
    const std::string bytes = std::string("line 1\r\n\xE9\r\n");
    for (const Case& c : cases) {
        freshFolder();
        const fs::path target = m_dir / c.target;
        if (c.existing)
            put(target, "an older and longer text\r\n");
        if (std::string(c.name) == "TargetIsAFolder")
            fs::create_directory(target);
        const auto written = writeFileSafely(target.string(), bytes);
        EXPECT_EQ(written.ok(), c.ok) << c.name;
        if (!written) {
            EXPECT_NE(written.error().find(target.string()), std::string::npos)
                << c.name << ": " << written.error();
        }
        EXPECT_EQ(entries(), c.after) << c.name;
        if (c.ok) {
            EXPECT_EQ(contents(target), bytes) << c.name;
        }
    }
}

}  // namespace
}  // namespace zan
