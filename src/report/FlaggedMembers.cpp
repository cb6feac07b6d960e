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
    // The report's list is still English text; the window translates it line by line.
    for (const Message& line : ChartCheckWarnings(chart, playerRows))
        lines.push_back(English(line));
    for (const Message& line : OfficialNumberWarnings(info.tdNumber, info.organiserNumber))
        lines.push_back(English(line));
    return lines;
}

} // namespace ranvik
