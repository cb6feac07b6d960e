#include "validation/Validation.h"

#include "chart/ResultNotation.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ranvik {

namespace {
bool IsAcceptedSwissLetter(std::string_view letter) {
    return letter.size() == 1 && kAcceptedSwissLetters.find(letter[0]) != std::string_view::npos;
}

// Whether a round robin result cell can be seen to be right from the table alone: an "X",
// or a result whose points and its mirror's (an "X" counting none) make one game.
inline bool PlainlyRight(signed char mine, signed char mirror, bool own, signed char x) {
    return mine == x || (!own && mine + (mirror == x ? 0 : mirror) == 2);
}

// For each line (from 0) of a table of points by line, `Per` columns per opponent, the first
// column whose cell needs a closer look, or the table's width when none does. Worked out for
// a band of lines at a time: a band's mirror cells against one opponent lie side by side in
// that opponent's line, so each of its cache lines is read once per band instead of once per
// line (reading down a column of a 1000-player chart missed the cache on every cell). The
// game of each cell is found without a division, as this runs over two million cells.
template <int Per>
std::vector<int> FirstToCheck(const signed char* table, int rows, int cols, signed char x) {
    constexpr int kBand = 64 / Per;
    const int end = std::min(cols, rows * Per); // columns beyond meet no opponent
    std::vector<int> first(static_cast<std::size_t>(rows), end);
    for (int r0 = 0; r0 < rows; r0 += kBand) {
        const int r1 = std::min(rows, r0 + kBand);
        for (int r = r0; r < r1; ++r) {
            if (Per * (r + 1) > cols)
                first[r] = 0; // the chart is too narrow for this line's mirror cells
        }
        for (int opponent = 0; opponent * Per < end; ++opponent) {
            const signed char* theirs = table + static_cast<std::size_t>(opponent) * cols;
            for (int r = r0; r < r1; ++r) {
                const int k = Per * opponent;
                if (first[r] <= k)
                    continue;
                const signed char* mine = table + static_cast<std::size_t>(r) * cols + k;
                for (int game = 0; game < Per && k + game < end; ++game) {
                    if (!PlainlyRight(mine[game], theirs[Per * r + game], opponent == r, x)) {
                        first[r] = k + game;
                        break;
                    }
                }
            }
        }
    }
    return first;
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

Message InconsistencyText(std::string_view kind, const ChartRules& rules, int row, int col) {
    return Message(kind == "opponents" ? MessageKind::InconsistentOpponentsFound
                                       : MessageKind::InconsistentResultsFound,
                   {CellPlace(rules, row, col)});
}

bool ChartValidator::goOnAfter(const std::string& kind, int row, int col) {
    const Message message = InconsistencyText(kind, tournament_.rules(), row, col);
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

// The first result column from col on that the table cannot show to be right (past the
// last when there is none). Whatever this stops at goes through the full check, which names
// the fault; after a question answered Ignore the rest of the line is looked at cell by cell.
int ChartValidator::firstToCheck(int row, int col) const {
    const int per = tournament_.rules().gamesPerOpponent();
    const signed char* mine = points_.data() + static_cast<std::size_t>(row - 1) * pointsCols_;
    const int end = std::min(pointsCols_, pointsRows_ * per);
    int k = std::max(col - ChartColumn::FirstResult, firstToCheck_[row - 1]);
    if (per * row > pointsCols_)
        return k + ChartColumn::FirstResult;
    for (; k < end; ++k) {
        const int opponent = k / per + 1;
        const signed char mirror = points_[static_cast<std::size_t>(opponent - 1) * pointsCols_ +
                                           per * (row - 1) + k % per];
        if (!PlainlyRight(mine[k], mirror, opponent == row, kXMark))
            break;
    }
    return k + ChartColumn::FirstResult;
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
        // Nearly every cell is one character: its entry is looked up, worked out once by the
        // same rules as any other ("X" is the only text marked as one).
        static const std::array<signed char, 256> kOneCharacter = [] {
            std::array<signed char, 256> entries{};
            for (int c = 0; c < 256; ++c) {
                const char text = static_cast<char>(c);
                entries[c] =
                    text == 'X' ? kXMark : static_cast<signed char>(RoundRobinPoints({&text, 1}));
            }
            return entries;
        }();
        // A row's texts are read a block at a time, the row looked up once per block.
        signed char* entry = points_.data();
        std::array<std::string_view, 256> texts;
        for (int row = 1; row <= lastRow; ++row) {
            for (int first = ChartColumn::FirstResult; first <= lastCol;) {
                const int count = std::min(lastCol + 1 - first, static_cast<int>(texts.size()));
                chart.rowCells(row, first, count, texts.data());
                for (int k = 0; k < count; ++k) {
                    const std::string_view text = texts[k];
                    *entry++ = text.size() == 1 ? kOneCharacter[static_cast<unsigned char>(text[0])]
                                                : static_cast<signed char>(RoundRobinPoints(text));
                }
                first += count;
            }
        }
    }
    if (pointsCols_ > 0) {
        // A column per opponent, or two (the layouts of both round robins).
        firstToCheck_ = tournament_.rules().gamesPerOpponent() == 2
                            ? FirstToCheck<2>(points_.data(), pointsRows_, pointsCols_, kXMark)
                            : FirstToCheck<1>(points_.data(), pointsRows_, pointsCols_, kXMark);
    }
    ValidationResult result;
    for (int row = 1; row <= lastRow && result.passed(); ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            ValidationFault fault = ValidationFault::None;
            if (pointsCols_ > 0 && col >= ChartColumn::FirstResult) {
                // The table already holds what the check needs: the cell is not read again,
                // and the results it shows to be right are passed over at once.
                col = firstToCheck(row, col);
                if (col > lastCol)
                    break;
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
    firstToCheck_.clear();
    pointsCols_ = 0;
    pointsRows_ = 0;
    return result;
}

} // namespace ranvik
