#include "main_window.h"

#include <filesystem>
#include <functional>

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

#include "chart/damage_chart_window.h"
#include "chart/pdf_report.h"
#include "commands/commands.h"
#include "dialogs/project_dialog.h"
#include "io/def_file.h"
#include "io/report.h"
#include "model/axle_spectra.h"
#include "pdf/memo_file.h"
#include "platform/core_text.h"
#include "platform/fixed_font.h"
#include "platform/platform.h"
#include "platform/window_placement.h"
#include "shell/about_window.h"
#include "shell/main_window_names.h"
#include "shell/status_tips.h"
#include "shell/user_guide_window.h"

namespace zan {

namespace names = mainWindowNames;

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kClientWidthTwips = 7395;
constexpr int kClientHeightTwips = 6600;
// The report box keeps a margin inside the window: these shares of its outer size.
constexpr double kReportWidthShare = 0.99;
constexpr double kReportHeightShare = 0.91;
constexpr int kReportPointSize = 12;

const QString kDataFileFilter = QStringLiteral("(*.DEF)|*.DEF");
// Read Data From File also opens a design memo, which carries its input data file.
const QString kReadFileFilter = QStringLiteral("(*.DEF *.pdf)|*.DEF *.pdf");
const QString kReportFileFilter = QStringLiteral("(*.PRN)|*.PRN");
constexpr const char* kPdfFileFilter =
    QT_TRANSLATE_NOOP("zan::MainWindow", "PDF files (*.pdf)|*.pdf");

constexpr const char* kInputsQuestion = QT_TRANSLATE_NOOP(
    "zan::MainWindow",
    "The input data have changed since they were last saved. Save them before closing?");
constexpr const char* kSaveDialogTitle = QT_TRANSLATE_NOOP("zan::MainWindow", "Save Dialog");

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The one local file, not a folder, named *.DEF (any case) that a drop carries; a file that
// has gone meanwhile is left to the reader, which says so.
std::optional<QString> droppedDataFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QFileInfo file(urls.front().toLocalFile());
    if (file.isDir() || !(file.fileName().endsWith(QLatin1String(".def"), Qt::CaseInsensitive) ||
                          file.fileName().endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)))
        return std::nullopt;
    return file.absoluteFilePath();
}

}  // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_dialogs(m_workspace, platform, this) {
    BusyPointer busy(m_platform);
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(fromCore(kMainWindowTitle));
    createMenus();
    createStatusTipBar(*this);
    createRunNotice();
    createReportBox();
    setInitialClientSize();
    refreshUnitMenu();
    setAcceptDrops(true);
    connect(this, &MainWindow::workspaceChanged, this, &MainWindow::refreshUnitMenu);
    connect(this, &MainWindow::workspaceChanged, this, &MainWindow::refreshRunNotice);
    connect(this, &MainWindow::workspaceChanged, this,
            [this] { m_dialogs.refreshFromWorkspace(); });
    // The views follow the inputs while the user types, not only after commands.
    m_dialogs.setInputsEditedHandler([this] { announceChanges(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenus() {
    createFileMenu();
    createEditMenu();
    createAnalysisMenu();
    // A command directly on the menu bar, not a submenu.
    QAction* design = menuBar()->addAction(tr(names::kComputeDesignThickness.caption));
    design->setObjectName(QLatin1String(names::kComputeDesignThickness.name));
    design->setStatusTip(tr(names::kComputeDesignThickness.tip));
    connect(design, &QAction::triggered, this, &MainWindow::computeDesignThickness);
    createHelpMenu();
}

void MainWindow::createFileMenu() {
    QMenu* file = addMenuBarMenu(names::kFile);

    QMenu* defaults = addSubmenu(file, names::kDefaultOptions);
    m_metricOption = addItem(defaults, names::kMetricOption);
    m_englishOption = addItem(defaults, names::kEnglishOption);
    m_metricOption->setCheckable(true);
    m_englishOption->setCheckable(true);
    connect(m_metricOption, &QAction::triggered, this,
            [this] { chooseUnitSystem(UnitSystem::Metric); });
    connect(m_englishOption, &QAction::triggered, this,
            [this] { chooseUnitSystem(UnitSystem::English); });
    // Nothing ever shows the detailed-reports option; it stays unchecked in use.
    addSeparator(defaults, names::kLine0a)->setVisible(false);
    m_detailedReportsOption = addItem(defaults, names::kDetailedReportsOption);
    m_detailedReportsOption->setCheckable(true);
    m_detailedReportsOption->setVisible(false);
    connect(m_detailedReportsOption, &QAction::triggered, this, &MainWindow::toggleDetailedReports);

    addSeparator(file, names::kLine0);
    QAction* load = addItem(file, names::kFileLoad);
    load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(load, &QAction::triggered, this, &MainWindow::readDataFile);
    QAction* save = addItem(file, names::kFileSave);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { saveInputData(); });
    addSeparator(file, names::kLine0b);
    connect(addItem(file, names::kSaveReport), &QAction::triggered, this, [this] { saveReport(); });
    connect(addItem(file, names::kPrintReport), &QAction::triggered, this,
            &MainWindow::printReport);
    QAction* exportPdf = addItem(file, names::kExportPdf);
    exportPdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportPdf, &QAction::triggered, this, &MainWindow::exportPdf);
    addSeparator(file, names::kLine1);
    connect(addItem(file, names::kFileExit), &QAction::triggered, this, &MainWindow::exitProgram);
}

void MainWindow::createEditMenu() {
    QMenu* edit = addMenuBarMenu(names::kEdit);
    connect(addItem(edit, names::kPavementData), &QAction::triggered, this,
            &MainWindow::openPavementData);
    connect(addItem(edit, names::kTrafficData), &QAction::triggered, this,
            &MainWindow::openTrafficData);
    connect(addItem(edit, names::kProjectInfo), &QAction::triggered, this,
            &MainWindow::openProjectInfo);

    QMenu* axles = addSubmenu(edit, names::kAxleLoadCategories);
    const std::pair<names::MenuItem, AxleLoadCategory> categories[] = {
        {names::kLight, AxleLoadCategory::Light},
        {names::kMedium, AxleLoadCategory::Medium},
        {names::kHeavy, AxleLoadCategory::Heavy},
        {names::kVeryHeavy, AxleLoadCategory::VeryHeavy},
    };
    for (const auto& [item, category] : categories)
        connect(addItem(axles, item), &QAction::triggered, this,
                [this, category = category] { applyCategory(category); });
    addSeparator(axles, names::kLine5);
    connect(addItem(axles, names::kInputAxles), &QAction::triggered, this, &MainWindow::inputAxles);
}

void MainWindow::createAnalysisMenu() {
    QMenu* analysis = addMenuBarMenu(names::kPerformAnalysis);
    connect(addItem(analysis, names::kFatigueAnalysis), &QAction::triggered, this,
            [this] { analyse(AnalysisKind::Fatigue); });
    connect(addItem(analysis, names::kErosionAnalysis), &QAction::triggered, this,
            [this] { analyse(AnalysisKind::Erosion); });
    addSeparator(analysis, names::kLine8);
    connect(addItem(analysis, names::kBothAnalysis), &QAction::triggered, this,
            [this] { analyse(AnalysisKind::Both); });
    addSeparator(analysis, names::kLine9);
    connect(addItem(analysis, names::kDamageChart), &QAction::triggered, this,
            &MainWindow::showDamageChart);
}

void MainWindow::createHelpMenu() {
    QMenu* help = addMenuBarMenu(names::kHelp);
    // There is no readme to show.
    addItem(help, names::kHelpReadme)->setVisible(false);
    addSeparator(help, names::kLine11)->setVisible(false);
    QAction* guide = addItem(help, names::kHelpGuide);
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    // F1 works in every window of the program; in a dialog it opens that dialog's section.
    guide->setShortcutContext(Qt::ApplicationShortcut);
    connect(guide, &QAction::triggered, this, &MainWindow::showUserGuide);
    connect(addItem(help, names::kHelpAbout), &QAction::triggered, this, &MainWindow::showAbout);
}

QMenu* MainWindow::addMenuBarMenu(const names::MenuItem& item) {
    QMenu* menu = menuBar()->addMenu(tr(item.caption));
    menu->setObjectName(QLatin1String(item.name));
    menu->menuAction()->setObjectName(QLatin1String(item.name));
    menu->menuAction()->setStatusTip(tr(item.tip));
    return menu;
}

QAction* MainWindow::addItem(QMenu* menu, const names::MenuItem& item) {
    QAction* action =
        menu->addAction(QCoreApplication::translate(item.captionContext, item.caption));
    action->setObjectName(QLatin1String(item.name));
    action->setStatusTip(tr(item.tip));
    return action;
}

QAction* MainWindow::addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

QMenu* MainWindow::addSubmenu(QMenu* parent, const names::MenuItem& item) {
    QMenu* menu = parent->addMenu(tr(item.caption));
    menu->setObjectName(QLatin1String(item.name));
    menu->menuAction()->setObjectName(QLatin1String(item.name));
    menu->menuAction()->setStatusTip(tr(item.tip));
    return menu;
}

void MainWindow::createReportBox() {
    // The box is placed by hand (layoutReportBox), so it sits in a plain container.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    m_reportBox = new QPlainTextEdit(client);
    m_reportBox->setObjectName(QLatin1String(names::kReportBox));
    m_reportBox->setReadOnly(true);
    // The report is laid out in columns: never wrap, always allow scrolling both ways.
    m_reportBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_reportBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_reportBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_reportBox->setFont(fixedPitchFont(kReportPointSize));
}

void MainWindow::setInitialClientSize() {
    // The client area lies below the menu bar.
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const int width = qRound(kClientWidthTwips * dpiX / kTwipsPerInch);
    const int height = qRound(kClientHeightTwips * dpiY / kTwipsPerInch);
    resize(width, height + menuBar()->sizeHint().height());
    layoutReportBox();
}

void MainWindow::layoutReportBox() {
    // Shares of the outer size, border, title bar and menu bar included.
    const QSize outer = frameGeometry().size();
    m_reportBox->setGeometry(0, 0, qRound(outer.width() * kReportWidthShare),
                             qRound(outer.height() * kReportHeightShare));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutReportBox();
}

void MainWindow::refreshUnitMenu() {
    const bool metric = m_workspace.unitSystem() == UnitSystem::Metric;
    const bool locked = m_workspace.unitChoiceLocked();
    m_metricOption->setChecked(metric);
    m_englishOption->setChecked(!metric);
    // While switchable, only the other system can be chosen; once locked, neither.
    m_metricOption->setEnabled(!locked && !metric);
    m_englishOption->setEnabled(!locked && metric);
}

void MainWindow::announceChanges() {
    if (m_workspace == m_announced)
        return;
    m_announced = m_workspace;
    emit workspaceChanged();
}

void MainWindow::chooseUnitSystem(UnitSystem units) {
    if (!m_workspace.chooseUnitSystem(units)) {
        // The click moved the item's check mark although nothing changed: put it back.
        refreshUnitMenu();
        return;
    }
    // The open chart shows the initial design in the new units.
    announceChanges();
    m_platform.showMessage(
        Message{toCore(units == UnitSystem::Metric ? tr("Metric System Selected")
                                                   : tr("English System Selected")),
                kMainWindowTitle, Icon::None, Buttons::Ok});
}

void MainWindow::toggleDetailedReports() {
    m_workspace.setDetailedReports(!m_workspace.detailedReports());
    m_detailedReportsOption->setChecked(m_workspace.detailedReports());
    announceChanges();
}

void MainWindow::runCommand(const std::function<CommandOutcome()>& command) {
    CommandOutcome outcome;
    {
        BusyPointer busy(m_platform);
        outcome = command();
        // A refused command brings no report: the box keeps what it showed.
        if (outcome.report)
            showReport(*outcome.report);
        // What the chart window and the memo show of a new run is computed now, under the busy
        // pointer, so that opening or exporting them later only formats it.
        if (const auto& run = m_workspace.lastRun())
            run->content();
        announceChanges();
    }
    // Shown with the default pointer, after the report is already visible behind the box.
    if (outcome.message)
        m_platform.showMessage(*outcome.message);
    if (outcome.warning)
        m_platform.showMessage(*outcome.warning);
}

void MainWindow::showReport(const std::string& report) {
    m_reportBox->setPlainText(fromCoreLines(report));
}

void MainWindow::showFailure(const QString& text) {
    m_platform.showMessage(Message{toCore(text), "", Icon::None, Buttons::Ok});
}

void MainWindow::readDataFile() {
    const std::optional<QString> path = m_platform.chooseOpenFile(kReadFileFilter);
    if (!path)
        return;
    readDataFileAt(*path, AfterRead::AnnounceLoaded);
}

void MainWindow::readDataFileAt(const QString& path, AfterRead after, const std::string& bytes) {
    runCommand([&] {
        // The messages name the file by its full path's own bytes, shown as the user knows it.
        const std::string opened = bytes.empty() ? toCorePath(path) : bytes;
        const std::string named = bytes.empty() ? toCorePath(nativePath(path)) : bytes;
        CommandOutcome outcome = zan::readDesignFile(m_workspace, opened, named);
        for (std::optional<Message>* shown : {&outcome.message, &outcome.warning})
            if (*shown)
                (*shown)->fileName = named;
        if (outcome.ok()) {
            m_inputFile = nativePath(path);
            // Read from the command line or dropped, it is still the file the user chose.
            m_platform.rememberChosenFile(kReadFileFilter, path);
        }
        if (outcome.ok() && after == AfterRead::ShowInputsReport)
            showInputsReportInstead(outcome);
        return outcome;
    });
}

void MainWindow::showInputsReportInstead(CommandOutcome& outcome) {
    // What Save Report would write now: before any analysis, the heading and the inputs.
    outcome.message.reset();
    auto report = reportForSaveOrPrint(m_workspace);
    if (report)
        outcome.report = std::move(*report);
    else
        outcome.message = Message{report.error(), "", Icon::None, Buttons::Ok};
}

void MainWindow::showCentred() {
    zan::showCentred(*this);
}

void MainWindow::openStartupFiles(const QStringList& paths, const std::vector<std::string>& bytes) {
    if (paths.isEmpty())
        return;
    // A name relative to where the program was started; the messages name the full path.
    const QString first = QFileInfo(paths.front()).absoluteFilePath();
    std::string firstBytes;
    if (!bytes.empty() && toCorePath(paths.front()) != bytes.front())
        firstBytes = std::filesystem::absolute(bytes.front()).string();
    readDataFileAt(first, AfterRead::ShowInputsReport, firstBytes);
    if (paths.size() < 2)
        return;
    QStringList ignored;
    for (qsizetype i = 1; i < paths.size(); ++i)
        ignored << nativePath(QFileInfo(paths[i]).absoluteFilePath());
    showFailure(fromCatalogue("Messages", kOnlyFirstFileRead)
                    .arg(nativePath(first), ignored.join(QLatin1String("\r\n"))));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = droppedDataFile(*event->mimeData());
    if (path)
        event->acceptProposedAction();
    else
        event->ignore();
    // Read once the drop is over: a message box opened inside the drop would keep the program
    // the file came from waiting until it is closed.
    QMetaObject::invokeMethod(
        this, [this, path] { readDroppedFile(path); }, Qt::QueuedConnection);
}

void MainWindow::readDroppedFile(const std::optional<QString>& path) {
    if (path)
        readDataFileAt(*path, AfterRead::AnnounceLoaded);
    else
        showFailure(tr("Only a single input data file (.DEF) can be dropped here."));
}

MainWindow::SaveResult MainWindow::saveInputData() {
    const std::optional<QString> path = m_platform.chooseSaveFile(kDataFileFilter);
    if (!path)
        return SaveResult::Cancelled;
    if (!saveFile(*path, [this] { return inputDataFileBytes(m_workspace); }))
        return SaveResult::Failed;
    m_inputFile = nativePath(*path);
    m_workspace.markInputsSaved();
    return SaveResult::Saved;
}

MainWindow::SaveResult MainWindow::saveReport() {
    if (!tablesMayGoOut())
        return SaveResult::Cancelled;
    const std::optional<QString> path = m_platform.chooseSaveFile(kReportFileFilter);
    if (!path)
        return SaveResult::Cancelled;
    return saveFile(*path, [this] { return reportFileForSave(m_workspace); }) ? SaveResult::Saved
                                                                              : SaveResult::Failed;
}

bool MainWindow::saveFile(const QString& path,
                          const std::function<Expected<std::string, std::string>()>& bytesOf) {
    std::optional<Message> failure;
    {
        BusyPointer busy(m_platform);
        const auto bytes = bytesOf();
        announceChanges();  // the command creates the sections not yet touched
        // A write failure names the file, by its own bytes; the bytes' failure names none.
        const std::string named = toCorePath(nativePath(path));
        if (!bytes) {
            failure = Message{bytes.error(), "", Icon::None, Buttons::Ok};
        } else if (auto written = writeFileSafely(toCorePath(path), *bytes, named); !written) {
            failure = Message{written.error(), "", Icon::None, Buttons::Ok, named};
        }
    }
    if (failure)
        m_platform.showMessage(*failure);
    return !failure;
}

bool MainWindow::tablesMayGoOut() {
    if (!m_workspace.inputsChangedSinceRun())
        return true;
    const Answer answer = m_platform.showMessage(
        Message{toCore(fromCatalogue(runText::kContext, runText::kAnalyseAgainQuestion)), "",
                Icon::Question, Buttons::YesNoCancel});
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes)
        analyseAgain();
    // After No the document is the last run as it was, its own inputs beside its own tables,
    // and a memo says on every page that the inputs have changed since.
    return answer == Answer::No || !m_workspace.inputsChangedSinceRun();
}

