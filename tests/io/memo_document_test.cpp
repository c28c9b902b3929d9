// The memo document: the report's tables, the first page, the charts' axes, labels and bars
// as the run gives them, every text of a drawing inside it in every language, the drawings'
// escaping, and the document as JSON.

#include "io/memo_document.h"

#include <cmath>
#include <functional>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/font_widths.h"
#include "io/json.h"
#include "io/memo_json.h"
#include "io/sha256.h"
#include "io/svg.h"
#include "io/utf8.h"
#include "io_test_support.h"
#include "model/axle_spectra.h"
#include "model/catalogue.h"
#include "model/numbers.h"
#include "model/run.h"
#include "model/workspace.h"

namespace zan {
namespace {

MemoDocument documentAfter(Workspace& ws, AnalysisKind kind = AnalysisKind::Both) {
    EXPECT_TRUE(performAnalysis(ws, kind).ok());
    return memoDocument(**documentRun(ws), MemoOptions{});
}

// Each result table runs from its title to its "Sum =" line; the empty lines between two
// tables belong to neither.
TEST(ReportTables, FromEachTitleToItsSum) {
    const std::pair<AnalysisKind, std::size_t> runs[] = {
        {AnalysisKind::Fatigue, 1}, {AnalysisKind::Erosion, 1}, {AnalysisKind::Both, 2}};
    for (const auto& [kind, count] : runs) {
        Workspace ws;
        const std::string report = *performAnalysis(ws, kind).report;
        const std::vector<std::string> lines = test::crlfLines(report);
        const std::vector<LineSpan> tables = reportTables(report);
        ASSERT_EQ(tables.size(), count) << int(kind);
        for (const LineSpan& table : tables) {
            EXPECT_NE(lines[table.first].find("Analysis Solutions"), std::string::npos);
            EXPECT_NE(lines[table.end - 1].find("Sum ="), std::string::npos) << table.end;
        }
        EXPECT_EQ(tables.back().end, lines.size());
        EXPECT_EQ(tables[0].end + 2, count == 2 ? tables[1].first : lines.size() + 2);
        // The pieces are the report, the tables among them.
        const MemoDocument memo = memoDocument(**documentRun(ws), MemoOptions{});
        std::string joined;
        std::size_t pieces = 0;
        for (const ReportPiece& piece : memo.report) {
            joined += piece.text;
            pieces += piece.table ? 1 : 0;
        }
        EXPECT_EQ(joined, report);
        EXPECT_EQ(pieces, count);
    }
    EXPECT_TRUE(reportTables("").empty());
}

TEST(MemoFirstPage, TextsFollowTheInputs) {
    struct Case {
        const char* name;
        std::function<void(Workspace&)> setUp;
        const char* axles;
        const char* loadColumn;
        const char* designedBy;
        std::size_t warnings;
    };
    const Case cases[] = {
        {"Initial", [](Workspace&) {}, "Axle loads: the Standard axle-load spectrum",
         "Single axle load (kips)", "Designed by: ", 0},
        {"HeavyMetricWithProject",
         [](Workspace& ws) {
             ws.chooseUnitSystem(UnitSystem::Metric);
             applyAxleLoadCategory(ws, AxleLoadCategory::Heavy);
             ws.setProject(ProjectInfo{"Ring road", "", "", "A. Engineer", "", "", ""});
         },
         "Axle loads: the Heavy axle-load spectrum", "Single axle load (kN)",
         "Designed by: A. Engineer", 0},
        {"OutsideItsRangeAndOwnLoads",
         [](Workspace& ws) {
             ws.ensurePavement().thickness = "80";
             ws.ensureAxles().rows[0].singleLoad = "31";
         },
         "Axle loads", "Single axle load (kips)", "Designed by: ", 1},
    };
    for (const Case& c : cases) {
        Workspace ws;
        c.setUp(ws);
        performAnalysis(ws, AnalysisKind::Both);
        const MemoFirstPage memo = memoFirstPage(**documentRun(ws), "2024-05-31");
        EXPECT_EQ(memo.axlesHeading, c.axles) << c.name;
        EXPECT_EQ(memo.axles.headings[1], c.loadColumn) << c.name;
        EXPECT_EQ(memo.designedBy, c.designedBy) << c.name;
        EXPECT_EQ(memo.inputs.rows[1].cells[1].text, ws.pavement().thickness) << c.name;
        EXPECT_EQ(memo.warnings.size(), c.warnings) << c.name;
    }
}

// The header names the file, never its folder, and marks a document of a run whose inputs
// changed since; a typed text beyond ASCII, and beyond Windows-1252, comes out as typed.
TEST(MemoFrame, NamesTheFileAndMarksChangedInputs) {
    Workspace ws;
    ws.setProject(ProjectInfo{"K\u00F6ln \u0141\u00F3d\u017A", "", "", "", "", "", ""});
    performAnalysis(ws, AnalysisKind::Both);
    MemoOptions options;
    options.fileName = "/home/engineer/designs/route 7.DEF";
    options.inputsChanged = true;
    const MemoDocument memo = memoDocument(**documentRun(ws), options);
    EXPECT_EQ(memo.frame.inputs, "route 7.DEF");
    EXPECT_EQ(memo.frame.notice.rfind("Inputs changed after this analysis (", 0), 0u);
    EXPECT_EQ(memo.frame.pageOfPages, "page %1 of %2");
    EXPECT_EQ(memo.firstPage.project.rows[0].cells[1].text,
              "K\xC3\xB6ln \xC5\x81\xC3\xB3"
              "d\xC5\xBA");
    EXPECT_EQ(memoDocument(**documentRun(ws), MemoOptions{}).frame.inputs, "unsaved inputs");
}

// What ties the memo to its file: the fingerprint of the bytes it carries on every page and
// whole on page 1, the attachment named after the inputs' file, and a code that holds the
// file while it fits and its fingerprint after.
struct ProofCase {
    const char* name;
    std::size_t notes;  // bytes of project notes
    bool attaches;
    const char* fileName;
    const char* attachedName;
    bool codeHoldsFile;
};

TEST(MemoProof, FingerprintsAndCarriesTheSavedFile) {
    const ProofCase cases[] = {
        {"Desktop", 0, true, "/designs/route 7.def", "route 7.DEF", true},
        {"FromAMemo", 0, true, "route 7.pdf", "route 7.DEF", true},
        {"Unsaved", 0, true, "", "design.DEF", true},
        {"ControlsInTheName", 0, true, "a\x1b]b.DEF", "a_]b.DEF", true},
        {"WebPage", 0, false, "x.DEF", "x.DEF", true},
        {"TooLongForTheCode", kCodeMaxBytes, true, "x.DEF", "x.DEF", false},
    };
    for (const ProofCase& c : cases) {
        Workspace ws;
        ws.setProject(ProjectInfo{"Road", "", "", "", "", "", std::string(c.notes, 'n')});
        performAnalysis(ws, AnalysisKind::Both);
        const auto run = *documentRun(ws);
        MemoOptions options;
        options.fileName = c.fileName;
        options.inputFile = *savedInputBytes(run->workspace());
        options.attachesInputFile = c.attaches;
        const MemoProof proof = memoDocument(*run, options).proof;
        const std::string digits = sha256Hex(*options.inputFile);
        EXPECT_EQ(proof.inputFile, *options.inputFile) << c.name;
        EXPECT_EQ(proof.fingerprint, digits) << c.name;
        EXPECT_EQ(proof.fileName, c.attachedName) << c.name;
        EXPECT_EQ(memoDocument(*run, options).frame.fingerprint,
                  "Inputs SHA-256 " + digits.substr(0, 16))
            << c.name;
        EXPECT_EQ(proof.fingerprintLine,
                  "SHA-256 of " + utf8::withVisibleControls(c.attachedName) + ": " + digits)
            << c.name;
        EXPECT_EQ(proof.attached.empty(), !c.attaches) << c.name;
        EXPECT_EQ(proof.code, c.codeHoldsFile ? proof.inputFile : digits) << c.name;
        EXPECT_NE(proof.codeNote.find(c.codeHoldsFile ? "holds" : "too long"), std::string::npos)
            << c.name;
    }
    Workspace ws;
    const MemoDocument none = memoDocument(**documentRun(ws), MemoOptions{});
    EXPECT_EQ(none.proof.code, "") << "no file, no fingerprint, no code";
    EXPECT_EQ(none.frame.fingerprint, "");
}

struct StepCase {
    const char* name;
    double range;
    int ticks;
    double step;
};

class NiceStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(NiceStep, IsOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(chartAxis::niceStep(GetParam().range, GetParam().ticks), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NiceStep,
    ::testing::Values(StepCase{"Exact", 10.0, 10, 1.0}, StepCase{"UpToTwo", 8.0, 5, 2.0},
                      StepCase{"UpToFive", 23.7, 5, 5.0}, StepCase{"UpToTen", 7.0, 1, 10.0},
                      StepCase{"Thousand", 5000.0, 5, 1000.0}, StepCase{"Small", 0.03, 6, 0.005},
                      StepCase{"Large", 2.65e7, 5, 1e7}, StepCase{"Empty", 0.0, 5, 1.0},
                      StepCase{"Negative", -3.0, 5, 1.0}, StepCase{"NotANumber", NAN, 5, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct TicksCase {
    const char* name;
    double lowest, highest, step;
    std::vector<double> ticks;
};

class TickValues : public ::testing::TestWithParam<TicksCase> {};

TEST_P(TickValues, AreTheStepsMultiplesWithinTheRange) {
    const std::vector<double> ticks =
        chartAxis::tickValues(GetParam().lowest, GetParam().highest, GetParam().step);
    ASSERT_EQ(ticks.size(), GetParam().ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i)
        EXPECT_NEAR(ticks[i], GetParam().ticks[i], 1e-12 * GetParam().step) << i;
}

// A damage of 1e-30 % once froze the program: 1e-9 added to the end of the range took
// 1e21 steps to reach. Never more than a thousand ticks.
INSTANTIATE_TEST_SUITE_P(
    Ranges, TickValues,
    ::testing::Values(TicksCase{"BothEnds", 0.0, 1.0, 0.25, {0.0, 0.25, 0.5, 0.75, 1.0}},
                      TicksCase{"Inside", 8.1, 9.9, 0.5, {8.5, 9.0, 9.5}},
                      TicksCase{"Negative", -1.0, 0.5, 0.5, {-1.0, -0.5, 0.0, 0.5}},
                      TicksCase{
                          "Tiny", 0.0, 1e-30, 2e-31, {0.0, 2e-31, 4e-31, 6e-31, 8e-31, 1e-30}},
                      TicksCase{"RoundingAtTheEnd", 0.0, 0.3, 0.1, {0.0, 0.1, 0.2, 0.3}},
                      TicksCase{"NoStep", 0.0, 1.0, 0.0, {}},
                      TicksCase{"Reversed", 1.0, 0.0, 0.5, {}},
                      TicksCase{"Infinite", 0.0, INFINITY, 1.0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TickValues, AreNeverMoreThanAThousand) {
    EXPECT_EQ(chartAxis::tickValues(0.0, 1e12, 1.0).size(), 1000u);
}

DamagePoint point(float fatigue, float erosion) {
    return DamagePoint{9.0f, fatigue, erosion};
}

struct DecadeCase {
    const char* name;
    std::vector<DamagePoint> points;
    DecadeRange expected;
};

class Decades : public ::testing::TestWithParam<DecadeCase> {};

TEST_P(Decades, TakeInTheDamageAndTheHundredPercentLine) {
    EXPECT_EQ(damageDecades(GetParam().points), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, Decades,
    ::testing::Values(
        DecadeCase{"NoPoints", {}, {0, 3}}, DecadeCase{"OnlyZeros", {point(0, 0)}, {0, 3}},
        DecadeCase{"AroundHundred", {point(50, 20), point(150, 90)}, {0, 3}},
        DecadeCase{"WideButWithinTheCaps", {point(0.5f, 0), point(5000, 12)}, {-1, 4}},
        // The initial English design from 6.25 to 14.25 in.
        DecadeCase{
            "CappedBothWays", {point(2.65e7f, 1211), point(0, 0.204f), point(0.064f, 5)}, {-2, 6}},
        DecadeCase{"ExactDecades", {point(0.1f, 10000)}, {-1, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CurveCase {
    const char* name;
    std::function<void(Workspace&)> setUp;
    const char* recommended;
    const char* trial;
    bool trialShown;
    const char* thicknessAxis;
    const char* firstDecade;  // "0.01", or "10" with its exponent
};

class CurveChart : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveChart, LabelsTheThicknessesAndTheDecadesTheDataNeeds) {
    Workspace ws;
    GetParam().setUp(ws);
    const MemoDocument memo = documentAfter(ws);
    const DamageCurveChart& c = memo.charts->curve;
    EXPECT_EQ(c.recommendedLabel, GetParam().recommended);
    EXPECT_EQ(c.trialLabel, GetParam().trial);
    EXPECT_EQ(c.trialShown, GetParam().trialShown);
    EXPECT_EQ(c.thicknessAxis, GetParam().thicknessAxis);
    EXPECT_EQ(c.limitLabel, "100 %");
    EXPECT_EQ(c.decadeTicks.front().text + c.decadeTicks.front().power, GetParam().firstDecade);
    ASSERT_EQ(c.series.size(), 2u);
    for (const char* text : {GetParam().recommended, GetParam().trial, "100 %"})
        EXPECT_NE(c.svg.find(std::string(">") + svg::escaped(text) + "<"), std::string::npos)
            << text;
}

INSTANTIATE_TEST_SUITE_P(
    Designs, CurveChart,
    ::testing::Values(
        CurveCase{"English", [](Workspace&) {}, "Recommended 9.50 in", "Trial 9.50 in", true,
                  "Slab thickness (in)", "10-2"},
        CurveCase{"Metric", [](Workspace& ws) { ws.chooseUnitSystem(UnitSystem::Metric); },
                  "Recommended 24.00 cm", "Trial 24.10 cm", true, "Slab thickness (cm)", "10-2"},
        CurveCase{"TrialBeyondTheAxis", [](Workspace& ws) { ws.ensurePavement().thickness = "40"; },
                  "Recommended 9.50 in", "Trial 40.00 in \xE2\x86\x92", false,
                  "Slab thickness (in)", "10-2"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RowsCase {
    const char* name;
    UnitSystem units;
    AnalysisKind kind;
    bool lightCategory;
    std::size_t rows;
    const char* firstLabel;
    const char* lastLabel;
};

class RowsChart : public ::testing::TestWithParam<RowsCase> {};

TEST_P(RowsChart, BarsAreTheRunsDamageNamedByLoad) {
    const RowsCase& c = GetParam();
    Workspace ws;
    ws.chooseUnitSystem(c.units);
    if (c.lightCategory)
        applyAxleLoadCategory(ws, AxleLoadCategory::Light);
    const MemoDocument memo = documentAfter(ws, c.kind);
    const AxleRowsChart& chart = memo.charts->rows;
    const AnalysisResults& results = ws.results();
    ASSERT_EQ(chart.rows.size(), c.rows);
    EXPECT_EQ(chart.rows.front().label, c.firstLabel);
    EXPECT_EQ(chart.rows.back().label, c.lastLabel);
    EXPECT_EQ(chart.legend.size(), c.kind == AnalysisKind::Both ? 2u : 1u);
    double largest = 0.0;
    for (std::size_t i = 0; i < chart.rows.size(); ++i) {
        const RowBar& row = chart.rows[i];
        const std::size_t a = i < kAxleRows ? 0 : 1;
        const std::size_t r = i % kAxleRows;
        EXPECT_EQ(row.fatigue.has_value(), results.fatigueSelected) << row.label;
        EXPECT_EQ(row.erosion.has_value(), results.erosionSelected) << row.label;
        const auto damage = row.fatigue ? row.fatigue : row.erosion;
        EXPECT_EQ(*damage, (row.fatigue ? results.fatigueDamage : results.erosionDamage)[a][r]);
        largest = std::max({largest, row.fatigue.value_or(0.0), row.erosion.value_or(0.0)});
        const std::string& text = row.fatigue ? row.fatigueText : row.erosionText;
        // A value too small for its bar to matter goes unlabelled.
        EXPECT_EQ(text, *damage >= chart.damageMax * 0.02 && *damage > 0
                            ? formatSignificant(*damage, 3)
                            : std::string())
            << row.label;
    }
    EXPECT_GE(chart.damageMax, largest);
    EXPECT_LT(chart.damageMax, largest * 2.5);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RowsChart,
    ::testing::Values(
        RowsCase{"Both", UnitSystem::English, AnalysisKind::Both, false, 20, "S 30.0", "T 16.0"},
        RowsCase{"FatigueOnly", UnitSystem::English, AnalysisKind::Fatigue, false, 20, "S 30.0",
                 "T 16.0"},
        RowsCase{"ErosionOnly", UnitSystem::English, AnalysisKind::Erosion, false, 20, "S 30.0",
                 "T 16.0"},
        // The Light category hides tandem row 10.
        RowsCase{"LightHidesARow", UnitSystem::English, AnalysisKind::Both, true, 19, "S 22.0",
                 "T 4.0"},
        RowsCase{"Metric", UnitSystem::Metric, AnalysisKind::Both, false, 20, "S 133.5", "T 71.2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RowsChart, BeforeAnyRunSaysSo) {
    Workspace ws;
    const MemoDocument memo = memoDocument(**documentRun(ws), MemoOptions{});
    EXPECT_TRUE(memo.charts->rows.rows.empty());
    EXPECT_EQ(memo.charts->rows.note.rfind("No analysis has been run yet", 0), 0u);
    EXPECT_FALSE(
        memoDocument(**documentRun(ws), MemoOptions{{}, {}, false, false, {}, false}).charts);
}

TEST(TornadoChart, WidestSwingOnTopAndInputsWithoutResultLast) {
    Sensitivity s;
    s.base.thickness = 9.5f;
    auto row = [](InputField input, std::optional<float> lower, std::optional<float> upper) {
        SensitivityRow r;
        r.input = input;
        r.lower.thickness = lower;
        r.upper.thickness = upper;
        return r;
    };
    s.rows = {row(InputField::SubgradeModulus, 9.75f, 9.25f),
              row(InputField::ModulusOfRupture, std::nullopt, 8.75f),
              row(InputField::AverageDailyTraffic, 9.25f, 9.5f),
              row(InputField::GrowthPercent, 9.5f, 9.5f),
              row(InputField::LoadSafetyFactor, 8.25f, 10.75f)};
    const TornadoChart chart = tornadoChart(s);
    std::vector<std::string> order;
    for (const TornadoBar& bar : chart.bars)
        order.push_back(bar.name);
    // Equal swings keep the inputs' order.
    EXPECT_EQ(order, (std::vector<std::string>{"LSF", "k (psi/in)", "ADT", "Growth rate (%)",
                                               "Sc (psi)"}));
    EXPECT_EQ(chart.bars.back().lowerText, "no thickness found");
    EXPECT_EQ(chart.bars.front().upperText, "10.75");
    EXPECT_EQ(chart.thicknessLowest, 8.0);  // a grid step beyond every result
    EXPECT_EQ(chart.thicknessHighest, 11.0);
    EXPECT_EQ(chart.baseLabel, "Recommended 9.50 in");
    s.base.thickness.reset();
    EXPECT_EQ(tornadoChart(s).note, "No recommended thickness to compare with.");
}

// Where each text of a drawing reaches, as the drawing's font measures it.
struct DrawnText {
    std::string text;
    double left, right, top, bottom;
};

std::vector<DrawnText> drawnTexts(const std::string& svg) {
    static const std::regex element(
        "<text x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" font-size=\"([0-9.]+)\"([^>]*)>([^<]*)</text>");
    std::vector<DrawnText> texts;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element);
         it != std::sregex_iterator(); ++it) {
        const double x = std::stod((*it)[1]), y = std::stod((*it)[2]), size = std::stod((*it)[3]);
        const std::string rest = (*it)[4];
        std::string text = (*it)[5];
        for (const auto& [entity, c] : {std::pair{"&amp;", "&"},
                                        {"&lt;", "<"},
                                        {"&gt;", ">"},
                                        {"&quot;", "\""},
                                        {"&#39;", "'"}})
            for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
                text.replace(at, std::string(entity).size(), c);
        const double width = textWidth(text, size, rest.find("bold") != std::string::npos);
        const double start = rest.find("\"middle\"") != std::string::npos ? x - width / 2
                             : rest.find("\"end\"") != std::string::npos  ? x - width
                                                                          : x;
        if (rest.find("rotate") != std::string::npos)  // read upwards from its anchor
            texts.push_back({text, x - size, x, y - (start - x) - width, y - (start - x)});
        else
            texts.push_back({text, start, start + width, y - size, y});
    }
    return texts;
}

struct FitCase {
    const char* name;
    const char* language;
    std::function<void(Workspace&)> setUp;
};

class TextsFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(TextsFit, NoTextRunsPastItsDrawing) {
    catalogue::setLanguage(GetParam().language);
    Workspace ws;
    GetParam().setUp(ws);
    const MemoDocument memo = documentAfter(ws);
    catalogue::setLanguage(catalogue::kSourceLanguage);
    for (const auto& [svg, size] : {std::pair{&memo.charts->curve.svg, kCurveChartSize},
                                    {&memo.charts->rows.svg, kRowsChartSize},
                                    {&memo.charts->tornado.svg, kTornadoChartSize}}) {
        const std::vector<DrawnText> texts = drawnTexts(*svg);
        EXPECT_GT(texts.size(), 10u);
        for (const DrawnText& t : texts) {
            EXPECT_GE(t.left, 0.0) << t.text;
            EXPECT_LE(t.right, size.width) << t.text;
            EXPECT_GE(t.top, 0.0) << t.text;
            EXPECT_LE(t.bottom, size.height) << t.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TextsFit,
    ::testing::Values(FitCase{"English", "en", [](Workspace&) {}},
                      FitCase{"SpanishMetric", "es",
                              [](Workspace& ws) { ws.chooseUnitSystem(UnitSystem::Metric); }},
                      // A load text that is more than a number is listed as it stands.
                      FitCase{"LongLoadText", "en",
                              [](Workspace& ws) {
                                  ws.ensureAxles().rows[3].tandemLoad =
                                      "36 \xC9" + std::string(60, 'W');
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Svg, WritesEveryTextAsCharacterData) {
    EXPECT_EQ(svg::escaped("<b a=\"1\">'x' & y</b>"),
              "&lt;b a=&quot;1&quot;&gt;&#39;x&#39; &amp; y&lt;/b&gt;");
    // XML cannot hold a control character: its picture stands for it.
    EXPECT_EQ(svg::escaped("a\rb\x0C"
                           "c\x7F"),
              "a\xE2\x90\x8D"
              "b\xE2\x90\x8C"
              "c\xE2\x90\xA1");
    EXPECT_EQ(svg::escaped("\xFF"), "\xEF\xBF\xBD");  // not UTF-8
    svg::Writer out(10, 10, "</title><script>");
    out.text(1, 2, "]]></text><script>alert(1)</script>", svg::TextStyle{});
    const std::string drawing = out.finish();
    EXPECT_EQ(drawing.find("<script"), std::string::npos) << drawing;
    for (const auto& [value, text] : {std::pair{12.5, "12.5"},
                                      {-3.0, "-3"},
                                      {0.004, "0"},
                                      {-0.004, "0"},
                                      {1.0 / 3.0, "0.33"},
                                      {NAN, "0"}})
        EXPECT_EQ(svg::number(value), text) << value;
}

TEST(FontWidths, AreTheFontsAndAnEmAndAHalfBeyondIt) {
    EXPECT_DOUBLE_EQ(textWidth("W", 2048), 2025);
    EXPECT_DOUBLE_EQ(textWidth("W", 2048, true), fontWidths::advance(U'W', true) * 2048);
    EXPECT_GT(textWidth("W", 12, true), textWidth("W", 12));
    EXPECT_DOUBLE_EQ(textWidth("\xE9\x81\x93", 10), fontWidths::kUnknownEm * 10);  // an ideograph
    EXPECT_LT(textWidth("\xC5\x81", 10), textWidth("W", 10));  // "Ł" is the font's own
}

// The JSON reads back, and holds what the page needs of every part.
TEST(MemoJson, ReadsBackWithEveryPart) {
    Workspace ws;
    ASSERT_TRUE(readDataFile(ws, std::string(ZAN_EXAMPLES_DIR "/heavy.DEF")).ok());
    const auto parsed = json::parse(memoDocumentJson(documentAfter(ws)));
    ASSERT_TRUE(parsed.ok()) << parsed.error();
    for (const char* part : {"frame", "firstPage", "report", "charts", "details"})
        EXPECT_NE(parsed->find(part), nullptr) << part;
    const json::Value* curve = parsed->find("charts")->find("curve");
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(*curve->find("recommendedLabel")->string(), "Recommended 9.25 in");
    EXPECT_EQ(curve->find("svg")->string()->rfind("<svg ", 0), 0u);
}

}  // namespace
}  // namespace zan
