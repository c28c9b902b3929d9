// zan-design: the desktop program. The main window is the whole program; closing it ends the
// run once its closing question lets it go.

#include <QApplication>

#include "platform/qt_platform.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZAN Thickness Design"));
    // An open input dialog must not keep the program alive after the main window let go.
    QApplication::setQuitOnLastWindowClosed(false);

    zan::QtPlatform platform;
    zan::MainWindow window(platform);
    QObject::connect(&window, &zan::MainWindow::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
