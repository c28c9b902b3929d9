#include "io/memo_document.h"

#include <algorithm>
#include <ctime>

#include "io/details_table.h"
#include "io/sha256.h"
#include "io/utf8.h"
#include "io/verdict.h"
#include "model/axle_spectra.h"
#include "model/catalogue.h"
#include "model/design_search.h"
#include "model/input_ranges.h"
#include "model/message.h"
#include "model/numbers.h"
#include "model/project_fields.h"
#include "model/run.h"
#include "model/version.h"
#include "model/workspace.h"

namespace zan {

namespace {

// Every text the document takes from the rest of the core passes here, and nowhere else: the
// core's texts are UTF-8, as the document's are.
std::string shown(std::string_view coreText) {
    return std::string(coreText);
}

// A text of the catalogue in the language in force, as the document holds it. Named as the
// catalogue's own, so that lupdate finds the texts where they are used.
std::string translate(const char* context, std::string_view text) {
    return shown(catalogue::translate(context, text));
}

// A heading that wraps only between its words' groups, never inside "Value -20 %".
std::string unbroken(std::string text) {
    std::string out;
    for (const char c : text)
        out += c == ' ' ? std::string("\xC2\xA0") : std::string(1, c);
    return out;
}

std::string unitOf(UnitSystem units) {
    return units == UnitSystem::Metric ? "cm" : "in";
}

MemoCell words(std::string text) {
    return MemoCell{std::move(text), true};
}

MemoCell number(std::string text) {
    return MemoCell{std::move(text), false};
}

MemoTableRow captioned(std::string caption, std::string text) {
    return MemoTableRow{{words(std::move(caption)), words(std::move(text))}, false};
}

// ---- The first page.

// Every input exactly as typed (the report rounds them to its patterns), in the core's table
// order, the two options after the pavement's values.
MemoTable inputsTable(const Workspace& workspace) {
    const PavementInputs& p = workspace.pavement();
    const auto yesNo = [](bool yes) {
        return shown(caption::shown(yes ? caption::kYes : caption::kNo));
    };
    MemoTable table{{translate("Memo", "Input"), unbroken(translate("Memo", "As entered"))}, {}};
    table.rows.push_back(
        captioned(translate("Memo", "Unit system"), workspace.unitSystem() == UnitSystem::Metric
                                                        ? translate("Memo", "Metric")
                                                        : translate("Memo", "English")));
    for (const InputRange& entry : inputRanges()) {
        if (isAxleField(entry.field))
            continue;
        table.rows.push_back(captioned(shown(inputCaption(workspace, entry.field, 0)),
                                       shown(inputText(workspace, entry.field, 0))));
        if (entry.field == InputField::ModulusOfRupture) {
            table.rows.push_back(captioned(shown(caption::shown(caption::kShoulderFrame)),
                                           yesNo(p.concreteShoulder)));
            table.rows.push_back(
                captioned(shown(caption::shown(caption::kDowelFrame)), yesNo(p.doweledJoints)));
        }
    }
    return table;
}

void addAxles(MemoFirstPage& page, const Workspace& workspace) {
    const std::string unit = workspace.unitSystem() == UnitSystem::Metric ? "kN" : "kips";
    const char* spectrum = builtInSpectrumName(workspace.axles(), workspace.unitSystem());
    page.axlesHeading =
        spectrum ? shown(catalogue::arg(
                       catalogue::translate("Memo", "Axle loads: the %1 axle-load spectrum"),
                       {catalogue::translate("Spectra", spectrum)}))
                 : translate("Memo", "Axle loads");
    page.axles.headings = {
        translate("Memo", "Row"),
        shown(catalogue::arg(catalogue::translate("Memo", "Single axle load (%1)"), {unit})),
        translate("Memo", "Single axles per 1000 trucks"),
        shown(catalogue::arg(catalogue::translate("Memo", "Tandem axle load (%1)"), {unit})),
        translate("Memo", "Tandem axles per 1000 trucks")};
    const auto& rows = workspace.axles().rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        page.axles.rows.push_back(
            {{words(std::to_string(i + 1)), number(shown(rows[i].singleLoad)),
              number(shown(rows[i].singleCount)), number(shown(rows[i].tandemLoad)),
              number(shown(rows[i].tandemCount))},
             false});
}

// ---- The report.

std::vector<std::string_view> reportLines(std::string_view report) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < report.size();) {
        const std::size_t end = std::min(report.find("\r\n", at), report.size());
        lines.push_back(report.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

bool isTableTitle(std::string_view line) {
    constexpr std::string_view kTitleEnd = "Analysis Solutions";
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    return line.ends_with(kTitleEnd);
}

std::vector<ReportPiece> reportPieces(const std::string& report) {
    std::vector<std::size_t> lineStarts = {0};
    for (std::size_t at = report.find("\r\n"); at != std::string::npos;
         at = report.find("\r\n", at + 2))
        lineStarts.push_back(at + 2);
    const auto offset = [&](std::size_t line) {
        return line < lineStarts.size() ? lineStarts[line] : report.size();
    };
    std::vector<ReportPiece> pieces;
    const auto add = [&](std::size_t from, std::size_t to, bool table) {
        if (to > from)
            pieces.push_back({shown(std::string_view(report).substr(from, to - from)), table});
    };
    std::size_t done = 0;
    for (const LineSpan& table : reportTables(report)) {
        add(done, offset(table.first), false);
        add(offset(table.first), offset(table.end), true);
        done = offset(table.end);
    }
    add(done, report.size(), false);
    return pieces;
}

// ---- The tables after the charts.

// The thickness as the search's message writes it, or the search's own reason for none.
MemoCell thicknessCell(const std::optional<float>& thickness, const std::string& message) {
    return thickness ? number(formatFixed(*thickness, 2)) : words(shown(message));
}

MemoTable sensitivityTable(const Sensitivity& s) {
    const std::string thickness =
        catalogue::arg(memoShown(memoText::kThickness), {unitOf(s.units)});
    MemoTable table{{memoShown(memoText::kInput), memoShown(memoText::kValue),
                     unbroken(memoShown(memoText::kValueLower)), thickness,
                     unbroken(memoShown(memoText::kValueUpper)), thickness},
                    {}};
    for (const SensitivityRow& r : s.rows)
        table.rows.push_back(
            {{words(shown(shortInputName(r.input, s.units))), number(formatSignificant(r.value)),
              number(shown(r.lower.text)), thicknessCell(r.lower.thickness, r.lower.message),
              number(shown(r.upper.text)), thicknessCell(r.upper.thickness, r.upper.message)},
             false});
    return table;
}

// One row per combination of shoulder and dowels; the one the inputs hold marked.
MemoTable alternativesTable(const DesignAlternatives& a) {
    const auto yesNo = [](bool yes) {
        return words(shown(caption::shown(yes ? caption::kYes : caption::kNo)));
    };
    MemoTable table{{shown(caption::shown(caption::kShoulderFrame)),
                     shown(caption::shown(caption::kDowelFrame)),
                     catalogue::arg(memoShown(memoText::kRecommendedThickness), {unitOf(a.units)}),
                     memoShown(memoText::kDesign)},
                    {}};
    for (const DesignAlternative& alternative : a.alternatives)
        table.rows.push_back(
            {{yesNo(alternative.concreteShoulder), yesNo(alternative.doweledJoints),
              thicknessCell(alternative.thickness, alternative.message),
              words(alternative.entered ? memoShown(memoText::kAsEntered) : std::string())},
             alternative.entered});
    return table;
}

MemoCharts memoCharts(const Run& run) {
    const RunContent& content = run.content();
    MemoCharts charts;
    charts.heading = memoShown(memoText::kDamageChart);
    charts.alternativesHeading = memoShown(memoText::kAlternatives);
    charts.alternativesNote = memoShown(memoText::kAlternativesNote);
    charts.alternatives = alternativesTable(content.alternatives);
    if (content.refusal) {
        charts.refusal = shown(designSearchErrorMessage(*content.refusal));
        return charts;
    }
    charts.curve = damageCurveChart(content.curve);
    charts.rows = axleRowsChart(run, content);
    charts.tornado = tornadoChart(content.sensitivity);
    charts.sensitivityHeading = memoShown(memoText::kSensitivity);
    charts.sensitivity = sensitivityTable(content.sensitivity);
    return charts;
}

// A heading of the details begins with a capital, as a heading does; in the CSV it does not.
std::string capitalised(std::string text) {
    if (text.empty())
        return text;
    const auto first = static_cast<unsigned char>(text[0]);
    if (first >= 'a' && first <= 'z')
        text[0] = static_cast<char>(first - 0x20);
    // A small letter of Latin-1 (U+00E0 to U+00FE but the division sign), C3 A0 to C3 BE.
    const auto second = text.size() > 1 ? static_cast<unsigned char>(text[1]) : 0;
    if (first == 0xC3 && second >= 0xA0 && second <= 0xBE && second != 0xB7)
        text[1] = static_cast<char>(second - 0x20);
    return text;
}

// The columns of one part: axle, row, load and repetitions, then the part's own.
MemoTable detailsPart(const DetailsTable& details, UnitSystem units, std::size_t first,
                      std::size_t end) {
    const auto headings = readableDetailsColumns(units);
    std::vector<std::size_t> columns = {0, 1, 2, 3};
    for (std::size_t c = first; c < end; ++c)
        columns.push_back(c);
    MemoTable table;
    for (std::size_t c : columns)
        table.headings.push_back(shown(capitalised(headings[c])));
    for (const DetailsTableRow& cells : details.rows) {
        MemoTableRow row;
        for (std::size_t c : columns)
            row.cells.push_back(MemoCell{shown(cells[c]), c == 0});
        table.rows.push_back(std::move(row));
    }
    return table;
}

MemoDetails memoDetails(const Run& run, bool analysed) {
    MemoDetails details;
    details.heading = memoShown(memoText::kDetails);
    if (!analysed) {
        details.note = memoShown(memoText::kNoAnalysis);
        return details;
    }
    const UnitSystem units = run.inputs().units;
    const DetailsTable table = readableDetailsTable(run.content().details, units);
    details.modelUnits = shown(table.modelUnits);
    details.fatigueHeading = memoShown(memoText::kFatigue);
    details.fatigue = detailsPart(table, units, kFirstFatigueColumn, kFirstErosionColumn);
    details.erosionHeading = memoShown(memoText::kErosion);
    details.erosion = detailsPart(table, units, kFirstErosionColumn, kDetailsColumnCount);
    return details;
}

MemoFrame memoFrame(const Run& run, const MemoOptions& options) {
    std::string name = options.fileName;
    if (const std::size_t slash = name.rfind('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    // On its one line of every page, a control character in the name shows as its picture.
    return MemoFrame{shown(programLine()),
                     name.empty() ? memoShown(kUnsavedInputs) : utf8::withVisibleControls(name),
                     localMinute(options.made),
                     options.inputsChanged ? inputsChangedMark(run) : std::string(),
                     memoShown(kPageOfPages),
                     options.inputFile
                         ? catalogue::arg(memoShown(kFingerprintFooter),
                                          {sha256Hex(*options.inputFile).substr(0, 16)})
                         : std::string()};
}

MemoProof memoProof(const MemoOptions& options) {
    MemoProof proof;
    if (!options.inputFile)
        return proof;
    proof.fileName = attachedFileName(options.fileName);
    proof.inputFile = *options.inputFile;
    proof.fingerprint = sha256Hex(proof.inputFile);
    const std::string name = utf8::withVisibleControls(proof.fileName);
    if (options.attachesInputFile)
        proof.attached = catalogue::arg(memoShown(memoText::kAttached), {name});
    proof.fingerprintLine =
        catalogue::arg(memoShown(memoText::kFingerprintLine), {name, proof.fingerprint});
    const bool fits = proof.inputFile.size() <= kCodeMaxBytes;
    proof.code = fits ? proof.inputFile : proof.fingerprint;
    proof.codeNote = catalogue::arg(
        memoShown(fits ? memoText::kCodeHoldsFile : memoText::kCodeHoldsFingerprint), {name});
    return proof;
}

}  // namespace

std::string memoShown(std::string_view text) {
    return translate(memoText::kContext, text);
}

std::string localMinute(std::chrono::system_clock::time_point moment) {
    const std::time_t time = std::chrono::system_clock::to_time_t(moment);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string inputsChangedMark(const Run& run) {
    return translate(runText::kContext, runText::kInputsChangedMark) + " (" +
           localMinute(run.finished()) + ")";
}

std::vector<LineSpan> reportTables(std::string_view report) {
    const std::vector<std::string_view> lines = reportLines(report);
    std::vector<LineSpan> tables;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isTableTitle(lines[i]))
            continue;
        // The two empty lines before this title belong to it, not to the table before.
        if (!tables.empty())
            tables.back().end = std::max(tables.back().first + 1, i >= 2 ? i - 2 : 0);
        tables.push_back({i, lines.size()});
    }
    return tables;
}

std::string attachedFileName(std::string_view inputsFileName) {
    std::string name(inputsFileName.substr(inputsFileName.find_last_of("/\\") + 1));
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    // The name goes into the PDF and onto a checker's disk: no control character, no folder.
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == ':')
            c = '_';
    return (name.empty() ? std::string("design") : name) + ".DEF";
}

std::string programLine() {
    return std::string(kMainWindowTitle) + ' ' + programVersion();
}

MemoFirstPage memoFirstPage(const Run& run, std::string_view date) {
    const Workspace& workspace = run.workspace();
    MemoFirstPage page;
    page.title = translate("Memo", "Design memo");
    page.project.headings = {unbroken(translate("Memo", "Project information")), ""};
    const ProjectInfo& project = workspace.project();
    for (const ProjectField& field : kProjectFields)
        page.project.rows.push_back(
            captioned(translate("Project", field.caption), shown(project.*field.text)));
    page.verdict = shown(designVerdict(run));
    page.warningsHeading = translate("Memo", "Input warnings");
    for (const std::string& warning : run.warnings())
        page.warnings.push_back(shown(warning));
    page.inputsHeading = translate("Memo", "Inputs as entered");
    page.inputs = inputsTable(workspace);
    addAxles(page, workspace);
    page.computedWith =
        catalogue::arg(translate("Memo", "Computed with %1."), {shown(programLine())});
    page.date = catalogue::arg(translate("Memo", "Date: %1"), {date});
    page.designedBy =
        catalogue::arg(translate("Memo", "Designed by: %1"), {shown(project.designer)});
    page.checkedBy = catalogue::arg(translate("Memo", "Checked by: %1"), {shown(project.checker)});
    page.signatureDate = translate("Memo", "Date: ____________");
    return page;
}

MemoDocument memoDocument(const Run& run, const MemoOptions& options) {
    MemoDocument memo;
    memo.analysed =
        run.analysed() && (run.results().fatigueSelected || run.results().erosionSelected);
    memo.frame = memoFrame(run, options);
    memo.firstPage = memoFirstPage(run, memo.frame.made.substr(0, 10));
    memo.reportHeading = memoShown(memoText::kReport);
    memo.report = reportPieces(run.report());
    if (run.analysed() || options.chartsBeforeAnyRun)
        memo.charts = memoCharts(run);
    memo.details = memoDetails(run, memo.analysed);
    memo.proof = memoProof(options);
    return memo;
}

}  // namespace zan
