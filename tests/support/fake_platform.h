#pragma once
// A scripted Platform for GUI tests: records every call and answers from queues. A message
// box with no queued answer gets the first button of its set, so a test that forgets to
// script an answer still finishes (and can see the recorded box).

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace zan::test {

class FakePlatform : public Platform {
  public:
    Answer showMessage(const Message& message) override;
    std::optional<QString> chooseOpenFile(const QString& filter) override;
    // A scripted name without an extension gets the default suffix, as the real dialog does.
    std::optional<QString> chooseSaveFile(const QString& filter,
                                          const QString& defaultSuffix = QString()) override;
    void rememberChosenFile(const QString& filter, const QString& path) override;
    std::optional<int> choosePrintCopies() override;
    // Records one document per copy, or fails at the first with printFailure.
    Expected<Done, QString> printDocument(const QStringList& lines, int copies) override;
    void setBusy(bool busy) override;

    // Scripted answers, taken front first.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> openFiles;  // nullopt: the user cancels
    std::deque<std::optional<QString>> saveFiles;  // nullopt: the user cancels
    std::deque<std::optional<int>> printCopies;    // nullopt: the user cancels
    std::optional<QString> printFailure;           // returned by every printDocument
    // Answers a box when no answer is queued (the first button of its set when unset).
    std::function<Answer(const Message&)> answerer;
    // Runs while a message box is "open", before it is answered: lets a test do what a real
    // modal box does meanwhile, such as taking the activation away from a dialog.
    std::function<void(const Message&)> whileShowing;

    // What happened.
    std::vector<Message> messages;
    std::vector<QString> fileDialogFilters;
    std::vector<QString> defaultSuffixes;  // of the save dialogs, empty for none
    // The name each file dialog offered, remembered as the program's dialogs remember them.
    std::vector<QString> offeredNames;
    std::map<QString, QString> lastFileNames;
    QString lastFileName;
    std::vector<QStringList> printedDocuments;
    int busyDepth = 0;  // > 0 while the busy pointer is shown
    int busyShown = 0;  // how many times the busy pointer was switched on

    void clear();
};

}  // namespace zan::test
