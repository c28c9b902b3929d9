#pragma once
// Traffic Data: ADT, trucks, growth, direction and lane distribution, load safety factor and
// design period. Nothing here depends on the unit system.

#include "input_dialog.h"

namespace zan {

class TrafficDialog : public InputDialog {
    Q_OBJECT

  public:
    // Touches the traffic section; unlike the other two this leaves the unit choice open.
    TrafficDialog(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);

    void refresh() override { showFieldTexts(); }

  private:
    void ok() override;
    void rememberValues() override { rememberAllTexts(); }
    void cancelEdits() override;
};

}  // namespace zan
