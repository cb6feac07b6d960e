#include "standings/ChartGames.h"

#include "chart/ResultNotation.h"

#include <algorithm>

namespace ranvik {
namespace {

bool IsForfeitLetter(std::string_view letter) {
    return letter == "X" || letter == "Z" || letter == "F";
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

RoundKind ForfeitByPoints(int points) {
    return points == 2 ? RoundKind::ForfeitWin
                       : (points == 1 ? RoundKind::ForfeitDraw : RoundKind::ForfeitLoss);
}

RoundKind ByeByPoints(int points) {
    return points == 2 ? RoundKind::FullBye
                       : (points == 1 ? RoundKind::HalfBye : RoundKind::ZeroBye);
}

RoundEntry ReadSwissCell(const Chart& chart, int col, int row, int players) {
    const std::string_view text = chart.cell(col, row);
    if (IsBlank(text))
        return {0, 0, RoundKind::Absent};
    const ParsedResult result = ParseResult(text);
    RoundEntry entry{0, result.points, RoundKind::Played};
    const bool validOpponent =
        result.opponent >= 1 && result.opponent <= players && result.opponent != row;
    if (result.letter == "B" || result.letter == "H" || result.letter == "U") {
        entry.kind = ByeByPoints(result.points);
        if (result.letter == "U")
            entry.kind = RoundKind::ZeroBye;
        return entry;
    }
    if (validOpponent)
        entry.opponent = result.opponent;
    // A forfeit shows in either cell of the game: "+5" against the opponent's "F3" is a
    // forfeit win, not a game.
    if (IsForfeitLetter(result.letter) ||
        (validOpponent && IsForfeitLetter(ParseResult(chart.cell(col, result.opponent)).letter))) {
        entry.kind = ForfeitByPoints(result.points);
    } else if (!validOpponent) {
        entry.kind = ByeByPoints(result.points);
    }
    return entry;
}

// "+" and "-" are the forfeit signs of a round robin grid; the game still counts against
// its opponent there. The first character decides, as RoundRobinPoints reads it.
RoundEntry ReadRoundRobinCell(std::string_view text, int opponent) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    if (start == text.size())
        return {opponent, 0, RoundKind::Absent};
    const char first = text[start];
    RoundKind kind = RoundKind::Played;
    if (first == '+')
        kind = RoundKind::ForfeitWin;
    if (first == '-')
        kind = RoundKind::ForfeitLoss;
    return {opponent, RoundRobinPoints(text.substr(start, 1)), kind};
}

} // namespace

bool IsForfeit(RoundKind kind) {
    return kind == RoundKind::ForfeitWin || kind == RoundKind::ForfeitDraw ||
           kind == RoundKind::ForfeitLoss;
}

bool IsVoluntarilyUnplayed(RoundKind kind) {
    return kind == RoundKind::ForfeitLoss || IsRequestedAbsence(kind);
}

bool IsRequestedAbsence(RoundKind kind) {
    return kind == RoundKind::HalfBye || kind == RoundKind::ZeroBye || kind == RoundKind::Absent;
}

ChartGames ReadChartGames(const Tournament& tournament) {
    const Chart& chart = tournament.chart();
    const ChartRules& rules = tournament.rules();
    ChartGames games;
    games.type = rules.type();
    games.players = tournament.playerRows();
    const int perOpponent = rules.gamesPerOpponent();
    games.rounds = rules.gamesPerPlayer(games.players, chart.colCount() - ChartColumn::FirstResult);
    if (games.players <= 0 || games.rounds <= 0) {
        games.rounds = std::max(games.rounds, 0);
        return games;
    }
    games.entries.reserve(static_cast<std::size_t>(games.players) * games.rounds);
    for (int row = 1; row <= games.players; ++row) {
        if (rules.columnsAreRounds()) {
            for (int k = 0; k < games.rounds; ++k)
                games.entries.push_back(
                    ReadSwissCell(chart, ChartColumn::FirstResult + k, row, games.players));
            continue;
        }
        for (int opponent = 1; opponent <= games.players; ++opponent) {
            if (opponent == row)
                continue;
            for (int game = 0; game < perOpponent; ++game) {
                const int col = rules.firstColumnAgainst(opponent) + game;
                games.entries.push_back(ReadRoundRobinCell(chart.cell(col, row), opponent));
            }
        }
    }
    return games;
}

} // namespace ranvik
