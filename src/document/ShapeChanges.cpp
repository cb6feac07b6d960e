// The counts and the type as the director sets them, asked about first when filled cells
// would go: Undo brings them back, but only for a director who noticed.

#include "document/ChartDocument.h"

#include "chart/TournamentTypeName.h"

#include <algorithm>

namespace ranvik {

namespace {

// One of two kinds of question: the count 1 has a sentence of its own.
Message Counted(MessageKind one, MessageKind many, int value, int count) {
    return count == 1 ? Message(one, {value}) : Message(many, {value, count});
}

Message TypeQuestion(TournamentType type, const LayoutLoss& loss) {
    const Message name = TournamentTypeName(type, NamePlace::InSentence);
    const int total = loss.overwritten + loss.hidden;
    if (loss.hidden > 0 && loss.overwritten > 0)
        return Message(MessageKind::SwitchTypeOverwritesOrHidesResults, {name, total});
    const bool hides = loss.hidden > 0;
    if (total == 1)
        return Message(hides ? MessageKind::SwitchTypeHidesResult
                             : MessageKind::SwitchTypeOverwritesResult,
                       {name});
    return Message(hides ? MessageKind::SwitchTypeHidesResults
                         : MessageKind::SwitchTypeOverwritesResults,
                   {name, total});
}

} // namespace

Outcome ChartDocument::setPlayers(int players) {
    players = std::clamp(players, Tournament::MinPlayers, Tournament::MaxPlayers);
    const int lines = tournament_.linesHoldingAnythingFrom(players + 1);
    if (lines > 0 &&
        !prompts_.confirm(Counted(MessageKind::LowerPlayersRemovesLine,
                                  MessageKind::LowerPlayersRemovesLines, players, lines)))
        return Outcome::Cancelled;
    tournament_.setNumPlayers(players);
    return Outcome::Done;
}

Outcome ChartDocument::setRounds(int rounds) {
    rounds = std::clamp(rounds, Tournament::MinRounds, Tournament::MaxRounds);
    if (tournament_.rules().columnsAreRounds()) {
        const LayoutLoss loss =
            tournament_.layoutLoss(tournament_.type(), tournament_.numPlayers(), rounds);
        if (loss.any() && !prompts_.confirm(Counted(MessageKind::LowerRoundsRemovesResult,
                                                    MessageKind::LowerRoundsRemovesResults, rounds,
                                                    loss.hidden + loss.overwritten)))
            return Outcome::Cancelled;
    }
    tournament_.setNumRounds(rounds);
    return Outcome::Done;
}

Outcome ChartDocument::setType(TournamentType type) {
    if (type == tournament_.type())
        return Outcome::Done;
    const LayoutLoss loss =
        tournament_.layoutLoss(type, tournament_.numPlayers(), tournament_.numRounds());
    if (loss.any() && !prompts_.confirm(TypeQuestion(type, loss)))
        return Outcome::Cancelled;
    tournament_.setType(type);
    return Outcome::Done;
}

} // namespace ranvik
