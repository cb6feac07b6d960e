// Random edits on each tournament type. After each one, every cell the program wrote holds
// exactly the mirror of its game's other cell, so each game is consistent or as the director
// typed one side; and a cell the director typed has changed only through an edit of its own
// game, or been emptied while it held the exact mirror of its partner.

#include "Charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace ranvik;

namespace {

using Cell = std::pair<int, int>; // (col, row)
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
        std::vector<Cell> targets = {cell()};
        const auto [col, row] = targets[0];
        switch (pick(0, 9)) {
        case 0:
            return deleteRow();
        case 1:
        case 2:
            targets.push_back(cell());
            t_.clearCells({{col, row}, {targets[1].first, targets[1].second}});
            break;
        case 3:
        case 4:
            targets = {{col, row}, {col + 1, row}, {col, row + 1}, {col + 1, row + 1}};
            t_.pasteBlock(col, row, {{text(), text()}, {text(), text()}});
            break;
        case 5:
            t_.enterCell(col, row, before.at(targets[0])); // Enter on the cell as it is
            break;
        default:
            t_.enterCell(col, row, text());
        }
        check(before, targets);
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rnd_); }
    Cell cell() {
        return {pick(ChartColumn::FirstResult, t_.chart().colCount() - 1),
                pick(1, t_.playerRows())};
    }
    // Results of every kind, typos, signs, byes, self-references and lines beyond the chart.
    std::string text() {
        if (!t_.rules().columnsAreRounds()) {
            const char* texts[] = {"1", "0", "=", "X", "", "Q", "+", "-", "W", "1/2"};
            return texts[pick(0, 9)];
        }
        return pick(0, 8) == 0
                   ? ""
                   : std::string(1, "WLDGPE+-=XFZBHUQ#"[pick(0, 16)]) + std::to_string(pick(0, 8));
    }

    void check(const Texts& before, const std::vector<Cell>& targets) {
        const Texts after = ResultTexts(t_);
        std::set<Cell> games; // the other cells of the targets' games, before and after
        for (const Cell& at : targets) {
            if (before.count(at) == 0)
                continue; // pasted beyond the chart
            for (const Texts* texts : {&before, &after})
                if (const auto other = Other(t_, *texts, at))
                    games.insert(*other);
            typed_[at] = !after.at(at).empty();
        }
        for (const auto& [at, now] : after) {
            if (now == before.at(at) || std::count(targets.begin(), targets.end(), at) != 0)
                continue;
            EXPECT_TRUE(!typed_[at] || games.count(at) != 0 ||
                        (now.empty() && IsMirror(t_, before, at)))
                << "typed cell " << at.first << "," << at.second << ": " << before.at(at)
                << " became " << now;
            typed_[at] = false;
        }
        verifyWritten(after);
    }

    // Every cell moves with its line (a round robin's with its column too); the results that
    // named the deleted line are gone.
    void deleteRow() {
        const int gone = pick(1, t_.playerRows());
        t_.deleteRow(gone);
        const int per = t_.rules().gamesPerOpponent();
        std::map<Cell, bool> moved;
        for (const auto& [at, typed] : typed_) {
            const int opponent = t_.rules().opponentOfColumn(at.first);
            if (at.second != gone && (per == 0 || opponent != gone))
                moved[{per > 0 && opponent > gone ? at.first - per : at.first,
                       at.second > gone ? at.second - 1 : at.second}] = typed;
        }
        typed_ = moved;
        verifyWritten(ResultTexts(t_));
    }

    void verifyWritten(const Texts& texts) {
        for (const auto& [at, typed] : typed_) {
            EXPECT_TRUE(typed || texts.at(at).empty() || IsMirror(t_, texts, at))
                << "written cell " << at.first << "," << at.second << " holds " << texts.at(at)
                << ", not the mirror of its game's other cell";
        }
    }

    Tournament t_;
    std::mt19937 rnd_;
    std::map<Cell, bool> typed_; // the cells written so far: by the director, or the program
};

class GameProperty : public ::testing::TestWithParam<TournamentType> {};

TEST_P(GameProperty, EditsKeepEveryGameConsistentOrAsTyped) {
    for (unsigned seed = 1; seed <= 40 && !HasFailure(); ++seed) {
        Walk walk(GetParam(), seed);
        for (int k = 0; k < 80 && !HasFailure(); ++k)
            walk.step();
        EXPECT_FALSE(HasFailure()) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, GameProperty,
                         ::testing::Values(TournamentType::Swiss, TournamentType::RoundRobin,
                                           TournamentType::DoubleRoundRobin));

} // namespace
