#include "standings/Standings.h"

#include <algorithm>
#include <numeric>

namespace ranvik {
namespace {

bool SameScores(const StandingsRow& a, const StandingsRow& b) {
    return a.points == b.points && a.tieBreakValues == b.tieBreakValues;
}

bool RanksBefore(const StandingsRow& a, const StandingsRow& b) {
    if (a.points != b.points)
        return a.points > b.points;
    for (std::size_t i = 0; i < a.tieBreakValues.size(); ++i) {
        if (a.tieBreakValues[i] != b.tieBreakValues[i])
            return a.tieBreakValues[i] > b.tieBreakValues[i];
    }
    return a.line < b.line;
}

void AssignRanks(std::vector<StandingsRow>& rows) {
    std::size_t first = 0;
    while (first < rows.size()) {
        std::size_t last = first;
        while (last + 1 < rows.size() && SameScores(rows[first], rows[last + 1]))
            ++last;
        for (std::size_t i = first; i <= last; ++i) {
            rows[i].rank = static_cast<int>(first) + 1;
            rows[i].rankLast = static_cast<int>(last) + 1;
        }
        first = last + 1;
    }
}

} // namespace

Standings ComputeStandings(const Tournament& tournament, const std::vector<TieBreak>& tieBreaks) {
    return ComputeStandings(tournament, ReadChartGames(tournament), tieBreaks);
}

Standings ComputeStandings(const Tournament& tournament, const ChartGames& games,
                           const std::vector<TieBreak>& tieBreaks) {
    Standings standings;
    standings.type = games.type;
    standings.rounds = games.rounds;
    standings.tieBreaks = tieBreaks;
    // The scores every tie-break reads, worked out once for all of them.
    const TieBreakScores scores = ScoresOf(games);
    std::vector<std::vector<int>> values;
    values.reserve(tieBreaks.size());
    for (const TieBreak& tieBreak : tieBreaks)
        values.push_back(TieBreakValues(games, scores, tieBreak));

    const Chart& chart = tournament.chart();
    standings.rows.resize(games.players);
    for (int line = 1; line <= games.players; ++line) {
        StandingsRow& row = standings.rows[line - 1];
        row.line = line;
        row.name = chart.cell(1, line);
        row.member = chart.cell(2, line);
        row.rating = chart.cell(3, line);
        const RoundEntry* rounds = games.roundsOf(line);
        for (int k = 0; k < games.rounds; ++k)
            row.points += rounds[k].points;
        for (const std::vector<int>& column : values)
            row.tieBreakValues.push_back(column[line - 1]);
    }
    std::sort(standings.rows.begin(), standings.rows.end(), RanksBefore);
    AssignRanks(standings.rows);
    standings.rankOfLine.assign(games.players + 1, 0);
    for (const StandingsRow& row : standings.rows)
        standings.rankOfLine[row.line] = row.rank;
    return standings;
}

std::string RankText(const StandingsRow& row) {
    if (row.rankLast == row.rank)
        return std::to_string(row.rank);
    return std::to_string(row.rank) + "\u2013" + std::to_string(row.rankLast);
}

std::string FixedTwo(int quarters) {
    const bool negative = quarters < 0;
    const int magnitude = negative ? -quarters : quarters;
    static constexpr const char* kFractions[] = {".00", ".25", ".50", ".75"};
    return (negative ? "-" : "") + std::to_string(magnitude / 4) + kFractions[magnitude % 4];
}

std::string ScoreWithHalf(int halfPoints) {
    if (halfPoints < 0)
        return "-" + ScoreWithHalf(-halfPoints);
    if (halfPoints == 1)
        return "\u00bd";
    std::string text = std::to_string(halfPoints / 2);
    if (halfPoints % 2 != 0)
        text += "\u00bd";
    return text;
}

std::string QuartersWithHalf(int quarters, std::string_view decimalSeparator) {
    if (quarters % 2 == 0)
        return ScoreWithHalf(quarters / 2);
    const std::string fixed = FixedTwo(quarters); // "2.25": the point is third from the end
    return fixed.substr(0, fixed.size() - 3) + std::string(decimalSeparator) +
           fixed.substr(fixed.size() - 2);
}

} // namespace ranvik