void MainWindow::analyseAgain() {
    runCommand([&] { return repeatLastRun(m_workspace); });
}

void MainWindow::createRunNotice() {
    m_runNotice = new QWidget(this);
    auto* layout = new QHBoxLayout(m_runNotice);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* text =
        new QLabel(fromCatalogue(runText::kContext, runText::kInputsChangedNotice), m_runNotice);
    text->setObjectName(QLatin1String(names::kRunNotice));
    // The notice wraps within the window's width: unwrapped, its one line made the window
    // wider (723 px in Spanish) and the window never narrowed again.
    text->setWordWrap(true);
    auto* again =
        new QPushButton(fromCatalogue(runText::kContext, runText::kAnalyseAgain), m_runNotice);
    again->setObjectName(QLatin1String(names::kAnalyseAgain));
    again->setToolTip(fromCatalogue(runText::kContext, runText::kAnalyseAgainTip));
    connect(again, &QPushButton::clicked, this, &MainWindow::analyseAgain);
    layout->addWidget(text, 1);
    layout->addWidget(again);
    statusBar()->addPermanentWidget(m_runNotice, 1);
    m_runNotice->hide();
}

void MainWindow::refreshRunNotice() {
    const bool changed = m_workspace.inputsChangedSinceRun();
    m_runNotice->setVisible(changed);
    statusBar()->setProperty(kKeepStatusBar, changed);
    if (changed)
        statusBar()->show();
    else if (statusBar()->currentMessage().isEmpty())
        statusBar()->hide();
}

