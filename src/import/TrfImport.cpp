#include "import/TrfImport.h"

#include "chart/ResultNotation.h"
#include "chart/TournamentTypeName.h"
#include "files/NearestSpelling.h"
#include "import/TrfPairings.h"
#include "import/TrfReader.h"

#include <algorithm>

namespace ranvik {

namespace {

std::string HalfPoints(int half) {
    return std::to_string(half / 2) + (half % 2 ? ".5" : "");
}

// Every pair met exactly `times` times.
bool EveryPairMeets(const TrfPairings& pairings, int times) {
    const int n = pairings.players();
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            if (pairings.meetingCount(a, b) != times)
                return false;
    return n >= 2;
}

TournamentType ChooseType(const TrfPairings& pairings, TrfTypeChoice choice) {
    switch (choice) {
    case TrfTypeChoice::Swiss:
        return TournamentType::Swiss;
    case TrfTypeChoice::RoundRobin:
        return TournamentType::RoundRobin;
    case TrfTypeChoice::DoubleRoundRobin:
        return TournamentType::DoubleRoundRobin;
    case TrfTypeChoice::Auto:
        break;
    }
    if (EveryPairMeets(pairings, 1))
        return TournamentType::RoundRobin;
    if (EveryPairMeets(pairings, 2))
        return TournamentType::DoubleRoundRobin;
    return TournamentType::Swiss;
}

// A Swiss cell: the result letter, then the opponent's row when the letter takes one.
std::string SwissCell(const TrfGame& game, int opponentRow) {
    const auto withOpponent = [&](char letter) {
        std::string cell(1, letter);
        if (opponentRow > 0)
            cell += std::to_string(opponentRow);
        return cell;
    };
    switch (game.result) {
    case '1':
        return withOpponent('W');
    case '0':
        return withOpponent('L');
    case '=':
        return withOpponent('D');
    case '+':
    case 'W':
        return withOpponent('X');
    case '-':
    case 'L':
        return withOpponent('F');
    case 'D':
        return withOpponent('Z');
    case 'H':
        return "H";
    case 'F':
        return "B";
    case 'U':
    case 'Z':
        return "U";
    default:
        return {}; // unpaired, or paired without a result yet
    }
}

// A round robin cell: played games by points, games not played over the board with the
// symbols, since "X" there marks the player's own cell.
std::string RoundRobinCell(char result) {
    switch (result) {
    case '1':
        return "1";
    case '0':
        return "0";
    case '=':
    case 'D':
        return "=";
    case '+':
    case 'W':
        return "+";
    case '-':
    case 'L':
        return "-";
    default:
        return {};
    }
}

void WriteSwissResults(const TrfPairings& pairings, TrfImport& out) {
    for (int r = 1; r <= pairings.players(); ++r) {
        const TrfPlayer& player = *pairings.rows[r - 1];
        for (std::size_t k = 0; k < player.games.size(); ++k) {
            const TrfGame& game = player.games[k];
            const int opponentRow = IsPairing(game) ? pairings.rowOf(game.opponent) : 0;
            out.cells[r - 1][ChartColumn::FirstResult + k] = SwissCell(game, opponentRow);
        }
    }
}

// "Round 3: " and what is wrong with the game of start numbers 1 and 4.
Message GameFault(std::size_t round, MessageKind fault, int first, int second) {
    return Message(MessageKind::ImportRound, {round, Message(fault, {first, second})});
}

// Refuses (false) when a pair meets more often than the layout has cells for.
bool WriteRoundRobinResults(const TrfPairings& pairings, TrfImport& out) {
    const ChartRules& rules = RulesFor(out.type);
    const int gamesPerPair = rules.gamesPerOpponent();
    const bool isDouble = gamesPerPair == 2;
    const int n = pairings.players();
    for (int r = 1; r <= n; ++r) {
        std::vector<std::string>& row = out.cells[r - 1];
        // Moved in, not copied from the literal: GCC 12 warns falsely about the copy here.
        for (int game = 0; game < gamesPerPair; ++game)
            row[rules.firstColumnAgainst(r) + game] = std::string(1, 'X');
        std::vector<int> seen(static_cast<std::size_t>(n) + 1, 0);
        const TrfPlayer& player = *pairings.rows[r - 1];
        for (std::size_t k = 0; k < player.games.size(); ++k) {
            const TrfGame& game = player.games[k];
            const TrfResultClass kind = ClassOfTrfResult(game.result);
            if (kind == TrfResultClass::Bye && (game.result == 'H' || game.result == 'F')) {
                out.warnings.push_back(
                    Message(MessageKind::ImportByeLeftOut, {player.line, k + 1}));
            }
            if (!IsPairing(game))
                continue;
            const int opponent = pairings.rowOf(game.opponent);
            const int meeting = seen[opponent]++;
            if (meeting >= gamesPerPair) {
                out.line = player.line;
                out.reason = GameFault(k + 1,
                                       isDouble ? MessageKind::ImportMeetMoreThanTwice
                                                : MessageKind::ImportMeetMoreThanOnce,
                                       player.startNumber, game.opponent);
                return false;
            }
            row[rules.firstColumnAgainst(opponent) + meeting] = RoundRobinCell(game.result);
        }
    }
    return true;
}

int ScoreOfRow(const TrfImport& out, int r) {
    const std::vector<std::string>& row = out.cells[r - 1];
    const ChartRules& rules = RulesFor(out.type);
    int points = 0;
    for (std::size_t c = ChartColumn::FirstResult; c < row.size(); ++c) {
        if (!rules.isOwnCell(static_cast<int>(c), r))
            points += rules.points(row[c]);
    }
    return points;
}

void WarnAboutPoints(const TrfPairings& pairings, TrfImport& out) {
    for (int r = 1; r <= pairings.players(); ++r) {
        const TrfPlayer& player = *pairings.rows[r - 1];
        const int imported = ScoreOfRow(out, r);
        if (player.points && *player.points != imported) {
            out.warnings.push_back(Message(
                MessageKind::ImportScoreDiffers,
                {player.line, player.name, HalfPoints(*player.points), HalfPoints(imported)}));
        }
    }
}

bool AnyColour(const TrfFile& file) {
    for (const TrfPlayer& player : file.players)
        for (const TrfGame& game : player.games)
            if (game.colour != ' ' && game.colour != '-')
                return true;
    return false;
}

// The name as a chart file can hold it; a changed spelling is reported.
std::string ChartName(const TrfPlayer& player, std::vector<Message>& warnings) {
    if (player.nameHadControls)
        warnings.push_back(Message(MessageKind::ImportNameControls, {player.line}));
    const std::vector<std::string> lost = CharactersChartCannotHold(player.name);
    if (lost.empty())
        return player.name;
    std::string name = NearestSpelling(player.name);
    std::string characters;
    for (const std::string& c : lost)
        characters += c;
    warnings.push_back(
        Message(MessageKind::ImportNameRespelled, {player.line, player.name, name, characters}));
    return name;
}

bool LostUnplayed(char code) {
    return code == '-' || code == 'L';
}

// Why a round robin chart cannot show every game with cells its check accepts (there, the
// two cells of a game give one win between them): a game both sides lost without playing, a
// game without a result, a pair meeting fewer times than the layout has cells for. Empty
// reason when it can.
TrfRefusal RoundRobinCellsRefusal(const TrfPairings& pairings, int gamesPerPair) {
    const int n = pairings.players();
    for (int r = 1; r <= n; ++r) {
        const TrfPlayer& player = *pairings.rows[r - 1];
        for (std::size_t k = 0; k < player.games.size(); ++k) {
            const TrfGame& game = player.games[k];
            if (!IsPairing(game) || pairings.rowOf(game.opponent) < r)
                continue; // each game once, from its first line
            const TrfGame& answer = pairings.rows[pairings.rowOf(game.opponent) - 1]->games[k];
            if (LostUnplayed(game.result) && LostUnplayed(answer.result))
                return {player.line, GameFault(k + 1, MessageKind::ImportDoubleForfeit,
                                               player.startNumber, game.opponent)};
            if (game.result == ' ')
                return {player.line, GameFault(k + 1, MessageKind::ImportGameWithoutResult,
                                               player.startNumber, game.opponent)};
        }
    }
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            if (const int met = pairings.meetingCount(a, b); met < gamesPerPair)
                return {pairings.rows[a - 1]->line,
                        Message(MessageKind::ImportPairMeetsTooRarely,
                                {pairings.rows[a - 1]->startNumber,
                                 pairings.rows[b - 1]->startNumber, met, gamesPerPair})};
        }
    }
    return {};
}

