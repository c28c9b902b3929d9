#include "qt_platform.h"

#include <algorithm>

#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "commands/commands.h"
#include "platform/core_text.h"
#include "platform/fixed_font.h"

namespace zan {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

QPrinter& QtPlatform::printer() {
    // Made on first use: setting up a printer may ask the print system, which start-up
    // should not wait for.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

Answer QtPlatform::showMessage(const Message& message) {
    const QString title =
        fromCoreLines(message.title.empty() ? kApplicationShortName : message.title);
    QMessageBox box(qtIcon(message.icon), title, messageText(message.text, message.fileName),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);

    switch (message.buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.exec();
            return Answer::Ok;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            switch (box.exec()) {
                case QMessageBox::Yes:
                    return Answer::Yes;
                case QMessageBox::No:
                    return Answer::No;
                default:
                    return Answer::Cancel;
            }
        case Buttons::CancelTryAgainContinue: {
            // Qt has no standard "Try Again" or "Continue" button.
            QPushButton* cancel = box.addButton(QMessageBox::Cancel);
            QPushButton* tryAgain =
                box.addButton(QCoreApplication::translate("zan::QtPlatform", "&Try Again"),
                              QMessageBox::AcceptRole);
            QPushButton* carryOn =
                box.addButton(QCoreApplication::translate("zan::QtPlatform", "&Continue"),
                              QMessageBox::AcceptRole);
            box.setEscapeButton(cancel);
            box.exec();
            if (box.clickedButton() == tryAgain)
                return Answer::TryAgain;
            if (box.clickedButton() == carryOn)
                return Answer::Continue;
            return Answer::Cancel;
        }
    }
    return Answer::Cancel;
}

QString qtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + QLatin1String(" (") + parts[i + 1] + QLatin1Char(')');
    return entries.join(QLatin1String(";;"));
}

void setUpFileDialog(QFileDialog& dialog, const QString& filter, const QString& lastFileName) {
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(qtNameFilter(filter));
    if (lastFileName.isEmpty())
        return;
    // A folder removed since is left to the dialog's own choice; the name is still offered.
    const QFileInfo last(lastFileName);
    if (last.absoluteDir().exists())
        dialog.setDirectory(last.absolutePath());
    dialog.selectFile(last.fileName());
}

std::optional<QString> QtPlatform::chooseFile(const QString& filter, bool save,
                                              const QString& defaultSuffix) {
    QFileDialog dialog(QApplication::activeWindow());
    // Open accepts only a file that exists; save asks before overwriting and adds no
    // extension to a typed name.
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // With a default suffix the dialog adds it to a typed name before it asks about
    // overwriting, so it asks about the right file; the name offered takes that suffix, so a
    // PDF is never offered over the data file it was made from.
    setUpFileDialog(dialog, filter,
                    offeredFileName(m_lastFileNames, m_lastFileName, filter, defaultSuffix));
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_lastFileName = dialog.selectedFiles().front();
    m_lastFileNames[filter] = m_lastFileName;
    return m_lastFileName;
}

std::optional<QString> QtPlatform::chooseOpenFile(const QString& filter) {
    return chooseFile(filter, false, QString());
}

QString proposedSaveName(const QString& lastFileName, const QString& defaultSuffix) {
    const QFileInfo last(lastFileName);
    if (lastFileName.isEmpty() || defaultSuffix.isEmpty() ||
        last.suffix().compare(defaultSuffix, Qt::CaseInsensitive) == 0)
        return lastFileName;
    const QString base = last.suffix().isEmpty()
                             ? lastFileName
                             : lastFileName.left(lastFileName.size() - last.suffix().size() - 1);
    return base + QLatin1Char('.') + defaultSuffix;
}

QString offeredFileName(const std::map<QString, QString>& lastByFilter, const QString& lastAny,
                        const QString& filter, const QString& defaultSuffix) {
    if (const auto own = lastByFilter.find(filter); own != lastByFilter.end())
        return own->second;
    if (!defaultSuffix.isEmpty())
        return proposedSaveName(lastAny, defaultSuffix);
    // The extension of the filter's first pattern: "(*.PRN)|*.PRN" gives "PRN".
    const QString pattern = filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0);
    const qsizetype dot = pattern.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : pattern.mid(dot + 1);
    if (extension.isEmpty() || extension.contains(QLatin1Char('*')))
        return lastAny;
    return proposedSaveName(lastAny, extension);
}

