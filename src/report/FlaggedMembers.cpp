#include "report/RatingReport.h"

#include "chart/ResultNotation.h"

namespace ranvik {

std::vector<std::string> FlaggedMemberLines(const Chart& chart, int playerRows) {
    std::vector<std::string> lines;
    for (int row = 1; row <= playerRows; ++row) {
        const std::string_view number = chart.cell(ChartColumn::MemberNumber, row);
        if (!IsValidMemberNumber(number))
            lines.push_back(std::string(chart.cell(ChartColumn::Name, row)) + ", " +
                            std::string(number));
    }
    return lines;
}

} // namespace ranvik
