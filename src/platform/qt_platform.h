#pragma once
// The desktop's own services behind Platform: Qt message boxes, file and print dialogs, the
// printer and the override cursor.

#include <map>
#include <memory>

#include "platform.h"

class QFileDialog;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace zan {

class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Answer showMessage(const Message& message) override;
    std::optional<QString> chooseOpenFile(const QString& filter) override;
    std::optional<QString> chooseSaveFile(const QString& filter,
                                          const QString& defaultSuffix = QString()) override;
    void rememberChosenFile(const QString& filter, const QString& path) override;
    std::optional<int> choosePrintCopies() override;
    Expected<Done, QString> printDocument(const QStringList& lines, int copies) override;
    void setBusy(bool busy) override;

    // The printer the print dialog set up, and that printDocument prints on.
    QPrinter& printer();

  private:
    std::optional<QString> chooseFile(const QString& filter, bool save,
                                      const QString& defaultSuffix);

    QString m_lastFileName;  // the last chosen in any file dialog, never reset
    // The last chosen for each filter: each kind of file keeps its own name.
    std::map<QString, QString> m_lastFileNames;
    std::unique_ptr<QPrinter> m_printer;  // made on first use
};

// "(*.DEF)|*.DEF" (description, bar, pattern) as a Qt name filter: "(*.DEF) (*.DEF)". Qt
// filters by the last parenthesised part; a dialog set up by setUpFileDialog shows only the
// description before it.
QString qtNameFilter(const QString& filter);

// The settings the open and save dialogs share: the filter, first entry selected, each entry
// shown by its description alone; the folder and name of `lastFileName`, when there is one.
void setUpFileDialog(QFileDialog& dialog, const QString& filter, const QString& lastFileName);

// The name a save dialog offers: the last chosen one; with a default suffix, that name with
// the suffix in place of its own ("heavy.DEF" becomes "heavy.pdf"), so that a PDF is never
// offered over the data file it was made from.
QString proposedSaveName(const QString& lastFileName, const QString& defaultSuffix);

// The name a file dialog with `filter` offers: the one last chosen with that filter, so that
// each kind of file (input data, report, PDF, image) keeps its own; before there is one, the
// last name chosen in any dialog with the filter's own extension ("design1.pdf" is offered
// as "design1.PRN" to "(*.PRN)|*.PRN"), or with `defaultSuffix` when one is given.
QString offeredFileName(const std::map<QString, QString>& lastByFilter, const QString& lastAny,
                        const QString& filter, const QString& defaultSuffix);

// Prints `lines` on `printer` as one document: one line per printed line in a fixed-pitch
// font, never wrapped, a new page when the page is full.
Expected<Done, QString> printLines(QPrinter& printer, const QStringList& lines);

// The same lines `copies` times on one device as one document, each copy from a new page.
Expected<Done, QString> printLines(QPagedPaintDevice& device, const QStringList& lines, int copies);

// Print to file: the copies as one PDF document on the page layout and resolution of
// `printer`, written to its output file through the core's safe write, so that a failure
// keeps any previous file. The error names the file and the reason.
Expected<Done, QString> printToPdfFile(const QPrinter& printer, const QStringList& lines,
                                       int copies);

}  // namespace zan