std::optional<QString> QtPlatform::chooseSaveFile(const QString& filter,
                                                  const QString& defaultSuffix) {
    return chooseFile(filter, true, defaultSuffix);
}

void QtPlatform::rememberChosenFile(const QString& filter, const QString& path) {
    m_lastFileName = m_lastFileNames[filter] = path;
}

std::optional<int> QtPlatform::choosePrintCopies() {
    QPrintDialog dialog(&printer(), QApplication::activeWindow());
    // No page range, no selection. Print to file stays: on a machine without a printer it is
    // the only way to print.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int copies = printer().copyCount();
    // Every copy is printed as a document of its own, so the printer must not multiply them.
    printer().setCopyCount(1);
    return copies;
}

Expected<Done, QString> QtPlatform::printDocument(const QStringList& lines, int copies) {
    if (copies <= 0)
        return Done{};
    QPrinter& target = printer();
    if (target.outputFormat() == QPrinter::PdfFormat && !target.outputFileName().isEmpty())
        return printToPdfFile(target, lines, copies);
    // Each copy is a print job of its own.
    for (int copy = 0; copy < copies; ++copy)
        if (auto printed = printLines(target, lines); !printed)
            return printed;
    return Done{};
}

namespace {

// One copy from the top of a page: one line per printed line, a new page when it is full.
Expected<Done, QString> drawLines(QPainter& painter, QPagedPaintDevice& device,
                                  const QStringList& lines) {
    const QFontMetricsF metrics = painter.fontMetrics();
    const qreal lineHeight = metrics.lineSpacing();
    const int linesPerPage = std::max(1, static_cast<int>(painter.device()->height() / lineHeight));
    int row = 0;
    for (const QString& line : lines) {
        if (row == linesPerPage) {
            if (!device.newPage())
                return failure(QCoreApplication::translate(
                    "zan::QtPlatform", "The printer could not start a new page."));
            row = 0;
        }
        // Drawn at a point, so a long line runs off the page instead of wrapping.
        if (!line.isEmpty())
            painter.drawText(QPointF(0, row * lineHeight + metrics.ascent()), line);
        ++row;
    }
    return Done{};
}

}  // namespace

Expected<Done, QString> printLines(QPrinter& printer, const QStringList& lines) {
    auto printed = printLines(static_cast<QPagedPaintDevice&>(printer), lines, 1);
    if (printed && printer.printerState() == QPrinter::Error)
        return failure(
            QCoreApplication::translate("zan::QtPlatform", "The printer reported an error."));
    return printed;
}

Expected<Done, QString> printLines(QPagedPaintDevice& device, const QStringList& lines,
                                   int copies) {
    QPainter painter;
    if (!painter.begin(&device))
        return failure(
            QCoreApplication::translate("zan::QtPlatform", "The printer could not be started."));

    // A 75-column report line fits a Letter or A4 page at 10 pt.
    painter.setFont(fixedPitchFont(10));
    for (int copy = 0; copy < copies; ++copy) {
        Expected<Done, QString> drawn = Done{};
        if (copy > 0 && !device.newPage())
            drawn = failure(QCoreApplication::translate("zan::QtPlatform",
                                                        "The printer could not start a new page."));
        else
            drawn = drawLines(painter, device, lines);
        if (!drawn) {
            painter.end();
            return drawn;
        }
    }
    if (!painter.end())
        return failure(
            QCoreApplication::translate("zan::QtPlatform", "The printer reported an error."));
    return Done{};
}

Expected<Done, QString> printToPdfFile(const QPrinter& printer, const QStringList& lines,
                                       int copies) {
    const QString file = printer.outputFileName();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setCreator(fromCore(kMainWindowTitle));
        if (auto printed = printLines(writer, lines, copies); !printed)
            return printed;
    }
    const auto written =
        writeFileSafely(toCorePath(file),
                        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        toCore(QDir::toNativeSeparators(file)));
    if (!written)
        return failure(fromCore(written.error()));
    return Done{};
}

void QtPlatform::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace zan
