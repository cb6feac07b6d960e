// Tie-breaks on small events worked out by hand; the arithmetic is in the comments.

#include "StandingsTestSupport.h"
#include "standings/Standings.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::MakeChart;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Swiss, 4 players, 3 rounds: a bye typed as W (no opponent), a B, a half-point bye H and
// a withdrawal (line 4's empty last round).
//   scores: 1 = 2.5, 2 = 2.0, 3 = 1.0, 4 = 1.0
//   line 4 as its opponents see it: the empty last round (a withdrawal) counts as a draw,
//   and the H before it, followed only by rounds not played, stays a draw: 1.5.
const Rows kByes = {{"One", "W2", "D3", "B"},
                    {"Two", "L1", "W", "W3"},
                    {"Three", "D4", "D1", "L2"},
                    {"Four", "D3", "H", ""}};

// Swiss, 4 players, 2 rounds: round 1's game 1-2 forfeited (line 1 wrote "+2", line 2 "F1":
// the opponent's cell makes it a forfeit), round 2 played.
//   scores: 1 = 2.0, 2 = 1.0, 3 = 0.5, 4 = 0.5
const Rows kForfeits = {
    {"One", "+2", "W3"}, {"Two", "F1", "W4"}, {"Three", "D4", "L1"}, {"Four", "D3", "L2"}};

// The same event with the game 1-2 played ("+2" against "-1").
const Rows kPlayed = {
    {"One", "+2", "W3"}, {"Two", "-1", "W4"}, {"Three", "D4", "L1"}, {"Four", "D3", "L2"}};

// Round robin of 4: 1-2 1:0, 1-3 ½, 1-4 1:0, 2-3 1:0, 2-4 ½, 3-4 1:0.
//   scores: 1 = 2.5, 2 = 1.5, 3 = 1.5, 4 = 0.5; Koya counts opponents on 1.5 or more.
const Rows kRoundRobin = {{"One", "X", "1", "=", "1"},
                          {"Two", "0", "X", "1", "="},
                          {"Three", "=", "0", "X", "1"},
                          {"Four", "0", "=", "0", "X"}};

// The same with 3-4 won by forfeit: a forfeit counts as a game in a round robin.
const Rows kRoundRobinForfeit = {{"One", "X", "1", "=", "1"},
                                 {"Two", "0", "X", "1", "="},
                                 {"Three", "=", "0", "X", "+"},
                                 {"Four", "0", "=", "-", "X"}};

// Double round robin of 3 (columns 1a 1b 2a 2b 3a 3b): 1-2 1:0 and ½, 1-3 0:1 and 1:0,
// 2-3 1:0 and not played yet.
//   scores: 1 = 2.5, 2 = 1.5, 3 = 1.0; the maximum is 4, so Koya counts line 1 only.
const Rows kDouble = {{"One", "X", "X", "1", "=", "0", "1"},
                      {"Two", "0", "=", "X", "X", "1", ""},
                      {"Three", "1", "0", "0", "", "X", "X"}};

