// The sensitivity tornado: the order of its bars.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "chart/tornado_plot.h"
#include "model/catalogue.h"

namespace zan::test {
namespace {

TEST(TornadoPlot, WidestSwingOnTopAndInputsWithoutResultLast) {
    Sensitivity s;
    s.base.thickness = 9.5f;
    auto row = [](InputField input, std::optional<float> lower, std::optional<float> upper) {
        SensitivityRow r;
        r.input = input;
        r.lower.thickness = lower;
        r.upper.thickness = upper;
        return r;
    };
    s.rows = {row(InputField::SubgradeModulus, 9.75f, 9.25f),
              row(InputField::ModulusOfRupture, std::nullopt, 8.75f),
              row(InputField::AverageDailyTraffic, 9.25f, 9.5f),
              row(InputField::GrowthPercent, 9.5f, 9.5f),
              row(InputField::LoadSafetyFactor, 8.25f, 10.75f)};
    TornadoPlot plot;
    plot.setSensitivity(s);
    std::vector<std::string> order;
    for (const auto& bar : plot.bars())
        order.push_back(bar.name.toStdString());
    // Equal swings keep the inputs' order.
    EXPECT_EQ(order, (std::vector<std::string>{"LSF", "k (psi/in)", "ADT", "Growth rate (%)",
                                               "Sc (psi)"}));
    EXPECT_EQ(plot.base(), 9.5f);
    EXPECT_EQ(plot.thicknessAxisTitle(), "Recommended thickness (in)");
}

// Every input's name whole beside its bar, in the languages whose names run longest.
TEST(TornadoPlot, LeavesRoomForEveryName) {
    for (const std::string_view language : {"en", "es"}) {
        catalogue::setLanguage(language);
        Sensitivity s;
        s.base.thickness = 24.0f;
        s.units = UnitSystem::Metric;
        for (const InputField input : kSensitivityInputs) {
            SensitivityRow row;
            row.input = input;
            s.rows.push_back(row);
        }
        TornadoPlot plot;
        plot.setSensitivity(s);
        const QFontMetricsF metrics(plot.font());
        for (const auto& bar : plot.bars())
            EXPECT_LE(metrics.horizontalAdvance(bar.name) + 18.0, plot.labelColumn(metrics))
                << bar.name.toStdString();
    }
    catalogue::setLanguage(catalogue::kSourceLanguage);
}

}  // namespace
}  // namespace zan::test
