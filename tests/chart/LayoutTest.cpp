#include "chart/Tournament.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {
Tournament Started() {
    Tournament t;
    t.FirstActivation();
    return t;
}
} // namespace

TEST(Layout, StartChartIsTenPlayersOneRoundSwiss) {
    Tournament t = Started();
    EXPECT_EQ(t.chart().colCount(), 5);
    EXPECT_EQ(t.chart().rowCount(), 11);
    EXPECT_EQ(t.chart().cell(0, 0), "#");
    EXPECT_EQ(t.chart().cell(3, 0), "Rtng/Cote");
    EXPECT_EQ(t.chart().cell(4, 0), "Rd 1");
    EXPECT_EQ(t.chart().cell(0, 10), "10");
    EXPECT_FALSE(t.modified());
}
