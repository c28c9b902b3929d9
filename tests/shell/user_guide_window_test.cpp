// Help > User Guide: the window, its links and contents, F1 from every window, and its
// reopening where it was left.

#include <QApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include "shell/shell_test.h"
#include "shell/user_guide_window.h"
#include "support/windows.h"

namespace zan::test {
namespace {

QString guideFile() {
    return QString::fromUtf8(readBytes(QStringLiteral(ZAN_USER_GUIDE)));
}

struct AnchorCase {
    const char* heading;
    const char* anchor;
};
void PrintTo(const AnchorCase& c, std::ostream* os) {
    *os << c.heading;
}

class HeadingAnchor : public ::testing::TestWithParam<AnchorCase> {};

// The rule of the guide's links, as its structure check applies it.
TEST_P(HeadingAnchor, FollowsTheRuleOfTheGuidesLinks) {
    EXPECT_EQ(UserGuideWindow::headingAnchor(QString::fromUtf8(GetParam().heading)),
              QString::fromUtf8(GetParam().anchor));
}

INSTANTIATE_TEST_SUITE_P(
    Headings, HeadingAnchor,
    ::testing::Values(AnchorCase{"Axle-Load Categories", "axle-load-categories"},
                      AnchorCase{"zan-report", "zan-report"},
                      AnchorCase{"  How numbers are read ", "how-numbers-are-read"},
                      AnchorCase{"What's new?", "whats-new"},
                      AnchorCase{"Fatigue & erosion", "fatigue-erosion"},
                      AnchorCase{"Radius \xe2\x84\x93 of 2024", "radius-of-2024"},
                      AnchorCase{"\xc3\x9c ber", "-ber"}, AnchorCase{"a - b", "a---b"}),
    [](const auto& info) { return std::to_string(info.index); });

class Guide : public ShellTest {
  protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    UserGuideWindow* open() {
        trigger("mnuHelpGuide");
        UserGuideWindow* guide = window.userGuideWindow();
        EXPECT_NE(guide, nullptr);
        return guide;
    }
    // The heading block that carries `anchor`, or an invalid block.
    static QTextBlock heading(UserGuideWindow* guide, const QString& anchor) {
        QTextDocument* doc = guide->text()->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            if (b.blockFormat().headingLevel() > 0 &&
                b.begin().fragment().charFormat().anchorNames().contains(anchor))
                return b;
        return {};
    }
    // Where the text would stand with `block` at the top, as far as the text can scroll.
    static int topOf(UserGuideWindow* guide, const QTextBlock& block) {
        QTextDocument* doc = guide->text()->document();
        const int top = qRound(doc->documentLayout()->blockBoundingRect(block).top());
        return qMin(top, guide->text()->verticalScrollBar()->maximum());
    }
    static int scrolled(UserGuideWindow* guide) {
        return guide->text()->verticalScrollBar()->value();
    }
    // The heading `anchor` is where the text was scrolled to.
    static void expectAtTop(UserGuideWindow* guide, const QString& anchor) {
        const QTextBlock block = heading(guide, anchor);
        ASSERT_TRUE(block.isValid()) << "no heading #" << anchor.toStdString();
        EXPECT_NEAR(scrolled(guide), topOf(guide, block), 1) << anchor.toStdString();
    }
};

TEST_F(Guide, F1OpensTheGuideFromTheResourceInAModelessCentredWindow) {
    QTest::keyClick(&window, Qt::Key_F1);
    UserGuideWindow* guide = window.userGuideWindow();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_FALSE(guide->isModal());
    EXPECT_EQ(guide->objectName(), "frmUserGuide");
    EXPECT_EQ(guide->windowTitle(), "ZAN Thickness Design User Guide");
    // The built-in copy is the guide of the sources, and it opens at its top.
    EXPECT_EQ(QString::fromUtf8(readBytes(QStringLiteral(":/guide/user-guide.md"))), guideFile());
    EXPECT_EQ(guide->text()->document()->begin().text(), "ZAN Thickness Design User Guide");
    EXPECT_EQ(scrolled(guide), 0);
    const QRect screen = guide->screen()->geometry();
    EXPECT_NEAR(guide->frameGeometry().center().x(), screen.center().x(), 1);
    EXPECT_NEAR(guide->frameGeometry().center().y(), screen.center().y(), 1);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Guide, EveryInternalLinkLandsOnItsHeading) {
    UserGuideWindow* guide = open();
    QTextBrowser* text = guide->text();
    struct Link {
        int position;
        QString target;
    };
    std::vector<Link> links;
    for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QString href = f.charFormat().anchorHref();
            if (f.charFormat().isAnchor() && href.startsWith(u'#'))
                links.push_back({f.position(), href.mid(1)});
        }
    // Every link the Markdown writes is a link in the window.
    QStringList written;
    QRegularExpression internal(QStringLiteral("\\]\\(#([^)]*)\\)"));
    for (auto m = internal.globalMatch(guideFile()); m.hasNext();)
        written << m.next().captured(1);
    QStringList shown;
    for (const Link& link : links)
        shown << link.target;
    ASSERT_EQ(shown, written);
    ASSERT_GE(links.size(), 50u);
    QSignalSpy clicked(text, &QTextBrowser::anchorClicked);
    for (const Link& link : links) {
        // Clicked as the user would: brought into view, then pressed and released on it.
        QTextCursor at(text->document());
        at.setPosition(link.position);
        text->setTextCursor(at);
        text->ensureCursorVisible();
        // Just inside the link's first character: its left edge is where a cursor before it
        // stands, on whichever line the link begins.
        const QRect before = text->cursorRect(at);
        const QPoint inLink(before.left() + 2, before.center().y());
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, inLink);
        expectAtTop(guide, link.target);
    }
    EXPECT_EQ(clicked.count(), static_cast<int>(links.size()));
}