TrfImport Refused(int line, Message reason) {
    TrfImport out;
    out.line = line;
    out.reason = std::move(reason);
    return out;
}

} // namespace

TrfImport ImportTrf(std::string_view bytes, TrfTypeChoice choice) {
    const TrfReadOutcome read = ReadTrf(bytes);
    if (!read.file)
        return Refused(read.refusal.line, read.refusal.reason);
    const TrfFile& file = *read.file;
    TrfPairings pairings;
    TrfRefusal refusal;
    if (!CheckTrfPairings(file, pairings, refusal))
        return Refused(refusal.line, refusal.reason);

    TrfImport out;
    out.type = ChooseType(pairings, choice);
    if (out.type != TournamentType::Swiss) {
        const int gamesPerPair = out.type == TournamentType::DoubleRoundRobin ? 2 : 1;
        const TrfRefusal noCells = RoundRobinCellsRefusal(pairings, gamesPerPair);
        // The automatic choice takes the Swiss chart, whose cells show such games, and says
        // why; a director who asked for a round robin hears why there is none.
        const bool swissHolds = pairings.maxRounds <= Tournament::MaxRounds;
        if (!noCells.reason.empty() && (choice != TrfTypeChoice::Auto || !swissHolds))
            return Refused(noCells.line,
                           swissHolds ? Message(MessageKind::ImportItAsSwiss, {noCells.reason})
                                      : noCells.reason);
        if (!noCells.reason.empty()) {
            out.type = TournamentType::Swiss;
            const Message where(MessageKind::ImportLine, {noCells.line, noCells.reason});
            out.warnings.push_back(Message(MessageKind::ImportedAsSwiss, {where}));
        }
    }
    out.players = pairings.players();
    out.rounds = pairings.maxRounds;
    const ChartRules& rules = RulesFor(out.type);
    if (rules.columnsAreRounds() && file.plannedRounds <= Tournament::MaxRounds)
        out.rounds = std::max(out.rounds, file.plannedRounds);
    if (rules.columnsAreRounds() && out.rounds > Tournament::MaxRounds) {
        const auto longest = std::max_element(
            file.players.begin(), file.players.end(),
            [](const TrfPlayer& a, const TrfPlayer& b) { return a.games.size() < b.games.size(); });
        return Refused(longest->line, Message(MessageKind::ImportTooManyRounds,
                                              {out.rounds, Tournament::MaxRounds}));
    }
    out.utf8 = file.utf8;
    out.tournamentName = file.tournamentName;
    out.startDate = file.startDate;
    out.endDate = file.endDate;

    const int columns =
        ChartColumn::FirstResult + rules.resultColumns(out.players, std::max(out.rounds, 1));
    out.cells.assign(static_cast<std::size_t>(out.players),
                     std::vector<std::string>(static_cast<std::size_t>(columns)));
    for (int r = 1; r <= out.players; ++r) {
        const TrfPlayer& player = *pairings.rows[r - 1];
        std::vector<std::string>& row = out.cells[r - 1];
        row[0] = std::to_string(r);
        row[1] = ChartName(player, out.warnings);
        row[3] = player.rating;
    }
    if (AnyColour(file))
        out.warnings.emplace_back(MessageKind::ImportColoursNotKept);
    if (rules.columnsAreRounds()) {
        WriteSwissResults(pairings, out);
    } else if (!WriteRoundRobinResults(pairings, out)) {
        return Refused(out.line, out.reason);
    }
    WarnAboutPoints(pairings, out);
    out.ok = true;
    return out;
}

