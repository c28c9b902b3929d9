#pragma once
// Perform Analysis > Damage Chart: the total damage against slab thickness around the
// recommended thickness, the last run's damage per axle row, how the recommended thickness
// moves when each main input is 20 % lower or higher, and the recommended thickness with and
// without a concrete shoulder and dowels, all from the memo document of the run shown
// (io/memo_document.h), the charts as the core drew them. Modeless; it only reads the
// workspace (through copies, so that it never creates an input section or locks the unit
// choice) and is redrawn by refresh() whenever the inputs or the results change: the main
// window connects it to its announcement of a changed workspace (a command, a keystroke in
// an input dialog). Coming back to the window recomputes nothing.

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <memory>
#include <optional>

#include "model/expected.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace zan {

class Platform;
class Run;
class Workspace;
class SvgChartView;
struct MemoDocument;

class DamageChartWindow : public QDialog {
    Q_OBJECT

  public:
    // The file dialog's filter: PNG or SVG, told apart by the chosen name's extension.
    static const QString kImageFilter;

    DamageChartWindow(const Workspace& workspace, Platform& platform, QWidget* parent = nullptr);
    ~DamageChartWindow() override;

    // Recomputes everything from the workspace: one search from the trial thickness, one
    // from near its thickness for each other alternative and each sensitivity case, and the
    // analyses of the curve's points.
    void refresh();

    // Centres the window on its screen, shows it and brings it to the front.
    void showCentred();

    // Writes the charts to `path`: SVG when its extension is .svg, PNG otherwise. The error
    // names the file and the reason.
    Expected<Done, QString> saveImage(const QString& path);

    SvgChartView* damagePlot() const { return m_damagePlot; }
    SvgChartView* axlePlot() const { return m_axlePlot; }
    SvgChartView* tornadoPlot() const { return m_tornadoPlot; }
    // The memo document the window shows; null before the first refresh.
    const MemoDocument* document() const { return m_document.get(); }
    QTableWidget* sensitivityTable() const { return m_table; }
    QTableWidget* alternativesTable() const { return m_alternatives; }
    // The core's message while it refuses the inputs; empty while the charts are shown.
    QString refusal() const;

  private:
    static constexpr int kPreferredWidth = 1180;
    static constexpr int kPreferredHeight = 880;
    static constexpr int kSmallestChartsWidth = 860;
    static constexpr int kSmallestChartsHeight = 600;
    static constexpr int kFrameAllowance = 24;  // title bar and border, roughly

    // `preferred`, made smaller where the screen's free area is.
    QSize fittingSize(const QSize& preferred) const;
    void createCharts();
    // The sensitivity table and, below it, the design alternatives.
    QWidget* createTables(QWidget* parent);
    void createButtons();
    void chooseAndSaveImage();
    void showRefusal(const QString& message);
    void showInputsChanged();
    // The charts as image file bytes; nothing when they could not be drawn.
    std::optional<QByteArray> renderPng() const;
    std::optional<QByteArray> renderSvg() const;

    const Workspace& m_workspace;
    Platform& m_platform;
    std::shared_ptr<const Run> m_shown;  // the run whose charts are shown; null before any
    QLabel* m_staleNotice = nullptr;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_charts = nullptr;
    QLabel* m_message = nullptr;
    std::unique_ptr<const MemoDocument> m_document;
    QLabel* m_alternativesCaption = nullptr;
    SvgChartView* m_damagePlot = nullptr;
    SvgChartView* m_axlePlot = nullptr;
    SvgChartView* m_tornadoPlot = nullptr;
    QTableWidget* m_table = nullptr;
    QTableWidget* m_alternatives = nullptr;
    QPushButton* m_save = nullptr;
};

}  // namespace zan
