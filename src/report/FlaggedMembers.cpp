#include "report/RatingReport.h"

#include "chart/ResultNotation.h"
#include "validation/ChartWarnings.h"

namespace ranvik {

std::vector<std::string> FlaggedMemberLines(const Chart& chart, int playerRows) {
    std::vector<std::string> lines;
    for (int row = 1; row <= playerRows; ++row) {
        const std::string_view number = chart.cell(ChartColumn::MemberNumber, row);
        if (!IsValidMemberNumber(number))
            lines.push_back(MemberNumberLine(chart.cell(ChartColumn::Name, row), number));
    }
    return lines;
}

std::vector<std::string> ReportCheckLines(const Chart& chart, int playerRows,
                                          const TournamentInfo& info) {
    std::vector<std::string> lines = FlaggedMemberLines(chart, playerRows);
    for (std::string& line : ChartCheckWarnings(chart, playerRows))
        lines.push_back(std::move(line));
    for (std::string& line : OfficialNumberWarnings(info.tdNumber, info.organiserNumber))
        lines.push_back(std::move(line));
    return lines;
}

} // namespace ranvik
