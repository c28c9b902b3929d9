#pragma once
// Axle-Load Categories: ten rows of single and tandem axle loads with their axles per 1000
// trucks. Field objectNames follow the arrays: ssingle_0 .. ssingle_9, ssingle_V_0 ..,
// tandem_0 .., tandem_V_0 .., row 0 at the top holding the heaviest loads.

#include <array>

#include "input_dialog.h"

class QGridLayout;
class QLabel;

namespace zan {

class AxleLoadDialog : public InputDialog {
    Q_OBJECT

  public:
    // Touches the axle-load section, which creates it on first use and locks the unit choice.
    AxleLoadDialog(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);

    void refresh() override;

  private:
    void ok() override;
    void rememberValues() override { rememberAllTexts(); }
    void cancelEdits() override;
    void showTooltips();
    QLabel* makeHeading(const char* name, const char* text);
    void createHeadings(QGridLayout& grid);
    void createValueFields(QGridLayout& grid);

    QLabel* m_singleHeading = nullptr;
    QLabel* m_tandemHeading = nullptr;
    std::array<QWidget*, 2> m_lastTandemRow = {};
};

}  // namespace zan
