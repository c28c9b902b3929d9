#pragma once
// Pavement Data: trial thickness h, subgrade modulus k, modulus of rupture Sc, and the two
// option pairs (concrete shoulder, doweled joints).

#include "input_dialog.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace zan {

class PavementDialog : public InputDialog {
    Q_OBJECT

  public:
    // Touches the pavement section, which creates it on first use and locks the unit choice.
    PavementDialog(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);

    void refresh() override;

  private:
    void ok() override;
    void rememberValues() override;
    void cancelEdits() override;
    void showOptionStates();
    void showTooltips();
    void createLayout();
    QGridLayout* createValueFields();
    struct OptionPair {
        const char* frameName;
        const char* caption;
        const char* yesName;
        const char* noName;
        const char* tooltip;
    };
    QGroupBox* createOptionPair(const OptionPair& pair, QRadioButton*& yes, QRadioButton*& no);
    void connectOptions();

    QLabel* m_thicknessLabel = nullptr;
    QLabel* m_subgradeLabel = nullptr;
    QLabel* m_ruptureLabel = nullptr;
    QRadioButton* m_shoulderYes = nullptr;
    QRadioButton* m_shoulderNo = nullptr;
    QRadioButton* m_dowelYes = nullptr;
    QRadioButton* m_dowelNo = nullptr;

    bool m_rememberedShoulder = false;
    bool m_rememberedDowels = true;
};

}  // namespace zan
