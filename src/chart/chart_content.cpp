#include "chart_content.h"

#include <QDateTime>
#include <chrono>
#include <string>

#include "chart/axle_damage_plot.h"
#include "chart/damage_curve_plot.h"
#include "chart/tornado_plot.h"
#include "commands/commands.h"
#include "io/memo_page.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/run.h"
#include "platform/latin1.h"

namespace zan {

namespace {

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

QString inputsChangedMark(const Run& run) {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(run.finished().time_since_epoch());
    const QString time =
        QDateTime::fromMSecsSinceEpoch(ms.count()).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return QStringLiteral("%1 (%2)").arg(
        fromCatalogue(runText::kContext, runText::kInputsChangedMark), time);
}

QString chartRefusal(const Run& run) {
    const RunContent& content = run.content();
    return content.refusal ? fromCore(designSearchErrorMessage(*content.refusal)) : QString();
}

void fillPlots(const Run& run, DamageCurvePlot& damage, AxleDamagePlot& axles,
               TornadoPlot& tornado) {
    const RunContent& content = run.content();
    QStringList loads;
    for (const std::string& load : content.listedLoads)
        loads << fromCore(load);
    damage.setCurve(content.curve);
    axles.setResults(run.results(), run.inputs().units, run.inputs().axles.lastTandemRowShown,
                     loads);
    tornado.setSensitivity(content.sensitivity);
}

TextTable sensitivityTable(const Sensitivity& s) {
    const QString thickness = fromMemo(memoText::kThickness).arg(plot::unitOf(s.units));
    TextTable table;
    // Each change heads its column in one piece: a heading wraps only between words.
    const auto unbroken = [](QString text) { return text.replace(QLatin1Char(' '), QChar::Nbsp); };
    table.headings = {fromMemo(memoText::kInput),
                      fromMemo(memoText::kValue),
                      unbroken(fromMemo(memoText::kValueLower)),
                      thickness,
                      unbroken(fromMemo(memoText::kValueUpper)),
                      thickness};
    for (const SensitivityRow& r : s.rows) {
        TableRow row;
        row.cells = {TableCell{fromCore(shortInputName(r.input, s.units)), true},
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
        return TableCell{fromCore(caption::shown(yes ? caption::kYes : caption::kNo)), true};
    };
    TextTable table;
    table.headings = {fromCore(caption::shown(caption::kShoulderFrame)),
                      fromCore(caption::shown(caption::kDowelFrame)),
                      fromMemo(memoText::kRecommendedThickness).arg(plot::unitOf(a.units)),
                      fromMemo(memoText::kDesign)};
    for (const DesignAlternative& alternative : a.alternatives) {
        TableRow row;
        row.emphasised = alternative.entered;
        row.cells = {
            yesNo(alternative.concreteShoulder), yesNo(alternative.doweledJoints),
            alternative.thickness ? number(plot::thicknessText(*alternative.thickness))
                                  : TableCell{fromCore(alternative.message), true},
            TableCell{alternative.entered ? fromMemo(memoText::kAsEntered) : QString(), true}};
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace zan
