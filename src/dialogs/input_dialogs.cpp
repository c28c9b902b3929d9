// Placeholder until the dialogs are built: the main window links against this interface.
#include "input_dialogs.h"

#include <QDialog>

namespace zan {

class PavementDialog : public QDialog {};
class TrafficDialog : public QDialog {};
class AxleLoadDialog : public QDialog {};

InputDialogs::InputDialogs(Workspace& workspace, Platform& platform, QWidget* mainWindow)
    : m_workspace(workspace), m_platform(platform), m_mainWindow(mainWindow) {}

InputDialogs::~InputDialogs() = default;

void InputDialogs::openPavementDialog() {}
void InputDialogs::openTrafficDialog() {}
void InputDialogs::openAxleLoadDialog() {}
void InputDialogs::refreshFromWorkspace() {}

QDialog* InputDialogs::pavementDialog() const { return m_pavement.get(); }
QDialog* InputDialogs::trafficDialog() const { return m_traffic.get(); }
QDialog* InputDialogs::axleLoadDialog() const { return m_axles.get(); }

}  // namespace zan