void MainWindow::openProjectInfo() {
    if (!m_projectDialog) {
        m_projectDialog = new ProjectDialog(m_workspace, m_platform, this);
        connect(m_projectDialog, &ProjectDialog::projectChanged, this,
                &MainWindow::announceChanges);
    }
    m_projectDialog->open();
}

void MainWindow::printReport() {
    if (!tablesMayGoOut())
        return;
    const std::optional<int> copies = m_platform.choosePrintCopies();
    if (!copies)
        return;
    std::optional<QString> failure;
    {
        BusyPointer busy(m_platform);
        auto report = reportForSaveOrPrint(m_workspace);
        announceChanges();  // the command creates the sections not yet touched
        if (!report) {
            failure = fromCore(report.error());
        } else {
            const auto printed = m_platform.printDocument(fromCoreLineList(*report), *copies);
            if (!printed)
                failure = tr("The report could not be printed: %1").arg(printed.error());
        }
    }
    if (failure)
        showFailure(*failure);
}

void MainWindow::exportPdf() {
    if (!tablesMayGoOut())
        return;
    const std::optional<QString> path = m_platform.chooseSaveFile(tr(kPdfFileFilter), "pdf");
    if (!path)
        return;
    Expected<Done, QString> exported = Done{};
    {
        BusyPointer busy(m_platform);
        exported = exportPdfReport(m_workspace, *path,
                                   PdfReportOptions{m_inputFile, QDateTime::currentDateTime(),
                                                    pageSizeFor(QLocale::system())});
        announceChanges();  // the export creates the sections not yet touched
    }
    if (!exported)
        showFailure(exported.error());
}

