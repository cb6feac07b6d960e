#include "standings/StandingsDocument.h"

#include "chart/TournamentTypeName.h"
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
        table.header.emplace_back(MessageKind::StandingsColumnTieBreak,
                                  std::vector<MessageArgument>{ShortName(tieBreak)});
        table.numeric.push_back(true);
    }
}

DocumentTable SwissCrossTable(const ChartGames& games, const Standings& standings,
                              const QuarterText& tieBreakText) {
    DocumentTable table;
    table.caption = Message(MessageKind::StandingsCrossTable);
    table.keyColumns = 2;
    table.header = {Message(MessageKind::StandingsColumnRank),
                    Message(MessageKind::StandingsColumnName),
                    Message(MessageKind::StandingsColumnRating)};
    table.numeric = {true, false, true};
    for (int k = 1; k <= games.rounds; ++k) {
        table.header.emplace_back(MessageKind::StandingsColumnRound,
                                  std::vector<MessageArgument>{k});
        table.numeric.push_back(false);
    }
    table.header.emplace_back(MessageKind::StandingsColumnPts);
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
    table.caption = Message(MessageKind::StandingsCrossTable);
    table.keyColumns = 2;
    table.header = {Message(MessageKind::StandingsColumnLineNumber),
                    Message(MessageKind::StandingsColumnName),
                    Message(MessageKind::StandingsColumnRating)};
    table.numeric = {true, false, true};
    for (int opponent = 1; opponent <= games.players; ++opponent) {
        table.header.emplace_back(MessageKind::StandingsColumnOpponentLine,
                                  std::vector<MessageArgument>{opponent});
        table.numeric.push_back(false);
    }
    table.header.insert(table.header.end(), {Message(MessageKind::StandingsColumnPts),
                                             Message(MessageKind::StandingsColumnPlace)});
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

Message TypeLine(const ChartGames& games) {
    Message type = TournamentTypeName(games.type);
    if (!games.rules().columnsAreRounds())
        return {MessageKind::StandingsTypePlayers, {std::move(type), games.players}};
    return {games.rounds == 1 ? MessageKind::StandingsTypePlayersRound
                              : MessageKind::StandingsTypePlayersRounds,
            {std::move(type), games.players, games.rounds}};
}

// The province and the ending date, whichever the report dialog holds; none without either.
Message WhereLine(const TournamentInfo& info) {
    if (info.endDate.empty())
        return info.province.empty()
                   ? Message()
                   : Message(MessageKind::StandingsEventProvince, {info.province});
    if (info.province.empty())
        return {MessageKind::StandingsEventEnding, {info.endDate}};
    return {MessageKind::StandingsEventProvinceEnding, {info.province, info.endDate}};
}

} // namespace

DocumentTable StandingsTable(const Standings& standings) {
    DocumentTable table;
    table.caption = Message(MessageKind::StandingsTitle);
    table.keyColumns = 3;
    for (const MessageKind kind :
         {MessageKind::StandingsColumnRank, MessageKind::StandingsColumnLine,
          MessageKind::StandingsColumnName, MessageKind::StandingsColumnMember,
          MessageKind::StandingsColumnRating, MessageKind::StandingsColumnPoints})
        table.header.emplace_back(kind);
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
    document.title = Message(MessageKind::StandingsTitle);
    if (heading.info && !heading.info->name.empty())
        document.title = Message(MessageKind::StandingsEventName, {heading.info->name});
    if (heading.info) {
        if (Message where = WhereLine(*heading.info); !where.empty())
            document.headingLines.push_back(std::move(where));
    }
    document.headingLines.push_back(TypeLine(games));
    if (!standings.tieBreaks.empty())
        document.headingLines.emplace_back(
            MessageKind::StandingsTieBreaks,
            std::vector<MessageArgument>{FormatTieBreakList(standings.tieBreaks)});
    if (!heading.date.empty())
        document.headingLines.emplace_back(MessageKind::StandingsPrinted,
                                           std::vector<MessageArgument>{heading.date});
    return document;
}

StandingsDocument BuildStandingsDocument(const ChartGames& games, const Standings& standings,
                                         const DocumentHeading& heading) {
    StandingsDocument document = StandingsHeading(games, standings, heading);
    document.tables.push_back(StandingsTable(standings));
    document.tables.push_back(CrossTable(games, standings));
    return document;
}

std::vector<std::string> EnglishTexts(const std::vector<Message>& messages) {
    std::vector<std::string> texts;
    texts.reserve(messages.size());
    for (const Message& message : messages)
        texts.push_back(English(message));
    return texts;
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
