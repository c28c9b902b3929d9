#pragma once
// What the damage chart window shows and the PDF memo prints, computed once from the
// workspace: the damage curve, the last run's damage per axle row, the sensitivity cases and
// the design alternatives. Both give it to the same plots and table texts, so the window and
// the memo never disagree. Only reads the workspace.

#include <QString>
#include <QStringList>

#include "chart/text_table.h"
#include "model/analysis.h"
#include "model/damage_curve.h"
#include "model/design_alternatives.h"
#include "model/sensitivity.h"
#include "model/units.h"

namespace zan {

class Workspace;
class DamageCurvePlot;
class AxleDamagePlot;
class TornadoPlot;

struct ChartContent {
    // The search's message when the design has no recommended thickness; then only the
    // alternatives are filled (each combination has a search of its own), and the message is
    // shown in place of the charts.
    QString refusal;
    DesignAlternatives alternatives;
    DamageCurve curve;
    AnalysisResults results;  // the last run
    UnitSystem units = UnitSystem::English;
    bool lastTandemRowShown = true;  // the Light category hides tandem row 9
    QStringList listedLoads;         // the twenty loads as the report lists them
    Sensitivity sensitivity;
};

ChartContent chartContent(const Workspace& workspace);

void fillPlots(const ChartContent& content, DamageCurvePlot& damage, AxleDamagePlot& axles,
               TornadoPlot& tornado);

// Input, its value, and the value and recommended thickness at -20 % and at +20 %; a case
// without a thickness holds the search's message.
TextTable sensitivityTable(const Sensitivity& sensitivity);

// Concrete shoulder, doweled joints and the recommended thickness (or the search's message),
// one row per combination; the combination the inputs hold is marked and emphasised.
TextTable alternativesTable(const DesignAlternatives& alternatives);

}  // namespace zan
