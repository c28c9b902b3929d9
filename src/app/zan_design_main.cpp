// zan-design: the desktop program. The main window is the whole program; closing it ends the
// run once its closing question lets it go. An input data file named on the command line is
// read once the window is shown. With --export-pdf the program writes the design memo of a
// file and ends, without a window.

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/pdf_report.h"
#include "commands/commands.h"
#include "io/csv.h"
#include "model/catalogue.h"
#include "model/workspace.h"
#include "pdf/memo_file.h"
#include "platform/core_text.h"
#include "platform/qt_platform.h"
#include "shell/language.h"
#include "shell/main_window.h"

namespace {

// Wrong usage and an output not written, as zan-report reports them.
constexpr int kExitWrongUsage = 2;
constexpr int kExitOutputNotWritten = 7;

QStringList languageCodes() {
    QStringList codes;
    for (const zan::catalogue::Language& l : zan::catalogue::languages())
        codes << QString::fromLatin1(l.code.data(), static_cast<qsizetype>(l.code.size()));
    return codes;
}

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};
    QCommandLineOption exportPdf{
        QStringLiteral("export-pdf"),
        QStringLiteral("Write the design memo of FILE.DEF to OUT.pdf, as File > Export PDF "
                       "writes it after Perform Analysis > Both at the file's trial thickness, "
                       "and exit; no display is needed. Exit statuses as zan-report's."),
        QStringLiteral("OUT.pdf")};
    QCommandLineOption design{QStringLiteral("design"),
                              QStringLiteral("With --export-pdf: run Compute Design Thickness "
                                             "instead of the Both analysis.")};
    QCommandLineOption language{
        QStringLiteral("lang"),
        QStringLiteral("The language of the windows, the memo and the user guide: %1. "
                       "Without it, the system's (LANGUAGE, LC_ALL, LANG), else English.")
            .arg(languageCodes().join(QLatin1String(", "))),
        QStringLiteral("LANG")};

    CommandLine() {
        // One dash starts a whole word, as in Qt's own options: -reverse and -stylesheet
        // must not read as -r -e -v ... (--version) or -s -t -y ... -h (--help).
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QStringLiteral("Slab thickness design of jointed plain concrete pavements."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(exportPdf);
        parser.addOption(design);
        parser.addOption(language);
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

// Lines of a message, as zan-report writes them to standard error.
void printMessage(const zan::Message& message) {
    QString text = zan::fromCore(message.text);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    print(stderr, text);
}

// Standard error is read and compared as zan-report's is: its texts are English whatever the
// language of the memo, which is made with the language chosen put back.
class EnglishMessages {
  public:
    EnglishMessages() { zan::catalogue::setLanguage(zan::catalogue::kSourceLanguage); }
    ~EnglishMessages() { zan::catalogue::setLanguage(m_chosen); }
    EnglishMessages(const EnglishMessages&) = delete;
    EnglishMessages& operator=(const EnglishMessages&) = delete;

  private:
    std::string m_chosen{zan::catalogue::language()};
};

// Reads the file into a fresh workspace as File > Read Data From File does and runs the
// analysis (or the thickness search), saying on standard error what the window would say.
// The statuses are zan-report's: 5 when the report cannot be written from the inputs.
int analyseForMemo(zan::Workspace& workspace, const QString& input, const QString& shownPath,
                   bool design) {
    const EnglishMessages english;
    const zan::CommandOutcome read = zan::readDesignFile(
        workspace, zan::toCorePath(QFileInfo(input).absoluteFilePath()), zan::toCore(shownPath));
    if (!read.ok()) {
        if (read.message)
            printMessage(*read.message);
        return static_cast<int>(read.status);
    }
    for (const zan::InputWarning& warning : read.warnings)
        print(stderr, QStringLiteral("zan-design: warning: %1: %2\n")
                          .arg(input, zan::fromCore(zan::escapeControls(warning.text))));
    const zan::CommandOutcome run = design
                                        ? zan::computeDesignThickness(workspace)
                                        : zan::performAnalysis(workspace, zan::AnalysisKind::Both);
    if (run.message)
        printMessage(*run.message);
    if (!run.ok())
        return static_cast<int>(run.status);
    if (auto report = zan::reportForSaveOrPrint(workspace); !report) {
        printMessage(zan::Message{report.error(), ""});
        return static_cast<int>(zan::CommandStatus::Refused);
    }
    return 0;
}

// Writes the memo the window would export after that run, as File > Export PDF writes it,
// in the language chosen; 7 only when the PDF could not be made or written.
int exportMemo(const QString& out, const QString& input, bool design) {
    const QString shownPath = QDir::toNativeSeparators(QFileInfo(input).absoluteFilePath());
    zan::Workspace workspace;
    if (const int status = analyseForMemo(workspace, input, shownPath, design); status != 0)
        return status;
    const auto pdf = zan::buildPdfReport(
        workspace, zan::PdfReportOptions{shownPath, QDateTime::currentDateTime(),
                                         zan::pageSizeFor(QLocale::system())});
    const EnglishMessages english;
    if (!pdf) {
        print(stderr, QStringLiteral("zan-design: %1\n").arg(pdf.error()));
        return kExitOutputNotWritten;
    }
    const auto written = zan::writeFileSafely(
        zan::toCorePath(out),
        std::string_view(pdf->constData(), static_cast<std::size_t>(pdf->size())),
        zan::toCore(QDir::toNativeSeparators(out)));
    if (!written) {
        print(stderr, QStringLiteral("zan-design: %1\n").arg(zan::fromCore(written.error())));
        return kExitOutputNotWritten;
    }
    return 0;
}

// Why the command line's --export-pdf must not write OUT, checked before any work, as
// zan-report checks its -o: a name that is an option (a forgotten OUT takes the next
// argument), one of the inputs, or an input data file.
std::optional<QString> exportRefusal(const QString& out, const QString& input) {
    if (out.startsWith(QLatin1Char('-')))
        return QStringLiteral(
                   "--export-pdf needs the name of the PDF file to write before "
                   "anything else, not %1")
            .arg(out);
    const auto refusal = zan::outputRefusal(zan::toCorePath(out), {zan::toCorePath(input)});
    if (!refusal)
        return std::nullopt;
    return QStringLiteral("%1: %2; nothing was written. Give the memo another name.")
        .arg(out, QString::fromStdString(*refusal));
}

// --lang, or else the language the environment asks for.
bool chooseLanguage(const CommandLine& commandLine) {
    if (!commandLine.parser.isSet(commandLine.language))
        return zan::useLanguage(zan::catalogue::languageFromEnvironment(
            qgetenv("LANGUAGE").toStdString(), qgetenv("LC_ALL").toStdString(),
            qgetenv("LANG").toStdString()));
    const std::string asked = commandLine.parser.value(commandLine.language).toStdString();
    return zan::useLanguage(zan::catalogue::matchLanguage(asked));
}

// --export-pdf needs fonts and a paint device but no screen: where there is no display and no
// platform was asked for, Qt's offscreen one is taken.
bool wantsExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            return false;
        if (arg.starts_with("--export-pdf"))
            return true;
    }
    return false;
}

