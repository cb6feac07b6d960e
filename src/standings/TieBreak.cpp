#include "standings/TieBreak.h"

#include "chart/ResultNotation.h"

#include <algorithm>
#include <array>

namespace ranvik {
namespace {

struct KindName {
    TieBreakKind kind;
    std::string_view name;
};
constexpr std::array<KindName, 5> kKindNames = {{
    {TieBreakKind::Buchholz, "BH"},
    {TieBreakKind::SonnebornBerger, "SB"},
    {TieBreakKind::Wins, "WIN"},
    {TieBreakKind::WonGames, "WON"},
    {TieBreakKind::Koya, "KS"},
}};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string ShortName(const TieBreak& tieBreak) {
    std::string name;
    for (const KindName& entry : kKindNames) {
        if (entry.kind == tieBreak.kind)
            name = entry.name;
    }
    if (tieBreak.modifier == TieBreakModifier::Cut)
        name += "-C" + std::to_string(tieBreak.count);
    else if (tieBreak.modifier == TieBreakModifier::Median)
        name += "-M" + std::to_string(tieBreak.count);
    return name;
}

std::optional<TieBreak> ParseTieBreak(std::string_view text) {
    const std::string upper = UpperAscii(Trimmed(text));
    const std::size_t dash = upper.find('-');
    const std::string base = upper.substr(0, dash);
    TieBreak result;
    const auto entry = std::find_if(kKindNames.begin(), kKindNames.end(),
                                    [&](const KindName& k) { return k.name == base; });
    if (entry == kKindNames.end())
        return std::nullopt;
    result.kind = entry->kind;
    if (dash == std::string::npos)
        return result;
    // Only Buchholz takes a modifier; one or two values cut at each end is what the
    // regulations list.
    const std::string modifier = upper.substr(dash + 1);
    if (result.kind != TieBreakKind::Buchholz || modifier.size() != 2)
        return std::nullopt;
    if (modifier[1] != '1' && modifier[1] != '2')
        return std::nullopt;
    if (modifier[0] == 'C')
        result.modifier = TieBreakModifier::Cut;
    else if (modifier[0] == 'M')
        result.modifier = TieBreakModifier::Median;
    else
        return std::nullopt;
    result.count = modifier[1] - '0';
    return result;
}

std::optional<std::vector<TieBreak>> ParseTieBreakList(std::string_view text, std::string& error) {
    std::vector<TieBreak> list;
    if (Trimmed(text).empty())
        return list;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view name = text.substr(start, comma - start);
        const auto tieBreak = ParseTieBreak(name);
        if (!tieBreak) {
            error = "unknown tie-break '" + std::string(Trimmed(name)) + "'";
            return std::nullopt;
        }
        if (std::find(list.begin(), list.end(), *tieBreak) != list.end()) {
            error = "tie-break " + ShortName(*tieBreak) + " is listed twice";
            return std::nullopt;
        }
        list.push_back(*tieBreak);
        start = comma + 1;
    }
    return list;
}

std::string FormatTieBreakList(const std::vector<TieBreak>& list) {
    std::string text;
    for (const TieBreak& tieBreak : list) {
        if (!text.empty())
            text += ',';
        text += ShortName(tieBreak);
    }
    return text;
}

std::vector<TieBreak> DefaultTieBreaks(TournamentType type) {
    using K = TieBreakKind;
    if (RulesFor(type).columnsAreRounds()) {
        return {{K::Buchholz, TieBreakModifier::Cut, 1},
                {K::Buchholz, TieBreakModifier::None, 0},
                {K::SonnebornBerger, TieBreakModifier::None, 0},
                {K::Wins, TieBreakModifier::None, 0}};
    }
    return {{K::SonnebornBerger, TieBreakModifier::None, 0},
            {K::Wins, TieBreakModifier::None, 0},
            {K::Koya, TieBreakModifier::None, 0}};
}

} // namespace ranvik