void FillTournament(const TrfImport& imported, Tournament& tournament) {
    tournament.setType(imported.type);
    const int players =
        std::clamp(imported.players, Tournament::MinPlayers, Tournament::MaxPlayers);
    const int rounds = std::clamp(imported.rounds, Tournament::MinRounds, Tournament::MaxRounds);
    const int columns =
        ChartColumn::FirstResult + tournament.rules().resultColumns(players, rounds);
    Chart& chart = tournament.chart();
    chart.setRowCount(players + 1);
    chart.setColCount(columns);
    tournament.setPlayersForFileLoad(players);
    tournament.setNumRounds(rounds);
    for (int r = 1; r <= players; ++r) {
        // A round robin of one player is laid out for the two a chart holds at least: the
        // chart is then wider than the file's rows.
        const std::vector<std::string>* fromFile =
            r <= static_cast<int>(imported.cells.size()) ? &imported.cells[r - 1] : nullptr;
        for (int c = 0; c < columns; ++c) {
            std::string_view text;
            if (fromFile && c < static_cast<int>(fromFile->size()))
                text = (*fromFile)[static_cast<std::size_t>(c)];
            const std::string number = std::to_string(r);
            chart.setCellQuietly(c, r, c == 0 ? std::string_view(number) : text);
        }
    }
    chart.notifyCellsChanged(0, 1, columns - 1, players);
    tournament.setModified(true);
}

Message ImportSummary(const TrfImport& imported) {
    Message summary(MessageKind::ImportSummaryPlayers, {imported.players});
    summary.then(Message(MessageKind::ImportSummaryRounds, {imported.rounds}));
    summary.then(Message(MessageKind::ImportSummaryType,
                         {TournamentTypeName(imported.type, NamePlace::InSentence)}));
    if (!imported.tournamentName.empty())
        summary.then(Message(MessageKind::ImportSummaryTournament, {imported.tournamentName}));
    summary.then(
        Message(MessageKind::ImportSummaryTextReadAs, {imported.utf8 ? "UTF-8" : "Windows-1252"}));
    for (const Message& warning : imported.warnings)
        summary.then(Message(MessageKind::ImportSummaryWarning, {warning}));
    return summary;
}

Message RefusalMessage(const TrfImport& imported) {
    if (imported.line == 0)
        return imported.reason;
    return Message(MessageKind::ImportLine, {imported.line, imported.reason});
}

} // namespace ranvik
