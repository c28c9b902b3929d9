#pragma once
// The workspace: everything one run of the program knows.
//
// How a command flows, from a menu click to the report box:
//
//   menu click (shell) --> core command (commands/commands.h: analyse, design thickness,
//        |                 read file, save input data, save or print the report)
//        |                      |
//        |                      +--> workspace.createInputSections(): the one step that
//        |                      |    creates the sections the command works on (and so
//        |                      |    locks the unit choice)
//        |                      +--> runDamageAnalysis (model/analysis.h) reads the input
//        |                      |    texts of this Workspace, parses them with parseNumber,
//        |                      |    converts Metric values to model units and evaluates the
//        |                      |    pavement models row by row into a fresh AnalysisResults
//        |                      +--> writeReport (io/report.h) lays the report out from the
//        |                      |    inputs and the new results
//        |                      +--> only when both succeed, the results are committed here
//        |                           with a Run (model/run.h): the inputs as read, the
//        |                           results, the report, and later what the documents derive
//        v
//   the shell shows the returned report text and message through its Platform services.
//   Every document (saved or printed report, memo, chart window) is written from the run.
//
// The inputs are kept as texts exactly as typed or loaded, in three sections (pavement,
// traffic, axle loads). Reading never changes the workspace: every reader (the analysis, the
// thickness search, the report and .DEF writers, the damage chart) takes a const Workspace,
// and a section that does not exist yet reads as the initial texts of the unit system in
// force, exactly what creating it now would give. A section comes into being in one of two
// ways, both with those initial texts:
//   - createInputSections(), which every command that works on the inputs calls first
//     (analysis, design thickness, read file, save input data, save and print report);
//   - ensurePavement(), ensureTraffic(), ensureAxles(), which return the section for editing,
//     as a dialog does from the moment it is built and as an axle-load category does.
// The plain accessors only read, on a const and a non-const workspace alike.
// Creating the pavement or the axle-load section locks the unit choice, because their texts
// are in that unit system. Every reader parses the current texts when it needs them; no
// parsed copy is kept.
//
// All texts are UTF-8 (model/text_encoding.h: the files they come from and go to are
// Windows-1252, converted where they are read and written).

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis.h"
#include "catalogue.h"
#include "units.h"

namespace zan {

// Captions that never change. They are stored in the workspace and printed in the report as
// they are, in English; a window or the memo shows them through the catalogue (shown()).
namespace caption {
inline constexpr const char* kContext = "Inputs";
inline constexpr const char* kShoulderFrame = ZAN_TRANSLATE_NOOP("Inputs", "Concrete Shoulder");
inline constexpr const char* kDowelFrame = ZAN_TRANSLATE_NOOP("Inputs", "Doweled Joints");
inline constexpr const char* kYes = ZAN_TRANSLATE_NOOP("Inputs", "Yes");
inline constexpr const char* kNo = ZAN_TRANSLATE_NOOP("Inputs", "No");
inline constexpr const char* kAverageDailyTraffic =
    ZAN_TRANSLATE_NOOP("Inputs", "Average Daily Traffic, ADT");
inline constexpr const char* kTruckPercent = ZAN_TRANSLATE_NOOP("Inputs", "Proportion of Trucks,%");
inline constexpr const char* kGrowthPercent = ZAN_TRANSLATE_NOOP("Inputs", "Annual Growth Rate, %");
inline constexpr const char* kDirectionPercent =
    ZAN_TRANSLATE_NOOP("Inputs", "Direction Distribution,%");
inline constexpr const char* kLanePercent = ZAN_TRANSLATE_NOOP("Inputs", "Lane Distribution,%");
inline constexpr const char* kDesignPeriod = ZAN_TRANSLATE_NOOP("Inputs", "Design Period, Years");
inline constexpr const char* kLoadSafetyFactor =
    ZAN_TRANSLATE_NOOP("Inputs", "Load Safety Factor, LSF");
inline constexpr const char* kSingle = ZAN_TRANSLATE_NOOP("Inputs", "Single");
inline constexpr const char* kTandem = ZAN_TRANSLATE_NOOP("Inputs", "Tandem");
inline constexpr const char* kAxlesPer1000 = ZAN_TRANSLATE_NOOP("Inputs", "Axle/1000");

const char* thickness(UnitSystem units);
// The pavement dialog writes a small k; the captions set after a data file was read write a
// capital K. The report prints whichever is current.
const char* subgradeModulus(UnitSystem units, bool capitalK);
const char* modulusOfRupture(UnitSystem units);
const char* axleLoadHeading(UnitSystem units);

// A caption of this namespace, or one the workspace stores, in the language in force.
std::string shown(std::string_view caption);
}  // namespace caption

struct PavementInputs {
    std::string thickness;          // h, in or cm
    std::string subgradeModulus;    // k, psi/in or kPa/mm
    std::string modulusOfRupture;   // Sc, psi or kPa
    bool concreteShoulder = false;  // the Yes button of the shoulder pair is selected
    bool doweledJoints = true;      // the Yes button of the dowel pair is selected

    std::string thicknessCaption;
    std::string subgradeModulusCaption;
    std::string modulusOfRuptureCaption;

    bool operator==(const PavementInputs&) const = default;
};

struct TrafficInputs {
    std::string averageDailyTraffic;  // vehicles/day
    std::string truckPercent;         // % of ADT
    std::string growthPercent;        // % per year
    std::string directionPercent;     // %
    std::string lanePercent;          // %
    std::string loadSafetyFactor;
    std::string designPeriod;  // years

