#include "traffic_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "model/workspace.h"
#include "platform/latin1.h"
#include "traffic_dialog_names.h"

namespace zan {

namespace names = trafficDialogNames;

namespace {

// The rows top to bottom: label, its caption, the value field and the text it edits.
struct TrafficRow {
    const char* labelName;
    const char* caption;
    const char* fieldName;
    std::string TrafficInputs::*text;
};
constexpr std::array<TrafficRow, 7> kRows = {{
    {names::kTrafficLabel, caption::kAverageDailyTraffic, names::kTrafficField,
     &TrafficInputs::averageDailyTraffic},
    {names::kTrucksLabel, caption::kTruckPercent, names::kTrucksField,
     &TrafficInputs::truckPercent},
    {names::kGrowthLabel, caption::kGrowthPercent, names::kGrowthField,
     &TrafficInputs::growthPercent},
    {names::kDirectionLabel, caption::kDirectionPercent, names::kDirectionField,
     &TrafficInputs::directionPercent},
    {names::kLaneLabel, caption::kLanePercent, names::kLaneField, &TrafficInputs::lanePercent},
    {names::kSafetyFactorLabel, caption::kLoadSafetyFactor, names::kSafetyFactorField,
     &TrafficInputs::loadSafetyFactor},
    {names::kYearsLabel, caption::kDesignPeriod, names::kYearsField, &TrafficInputs::designPeriod},
}};

// OK checks in its own order, which differs from the rows: (row index, range).
struct TrafficCheck {
    std::size_t row;
    FieldRange range;
};
constexpr std::array<TrafficCheck, 7> kChecks = {{
    {0, {"ADT", 1.0f, 1000000.0f}},  // vehicles/day
    {1, {"TD", 0.0f, 100.0f}},       // %
    {3, {"DD", 0.0f, 100.0f}},       // %
    {4, {"LD", 0.0f, 100.0f}},       // %
    {2, {"i", 0.0f, 100.0f}},        // % per year
    {6, {"Years", 1.0f, 50.0f}},
    {5, {"LSF", 1.0f, 1.3f}},
}};

}  // namespace

TrafficDialog::TrafficDialog(Workspace& workspace, Platform& platform, QWidget* parent)
    : InputDialog(workspace, platform, parent, names::kDialog, names::kTitle) {
    auto* grid = new QGridLayout;
    const QFont labelFont = serifFont(9, true);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const TrafficRow& row = kRows[i];
        QLabel* label = makeLabel(row.labelName, labelFont);
        label->setText(fromCore(row.caption));
        QLineEdit* edit = addValueField(row.fieldName, [this, member = row.text]() -> std::string& {
            return m_workspace.traffic().*member;
        });
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(edit, static_cast<int>(i), 1);
    }

    const auto [okButton, cancelButton] =
        addOkCancelButtons(names::kOk, names::kCancel, names::kCancelCaption);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addSpacing(8);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    refresh();
    rememberValues();
}

void TrafficDialog::ok() {
    // This OK is quick: no busy pointer.
    CheckInProgress checking(*this);
    for (const TrafficCheck& check : kChecks)
        checkField(check.row, check.range);

    bool accepted = true;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        accepted = accepted && fieldAcceptable(i);
    if (accepted) {
        rememberAllTexts();
        hide();
    } else {
        show();
        restoreAllTexts();
    }
}

void TrafficDialog::cancelEdits() {
    hide();
    restoreAllTexts();
}

}  // namespace zan
