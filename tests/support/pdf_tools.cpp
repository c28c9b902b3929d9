#include "pdf_tools.h"

#include <QProcess>
#include <QStandardPaths>

namespace zan::test {

std::optional<QString> runTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<QString> pdfText(const QString& pdf) {
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
}

std::optional<QStringList> pdfPageTexts(const QString& pdf) {
    std::optional<QString> text = pdfText(pdf);
    if (!text)
        return std::nullopt;
    // Every page ends in a form feed.
    QStringList pages = text->split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

std::optional<QString> pdfInfo(const QString& pdf) {
    return runTool(QStringLiteral("pdfinfo"), {pdf});
}

QStringList squeezedLines(const QString& text) {
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString squeezed = line.simplified();
        squeezed.remove(QLatin1Char('\f'));
        if (!squeezed.isEmpty())
            out << squeezed;
    }
    return out;
}

}  // namespace zan::test
