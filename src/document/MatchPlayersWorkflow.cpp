#include "document/MatchPlayersWorkflow.h"

#include "document/ChartDocument.h"

#include "members/DatabaseError.h"
#include "members/MemberTable.h"
#include "members/PlayerValues.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace ranvik {

namespace {

// Offered for a line whose name no member has: a typing slip or a missing accent is the
// usual cause, so the members sharing most words of the name come first.
constexpr std::size_t kMaxSimilarMembers = 20;

std::set<std::string> WordsOf(const std::string& key) {
    std::set<std::string> words;
    std::istringstream in(key);
    for (std::string word; in >> word;)
        words.insert(word);
    return words;
}

class SimilarNames {
  public:
    explicit SimilarNames(const MemberTable& table) {
        const std::size_t nameField = table.field("NAME");
        words_.reserve(table.rowCount());
        for (std::size_t row = 0; row < table.rowCount(); ++row) {
            const auto& name = table.value(row, nameField);
            words_.push_back(name ? WordsOf(NameMatchKey(*name)) : std::set<std::string>{});
        }
    }

    // Members sharing at least one word with the name, most shared words first, then in
    // the table's order.
    std::vector<std::size_t> membersLike(const std::string& name) const {
        const std::set<std::string> wanted = WordsOf(NameMatchKey(name));
        std::vector<std::pair<std::size_t, std::size_t>> found; // (shared words, member)
        for (std::size_t member = 0; member < words_.size(); ++member) {
            const auto shared = static_cast<std::size_t>(
                std::count_if(wanted.begin(), wanted.end(),
                              [&](const std::string& w) { return words_[member].count(w) > 0; }));
            if (shared > 0)
                found.emplace_back(shared, member);
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        found.resize(std::min(found.size(), kMaxSimilarMembers));
        std::vector<std::size_t> members;
        members.reserve(found.size());
        for (const auto& entry : found)
            members.push_back(entry.second);
        return members;
    }

  private:
    std::vector<std::set<std::string>> words_;
};

MemberCandidate CandidateOf(const MemberTable& table, std::size_t member,
                            const std::string& ratingField) {
    MemberCandidate candidate;
    candidate.name = table.value(member, "NAME").value_or("");
    candidate.number = table.value(member, "NUMBER").value_or("");
    if (const auto province = table.findField("PROV"))
        candidate.province = table.value(member, *province).value_or("");
    candidate.rating = RatingForChart(table.value(member, ratingField));
    return candidate;
}

Message LineList(const std::vector<int>& rows) {
    std::string numbers;
    for (std::size_t i = 0; i < rows.size(); ++i)
        numbers += (i == 0 ? "" : ", ") + std::to_string(rows[i]);
    return Message(rows.size() == 1 ? MessageKind::MatchOneLine : MessageKind::MatchLines,
                   {numbers});
}

// The count, then a line for each kind of line the match passed over or wrote otherwise.
Message MatchSummary(const MatchResult& result) {
    Message summary = result.picked > 0 ? Message(MessageKind::PlayersMatchedPicked,
                                                  {result.matched, result.picked})
                                        : Message(MessageKind::PlayersMatched, {result.matched});
    std::vector<int> refused;
    for (const auto& entry : result.applied.refused)
        refused.push_back(entry.first);
    const std::pair<MessageKind, const std::vector<int>*> lines[] = {
        {MessageKind::MatchLeftAlone, &result.left},
        {MessageKind::MatchRespelled, &result.applied.respelled},
        {MessageKind::MatchControlsAsSpaces, &result.applied.controlsAsSpaces},
        {MessageKind::MatchRefused, &refused},
    };
    for (const auto& [kind, rows] : lines) {
        if (!rows->empty())
            summary.then(Message(kind, {LineList(*rows)}));
    }
    return summary;
}

} // namespace

MatchPlayersWorkflow::MatchPlayersWorkflow(ChartDocument& document, DocumentPrompts& prompts)
    : document_(document), prompts_(prompts) {}

MatchResult MatchPlayersWorkflow::run(const MemberTable* table) {
    MatchResult result;
    Tournament& tournament = document_.tournament();
    const auto fail = [&](const Message& message) {
        result.outcome = Outcome::Failed;
        result.message = message;
        prompts_.showError(message);
        return result;
    };
    if (!table)
        return fail(Message(MessageKind::MatchNoDatabase));

    std::vector<LineMatch> lines;
    try {
        lines = FindNameMatches(tournament.chart(), tournament.playerRows(), *table);
        table->field("NUMBER");
    } catch (const DatabaseError& e) {
        return fail(e.message());
    }
    if (lines.empty()) {
        result.message = Message(MessageKind::MatchNothingToDo);
        prompts_.showInformation(result.message);
        return result;
    }

    const std::optional<RatingSystem> system = document_.ensureRatingSystem();
    if (!system) {
        result.outcome = Outcome::Cancelled;
        return result;
    }
    const std::string ratingField = RatingFieldName(*system);
    std::optional<SimilarNames> similar;
    try {
        // Named before any question: a table without it must not waste the director's picks.
        table->field(ratingField);
    } catch (const DatabaseError& e) {
        return fail(e.message());
    }

    std::vector<MatchChoice> choices;
    bool skipAll = false;
    for (const LineMatch& line : lines) {
        // A number is there, though not a valid one: the director typed it, it stays.
        if (line.numberFilled) {
            result.left.push_back(line.row);
            continue;
        }
        if (line.candidates.size() == 1) {
            choices.push_back({line.row, line.candidates.front()});
            continue;
        }
        MemberPickQuestion question;
        question.row = line.row;
        question.chartName = line.name;
        question.sameName = !line.candidates.empty();
        std::vector<std::size_t> members = line.candidates;
        if (members.empty() && !skipAll) {
            if (!similar)
                similar.emplace(*table);
            members = similar->membersLike(line.name);
        }
        if (skipAll || members.empty()) {
            result.left.push_back(line.row);
            continue;
        }
        for (const std::size_t member : members)
            question.candidates.push_back(CandidateOf(*table, member, ratingField));
        const MemberPick pick = prompts_.pickMember(question);
        if (pick.action == PickAction::Pick && pick.candidate < members.size()) {
            choices.push_back({line.row, members[pick.candidate]});
            ++result.picked;
            continue;
        }
        skipAll = pick.action == PickAction::SkipAll;
        result.left.push_back(line.row);
    }

    std::sort(choices.begin(), choices.end(),
              [](const MatchChoice& a, const MatchChoice& b) { return a.row < b.row; });
    {
        // Every line the match fills is one step: one Undo takes the whole match back.
        const Tournament::Step step(tournament, Message(MessageKind::UndoMatchPlayers));
        result.applied = ApplyNameMatches(tournament.chart(), *table, choices, *system);
    }
    result.matched = static_cast<int>(choices.size()) -
                     static_cast<int>(result.applied.skipped.size()) -
                     static_cast<int>(result.applied.refused.size());
    result.left.insert(result.left.end(), result.applied.skipped.begin(),
                       result.applied.skipped.end());
    for (const auto& entry : result.applied.refused)
        result.left.push_back(entry.first);
    std::sort(result.left.begin(), result.left.end());
    result.message = MatchSummary(result);
    prompts_.showInformation(result.message);
    return result;
}

} // namespace ranvik
