#include "dialogs/project_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "commands/commands.h"
#include "model/workspace.h"
#include "platform/latin1.h"
#include "platform/platform.h"
#include "platform/window_placement.h"

namespace zan {
namespace {

namespace names = projectDialogNames;

constexpr int kFieldCharacters = 48;

// The workspace's texts in the order of the fields.
std::array<std::string ProjectInfo::*, names::kFields.size()> projectFields() {
    return {&ProjectInfo::project,  &ProjectInfo::location, &ProjectInfo::client,
            &ProjectInfo::designer, &ProjectInfo::checker,  &ProjectInfo::revision,
            &ProjectInfo::notes};
}

// One line each: a pasted line end would end the text in the input data file, so it becomes
// a blank, as in the other input fields.
std::string oneLine(const QString& typed) {
    QString text = typed;
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return toCore(text);
}

}  // namespace

ProjectDialog::ProjectDialog(Workspace& workspace, Platform& platform, QWidget* parent)
    : QDialog(parent), m_workspace(workspace), m_platform(platform) {
    setObjectName(QLatin1String(names::kDialog));
    setWindowTitle(tr(names::kTitle));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        m_edits[i] = new QLineEdit(this);
        m_edits[i]->setObjectName(QLatin1String(names::kFields[i].name));
        // Not the line edit's 32767 characters: a longer text would be cut without a word.
        m_edits[i]->setMaxLength(static_cast<int>(kMaxInputDataFileBytes));
        m_edits[i]->setMinimumWidth(m_edits[i]->fontMetrics().horizontalAdvance(QLatin1Char('x')) *
                                    kFieldCharacters);
        form->addRow(tr(names::kFields[i].caption), m_edits[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QLatin1String(names::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QLatin1String(names::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectDialog::ok);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ProjectDialog::open() {
    const auto fields = projectFields();
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setText(fromCore(m_workspace.project().*fields[i]));
    adjustSize();
    showCentred(*this);
    raise();
    activateWindow();
}

void ProjectDialog::ok() {
    // The lines of the file that the dialog does not show stay as they are.
    ProjectInfo project = m_workspace.project();
    const auto fields = projectFields();
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        project.*fields[i] = oneLine(m_edits[i]->text());
    Workspace saved = m_workspace;
    saved.setProject(project);
    if (const auto tooLong = projectTooLong(saved)) {
        m_platform.showMessage({.text = *tooLong, .title = "", .icon = Icon::None});
        return;
    }
    const bool changed = project != m_workspace.project();
    m_workspace.setProject(project);
    accept();
    if (changed)
        emit projectChanged();
}

}  // namespace zan
