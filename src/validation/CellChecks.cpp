#include "validation/Validation.h"

#include "chart/ResultNotation.h"

#include <utility>

namespace ranvik {

namespace {
bool IsAcceptedSwissLetter(std::string_view letter) {
    return letter.size() == 1 && kAcceptedSwissLetters.find(letter[0]) != std::string_view::npos;
}
} // namespace

bool IsValidRating(std::string_view text) {
    if (text.empty())
        return true;
    if (UpperAscii(text).find("UNR") != std::string::npos)
        return true;
    return ReadInteger(text).has_value();
}

ChartValidator::ChartValidator(const Tournament& tournament, InconsistencyPrompt prompt)
    : tournament_(tournament), prompt_(std::move(prompt)) {}

std::string InconsistencyText(std::string_view kind, int row, int col) {
    return "Inconsistent " + std::string(kind) + " found. Line " + std::to_string(row) +
           " column " + std::to_string(col) + ".";
}

bool ChartValidator::goOnAfter(const std::string& kind, int row, int col) {
    const std::string message = InconsistencyText(kind, row, col);
    // Without anyone to ask, stopping is the only answer that cannot let a bad report out.
    const InconsistencyAnswer answer = prompt_ ? prompt_(message) : InconsistencyAnswer::Cancel;
    if (answer == InconsistencyAnswer::Cancel)
        return false;
    if (answer == InconsistencyAnswer::All)
        skipInconsistencyQuestions = true;
    return true;
}

ValidationFault NameOrRatingFault(std::string_view text, int col) {
    if (col == ChartColumn::Name && text.empty())
        return ValidationFault::MissingName;
    if (col == ChartColumn::Rating && !IsValidRating(text))
        return ValidationFault::InvalidRating;
    return ValidationFault::None;
}

ValidationFault SwissResultFault(const ParsedResult& mine, int row, int playerRows) {
    if (!IsAcceptedSwissLetter(mine.letter))
        return ValidationFault::InvalidResult;
    if (mine.opponent > playerRows)
        return ValidationFault::InvalidResult;
    if (mine.opponent > 0 && mine.opponent == row)
        return ValidationFault::PairedAgainstSelf;
    return ValidationFault::None;
}

CellFindings SwissDisagreement(const ParsedResult& mine, const ParsedResult& theirs, int row) {
    CellFindings findings;
    findings.opponentsDisagree = theirs.opponent != row;
    findings.resultsDisagree = ResultsInconsistent(mine.letter, theirs.letter);
    return findings;
}

// An own cell is its own mirror.
RoundRobinGame RoundRobinGameOf(const ChartRules& rules, int row, int col) {
    const int game = (col - ChartColumn::FirstResult) % rules.gamesPerOpponent();
    return {rules.opponentOfColumn(col), rules.firstColumnAgainst(row) + game};
}

ValidationFault RoundRobinCellFault(const RoundRobinGame& game, bool isX, int row, int playerRows) {
    if (game.opponent > playerRows)
        return ValidationFault::InvalidResult;
    if (game.opponent == row && !isX)
        return ValidationFault::OwnCellNotX;
    return ValidationFault::None;
}

ValidationFault ChartValidator::checkSwissCell(std::string_view text, int row, int col) {
    if (col >= ChartColumn::FirstResult) {
        const ParsedResult mine = ParseResult(text);
        const ValidationFault fault = SwissResultFault(mine, row, tournament_.playerRows());
        if (fault != ValidationFault::None)
            return fault;
        if (mine.opponent > 0) {
            const CellFindings found = SwissDisagreement(
                mine, ParseResult(tournament_.chart().cell(col, mine.opponent)), row);
            if (found.opponentsDisagree && !skipInconsistencyQuestions &&
                !goOnAfter("opponents", row, col)) {
                return ValidationFault::InconsistentOpponents;
            }
            if (found.resultsDisagree && !skipInconsistencyQuestions &&
                !goOnAfter("results", row, col)) {
                return ValidationFault::InconsistentResults;
            }
        }
    }
    return NameOrRatingFault(text, col);
}

ValidationFault ChartValidator::checkRoundRobinCell(std::string_view text, int row, int col) {
    if (col >= ChartColumn::FirstResult)
        return checkRoundRobinResult(text == "X", RoundRobinPoints(text), row, col);
    return NameOrRatingFault(text, col);
}

ValidationFault ChartValidator::checkRoundRobinResult(bool isX, int points, int row, int col) {
    const RoundRobinGame game = RoundRobinGameOf(tournament_.rules(), row, col);
    const ValidationFault fault = RoundRobinCellFault(game, isX, row, tournament_.playerRows());
    if (fault != ValidationFault::None)
        return fault;
    if (RoundRobinResultsDisagree(isX, points, mirrorPoints(game.mirrorCol, game.opponent)) &&
        !skipInconsistencyQuestions && !goOnAfter("results", row, col))
        return ValidationFault::InconsistentResults;
    return ValidationFault::None;
}

int ChartValidator::mirrorPoints(int col, int row) const {
    const int k = col - ChartColumn::FirstResult;
    if (k >= 0 && k < pointsCols_ && row >= 1 && row <= pointsRows_) {
        const signed char entry = points_[static_cast<std::size_t>(row - 1) * pointsCols_ + k];
        return entry == kXMark ? 0 : entry;
    }
    return RoundRobinPoints(tournament_.chart().cell(col, row));
}

ValidationResult ChartValidator::scan() {
    const Chart& chart = tournament_.chart();
    const int lastRow = tournament_.playerRows();
    const int lastCol = chart.colCount() - 1;
    const bool swiss = tournament_.rules().columnsAreRounds();
    if (!swiss && lastRow > 0 && lastCol >= ChartColumn::FirstResult) {
        pointsCols_ = lastCol - ChartColumn::FirstResult + 1;
        pointsRows_ = lastRow;
        points_.resize(static_cast<std::size_t>(pointsRows_) * pointsCols_);
        for (int row = 1; row <= lastRow; ++row) {
            for (int col = ChartColumn::FirstResult; col <= lastCol; ++col) {
                const std::string_view text = chart.cell(col, row);
                points_[static_cast<std::size_t>(row - 1) * pointsCols_ + col -
                        ChartColumn::FirstResult] =
                    text == "X" ? kXMark : static_cast<signed char>(RoundRobinPoints(text));
            }
        }
    }
    ValidationResult result;
    for (int row = 1; row <= lastRow && result.passed(); ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            ValidationFault fault = ValidationFault::None;
            if (pointsCols_ > 0 && col >= ChartColumn::FirstResult) {
                // The table already holds what the check needs: the cell is not read again.
                const signed char entry = points_[static_cast<std::size_t>(row - 1) * pointsCols_ +
                                                  col - ChartColumn::FirstResult];
                fault =
                    checkRoundRobinResult(entry == kXMark, entry == kXMark ? 0 : entry, row, col);
            } else {
                const std::string_view text = chart.cell(col, row);
                fault =
                    swiss ? checkSwissCell(text, row, col) : checkRoundRobinCell(text, row, col);
            }
            if (fault != ValidationFault::None) {
                result = {fault, row, col};
                break;
            }
        }
    }
    // The table holds only while the chart cannot change: the next check reads the chart.
    points_.clear();
    pointsCols_ = 0;
    pointsRows_ = 0;
    return result;
}

} // namespace ranvik
