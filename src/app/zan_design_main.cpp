// zan-design: the desktop program. The main window is the whole program; closing it ends the
// run once its closing question lets it go. An input data file named on the command line is
// read once the window is shown.

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <optional>

#include "commands/commands.h"
#include "platform/qt_platform.h"
#include "shell/main_window.h"

namespace {

// Wrong usage, as zan-report reports it.
constexpr int kExitWrongUsage = 2;

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};

    CommandLine() {
        // One dash starts a whole word, as in Qt's own options: -reverse and -stylesheet
        // must not read as -r -e -v ... (--version) or -s -t -y ... -h (--help).
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QStringLiteral("Slab thickness design of jointed plain concrete pavements."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(
            QStringLiteral("FILE.DEF"),
            QStringLiteral("An input data file to read at start-up, as File > Read Data From "
                           "File reads it."),
            QStringLiteral("[FILE.DEF]"));
    }
};

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// --help and --version are answered without a window, so they work where no display is, as
// over a remote shell. The options Qt itself takes (-platform, -style, ...) are still in the
// arguments here and count as unknown; they do not matter for these two, and QApplication
// takes them out before the arguments are parsed again.
std::optional<int> answerWithoutWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine;
    commandLine.parser.parse(arguments);
    if (commandLine.parser.isSet(commandLine.help)) {
        // The usage line names the program as it was started.
        QCoreApplication application(argc, argv);
        print(stdout, commandLine.parser.helpText());
        return 0;
    }
    if (commandLine.parser.isSet(commandLine.version)) {
        print(stdout, QStringLiteral("zan-design (ZAN Thickness Design) " ZAN_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("ZAN Thickness Design"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZAN_VERSION));
    if (const std::optional<int> status = answerWithoutWindow(argc, argv))
        return *status;

    QApplication app(argc, argv);
    // Logging out or a kill ends the program; a save under way leaves no temporary file.
    zan::removeTemporaryOnSignals();
    // An open input dialog must not keep the program alive after the main window let go.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt has taken its own options out of the arguments by now.
    CommandLine commandLine;
    if (!commandLine.parser.parse(QApplication::arguments())) {
        print(stderr, QStringLiteral("zan-design: %1\nTry 'zan-design --help' for more "
                                     "information.\n")
                          .arg(commandLine.parser.errorText()));
        return kExitWrongUsage;
    }
    const QStringList files = commandLine.parser.positionalArguments();

    zan::QtPlatform platform;
    zan::MainWindow window(platform);
    QObject::connect(&window, &zan::MainWindow::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.showCentred();
    // Read from the event loop, once the window is on the screen to parent the messages.
    QTimer::singleShot(0, &window, [&window, files] { window.openStartupFiles(files); });
    return QApplication::exec();
}
