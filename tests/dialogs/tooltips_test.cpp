// The dialogs' tooltips: meaning, unit and typical range of every value field in the unit
// system in force, the option pairs and the OK and Cancel buttons.

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <set>

#include "dialogs/dialog_fixture.h"

namespace zan::test {
namespace {

enum class Which { Pavement, Traffic, Axles };

class Tooltips : public DialogTest {
  protected:
    QDialog* open(Which which) {
        switch (which) {
            case Which::Pavement:
                return openPavement();
            case Which::Traffic:
                return openTraffic();
            case Which::Axles:
                return openAxles();
        }
        return nullptr;
    }
    std::string tip(QDialog* d, const std::string& name) {
        return child<QWidget>(d, name)->toolTip().toStdString();
    }
};

struct TipCase {
    const char* name;
    Which dialog;
    UnitSystem units;
    const char* field;
    const char* tip;
};
void PrintTo(const TipCase& c, std::ostream* os) {
    *os << c.name;
}

class FieldTip : public Tooltips, public ::testing::WithParamInterface<TipCase> {};

TEST_P(FieldTip, NamesMeaningUnitAndRange) {
    const TipCase& c = GetParam();
    workspace.chooseUnitSystem(c.units);
    QDialog* d = open(c.dialog);
    EXPECT_EQ(tip(d, c.field), c.tip);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldTip,
    ::testing::Values(
        TipCase{"ThicknessEnglish", Which::Pavement, UnitSystem::English, "h1_V",
                "Trial slab thickness h, inches. Typical range 4 to 20 in."},
        TipCase{"ThicknessMetric", Which::Pavement, UnitSystem::Metric, "h1_V",
                "Trial slab thickness h, centimetres. Typical range 10.16 to 50.8 cm."},
        TipCase{"SubgradeMetric", Which::Pavement, UnitSystem::Metric, "k1_V",
                "Modulus of subgrade reaction k on top of the subbase, kPa per millimetre. "
                "Typical range 5.42 to 271 kPa/mm."},
        TipCase{"RuptureEnglish", Which::Pavement, UnitSystem::English, "Sc_V",
                "Modulus of rupture Sc of the concrete, psi. Typical range 400 to 2000 psi."},
        TipCase{"CaptionShowsItsFieldsTip", Which::Pavement, UnitSystem::English, "Sc",
                "Modulus of rupture Sc of the concrete, psi. Typical range 400 to 2000 psi."},
        TipCase{"TrafficWithoutExponent", Which::Traffic, UnitSystem::English, "ADT_V",
                "Average daily traffic ADT, vehicles per day in both directions. Typical range "
                "1 to 1000000."},
        TipCase{"GrowthRowIsNotCheckOrder", Which::Traffic, UnitSystem::Metric, "grow_V",
                "Annual growth rate i of the traffic, percent per year. Typical range 0 to 100 "
                "%."},
        TipCase{"SafetyFactorSinglePrecision", Which::Traffic, UnitSystem::English, "LSF_V",
                "Load safety factor LSF, a multiplier on every axle load. Typical range 1 to "
                "1.3."},
        TipCase{"YearsCaption", Which::Traffic, UnitSystem::English, "Years",
                "Design period, years. Typical range 1 to 50 years."},
        TipCase{"SingleLoadMetric", Which::Axles, UnitSystem::Metric, "ssingle_0",
                "Load of one single axle of this row, before the load safety factor, "
                "kilonewtons. Typical range 8.9 to 445 kN."},
        TipCase{"TandemLoadEnglishLastRow", Which::Axles, UnitSystem::English, "tandem_9",
                "Load of one tandem axle of this row, before the load safety factor, kips. "
                "Typical range 4 to 200 kips."},
        TipCase{"TandemCountMetric", Which::Axles, UnitSystem::Metric, "tandem_V_4",
                "Number of tandem axles of this row's load, per 1000 trucks. Typical range 0 "
                "to 10000."}),
    [](const auto& info) { return std::string(info.param.name); });

struct DialogCase {
    const char* name;
    Which dialog;
    UnitSystem units;
};
void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.name;
}

const auto kDialogCases =
    ::testing::Values(DialogCase{"PavementEnglish", Which::Pavement, UnitSystem::English},
                      DialogCase{"PavementMetric", Which::Pavement, UnitSystem::Metric},
                      DialogCase{"Traffic", Which::Traffic, UnitSystem::English},
                      DialogCase{"AxlesEnglish", Which::Axles, UnitSystem::English},
                      DialogCase{"AxlesMetric", Which::Axles, UnitSystem::Metric});
const auto kDialogCaseName = [](const auto& info) { return std::string(info.param.name); };

class DialogTips : public Tooltips, public ::testing::WithParamInterface<DialogCase> {};

// The tooltip and the range question read one table: whatever range the tooltip names is
// the one OK applies.
TEST_P(DialogTips, NameTheRangeTheOkCheckApplies) {
    workspace.chooseUnitSystem(GetParam().units);
    static const QRegularExpression range(
        QStringLiteral("Typical range ([0-9.]*[0-9]) to ([0-9.]*[0-9])"));
    const QList<QLineEdit*> fields = open(GetParam().dialog)->findChildren<QLineEdit*>();
    ASSERT_FALSE(fields.isEmpty());
    for (QLineEdit* field : fields) {
        QDialog* d = open(GetParam().dialog);
        const std::string name = field->objectName().toStdString();
        const QRegularExpressionMatch bounds = range.match(field->toolTip());
        ASSERT_TRUE(bounds.hasMatch()) << name << ": " << field->toolTip().toStdString();
        const std::string typed = text(d, name);
        type(d, name, "1e9");  // above every maximum
        platform.clear();
        click(d, d->objectName() == "frmZanSlab" ? "OK" : "ok");  // Yes takes the maximum
        ASSERT_FALSE(platform.messages.empty()) << name;
        const std::string expected = "range( " + bounds.captured(1).toStdString() + ",  " +
                                     bounds.captured(2).toStdString() + ").";
        EXPECT_NE(platform.messages.front().text.find(expected), std::string::npos)
            << name << ": " << platform.messages.front().text << " / " << expected;
        type(d, name, typed);
        click(d, d->objectName() == "frmZanSlab" ? "OK" : "ok");
    }
}

TEST_P(DialogTips, CoverEveryFieldOptionAndButton) {
    workspace.chooseUnitSystem(GetParam().units);
    QDialog* d = open(GetParam().dialog);
    int controls = 0;
    for (QWidget* w : d->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractButton*>(w) &&
            !qobject_cast<QGroupBox*>(w))
            continue;
        ++controls;
        EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
        if (auto* option = qobject_cast<QRadioButton*>(w)) {
            EXPECT_EQ(option->toolTip(), option->parentWidget()->toolTip());
        }
    }
    EXPECT_GE(controls, 9);
    const QList<QPushButton*> buttons = d->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->toolTip(),
              "Check the values against their typical ranges and keep them.");
    EXPECT_EQ(buttons[1]->toolTip(),
              "Put back the values you came to the dialog with, and close it.");
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogTips, kDialogCases, kDialogCaseName);

