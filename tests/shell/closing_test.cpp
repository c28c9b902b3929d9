// The closing question, for File > Exit and for any other way of closing the window.

#include <QCoreApplication>
#include <optional>
#include <vector>

#include "shell/shell_test.h"

namespace zan::test {
namespace {

const Message kQuestion{"Save Outputs before closing?", "Save Dialog", Icon::Question,
                        Buttons::YesNoCancel};

enum class Save { NotAsked, Written, Cancelled, Fails };

struct CloseCase {
    const char* name;
    Answer answer;
    Save save;
    bool closes;
};

class Closing : public ShellTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, AsksAndActsOnTheAnswer) {
    const CloseCase& c = GetParam();
    window.show();
    trigger("mnuBothAnalysis");
    platform.clear();
    platform.answers.push_back(c.answer);
    const QString file = c.save == Save::Fails ? path("missing/report.PRN") : path("report.PRN");
    if (c.save == Save::Cancelled)
        platform.saveFiles.push_back(std::nullopt);
    else
        platform.saveFiles.push_back(file);

    bool closedSignal = false;
    QObject::connect(&window, &MainWindow::closed, [&] { closedSignal = true; });
    const bool closed = window.close();

    EXPECT_EQ(closed, c.closes);
    EXPECT_EQ(window.isVisible(), !c.closes);
    EXPECT_EQ(closedSignal, c.closes);
    ASSERT_GE(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kQuestion);
    const bool asked = c.save != Save::NotAsked;
    EXPECT_EQ(platform.fileDialogFilters,
              asked ? std::vector<QString>{"(*.PRN)|*.PRN"} : std::vector<QString>{});
    EXPECT_EQ(QFile::exists(file), c.save == Save::Written);
    if (c.save == Save::Written) {
        EXPECT_EQ(fromCoreLines(readBytes(file).toStdString()), reportBoxText());
    }
    // A failed save is shown after the question.
    EXPECT_EQ(platform.messages.size(), c.save == Save::Fails ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Closing,
    ::testing::Values(
        CloseCase{"CancelKeepsTheWindow", Answer::Cancel, Save::NotAsked, false},
        CloseCase{"NoClosesWithoutSaving", Answer::No, Save::NotAsked, true},
        CloseCase{"YesSavesThenCloses", Answer::Yes, Save::Written, true},
        // Cancelling the save dialog would lose the report: the window stays.
        CloseCase{"YesKeepsTheWindowWhenTheSaveIsCancelled", Answer::Yes, Save::Cancelled, false},
        CloseCase{"YesKeepsTheWindowWhenTheSaveFails", Answer::Yes, Save::Fails, false}),
    [](const auto& info) { return std::string(info.param.name); });

const Message kInputsQuestion{
    "The input data have changed since they were last saved. Save them before closing?",
    "Save Dialog", Icon::Question, Buttons::YesNoCancel};

// Typed inputs never saved: the question about them comes first, and only a save that
// succeeds, or No, lets the closing go on to the report's question.
struct InputsCase {
    const char* name;
    std::vector<Answer> answers;
    std::optional<QString> saveAs;  // the save dialog's answer, when it is shown
    bool outputsAsked;
    bool closes;
};

class ClosingWithTypedInputs : public ShellTest,
                               public ::testing::WithParamInterface<InputsCase> {};

TEST_P(ClosingWithTypedInputs, AsksAboutTheInputsFirst) {
    const InputsCase& c = GetParam();
    window.show();
    window.workspace().ensurePavement().thickness = "10";
    platform.answers.assign(c.answers.begin(), c.answers.end());
    if (c.saveAs)
        platform.saveFiles.push_back(c.saveAs->isEmpty() ? std::nullopt
                                                         : std::optional(path("typed.DEF")));
    const bool closed = window.close();
    EXPECT_EQ(closed, c.closes);
    ASSERT_GE(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kInputsQuestion);
    EXPECT_EQ(platform.messages.size() > 1 && platform.messages[1] == kQuestion, c.outputsAsked);
    if (c.saveAs && !c.saveAs->isEmpty()) {
        EXPECT_EQ(readBytes(path("typed.DEF")).split('\r').value(4), QByteArray("\n10"));
        EXPECT_FALSE(window.workspace().inputsChangedSinceSaved());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ClosingWithTypedInputs,
    ::testing::Values(
        InputsCase{"CancelKeepsTheWindow", {Answer::Cancel}, std::nullopt, false, false},
        InputsCase{"NoGoesOnToTheOutputs", {Answer::No, Answer::No}, std::nullopt, true, true},
        InputsCase{"YesSavesThenAsksAboutOutputs",
                   {Answer::Yes, Answer::No},
                   QStringLiteral("typed.DEF"),
                   true,
                   true},
        InputsCase{"YesThenCancelledSaveKeepsTheWindow", {Answer::Yes}, QString(), false, false},
        InputsCase{"CancelAtTheOutputsKeepsTheWindow",
                   {Answer::No, Answer::Cancel},
                   std::nullopt,
                   true,
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, InputsReadOrUndoneAreNotAskedAbout) {
    window.show();
    window.workspace().ensurePavement().thickness = "10";
    window.workspace().ensurePavement().thickness = "9.5";
    platform.answers.push_back(Answer::Cancel);
    window.close();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kQuestion) << "the initial design, typed back";
}

TEST_F(ShellTest, ExitAsksTheSameQuestion) {
    window.show();
    platform.answers.push_back(Answer::Cancel);
    trigger("FileExit");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kQuestion);
    EXPECT_TRUE(window.isVisible());

    platform.answers.push_back(Answer::No);
    trigger("FileExit");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ShellTest, ClosingEndsTheAboutWindowToo) {
    window.show();
    trigger("mnuHelpAbout");
    QPointer<AboutWindow> about = window.aboutWindow();
    ASSERT_TRUE(about && about->isVisible());
    platform.answers.push_back(Answer::No);
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!about || !about->isVisible());
}

}  // namespace
}  // namespace zan::test
