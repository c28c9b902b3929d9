// Help > About: the window, its two texts and "&More".

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include "shell/shell_test.h"

namespace zan::test {
namespace {

class About : public ShellTest {
  protected:
    AboutWindow* open() {
        trigger("mnuHelpAbout");
        AboutWindow* about = window.aboutWindow();
        EXPECT_NE(about, nullptr);
        return about;
    }
    static QString shown(AboutWindow* about) {
        return about->findChild<QTextEdit*>("Text1")->toPlainText();
    }
    static void press(AboutWindow* about, const char* button) {
        QTest::mouseClick(about->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

TEST_F(About, IsAFixedModelessWindowCaptionedWithTheShortName) {
    window.show();
    AboutWindow* about = open();
    EXPECT_EQ(about->objectName(), "frmAbout");
    EXPECT_EQ(about->windowTitle(), "About ZAN Design");
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    ASSERT_EQ(about->logicalDpiX(), 96);  // the offscreen screen's: 7845 x 4080 twips
    EXPECT_NEAR(about->width(), 523, 1);
    // At least its designed height, and as tall as the longer text needs.
    EXPECT_GE(about->height(), 272);
    auto* text = about->findChild<QTextEdit*>("Text1");
    for (int shown = 0; shown < 2; ++shown) {
        EXPECT_LE(text->document()->size().height(), text->viewport()->height()) << shown;
        // The window does not cut what the text needs.
        EXPECT_LE(text->geometry().top() + text->frameWidth() + text->document()->size().height(),
                  about->height())
            << shown;
        press(about, "cmdAddInfo");
    }
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(about->findChild<QPushButton*>("cmdAddInfo")->text(), "&More");
    EXPECT_EQ(about->findChild<QPushButton*>("cmdOK")->text(), "&OK");
    const QPixmap logo = about->findChild<QLabel*>("Picture2")->pixmap();
    EXPECT_EQ(logo.size(), QSize(116, 112));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(About, IsCentredOnTheScreen) {
    AboutWindow* about = open();
    const QRect screen = about->screen()->geometry();
    const QRect frame = about->frameGeometry();
    EXPECT_NEAR(frame.center().x(), screen.center().x(), 1);
    EXPECT_NEAR(frame.center().y(), screen.center().y(), 1);
}

TEST_F(About, TextsFollowTheirOutline) {
    const QStringList program = AboutWindow::programText().split("\r\n");
    const QStringList authors = AboutWindow::authorsText().split("\r\n");
    // Each text begins with a line break, then its lines.
    ASSERT_EQ(program.size(), 18);
    ASSERT_EQ(authors.size(), 18);
    const QStringList programFixed = {"",
                                      "",
                                      "ZAN Thickness Design Program",
                                      "for Concrete Highway and Street Pavements",
                                      "",
                                      "Developed at the",
                                      ""};
    EXPECT_EQ(program.mid(0, 7), programFixed);
    EXPECT_EQ(program.mid(10, 3), (QStringList{"", "Sponsored by", ""}));
    EXPECT_EQ(program[15], "");
    EXPECT_EQ(program[16], "Release " ZAN_VERSION ", December 2026") << "the version";
    EXPECT_EQ(program[17], "");
    const QStringList authorsFixed = {"",
                                      "",
                                      "ZAN Thickness Design Program",
                                      "for Concrete Highway and Street Pavements",
                                      "",
                                      "Written by",
                                      ""};
    EXPECT_EQ(authors.mid(0, 7), authorsFixed);
    EXPECT_EQ(authors.mid(11, 3), (QStringList{"", "Under the Supervision of", ""}));
    EXPECT_EQ(authors[15], "and");
    EXPECT_EQ(authors[17], "");
}

TEST_F(About, MoreAlternatesAndAReopenedWindowStartsAgain) {
    const QString program = withLineFeeds(AboutWindow::programText());
    const QString authors = withLineFeeds(AboutWindow::authorsText());

    AboutWindow* about = open();
    EXPECT_EQ(shown(about), program);
    press(about, "cmdAddInfo");
    EXPECT_EQ(shown(about), authors);
    press(about, "cmdAddInfo");
    EXPECT_EQ(shown(about), program);
    press(about, "cmdAddInfo");
    EXPECT_EQ(shown(about), authors);

    // Closed while showing the authors: the next opening builds the window anew.
    QPointer<AboutWindow> first = about;
    press(about, "cmdOK");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window.aboutWindow(), nullptr);

    about = open();
    EXPECT_EQ(shown(about), program);
    press(about, "cmdAddInfo");
    EXPECT_EQ(shown(about), authors);
}

TEST_F(About, OpeningItAgainWhileOpenRaisesTheSameWindow) {
    AboutWindow* about = open();
    press(about, "cmdAddInfo");
    EXPECT_EQ(open(), about);
    EXPECT_EQ(shown(about), withLineFeeds(AboutWindow::authorsText()));
}

}  // namespace
}  // namespace zan::test
