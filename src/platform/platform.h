#pragma once
// Everything the windows need from the desktop that a test must be able to script: message
// boxes, file and print dialogs, the printer and the busy pointer. The program uses QtPlatform;
// the GUI tests use a fake that records every call and answers from a queue.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/expected.h"
#include "model/message.h"

namespace zan {

enum class Answer { Ok, Yes, No, Cancel, TryAgain, Continue };

class Platform {
  public:
    virtual ~Platform() = default;

    // Modal. A message without a title shows the application's short name. Texts are Latin-1
    // byte strings as the core makes them.
    virtual Answer showMessage(const Message& message) = 0;

    // `filter` is given as "(*.DEF)|*.DEF": description, bar, pattern. The last chosen file
    // name is remembered across all file dialogs. Nothing when the user cancels. A typed save
    // name without an extension gets `defaultSuffix` ("pdf") when one is given, before the
    // dialog asks about replacing an existing file; without one the name stays as typed.
    virtual std::optional<QString> chooseOpenFile(const QString& filter) = 0;
    virtual std::optional<QString> chooseSaveFile(const QString& filter,
                                                  const QString& defaultSuffix = QString()) = 0;
    // A file the program opened without a dialog (named at start-up, dropped on the window)
    // counts as chosen in the dialog of `filter`: the next dialog offers its name.
    virtual void rememberChosenFile(const QString& filter, const QString& path) = 0;

    // The print dialog: the number of copies, or nothing when the user cancels. Besides the
    // printers it offers printing into a PDF file.
    virtual std::optional<int> choosePrintCopies() = 0;
    // Prints `lines` `copies` times on the printer chosen last, in a fixed-pitch font: on a
    // printer each copy is a document of its own; into a PDF file the copies follow one
    // another in the one file, each from a new page. Nothing is printed for no copies. The
    // error says what the printer (or the file) did wrong; it ends the copies.
    virtual Expected<Done, QString> printDocument(const QStringList& lines, int copies) = 0;

    virtual void setBusy(bool busy) = 0;
};

// Shows the busy pointer for the lifetime of the guard.
class BusyPointer {
  public:
    explicit BusyPointer(Platform& platform) : m_platform(platform) { m_platform.setBusy(true); }
    ~BusyPointer() { m_platform.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Platform& m_platform;
};

}  // namespace zan
