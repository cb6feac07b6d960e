#include "report/RatingReport.h"

#include "report/EndDate.h"
#include "report/InfoFields.h"

#include <cstddef>
#include <string_view>

namespace ranvik {

namespace {
// The report quotes each field and gives each record one line, so these would break it.
bool BreaksReportFormat(std::string_view text) {
    return text.find_first_of("\"\t\r\n") != std::string_view::npos;
}

// The label of the first field holding a character the report cannot carry; None when none
// does.
MessageKind FieldBreakingReport(const TournamentInfo& info) {
    for (const InfoField& field : InfoFields(info)) {
        if (BreaksReportFormat(*field.text))
            return field.label;
    }
    return MessageKind::None;
}
} // namespace

Message CheckTournamentInfo(const TournamentInfo& info) {
    return CheckTournamentInfo(info, Today());
}

Message CheckTournamentInfo(const TournamentInfo& info, const CalendarDate& today) {
    if (const MessageKind field = FieldBreakingReport(info); field != MessageKind::None)
        return Message(MessageKind::RemoveCharactersFromField, {Message(field)})
            .then(Message(MessageKind::ReportCannotCarryThem), Message::Break::Paragraph);
    if (info.name.empty())
        return Message(MessageKind::TournamentNameMissing);
    if (info.province.empty())
        return Message(MessageKind::ProvinceMissing);
    if (info.endDate.empty())
        return Message(MessageKind::EndDateMissing);
    if (Message date = EndDateMessage(CheckEndDate(info.endDate, today), info.endDate);
        !date.empty())
        return date;
    if (info.tdNumber.empty())
        return Message(MessageKind::DirectorNumberMissing);
    return {};
}

} // namespace ranvik
