#pragma once
// Edit > Project Information...: who and what the design is for, seven one-line texts that the
// input data file keeps and the memo's first page prints. The texts go into the workspace on
// OK; Cancel leaves it as it was. A field takes as much text as an input data file can hold;
// OK refuses texts too long for the file together, saying so, and keeps them in the fields.

#include <QDialog>
#include <QtGlobal>
#include <array>

#include "model/project_fields.h"

class QLineEdit;

namespace zan {

class Platform;
class Workspace;

namespace projectDialogNames {
inline constexpr const char* kDialog = "frmProjectInfo";
inline constexpr const char* kTitle =
    QT_TRANSLATE_NOOP("zan::ProjectDialog", "Project Information");
inline constexpr const char* kOk = "cmdProjectOk";
inline constexpr const char* kCancel = "cmdProjectCancel";
// The fields in the order of kProjectFields (model/project_fields.h), with their captions
// and shortcut letters.
struct Field {
    const char* name;
    const char* caption;
};
inline constexpr std::array<Field, 7> kFields = {{
    {"txtProject", QT_TRANSLATE_NOOP("zan::ProjectDialog", "&Project:")},
    {"txtLocation", QT_TRANSLATE_NOOP("zan::ProjectDialog", "&Location:")},
    {"txtClient", QT_TRANSLATE_NOOP("zan::ProjectDialog", "C&lient:")},
    {"txtDesigner", QT_TRANSLATE_NOOP("zan::ProjectDialog", "&Designer:")},
    {"txtChecker", QT_TRANSLATE_NOOP("zan::ProjectDialog", "C&hecker:")},
    {"txtRevision", QT_TRANSLATE_NOOP("zan::ProjectDialog", "&Revision:")},
    {"txtNotes", QT_TRANSLATE_NOOP("zan::ProjectDialog", "&Notes:")},
}};
}  // namespace projectDialogNames

class ProjectDialog : public QDialog {
    Q_OBJECT

  public:
    ProjectDialog(Workspace& workspace, Platform& platform, QWidget* parent);

    // Shows the workspace's texts, centred and raised.
    void open();

  signals:
    // OK wrote texts that differ from those the workspace held.
    void projectChanged();

  private:
    void ok();

    Workspace& m_workspace;
    Platform& m_platform;
    std::array<QLineEdit*, projectDialogNames::kFields.size()> m_edits{};
};

}  // namespace zan
