#include "input_dialogs.h"

#include "axle_load_dialog.h"
#include "pavement_dialog.h"
#include "platform/platform.h"
#include "traffic_dialog.h"

namespace zan {

InputDialogs::InputDialogs(Workspace& workspace, Platform& platform, QWidget* mainWindow)
    : m_workspace(workspace), m_platform(platform), m_mainWindow(mainWindow) {}

InputDialogs::~InputDialogs() = default;

namespace {
// Builds the dialog on first use, shows the workspace's current texts and brings it up in
// the middle of the screen.
template <typename Dialog>
void open(std::unique_ptr<Dialog>& dialog, Workspace& workspace, Platform& platform,
          QWidget* mainWindow, const std::function<void()>& inputsEdited) {
    BusyPointer busy(platform);
    if (!dialog) {
        dialog = std::make_unique<Dialog>(workspace, platform, mainWindow);
        QObject::connect(dialog.get(), &InputDialog::inputsEdited, dialog.get(), [&inputsEdited] {
            if (inputsEdited)
                inputsEdited();
        });
    }
    dialog->refresh();
    dialog->showCentred();
}
}  // namespace

void InputDialogs::openPavementDialog() {
    open(m_pavement, m_workspace, m_platform, m_mainWindow, m_inputsEdited);
}

void InputDialogs::openTrafficDialog() {
    open(m_traffic, m_workspace, m_platform, m_mainWindow, m_inputsEdited);
}

void InputDialogs::openAxleLoadDialog() {
    open(m_axles, m_workspace, m_platform, m_mainWindow, m_inputsEdited);
}

void InputDialogs::refreshFromWorkspace() {
    if (m_pavement)
        m_pavement->refresh();
    if (m_traffic)
        m_traffic->refresh();
    if (m_axles)
        m_axles->refresh();
}

QDialog* InputDialogs::pavementDialog() const {
    return m_pavement.get();
}
QDialog* InputDialogs::trafficDialog() const {
    return m_traffic.get();
}
QDialog* InputDialogs::axleLoadDialog() const {
    return m_axles.get();
}

}  // namespace zan
