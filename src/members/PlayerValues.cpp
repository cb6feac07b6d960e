#include "members/PlayerValues.h"

#include "chart/CellText.h"
#include "chart/ResultNotation.h"

#include <string_view>
#include <utility>

namespace ranvik {

namespace {

// Why a member's value cannot be a chart cell, as CellTextFault says it, naming the field.
Message CellRefusal(const char* field, std::string_view text) {
    if (const std::size_t at = FirstControlByte(text); at != std::string_view::npos) {
        return Message(MessageKind::MemberValueControlCharacter,
                       {field, ShownCharacter(static_cast<unsigned char>(text[at]))});
    }
    if (const std::size_t count = CharacterCount(text); count > MaxCellCharacters)
        return Message(MessageKind::MemberValueTooLong, {field, count, MaxCellCharacters});
    return {};
}

} // namespace

std::string RatingForChart(const std::optional<std::string>& rating) {
    if (rating && ReadIntegerOrHex(*rating))
        return *rating;
    return kUnratedMarker;
}

MemberCells MemberCellsOf(const std::optional<std::string>& name,
                          const std::optional<std::string>& number,
                          const std::optional<std::string>& rating) {
    MemberCells cells;
    cells.name = name.value_or("");
    cells.nameHadControls = ControlBytesToSpaces(cells.name);
    cells.number = number.value_or("");
    cells.rating = RatingForChart(rating);
    using Field = std::pair<const char*, const std::string*>;
    for (const auto& [field, text] : {Field{"NAME", &cells.name}, Field{"NUMBER", &cells.number},
                                      Field{"rating", &cells.rating}}) {
        cells.refusal = CellRefusal(field, *text);
        if (!cells.refusal.empty())
            break;
    }
    return cells;
}

} // namespace ranvik
