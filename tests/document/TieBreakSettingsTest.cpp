// The remembered tie-break order: one per kind of tournament, read back as written, and the
// defaults whenever the file says nothing usable.

#include "TestSupport.h"

#include "document/TieBreakSettings.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

class TieBreakSettingsTest : public ::testing::Test {
  protected:
    std::string path() const { return dir_.file("Ranvik.ini"); }
    test::TempDir dir_;
    Settings settings_{path()};
};

std::vector<TieBreak> List(const char* text) {
    std::string error;
    return *ParseTieBreakList(text, error);
}

} // namespace

TEST_F(TieBreakSettingsTest, EachKindKeepsItsOwnOrderAndBothRoundRobinsShareOne) {
    EXPECT_EQ(LoadTieBreakOrder(settings_, TournamentType::Swiss),
              DefaultTieBreaks(TournamentType::Swiss));
    ASSERT_TRUE(SaveTieBreakOrder(settings_, TournamentType::Swiss, List("SB,BH-M1,WON")));
    ASSERT_TRUE(SaveTieBreakOrder(settings_, TournamentType::DoubleRoundRobin, List("KS,SB")));
    const Settings fresh(path());
    EXPECT_EQ(LoadTieBreakOrder(fresh, TournamentType::Swiss), List("SB,BH-M1,WON"));
    EXPECT_EQ(LoadTieBreakOrder(fresh, TournamentType::RoundRobin), List("KS,SB"));
    EXPECT_EQ(fresh.get(setting::RoundRobinTieBreaks), "KS,SB");
    // An emptied order is remembered as one, not as nothing remembered.
    ASSERT_TRUE(SaveTieBreakOrder(settings_, TournamentType::Swiss, {}));
    EXPECT_TRUE(LoadTieBreakOrder(Settings(path()), TournamentType::Swiss).empty());
}

class UnusableTieBreakSetting : public TieBreakSettingsTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(UnusableTieBreakSetting, GivesTheDefaults) {
    ASSERT_TRUE(settings_.set(setting::SwissTieBreaks, GetParam()));
    EXPECT_EQ(LoadTieBreakOrder(Settings(path()), TournamentType::Swiss),
              DefaultTieBreaks(TournamentType::Swiss));
}

INSTANTIATE_TEST_SUITE_P(Values, UnusableTieBreakSetting,
                         ::testing::Values("", "BH,XYZ", "SB,SB", "BH-C9", ",,"));
