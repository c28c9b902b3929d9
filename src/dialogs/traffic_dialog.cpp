#include "traffic_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "field_tips.h"
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

// OK checks in the core table's order, which differs from the rows: the row of each field.
// The ranges, and so the tooltips, are the same in both unit systems.
struct TrafficCheck {
    std::size_t row;
    InputField field;
};
constexpr std::array<TrafficCheck, 7> kChecks = {{
    {0, InputField::AverageDailyTraffic},
    {1, InputField::TruckPercent},
    {3, InputField::DirectionPercent},
    {4, InputField::LanePercent},
    {2, InputField::GrowthPercent},
    {6, InputField::DesignPeriod},
    {5, InputField::LoadSafetyFactor},
}};

}  // namespace

TrafficDialog::TrafficDialog(Workspace& workspace, Platform& platform, QWidget* parent)
    : InputDialog(workspace, platform, parent, names::kDialog, names::kTitle) {
    // The dialog edits its section from the moment it exists.
    workspace.ensureTraffic();
    auto* grid = new QGridLayout;
    const QFont labelFont = serifFont(9, true);
    std::array<QLabel*, kRows.size()> labels{};
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const TrafficRow& row = kRows[i];
        QLabel* label = labels[i] = makeLabel(row.labelName, labelFont);
        label->setText(fromCore(row.caption));
        QLineEdit* edit = addValueField(row.fieldName, [this, member = row.text]() -> std::string& {
            return m_workspace.ensureTraffic().*member;
        });
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(edit, static_cast<int>(i), 1);
    }
    // Nothing here depends on the unit system, so the tooltips never change.
    for (const TrafficCheck& check : kChecks) {
        const QString tip = fromCore(fieldTooltip(check.field, UnitSystem::English));
        m_fields[check.row].edit->setToolTip(tip);
        labels[check.row]->setToolTip(tip);
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
        checkField(check.row, inputRange(check.field).range(UnitSystem::English));

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
