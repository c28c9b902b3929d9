#include "damage_chart_window.h"

#include "platform/window_placement.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/damage_chart_window_names.h"
#include "chart/svg_chart_view.h"
#include "chart/text_table.h"
#include "commands/commands.h"
#include "io/memo_document.h"
#include "model/run.h"
#include "model/workspace.h"
#include "platform/core_text.h"
#include "platform/platform.h"

namespace zan {

namespace names = damageChartWindowNames;

namespace {
constexpr const char* kImageFilterText =
    QT_TRANSLATE_NOOP("zan::DamageChartWindow", "PNG Image|*.png|SVG Drawing|*.svg");
}  // namespace

const QString DamageChartWindow::kImageFilter = QLatin1String(kImageFilterText);

DamageChartWindow::DamageChartWindow(const Workspace& workspace, Platform& platform,
                                     QWidget* parent)
    : QDialog(parent), m_workspace(workspace), m_platform(platform) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(fromDocument(memoShown(memoText::kDamageChart)));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    // On a small screen the charts scroll; the buttons below them stay in view.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QLatin1String(names::kScroll));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_pages = new QStackedWidget(scroll);
    scroll->setWidget(m_pages);
    m_staleNotice = new QLabel(this);
    m_staleNotice->setObjectName(QLatin1String(names::kInputsChanged));
    m_staleNotice->setWordWrap(true);
    m_staleNotice->hide();
    layout->addWidget(m_staleNotice);
    layout->addWidget(scroll, 1);
    createCharts();
    createButtons();
    resize(fittingSize(QSize(kPreferredWidth, kPreferredHeight)));
    refresh();
}

DamageChartWindow::~DamageChartWindow() = default;

QSize DamageChartWindow::fittingSize(const QSize& preferred) const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return preferred;
    // Room for the title bar and the border, which the window's size does not include.
    const QSize room =
        screen->availableGeometry().size() - QSize(kFrameAllowance, 2 * kFrameAllowance);
    return preferred.boundedTo(room);
}

void DamageChartWindow::createCharts() {
    m_charts = new QWidget(m_pages);
    m_charts->setObjectName(QLatin1String(names::kCharts));
    // The charts paint white; the container too, so that a saved image has no grey seams.
    m_charts->setAutoFillBackground(true);
    QPalette palette = m_charts->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_charts->setPalette(palette);

    auto* grid = new QGridLayout(m_charts);
    grid->setContentsMargins(4, 4, 4, 4);
    m_damagePlot = new SvgChartView(names::kDamagePlot, kCurveChartSize, m_charts);
    m_axlePlot = new SvgChartView(names::kAxleDamagePlot, kRowsChartSize, m_charts);
    m_tornadoPlot = new SvgChartView(names::kTornadoPlot, kTornadoChartSize, m_charts);
    grid->addWidget(m_damagePlot, 0, 0);
    grid->addWidget(m_axlePlot, 0, 1);
    grid->addWidget(createTables(m_charts), 1, 0);
    grid->addWidget(m_tornadoPlot, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 2);
    // Smaller than this the labels of the plots would run into each other: scroll instead.
    m_charts->setMinimumSize(kSmallestChartsWidth, kSmallestChartsHeight);
    m_pages->addWidget(m_charts);

    m_message = new QLabel(m_pages);
    m_message->setObjectName(QLatin1String(names::kMessage));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setMargin(24);
    m_pages->addWidget(m_message);
}

namespace {

QTableWidget* readOnlyTable(const char* name, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QLatin1String(name));
    table->verticalHeader()->setVisible(false);
    // Compact rows, so that the sensitivity cases and the four alternatives show together.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Focus goes to the buttons first; a table takes it when clicked, for copying.
    table->setFocusPolicy(Qt::ClickFocus);
    return table;
}

}  // namespace

QWidget* DamageChartWindow::createTables(QWidget* parent) {
    auto* tables = new QWidget(parent);
    auto* column = new QVBoxLayout(tables);
    column->setContentsMargins(0, 0, 0, 0);
    // The headings come with the texts; the first column names the input.
    m_table = readOnlyTable(names::kSensitivityTable, tables);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    column->addWidget(m_table, 1);

    m_alternativesCaption = new QLabel(tables);
    QFont bold = m_alternativesCaption->font();
    bold.setBold(true);
    m_alternativesCaption->setFont(bold);
    column->addWidget(m_alternativesCaption);
    m_alternatives = readOnlyTable(names::kAlternativesTable, tables);
    m_alternatives->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_alternatives->horizontalHeader()->setStretchLastSection(true);
    m_alternatives->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->addWidget(m_alternatives);
    return tables;
}