void MainWindow::exitProgram() {
    close();
}

bool MainWindow::inputsMayBeLeft() {
    if (!m_workspace.inputsChangedSinceSaved())
        return true;
    const Answer answer =
        m_platform.showMessage(Message{toCore(tr(kInputsQuestion)), toCore(tr(kSaveDialogTitle)),
                                       Icon::Question, Buttons::YesNoCancel});
    return answer == Answer::No || (answer == Answer::Yes && saveInputData() == SaveResult::Saved);
}

bool MainWindow::outputsMayBeLeft() {
    const Answer answer = m_platform.showMessage(Message{toCore(tr("Save Outputs before closing?")),
                                                         toCore(tr(kSaveDialogTitle)),
                                                         Icon::Question, Buttons::YesNoCancel});
    // Whatever was not saved, cancelled or failed, would be lost: the program stays open.
    return answer == Answer::No || (answer == Answer::Yes && saveReport() == SaveResult::Saved);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!inputsMayBeLeft() || !outputsMayBeLeft()) {
        event->ignore();
        return;
    }
    event->accept();
    // Ending the program closes every window at once, asking nothing.
    if (m_about)
        m_about->close();
    if (m_chart)
        m_chart->close();
    for (QDialog* dialog :
         {m_dialogs.pavementDialog(), m_dialogs.trafficDialog(), m_dialogs.axleLoadDialog()})
        if (dialog)
            dialog->hide();
    emit closed();
}