struct Case {
    const char* name;
    TournamentType type;
    const Rows* rows;
    const char* tieBreak;
    std::vector<std::string> byLine;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const Case kCases[] = {
    // 1: 2.0 + 1.0 + bye (own 2.5) = 5.5;  2: 2.5 + typed bye (own 2.0) + 1.0 = 5.5
    // 3: 1.5 + 2.5 + 2.0 = 6.0;            4: 1.0 + H (own 1.0) + absent (own 1.0) = 3.0
    {"ByesBuchholz", TournamentType::Swiss, &kByes, "BH", {"5.50", "5.50", "6.00", "3.00"}},
    // The least value goes; for line 4 a round it chose not to play goes first (1.0 is not
    // below its least value 1.0).
    {"ByesCut1", TournamentType::Swiss, &kByes, "BH-C1", {"4.50", "4.50", "4.50", "2.00"}},
    // Cut 2: 1 drops 1.0 and 2.0; 4 drops both rounds it did not play.
    {"ByesCut2", TournamentType::Swiss, &kByes, "BH-C2", {"2.50", "2.50", "2.50", "1.00"}},
    // Median 1: 3 drops 1.5 and 2.5.
    {"ByesMedian1", TournamentType::Swiss, &kByes, "BH-M1", {"2.00", "2.00", "2.00", "1.00"}},
    // 1: 1*2.0 + ½*1.0 + 1*2.5 = 5.0;  2: 0 + 1*2.0 + 1*1.0 = 3.0
    // 3: ½*1.5 + ½*2.5 + 0 = 2.0;      4: ½*1.0 + ½*1.0 + 0 = 1.0
    {"ByesSonnebornBerger", TournamentType::Swiss, &kByes, "SB", {"5.00", "3.00", "2.00", "1.00"}},
    // Byes worth a point count as wins; only games won over the board count for WON.
    {"ByesWins", TournamentType::Swiss, &kByes, "WIN", {"2.00", "2.00", "0.00", "0.00"}},
    {"ByesWonGames", TournamentType::Swiss, &kByes, "WON", {"1.00", "1.00", "0.00", "0.00"}},
    // 1: forfeit (own 2.0) + 0.5 = 2.5;  2: forfeit (own 1.0) + 0.5 = 1.5
    // 3: 0.5 + 2.0 = 2.5;                4: 0.5 + 1.0 = 1.5
    {"ForfeitBuchholz", TournamentType::Swiss, &kForfeits, "BH", {"2.50", "1.50", "2.50", "1.50"}},
    // 2's forfeit loss is cut before its least value 0.5.
    {"ForfeitCut1", TournamentType::Swiss, &kForfeits, "BH-C1", {"2.00", "0.50", "2.00", "1.00"}},
    // 1: 1*2.0 + 1*0.5 = 2.5;  2: 0*1.0 + 1*0.5 = 0.5;  3 and 4: ½*0.5 = 0.25
    {"ForfeitSonnebornBerger",
     TournamentType::Swiss,
     &kForfeits,
     "SB",
     {"2.50", "0.50", "0.25", "0.25"}},
    {"ForfeitWins", TournamentType::Swiss, &kForfeits, "WIN", {"2.00", "1.00", "0.00", "0.00"}},
    {"ForfeitWonGames", TournamentType::Swiss, &kForfeits, "WON", {"1.00", "1.00", "0.00", "0.00"}},
    // Played: 1 = 1.0 + 0.5, 2 = 2.0 + 0.5.
    {"PlayedBuchholz", TournamentType::Swiss, &kPlayed, "BH", {"1.50", "2.50", "2.50", "1.50"}},
    // 1: 1*1.5 + ½*1.5 + 1*0.5 = 2.75;  2: 1*1.5 + ½*0.5 = 1.75
    // 3: ½*2.5 + 1*0.5 = 1.75;           4: ½*1.5 = 0.75
    {"RoundRobinSonnebornBerger",
     TournamentType::RoundRobin,
     &kRoundRobin,
     "SB",
     {"2.75", "1.75", "1.75", "0.75"}},
    // 1: 1 (vs 2) + ½ (vs 3);  2: 1 (vs 3);  3: ½ (vs 1);  4: ½ (vs 2)
    {"RoundRobinKoya",
     TournamentType::RoundRobin,
     &kRoundRobin,
     "KS",
     {"1.50", "1.00", "0.50", "0.50"}},
    {"RoundRobinWins",
     TournamentType::RoundRobin,
     &kRoundRobin,
     "WIN",
     {"2.00", "1.00", "1.00", "0.00"}},
    {"RoundRobinForfeitSonnebornBerger",
     TournamentType::RoundRobin,
     &kRoundRobinForfeit,
     "SB",
     {"2.75", "1.75", "1.75", "0.75"}},
    {"RoundRobinForfeitKoya",
     TournamentType::RoundRobin,
     &kRoundRobinForfeit,
     "KS",
     {"1.50", "1.00", "0.50", "0.50"}},
    {"RoundRobinForfeitWon",
     TournamentType::RoundRobin,
     &kRoundRobinForfeit,
     "WON",
     {"2.00", "1.00", "0.00", "0.00"}},
    // 1: 1*1.5 + ½*1.5 + 0 + 1*1.0 = 3.25;  2: ½*2.5 + 1*1.0 = 2.25;  3: 1*2.5 = 2.5
    {"DoubleSonnebornBerger",
     TournamentType::DoubleRoundRobin,
     &kDouble,
     "SB",
     {"3.25", "2.25", "2.50"}},
    // Only line 1 reaches 2.0: 2 scored ½ against it, 3 scored 1.
    {"DoubleKoya", TournamentType::DoubleRoundRobin, &kDouble, "KS", {"0.00", "0.50", "1.00"}},
    // 1: 1.5 + 1.5 + 1.0 + 1.0 = 5.0;  2: 2.5 + 2.5 + 1.0 + the unplayed game (own 1.5) = 7.5
    // 3: 2.5 + 2.5 + 1.5 + the unplayed game (own 1.0) = 7.5
    {"DoubleBuchholz", TournamentType::DoubleRoundRobin, &kDouble, "BH", {"5.00", "7.50", "7.50"}},
};

class TieBreakExample : public testing::TestWithParam<Case> {};

TEST_P(TieBreakExample, MatchesTheHandComputedValues) {
    const Case& c = GetParam();
    const Tournament tournament = MakeChart(c.type, *c.rows);
    const auto tieBreak = ParseTieBreak(c.tieBreak);
    ASSERT_TRUE(tieBreak);
    std::vector<std::string> byLine;
    for (int value : TieBreakValues(ReadChartGames(tournament), *tieBreak))
        byLine.push_back(FixedTwo(value));
    EXPECT_EQ(byLine, c.byLine);
}

INSTANTIATE_TEST_SUITE_P(Worked, TieBreakExample, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> RankColumn(const Standings& standings) {
    std::vector<std::string> ranks;
    for (const StandingsRow& row : standings.rows)
        ranks.push_back(std::to_string(row.line) + "@" + RankText(row));
    return ranks;
}

TEST(StandingsOrder, PointsThenEachTieBreakInTurn) {
    // Swiss defaults: 3 and 4 share 1.0 point; BH-C1 4.5 against 2.0 puts 3 first. 1 and 2
    // differ on points already.
    const Tournament byes = MakeChart(TournamentType::Swiss, kByes);
    EXPECT_EQ(RankColumn(ComputeStandings(byes, DefaultTieBreaks(TournamentType::Swiss))),
              (std::vector<std::string>{"1@1", "2@2", "3@3", "4@4"}));
    // Round robin defaults SB, WIN, KS: 2 and 3 equal on points, SB and WIN; Koya decides.
    const Tournament rr = MakeChart(TournamentType::RoundRobin, kRoundRobin);
    EXPECT_EQ(RankColumn(ComputeStandings(rr, DefaultTieBreaks(TournamentType::RoundRobin))),
              (std::vector<std::string>{"1@1", "2@2", "3@3", "4@4"}));
    // Without Koya they share second place, in line order.
    std::string error;
    const auto sbOnly = ParseTieBreakList("SB,WIN", error);
    EXPECT_EQ(RankColumn(ComputeStandings(rr, *sbOnly)),
              (std::vector<std::string>{"1@1", "2@2\u20133", "3@2\u20133", "4@4"}));
}

TEST(StandingsOrder, PlayersEqualInEverythingShareThePlace) {
    // 1 beats 2, 2 beats 3, 3 beats 1, and all beat 4: 1, 2 and 3 are equal in points
    // (2.0), SB (2.0), WIN (2) and KS (1.0).
    const Tournament cycle = MakeChart(TournamentType::RoundRobin, {{"One", "X", "1", "0", "1"},
                                                                    {"Two", "0", "X", "1", "1"},
                                                                    {"Three", "1", "0", "X", "1"},
                                                                    {"Four", "0", "0", "0", "X"}});
    const Standings standings =
        ComputeStandings(cycle, DefaultTieBreaks(TournamentType::RoundRobin));
    EXPECT_EQ(RankColumn(standings),
              (std::vector<std::string>{"1@1\u20133", "2@1\u20133", "3@1\u20133", "4@4"}));
    EXPECT_EQ(standings.rankOfLine, (std::vector<int>{0, 1, 1, 1, 4}));
}

TEST(StandingsOrder, NoTieBreaksRanksByPointsAlone) {
    const Tournament forfeits = MakeChart(TournamentType::Swiss, kForfeits);
    EXPECT_EQ(RankColumn(ComputeStandings(forfeits, {})),
              (std::vector<std::string>{"1@1", "2@2", "3@3\u20134", "4@3\u20134"}));
}

TEST(TieBreakList, ReadsAndWritesTheShortNames) {
    std::string error;
    const auto list = ParseTieBreakList(" bh-c1, BH ,SB,win,WON,KS,BH-M2,bh-c2", error);
    ASSERT_TRUE(list) << error;
    EXPECT_EQ(FormatTieBreakList(*list), "BH-C1,BH,SB,WIN,WON,KS,BH-M2,BH-C2");
    EXPECT_EQ(FormatTieBreakList(DefaultTieBreaks(TournamentType::Swiss)), "BH-C1,BH,SB,WIN");
    EXPECT_EQ(FormatTieBreakList(DefaultTieBreaks(TournamentType::DoubleRoundRobin)), "SB,WIN,KS");
    EXPECT_TRUE(ParseTieBreakList("", error)->empty());
}

TEST(TieBreakList, RefusesUnknownModifiedAndRepeatedNames) {
    for (const char* bad : {"BH,XX", "SB-C1", "BH-C3", "BH-X1", "BH-C", "BH,,SB", "BH,bh"}) {
        std::string error;
        EXPECT_FALSE(ParseTieBreakList(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(ValueText, TwoDecimalsWithAPoint) {
    EXPECT_EQ(FixedTwo(10), "2.50");
    EXPECT_EQ(FixedTwo(40), "10.00");
    EXPECT_EQ(FixedTwo(49), "12.25");
    EXPECT_EQ(FixedTwo(3), "0.75");
    EXPECT_EQ(ScoreWithHalf(1), "\u00bd");
    EXPECT_EQ(ScoreWithHalf(7), "3\u00bd");
    EXPECT_EQ(ScoreWithHalf(0), "0");
}

} // namespace
