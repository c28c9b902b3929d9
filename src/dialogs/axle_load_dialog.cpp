#include "axle_load_dialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "axle_load_dialog_names.h"
#include "field_tips.h"
#include "model/workspace.h"
#include "platform/core_text.h"
#include "platform/platform.h"

namespace zan {

namespace names = axleLoadDialogNames;

namespace {

// The four columns, left to right, which is also the order OK checks a row in; their ranges
// and tooltips are the core's.
struct AxleColumn {
    const char* arrayName;
    InputField field;
};
constexpr std::size_t kColumns = 4;
constexpr std::array<AxleColumn, kColumns> kAxleColumns = {{
    {names::kSingleLoads, InputField::SingleAxleLoad},
    {names::kSingleCounts, InputField::SingleAxleCount},
    {names::kTandemLoads, InputField::TandemAxleLoad},
    {names::kTandemCounts, InputField::TandemAxleCount},
}};

constexpr std::size_t kRows = static_cast<std::size_t>(kAxleRows);
constexpr std::size_t fieldIndex(std::size_t row, std::size_t column) {
    return row * kColumns + column;
}

}  // namespace

AxleLoadDialog::AxleLoadDialog(Workspace& workspace, Platform& platform, QWidget* parent)
    : InputDialog(workspace, platform, parent, names::kDialog, names::kTitle) {
    // The dialog edits its section from the moment it exists, in the units in force now.
    workspace.ensureAxles();
    auto* grid = new QGridLayout;
    createHeadings(*grid);
    createValueFields(*grid);
    const auto [okButton, cancelButton] =
        addOkCancelButtons(names::kOk, names::kCancel, names::kCancelCaption);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addSpacing(8);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    refresh();
    rememberValues();
}

QLabel* AxleLoadDialog::makeHeading(const char* name, const char* text) {
    QLabel* label = makeLabel(name, serifFont(9, true));
    label->setText(fromCore(caption::shown(text)));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void AxleLoadDialog::createHeadings(QGridLayout& grid) {
    // The load headings follow the unit system; refresh() writes them.
    m_singleHeading = makeHeading(names::kSingleHeading, "");
    m_tandemHeading = makeHeading(names::kTandemHeading, "");
    grid.addWidget(m_singleHeading, 0, 0, 1, 2);
    grid.addWidget(m_tandemHeading, 0, 2, 1, 2);
    grid.addWidget(makeHeading(names::kSingleLoadColumn, caption::kSingle), 1, 0);
    grid.addWidget(makeHeading(names::kSingleCountColumn, caption::kAxlesPer1000), 1, 1);
    grid.addWidget(makeHeading(names::kTandemLoadColumn, caption::kTandem), 1, 2);
    grid.addWidget(makeHeading(names::kTandemCountColumn, caption::kAxlesPer1000), 1, 3);
}

void AxleLoadDialog::createValueFields(QGridLayout& grid) {
    // Added row by row so that the tab order runs along each row.
    for (std::size_t row = 0; row < kRows; ++row) {
        for (std::size_t column = 0; column < kColumns; ++column) {
            const AxleColumn& c = kAxleColumns[column];
            const std::string name = std::string(c.arrayName) + "_" + std::to_string(row);
            QLineEdit* edit =
                addValueField(name.c_str(), [this, row, field = c.field]() -> std::string& {
                    return ensureInputText(m_workspace, field, row);
                });
            edit->setFixedWidth(
                QFontMetrics(edit->font()).horizontalAdvance(QStringLiteral("0")) * 8 + 12);
            grid.addWidget(edit, static_cast<int>(row) + 2, static_cast<int>(column));
        }
    }
    m_lastTandemRow = {m_fields[fieldIndex(kRows - 1, 2)].edit,
                       m_fields[fieldIndex(kRows - 1, 3)].edit};
}

void AxleLoadDialog::refresh() {
    const AxleInputs& axles = m_workspace.axles();
    const QString heading = fromCore(caption::shown(axles.loadHeading));
    m_singleHeading->setText(heading);
    m_tandemHeading->setText(heading);
    showFieldTexts();
    // A hidden row keeps its texts and is checked and restored like any other.
    for (QWidget* field : m_lastTandemRow)
        field->setVisible(axles.lastTandemRowShown);
    showTooltips();
}

void AxleLoadDialog::showTooltips() {
    // The load units, and with them the ranges, change when a data file switches the units.
    for (std::size_t column = 0; column < kColumns; ++column) {
        const QString tip =
            fromCore(fieldTooltip(kAxleColumns[column].field, m_workspace.unitSystem()));
        for (std::size_t row = 0; row < kRows; ++row)
            m_fields[fieldIndex(row, column)].edit->setToolTip(tip);
    }
}

void AxleLoadDialog::ok() {
    BusyPointer busy(m_platform);
    CheckInProgress checking(*this);
    const UnitSystem units = m_workspace.unitSystem();
    // All forty fields get their messages before anything is accepted.
    for (std::size_t row = 0; row < kRows; ++row)
        for (std::size_t column = 0; column < kColumns; ++column)
            checkField(fieldIndex(row, column),
                       inputRange(kAxleColumns[column].field).range(units));

    // Rows are accepted top down until the first invalid one, which alone goes back; the
    // rows below it stay as typed and unremembered, so a Cancel can still undo them.
    for (std::size_t row = 0; row < kRows; ++row) {
        bool valid = true;
        for (std::size_t column = 0; column < kColumns; ++column)
            valid = valid && fieldAcceptable(fieldIndex(row, column));
        if (!valid) {
            restoreTexts(fieldIndex(row, 0), kColumns);
            return;
        }
        rememberTexts(fieldIndex(row, 0), kColumns);
    }
    hide();
}

void AxleLoadDialog::cancelEdits() {
    hide();
    restoreAllTexts();
}

}  // namespace zan
