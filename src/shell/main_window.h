#pragma once
// The main window frmMain: the report box, the menu tree through which every command is
// reached, the unit-system switch, and the closing question. The commands themselves are
// decided by the core (commands/commands.h); each handler here calls one, shows what it returns and
// brings the unit menu back in line with the workspace.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "dialogs/input_dialogs.h"
#include "model/workspace.h"
#include "shell/about_window.h"
#include "shell/main_window_names.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace zan {

class Platform;
class DamageChartWindow;
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

  signals:
    // The closing question let the window go: the program ends.
    void closed();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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

    void chooseUnitSystem(UnitSystem units);
    void toggleDetailedReports();
    void readDataFile();
    void saveInputData();
    SaveResult saveReport();
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
    // The chart follows the inputs and the results; it reads them again after each command.
    void refreshDamageChart();
    void showAbout();

    // Busy pointer around `command`; then its report into the box, the dialogs and the unit
    // menu brought up to date, and its message shown.
    void runCommand(const std::function<CommandOutcome()>& command, bool changesInputs);
    void showReport(const std::string& report);
    void showFailure(const QString& text);

    QMenu* addMenuBarMenu(const mainWindowNames::MenuItem& item);
    QAction* addItem(QMenu* menu, const mainWindowNames::MenuItem& item);
    QAction* addSeparator(QMenu* menu, const char* name);
    QMenu* addSubmenu(QMenu* parent, const mainWindowNames::MenuItem& item);

    Platform& m_platform;
    Workspace m_workspace;
    InputDialogs m_dialogs;
    QPlainTextEdit* m_reportBox = nullptr;
    QAction* m_metricOption = nullptr;
    QAction* m_englishOption = nullptr;
    QAction* m_detailedReportsOption = nullptr;
    QPointer<AboutWindow> m_about;
    QPointer<DamageChartWindow> m_chart;  // null while closed
    // The .DEF file last read or saved, as the user chose it; empty while there is none. The
    // PDF's pages name it.
    QString m_inputFile;
};

}  // namespace zan
