#pragma once
// The tournament information's fields, each with the label the dialog shows it under: a
// message naming a field names it by that label.

#include "messages/Message.h"
#include "report/RatingReport.h"

#include <array>
#include <string>

namespace ranvik {

struct InfoField {
    MessageKind label;
    const std::string* text;
};

inline std::array<InfoField, 6> InfoFields(const TournamentInfo& info) {
    return {{{MessageKind::FieldTournamentName, &info.name},
             {MessageKind::FieldProvince, &info.province},
             {MessageKind::FieldReferenceNumber, &info.referenceNumber},
             {MessageKind::FieldEndDate, &info.endDate},
             {MessageKind::FieldDirectorNumber, &info.tdNumber},
             {MessageKind::FieldOrganiserNumber, &info.organiserNumber}}};
}

} // namespace ranvik