void chooseHeadlessPlatform() {
    const bool display =
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!display && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The file arguments as the shell passed them, once Qt has taken out its own options; the
// window opens a name that is not valid UTF-8 by these bytes.
std::vector<std::string> fileArgumentBytes(int argc, char** argv) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--")
            optionsEnded = true;
        else if (optionsEnded || arg.empty() || arg.front() != '-')
            files.emplace_back(arg);
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("ZAN Thickness Design"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZAN_VERSION));
    if (const std::optional<int> status = answerWithoutWindow(argc, argv))
        return *status;

    if (wantsExport(argc, argv))
        chooseHeadlessPlatform();
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
    if (!chooseLanguage(commandLine)) {
        print(stderr, QStringLiteral("zan-design: --lang takes one of: %1\nTry 'zan-design --help' "
                                     "for more information.\n")
                          .arg(languageCodes().join(QLatin1String(", "))));
        return kExitWrongUsage;
    }
    const QStringList files = commandLine.parser.positionalArguments();
    if (commandLine.parser.isSet(commandLine.exportPdf)) {
        if (files.size() != 1) {
            print(stderr, QStringLiteral("zan-design: --export-pdf needs exactly one FILE.DEF\n"
                                         "Try 'zan-design --help' for more information.\n"));
            return kExitWrongUsage;
        }
        const QString out = commandLine.parser.value(commandLine.exportPdf);
        if (const auto refusal = exportRefusal(out, files.front())) {
            print(stderr, QStringLiteral("zan-design: %1\n").arg(*refusal));
            return kExitWrongUsage;
        }
        return exportMemo(out, files.front(), commandLine.parser.isSet(commandLine.design));
    }
    if (commandLine.parser.isSet(commandLine.design)) {
        print(stderr, QStringLiteral("zan-design: --design goes with --export-pdf\n"));
        return kExitWrongUsage;
    }

    zan::QtPlatform platform;
    zan::MainWindow window(platform);
    QObject::connect(&window, &zan::MainWindow::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.showCentred();
    // Read from the event loop, once the window is on the screen to parent the messages.
    const std::vector<std::string> bytes = fileArgumentBytes(argc, argv);
    QTimer::singleShot(0, &window, [&window, files, bytes] {
        window.openStartupFiles(files, bytes.size() == static_cast<std::size_t>(files.size())
                                           ? bytes
                                           : std::vector<std::string>{});
    });
    return QApplication::exec();
}
