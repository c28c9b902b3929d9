#pragma once
// Window helpers shared by the GUI tests.

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace zan::test {

// Makes `window` the application's active window and delivers the activation events.
// (qWaitForWindowActive is no help here: a dialog shares its parent's active state.)
inline void activate(QWidget* window) {
    window->activateWindow();
    for (int i = 0; i < 1000 && QApplication::activeWindow() != window; ++i)
        QTest::qWait(5);
    ASSERT_EQ(QApplication::activeWindow(), window);
}

}  // namespace zan::test
