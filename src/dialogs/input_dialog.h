#pragma once
// What the three input dialogs share: the workspace they show, the value fields bound to its
// texts, the values remembered for Cancel, and the activation rule that refreshes them.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "range_check.h"

class QFont;
class QLabel;
class QLineEdit;

class QPushButton;

namespace zan {

class Platform;
class Workspace;

class InputDialog : public QDialog {
    Q_OBJECT

  public:
    // Shows every text, caption and state the workspace holds now.
    virtual void refresh() = 0;

    // Centres the dialog on its screen by its outer size, shows it modeless and raises it.
    void showCentred();

  signals:
    // The user changed an input: a keystroke, an option, or an OK or Cancel that wrote texts.
    // Not emitted when a command refreshes the dialog from the workspace.
    void inputsEdited();

  protected:
    InputDialog(Workspace& workspace, Platform& platform, QWidget* parent, const char* objectName,
                const char* title);

    // The value fields, in the order they were added. `text` reaches the workspace string the
    // field edits; it is called anew each time because the workspace owns the section.
    struct ValueField {
        QLineEdit* edit;
        std::function<std::string&()> text;
    };

    QLineEdit* addValueField(const char* objectName, std::function<std::string&()> text);
    QLabel* makeLabel(const char* objectName, const QFont& font);
    void showFieldTexts();
    void writeField(std::size_t index, const std::string& text);
    // Runs the range check on field `index` and writes the result back.
    void checkField(std::size_t index, const FieldRange& range);
    bool fieldAcceptable(std::size_t index) const;

    void rememberTexts(std::size_t first, std::size_t count);
    void restoreTexts(std::size_t first, std::size_t count);
    void rememberAllTexts() { rememberTexts(0, m_fields.size()); }
    void restoreAllTexts() { restoreTexts(0, m_fields.size()); }

    // The values Cancel returns to; taken at every activation.
    virtual void rememberValues() = 0;
    virtual void cancelEdits() = 0;
    virtual void ok() = 0;

    struct OkCancel {
        QPushButton* ok;
        QPushButton* cancel;
    };
    // The dialog's OK and Cancel buttons, wired to ok() and cancelEdits().
    OkCancel addOkCancelButtons(const char* okName, const char* cancelName,
                                const char* cancelCaption);

    // Marks an OK handler in progress: its own message boxes take the activation away from
    // the dialog and give it back, which is not the user returning to the dialog.
    class CheckInProgress {
      public:
        explicit CheckInProgress(InputDialog& dialog) : m_dialog(dialog) { ++dialog.m_checking; }
        ~CheckInProgress() { --m_dialog.m_checking; }
        CheckInProgress(const CheckInProgress&) = delete;
        CheckInProgress& operator=(const CheckInProgress&) = delete;

      private:
        InputDialog& m_dialog;
    };

    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape and the title bar's close button act like Cancel: the dialog only ever hides.
    void reject() override {
        cancelEdits();
        emit inputsEdited();
    }

    Workspace& m_workspace;
    Platform& m_platform;
    std::vector<ValueField> m_fields;

  private:
    std::vector<std::string> m_rememberedTexts;
    int m_checking = 0;
    // Set when the dialog lost the activation to one of its OK handler's message boxes or to
    // another application: coming back from there only resumes the activation it had.
    bool m_resuming = false;
};

// The fonts of the dialogs' controls. The family names are those the layouts were designed
// with; where they are missing, fontconfig substitutes a similar face.
QFont serifFont(double points, bool bold);
QFont valueFieldFont();
QFont buttonFont();

}  // namespace zan
