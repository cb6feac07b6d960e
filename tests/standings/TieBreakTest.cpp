// Tie-breaks on small events worked out by hand, a row per player with every tie-break (the
// arithmetic in the comments), and the order they rank in.

#include "StandingsTestSupport.h"
#include "standings/Standings.h"

#include <gtest/gtest.h>

#include <tuple>

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

// Round robin of 4: 1-2 1:0, 1-3 ½, 1-4 1:0, 2-3 1:0, 2-4 ½, 3-4 1:0.
//   scores: 1 = 2.5, 2 = 1.5, 3 = 1.5, 4 = 0.5; Koya counts opponents on 1.5 or more.
const Rows kRoundRobin = {{"One", "X", "1", "=", "1"},
                          {"Two", "0", "X", "1", "="},
                          {"Three", "=", "0", "X", "1"},
                          {"Four", "0", "=", "0", "X"}};

struct Event {
    const char* name;
    TournamentType type;
    Rows chart;
    std::vector<std::string> tieBreaks;
    std::vector<std::vector<std::string>> byLine; // byLine[line - 1][k]: tieBreaks[k] by hand
};

void PrintTo(const Event& e, std::ostream* os) {
    *os << e.name;
}

const std::vector<std::string> kSwissColumns = {"BH", "BH-C1", "BH-C2", "BH-M1",
                                                "SB", "WIN",   "WON",   "KS"};
const std::vector<std::string> kRoundRobinColumns = {"BH", "BH-C1", "SB", "WIN", "WON", "KS"};

const Event kEvents[] = {
    // BH: an unplayed round counts the player's own score. 1: 2.0 + 1.0 + B (own 2.5);
    // 2: 2.5 + W without opponent (own 2.0) + 1.0; 3: 1.5 + 2.5 + 2.0; 4: 1.0 + H (own 1.0)
    // + absent (own 1.0). The cuts take 4's unplayed rounds first (not below its least);
    // the median drops the least and the most. SB: 1: 1*2.0 + ½*1.0 + 1*2.5; 4: ½*1.0 +
    // ½*1.0. KS: opponents on 1.5 or more (half of 3 rounds).
    {"ByesAndAWithdrawal",
     TournamentType::Swiss,
     kByes,
     kSwissColumns,
     {{"5.50", "4.50", "2.50", "2.00", "5.00", "2.00", "1.00", "1.00"},
      {"5.50", "4.50", "2.50", "2.00", "3.00", "2.00", "1.00", "0.00"},
      {"6.00", "4.50", "2.50", "2.00", "2.00", "0.00", "0.00", "0.50"},
      {"3.00", "2.00", "1.00", "1.00", "1.00", "0.00", "0.00", "0.00"}}},
    // Six players, four rounds. Round 1: 1 beats 2, 3-4 drawn, 5 wins 6 by forfeit. Round 2:
    // 1-3 drawn, 2 beats 4, 5 the pairing bye, 6 a half-point bye. Round 3: 5 beats 1, 4
    // beats 6, 2 the bye, 3 a zero-point bye. Round 4: 1-4 drawn, 5 beats 2, 3 and 6 absent.
    //   scores: 2.0, 2.0, 1.0, 2.0, 4.0, 0.5; as opponents see them 3 (U then absent:
    //   withdrawn, both count as draws) 2.0 and 6 (absent in the last round) 1.0.
    //   BH: 1 [2, 2, 4, 2]; 2 [2, 2, B own 2, 4]; 3 [2, 2, U own 1, absent own 1];
    //   4 [2, 2, 1, 2]; 5 [X own 4, B own 4, 2, 2]; 6 [F own ½, H own ½, 2, absent own ½].
    //   Cuts take 3's and 6's unplayed rounds first. SB: 5: 4 + 4 (unplayed, own score) + 2
    //   + 2; 6: the H, ½ * own ½. WIN: 5's forfeit win and bye count, WON not. KS: opponents
    //   on 2.0 or more; 5's forfeit and byes are no games.
    {"ForfeitsByesAndWithdrawals",
     TournamentType::Swiss,
     {{"One", "W2", "D3", "L5", "D4"},
      {"Two", "L1", "W4", "B", "L5"},
      {"Three", "D4", "D1", "U", ""},
      {"Four", "D3", "L2", "W6", "D1"},
      {"Five", "X6", "B", "W1", "W2"},
      {"Six", "F5", "H", "L4", ""}},
     kSwissColumns,
     {{"10.00", "8.00", "6.00", "4.00", "4.00", "1.00", "1.00", "1.50"},
      {"10.00", "8.00", "6.00", "4.00", "4.00", "2.00", "1.00", "1.00"},
      {"6.00", "5.00", "4.00", "3.00", "2.00", "0.00", "0.00", "1.00"},
      {"7.00", "6.00", "4.00", "4.00", "3.00", "1.00", "1.00", "0.50"},
      {"12.00", "10.00", "8.00", "6.00", "12.00", "4.00", "2.00", "2.00"},
      {"3.50", "3.00", "2.50", "1.00", "0.25", "0.00", "0.00", "0.00"}}},
    // BH: 1 forfeit (own 2.0) + 0.5; 2 forfeit (own 1.0, chosen: cut first) + 0.5. SB: 1:
    // 1*2.0 + 1*0.5. The forfeit is no game for WON or KS.
    {"Forfeit",
     TournamentType::Swiss,
     kForfeits,
     {"BH", "BH-C1", "SB", "WIN", "WON", "KS"},
     {{"2.50", "2.00", "2.50", "2.00", "1.00", "0.00"},
      {"1.50", "0.50", "0.50", "1.00", "1.00", "0.00"},
      {"2.50", "2.00", "0.25", "0.00", "0.00", "0.00"},
      {"1.50", "1.00", "0.25", "0.00", "0.00", "0.00"}}},
    // The same event with the game 1-2 played ("+2" against "-1"): 1 = 1.0 + 0.5, 2 = 2.0 +
    // 0.5; SB 1: 1*1.0 + 1*0.5; KS counts line 2 on 1.0 (half of 2 rounds).
    {"ForfeitPlayed",
     TournamentType::Swiss,
     {{"One", "+2", "W3"}, {"Two", "-1", "W4"}, {"Three", "D4", "L1"}, {"Four", "D3", "L2"}},
     {"BH", "BH-C1", "SB", "WIN", "WON", "KS"},
     {{"1.50", "1.00", "1.50", "2.00", "2.00", "1.00"},
      {"2.50", "2.00", "0.50", "1.00", "1.00", "0.00"},
      {"2.50", "2.00", "0.25", "0.00", "0.00", "0.00"},
      {"1.50", "1.00", "0.25", "0.00", "0.00", "0.00"}}},
    // SB 1: 1*1.5 + ½*1.5 + 1*0.5; KS 1: 1 (vs 2) + ½ (vs 3).
    {"RoundRobin",
     TournamentType::RoundRobin,
     kRoundRobin,
     kRoundRobinColumns,
     {{"3.50", "3.00", "2.75", "2.00", "2.00", "1.50"},
      {"4.50", "4.00", "1.75", "1.00", "1.00", "1.00"},
      {"4.50", "4.00", "1.75", "1.00", "1.00", "0.50"},
      {"5.50", "4.00", "0.75", "0.00", "0.00", "0.50"}}},
    // 3-4 won by forfeit: a game like any other with pre-determined pairings, but not won
    // over the board.
    {"RoundRobinForfeit",
     TournamentType::RoundRobin,
     {{"One", "X", "1", "=", "1"},
      {"Two", "0", "X", "1", "="},
      {"Three", "=", "0", "X", "+"},
      {"Four", "0", "=", "-", "X"}},
     kRoundRobinColumns,
     {{"3.50", "3.00", "2.75", "2.00", "2.00", "1.50"},
      {"4.50", "4.00", "1.75", "1.00", "1.00", "1.00"},
      {"4.50", "4.00", "1.75", "1.00", "0.00", "0.50"},
      {"5.50", "4.00", "0.75", "0.00", "0.00", "0.50"}}},
    // Double round robin of 3 (columns 1a 1b 2a 2b 3a 3b): 1-2 1:0 and ½, 1-3 0:1 and 1:0,
    // 2-3 1:0 and not played yet. Scores 2.5, 1.5, 1.0; the game not played counts the
    // player's own score in BH; KS counts line 1 only (2.0 of a maximum 4).
    {"DoubleRoundRobinWithAGameUnplayed",
     TournamentType::DoubleRoundRobin,
     {{"One", "X", "X", "1", "=", "0", "1"},
      {"Two", "0", "=", "X", "X", "1", ""},
      {"Three", "1", "0", "0", "", "X", "X"}},
     {"BH", "SB", "WIN", "WON", "KS"},
     {{"5.00", "3.25", "2.00", "2.00", "0.00"},
      {"7.50", "2.25", "1.00", "1.00", "0.50"},
      {"7.50", "2.50", "1.00", "1.00", "1.00"}}},
};

