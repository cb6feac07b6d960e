#include "standings/StandingsDocument.h"

#include "platform/Time.h"

#include <cstdlib>
#include <ctime>

namespace ranvik {
namespace {

std::string ResultSymbol(int points) {
    return points == 2 ? "1" : (points == 1 ? "\u00bd" : "0");
}

// "5:1" played against the player placed fifth; "5:+" a forfeit won; "–:1" a bye worth a
// point; empty for a round the player was not in.
std::string SwissCell(const RoundEntry& entry, const Standings& standings) {
    if (entry.kind == RoundKind::Absent)
        return "";
    const std::string place =
        entry.opponent != 0 ? std::to_string(standings.rankOfLine[entry.opponent]) : "\u2013";
    switch (entry.kind) {
    case RoundKind::ForfeitWin:
        return place + ":+";
    case RoundKind::ForfeitDraw:
        return place + ":=";
    case RoundKind::ForfeitLoss:
        return place + ":-";
    default:
        return place + ":" + ResultSymbol(entry.points);
    }
}

std::string RoundRobinCell(const RoundEntry& entry) {
    switch (entry.kind) {
    case RoundKind::Absent:
        return "";
    case RoundKind::ForfeitWin:
        return "+";
    case RoundKind::ForfeitLoss:
        return "-";
    default:
        return ResultSymbol(entry.points);
    }
}

void AddTieBreakColumns(DocumentTable& table, const Standings& standings) {
    for (const TieBreak& tieBreak : standings.tieBreaks) {
        table.header.push_back(ShortName(tieBreak));
        table.numeric.push_back(true);
    }
}

DocumentTable SwissCrossTable(const ChartGames& games, const Standings& standings,
                              const QuarterText& tieBreakText) {
    DocumentTable table;
    table.caption = "Cross-table";
    table.keyColumns = 2;
    table.header = {"Rank", "Name", "Rating"};
    table.numeric = {true, false, true};
    for (int k = 1; k <= games.rounds; ++k) {
        table.header.push_back("Rd " + std::to_string(k));
        table.numeric.push_back(false);
    }
    table.header.emplace_back("Pts");
    table.numeric.push_back(true);
    AddTieBreakColumns(table, standings);
    for (const StandingsRow& row : standings.rows) {
        std::vector<std::string> cells = {RankText(row), row.name, row.rating};
        const RoundEntry* rounds = games.roundsOf(row.line);
        for (int k = 0; k < games.rounds; ++k)
            cells.push_back(SwissCell(rounds[k], standings));
        cells.push_back(ScoreWithHalf(row.points));
        for (int value : row.tieBreakValues)
            cells.push_back(tieBreakText(value));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

DocumentTable RoundRobinCrossTable(const ChartGames& games, const Standings& standings) {
    const int perOpponent = games.rules().gamesPerOpponent();
    std::vector<const StandingsRow*> byLine(games.players + 1, nullptr);
    for (const StandingsRow& row : standings.rows)
        byLine[row.line] = &row;

    DocumentTable table;
    table.caption = "Cross-table";
    table.keyColumns = 2;
    table.header = {"#", "Name", "Rating"};
    table.numeric = {true, false, true};
    for (int opponent = 1; opponent <= games.players; ++opponent) {
        table.header.push_back(std::to_string(opponent));
        table.numeric.push_back(false);
    }
    table.header.insert(table.header.end(), {"Pts", "Place"});
    table.numeric.insert(table.numeric.end(), {true, true});
    for (int line = 1; line <= games.players; ++line) {
        const StandingsRow& row = *byLine[line];
        std::vector<std::string> cells = {std::to_string(line), row.name, row.rating};
        const RoundEntry* rounds = games.roundsOf(line);
        int k = 0;
        for (int opponent = 1; opponent <= games.players; ++opponent) {
            if (opponent == line) {
                cells.emplace_back("\u00d7");
                continue;
            }
            std::string cell;
            for (int game = 0; game < perOpponent; ++game, ++k) {
                if (game > 0)
                    cell += ' ';
                const std::string result = RoundRobinCell(rounds[k]);
                cell += result.empty() && perOpponent > 1 ? "." : result;
            }
            cells.push_back(cell == ". ." ? "" : cell);
        }
        cells.push_back(ScoreWithHalf(row.points));
        cells.push_back(RankText(row));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::string TypeLine(const ChartGames& games) {
    std::string line =
        std::string(games.rules().name()) + ", " + std::to_string(games.players) + " players";
    if (games.rules().columnsAreRounds())
        line += ", " + std::to_string(games.rounds) + (games.rounds == 1 ? " round" : " rounds");
    return line;
}

} // namespace

DocumentTable StandingsTable(const Standings& standings) {
    DocumentTable table;
    table.caption = "Standings";
    table.keyColumns = 3;
    table.header = {"Rank", "Line", "Name", "Member", "Rating", "Points"};
    table.numeric = {true, true, false, false, true, true};
    AddTieBreakColumns(table, standings);
    for (const StandingsRow& row : standings.rows) {
        std::vector<std::string> cells = {RankText(row), std::to_string(row.line),
                                          row.name,      row.member,
                                          row.rating,    FixedTwo(2 * row.points)};
        for (int value : row.tieBreakValues)
            cells.push_back(FixedTwo(value));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

DocumentTable CrossTable(const ChartGames& games, const Standings& standings,
                         const QuarterText& tieBreakText) {
    return games.rules().columnsAreRounds() ? SwissCrossTable(games, standings, tieBreakText)
                                            : RoundRobinCrossTable(games, standings);
}

StandingsDocument StandingsHeading(const ChartGames& games, const Standings& standings,
                                   const DocumentHeading& heading) {
    StandingsDocument document;
    document.title = "Standings";
    if (heading.info && !heading.info->name.empty())
        document.title = heading.info->name;
    if (heading.info) {
        std::string where;
        if (!heading.info->province.empty())
            where = heading.info->province;
        if (!heading.info->endDate.empty())
            where += (where.empty() ? "" : ", ") + std::string("ending ") + heading.info->endDate;
        if (!where.empty())
            document.headingLines.push_back(where);
    }
    document.headingLines.push_back(TypeLine(games));
    if (!standings.tieBreaks.empty())
        document.headingLines.push_back("Tie-breaks: " + FormatTieBreakList(standings.tieBreaks));
    if (!heading.date.empty())
        document.headingLines.push_back("Printed " + heading.date);
    return document;
}

StandingsDocument BuildStandingsDocument(const ChartGames& games, const Standings& standings,
                                         const DocumentHeading& heading) {
    StandingsDocument document = StandingsHeading(games, standings, heading);
    document.tables.push_back(StandingsTable(standings));
    document.tables.push_back(CrossTable(games, standings));
    return document;
}

std::string TodayIsoDate() {
    std::time_t now = std::time(nullptr);
    std::tm parts = platform::LocalCalendarTime(now);
    // Reproducible-build convention: seconds since 1970, read as UTC.
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long value = std::strtoll(epoch, &end, 10);
        if (end != epoch && *end == '\0') {
            now = static_cast<std::time_t>(value);
            parts = platform::UtcCalendarTime(now);
        }
    }
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d", &parts));
}

} // namespace ranvik
