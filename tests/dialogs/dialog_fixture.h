#pragma once
// A workspace, the scripted platform, a stand-in main window and the dialogs, with helpers
// that type and click the way a user does.

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/input_dialogs.h"
#include "model/workspace.h"
#include "support/fake_platform.h"
#include "support/windows.h"

namespace zan::test {

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mainWindow.resize(300, 200);
        mainWindow.show();
        activate(&mainWindow);
    }

    template <typename W = QLineEdit>
    W* child(QDialog* dialog, const std::string& name) {
        W* widget = dialog->findChild<W*>(QString::fromStdString(name));
        // Fails the test cleanly instead of crashing on a missing control.
        if (!widget)
            throw std::runtime_error("no control named " + name);
        return widget;
    }

    std::string text(QDialog* dialog, const std::string& name) {
        return child(dialog, name)->text().toStdString();
    }

    // Replaces the field's text by keystrokes, as the user would.
    void type(QDialog* dialog, const std::string& name, const std::string& typed) {
        QLineEdit* edit = child(dialog, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromStdString(typed));
    }

    void click(QDialog* dialog, const std::string& button) {
        QTest::mouseClick(child<QAbstractButton>(dialog, button), Qt::LeftButton);
    }

    // The dialog as the user sees it after Edit > ... : open and active.
    QDialog* openPavement() {
        return opened(&InputDialogs::openPavementDialog, &InputDialogs::pavementDialog);
    }
    QDialog* openTraffic() {
        return opened(&InputDialogs::openTrafficDialog, &InputDialogs::trafficDialog);
    }
    QDialog* openAxles() {
        return opened(&InputDialogs::openAxleLoadDialog, &InputDialogs::axleLoadDialog);
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : platform.messages)
            texts.push_back(m.text);
        return texts;
    }

    Workspace workspace;
    FakePlatform platform;
    QWidget mainWindow;
    InputDialogs dialogs{workspace, platform, &mainWindow};

  private:
    QDialog* opened(void (InputDialogs::*open)(), QDialog* (InputDialogs::*get)() const) {
        // The commands come from the main window's menu, so it is the active window. (The
        // offscreen platform also activates nothing after the active window was hidden.)
        activate(&mainWindow);
        (dialogs.*open)();
        QDialog* dialog = (dialogs.*get)();
        activate(dialog);
        return dialog;
    }
};

}  // namespace zan::test
