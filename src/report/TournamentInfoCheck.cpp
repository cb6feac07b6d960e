#include "report/RatingReport.h"

#include "report/EndDate.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace ranvik {

namespace {
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
    return CheckTournamentInfo(info, Today());
}

std::string CheckTournamentInfo(const TournamentInfo& info, const CalendarDate& today) {
    if (const std::string field = FieldBreakingReport(info); !field.empty())
        return "Please remove quotation marks, tabs and line breaks from the field \"" + field +
               "\".\r\rThe report cannot carry them.";
    if (info.name.empty())
        return "Please provide a name for the tournament.";
    if (info.province.empty())
        return "Please enter the province.";
    if (info.endDate.empty())
        return "Please provide an ending date.";
    if (std::string date = EndDateMessage(CheckEndDate(info.endDate, today), info.endDate);
        !date.empty())
        return date;
    if (info.tdNumber.empty())
        return "Please provide the TD's QRB number.";
    return {};
}

} // namespace ranvik
