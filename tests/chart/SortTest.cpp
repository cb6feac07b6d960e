#include "chart/ResultNotation.h"
#include "chart/Tournament.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace ranvik;

namespace {

Tournament Swiss(int players, int rounds) {
    Tournament t;
    t.layOutStartChart();
    t.setNumPlayers(players);
    t.setNumRounds(rounds);
    t.setModified(false);
    return t;
}

// Fills a row: name, rating and round cells from column 4 on.
void Player(Tournament& t, int row, const std::string& name, const std::string& rating,
            const std::vector<std::string>& rounds = {}) {
    t.chart().setCell(1, row, name);
    t.chart().setCell(3, row, rating);
    for (std::size_t i = 0; i < rounds.size(); ++i) {
        t.chart().setCell(ChartColumn::FirstResult + static_cast<int>(i), row, rounds[i]);
    }
}

std::vector<std::string> Names(const Tournament& t) {
    std::vector<std::string> names;
    for (int r = 1; r < t.chart().rowCount(); ++r)
        names.emplace_back(t.chart().cell(1, r));
    return names;
}

} // namespace

TEST(Sort, RoundRobinChartsAreNeverSorted) {
    for (auto type : {TournamentType::RoundRobin, TournamentType::DoubleRoundRobin}) {
        Tournament t = Swiss(3, 1);
        t.setType(type);
        Player(t, 1, "Low", "1000");
        Player(t, 3, "High", "2000");
        t.setModified(false);
        EXPECT_FALSE(t.sortByRating());
        EXPECT_EQ(Names(t), (std::vector<std::string>{"Low", "", "High"}));
        EXPECT_FALSE(t.modified());
    }
}

