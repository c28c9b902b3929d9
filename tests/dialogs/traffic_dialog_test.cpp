#include <QLabel>

#include "dialogs/dialog_fixture.h"

namespace zan::test {
namespace {

using Texts = std::vector<std::string>;
// Top to bottom.
const Texts kLabels = {"ADT", "track", "grow", "DD", "LD", "LSF", "Years"};
const Texts kFields = {"ADT_V", "TD_V", "grow_V", "DD_V", "LD_V", "LSF_V", "Years_V"};
const Texts kInitial = {"12900", "19", "4", "50", "81", "1.2", "20"};

class TrafficDialogTest : public DialogTest {
  protected:
    Texts fieldTexts(QDialog* d) {
        Texts t;
        for (const auto& name : kFields)
            t.push_back(text(d, name));
        return t;
    }
    Texts workspaceTexts() {
        const TrafficInputs& t = workspace.traffic();
        return {t.averageDailyTraffic, t.truckPercent,     t.growthPercent, t.directionPercent,
                t.lanePercent,         t.loadSafetyFactor, t.designPeriod};
    }
};

TEST_F(TrafficDialogTest, ShowsCaptionsAndInitialTextsInBothUnitSystems) {
    workspace.chooseUnitSystem(UnitSystem::Metric);
    QDialog* d = openTraffic();
    EXPECT_EQ(d->objectName(), "frmZanTraffic");
    EXPECT_EQ(d->windowTitle(), "Traffic Data");
    Texts captions;
    for (const auto& label : kLabels)
        captions.push_back(child<QLabel>(d, label)->text().toStdString());
    EXPECT_EQ(captions,
              (Texts{"Average Daily Traffic, ADT", "Proportion of Trucks,%",
                     "Annual Growth Rate, %", "Direction Distribution,%", "Lane Distribution,%",
                     "Load Safety Factor, LSF", "Design Period, Years"}));
    EXPECT_EQ(fieldTexts(d), kInitial);
    EXPECT_EQ(child<QAbstractButton>(d, "ok")->text(), "&OK");
    EXPECT_EQ(child<QAbstractButton>(d, "cancel")->text(), "Cancel");
}

struct OkCase {
    const char* name;
    std::string field;
    std::string typed;
    std::vector<Answer> answers;
    Texts messages;
    std::string result;  // the field's text afterwards
    bool staysOpen;
};
void PrintTo(const OkCase& c, std::ostream* os) {
    *os << c.name;
}

class TrafficOk : public TrafficDialogTest, public ::testing::WithParamInterface<OkCase> {};

TEST_P(TrafficOk, ChecksOneField) {
    const OkCase& c = GetParam();
    QDialog* d = openTraffic();
    type(d, "DD_V", "60");  // a good edit elsewhere: lost when OK is refused
    type(d, c.field, c.typed);
    platform.answers.assign(c.answers.begin(), c.answers.end());
    const int busyBefore = platform.busyShown;
    click(d, "ok");
    EXPECT_EQ(messageTexts(), c.messages);
    EXPECT_EQ(d->isVisible(), c.staysOpen);
    Texts expected = kInitial;
    if (!c.staysOpen) {
        expected[3] = "60";
        const auto at = std::find(kFields.begin(), kFields.end(), c.field) - kFields.begin();
        expected[static_cast<std::size_t>(at)] = c.result;
    }
    EXPECT_EQ(fieldTexts(d), expected);
    EXPECT_EQ(workspaceTexts(), expected);
    EXPECT_EQ(platform.busyShown - busyBefore, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrafficOk,
    ::testing::Values(
        OkCase{"ZeroAdtYes",
               "ADT_V",
               "0",
               {Answer::Yes},
               {"ADT is not within the typical data range( 1,  1000000). Accept the suggested "
                "minimum value?"},
               "1",
               false},
        OkCase{"EmptyAdtRefused",
               "ADT_V",
               "",
               {},
               {"ADT is an invalid number; please try again!"},
               "",
               true},
        OkCase{"EmptyTdRefused",
               "TD_V",
               "",
               {},
               {"TD is an invalid number; please try again!"},
               "",
               true},
        OkCase{"ZeroGrowthPasses", "grow_V", "0", {}, {}, "0", false},
        OkCase{"GrowthCalledI",
               "grow_V",
               "-4",
               {},
               {"i is an invalid number; please try again!"},
               "",
               true},
        OkCase{"LsfYesGivesMaximum",
               "LSF_V",
               "1.5",
               {Answer::Yes},
               {"LSF is not within the typical data range( 1,  1.3). Accept the suggested "
                "maximum value?"},
               "1.3",
               false},
        OkCase{"LsfMaximumPasses", "LSF_V", "1.3", {}, {}, "1.3", false},
        OkCase{"HalfYearKeptWithNo",
               "Years_V",
               "0.5",
               {Answer::No},
               {"Years is not within the typical data range( 1,  50). Accept the suggested "
                "minimum value?",
                "Keep the Years input value anyway!"},
               "0.5",
               false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrafficDialogTest, OkChecksInItsOwnOrder) {
    QDialog* d = openTraffic();
    for (const auto& name : kFields)
        type(d, name, "x");
    click(d, "ok");
    EXPECT_EQ(messageTexts(), (Texts{"ADT is an invalid number; please try again!",
                                     "TD is an invalid number; please try again!",
                                     "DD is an invalid number; please try again!",
                                     "LD is an invalid number; please try again!",
                                     "i is an invalid number; please try again!",
                                     "Years is an invalid number; please try again!",
                                     "LSF is an invalid number; please try again!"}));
}

TEST_F(TrafficDialogTest, CancelReturnsToTheTextsOfTheLastActivation) {
    QDialog* d = openTraffic();
    type(d, "ADT_V", "5000");
    activate(&mainWindow);
    activate(d);
    type(d, "Years_V", "30");
    click(d, "cancel");
    EXPECT_FALSE(d->isVisible());
    Texts expected = kInitial;
    expected[0] = "5000";
    EXPECT_EQ(workspaceTexts(), expected);
    EXPECT_EQ(fieldTexts(d), expected);
}

}  // namespace
}  // namespace zan::test