class HandComputed : public testing::TestWithParam<Event> {};

// A wrong rule fails naming the tie-break, the player and both values.
TEST_P(HandComputed, EveryTieBreakOfEveryPlayer) {
    const Event& e = GetParam();
    const ChartGames games = ReadChartGames(MakeChart(e.type, e.chart));
    for (std::size_t k = 0; k < e.tieBreaks.size(); ++k) {
        const auto tieBreak = ParseTieBreak(e.tieBreaks[k]);
        ASSERT_TRUE(tieBreak) << e.tieBreaks[k];
        const std::vector<int> values = TieBreakValues(games, *tieBreak);
        ASSERT_EQ(values.size(), e.byLine.size());
        for (std::size_t line = 0; line < values.size(); ++line) {
            EXPECT_EQ(FixedTwo(values[line]), e.byLine[line][k])
                << e.tieBreaks[k] << " of line " << line + 1 << " (" << e.chart[line][0] << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Worked, HandComputed, testing::ValuesIn(kEvents),
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

// Files write two decimals with a point; the window halves as "½" and quarters with its
// language's separator (here a comma).
TEST(ValueText, FilesUseTwoDecimalsAndTheWindowHalves) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {10, "2.50", "2\u00bd"},   {40, "10.00", "10"}, {4082, "1020.50", "1020\u00bd"},
        {49, "12.25", "12,25"},    {3, "0.75", "0,75"}, {2, "0.50", "\u00bd"},
        {-6, "-1.50", "-1\u00bd"}, {0, "0.00", "0"}};
    for (const auto& [quarters, file, window] : cases) {
        EXPECT_EQ(FixedTwo(quarters), file);
        EXPECT_EQ(QuartersWithHalf(quarters, ","), window);
    }
}

} // namespace