TEST(Sort, EqualRatingsFollowTheShellSortsOrder) {
    Tournament t = Swiss(3, 1);
    Player(t, 1, "A", "1500");
    Player(t, 2, "B", "1500");
    Player(t, 3, "C", "1600");
    ASSERT_TRUE(t.sortByRating());
    EXPECT_EQ(Names(t), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(t.rowAfterSort(3), 1);
    EXPECT_EQ(t.rowAfterSort(2), 2);
    EXPECT_EQ(t.rowAfterSort(1), 3);
    EXPECT_EQ(t.rowAfterSort(0), 0);
    EXPECT_EQ(t.rowAfterSort(4), 0);
}

TEST(Sort, TwoPlayersSwapAndTheirResultsFollow) {
    Tournament t = Swiss(2, 1);
    Player(t, 1, "Low", "1500", {"W2"});
    Player(t, 2, "High", "1800", {"L1"});
    ASSERT_TRUE(t.sortByRating());
    EXPECT_EQ(Names(t), (std::vector<std::string>{"High", "Low"}));
    EXPECT_EQ(t.chart().cell(4, 1), "L2");
    EXPECT_EQ(t.chart().cell(4, 2), "W1");
    EXPECT_EQ(t.chart().cell(3, 1), "1800");
    EXPECT_EQ(t.chart().cell(0, 1), "1");
}

TEST(Sort, AnOrderedChartStillHasItsResultsRewritten) {
    Tournament t = Swiss(4, 2);
    Player(t, 1, "A", "1800", {"d3", "w 2 (forfeit)"});
    Player(t, 2, "B", "1700", {" L4", "l1"});
    Player(t, 3, "C", "1600", {"D1", "+4"});
    Player(t, 4, "D", "1500", {"W02", "-3"});
    t.chart().setCell(0, 2, "custom");
    ASSERT_TRUE(t.sortByRating());
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(Names(t), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(t.chart().cell(4, 1), "D3");
    EXPECT_EQ(t.chart().cell(5, 1), "W2");
    EXPECT_EQ(t.chart().cell(4, 2), "L4");
    EXPECT_EQ(t.chart().cell(4, 4), "W2"); // leading zero dropped
    EXPECT_EQ(t.chart().cell(5, 4), "-3");
    EXPECT_EQ(t.chart().cell(0, 2), "custom");
}

TEST(Sort, ByesAndOpponentsOutsideTheChartKeepTheirText) {
    Tournament t = Swiss(10, 3);
    for (int r = 1; r <= 10; ++r)
        Player(t, r, "P" + std::to_string(r), std::to_string(r * 100));
    t.chart().setCell(4, 1, "b");
    t.chart().setCell(5, 1, "h5");
    t.chart().setCell(6, 1, "U 3");
    t.chart().setCell(4, 2, "w12");
    t.chart().setCell(5, 2, "x0");
    t.chart().setCell(6, 2, "   ");
    t.chart().setCell(4, 3, "W5.5");
    ASSERT_TRUE(t.sortByRating());
    // Ratings were 100..1000, so the order is reversed.
    EXPECT_EQ(t.chart().cell(1, 10), "P1");
    EXPECT_EQ(t.chart().cell(4, 10), "b");
    EXPECT_EQ(t.chart().cell(5, 10), "h5");
    EXPECT_EQ(t.chart().cell(6, 10), "U 3");
    EXPECT_EQ(t.chart().cell(4, 9), "w12");
    EXPECT_EQ(t.chart().cell(5, 9), "x0");
    EXPECT_EQ(t.chart().cell(6, 9), "   ");
    EXPECT_EQ(t.chart().cell(4, 8), "W5.5");
}

TEST(Sort, EmptyRatingsMoveNothingButResultsAreRewritten) {
    Tournament t = Swiss(3, 1);
    Player(t, 1, "A", "", {"w2"});
    Player(t, 2, "B", "", {"l1"});
    Player(t, 3, "C", "", {"e 3"});
    ASSERT_TRUE(t.sortByRating());
    EXPECT_EQ(Names(t), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(t.chart().cell(4, 1), "W2");
    EXPECT_EQ(t.chart().cell(4, 2), "L1");
    EXPECT_EQ(t.chart().cell(4, 3), "E3");
}

TEST(Sort, RatingsThatDoNotReadCountAsZeroAndNegativesSinkLower) {
    Tournament t = Swiss(4, 1);
    Player(t, 1, "unrated", "UNR");
    Player(t, 2, "negative", "-50");
    Player(t, 3, "rated", "1200");
    Player(t, 4, "empty", "");
    ASSERT_TRUE(t.sortByRating());
    // Gap 2 swaps rows 1 and 3, then 2 and 4; gap 1 finds nothing strictly greater.
    EXPECT_EQ(Names(t), (std::vector<std::string>{"rated", "empty", "unrated", "negative"}));
}

TEST(Sort, EveryResultAgainstAMovedPlayerIsRenumbered) {
    Tournament t = Swiss(8, 2);
    for (int r = 1; r <= 8; ++r) {
        Player(t, r, "P" + std::to_string(r), r == 7 ? "2000" : std::to_string(1900 - 10 * r));
    }
    t.chart().setCell(4, 2, "W7");
    t.chart().setCell(4, 7, "L2");
    t.chart().setCell(5, 5, "d7");
    t.chart().setCell(5, 7, "D5");
    ASSERT_TRUE(t.sortByRating());
    EXPECT_EQ(Names(t), (std::vector<std::string>{"P7", "P1", "P2", "P3", "P4", "P5", "P6", "P8"}));
    EXPECT_EQ(t.chart().cell(4, 3), "W1");
    EXPECT_EQ(t.chart().cell(4, 1), "L3");
    EXPECT_EQ(t.chart().cell(5, 6), "D1");
    EXPECT_EQ(t.chart().cell(5, 1), "D6");
}

TEST(Sort, RandomChartsKeepEveryGameBetweenTheSamePlayers) {
    std::mt19937 random(7);
    const std::vector<std::string> fixedRatings = {"", "UNR", "1500", "1500", "-3", "0"};
    for (int trial = 0; trial < 40; ++trial) {
        const int players = std::uniform_int_distribution<int>(2, 40)(random);
        const int rounds = std::uniform_int_distribution<int>(1, 6)(random);
        Tournament t = Swiss(players, rounds);
        for (int r = 1; r <= players; ++r) {
            const int pick = std::uniform_int_distribution<int>(0, 9)(random);
            const std::string rating =
                pick < 6 ? fixedRatings[pick] : std::to_string(1000 + 37 * (pick + r) % 1500);
            Player(t, r, "P" + std::to_string(r), rating);
        }
        // Before: which player each player met in each round, by name.
        std::vector<std::vector<std::string>> met(players + 1, std::vector<std::string>(rounds));
        for (int k = 0; k < rounds; ++k) {
            std::vector<int> order(players);
            for (int i = 0; i < players; ++i)
                order[i] = i + 1;
            std::shuffle(order.begin(), order.end(), random);
            for (int i = 0; i + 1 < players; i += 2) {
                const int a = order[i];
                const int b = order[i + 1];
                t.chart().setCell(ChartColumn::FirstResult + k, a,
                                  (i % 4 ? "w " : "W") + std::to_string(b));
                t.chart().setCell(ChartColumn::FirstResult + k, b, "l0" + std::to_string(a));
                met[a][k] = "P" + std::to_string(b);
                met[b][k] = "P" + std::to_string(a);
            }
            if (players % 2)
                t.chart().setCell(ChartColumn::FirstResult + k, order.back(), "B");
        }
        ASSERT_TRUE(t.sortByRating());

        std::vector<std::string> names = Names(t);
        std::vector<std::string> sortedNames = names;
        std::sort(sortedNames.begin(), sortedNames.end());
        std::vector<std::string> expectedNames;
        for (int r = 1; r <= players; ++r)
            expectedNames.push_back("P" + std::to_string(r));
        std::sort(expectedNames.begin(), expectedNames.end());
        ASSERT_EQ(sortedNames, expectedNames);

        for (int k = 1; k <= players; ++k) {
            if (k > 1) {
                EXPECT_GE(t.ratingSortKey(k - 1), t.ratingSortKey(k));
            }
            const int oldRow = std::stoi(names[k - 1].substr(1));
            EXPECT_EQ(t.rowAfterSort(oldRow), k);
            for (int c = 0; c < rounds; ++c) {
                const std::string_view cell = t.chart().cell(ChartColumn::FirstResult + c, k);
                if (met[oldRow][c].empty()) {
                    EXPECT_EQ(cell, "B");
                    continue;
                }
                const ParsedResult parsed = ParseResult(cell);
                ASSERT_GE(parsed.opponent, 1) << cell;
                EXPECT_EQ(t.chart().cell(1, parsed.opponent), met[oldRow][c]);
                EXPECT_EQ(cell, parsed.letter + std::to_string(parsed.opponent));
            }
        }
    }
}
