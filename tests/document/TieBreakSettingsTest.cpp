// The remembered tie-break order: one per kind of tournament, read back as written, and the
// defaults whenever the file says nothing usable.

#include "TestSupport.h"

#include "document/TieBreakSettings.h"
#include "members/Settings.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

class TieBreakSettingsTest : public ::testing::Test {
  protected:
    std::string path() const { return dir_.file("Ranvik.ini"); }
    test::TempDir dir_;
};

std::vector<TieBreak> List(const char* text) {
    std::string error;
    return *ParseTieBreakList(text, error);
}

} // namespace

TEST_F(TieBreakSettingsTest, EachKindKeepsItsOwnOrderAndBothRoundRobinsShareOne) {
    EXPECT_EQ(LoadTieBreakOrder(path(), TournamentType::Swiss),
              DefaultTieBreaks(TournamentType::Swiss));
    ASSERT_TRUE(SaveTieBreakOrder(path(), TournamentType::Swiss, List("SB,BH-M1,WON")));
    ASSERT_TRUE(SaveTieBreakOrder(path(), TournamentType::DoubleRoundRobin, List("KS,SB")));
    EXPECT_EQ(LoadTieBreakOrder(path(), TournamentType::Swiss), List("SB,BH-M1,WON"));
    EXPECT_EQ(LoadTieBreakOrder(path(), TournamentType::RoundRobin), List("KS,SB"));
    EXPECT_EQ(LoadSetting(path(), kStandingsSection, "Round robin tie-breaks"), "KS,SB");
    // The database setting in the same file is left alone.
    ASSERT_TRUE(SaveDatabaseSetting(path(), "/data/members.mde"));
    ASSERT_TRUE(SaveTieBreakOrder(path(), TournamentType::Swiss, {}));
    EXPECT_EQ(LoadDatabaseSetting(path(), ""), "/data/members.mde");
    EXPECT_TRUE(LoadTieBreakOrder(path(), TournamentType::Swiss).empty());
}

class UnusableTieBreakSetting : public TieBreakSettingsTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(UnusableTieBreakSetting, GivesTheDefaults) {
    ASSERT_TRUE(SaveSetting(path(), kStandingsSection, "Swiss tie-breaks", GetParam()));
    EXPECT_EQ(LoadTieBreakOrder(path(), TournamentType::Swiss),
              DefaultTieBreaks(TournamentType::Swiss));
}

INSTANTIATE_TEST_SUITE_P(Values, UnusableTieBreakSetting,
                         ::testing::Values("", "BH,XYZ", "SB,SB", "BH-C9", ",,"));
