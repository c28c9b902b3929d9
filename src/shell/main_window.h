#pragma once
// The main window frmMain: the report box, the menu tree through which every command is
// reached, the unit-system switch, and the closing question. The commands themselves are
// decided by the core (commands/commands.h); each handler here calls one and shows what it
// returns. The views of the workspace (the unit menu, the open input dialogs, the damage
// chart) follow workspaceChanged(), which the window announces after each command or edit
// that changed the workspace.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/input_dialogs.h"
#include "model/expected.h"
#include "model/workspace.h"
#include "shell/about_window.h"
#include "shell/main_window_names.h"
#include "shell/user_guide_window.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace zan {

class Platform;
class DamageChartWindow;
class ProjectDialog;
struct CommandOutcome;
enum class AnalysisKind;
enum class AxleLoadCategory;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return m_workspace; }
    InputDialogs& inputDialogs() { return m_dialogs; }
    QPlainTextEdit* reportBox() const { return m_reportBox; }
    AboutWindow* aboutWindow() const { return m_about; }  // null while closed

    // Null until first opened; closing it only hides it.
    UserGuideWindow* userGuideWindow() const { return m_guide; }

    // Shows the window in the middle of its screen, at its designed size.
    void showCentred();
    // The input data files named when the program was started. The first is read as File >
    // Read Data From File reads it, with its messages but without the box announcing success;
    // once read, the report box shows the report of its inputs. A message names the others,
    // which are ignored. Call it once the window is shown, so the messages have their parent.
    // `bytes`, when given, holds each name as the command line passed it: a name that is not
    // valid UTF-8 has no QString that gives its bytes back, so the file is opened by these.
    void openStartupFiles(const QStringList& paths, const std::vector<std::string>& bytes = {});

  signals:
    // The closing question let the window go: the program ends.
    void closed();
    // The workspace differs from what the views were last told: a command or an edit in an
    // input dialog changed it.
    void workspaceChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Every drag is let in, so that a drop the window refuses can say why.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    enum class SaveResult { Saved, Cancelled, Failed };

    void createMenus();
    void createFileMenu();
    void createEditMenu();
    void createAnalysisMenu();
    void createHelpMenu();
    void createReportBox();
    void setInitialClientSize();
    void layoutReportBox();
    void refreshUnitMenu();
    // The one place that emits workspaceChanged(), when the workspace differs from the one
    // last announced; every command and edit ends here.
    void announceChanges();

    void chooseUnitSystem(UnitSystem units);
    void toggleDetailedReports();
    void readDataFile();
    // After a successful read: the "Loaded!" box, or (at start-up) the report of the inputs.
    enum class AfterRead { AnnounceLoaded, ShowInputsReport };
    // File > Read Data From File once the file is chosen.
    // `bytes`: the name as the file system holds it, when `path` cannot give it back.
    void readDataFileAt(const QString& path, AfterRead after, const std::string& bytes = {});
    void showInputsReportInstead(CommandOutcome& outcome);
    // The one file a drop carries, or nothing when the drop holds anything else.
    void readDroppedFile(const std::optional<QString>& path);
    SaveResult saveInputData();
    SaveResult saveReport();
    // Before the report's tables leave the program: when the inputs have changed since the
    // last analysis, asks whether to run it again first. False when the user cancels or the
    // run again is refused.
    bool tablesMayGoOut();
    // Runs the last analysis again (Both after a thickness search) at the current inputs.
    void analyseAgain();
    // The closing questions: about inputs not saved, then about the report. False keeps the
    // program open.
    bool inputsMayBeLeft();
    bool outputsMayBeLeft();
    void createRunNotice();
    // Shows the notice while the inputs differ from those of the last analysis.
    void refreshRunNotice();
    void openProjectInfo();
    // Makes the file's bytes under the busy pointer and writes them the safe way; a failure of
    // either step is shown. True once written.
    bool saveFile(const QString& path,
                  const std::function<Expected<std::string, std::string>()>& bytesOf);
    void printReport();
    void exportPdf();
    void exitProgram();
    void openPavementData();
    void openTrafficData();
    void applyCategory(AxleLoadCategory category);
    void inputAxles();
    void analyse(AnalysisKind kind);
    void computeDesignThickness();
    void showDamageChart();
    void showAbout();
    void showUserGuide();

    // Busy pointer around `command`; then its report into the box, its changes announced, and
    // its message shown.
    void runCommand(const std::function<CommandOutcome()>& command);
    void showReport(const std::string& report);
    void showFailure(const QString& text);

    QMenu* addMenuBarMenu(const mainWindowNames::MenuItem& item);
    QAction* addItem(QMenu* menu, const mainWindowNames::MenuItem& item);
    QAction* addSeparator(QMenu* menu, const char* name);
    QMenu* addSubmenu(QMenu* parent, const mainWindowNames::MenuItem& item);

    Platform& m_platform;
    Workspace m_workspace;
    Workspace m_announced;  // as workspaceChanged() last announced it
    InputDialogs m_dialogs;
    QPlainTextEdit* m_reportBox = nullptr;
    QAction* m_metricOption = nullptr;
    QAction* m_englishOption = nullptr;
    QAction* m_detailedReportsOption = nullptr;
    QPointer<AboutWindow> m_about;
    QPointer<UserGuideWindow> m_guide;    // only hidden when closed
    QPointer<DamageChartWindow> m_chart;  // null while closed
    QPointer<ProjectDialog> m_projectDialog;
    QWidget* m_runNotice = nullptr;
    // The .DEF file last read or saved, as the user chose it; empty while there is none. The
    // PDF's pages name it.
    QString m_inputFile;
};

}  // namespace zan
