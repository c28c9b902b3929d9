#include "status_tips.h"

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <array>

#include "shell/main_window_names.h"

namespace zan {

namespace names = mainWindowNames;

namespace {

struct StatusTip {
    const char* item;  // the menu item's objectName
    const char* tip;
};

// Short enough for the bar of the window at its first size.
constexpr std::array<StatusTip, 29> kStatusTips = {{
    {names::kFile.name, "Read and save input data, save and print the report, exit."},
    {names::kDefaultOptions.name, "Choose the unit system, until the first inputs exist."},
    {names::kMetricOption.name, "Give every input in cm, kPa/mm, kPa and kN."},
    {names::kEnglishOption.name, "Give every input in in, psi/in, psi and kips."},
    {names::kFileLoad.name, "Read all inputs and their unit system from a .DEF file."},
    {names::kFileSave.name, "Write all inputs to a .DEF file."},
    {names::kSaveReport.name,
     "Write the report of the inputs and the last analysis to a .PRN file."},
    {names::kPrintReport.name, "Print the report of the inputs and the last analysis."},
    {names::kExportPdf.name, "Write the report, charts and calculation details to a PDF."},
    {names::kFileExit.name, "End the program, after asking whether to save the report."},
    {names::kEdit.name, "Enter the pavement, traffic and axle-load inputs."},
    {names::kPavementData.name, "Slab thickness, subgrade, concrete strength, shoulder, dowels."},
    {names::kTrafficData.name, "Daily traffic, trucks, distributions, growth, period, LSF."},
    {names::kProjectInfo.name, "Project, client, designer and checker for the file and memo."},
    {names::kAxleLoadCategories.name, "Fill the axle loads from a built-in spectrum."},
    {names::kLight.name, "Replace the axle loads by the Light category: residential streets."},
    {names::kMedium.name, "Replace the axle loads by the Medium category: collector streets."},
    {names::kHeavy.name, "Replace the axle loads by the Heavy category: arterials, highways."},
    {names::kVeryHeavy.name, "Replace the axle loads by the Very Heavy category: heavy trucks."},
    {names::kInputAxles.name, "Replace the axle loads by the standard spectrum, to type over."},
    {names::kPerformAnalysis.name, "Analyse the trial thickness, or chart the damage."},
    {names::kFatigueAnalysis.name, "Analyse the fatigue damage of the trial thickness."},
    {names::kErosionAnalysis.name, "Analyse the erosion damage of the trial thickness."},
    {names::kBothAnalysis.name, "Analyse the fatigue and erosion damage of the trial thickness."},
    {names::kDamageChart.name, "Chart damage against thickness, per axle row, and sensitivity."},
    {names::kComputeDesignThickness.name, "Find the thinnest slab with both damages below 100 %."},
    {names::kHelp.name, "Open the user guide or the About window."},
    {names::kHelpGuide.name, "Open the user guide: inputs, commands, report, messages."},
    {names::kHelpAbout.name, "Show the program's title and credits."},
}};

// Moving from one item to the next passes through an empty tip (a separator, the gap between
// items); waiting this long before hiding keeps the bar from flickering.
constexpr int kHideDelayMs = 250;

}  // namespace

void createStatusTips(QMainWindow& window) {
    for (const StatusTip& row : kStatusTips)
        if (QAction* action = window.findChild<QAction*>(QLatin1String(row.item)))
            action->setStatusTip(QLatin1String(row.tip));

    auto* bar = new QStatusBar(&window);
    bar->setObjectName(QLatin1String(names::kStatusBar));
    window.setStatusBar(bar);
    bar->setSizeGripEnabled(false);  // it comes and goes: nothing to drag
    bar->hide();
    auto* hideLater = new QTimer(bar);
    hideLater->setSingleShot(true);
    hideLater->setInterval(kHideDelayMs);
    // A notice the window keeps in the bar keeps the bar.
    QObject::connect(hideLater, &QTimer::timeout, bar, [bar] {
        if (!bar->property(kKeepStatusBar).toBool())
            bar->hide();
    });
    QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar, hideLater](const QString& text) {
        if (text.isEmpty()) {
            hideLater->start();
        } else {
            hideLater->stop();
            bar->show();
        }
    });
}

}  // namespace zan
