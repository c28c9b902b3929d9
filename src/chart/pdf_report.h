#pragma once
// File > Export PDF: the design memo an engineer hands in. Every page has a small header
// (program, the input data file, date and time) and "page N of M" at the foot; the pages hold
// the report exactly as Save Report writes it, in a fixed-pitch font sized so that its
// longest line fits; the charts of the damage chart window, drawn by the same plots as
// vectors, with the design alternatives; and the calculation details of the last run.
//
// The memo is written from one run alone; it analyses and searches nothing. The date, the
// file name and the page size come in the options, so that a test gets the same document
// every time.

#include <QByteArray>
#include <QDateTime>
#include <QPageSize>
#include <QString>

#include "model/expected.h"

class QLocale;

namespace zan {

class Run;
class Workspace;

struct PdfReportOptions {
    QString inputFile;  // the .DEF file the inputs came from, as shown; empty when none
    QDateTime created;
    QPageSize pageSize{QPageSize::A4};
    // The inputs have changed since the run: every page says so, with the run's time.
    bool inputsChanged = false;
};

// Letter where the locale's measurement system is the US one or the country prints on
// Letter paper (Canada, Mexico, the Philippines and others of the Americas); A4 elsewhere.
QPageSize pageSizeFor(const QLocale& locale);

// The PDF file's bytes, written from the run alone (its inputs, report, verdict, warnings,
// charts and details), or the message saying why the pages could not be laid out or drawn.
Expected<QByteArray, QString> buildPdfReport(const Run& run, const PdfReportOptions& options);

// The memo of the workspace's document run (commands.h: the last run, or the current inputs
// before any), marked on every page when the inputs have changed since. Creates the input
// sections as Save Report does, and so locks the unit choice.
Expected<QByteArray, QString> buildPdfReport(Workspace& workspace, const PdfReportOptions& options);

// File > Export PDF after its file dialog: creates the input sections as Save Report does
// (and so locks the unit choice), builds the memo and writes it to `path` through the core's
// safe write, so that a failure keeps any previous file. The error names the file as chosen
// and the reason, or is the report's own message.
Expected<Done, QString> exportPdfReport(Workspace& workspace, const QString& path,
                                        const PdfReportOptions& options);

}  // namespace zan
