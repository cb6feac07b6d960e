// Random edits of every kind on each tournament type. After each one, every cell the program
// wrote holds exactly the mirror of its game's other cell (so each game is consistent or as
// the director typed one side), and a cell the director typed has changed only by an edit
// of its own game, or been emptied while it held the exact mirror of its partner.

#include "Charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace ranvik;

namespace {

using Cell = std::pair<int, int>; // (col, row)
enum class Origin { Typed, Written };
using Texts = std::map<Cell, std::string>;

Texts ResultTexts(const Tournament& t) {
    Texts texts;
    for (int r = 1; r <= t.playerRows(); ++r)
        for (int c = ChartColumn::FirstResult; c < t.chart().colCount(); ++c)
            texts[{c, r}] = std::string(t.chart().cell(c, r));
    return texts;
}

std::optional<Cell> Other(const Tournament& t, const Texts& texts, Cell at) {
    const auto o = t.rules().otherCell(at.first, at.second, texts.at(at));
    if (!o || o->row > t.playerRows() || o->col >= t.chart().colCount())
        return std::nullopt;
    return Cell{o->col, o->row};
}

// The cell holds the mirror of its game's other cell, which names it back.
bool IsMirror(const Tournament& t, const Texts& texts, Cell at) {
    const auto source = Other(t, texts, at);
    return source && Other(t, texts, *source) == at &&
           t.rules().mirrorText(texts.at(*source), source->second) == texts.at(at);
}

class Walk {
  public:
    Walk(TournamentType type, unsigned seed) : t_(test::UnmodifiedChart(type, 7, 3)), rnd_(seed) {}

    void step() {
        const Texts before = ResultTexts(t_);
        std::vector<Cell> targets;
        const int kind = pick(0, 9);
        if (kind == 9) {
            deleteRow(before);
            return;
        }
        if (kind <= 4) {
            targets.push_back(cell());
            t_.enterCell(targets[0].first, targets[0].second,
                         kind == 4 ? before.at(targets[0]) : text(targets[0]));
        } else if (kind <= 6) {
            std::vector<CellAt> cells;
            for (int k = pick(1, 3); k > 0; --k) {
                targets.push_back(cell());
                cells.push_back({targets.back().first, targets.back().second});
            }
            t_.clearCells(cells);
        } else {
            const Cell at = cell();
            std::vector<std::vector<std::string>> block(pick(1, 2));
            for (std::size_t r = 0; r < block.size(); ++r)
                for (int c = 0; c < pick(1, 2); ++c)
                    block[r].push_back(text({at.first + c, at.second + static_cast<int>(r)}));
            for (std::size_t r = 0; r < block.size(); ++r)
                for (std::size_t c = 0; c < block[r].size(); ++c)
                    targets.push_back(
                        {at.first + static_cast<int>(c), at.second + static_cast<int>(r)});
            t_.pasteBlock(at.first, at.second, block);
        }
        check(before, targets);
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rnd_); }
    Cell cell() {
        return {pick(ChartColumn::FirstResult, t_.chart().colCount() - 1),
                pick(1, t_.playerRows())};
    }
    std::string text(Cell at) {
        if (!t_.rules().columnsAreRounds()) {
            const char* texts[] = {"1", "0", "=", "X", "", "Q", "+", "-", "W", "1/2"};
            return texts[pick(0, 9)];
        }
        const std::string letters = "WLDGPE+-=XFZBHUQ#";
        const int number = pick(0, 3) == 0 ? at.second : pick(0, 8); // itself, or beyond
        return pick(0, 8) == 0 ? "" : letters.substr(pick(0, 16), 1) + std::to_string(number);
    }

    void check(const Texts& before, const std::vector<Cell>& targets) {
        const Texts after = ResultTexts(t_);
        std::set<Cell> games; // the cells of the targets' games, before and after
        for (const Cell& at : targets) {
            if (before.count(at) == 0)
                continue;
            for (const Texts* texts : {&before, &after})
                if (const auto other = Other(t_, *texts, at))
                    games.insert(*other);
            if (after.at(at).empty())
                origin_.erase(at);
            else
                origin_[at] = Origin::Typed;
        }
        for (const auto& [at, now] : after) {
            if (now == before.at(at) ||
                std::find(targets.begin(), targets.end(), at) != targets.end())
                continue;
            const bool typed = origin_.count(at) != 0 && origin_[at] == Origin::Typed;
            EXPECT_TRUE(!typed || games.count(at) != 0 || (now.empty() && IsMirror(t_, before, at)))
                << "typed cell " << at.first << "," << at.second << " went from " << before.at(at)
                << " to " << now;
            if (now.empty())
                origin_.erase(at);
            else
                origin_[at] = Origin::Written;
        }
        verifyWritten(after);
    }

    // Every cell moves with its line (a round robin's with its column too); the results that
    // named the deleted line are gone.
    void deleteRow(const Texts& before) {
        const int gone = pick(1, t_.playerRows());
        t_.deleteRow(gone);
        const int per = t_.rules().gamesPerOpponent();
        std::map<Cell, Origin> moved;
        for (const auto& [at, origin] : origin_) {
            auto [col, row] = at;
            const int opponent = t_.rules().opponentOfColumn(col);
            if (row == gone || (per > 0 && opponent == gone))
                continue;
            moved[{per > 0 && opponent > gone ? col - per : col, row > gone ? row - 1 : row}] =
                origin;
        }
        origin_.clear();
        const Texts after = ResultTexts(t_);
        for (const auto& [at, origin] : moved)
            if (!after.at(at).empty())
                origin_[at] = origin;
        EXPECT_EQ(before.size(), after.size());
        verifyWritten(after);
    }

    void verifyWritten(const Texts& texts) {
        for (const auto& [at, origin] : origin_)
            EXPECT_TRUE(origin == Origin::Typed || IsMirror(t_, texts, at))
                << "written cell " << at.first << "," << at.second << " holds " << texts.at(at)
                << ", no mirror of its game's other cell";
    }

    Tournament t_;
    std::mt19937 rnd_;
    std::map<Cell, Origin> origin_;
};

class GameProperty : public ::testing::TestWithParam<TournamentType> {};

TEST_P(GameProperty, EditsKeepEveryGameConsistentOrAsTyped) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Walk walk(GetParam(), seed);
        for (int k = 0; k < 80 && !::testing::Test::HasFailure(); ++k)
            walk.step();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, GameProperty,
                         ::testing::Values(TournamentType::Swiss, TournamentType::RoundRobin,
                                           TournamentType::DoubleRoundRobin));

} // namespace
