// The closing question, for File > Exit and for any other way of closing the window.

#include <QCoreApplication>

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
        CloseCase{"YesClosesWhenTheSaveIsCancelled", Answer::Yes, Save::Cancelled, true},
        CloseCase{"YesKeepsTheWindowWhenTheSaveFails", Answer::Yes, Save::Fails, false}),
    [](const auto& info) { return std::string(info.param.name); });

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
