#include "report/RatingReport.h"

#include "chart/ResultNotation.h"

#include <algorithm>

namespace ranvik {

namespace {
std::string Quoted(const std::string& field) {
    std::string quoted;
    quoted.reserve(field.size() + 2);
    quoted += '"';
    quoted += field;
    quoted += '"';
    return quoted;
}

std::string JoinQuoted(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty())
            line += ',';
        line += Quoted(field);
    }
    return line;
}

std::string RoundsField(const Tournament& tournament) {
    switch (tournament.type()) {
    case TournamentType::Swiss:
        return std::to_string(tournament.numRounds());
    case TournamentType::RoundRobin:
        return "1";
    case TournamentType::DoubleRoundRobin:
        return "2";
    }
    return {};
}

std::string HeaderLine(const Tournament& tournament, RatingSystem system,
                       const TournamentInfo& info) {
    return JoinQuoted(
        {info.name, info.province, info.referenceNumber, TournamentTypeLetter(tournament.type()),
         info.endDate, std::to_string(tournament.playerRows()), RoundsField(tournament),
         system == RatingSystem::Regular ? "R" : "A", info.tdNumber, info.organiserNumber});
}

const char* LetterByPoints(int points) {
    if (points == 2)
        return "W";
    if (points == 1)
        return "D";
    return "L";
}

// Appends the result lines of one player and gives the player's half points.
int AppendSwissResults(const Tournament& tournament, int row, std::vector<std::string>& lines) {
    int total = 0;
    for (int round = 1; round <= tournament.numRounds(); ++round) {
        const ParsedResult result =
            ParseResult(tournament.chart().cell(FirstRoundCol + round - 1, row));
        total += result.points;
        lines.push_back(
            JoinQuoted({LetterByPoints(result.points), std::to_string(result.opponent)}));
    }
    return total;
}

int AppendRoundRobinResults(const Tournament& tournament, int row,
                            std::vector<std::string>& lines) {
    int total = 0;
    for (int col = FirstRoundCol; col < tournament.chart().colCount(); ++col) {
        const std::string& text = tournament.chart().cell(col, row);
        total += RoundRobinPoints(text);
        // Built in place: a full double round robin has two million of these lines.
        std::string& line = lines.emplace_back();
        line.reserve(text.size() + 2);
        line += '"';
        line += text;
        line += '"';
    }
    return total;
}
} // namespace

std::string RatingFieldName(RatingSystem system) {
    return system == RatingSystem::Regular ? "RATING" : "ACT_RATING";
}

std::string TournamentTypeText(TournamentType type) {
    switch (type) {
    case TournamentType::Swiss:
        return "Swiss";
    case TournamentType::RoundRobin:
        return "Round robin";
    case TournamentType::DoubleRoundRobin:
        return "Double round robin";
    }
    return {};
}

std::string TournamentTypeLetter(TournamentType type) {
    return type == TournamentType::Swiss ? "S" : "R";
}

std::string ScoreText(int halfPoints) {
    // Built by hand: stream and printf formatting follow the locale's decimal separator.
    return std::to_string(halfPoints / 2) + (halfPoints % 2 != 0 ? ".5" : ".0");
}

std::vector<std::string> BuildReportLines(const Tournament& tournament, RatingSystem system,
                                          const TournamentInfo& info) {
    std::vector<std::string> lines;
    const Chart& chart = tournament.chart();
    // A full double round robin gives two million lines: grow the list once, not by doubling.
    const int perPlayer =
        (tournament.isSwiss() ? tournament.numRounds() : chart.colCount() - FirstRoundCol) + 2;
    lines.reserve(1 + static_cast<std::size_t>(std::max(0, tournament.playerRows())) *
                          static_cast<std::size_t>(std::max(2, perPlayer)));
    lines.push_back(HeaderLine(tournament, system, info));
    for (int row = 1; row <= tournament.playerRows(); ++row) {
        const std::string& number = chart.cell(2, row);
        lines.push_back(Quoted(IsValidMemberNumber(number) ? number : "999999"));
        const int total = tournament.isSwiss() ? AppendSwissResults(tournament, row, lines)
                                               : AppendRoundRobinResults(tournament, row, lines);
        lines.push_back(Quoted(ScoreText(total)));
    }
    return lines;
}

} // namespace ranvik
