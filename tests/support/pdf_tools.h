#pragma once
// Reading a PDF back as its reader would, with poppler-utils: its text laid out as on the page
// (pdftotext -layout), its page facts (pdfinfo) and its embedded images (pdfimages). Each
// gives nothing when the tool is not installed, and the test then skips what it needs.

#include <QString>
#include <QStringList>
#include <optional>

namespace zan::test {

// The standard output of `tool arguments...`, or nothing when the tool is missing or fails.
std::optional<QString> runTool(const QString& tool, const QStringList& arguments);

std::optional<QString> pdfText(const QString& pdf);
// The text page by page.
std::optional<QStringList> pdfPageTexts(const QString& pdf);
std::optional<QString> pdfInfo(const QString& pdf);

// Non-blank lines with their runs of blanks made single: pdftotext places columns by
// position, so only the words and their order can be compared.
QStringList squeezedLines(const QString& text);

}  // namespace zan::test