TEST_F(Tooltips, FollowTheUnitSystemOfAReadDataFile) {
    QDialog* pavement = openPavement();
    QDialog* axles = openAxles();
    ASSERT_EQ(tip(pavement, "h1_V"), "Trial slab thickness h, inches. Typical range 4 to 20 in.");
    workspace.setUnitSystemFromFile(UnitSystem::Metric);
    dialogs.refreshFromWorkspace();
    EXPECT_EQ(tip(pavement, "h1_V"),
              "Trial slab thickness h, centimetres. Typical range 10.16 to 50.8 cm.");
    EXPECT_EQ(tip(pavement, "h1"), tip(pavement, "h1_V"));
    EXPECT_EQ(tip(axles, "tandem_3"),
              "Load of one tandem axle of this row, before the load safety factor, kilonewtons. "
              "Typical range 17.8 to 890 kN.");
    workspace.setUnitSystemFromFile(UnitSystem::English);
    dialogs.refreshFromWorkspace();
    EXPECT_EQ(tip(axles, "ssingle_V_9"),
              "Number of single axles of this row's load, per 1000 trucks. Typical range 0 to "
              "10000.");
    EXPECT_EQ(tip(pavement, "k1_V"),
              "Modulus of subgrade reaction k on top of the subbase, psi per inch. Typical range "
              "20 to 1000 psi/in.");
}

// The guide lists the tooltips, so that what a field means can be read without hovering.
TEST_F(Tooltips, AllStandInTheUserGuide) {
    QFile file(QStringLiteral(ZAN_USER_GUIDE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString guide = QString::fromUtf8(file.readAll());
    std::set<QString> tips;
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        workspace.setUnitSystemFromFile(units);
        for (Which which : {Which::Pavement, Which::Traffic, Which::Axles}) {
            QDialog* d = open(which);
            dialogs.refreshFromWorkspace();
            for (QWidget* w : d->findChildren<QWidget*>())
                if (!w->toolTip().isEmpty())
                    tips.insert(w->toolTip());
        }
    }
    EXPECT_GE(tips.size(), 20u);
    for (const QString& tip : tips)
        EXPECT_TRUE(guide.contains(tip)) << tip.toStdString();
}

}  // namespace
}  // namespace zan::test
