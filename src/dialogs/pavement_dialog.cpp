#include "pavement_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "field_tips.h"
#include "model/workspace.h"
#include "pavement_dialog_names.h"
#include "platform/core_text.h"
#include "platform/platform.h"

namespace zan {

namespace names = pavementDialogNames;

namespace {

enum Field : std::size_t { kThickness, kSubgrade, kRupture };

// The value fields in the order OK checks them; their ranges and tooltips are the core's.
constexpr std::array<InputField, 3> kPavementFields = {
    InputField::TrialThickness, InputField::SubgradeModulus, InputField::ModulusOfRupture};

constexpr const char* kShoulderTooltip = QT_TRANSLATE_NOOP(
    "zan::PavementDialog",
    "Concrete shoulder: Yes when a tied concrete shoulder supports the slab edge, No for "
    "asphalt, granular or untied shoulders.");
constexpr const char* kDowelTooltip = QT_TRANSLATE_NOOP(
    "zan::PavementDialog",
    "Doweled joints: Yes when the transverse joints carry dowel bars, No when load transfer "
    "is by aggregate interlock only.");

}  // namespace

PavementDialog::PavementDialog(Workspace& workspace, Platform& platform, QWidget* parent)
    : InputDialog(workspace, platform, parent, names::kDialog, names::kTitle) {
    // The dialog edits its section from the moment it exists, in the units in force now.
    workspace.ensurePavement();
    createLayout();
    refresh();
    rememberValues();
}

void PavementDialog::createLayout() {
    // The controls are made in tab order: the fields, the option pairs, then the buttons.
    QGridLayout* fields = createValueFields();
    auto* frames = new QHBoxLayout;
    frames->addWidget(createOptionPair({names::kShoulderFrame, caption::kShoulderFrame,
                                        names::kShoulderYes, names::kShoulderNo, kShoulderTooltip},
                                       m_shoulderYes, m_shoulderNo));
    frames->addWidget(createOptionPair({names::kDowelFrame, caption::kDowelFrame, names::kDowelYes,
                                        names::kDowelNo, kDowelTooltip},
                                       m_dowelYes, m_dowelNo));
    fields->addLayout(frames, 3, 0, 1, 2);
    connectOptions();

    const auto [okButton, cancelButton] =
        addOkCancelButtons(names::kOk, names::kCancel, names::kCancelCaption);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto* top = new QHBoxLayout(this);
    top->addLayout(fields);
    top->addSpacing(12);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

QGridLayout* PavementDialog::createValueFields() {
    const QFont labelFont = serifFont(10.5, true);
    m_thicknessLabel = makeLabel(names::kThicknessLabel, labelFont);
    m_subgradeLabel = makeLabel(names::kSubgradeLabel, labelFont);
    m_ruptureLabel = makeLabel(names::kRuptureLabel, labelFont);
    const auto field = [this](const char* name, InputField input) {
        return addValueField(name, [this, input]() -> std::string& {
            return ensureInputText(m_workspace, input, 0);
        });
    };
    QLineEdit* thickness = field(names::kThicknessField, InputField::TrialThickness);
    QLineEdit* subgrade = field(names::kSubgradeField, InputField::SubgradeModulus);
    QLineEdit* rupture = field(names::kRuptureField, InputField::ModulusOfRupture);

    auto* fields = new QGridLayout;
    fields->addWidget(m_thicknessLabel, 0, 0);
    fields->addWidget(thickness, 0, 1);
    fields->addWidget(m_subgradeLabel, 1, 0);
    fields->addWidget(subgrade, 1, 1);
    fields->addWidget(m_ruptureLabel, 2, 0);
    fields->addWidget(rupture, 2, 1);
    return fields;
}

QGroupBox* PavementDialog::createOptionPair(const OptionPair& pair, QRadioButton*& yes,
                                            QRadioButton*& no) {
    auto* frame = new QGroupBox(fromCore(caption::shown(pair.caption)), this);
    frame->setObjectName(QLatin1String(pair.frameName));
    frame->setFont(serifFont(9.75, true));
    frame->setToolTip(tr(pair.tooltip));
    yes = new QRadioButton(fromCore(caption::shown(caption::kYes)), frame);
    no = new QRadioButton(fromCore(caption::shown(caption::kNo)), frame);
    yes->setObjectName(QLatin1String(pair.yesName));
    no->setObjectName(QLatin1String(pair.noName));
    for (QRadioButton* option : {yes, no}) {
        option->setFont(serifFont(12, false));
        option->setToolTip(frame->toolTip());
    }
    auto* box = new QHBoxLayout(frame);
    box->addWidget(yes);
    box->addWidget(no);
    return frame;
}

void PavementDialog::connectOptions() {
    // The Yes button of each pair carries the state; its partner follows by exclusion.
    connect(m_shoulderYes, &QRadioButton::toggled, this,
            [this](bool on) { m_workspace.ensurePavement().concreteShoulder = on; });
    connect(m_dowelYes, &QRadioButton::toggled, this,
            [this](bool on) { m_workspace.ensurePavement().doweledJoints = on; });
    // Only a click is the user's; a refresh toggles the buttons too.
    for (QRadioButton* button : {m_shoulderYes, m_shoulderNo, m_dowelYes, m_dowelNo})
        connect(button, &QRadioButton::clicked, this, &InputDialog::inputsEdited);
}

void PavementDialog::refresh() {
    const PavementInputs& p = m_workspace.pavement();
    m_thicknessLabel->setText(fromCore(caption::shown(p.thicknessCaption)));
    m_subgradeLabel->setText(fromCore(caption::shown(p.subgradeModulusCaption)));
    m_ruptureLabel->setText(fromCore(caption::shown(p.modulusOfRuptureCaption)));
    showFieldTexts();
    showOptionStates();
    showTooltips();
}

void PavementDialog::showTooltips() {
    // The units, and with them the ranges, change when a data file switches the unit system.
    const std::array<QLabel*, 3> labels = {m_thicknessLabel, m_subgradeLabel, m_ruptureLabel};
    for (std::size_t i = 0; i < kPavementFields.size(); ++i) {
        const QString tip = fromCore(fieldTooltip(kPavementFields[i], m_workspace.unitSystem()));
        m_fields[i].edit->setToolTip(tip);
        labels[i]->setToolTip(tip);
    }
}

void PavementDialog::showOptionStates() {
    const PavementInputs& p = m_workspace.pavement();
    // An exclusive button cannot be unchecked directly; checking its partner clears it.
    (p.concreteShoulder ? m_shoulderYes : m_shoulderNo)->setChecked(true);
    (p.doweledJoints ? m_dowelYes : m_dowelNo)->setChecked(true);
}

void PavementDialog::rememberValues() {
    rememberAllTexts();
    m_rememberedShoulder = m_workspace.pavement().concreteShoulder;
    m_rememberedDowels = m_workspace.pavement().doweledJoints;
}

void PavementDialog::ok() {
    BusyPointer busy(m_platform);
    CheckInProgress checking(*this);
    const UnitSystem units = m_workspace.unitSystem();
    // Every field gets its own messages, even after an invalid one.
    for (std::size_t i = 0; i < kPavementFields.size(); ++i)
        checkField(i, inputRange(kPavementFields[i]).range(units));

    if (fieldAcceptable(kThickness) && fieldAcceptable(kSubgrade) && fieldAcceptable(kRupture)) {
        rememberAllTexts();
        hide();
    } else {
        // Refused: all three fields go back, the good ones too, and the dialog stays open.
        show();
        restoreAllTexts();
    }
    // The option states count as confirmed either way.
    m_rememberedShoulder = m_workspace.pavement().concreteShoulder;
    m_rememberedDowels = m_workspace.pavement().doweledJoints;
}

void PavementDialog::cancelEdits() {
    hide();
    restoreAllTexts();
    PavementInputs& p = m_workspace.ensurePavement();
    p.concreteShoulder = m_rememberedShoulder;
    p.doweledJoints = m_rememberedDowels;
    showOptionStates();
}

}  // namespace zan
