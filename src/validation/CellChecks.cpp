#include "validation/Validation.h"

#include "chart/ResultNotation.h"

#include <utility>

namespace ranvik {

namespace {
bool IsAcceptedSwissLetter(std::string_view letter) {
    return letter.size() == 1 && kAcceptedSwissLetters.find(letter[0]) != std::string_view::npos;
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
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

bool ChartValidator::goOnAfter(const std::string& kind, int row, int col) {
    const std::string message = "Inconsistent " + kind + " found. Line " + std::to_string(row) +
                                " column " + std::to_string(col) + ".";
    // Without anyone to ask, stopping is the only answer that cannot let a bad report out.
    const InconsistencyAnswer answer = prompt_ ? prompt_(message) : InconsistencyAnswer::Cancel;
    if (answer == InconsistencyAnswer::Cancel)
        return false;
    if (answer == InconsistencyAnswer::All)
        SuppressInconsistencyMessages = true;
    return true;
}

int ChartValidator::checkNameAndRating(std::string_view text, int col) const {
    if (col == 1 && text.empty())
        return 2;
    if (col == 3 && !IsValidRating(text))
        return 3;
    return 0;
}

int ChartValidator::CheckValidEntry(std::string_view text, int row, int col) {
    if (col >= FirstRoundCol) {
        const ParsedResult mine = ParseResult(text);
        if (!IsAcceptedSwissLetter(mine.letter))
            return 1;
        if (mine.opponent > 0) {
            if (mine.opponent > tournament_.playerRows())
                return 1;
            if (mine.opponent == row)
                return 4;
            const ParsedResult theirs = ParseResult(tournament_.chart().cell(col, mine.opponent));
            if (theirs.opponent != row && !SuppressInconsistencyMessages &&
                !goOnAfter("opponents", row, col)) {
                return 6;
            }
            if (ResultsInconsistent(mine.letter, theirs.letter) && !SuppressInconsistencyMessages &&
                !goOnAfter("results", row, col)) {
                return 7;
            }
        }
    }
    return checkNameAndRating(text, col);
}

int ChartValidator::CheckValidEntryRR(std::string_view text, int row, int col) {
    if (col >= FirstRoundCol)
        return checkResultRR(text == "X", RoundRobinPoints(text), row, col);
    return checkNameAndRating(text, col);
}

int ChartValidator::checkResultRR(bool isX, int points, int row, int col) {
    const bool isDouble = tournament_.type() == TournamentType::DoubleRoundRobin;
    const int k = col - FirstRoundCol;
    const int opponent = isDouble ? k / 2 + 1 : k + 1;
    const int mirrorCol =
        isDouble ? FirstRoundCol + 2 * (row - 1) + k % 2 : FirstRoundCol + row - 1;
    if (opponent > tournament_.playerRows())
        return 1;
    if (opponent == row && !isX)
        return 5;
    const int total = points + mirrorPoints(mirrorCol, opponent);
    if (total != 2 && !isX && !SuppressInconsistencyMessages && !goOnAfter("results", row, col))
        return 7;
    return 0;
}

int ChartValidator::mirrorPoints(int col, int row) const {
    const int k = col - FirstRoundCol;
    if (k >= 0 && k < pointsCols_ && row >= 1 && row <= pointsRows_) {
        const signed char entry = points_[static_cast<std::size_t>(row - 1) * pointsCols_ + k];
        return entry == kXMark ? 0 : entry;
    }
    return RoundRobinPoints(tournament_.chart().cell(col, row));
}

ValidationResult ChartValidator::Scan() {
    const Chart& chart = tournament_.chart();
    const int lastRow = tournament_.playerRows();
    const int lastCol = chart.colCount() - 1;
    if (!tournament_.isSwiss() && lastRow > 0 && lastCol >= FirstRoundCol) {
        pointsCols_ = lastCol - FirstRoundCol + 1;
        pointsRows_ = lastRow;
        points_.resize(static_cast<std::size_t>(pointsRows_) * pointsCols_);
        for (int row = 1; row <= lastRow; ++row) {
            for (int col = FirstRoundCol; col <= lastCol; ++col) {
                const std::string_view text = chart.cell(col, row);
                points_[static_cast<std::size_t>(row - 1) * pointsCols_ + col - FirstRoundCol] =
                    text == "X" ? kXMark : static_cast<signed char>(RoundRobinPoints(text));
            }
        }
    }
    ValidationResult result;
    for (int row = 1; row <= lastRow && result.code == 0; ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            int code = 0;
            if (pointsCols_ > 0 && col >= FirstRoundCol) {
                // The table already holds what the check needs: the cell is not read again.
                const signed char entry =
                    points_[static_cast<std::size_t>(row - 1) * pointsCols_ + col - FirstRoundCol];
                code = checkResultRR(entry == kXMark, entry == kXMark ? 0 : entry, row, col);
            } else {
                const std::string_view text = chart.cell(col, row);
                code = tournament_.isSwiss() ? CheckValidEntry(text, row, col)
                                             : CheckValidEntryRR(text, row, col);
            }
            if (code > 0) {
                result = {code, row, col};
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
