#include "fake_platform.h"

#include <QFileInfo>

#include "platform/qt_platform.h"

namespace zan::test {

namespace {
Answer firstButton(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::Yes;
        case Buttons::CancelTryAgainContinue:
            return Answer::Cancel;
    }
    return Answer::Ok;
}
// Written out by hand: copying an optional<QString> out of the queue trips a false
// maybe-uninitialized warning in g++ 12.
std::optional<QString> takeFront(std::deque<std::optional<QString>>& queue) {
    if (queue.empty())
        return std::nullopt;
    const bool cancelled = !queue.front().has_value();
    QString name = cancelled ? QString() : *queue.front();
    queue.pop_front();
    if (cancelled)
        return std::nullopt;
    return name;
}
}  // namespace

Answer FakePlatform::showMessage(const Message& message) {
    messages.push_back(message);
    if (whileShowing)
        whileShowing(message);
    if (answers.empty())
        return answerer ? answerer(message) : firstButton(message.buttons);
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> FakePlatform::chooseOpenFile(const QString& filter) {
    fileDialogFilters.push_back(filter);
    offeredNames.push_back(offeredFileName(lastFileNames, lastFileName, filter, QString()));
    std::optional<QString> name = takeFront(openFiles);
    if (name)
        lastFileName = lastFileNames[filter] = *name;
    return name;
}

std::optional<QString> FakePlatform::chooseSaveFile(const QString& filter,
                                                    const QString& defaultSuffix) {
    fileDialogFilters.push_back(filter);
    defaultSuffixes.push_back(defaultSuffix);
    offeredNames.push_back(offeredFileName(lastFileNames, lastFileName, filter, defaultSuffix));
    std::optional<QString> name = takeFront(saveFiles);
    if (name && !defaultSuffix.isEmpty() && QFileInfo(*name).suffix().isEmpty())
        *name += QLatin1Char('.') + defaultSuffix;
    if (name)
        lastFileName = lastFileNames[filter] = *name;
    return name;
}

void FakePlatform::rememberChosenFile(const QString& filter, const QString& path) {
    lastFileName = lastFileNames[filter] = path;
}

std::optional<int> FakePlatform::choosePrintCopies() {
    if (printCopies.empty())
        return std::nullopt;
    auto c = printCopies.front();
    printCopies.pop_front();
    return c;
}

Expected<Done, QString> FakePlatform::printDocument(const QStringList& lines, int copies) {
    for (int copy = 0; copy < copies; ++copy) {
        if (printFailure)
            return failure(*printFailure);
        printedDocuments.push_back(lines);
    }
    return Done{};
}

void FakePlatform::setBusy(bool busy) {
    if (busy) {
        ++busyDepth;
        ++busyShown;
    } else {
        --busyDepth;
    }
}

void FakePlatform::clear() {
    answers.clear();
    openFiles.clear();
    saveFiles.clear();
    printCopies.clear();
    printFailure.reset();
    messages.clear();
    fileDialogFilters.clear();
    defaultSuffixes.clear();
    offeredNames.clear();
    printedDocuments.clear();
    busyShown = 0;
}

}  // namespace zan::test