void DamageChartWindow::createButtons() {
    auto* row = new QHBoxLayout;
    m_save = new QPushButton(tr(names::kSaveImageCaption), this);
    m_save->setObjectName(QLatin1String(names::kSaveImage));
    m_save->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &DamageChartWindow::chooseAndSaveImage);
    auto* close = new QPushButton(tr(names::kCloseCaption), this);
    close->setObjectName(QLatin1String(names::kClose));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    row->addWidget(m_save);
    row->addStretch(1);
    row->addWidget(close);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void DamageChartWindow::refresh() {
    showInputsChanged();
    // A run never changes: the charts of the one shown stay as they are. Before the first run
    // the charts follow the inputs as they are typed.
    std::shared_ptr<const Run> run = m_workspace.lastRun();
    if (run && run == m_shown)
        return;
    if (!run)
        run = Run::ofCurrentInputs(m_workspace, std::string());
    m_shown = m_workspace.lastRun();
    m_document = std::make_unique<const MemoDocument>(memoDocument(*run, MemoOptions{}));
    const MemoCharts& charts = *m_document->charts;
    m_alternativesCaption->setText(fromDocument(charts.alternativesHeading));
    if (!charts.refusal.empty()) {
        showRefusal(fromDocument(charts.refusal));
        return;
    }
    m_damagePlot->setDrawing(charts.curve.svg);
    m_axlePlot->setDrawing(charts.rows.svg);
    m_tornadoPlot->setDrawing(charts.tornado.svg);
    showTable(*m_table, textTable(charts.sensitivity));
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    showTable(*m_alternatives, textTable(charts.alternatives));
    // All four combinations in view, without scrolling.
    m_alternatives->setFixedHeight(m_alternatives->horizontalHeader()->sizeHint().height() +
                                   4 * m_alternatives->verticalHeader()->defaultSectionSize() +
                                   2 * m_alternatives->frameWidth());

    m_message->clear();
    m_pages->setCurrentWidget(m_charts);
    m_save->setEnabled(true);
}

void DamageChartWindow::showInputsChanged() {
    const bool changed = m_workspace.inputsChangedSinceRun();
    if (changed)
        m_staleNotice->setText(fromDocument(inputsChangedMark(*m_workspace.lastRun())));
    m_staleNotice->setVisible(changed);
}

void DamageChartWindow::showRefusal(const QString& message) {
    m_message->setText(message);
    m_pages->setCurrentWidget(m_message);
    // There is no chart to save.
    m_save->setEnabled(false);
}

QString DamageChartWindow::refusal() const {
    return m_pages->currentWidget() == m_message ? m_message->text() : QString();
}

void DamageChartWindow::showCentred() {
    zan::showCentred(*this);
}

void DamageChartWindow::chooseAndSaveImage() {
    const std::optional<QString> path = m_platform.chooseSaveFile(tr(kImageFilterText));
    if (!path)
        return;
    const auto saved = saveImage(*path);
    if (!saved)
        m_platform.showMessage(Message{toCore(saved.error()), "", Icon::None, Buttons::Ok});
}

Expected<Done, QString> DamageChartWindow::saveImage(const QString& path) {
    // A window never shown has not laid out its charts yet.
    layout()->activate();
    const bool svg =
        QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    const std::optional<QByteArray> image = svg ? renderSvg() : renderPng();
    if (!image)
        return failure(tr("The file %1 could not be written: the image could not be drawn.")
                           .arg(QDir::toNativeSeparators(path)));
    // The core's safe write: a temporary file beside the target, renamed over it, so that a
    // failure keeps the previous file.
    const auto written = writeFileSafely(
        toCorePath(path),
        std::string_view(image->constData(), static_cast<std::size_t>(image->size())));
    if (!written)
        return failure(fromCore(withShownPath(written.error(), path)));
    return Done{};
}

std::optional<QByteArray> DamageChartWindow::renderPng() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!m_charts->grab().toImage().save(&buffer, "PNG"))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> DamageChartWindow::renderSvg() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(m_charts->size());
    svg.setViewBox(QRect(QPoint(0, 0), m_charts->size()));
    svg.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&svg))
        return std::nullopt;
    m_charts->render(&painter);
    if (!painter.end())
        return std::nullopt;
    return bytes;
}

}  // namespace zan
