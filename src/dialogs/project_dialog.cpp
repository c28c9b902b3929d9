#include "dialogs/project_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "commands/commands.h"
#include "model/project_fields.h"
#include "model/workspace.h"
#include "platform/core_text.h"
#include "platform/platform.h"
#include "platform/window_placement.h"

namespace zan {
namespace {

namespace names = projectDialogNames;

constexpr int kFieldCharacters = 48;

static_assert(names::kFields.size() == kProjectFields.size());

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
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->setText(fromCore(m_workspace.project().*kProjectFields[i].text));
    adjustSize();
    showCentred(*this);
    raise();
    activateWindow();
}

void ProjectDialog::ok() {
    // The lines of the file that the dialog does not show stay as they are.
    ProjectInfo project = m_workspace.project();
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        project.*kProjectFields[i].text = projectLine(toCore(m_edits[i]->text()));
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
