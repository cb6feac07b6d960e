#include "validation/Validation.h"

#include "chart/ResultNotation.h"

namespace ranvik {

Message ReportedOtherwiseText(std::string_view text) {
    const ParsedResult parsed = ParseResult(text);
    if (parsed.letter == "B" || parsed.letter == "H" || parsed.letter == "U") {
        const std::optional<std::int32_t> number =
            ReadInteger(SecondResultToken(NormaliseResultText(text)));
        if (number && *number > 0)
            return Message(MessageKind::ByeOpponentIgnored, {*number});
    }
    if ((parsed.letter == "X" || parsed.letter == "Z" || parsed.letter == "F") &&
        parsed.opponent > 0) {
        return Message(MessageKind::ForfeitReportedAsPlayed, {parsed.opponent});
    }
    return {};
}

std::vector<Message> ReportedOtherwiseLines(const Tournament& tournament) {
    std::vector<Message> lines;
    const ChartRules& rules = tournament.rules();
    if (!rules.columnsAreRounds())
        return lines;
    const Chart& chart = tournament.chart();
    for (int row = 1; row <= tournament.playerRows(); ++row) {
        for (int col = ChartColumn::FirstResult; col < chart.colCount(); ++col) {
            Message warning = ReportedOtherwiseText(chart.cell(col, row));
            if (!warning.empty())
                lines.push_back(Message(MessageKind::ReportedOtherwiseAt,
                                        {CellPlace(rules, row, col), std::move(warning)}));
        }
    }
    return lines;
}

} // namespace ranvik
