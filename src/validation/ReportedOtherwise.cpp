#include "validation/Validation.h"

#include "chart/ResultNotation.h"

namespace ranvik {

std::string ReportedOtherwiseText(std::string_view text) {
    const ParsedResult parsed = ParseResult(text);
    if (parsed.letter == "B" || parsed.letter == "H" || parsed.letter == "U") {
        const std::optional<std::int32_t> number =
            ReadInteger(SecondResultToken(NormaliseResultText(text)));
        if (number && *number > 0)
            return "A bye has no opponent: the number " + std::to_string(*number) +
                   " is ignored in the report";
    }
    if ((parsed.letter == "X" || parsed.letter == "Z" || parsed.letter == "F") &&
        parsed.opponent > 0) {
        return "The report files a forfeit against line " + std::to_string(parsed.opponent) +
               " as a played game against that player; the federation asks for 0 as the "
               "opponent of a forfeit";
    }
    return {};
}

std::vector<std::string> ReportedOtherwiseLines(const Tournament& tournament) {
    std::vector<std::string> lines;
    const ChartRules& rules = tournament.rules();
    if (!rules.columnsAreRounds())
        return lines;
    const Chart& chart = tournament.chart();
    for (int row = 1; row <= tournament.playerRows(); ++row) {
        for (int col = ChartColumn::FirstResult; col < chart.colCount(); ++col) {
            const std::string warning = ReportedOtherwiseText(chart.cell(col, row));
            if (!warning.empty())
                lines.push_back("Line " + std::to_string(row) + ", " +
                                rules.heading(col - ChartColumn::FirstResult) + ": " + warning);
        }
    }
    return lines;
}

} // namespace ranvik
