#pragma once
// Every fault of a chart at once, kept current as the chart changes: the cells validation
// would stop at, the inconsistent pairs it would ask about, warnings it does not check, and
// each player's points. It follows the chart as a listener and re-checks only what a change
// touches; a change of shape (type, counts, the last named line) or a large block of cells
// (load, sort, row delete) checks the whole chart once.
//
// It sees the chart as validation would after dropping trailing unnamed lines (and, for a
// round robin, laying the chart out again for the players left), without changing it. Cells
// a chart file cannot hold are faults too, over every line the file would write.

#include "validation/Validation.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ranvik {

struct ChartCell {
    int col = 0;
    int row = 0;
    bool operator==(const ChartCell&) const = default;
};

// One entry of the problems list. An inconsistent pair is one entry naming both cells; the
// first cell is the one validation meets first.
struct ChartProblem {
    // A cell fault or an inconsistency; None for a character the chart file cannot hold.
    ValidationFault fault = ValidationFault::None;
    ChartCell cell;
    ChartCell other; // the opponent's cell of an inconsistent pair; {0, 0} otherwise
    Message text;    // what validation shows for it
};

enum class ChartWarningKind {
    DuplicateMemberNumber,
    MemberNumberNotSixDigits,
    ResultToEmptyLine,
    ReportedOtherwise, // a bye with a number, a forfeit naming its opponent
    RatingOutOfRange,
    SameName,
    OfficialNumberNotSixDigits, // the director's or organiser's: no cell, {0, 0}
};

struct ChartWarning {
    ChartWarningKind kind = ChartWarningKind::MemberNumberNotSixDigits;
    ChartCell cell;
    Message text;
};

// What changed in one update, for the views to repaint only that.
struct ProblemsUpdate {
    bool everything = false;      // a whole-chart check
    std::vector<ChartCell> cells; // cells whose marks may have changed
    std::vector<int> scoreRows;   // rows whose points may have changed
};

// The message for a cell a chart file cannot hold, empty when it can: the file format's own
// rule, handed in by the owner (the format lives beside validation, not under it).
using CellFileRule = std::function<Message(const Chart& chart, int col, int row)>;

class ChartProblems : private ChartListener {
  public:
    // Without a file rule, cells are not checked against the chart file.
    explicit ChartProblems(Tournament& tournament, CellFileRule fileRule = {});
    ~ChartProblems() override;
    ChartProblems(const ChartProblems&) = delete;
    ChartProblems& operator=(const ChartProblems&) = delete;

    // A change of shape or a large block of cells only marks the check stale (a load or a
    // layout tells the chart several times); the next question checks the whole chart once.
    // refresh() does it at once.
    void refresh();

    // The faults in validation's scan order (an inconsistent pair once). A line nobody has
    // typed in and no result names is not a player yet: its missing name is not listed
    // (validation still refuses it).
    std::vector<ChartProblem> problems();
    // The warnings, by line.
    std::vector<ChartWarning> warnings();
    int faultCount() { return static_cast<int>(problems().size()); }
    int warningCount() { return static_cast<int>(warnings().size()); }

    // What validation would show if it noted each fault and went on: in scan order, a line
    // per faulty cell (FaultText) or per inconsistency question it would ask, and per cell
    // the chart file cannot hold.
    std::vector<Message> validationLines();

    // The tournament director's and organiser's numbers, once the report has asked them:
    // warned about when not six digits.
    void setOfficialNumbers(std::string_view director, std::string_view organiser);

    // Whether a cell takes part in a fault, and the texts of those faults, one a line.
    bool isMarked(int col, int row);
    Message cellMessage(int col, int row);

    // Points of a line in half points; 0 for lines beyond the checked ones.
    int halfPoints(int row);
    // Lines validation would check; games entered (two result cells make a game) and expected.
    int checkedRows();
    int gamesEntered();
    int gamesExpected();

    // Told after every change: the cells and rows it touched, or `everything` when the check
    // went stale (then ask again once the chart has settled).
    std::function<void(const ProblemsUpdate&)> onUpdated;

  private:
    using Key = std::uint64_t; // row-major: scan order
    static Key key(int col, int row) {
        return (static_cast<Key>(row) << 32) | static_cast<std::uint32_t>(col);
    }
    static ChartCell cellOf(Key k) {
        return {static_cast<int>(k & 0xffffffffU), static_cast<int>(k >> 32)};
    }

