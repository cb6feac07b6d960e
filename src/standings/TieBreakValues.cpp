// The tie-break definitions of the FIDE Tie-Break Regulations (2023). docs/STANDINGS.md
// says how each kind of unplayed round is counted.

#include "standings/Standings.h"

#include <algorithm>

namespace ranvik {
namespace {

bool IsSwiss(const ChartGames& games) {
    return games.rules().columnsAreRounds();
}

// Whether a round counts as a game against its opponent. In a Swiss event forfeits and
// byes are unplayed rounds; with pre-determined pairings a forfeit is a game like any other.
bool CountsAsGame(const ChartGames& games, const RoundEntry& entry) {
    if (entry.opponent == 0)
        return false;
    if (entry.kind == RoundKind::Played)
        return true;
    return !IsSwiss(games) && IsForfeit(entry.kind);
}

std::vector<int> Scores(const ChartGames& games) {
    std::vector<int> scores(games.players, 0);
    for (int line = 1; line <= games.players; ++line) {
        const RoundEntry* rounds = games.roundsOf(line);
        for (int k = 0; k < games.rounds; ++k)
            scores[line - 1] += rounds[k].points;
    }
    return scores;
}

// A player's score as the opponents' tie-breaks see it: a requested bye or absence that is
// followed only by rounds the player chose not to play is a withdrawal, and counts as a
// draw.
std::vector<int> ScoresSeenByOpponents(const ChartGames& games, const std::vector<int>& scores) {
    std::vector<int> seen = scores;
    if (!IsSwiss(games))
        return seen;
    for (int line = 1; line <= games.players; ++line) {
        const RoundEntry* rounds = games.roundsOf(line);
        for (int k = games.rounds - 1; k >= 0 && IsVoluntarilyUnplayed(rounds[k].kind); --k) {
            if (IsRequestedAbsence(rounds[k].kind))
                seen[line - 1] += 1 - rounds[k].points;
        }
    }
    return seen;
}

struct Part {
    int value = 0; // the opponent's score, or the player's own for an unplayed round
    bool voluntarilyUnplayed = false;
};

// The Buchholz values of a player's rounds: an unplayed round counts as a game against a
// dummy opponent who finished on the player's own score.
std::vector<Part> BuchholzParts(const ChartGames& games, int line, const std::vector<int>& scores,
                                const std::vector<int>& seen) {
    std::vector<Part> parts;
    parts.reserve(games.rounds);
    const RoundEntry* rounds = games.roundsOf(line);
    for (int k = 0; k < games.rounds; ++k) {
        const RoundEntry& entry = rounds[k];
        const bool game = CountsAsGame(games, entry);
        parts.push_back({game ? seen[entry.opponent - 1] : scores[line - 1],
                         IsSwiss(games) && IsVoluntarilyUnplayed(entry.kind)});
    }
    return parts;
}

// The least significant value is cut; but a round the player chose not to play is cut in
// its place when its value is not below it.
void CutLeast(std::vector<Part>& parts) {
    if (parts.empty())
        return;
    auto least = std::min_element(parts.begin(), parts.end(),
                                  [](const Part& a, const Part& b) { return a.value < b.value; });
    auto chosen = parts.end();
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        if (it->voluntarilyUnplayed && (chosen == parts.end() || it->value < chosen->value))
            chosen = it;
    }
    parts.erase(chosen != parts.end() && chosen->value >= least->value ? chosen : least);
}

void CutMost(std::vector<Part>& parts) {
    if (parts.empty())
        return;
    parts.erase(std::max_element(parts.begin(), parts.end(),
                                 [](const Part& a, const Part& b) { return a.value < b.value; }));
}

int Buchholz(std::vector<Part> parts, const TieBreak& tieBreak) {
    for (int i = 0; i < tieBreak.count; ++i) {
        CutLeast(parts);
        if (tieBreak.modifier == TieBreakModifier::Median)
            CutMost(parts);
    }
    int sum = 0;
    for (const Part& part : parts)
        sum += part.value;
    return 2 * sum; // half points -> quarter points
}

// Points scored times the opponent's score; an unplayed round against the dummy opponent.
// Read straight from the rounds: it runs for every player of a full chart.
int SonnebornBerger(const ChartGames& games, int line, const std::vector<int>& scores,
                    const std::vector<int>& seen) {
    const RoundEntry* rounds = games.roundsOf(line);
    int sum = 0;
    for (int k = 0; k < games.rounds; ++k) {
        const RoundEntry& entry = rounds[k];
        if (entry.points == 0)
            continue;
        sum += entry.points *
               (CountsAsGame(games, entry) ? seen[entry.opponent - 1] : scores[line - 1]);
    }
    return sum; // half points times half points: quarter points
}

int Wins(const ChartGames& games, int line, bool overTheBoardOnly) {
    const RoundEntry* rounds = games.roundsOf(line);
    int count = 0;
    for (int k = 0; k < games.rounds; ++k) {
        if (rounds[k].points == 2 && (!overTheBoardOnly || rounds[k].kind == RoundKind::Played))
            ++count;
    }
    return 4 * count;
}

int Koya(const ChartGames& games, int line, const std::vector<int>& scores) {
    const RoundEntry* rounds = games.roundsOf(line);
    int sum = 0;
    for (int k = 0; k < games.rounds; ++k) {
        const RoundEntry& entry = rounds[k];
        if (CountsAsGame(games, entry) && 2 * scores[entry.opponent - 1] >= games.maxPoints())
            sum += entry.points;
    }
    return 2 * sum;
}

} // namespace

TieBreakScores ScoresOf(const ChartGames& games) {
    TieBreakScores scores;
    scores.scores = Scores(games);
    scores.seen = ScoresSeenByOpponents(games, scores.scores);
    return scores;
}

std::vector<int> TieBreakValues(const ChartGames& games, const TieBreak& tieBreak) {
    return TieBreakValues(games, ScoresOf(games), tieBreak);
}

std::vector<int> TieBreakValues(const ChartGames& games, const TieBreakScores& all,
                                const TieBreak& tieBreak) {
    const std::vector<int>& scores = all.scores;
    const std::vector<int>& seen = all.seen;
    std::vector<int> values(games.players, 0);
    for (int line = 1; line <= games.players; ++line) {
        int& value = values[line - 1];
        switch (tieBreak.kind) {
        case TieBreakKind::Buchholz:
            value = Buchholz(BuchholzParts(games, line, scores, seen), tieBreak);
            break;
        case TieBreakKind::SonnebornBerger:
            value = SonnebornBerger(games, line, scores, seen);
            break;
        case TieBreakKind::Wins:
            value = Wins(games, line, false);
            break;
        case TieBreakKind::WonGames:
            value = Wins(games, line, true);
            break;
        case TieBreakKind::Koya:
            value = Koya(games, line, scores);
            break;
        }
    }
    return values;
}

} // namespace ranvik