void MainWindow::openPavementData() {
    // Building the dialog creates its section, which locks the unit choice.
    m_dialogs.openPavementDialog();
    announceChanges();
}

void MainWindow::openTrafficData() {
    m_dialogs.openTrafficDialog();
    announceChanges();
}

void MainWindow::applyCategory(AxleLoadCategory category) {
    BusyPointer busy(m_platform);
    applyAxleLoadCategory(m_workspace, category);
    m_dialogs.openAxleLoadDialog();
    announceChanges();
}

void MainWindow::inputAxles() {
    BusyPointer busy(m_platform);
    loadStandardAxleSpectrum(m_workspace);
    m_dialogs.openAxleLoadDialog();
    announceChanges();
}

void MainWindow::analyse(AnalysisKind kind) {
    runCommand([&] { return performAnalysis(m_workspace, kind); });
}

void MainWindow::computeDesignThickness() {
    // The search writes the thickness it found into the pavement inputs.
    runCommand([&] { return zan::computeDesignThickness(m_workspace); });
}

void MainWindow::showDamageChart() {
    // Closing the chart destroys it, so a closed chart costs no searches while inputs change.
    if (!m_chart) {
        m_chart = new DamageChartWindow(m_workspace, m_platform, this);
        m_chart->setAttribute(Qt::WA_DeleteOnClose);
        connect(this, &MainWindow::workspaceChanged, m_chart, &DamageChartWindow::refresh);
    }
    m_chart->showCentred();
}

void MainWindow::showAbout() {
    // Closing the About window destroys it; the next opening builds it anew.
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->showCentred();
}

void MainWindow::showUserGuide() {
    // Asked for from a dialog's F1, the guide opens at that dialog's section.
    const QWidget* from = QApplication::activeWindow();
    const QString section = from ? UserGuideWindow::sectionOf(from->objectName()) : QString();
    if (!m_guide) {
        m_guide = new UserGuideWindow(this);
        connect(this, &MainWindow::closed, m_guide, &QWidget::hide);
    }
    m_guide->showGuide();
    if (!section.isEmpty())
        m_guide->showSection(section);
}

}  // namespace zan
