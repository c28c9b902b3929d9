// Secondary windows and the main window open in the middle of the screen; one larger than the
// screen keeps its title bar on it.

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <ostream>

#include "platform/window_placement.h"

namespace zan::test {
namespace {

enum class Axis { Centred, AtTheEdge };

struct PlacementCase {
    const char* name;
    QSize size;  // the client size; the offscreen platform's screen is 800 x 800
    Axis across;
    Axis down;
};

void PrintTo(const PlacementCase& c, std::ostream* out) {
    *out << c.name;
}

void expectPlaced(Axis axis, int outerStart, int outerLength, int screenLength) {
    if (axis == Axis::AtTheEdge)
        EXPECT_EQ(outerStart, 0);
    else  // the frame's middle on the screen's middle, to the pixel rounding
        EXPECT_LE(std::abs(2 * outerStart + outerLength - screenLength), 1) << outerStart;
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CentresTheFrameOnTheScreenAndKeepsTheTitleBarOnIt) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_EQ(screen, QRect(0, 0, 800, 800));
    QWidget window;
    window.resize(GetParam().size);
    showCentred(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.isVisible());
    const QRect outer = window.frameGeometry();
    expectPlaced(GetParam().across, outer.x(), outer.width(), screen.width());
    expectPlaced(GetParam().down, outer.y(), outer.height(), screen.height());
    EXPECT_EQ(window.size(), GetParam().size) << "placing must not resize";
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Placement,
    ::testing::Values(
        PlacementCase{"Small", {200, 100}, Axis::Centred, Axis::Centred},
        PlacementCase{"OddSize", {201, 101}, Axis::Centred, Axis::Centred},
        PlacementCase{"WiderThanTheScreen", {1000, 100}, Axis::AtTheEdge, Axis::Centred},
        PlacementCase{"TallerThanTheScreen", {200, 900}, Axis::Centred, Axis::AtTheEdge},
        PlacementCase{"LargerBothWays", {1200, 900}, Axis::AtTheEdge, Axis::AtTheEdge}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zan::test
