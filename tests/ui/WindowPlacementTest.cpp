// The window's first size and split on the screens directors have.

#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

namespace ranvik::test {
namespace {

TEST(PlanStartLayout, TheChartFirstThenTheMembersWholeThenMostOfTheHeight) {
    // Chart 1000 with ten rounds, 640 with five; members 360 whole, 288 a share; 34 lines 580.
    const StartWidths wanted{1000, 640, 360, 288, 4, 580};
    const std::pair<QSize, StartLayout> cases[] = {
        {{1920, 1040}, {{1364, 866}, 1000, 360}}, // all it wants, five sixths of the height
        {{1280, 760}, {{1280, 633}, 916, 360}},   // the members whole, the chart the rest
        {{1024, 728}, {{1024, 606}, 660, 360}},
        {{960, 700}, {{960, 583}, 668, 288}}, // no room for both: a share, controls scroll
        {{800, 560}, {{800, 560}, 640, 156}}, // the chart keeps five rounds
        {{600, 400}, {{600, 400}, 596, 0}},   // or all there is
    };
    for (const auto& [screen, expected] : cases) {
        const StartLayout got = PlanStartLayout(wanted, screen);
        EXPECT_EQ(std::tuple(got.window, got.chart, got.members),
                  std::tuple(expected.window, expected.chart, expected.members))
            << screen.width();
    }
}

} // namespace
} // namespace ranvik::test
