#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <functional>

#include "dialogs/dialog_fixture.h"

namespace zan::test {
namespace {

using Texts = std::vector<std::string>;
const Texts kPavementFields = {"h1_V", "k1_V", "Sc_V"};

class PavementDialogTest : public DialogTest {
  protected:
    Texts fieldTexts(QDialog* d) {
        Texts t;
        for (const auto& name : kPavementFields)
            t.push_back(text(d, name));
        return t;
    }
    Texts workspaceTexts() {
        const PavementInputs& p = workspace.pavement();
        return {p.thickness, p.subgradeModulus, p.modulusOfRupture};
    }
    bool checked(QDialog* d, const char* name) { return child<QRadioButton>(d, name)->isChecked(); }
};

struct InitialCase {
    const char* name;
    UnitSystem units;
    Texts captions;
    Texts texts;
};
void PrintTo(const InitialCase& c, std::ostream* os) {
    *os << c.name;
}

class PavementInitial : public PavementDialogTest,
                        public ::testing::WithParamInterface<InitialCase> {};

TEST_P(PavementInitial, ShowsTheUnitSystemsCaptionsAndValues) {
    const InitialCase& c = GetParam();
    workspace.chooseUnitSystem(c.units);
    QDialog* d = openPavement();
    EXPECT_EQ(d->objectName(), "frmZanSlab");
    EXPECT_EQ(d->windowTitle(), "Pavement Data");
    Texts captions;
    for (const char* label : {"h1", "k1", "Sc"})
        captions.push_back(child<QLabel>(d, label)->text().toStdString());
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(fieldTexts(d), c.texts);
    EXPECT_EQ(child<QGroupBox>(d, "Frame3")->title(), "Concrete Shoulder");
    EXPECT_EQ(child<QGroupBox>(d, "Frame1")->title(), "Doweled Joints");
    EXPECT_TRUE(checked(d, "Option2"));
    EXPECT_TRUE(checked(d, "OptDowelYes"));
    EXPECT_FALSE(checked(d, "Option1"));
    EXPECT_FALSE(checked(d, "optDowelNo"));
    EXPECT_EQ(child<QAbstractButton>(d, "OK")->text(), "&OK");
    EXPECT_EQ(child<QAbstractButton>(d, "Cancel")->text(), "Cancel");
}

INSTANTIATE_TEST_SUITE_P(
    Units, PavementInitial,
    ::testing::Values(InitialCase{"English",
                                  UnitSystem::English,
                                  {"Trial Thickness, h (in)", "Subgrade Modulus, k (psi/in)",
                                   "Modulus of Rupture, Sc (psi)"},
                                  {"9.5", "130", "650"}},
                      InitialCase{"Metric",
                                  UnitSystem::Metric,
                                  {"Trial Thickness, h (cm)", "Subgrade Modulus, k (kPa/mm)",
                                   "Modulus of Rupture, Sc (kPa)"},
                                  {"24.1", "35.2", "4479"}}),
    [](const auto& info) { return std::string(info.param.name); });

// OK with the texts typed over the initial English ones.
struct OkCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> typed;
    std::vector<Answer> answers;
    Texts messages;
    Texts after;
    bool staysOpen;
};
void PrintTo(const OkCase& c, std::ostream* os) {
    *os << c.name;
}

class PavementOk : public PavementDialogTest, public ::testing::WithParamInterface<OkCase> {};

TEST_P(PavementOk, ChecksWritesBackAndDecides) {
    const OkCase& c = GetParam();
    QDialog* d = openPavement();
    for (const auto& [field, typed] : c.typed)
        type(d, field, typed);
    platform.answers.assign(c.answers.begin(), c.answers.end());
    const int busyBefore = platform.busyShown;
    click(d, "OK");
    EXPECT_EQ(messageTexts(), c.messages);
    EXPECT_EQ(fieldTexts(d), c.after);
    EXPECT_EQ(workspaceTexts(), c.after);
    EXPECT_EQ(d->isVisible(), c.staysOpen);
    EXPECT_EQ(platform.busyShown - busyBefore, 1);
    EXPECT_EQ(platform.busyDepth, 0);
    // What OK accepted is what a later Cancel returns to.
    if (!c.staysOpen) {
        openPavement();
        type(d, "h1_V", "7");
        click(d, "Cancel");
        EXPECT_EQ(workspaceTexts(), c.after);
    }
}

const std::string kH1Below =
    "h1 is not within the typical data range( 4,  20). Accept the suggested minimum value?";

INSTANTIATE_TEST_SUITE_P(
    Cases, PavementOk,
    ::testing::Values(
        OkCase{
            "InRange", {{"h1_V", "10"}, {"Sc_V", " 700 "}}, {}, {}, {"10", "130", " 700 "}, false},
        OkCase{"BelowYes", {{"h1_V", "3"}}, {Answer::Yes}, {kH1Below}, {"4", "130", "650"}, false},
        OkCase{"BelowNo",
               {{"h1_V", "3"}},
               {Answer::No},
               {kH1Below, "Keep the h1 input value anyway!"},
               {"3", "130", "650"},
               false},
        OkCase{"ZeroKeptWithNo",
               {{"Sc_V", "0"}},
               {Answer::No},
               {"Sc is not within the typical data range( 400,  2000). Accept the suggested "
                "minimum value?",
                "Keep the Sc input value anyway!"},
               {"9.5", "130", "0"},
               false},
        OkCase{"RefusedRestoresAllThree",
               {{"h1_V", "25"}, {"k1_V", "abc"}, {"Sc_V", "600"}},
               {Answer::Yes},
               {"h1 is not within the typical data range( 4,  20). Accept the suggested "
                "maximum value?",
                "k is an invalid number; please try again!"},
               {"9.5", "130", "650"},
               true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PavementDialogTest, MetricOkUsesMetricRanges) {
    workspace.chooseUnitSystem(UnitSystem::Metric);
    QDialog* d = openPavement();
    type(d, "k1_V", "5");
    platform.answers = {Answer::Yes};
    click(d, "OK");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "k is not within the typical data range( 5.42,  271). Accept the suggested "
              "minimum value?");
    EXPECT_EQ(workspace.pavement().subgradeModulus, "5.42");
}

TEST_F(PavementDialogTest, TypingWritesTheWorkspaceAtOnce) {
    QDialog* d = openPavement();
    type(d, "h1_V", "11.5");
    QTest::mouseClick(child<QRadioButton>(d, "Option1"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>(d, "optDowelNo"), Qt::LeftButton);
    EXPECT_EQ(workspace.pavement().thickness, "11.5");
    EXPECT_TRUE(workspace.pavement().concreteShoulder);
    EXPECT_FALSE(workspace.pavement().doweledJoints);
    EXPECT_TRUE(d->isVisible());
}

// Found by the random walks: a pasted line end reached the workspace, and the input data file
// then read back other inputs than those saved.
TEST_F(PavementDialogTest, PastedLineEndsBecomeBlanks) {
    QDialog* d = openPavement();
    const std::pair<const char*, const char*> cases[] = {
        {"4\n5", "4 5"}, {"6\r\n", "6  "}, {"\r7", " 7"}, {"8.5", "8.5"}};
    for (const auto& [pasted, stored] : cases) {
        QLineEdit* field = child(d, "h1_V");
        field->setFocus();
        field->selectAll();
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(workspace.pavement().thickness, stored);
        EXPECT_EQ(field->text(), QString::fromLatin1(stored));
    }
}

TEST_F(PavementDialogTest, CancelRestoresTextsAndOptions) {
    QDialog* d = openPavement();
    type(d, "h1_V", "12");
    type(d, "Sc_V", "");
    QTest::mouseClick(child<QRadioButton>(d, "Option1"), Qt::LeftButton);
    click(d, "Cancel");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(fieldTexts(d), (Texts{"9.5", "130", "650"}));
    EXPECT_EQ(workspaceTexts(), (Texts{"9.5", "130", "650"}));
    EXPECT_TRUE(checked(d, "Option2"));
    EXPECT_FALSE(workspace.pavement().concreteShoulder);
}

// Cancel returns to the values the dialog had when the user came to it from another window
// of the program; leaving for another application and coming back is no new activation.
TEST_F(PavementDialogTest, CancelReturnsToTheLastActivationFromTheProgram) {
    // The offscreen platform cannot switch applications; the two calls below deliver the
    // same activation events as leaving for another application and coming back.
    struct Away {
        const char* name;
        std::function<void(QDialog*)> leaveAndReturn;
        bool editsRemembered;
    };
    auto toOtherApplication = [] { QApplication::setActiveWindow(nullptr); };
    const Away aways[] = {{"other application",
                           [&](QDialog* d) {
                               toOtherApplication();
                               QApplication::setActiveWindow(d);
                           },
                           false},
                          {"main window",
                           [&](QDialog* d) {
                               activate(&mainWindow);
                               activate(d);
                           },
                           true},
                          {"other application, then main window",
                           [&](QDialog* d) {
                               toOtherApplication();
                               activate(&mainWindow);
                               activate(d);
                           },
                           true}};
    int typed = 11;
    for (const Away& away : aways) {
        SCOPED_TRACE(away.name);
        QDialog* d = openPavement();
        const std::string atOpening = workspace.pavement().thickness;
        const std::string edit = std::to_string(++typed);
        type(d, "h1_V", edit);
        away.leaveAndReturn(d);
        type(d, "h1_V", "19");
        click(d, "Cancel");
        EXPECT_EQ(workspace.pavement().thickness, away.editsRemembered ? edit : atOpening);
    }
}

TEST_F(PavementDialogTest, CancelAfterRefusedOkKeepsTheOptionStatesOkRecorded) {
    QDialog* d = openPavement();
    QTest::mouseClick(child<QRadioButton>(d, "Option1"), Qt::LeftButton);
    type(d, "k1_V", "abc");
    click(d, "OK");
    type(d, "h1_V", "8");
    click(d, "Cancel");
    EXPECT_EQ(workspaceTexts(), (Texts{"9.5", "130", "650"}));
    EXPECT_TRUE(checked(d, "Option1"));
    EXPECT_TRUE(workspace.pavement().concreteShoulder);
}

// A real message box takes the activation away and gives it back when it closes, here while
// OK still runs. That is not the user returning to the dialog: the refused OK must put back
// the texts from before, not the 20 that the first question wrote.
TEST_F(PavementDialogTest, ReturnFromItsOwnMessageBoxIsNotAnActivation) {
    QDialog* d = openPavement();
    type(d, "h1_V", "25");
    type(d, "k1_V", "abc");
    platform.answers = {Answer::Yes};
    platform.whileShowing = [&](const Message&) {
        activate(&mainWindow);
        activate(d);
    };
    click(d, "OK");
    EXPECT_EQ(workspaceTexts(), (Texts{"9.5", "130", "650"}));
}

// Creating the pavement or axle-load dialog fixes the unit system; the traffic dialog does not.
TEST_F(DialogTest, UnitChoiceLocksWithThePavementAndAxleDialogsOnly) {
    openTraffic();
    EXPECT_FALSE(workspace.unitChoiceLocked());
    openPavement();
    EXPECT_TRUE(workspace.unitChoiceLocked());
    Workspace other;
    InputDialogs otherDialogs(other, platform, nullptr);
    otherDialogs.openAxleLoadDialog();
    EXPECT_TRUE(other.unitChoiceLocked());
}

// All three: fixed size, no minimise or maximise button, modeless, centred on the screen.
TEST_F(DialogTest, DialogsAreFixedModelessAndCentred) {
    for (QDialog* d : {openPavement(), openTraffic(), openAxles()}) {
        SCOPED_TRACE(d->objectName().toStdString());
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        EXPECT_FALSE(d->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(d->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(d->isModal());
        const QRect screen = d->screen()->geometry();
        EXPECT_LE(std::abs(d->frameGeometry().center().x() - screen.center().x()), 1);
        EXPECT_LE(std::abs(d->frameGeometry().center().y() - screen.center().y()), 1);
    }
    EXPECT_TRUE(mainWindow.isEnabled());
}

}  // namespace
}  // namespace zan::test
