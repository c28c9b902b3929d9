#pragma once
// The main window's control and menu names with their captions and status tips. These are the
// program's established names, which tests and users rely on: keep them exactly, slips
// included.

namespace zan::mainWindowNames {

// Every item carries its status tip, the line on what it does that the status bar shows while
// the pointer rests on it; the constructor takes all three, so no item is made without one.
struct MenuItem {
    constexpr MenuItem(const char* name, const char* caption, const char* tip)
        : name(name), caption(caption), tip(tip) {}

    const char* name;  // the objectName of the item, and of the submenu it opens
    const char* caption;
    const char* tip;  // short enough for the status bar of the window at its first size
};

// The tip of an item that nothing ever shows.
inline constexpr const char* kHidden = "";

inline constexpr const char* kWindow = "frmMain";
inline constexpr const char* kReportBox = "txtReports";
inline constexpr const char* kStatusBar = "stbStatusTips";  // shown only while a tip is

inline constexpr MenuItem kFile{"File", "&File",
                                "Read and save input data, save and print the report, exit."};
inline constexpr MenuItem kDefaultOptions{"mnuDefaultOptions", "&Default Options",
                                          "Choose the unit system, until the first inputs exist."};
inline constexpr MenuItem kMetricOption{"MetricOption", "&Metric System",
                                        "Give every input in cm, kPa/mm, kPa and kN."};
inline constexpr MenuItem kEnglishOption{"EnglishOption", "&English System",
                                         "Give every input in in, psi/in, psi and kips."};
inline constexpr const char* kLine0a = "Line0a";
inline constexpr MenuItem kDetailedReportsOption{"DetailedReportsOption", "&Detailed Reports",
                                                 kHidden};
inline constexpr const char* kLine0 = "Line0";
inline constexpr MenuItem kFileLoad{"FileLoad", "&Read Data From File...",
                                    "Read all inputs and their unit system from a .DEF file."};
inline constexpr MenuItem kFileSave{"FileSave", "&Save Input Data...",
                                    "Write all inputs to a .DEF file."};
inline constexpr const char* kLine0b = "line0b";
inline constexpr MenuItem kSaveReport{
    "mnuSaveReport", "S&ave Report...",
    "Write the report of the inputs and the last analysis to a .PRN file."};
inline constexpr MenuItem kPrintReport{"mnuPrintReport", "&Print Report...",
                                       "Print the report of the inputs and the last analysis."};
inline constexpr MenuItem kExportPdf{"mnuExportPdf", "&Export PDF...",
                                     "Write the report, charts and calculation details to a PDF."};
inline constexpr const char* kLine1 = "line1";
inline constexpr MenuItem kFileExit{"FileExit", "E&xit",
                                    "End the program, after asking whether to save the report."};

inline constexpr MenuItem kEdit{"mnuEdit", "&Edit",
                                "Enter the pavement, traffic and axle-load inputs."};
inline constexpr MenuItem kPavementData{
    "mnuZANLayer", "&Pavement Data...",
    "Slab thickness, subgrade, concrete strength, shoulder, dowels."};
inline constexpr MenuItem kTrafficData{
    "mnuZANTraffic", "&Traffic Data...",
    "Daily traffic, trucks, distributions, growth, period, LSF."};
inline constexpr MenuItem kProjectInfo{
    "mnuProjectInfo", "Project &Information...",
    "Project, client, designer and checker for the file and memo."};
inline constexpr MenuItem kAxleLoadCategories{"mnuZANAxles", "&Axle Load Cat...",
                                              "Fill the axle loads from a built-in spectrum."};
inline constexpr MenuItem kLight{
    "mnuLight", "&Light", "Replace the axle loads by the Light category: residential streets."};
inline constexpr MenuItem kMedium{
    "mnuMedium", "&Medium", "Replace the axle loads by the Medium category: collector streets."};
inline constexpr MenuItem kHeavy{
    "mnuHeavy", "&Heavry", "Replace the axle loads by the Heavy category: arterials, highways."};
inline constexpr MenuItem kVeryHeavy{
    "mnuVeryHeavy", "&Veray Heavy",
    "Replace the axle loads by the Very Heavy category: heavy trucks."};
inline constexpr const char* kLine5 = "line5";
inline constexpr MenuItem kInputAxles{
    "mnuAxleInput", "&Input Axles",
    "Replace the axle loads by the standard spectrum, to type over."};

inline constexpr MenuItem kPerformAnalysis{"mnuPerformAnalysis", "&Perform Analysis",
                                           "Analyse the trial thickness, or chart the damage."};
inline constexpr MenuItem kFatigueAnalysis{"mnuFatigueAnalysis", "&Fatigue Analysis",
                                           "Analyse the fatigue damage of the trial thickness."};
inline constexpr MenuItem kErosionAnalysis{"mnuErosionAnalysis", "&Erosion Analysis",
                                           "Analyse the erosion damage of the trial thickness."};
inline constexpr const char* kLine8 = "line8";
inline constexpr MenuItem kBothAnalysis{
    "mnuBothAnalysis", "&Both", "Analyse the fatigue and erosion damage of the trial thickness."};
inline constexpr const char* kLine9 = "line9";
inline constexpr MenuItem kDamageChart{
    "mnuDamageChart", "Damage &Chart...",
    "Chart damage against thickness, per axle row, and sensitivity."};

inline constexpr MenuItem kComputeDesignThickness{
    "mnuComputeDesignThickness", "&Compute Design Thickness",
    "Find the thinnest slab with both damages below 100 %."};

inline constexpr MenuItem kHelp{"Help", "&Help", "Open the user guide or the About window."};
inline constexpr MenuItem kHelpReadme{"mnuHelpReadme", "&Readme", kHidden};
inline constexpr const char* kLine11 = "line11";
inline constexpr MenuItem kHelpGuide{"mnuHelpGuide", "&User Guide",
                                     "Open the user guide: inputs, commands, report, messages."};
inline constexpr MenuItem kHelpAbout{"mnuHelpAbout", "&About",
                                     "Show the program's title and credits."};

// The status bar's notice while the inputs differ from those of the last analysis, and its
// button that runs that analysis again.
inline constexpr const char* kRunNotice = "lblInputsChanged";
inline constexpr const char* kAnalyseAgain = "cmdAnalyseAgain";

}  // namespace zan::mainWindowNames
