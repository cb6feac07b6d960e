#include "report/RatingReport.h"

#include "chart/CellText.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace ranvik {

namespace {
// Position, counted in characters from 1, of the first "/"; 0 when there is none.
std::size_t FirstSlashPosition(std::string_view text) {
    const std::size_t at = text.find('/');
    if (at == std::string_view::npos)
        return 0;
    return CharacterCount(text.substr(0, at)) + 1;
}
// The report quotes each field and gives each record one line, so these would break it.
bool BreaksReportFormat(std::string_view text) {
    return text.find_first_of("\"\t\r\n") != std::string_view::npos;
}

// The first field holding a character the report cannot carry, named by the dialog's label;
// empty when none does.
std::string FieldBreakingReport(const TournamentInfo& info) {
    const std::pair<const std::string*, const char*> fields[] = {
        {&info.name, "Name of tournament"},
        {&info.province, "Province"},
        {&info.referenceNumber, "Reference number"},
        {&info.endDate, "Ending date of tournament"},
        {&info.tdNumber, "Tournament director QRB number"},
        {&info.organiserNumber, "Organiser QRB number"},
    };
    for (const auto& [text, label] : fields) {
        if (BreaksReportFormat(*text))
            return label;
    }
    return {};
}
} // namespace

std::string CheckTournamentInfo(const TournamentInfo& info) {
    if (const std::string field = FieldBreakingReport(info); !field.empty())
        return "Please remove quotation marks, tabs and line breaks from the field \"" + field +
               "\".\r\rThe report cannot carry them.";
    const char* const dateLength = "Please provide an ending date in YYYY/MM/DD format.\r\r"
                                   "Date must be exactly 10 characters long. Example: 2009/01/31";
    const char* const dateForm = "Date must be in YYYY/MM/DD format. Example: 2009/01/31";
    if (info.name.empty())
        return "Please provide a name for the tournament.";
    if (info.province.empty())
        return "Please enter the province.";
    if (info.endDate.empty())
        return "Please provide an ending date.";
    if (CharacterCount(info.endDate) != 10)
        return dateLength;
    // Ten characters is right; a date written day first (18/06/2025) is not.
    if (FirstSlashPosition(info.endDate) != 5)
        return dateForm;
    if (info.tdNumber.empty())
        return "Please provide the TD's QRB number.";
    return {};
}

} // namespace ranvik
