#include "validation/ChartWarnings.h"

#include "chart/ResultNotation.h"

#include <map>

namespace ranvik {

bool RatingOutsideRange(std::string_view rating) {
    if (UpperAscii(rating).find("UNR") != std::string::npos)
        return false;
    const std::optional<std::int32_t> value = ReadInteger(rating);
    return value && (*value < 0 || *value > MaxRating);
}

std::string SameNameKey(std::string_view name) {
    std::string key;
    bool blank = false;
    for (const char c : name) {
        if (c == ' ') {
            blank = !key.empty();
            continue;
        }
        if (blank)
            key += ' ';
        blank = false;
        key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

std::string LineList(const std::set<int>& lines) {
    std::string out;
    std::size_t k = 0;
    for (const int line : lines) {
        if (k > 0)
            out += k + 1 == lines.size() ? " and " : ", ";
        out += std::to_string(line);
        ++k;
    }
    return out;
}

std::string MemberNumberLine(std::string_view name, std::string_view number) {
    if (number.empty())
        return std::string(name) + ": no membership number";
    return std::string(name) + ", " + std::string(number);
}

Message MemberNumberWarningText(std::string_view name, std::string_view number) {
    if (number.empty())
        return Message(MessageKind::NoMemberNumber, {name});
    return Message(MessageKind::MemberNumberNotSixDigits, {MemberNumberLine(name, number)});
}

// The warning's text names the range.
static_assert(MaxRating == 3000);

Message RatingWarningText(std::string_view name, std::string_view rating) {
    return Message(MessageKind::RatingOutOfRange, {std::string(name) + ", " + std::string(rating)});
}

Message SameNameWarningText(std::string_view name, const std::set<int>& lines) {
    return Message(MessageKind::SameName, {LineList(lines), name});
}

std::vector<Message> OfficialNumberWarnings(std::string_view director, std::string_view organiser) {
    std::vector<Message> out;
    if (!IsValidMemberNumber(director))
        out.emplace_back(MessageKind::DirectorNumberNotSixDigits,
                         std::vector<MessageArgument>{director});
    if (!organiser.empty() && !IsValidMemberNumber(organiser))
        out.emplace_back(MessageKind::OrganiserNumberNotSixDigits,
                         std::vector<MessageArgument>{organiser});
    return out;
}

std::vector<Message> ChartCheckWarnings(const Chart& chart, int playerRows) {
    std::map<std::string, std::set<int>> lines;
    for (int row = 1; row <= playerRows; ++row) {
        if (std::string key = SameNameKey(chart.cell(ChartColumn::Name, row)); !key.empty())
            lines[std::move(key)].insert(row);
    }
    std::vector<Message> out;
    for (int row = 1; row <= playerRows; ++row) {
        const std::string_view name = chart.cell(ChartColumn::Name, row);
        const std::string_view rating = chart.cell(ChartColumn::Rating, row);
        const auto same = lines.find(SameNameKey(name));
        if (same != lines.end() && same->second.size() > 1 && *same->second.begin() == row)
            out.push_back(SameNameWarningText(name, same->second));
        if (RatingOutsideRange(rating))
            out.push_back(RatingWarningText(name, rating));
    }
    return out;
}

} // namespace ranvik
