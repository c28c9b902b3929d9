#pragma once
// The three modeless input dialogs as the main window sees them. Each dialog is built the
// first time it is opened, from its workspace section (which an analysis, a file read or a
// category may already have created); afterwards it is only hidden and shown again.
// Keystrokes go straight into the workspace, so a command always reads what is typed.

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace zan {

class Workspace;
class Platform;
class PavementDialog;
class TrafficDialog;
class AxleLoadDialog;

class InputDialogs {
  public:
    InputDialogs(Workspace& workspace, Platform& platform, QWidget* mainWindow);
    ~InputDialogs();
    InputDialogs(const InputDialogs&) = delete;
    InputDialogs& operator=(const InputDialogs&) = delete;

    // Edit > Pavement Data... / Traffic Data...: centre on the screen, show modeless, raise.
    void openPavementDialog();
    void openTrafficDialog();
    // The axle-load dialog has no menu item of its own: the category commands show it.
    void openAxleLoadDialog();

    // A command changed the workspace (file read, category, thickness search): every dialog
    // that exists shows the workspace's texts again.
    void refreshFromWorkspace();

    // Called whenever the user changes an input in any dialog (not when a command refreshes
    // them), so views derived from the inputs can follow the typing.
    void setInputsEditedHandler(std::function<void()> handler) {
        m_inputsEdited = std::move(handler);
    }

    // Null until first opened.
    QDialog* pavementDialog() const;
    QDialog* trafficDialog() const;
    QDialog* axleLoadDialog() const;

  private:
    Workspace& m_workspace;
    Platform& m_platform;
    QWidget* m_mainWindow;
    std::unique_ptr<PavementDialog> m_pavement;
    std::unique_ptr<TrafficDialog> m_traffic;
    std::unique_ptr<AxleLoadDialog> m_axles;
    std::function<void()> m_inputsEdited;
};

}  // namespace zan
