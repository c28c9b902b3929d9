#pragma once
// How the damage chart window and the PDF memo show a run's content (model/run.h): the same
// plots and the same table texts, so the window and the memo never disagree. Both only format
// what the run computed once.

#include <QString>

#include "chart/text_table.h"
#include "model/design_alternatives.h"
#include "model/sensitivity.h"

namespace zan {

class Run;
class DamageCurvePlot;
class AxleDamagePlot;
class TornadoPlot;

// "Inputs changed after this analysis (2026-12-09 14:03)": the mark of a document written
// from a run whose inputs have changed since, with the run's own time.
QString inputsChangedMark(const Run& run);

// The search's message when the run's design has no recommended thickness, shown in place of
// the charts; empty when there is one.
QString chartRefusal(const Run& run);

void fillPlots(const Run& run, DamageCurvePlot& damage, AxleDamagePlot& axles,
               TornadoPlot& tornado);

// Input, its value, and the value and recommended thickness at -20 % and at +20 %; a case
// without a thickness holds the search's message.
TextTable sensitivityTable(const Sensitivity& sensitivity);

// Concrete shoulder, doweled joints and the recommended thickness (or the search's message),
// one row per combination; the combination the inputs hold is marked and emphasised.
TextTable alternativesTable(const DesignAlternatives& alternatives);

}  // namespace zan
