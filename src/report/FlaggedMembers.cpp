#include "report/RatingReport.h"

#include "chart/ResultNotation.h"
#include "validation/ChartWarnings.h"

namespace ranvik {

std::vector<Message> FlaggedMemberLines(const Chart& chart, int playerRows) {
    std::vector<Message> lines;
    for (int row = 1; row <= playerRows; ++row) {
        const std::string_view number = chart.cell(ChartColumn::MemberNumber, row);
        if (!IsValidMemberNumber(number))
            lines.push_back(MemberNumberLine(chart.cell(ChartColumn::Name, row), number));
    }
    return lines;
}

std::vector<Message> ReportCheckLines(const Chart& chart, int playerRows,
                                      const TournamentInfo& info) {
    std::vector<Message> lines = FlaggedMemberLines(chart, playerRows);
    for (Message& line : ChartCheckWarnings(chart, playerRows))
        lines.push_back(std::move(line));
    for (Message& line : OfficialNumberWarnings(info.tdNumber, info.organiserNumber))
        lines.push_back(std::move(line));
    return lines;
}

} // namespace ranvik
