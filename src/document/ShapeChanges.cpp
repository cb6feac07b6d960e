// The counts and the type as the director sets them, asked about first when filled cells
// would go: Undo brings them back, but only for a director who noticed.

#include "document/ChartDocument.h"

#include <algorithm>
#include <cctype>

namespace ranvik {

namespace {

std::string Counted(int count, const char* one, const char* many) {
    return count == 1 ? std::string("1 ") + one : std::to_string(count) + " " + many;
}

// "round robin", "double round robin"; Swiss keeps its capital.
std::string TypeInSentence(const ChartRules& rules) {
    std::string name(rules.name());
    if (!rules.columnsAreRounds())
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return name;
}

std::string TypeQuestion(const ChartRules& rules, const LayoutLoss& loss) {
    const int total = loss.overwritten + loss.hidden;
    const char* verb = loss.hidden == 0        ? " overwrites "
                       : loss.overwritten == 0 ? " hides "
                                               : " overwrites or hides ";
    return "Switching to " + TypeInSentence(rules) + verb + Counted(total, "result", "results") +
           ".";
}

} // namespace

Outcome ChartDocument::setPlayers(int players) {
    players = std::clamp(players, Tournament::MinPlayers, Tournament::MaxPlayers);
    const int lines = tournament_.linesHoldingAnythingFrom(players + 1);
    if (lines > 0 &&
        !prompts_.confirm(Untranslated(
            "Lowering the players to " + std::to_string(players) + " removes " +
            Counted(lines, "line that holds", "lines that hold") + " names or results.")))
        return Outcome::Cancelled;
    tournament_.setNumPlayers(players);
    return Outcome::Done;
}

Outcome ChartDocument::setRounds(int rounds) {
    rounds = std::clamp(rounds, Tournament::MinRounds, Tournament::MaxRounds);
    if (tournament_.rules().columnsAreRounds()) {
        const LayoutLoss loss =
            tournament_.layoutLoss(tournament_.type(), tournament_.numPlayers(), rounds);
        if (loss.any() && !prompts_.confirm(Untranslated(
                              "Lowering the rounds to " + std::to_string(rounds) + " removes " +
                              Counted(loss.hidden + loss.overwritten, "result", "results") + ".")))
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
    if (loss.any() && !prompts_.confirm(Untranslated(TypeQuestion(RulesFor(type), loss))))
        return Outcome::Cancelled;
    tournament_.setType(type);
    return Outcome::Done;
}

} // namespace ranvik
