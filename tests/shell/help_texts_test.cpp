// The status tips of the menu items, and the dialogs' tooltips following the unit system of
// a data file read from the menu.

#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include "shell/shell_test.h"

namespace zan::test {
namespace {

void collectShown(const QList<QAction*>& actions, std::vector<QAction*>& shown) {
    for (QAction* a : actions) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        shown.push_back(a);
        if (a->menu())
            collectShown(a->menu()->actions(), shown);
    }
}

TEST_F(ShellTest, EveryMenuItemShownHasAStatusTip) {
    std::vector<QAction*> shown;
    collectShown(window.menuBar()->actions(), shown);
    ASSERT_GE(shown.size(), 27u);
    for (QAction* a : shown) {
        EXPECT_FALSE(a->statusTip().isEmpty()) << a->objectName().toStdString();
        EXPECT_TRUE(a->statusTip().endsWith(u'.')) << a->objectName().toStdString();
    }
    EXPECT_EQ(action("mnuHelpGuide")->statusTip(),
              "Open the user guide: inputs, commands, report, messages.");
}

class StatusBar : public ShellTest {
  protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QStatusBar* bar() const { return window.findChild<QStatusBar*>("stbStatusTips"); }
    // As an open menu does: the tip goes to the menu bar, which passes it on to the window.
    void tip(const QString& text) {
        QStatusTipEvent event(text);
        QCoreApplication::sendEvent(window.menuBar(), &event);
    }
    void waitHidden() {
        for (int i = 0; i < 200 && bar()->isVisible(); ++i)
            QTest::qWait(5);
    }
};

TEST_F(StatusBar, ShowsOnlyWhileATipIsShownAndMovesNothing) {
    ASSERT_NE(bar(), nullptr);
    EXPECT_FALSE(bar()->isVisible());
    const QSize client = window.centralWidget()->size();
    const QRect box = window.reportBox()->geometry();

    action("mnuBothAnalysis")->showStatusText(window.menuBar());
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(bar()->currentMessage(), action("mnuBothAnalysis")->statusTip());
    // Passing over a separator to the next item: the bar stays.
    tip(QString());
    tip(action("mnuFatigueAnalysis")->statusTip());
    QTest::qWait(300);
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(bar()->currentMessage(), action("mnuFatigueAnalysis")->statusTip());
    EXPECT_EQ(window.reportBox()->geometry(), box);

    tip(QString());  // the menu closed
    waitHidden();
    EXPECT_FALSE(bar()->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.centralWidget()->size(), client);
    EXPECT_EQ(window.reportBox()->geometry(), box);
}

// The dialogs' refresh after a read puts the tooltips into the file's unit system.
TEST_F(ShellTest, TooltipsFollowTheUnitSystemOfAReadDataFile) {
    trigger("mnuZANLayer");
    trigger("mnuAxleInput");
    QLineEdit* thickness = window.inputDialogs().pavementDialog()->findChild<QLineEdit*>("h1_V");
    QLineEdit* load = window.inputDialogs().axleLoadDialog()->findChild<QLineEdit*>("ssingle_0");
    ASSERT_TRUE(thickness && load);
    EXPECT_EQ(thickness->toolTip(), "Trial slab thickness h, inches. Typical range 4 to 20 in.");

    platform.openFiles.push_back(QStringLiteral(ZAN_EXAMPLES_DIR "/initial-metric.DEF"));
    trigger("FileLoad");
    ASSERT_EQ(window.workspace().unitSystem(), UnitSystem::Metric);
    EXPECT_EQ(thickness->toolTip(),
              "Trial slab thickness h, centimetres. Typical range 10.16 to 50.8 cm.");
    EXPECT_EQ(load->toolTip(),
              "Load of one single axle of this row, before the load safety factor, kilonewtons. "
              "Typical range 8.9 to 445 kN.");
}

}  // namespace
}  // namespace zan::test
