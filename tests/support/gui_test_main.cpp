// main() of every GUI test binary: an offscreen QApplication and a watchdog that fails the
// run instead of hanging it when a real modal window opens by mistake.

#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    // Only the fake Platform may answer modal questions. A real modal box means a code path
    // bypassed it: report and stop rather than wait forever.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &app, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "A real modal window opened: %s\n",
                         qPrintable(modal->windowTitle()));
            std::_Exit(3);
        }
    });
    watchdog.start(50);
    return RUN_ALL_TESTS();
}
