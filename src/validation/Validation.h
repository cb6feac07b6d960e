#pragma once
// The check of the whole chart made before a report.

#include "chart/ResultNotation.h"
#include "chart/Tournament.h"
#include "messages/Message.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

enum class InconsistencyAnswer { Cancel, Ignore, All };

// Shows "Inconsistent opponents found. Line 3, Rd 2." (or "... results ...") and gives
// the user's answer. The window shows a message box; tests and the command line answer
// by policy.
using InconsistencyPrompt = std::function<InconsistencyAnswer(const Message& message)>;

// What validation found. The first five are faults of one cell; the last two mean the
// user cancelled at an inconsistency question.
enum class ValidationFault {
    None,
    InvalidResult,
    MissingName,
    InvalidRating,
    PairedAgainstSelf,
    OwnCellNotX,
    InconsistentOpponents,
    InconsistentResults,
};

// A fault of one cell, as opposed to a cancelled inconsistency question.
constexpr bool IsCellFault(ValidationFault fault) {
    return fault != ValidationFault::None && fault != ValidationFault::InconsistentOpponents &&
           fault != ValidationFault::InconsistentResults;
}

struct ValidationResult {
    ValidationFault fault = ValidationFault::None;
    int row = 0;
    int col = 0;

    bool passed() const { return fault == ValidationFault::None; }
};

// Letters a Swiss cell may start with. F (forfeit loss) is accepted like its partner X.
inline constexpr std::string_view kAcceptedSwissLetters = "LDW&$UHBZXPEG-+=F";

// What the rules find in one cell before anyone is asked anything: a fault of the cell, or
// the disagreements with the opponent's cell of the same game that validation asks about.
struct CellFindings {
    ValidationFault fault = ValidationFault::None; // None or a cell fault
    bool opponentsDisagree = false;
    bool resultsDisagree = false;

    bool any() const {
        return fault != ValidationFault::None || opponentsDisagree || resultsDisagree;
    }
    bool operator==(const CellFindings&) const = default;
};

// The rules of one cell, shared by validation (which stops at the first fault or cancelled
// question) and the live check of the whole chart (which notes them all).
// Name and rating columns: "Missing name." for an empty name, "Invalid rating.".
ValidationFault NameOrRatingFault(std::string_view text, int col);
// A Swiss result read with ParseResult: its letter and opponent within `playerRows` rows.
ValidationFault SwissResultFault(const ParsedResult& mine, int row, int playerRows);
// A Swiss result with an opponent, against the opponent's cell of the same round.
CellFindings SwissDisagreement(const ParsedResult& mine, const ParsedResult& theirs, int row);

// The game a round robin result cell belongs to: the opponent's row and the column of the
// opponent's cell of the same game.
struct RoundRobinGame {
    int opponent = 0;
    int mirrorCol = 0;
};
RoundRobinGame RoundRobinGameOf(const ChartRules& rules, int row, int col);
// The opponent row beyond the chart, or a result in a player's own cell.
ValidationFault RoundRobinCellFault(const RoundRobinGame& game, bool isX, int row, int playerRows);
// Two entries of one game disagree when their points do not add up to a win.
inline bool RoundRobinResultsDisagree(bool isX, int points, int mirrorPoints) {
    return !isX && points + mirrorPoints != 2;
}

// A Swiss entry the report files otherwise than it reads: a bye with a number (the number
// is dropped) or a forfeit naming its opponent (filed as a game played against that player,
// the report writing results by points). The warning's text; empty for any other entry.
Message ReportedOtherwiseText(std::string_view text);
// Those warnings of a Swiss chart's visible results, each after its place: "Line 3, Rd 2: ".
std::vector<Message> ReportedOtherwiseLines(const Tournament& tournament);

// "Inconsistent results found. Line 3, Rd 2." (kind "opponents" or "results").
Message InconsistencyText(std::string_view kind, const ChartRules& rules, int row, int col);

// "Missing name.", "Inconsistent results."...; empty for None.
Message ValidationMessage(ValidationFault fault);

// "Missing name. Line 3, name." for a faulty cell.
Message FaultText(const ValidationResult& result, const ChartRules& rules);

// The checks of one validation run. skipInconsistencyQuestions lives as long as the
// run: it is set when the user answers All and skips both inconsistency tests after that.
class ChartValidator {
  public:
    ChartValidator(const Tournament& tournament, InconsistencyPrompt prompt);

    // Check of one cell of a Swiss/Match chart.
    ValidationFault checkSwissCell(std::string_view text, int row, int col);
    // Check of one cell of a round robin or double round robin chart.
    ValidationFault checkRoundRobinCell(std::string_view text, int row, int col);

    // Row-major scan of the visible cells (column 0 skipped); stops at the first fault.
    ValidationResult scan();

    bool skipInconsistencyQuestions = false;

  private:
    // Asks about an inconsistency; gives false when the user cancels.
    bool goOnAfter(const std::string& kind, int row, int col);

    // A round robin result cell's check once its text has been read.
    ValidationFault checkRoundRobinResult(bool isX, int points, int row, int col);
    // The first round robin result column from col on that Scan's table alone cannot show
    // to be right.
    int firstToCheck(int row, int col) const;
    // Points of the cell a round robin entry is checked against: from the table Scan fills
    // when the cell lies in it, read from the chart otherwise.
    int mirrorPoints(int col, int row) const;

    const Tournament& tournament_;
    InconsistencyPrompt prompt_;
    // During a round robin Scan: points of every visible result cell (or kXMark), read row
    // by row in one pass, so the checks neither read a cell twice nor jump across rows.
    static constexpr signed char kXMark = 3; // an "X" cell (no points) in points_
    std::vector<signed char> points_;
    std::vector<int> firstToCheck_; // by line from 0: the first column of points_ to look at
    int pointsCols_ = 0;
    int pointsRows_ = 0;
};

// Drops trailing unnamed rows (setting the players count, which may lay the chart out
// again), then checks every cell row by row and stops at the first fault.
ValidationResult Validate(Tournament& tournament, const InconsistencyPrompt& prompt);

// Rating cell rule: empty, "UNR" anywhere (any case), or a 32-bit integer.
bool IsValidRating(std::string_view text);

} // namespace ranvik
