#include "members/NameMatch.h"

#include "chart/ResultNotation.h"
#include "files/NearestSpelling.h"
#include "members/PlayerValues.h"
#include "members/TextFold.h"

#include <algorithm>
#include <unordered_map>

namespace ranvik {

namespace {

bool IsWordCharacter(unsigned char c) {
    return c >= 0x80 || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::string NameMatchKey(std::string_view name) {
    const std::string folded = FoldForCompare(name);
    std::vector<std::string> words(1);
    for (const char ch : folded) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\'' || c == '.')
            continue;
        if (IsWordCharacter(c))
            words.back() += ch;
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    std::sort(words.begin(), words.end());
    std::string key;
    for (const std::string& word : words)
        key += (key.empty() ? "" : " ") + word;
    return key;
}

std::vector<LineMatch> FindNameMatches(const Chart& chart, int lastRow, const MemberTable& table) {
    const std::size_t nameField = table.field("NAME");
    std::unordered_map<std::string, std::vector<std::size_t>> byKey;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        if (const auto& name = table.value(row, nameField)) {
            std::string key = NameMatchKey(*name);
            if (!key.empty())
                byKey[std::move(key)].push_back(row);
        }
    }
    std::vector<LineMatch> matches;
    for (int r = 1; r <= lastRow; ++r) {
        const std::string_view name = chart.cell(1, r);
        const std::string_view number = chart.cell(2, r);
        if (IsBlankText(name) || IsValidMemberNumber(number))
            continue;
        LineMatch match;
        match.row = r;
        match.name = std::string(name);
        match.numberFilled = !IsBlankText(number);
        if (const auto it = byKey.find(NameMatchKey(name)); it != byKey.end())
            match.candidates = it->second;
        matches.push_back(std::move(match));
    }
    return matches;
}

MatchApplied ApplyNameMatches(Chart& chart, const MemberTable& table,
                              const std::vector<MatchChoice>& choices, RatingSystem system) {
    const std::size_t nameField = table.field("NAME");
    const std::size_t numberField = table.field("NUMBER");
    const std::size_t ratingIndex = table.field(RatingFieldName(system));
    MatchApplied applied;
    const auto write = [&](int col, int row, const std::string& text) {
        std::string before(chart.cell(col, row));
        if (before == text)
            return;
        chart.setCell(col, row, text);
        applied.changes.push_back({col, row, std::move(before), text});
    };
    for (const MatchChoice& choice : choices) {
        if (!IsBlankText(chart.cell(2, choice.row))) {
            applied.skipped.push_back(choice.row);
            continue;
        }
        const MemberCells cells = MemberCellsOf(table.value(choice.member, nameField),
                                                table.value(choice.member, numberField),
                                                table.value(choice.member, ratingIndex));
        if (!cells.refusal.empty()) {
            applied.refused.emplace_back(choice.row, cells.refusal);
            continue;
        }
        if (cells.nameHadControls)
            applied.controlsAsSpaces.push_back(choice.row);
        const std::string spelled = NearestSpelling(cells.name);
        if (spelled != cells.name)
            applied.respelled.push_back(choice.row);
        write(1, choice.row, spelled);
        write(2, choice.row, cells.number);
        write(3, choice.row, cells.rating);
    }
    return applied;
}

void UndoNameMatches(Chart& chart, const MatchApplied& applied) {
    // Backwards: a cell changed twice gets its first text back.
    for (std::size_t i = applied.changes.size(); i-- > 0;) {
        const CellChange& change = applied.changes[i];
        chart.setCell(change.col, change.row, change.before);
    }
}

} // namespace ranvik
