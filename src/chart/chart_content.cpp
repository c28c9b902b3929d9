#include "chart_content.h"

#include <QCoreApplication>
#include <cmath>
#include <string>

#include "chart/axle_damage_plot.h"
#include "chart/damage_curve_plot.h"
#include "chart/tornado_plot.h"
#include "model/numbers.h"
#include "model/workspace.h"
#include "platform/latin1.h"

namespace zan {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("zan", text);
}

TableCell number(const QString& text) {
    return TableCell{text, false};
}

// The thickness as the search's message writes it, or the search's own reason for none.
TableCell thicknessCell(const SensitivityCase& c) {
    if (c.thickness)
        return number(fromCore(formatFixed(*c.thickness, 2)));
    return TableCell{fromCore(c.message), true};
}

}  // namespace

namespace {

// A load as the report lists it: a number in "0.0", any other text as typed.
QString listedLoad(const std::string& text) {
    const double value = parseNumber(text);
    return isNumberText(text) && std::isfinite(value) ? fromCore(formatFixed(value, 1))
                                                      : fromCore(text);
}

QStringList listedLoads(const AxleInputs& axles) {
    QStringList loads;
    for (const AxleRowTexts& row : axles.rows)
        loads << listedLoad(row.singleLoad);
    for (const AxleRowTexts& row : axles.rows)
        loads << listedLoad(row.tandemLoad);
    return loads;
}

}  // namespace

ChartContent chartContent(const Workspace& workspace) {
    ChartContent content;
    content.units = workspace.unitSystem();
    // The one search from the trial thickness; the alternatives, the curve and the
    // sensitivity all start from its outcome.
    const DesignSearch base = searchDesignThickness(workspace);
    content.alternatives = designAlternatives(workspace, base);
    auto curve = damageCurve(workspace, base);
    if (!curve) {
        content.refusal = fromCore(designSearchErrorMessage(curve.error()));
        return content;
    }
    content.curve = std::move(*curve);
    content.results = workspace.results();
    content.lastTandemRowShown = workspace.axles().lastTandemRowShown;
    content.listedLoads = listedLoads(workspace.axles());
    content.sensitivity = sensitivity(workspace, base);
    return content;
}

void fillPlots(const ChartContent& content, DamageCurvePlot& damage, AxleDamagePlot& axles,
               TornadoPlot& tornado) {
    damage.setCurve(content.curve);
    axles.setResults(content.results, content.units, content.lastTandemRowShown,
                     content.listedLoads);
    tornado.setSensitivity(content.sensitivity);
}

TextTable sensitivityTable(const Sensitivity& s) {
    const QString thickness = tr("Thickness (%1)").arg(plot::unitOf(s.units));
    TextTable table;
    // Each change heads its column in one piece: a heading wraps only between words.
    const auto unbroken = [](QString text) { return text.replace(QLatin1Char(' '), QChar::Nbsp); };
    table.headings = {tr("Input"),
                      tr("Value"),
                      unbroken(tr("Value -20 %")),
                      thickness,
                      unbroken(tr("Value +20 %")),
                      thickness};
    for (const SensitivityRow& r : s.rows) {
        TableRow row;
        row.cells = {TableCell{fromCore(sensitivityInputName(r.input, s.units)), true},
                     number(fromCore(formatSignificant(r.value))),
                     number(fromCore(r.lower.text)),
                     thicknessCell(r.lower),
                     number(fromCore(r.upper.text)),
                     thicknessCell(r.upper)};
        table.rows.push_back(std::move(row));
    }
    return table;
}

TextTable alternativesTable(const DesignAlternatives& a) {
    const auto yesNo = [](bool yes) {
        return TableCell{fromCore(yes ? caption::kYes : caption::kNo), true};
    };
    TextTable table;
    table.headings = {fromCore(caption::kShoulderFrame), fromCore(caption::kDowelFrame),
                      tr("Recommended thickness (%1)").arg(plot::unitOf(a.units)), tr("Design")};
    for (const DesignAlternative& alternative : a.alternatives) {
        TableRow row;
        row.emphasised = alternative.entered;
        row.cells = {yesNo(alternative.concreteShoulder), yesNo(alternative.doweledJoints),
                     alternative.thickness ? number(plot::thicknessText(*alternative.thickness))
                                           : TableCell{fromCore(alternative.message), true},
                     TableCell{alternative.entered ? tr("as entered") : QString(), true}};
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace zan
