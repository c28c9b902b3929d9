#pragma once
// The main window's control and menu names with their captions and status tips. These are the
// program's established names, which tests and users rely on: keep them exactly, slips
// included.

#include <QtGlobal>

#include "model/axle_spectra.h"

namespace zan::mainWindowNames {

// Every item carries its status tip, the line on what it does that the status bar shows while
// the pointer rests on it; the constructor takes all three, so no item is made without one.
struct MenuItem {
    constexpr MenuItem(const char* name, const char* caption, const char* tip,
                       const char* captionContext = "zan::MainWindow")
        : name(name), caption(caption), tip(tip), captionContext(captionContext) {}

    const char* name;  // the objectName of the item, and of the submenu it opens
    const char* caption;
    const char* tip;             // short enough for the status bar of the window at its first size
    const char* captionContext;  // the core's, for a caption the web page shows too
};

// The tip of an item that nothing ever shows.
inline constexpr const char* kHidden = "";

inline constexpr const char* kWindow = "frmMain";
inline constexpr const char* kReportBox = "txtReports";
inline constexpr const char* kStatusBar = "stbStatusTips";  // shown only while a tip is

inline constexpr MenuItem kFile{
    "File", QT_TRANSLATE_NOOP("zan::MainWindow", "&File"),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Read and save input data, save and print the report, exit.")};
inline constexpr MenuItem kDefaultOptions{
    "mnuDefaultOptions", QT_TRANSLATE_NOOP("zan::MainWindow", "&Default Options"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Choose the unit system, until the first inputs exist.")};
inline constexpr MenuItem kMetricOption{
    "MetricOption", QT_TRANSLATE_NOOP("zan::MainWindow", "&Metric System"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Give every input in cm, kPa/mm, kPa and kN.")};
inline constexpr MenuItem kEnglishOption{
    "EnglishOption", QT_TRANSLATE_NOOP("zan::MainWindow", "&English System"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Give every input in in, psi/in, psi and kips.")};
inline constexpr const char* kLine0a = "Line0a";
inline constexpr MenuItem kDetailedReportsOption{
    "DetailedReportsOption", QT_TRANSLATE_NOOP("zan::MainWindow", "&Detailed Reports"), kHidden};
inline constexpr const char* kLine0 = "Line0";
inline constexpr MenuItem kFileLoad{
    "FileLoad", QT_TRANSLATE_NOOP("zan::MainWindow", "&Read Data From File..."),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Read all inputs and their unit system from a .DEF file.")};
inline constexpr MenuItem kFileSave{
    "FileSave", QT_TRANSLATE_NOOP("zan::MainWindow", "&Save Input Data..."),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Write all inputs to a .DEF file.")};
inline constexpr const char* kLine0b = "line0b";
inline constexpr MenuItem kSaveReport{
    "mnuSaveReport", QT_TRANSLATE_NOOP("zan::MainWindow", "S&ave Report..."),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Write the report of the inputs and the last analysis to a .PRN file.")};
inline constexpr MenuItem kPrintReport{
    "mnuPrintReport", QT_TRANSLATE_NOOP("zan::MainWindow", "&Print Report..."),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Print the report of the inputs and the last analysis.")};
inline constexpr MenuItem kExportPdf{
    "mnuExportPdf", QT_TRANSLATE_NOOP("zan::MainWindow", "&Export PDF..."),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Write the report, charts and calculation details to a PDF.")};
inline constexpr const char* kLine1 = "line1";
inline constexpr MenuItem kFileExit{
    "FileExit", QT_TRANSLATE_NOOP("zan::MainWindow", "E&xit"),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "End the program, after asking whether to save the report.")};

inline constexpr MenuItem kEdit{
    "mnuEdit", QT_TRANSLATE_NOOP("zan::MainWindow", "&Edit"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Enter the pavement, traffic and axle-load inputs.")};
inline constexpr MenuItem kPavementData{
    "mnuZANLayer", QT_TRANSLATE_NOOP("zan::MainWindow", "&Pavement Data..."),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Slab thickness, subgrade, concrete strength, shoulder, dowels.")};
inline constexpr MenuItem kTrafficData{
    "mnuZANTraffic", QT_TRANSLATE_NOOP("zan::MainWindow", "&Traffic Data..."),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Daily traffic, trucks, distributions, growth, period, LSF.")};
inline constexpr MenuItem kProjectInfo{
    "mnuProjectInfo", QT_TRANSLATE_NOOP("zan::MainWindow", "Project &Information..."),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Project, client, designer and checker for the file and memo.")};
inline constexpr MenuItem kAxleLoadCategories{
    "mnuZANAxles", QT_TRANSLATE_NOOP("zan::MainWindow", "&Axle Load Cat..."),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Fill the axle loads from a built-in spectrum.")};
inline constexpr MenuItem kLight{
    "mnuLight", kCategoryCommands[0],
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Replace the axle loads by the Light category: residential streets."),
    kCategoryCommandContext};
inline constexpr MenuItem kMedium{
    "mnuMedium", kCategoryCommands[1],
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Replace the axle loads by the Medium category: collector streets."),
    kCategoryCommandContext};
inline constexpr MenuItem kHeavy{
    "mnuHeavy", kCategoryCommands[2],
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Replace the axle loads by the Heavy category: arterials, highways."),
    kCategoryCommandContext};
inline constexpr MenuItem kVeryHeavy{
    "mnuVeryHeavy", kCategoryCommands[3],
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Replace the axle loads by the Very Heavy category: heavy trucks."),
    kCategoryCommandContext};
inline constexpr const char* kLine5 = "line5";
inline constexpr MenuItem kInputAxles{
    "mnuAxleInput", kInputAxlesCommand,
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Replace the axle loads by the standard spectrum, to type over."),
    kCategoryCommandContext};

inline constexpr MenuItem kPerformAnalysis{
    "mnuPerformAnalysis", QT_TRANSLATE_NOOP("zan::MainWindow", "&Perform Analysis"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Analyse the trial thickness, or chart the damage.")};
inline constexpr MenuItem kFatigueAnalysis{
    "mnuFatigueAnalysis", QT_TRANSLATE_NOOP("zan::MainWindow", "&Fatigue Analysis"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Analyse the fatigue damage of the trial thickness.")};
inline constexpr MenuItem kErosionAnalysis{
    "mnuErosionAnalysis", QT_TRANSLATE_NOOP("zan::MainWindow", "&Erosion Analysis"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Analyse the erosion damage of the trial thickness.")};
inline constexpr const char* kLine8 = "line8";
inline constexpr MenuItem kBothAnalysis{
    "mnuBothAnalysis", QT_TRANSLATE_NOOP("zan::MainWindow", "&Both"),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Analyse the fatigue and erosion damage of the trial thickness.")};
inline constexpr const char* kLine9 = "line9";
inline constexpr MenuItem kDamageChart{
    "mnuDamageChart", QT_TRANSLATE_NOOP("zan::MainWindow", "Damage &Chart..."),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Chart damage against thickness, per axle row, and sensitivity.")};

inline constexpr MenuItem kComputeDesignThickness{
    "mnuComputeDesignThickness", QT_TRANSLATE_NOOP("zan::MainWindow", "&Compute Design Thickness"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Find the thinnest slab with both damages below 100 %.")};

inline constexpr MenuItem kHelp{
    "Help", QT_TRANSLATE_NOOP("zan::MainWindow", "&Help"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Open the user guide or the About window.")};
inline constexpr MenuItem kHelpReadme{"mnuHelpReadme",
                                      QT_TRANSLATE_NOOP("zan::MainWindow", "&Readme"), kHidden};
inline constexpr const char* kLine11 = "line11";
inline constexpr MenuItem kHelpGuide{
    "mnuHelpGuide", QT_TRANSLATE_NOOP("zan::MainWindow", "&User Guide"),
    QT_TRANSLATE_NOOP("zan::MainWindow",
                      "Open the user guide: inputs, commands, report, messages.")};
inline constexpr MenuItem kHelpAbout{
    "mnuHelpAbout", QT_TRANSLATE_NOOP("zan::MainWindow", "&About"),
    QT_TRANSLATE_NOOP("zan::MainWindow", "Show the program's title and credits.")};

// The status bar's notice while the inputs differ from those of the last analysis, and its
// button that runs that analysis again.
inline constexpr const char* kRunNotice = "lblInputsChanged";
inline constexpr const char* kAnalyseAgain = "cmdAnalyseAgain";

}  // namespace zan::mainWindowNames
