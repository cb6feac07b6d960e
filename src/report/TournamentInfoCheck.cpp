#include "report/RatingReport.h"

#include <cstddef>
#include <string_view>

namespace ranvik {

namespace {
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if (!IsContinuationByte(c))
            ++count;
    }
    return count;
}

// Position, counted in characters from 1, of the first "/"; 0 when there is none.
std::size_t FirstSlashPosition(std::string_view text) {
    const std::size_t at = text.find('/');
    if (at == std::string_view::npos)
        return 0;
    return CharacterCount(text.substr(0, at)) + 1;
}
} // namespace

std::string CheckTournamentInfo(const TournamentInfo& info) {
    const std::string dateFormat = "Please provide an ending date in YYYY/MM/DD format.\r\r"
                                   "Date must be exactly 10 characters long. Example: 2009/01/31";
    if (info.name.empty())
        return "Please provide a name for the tournament.";
    if (info.province.empty())
        return "Please enter the province.";
    if (info.endDate.empty())
        return "Please provide an ending date.";
    if (CharacterCount(info.endDate) != 10)
        return dateFormat;
    if (FirstSlashPosition(info.endDate) != 5)
        return dateFormat;
    if (info.tdNumber.empty())
        return "Please provide the TD's QRB number.";
    return {};
}

} // namespace ranvik
