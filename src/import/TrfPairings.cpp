#include "import/TrfPairings.h"

#include <algorithm>

namespace ranvik {

namespace {

MessageArgument Quoted(char code) {
    if (code == ' ')
        return Message(MessageKind::ImportNoResult);
    return "'" + std::string(1, code) + "'";
}

bool ResultsAgree(TrfResultClass a, TrfResultClass b, char codeA, char codeB) {
    using C = TrfResultClass;
    if (a == C::None || b == C::None)
        return a == b;
    if (a == C::Win)
        return b == C::Loss;
    if (a == C::Draw)
        return b == C::Draw;
    if (b == C::Win)
        return true;
    // Both lost: only a game neither side played (a double forfeit) ends that way.
    const auto unplayed = [](char code) { return code == '-' || code == 'L'; };
    return b == C::Loss && unplayed(codeA) && unplayed(codeB);
}

} // namespace

TrfResultClass ClassOfTrfResult(char code) {
    switch (code) {
    case '1':
    case '+':
    case 'W':
        return TrfResultClass::Win;
    case '=':
    case 'D':
        return TrfResultClass::Draw;
    case '0':
    case '-':
    case 'L':
        return TrfResultClass::Loss;
    case 'H':
    case 'F':
    case 'U':
    case 'Z':
        return TrfResultClass::Bye;
    default:
        return TrfResultClass::None;
    }
}

bool IsPairing(const TrfGame& game) {
    return game.opponent != 0 && ClassOfTrfResult(game.result) != TrfResultClass::Bye;
}

int TrfPairings::rowOf(int startNumber) const {
    const auto it =
        std::lower_bound(startToRow.begin(), startToRow.end(), std::pair<int, int>{startNumber, 0});
    return it != startToRow.end() && it->first == startNumber ? it->second : 0;
}

bool CheckTrfPairings(const TrfFile& file, TrfPairings& pairings, TrfRefusal& refusal) {
    pairings.rows.clear();
    for (const TrfPlayer& player : file.players)
        pairings.rows.push_back(&player);
    std::stable_sort(
        pairings.rows.begin(), pairings.rows.end(),
        [](const TrfPlayer* a, const TrfPlayer* b) { return a->startNumber < b->startNumber; });
    pairings.startToRow.clear();
    for (std::size_t i = 0; i < pairings.rows.size(); ++i) {
        const TrfPlayer& player = *pairings.rows[i];
        if (i > 0 && pairings.rows[i - 1]->startNumber == player.startNumber) {
            refusal = {player.line, Message(MessageKind::ImportStartNumberTwice,
                                            {player.startNumber, pairings.rows[i - 1]->line})};
            return false;
        }
        pairings.startToRow.emplace_back(player.startNumber, static_cast<int>(i + 1));
        pairings.maxRounds = std::max(pairings.maxRounds, static_cast<int>(player.games.size()));
    }

    const std::size_t n = pairings.rows.size();
    pairings.meetings.assign(n * n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const TrfPlayer& player = *pairings.rows[i];
        for (std::size_t k = 0; k < player.games.size(); ++k) {
            const TrfGame& game = player.games[k];
            if (!IsPairing(game))
                continue;
            const auto inRound = [&](Message reason) {
                return Message(MessageKind::ImportRound, {k + 1, std::move(reason)});
            };
            const int opponentRow = pairings.rowOf(game.opponent);
            if (opponentRow == 0) {
                refusal = {player.line,
                           inRound(Message(MessageKind::ImportOpponentMissing, {game.opponent}))};
                return false;
            }
            if (game.opponent == player.startNumber) {
                refusal = {player.line, inRound(Message(MessageKind::ImportPairedWithItself,
                                                        {player.startNumber}))};
                return false;
            }
            const TrfPlayer& other = *pairings.rows[opponentRow - 1];
            const TrfGame answer = k < other.games.size() ? other.games[k] : TrfGame{};
            if (!IsPairing(answer) || answer.opponent != player.startNumber) {
                refusal = {player.line, inRound(Message(MessageKind::ImportNotPairedBack,
                                                        {player.startNumber, game.opponent,
                                                         game.opponent, other.line}))};
                return false;
            }
            if (!ResultsAgree(ClassOfTrfResult(game.result), ClassOfTrfResult(answer.result),
                              game.result, answer.result)) {
                refusal = {player.line,
                           inRound(Message(MessageKind::ImportResultsDisagree,
                                           {player.startNumber, Quoted(game.result), game.opponent,
                                            Quoted(answer.result), other.line}))};
                return false;
            }
            ++pairings.meetings[i * n + static_cast<std::size_t>(opponentRow - 1)];
        }
    }
    return true;
}

} // namespace ranvik