TEST_F(Guide, ContentsListEverySectionAndLeadToIt) {
    UserGuideWindow* guide = open();
    // The sections of the guide, as its Markdown writes them outside code.
    QString markdown = guideFile();
    markdown.remove(QRegularExpression(
        QStringLiteral("^```.*?^```"),
        QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption));
    QStringList sections;
    QRegularExpression level2(QStringLiteral("^## +(.+?) *$"), QRegularExpression::MultilineOption);
    for (auto m = level2.globalMatch(markdown); m.hasNext();)
        sections << m.next().captured(1);
    QTreeWidget* contents = guide->contents();
    QStringList listed;
    for (int i = 0; i < contents->topLevelItemCount(); ++i)
        listed << contents->topLevelItem(i)->text(0);
    EXPECT_EQ(listed, sections);

    // A subsection sits under its section; a click brings either to the top.
    const auto items = contents->findItems(QStringLiteral("The range check"),
                                           Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    ASSERT_NE(items[0]->parent(), nullptr);
    EXPECT_EQ(items[0]->parent()->text(0), "Pavement Data");
    for (QTreeWidgetItem* item :
         {items[0], contents->topLevelItem(contents->topLevelItemCount() - 1)}) {
        contents->scrollToItem(item);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(item).center());
        expectAtTop(guide, UserGuideWindow::headingAnchor(item->text(0)));
    }
}

TEST_F(Guide, ReopensWhereItWasLeftAtTheSamePlaceInTheText) {
    UserGuideWindow* guide = open();
    guide->move(30, 40);
    const QPoint left = guide->pos();
    ASSERT_TRUE(guide->showSection(QStringLiteral("messages")));
    const int place = scrolled(guide);
    ASSERT_GT(place, 0);
    guide->close();
    EXPECT_FALSE(guide->isVisible());

    EXPECT_EQ(open(), guide);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_EQ(guide->pos(), left);
    EXPECT_EQ(scrolled(guide), place);
}

TEST_F(Guide, UnknownSectionScrollsNothing) {
    UserGuideWindow* guide = open();
    ASSERT_TRUE(guide->showSection(QStringLiteral("files")));
    const int place = scrolled(guide);
    EXPECT_FALSE(guide->showSection(QStringLiteral("no-such-heading")));
    EXPECT_FALSE(guide->showSection(QString()));
    EXPECT_EQ(scrolled(guide), place);
}

TEST_F(Guide, IsHiddenWhenTheProgramEnds) {
    UserGuideWindow* guide = open();
    platform.answers.push_back(Answer::No);
    window.close();
    EXPECT_FALSE(guide->isVisible());
}

struct SectionCase {
    const char* name;
    const char* item;    // the menu item that opens the window
    const char* window;  // its objectName
    const char* anchor;
};
void PrintTo(const SectionCase& c, std::ostream* os) {
    *os << c.name;
}

class F1InAWindow : public Guide, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(F1InAWindow, OpensTheGuideAtItsSection) {
    const SectionCase& c = GetParam();
    trigger(c.item);
    QWidget* from = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(c.window) && w->isVisible())
            from = w;
    ASSERT_NE(from, nullptr) << c.window;
    activate(from);
    platform.clear();
    QTest::keyClick(from->focusWidget() ? from->focusWidget() : from, Qt::Key_F1);
    UserGuideWindow* guide = window.userGuideWindow();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    expectAtTop(guide, QLatin1String(c.anchor));
    // The list marks the section.
    ASSERT_NE(guide->contents()->currentItem(), nullptr);
    EXPECT_EQ(UserGuideWindow::headingAnchor(guide->contents()->currentItem()->text(0)),
              QLatin1String(c.anchor));
    // The key did nothing else in the window it was pressed in.
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, F1InAWindow,
    ::testing::Values(SectionCase{"Pavement", "mnuZANLayer", "frmZanSlab", "pavement-data"},
                      SectionCase{"Traffic", "mnuZANTraffic", "frmZanTraffic", "traffic-data"},
                      SectionCase{"Axles", "mnuHeavy", "frmZanAxle", "axle-load-categories"},
                      SectionCase{"Chart", "mnuDamageChart", "frmDamageChart", "damage-chart"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Guide, F1InTheMainWindowKeepsThePlaceInTheText) {
    UserGuideWindow* guide = open();
    ASSERT_TRUE(guide->showSection(QStringLiteral("the-report")));
    const int place = scrolled(guide);
    activate(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(scrolled(guide), place);
}

}  // namespace
}  // namespace zan::test
