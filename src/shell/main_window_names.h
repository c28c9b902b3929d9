#pragma once
// The main window's control and menu names with their captions. These are the program's
// established names, which tests and users rely on: keep them exactly, slips included.

namespace zan::mainWindowNames {

struct MenuItem {
    const char* name;  // the objectName of the item, and of the submenu it opens
    const char* caption;
};

inline constexpr const char* kWindow = "frmMain";
inline constexpr const char* kReportBox = "txtReports";
inline constexpr const char* kStatusBar = "stbStatusTips";  // shown only while a tip is

inline constexpr MenuItem kFile{"File", "&File"};
inline constexpr MenuItem kDefaultOptions{"mnuDefaultOptions", "&Default Options"};
inline constexpr MenuItem kMetricOption{"MetricOption", "&Metric System"};
inline constexpr MenuItem kEnglishOption{"EnglishOption", "&English System"};
inline constexpr const char* kLine0a = "Line0a";
inline constexpr MenuItem kDetailedReportsOption{"DetailedReportsOption", "&Detailed Reports"};
inline constexpr const char* kLine0 = "Line0";
inline constexpr MenuItem kFileLoad{"FileLoad", "&Read Data From File..."};
inline constexpr MenuItem kFileSave{"FileSave", "&Save Input Data..."};
inline constexpr const char* kLine0b = "line0b";
inline constexpr MenuItem kSaveReport{"mnuSaveReport", "S&ave Report..."};
inline constexpr MenuItem kPrintReport{"mnuPrintReport", "&Print Report..."};
inline constexpr MenuItem kExportPdf{"mnuExportPdf", "&Export PDF..."};
inline constexpr const char* kLine1 = "line1";
inline constexpr MenuItem kFileExit{"FileExit", "E&xit"};

inline constexpr MenuItem kEdit{"mnuEdit", "&Edit"};
inline constexpr MenuItem kPavementData{"mnuZANLayer", "&Pavement Data..."};
inline constexpr MenuItem kTrafficData{"mnuZANTraffic", "&Traffic Data..."};
inline constexpr MenuItem kProjectInfo{"mnuProjectInfo", "Project &Information..."};
inline constexpr MenuItem kAxleLoadCategories{"mnuZANAxles", "&Axle Load Cat..."};
inline constexpr MenuItem kLight{"mnuLight", "&Light"};
inline constexpr MenuItem kMedium{"mnuMedium", "&Medium"};
inline constexpr MenuItem kHeavy{"mnuHeavy", "&Heavry"};
inline constexpr MenuItem kVeryHeavy{"mnuVeryHeavy", "&Veray Heavy"};
inline constexpr const char* kLine5 = "line5";
inline constexpr MenuItem kInputAxles{"mnuAxleInput", "&Input Axles"};

inline constexpr MenuItem kPerformAnalysis{"mnuPerformAnalysis", "&Perform Analysis"};
inline constexpr MenuItem kFatigueAnalysis{"mnuFatigueAnalysis", "&Fatigue Analysis"};
inline constexpr MenuItem kErosionAnalysis{"mnuErosionAnalysis", "&Erosion Analysis"};
inline constexpr const char* kLine8 = "line8";
inline constexpr MenuItem kBothAnalysis{"mnuBothAnalysis", "&Both"};
inline constexpr const char* kLine9 = "line9";
inline constexpr MenuItem kDamageChart{"mnuDamageChart", "Damage &Chart..."};

inline constexpr MenuItem kComputeDesignThickness{"mnuComputeDesignThickness",
                                                  "&Compute Design Thickness"};

inline constexpr MenuItem kHelp{"Help", "&Help"};
inline constexpr MenuItem kHelpReadme{"mnuHelpReadme", "&Readme"};
inline constexpr const char* kLine11 = "line11";
inline constexpr MenuItem kHelpGuide{"mnuHelpGuide", "&User Guide"};
inline constexpr MenuItem kHelpAbout{"mnuHelpAbout", "&About"};

// The status bar's notice while the inputs differ from those of the last analysis, and its
// button that runs that analysis again.
inline constexpr const char* kRunNotice = "lblInputsChanged";
inline constexpr const char* kAnalyseAgain = "cmdAnalyseAgain";

}  // namespace zan::mainWindowNames
