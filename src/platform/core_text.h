#pragma once
// The one bridge between the core's texts and Qt's. The core keeps every text as UTF-8 (its
// files are Windows-1252, converted where they are read and written) and breaks lines with
// CR LF as those files do; the windows work with QString, and a label, message box or text
// box breaks lines on a plain line feed. File names are the exception: the core opens them by
// the file system's own bytes.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "model/text_encoding.h"

namespace zan {

// A text of the core's catalogue in the language in force.
inline QString fromCatalogue(std::string_view context, std::string_view text) {
    const std::string shown = catalogue::translate(context, text);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

inline QString fromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every character as it is: the core holds any text.
inline std::string toCore(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A typed input text as the input data file can hold it: a character Windows-1252 has no byte
// for becomes '?' (the dialog then shows what is kept).
inline std::string toInputText(const QString& text) {
    return textEncoding::fromWindows1252(textEncoding::toWindows1252(toCore(text), '?'));
}

// CR LF as a line feed; a lone CR or LF stays as it is.
inline QString withLineFeeds(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A core text as a label, message box or text box shows it.
inline QString fromCoreLines(std::string_view text) {
    return withLineFeeds(fromCore(text));
}

// A core text's lines without their CR LF; a text that ends with one makes no extra line.
inline QStringList fromCoreLineList(std::string_view text) {
    QStringList lines = fromCore(text).split(QLatin1String("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// A path as the core's file functions take it: the file system's bytes, or UTF-8 on Windows,
// where the core speaks UTF-16 to the system itself (commands/file_system.h) and Qt's 8-bit
// names would be the ANSI code page's.
inline std::string toCorePath(const QString& path) {
#ifdef Q_OS_WIN
    const QByteArray bytes = path.toUtf8();
#else
    const QByteArray bytes = QFile::encodeName(path);
#endif
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The name a core path stands for; the reverse of toCorePath.
inline QString fromCorePath(std::string_view path) {
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
#ifdef Q_OS_WIN
    return QString::fromUtf8(bytes);
#else
    return QFile::decodeName(bytes);
#endif
}

// A message box's text, with the file it names shown by the name the file system decodes from
// its bytes, so that a name in any script reads right.
inline QString messageText(std::string_view text, std::string_view fileName) {
    if (fileName.empty())
        return fromCoreLines(text);
    const QString name = QDir::toNativeSeparators(fromCorePath(fileName));
    QString shown;
    for (std::size_t at = text.find(fileName); at != std::string_view::npos;
         at = text.find(fileName)) {
        shown += fromCoreLines(text.substr(0, at)) + name;
        text.remove_prefix(at + fileName.size());
    }
    return shown + fromCoreLines(text);
}

// A core message that names `path` by its file-system bytes (toCorePath), with the name as
// the user chose it instead, so that a name beyond ASCII reads right in the message.
inline std::string withShownPath(std::string text, const QString& path) {
    const std::string stored = toCorePath(path);
    const std::size_t at = text.find(stored);
    if (!stored.empty() && at != std::string::npos)
        text.replace(at, stored.size(), toCore(QDir::toNativeSeparators(path)));
    return text;
}

}  // namespace zan
