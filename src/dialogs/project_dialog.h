#pragma once
// Edit > Project Information...: who and what the design is for, seven one-line texts that the
// input data file keeps and the memo's first page prints. The texts go into the workspace on
// OK; Cancel leaves it as it was.

#include <QDialog>
#include <array>

#include "model/project_fields.h"

class QLineEdit;

namespace zan {

class Workspace;

namespace projectDialogNames {
inline constexpr const char* kDialog = "frmProjectInfo";
inline constexpr const char* kTitle = kProjectInformationTitle;
inline constexpr const char* kOk = "cmdProjectOk";
inline constexpr const char* kCancel = "cmdProjectCancel";
// The fields in the order of kProjectFields (model/project_fields.h), whose captions they
// show, with the position of each caption's shortcut letter.
struct Field {
    const char* name;
    int mnemonic;
};
inline constexpr std::array<Field, 7> kFields = {{
    {"txtProject", 0},
    {"txtLocation", 0},
    {"txtClient", 1},
    {"txtDesigner", 0},
    {"txtChecker", 1},
    {"txtRevision", 0},
    {"txtNotes", 0},
}};
}  // namespace projectDialogNames

class ProjectDialog : public QDialog {
    Q_OBJECT

  public:
    ProjectDialog(Workspace& workspace, QWidget* parent);

    // Shows the workspace's texts, centred and raised.
    void open();

  signals:
    // OK wrote texts that differ from those the workspace held.
    void projectChanged();

  private:
    void ok();

    Workspace& m_workspace;
    std::array<QLineEdit*, projectDialogNames::kFields.size()> m_edits{};
};

}  // namespace zan