    bool operator==(const TrafficInputs&) const = default;
};

struct AxleRowTexts {
    std::string singleLoad;   // kips or kN
    std::string singleCount;  // axles per 1000 trucks
    std::string tandemLoad;   // kips or kN
    std::string tandemCount;  // axles per 1000 trucks

    bool operator==(const AxleRowTexts&) const = default;
};

struct AxleInputs {
    std::array<AxleRowTexts, kAxleRows> rows;  // row 0 holds the heaviest loads
    std::string loadHeading;                   // over both load columns
    bool lastTandemRowShown = true;            // the Light category hides tandem row 9

    bool operator==(const AxleInputs&) const = default;
};

// Who and what the design is for, one line each; the .DEF keeps it after its end marker.
struct ProjectInfo {
    std::string project;
    std::string location;
    std::string client;
    std::string designer;
    std::string checker;
    std::string revision;
    std::string notes;
    // Lines of a file's project information that the program does not read (another
    // version's keys, a repeated key, text that is no "Key: text"), as they stood: they are
    // written back after the known keys, so that saving loses none of them.
    std::vector<std::string> otherLines = {};

    bool empty() const;
    bool operator==(const ProjectInfo&) const = default;
};

// The line that starts the project information in the file.
inline constexpr std::string_view kProjectMarker = "***Project***";

// Everything the user enters, as one value: two snapshots are equal exactly when the inputs
// are, so an edit that is undone counts as no change.
struct InputSnapshot {
    UnitSystem units = UnitSystem::English;
    PavementInputs pavement;
    TrafficInputs traffic;
    AxleInputs axles;
    ProjectInfo project;

    bool operator==(const InputSnapshot&) const = default;
};

// Which command produced the committed results.
enum class RunKind { None, Fatigue, Erosion, Both, DesignSearch };

class Run;

// The texts a section holds when it is created.
PavementInputs initialPavementInputs(UnitSystem units);
TrafficInputs initialTrafficInputs();
AxleInputs initialAxleInputs(UnitSystem units);

class Workspace {
  public:
    Workspace() = default;

    UnitSystem unitSystem() const { return m_units; }
    bool unitChoiceLocked() const { return m_unitChoiceLocked; }

    // The unit menu: allowed only while the choice is not locked; converts nothing.
    // Returns false, changing nothing, when locked.
    bool chooseUnitSystem(UnitSystem units);
    void lockUnitChoice() { m_unitChoiceLocked = true; }

    // Reading a data file sets the unit system whatever the lock, and switches the unit
    // captions of the pavement and axle-load sections (creating them if needed).
    void setUnitSystemFromFile(UnitSystem units);
    void applyUnitCaptions(UnitSystem units);

    // A section as it reads now: the section itself, or, while it does not exist, the
    // initial texts of the unit system in force. Changes nothing. A reference to the initial
    // texts stays what it is when the section is created later or the units change.
    const PavementInputs& pavement() const;
    const TrafficInputs& traffic() const;
    const AxleInputs& axles() const;

    // The section for editing, created first when it does not exist yet (which locks the
    // unit choice for pavement and axles).
    PavementInputs& ensurePavement();
    TrafficInputs& ensureTraffic();
    AxleInputs& ensureAxles();

    // Creates every input section that does not exist yet, with the initial texts of the unit
    // system in force, and so locks the unit choice. The commands call it before they read or
    // write the inputs; sections that exist are left as they are.
    void createInputSections();
    bool hasPavement() const { return m_pavement.has_value(); }
    bool hasTraffic() const { return m_traffic.has_value(); }
    bool hasAxles() const { return m_axles.has_value(); }

    const AnalysisResults& results() const { return m_results; }
    void commitResults(const AnalysisResults& results) { m_results = results; }

    const ProjectInfo& project() const { return m_project; }
    void setProject(const ProjectInfo& project) { m_project = project; }

    // The inputs as they read now (a section not yet created reads as its initial texts).
    InputSnapshot inputSnapshot() const;

    // The commands keep each run they finish (model/run.h): its results become the
    // workspace's, and every document is written from it. Null before the first run.
    void commitRun(std::shared_ptr<const Run> run);
    const std::shared_ptr<const Run>& lastRun() const { return m_run; }
    RunKind lastRunKind() const;
    // True when there is a run and the inputs now differ from those it read.
    bool inputsChangedSinceRun() const;
    // A copy that keeps no run: what a run keeps of the inputs it read.
    Workspace withoutRun() const;

    // The inputs as last read from or saved to a file; before either, the initial design.
    void markInputsSaved() { m_savedInputs = inputSnapshot(); }
    bool inputsChangedSinceSaved() const;

    // The hidden "Detailed Reports" option; nothing in the menus shows it.
    bool detailedReports() const { return m_detailedReports; }
    void setDetailedReports(bool on) { m_detailedReports = on; }

    // Two runs count as the same when they read the same inputs with the same command and
    // wrote the same report, whenever they ran: running a command again on unchanged inputs
    // changes nothing a view shows.
    bool operator==(const Workspace& other) const;

  private:
    UnitSystem m_units = UnitSystem::English;
    bool m_unitChoiceLocked = false;
    std::optional<PavementInputs> m_pavement;
    std::optional<TrafficInputs> m_traffic;
    std::optional<AxleInputs> m_axles;
    AnalysisResults m_results;
    bool m_detailedReports = false;
    ProjectInfo m_project;
    std::shared_ptr<const Run> m_run;
    std::optional<InputSnapshot> m_savedInputs;
};

}  // namespace zan
