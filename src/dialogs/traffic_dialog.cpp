#include "traffic_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "field_tips.h"
#include "model/input_ranges.h"
#include "model/workspace.h"
#include "platform/core_text.h"
#include "traffic_dialog_names.h"

namespace zan {

namespace names = trafficDialogNames;

namespace {

// The rows top to bottom: the input, its label and its value field. The caption, the text it
// edits, the tooltip and the range are the core's (model/input_ranges.h).
struct TrafficRow {
    InputField field;
    const char* labelName;
    const char* fieldName;
};
constexpr std::array<TrafficRow, 7> kRows = {{
    {InputField::AverageDailyTraffic, names::kTrafficLabel, names::kTrafficField},
    {InputField::TruckPercent, names::kTrucksLabel, names::kTrucksField},
    {InputField::GrowthPercent, names::kGrowthLabel, names::kGrowthField},
    {InputField::DirectionPercent, names::kDirectionLabel, names::kDirectionField},
    {InputField::LanePercent, names::kLaneLabel, names::kLaneField},
    {InputField::LoadSafetyFactor, names::kSafetyFactorLabel, names::kSafetyFactorField},
    {InputField::DesignPeriod, names::kYearsLabel, names::kYearsField},
}};

// The row of a field; OK checks in the core table's order, which differs from the rows.
std::size_t rowOf(InputField field) {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (kRows[i].field == field)
            return i;
    return kRows.size();
}

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
        label->setText(fromCore(caption::shown(inputRange(row.field).caption)));
        QLineEdit* edit = addValueField(row.fieldName, [this, field = row.field]() -> std::string& {
            return ensureInputText(m_workspace, field, 0);
        });
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(edit, static_cast<int>(i), 1);
    }
    // Nothing here depends on the unit system, so the tooltips never change.
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const QString tip = fromCore(fieldTooltip(kRows[i].field, UnitSystem::English));
        m_fields[i].edit->setToolTip(tip);
        labels[i]->setToolTip(tip);
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
    for (const InputRange& entry : inputRanges())
        if (entry.trafficText)
            checkField(rowOf(entry.field), entry.range(UnitSystem::English));

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