    struct Finding {
        CellFindings what;
        ChartCell partner; // the other cell of a disagreement
        bool operator==(const Finding&) const = default;
    };
    // The view validation checks after dropping trailing unnamed lines.
    struct View {
        const ChartRules* rules = nullptr;
        int rows = 0;
        int cols = 0;
        bool relaid = false; // a round robin laid out again: own cells read as "X"
        int visibleRows = 0;
        int numPlayers = 0;
        bool operator==(const View&) const = default;
    };
    // A round robin result cell: its points and two flags.
    static constexpr unsigned char kX = 4;
    static constexpr unsigned char kFilled = 8;

    void cellsChanged(int col0, int row0, int col1, int row1) override;
    void sizeChanged() override;
    void markStale();
    void recheckAll();
    void readAllResults();
    std::vector<char> unnamedLines() const;
    void recheckSwissRow(int row, const std::vector<char>& unnamed);
    void recheckRoundRobinRow(int row, const std::vector<char>& unnamed);
    void setDisagreement(const ChartCell& cell, const ChartCell& partner);
    void noteEmptyLineResult(int col, int row, int target, const std::vector<char>& unnamed);

    View viewFor(int lastNamed) const;
    int lastNamedRow() const;
    std::string_view text(int col, int row) const;
    int resultIndex(int col, int row) const;
    static unsigned char RoundRobinEntry(std::string_view cell);
    unsigned char readRoundRobin(int col, int row) const;

    void changeCell(int col, int row, ProblemsUpdate& update);
    void changeResult(int col, int row, ProblemsUpdate& update);
    void checkCell(int col, int row, ProblemsUpdate& update);
    Finding findingOf(int col, int row) const;
    Finding swissFinding(const ParsedResult& mine, int col, int row) const;
    Finding roundRobinFinding(int col, int row, const RoundRobinGame& game) const;
    void setFinding(int col, int row, const Finding& finding, ProblemsUpdate& update);
    void mark(const ChartCell& cell, int delta);
    void checkReferrers(int row);
    // Lines other lines' results name while they have no name.
    std::set<int> namedEmptyLines() const;
    // A line with nothing typed in any of its cells (a round robin's own cells aside).
    bool untouched(int row) const;
    // Whether a finding is one of those missing names of a line that is not a player yet.
    bool unstartedLine(const Finding& finding, int row, const std::set<int>& named) const;
    void checkEmptyLineWarning(int col, int row);
    void checkReportedOtherwise(int col, int row);
    bool byRounds() const { return view_.rules->columnsAreRounds(); }
    void setMemberNumber(int row);
    using LinesByText = std::map<std::string, std::set<int>, std::less<>>;
    // Moves a line from the text it was counted under (counted) to `now`; empty: none.
    static void Recount(LinesByText& lines, std::string& counted, std::string now, int row);
    // ChartProblemsLines.cpp: the same name on two lines, a rating out of range, and cells
    // the chart file cannot hold.
    void setName(int row);
    void setRating(int row);
    void checkFileCell(int col, int row, ProblemsUpdate& update);
    void checkFileCells(int col0, int row0, int col1, int row1, ProblemsUpdate& update);
    void addLineWarnings(std::vector<ChartWarning>& out) const;
    void addFileProblems(std::vector<std::pair<Key, ChartProblem>>& out) const;

    Tournament& tournament_;
    bool stale_ = true;
    View view_;
    int lastNamed_ = 0;

    std::vector<ParsedResult> swiss_; // Swiss: rows x result columns, as last read
    std::vector<unsigned char> rr_;   // points | kX | kFilled (Swiss: kFilled only)
    std::vector<int> points_;         // points_[row], half points
    std::vector<int> opponentOfCol_;  // round robin: the line each result column meets
    int filled_ = 0;                  // result cells holding a result (own cells not counted)
    std::map<Key, Finding> findings_;
    std::map<Key, int> marks_;          // how many findings a cell takes part in
    std::set<Key> emptyLineResults_;    // results pointing at a line without a name
    std::set<Key> reportedOtherwise_;   // entries the report files otherwise than they read
    LinesByText numberRows_;            // member number -> lines
    std::vector<std::string> numberOf_; // the member number counted for each line
    std::set<int> badNumbers_;          // lines whose number is not six digits
    std::map<std::string, std::set<int>, std::less<>> nameRows_; // SameNameKey -> lines
    std::vector<std::string> nameOf_;                            // the key counted per line
    std::set<int> badRatings_;                                   // lines rated out of range
    CellFileRule fileRule_;
    std::map<Key, Message> unsavable_; // cells the chart file cannot hold, and why
    std::vector<Message> officialWarnings_;
};

} // namespace ranvik
