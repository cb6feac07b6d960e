#include "validation/ChartProblems.h"

#include "validation/ChartWarnings.h"

#include <algorithm>

namespace ranvik {
namespace {

// A block of cells larger than this (a load, a sort, a row delete, a layout) is checked
// with the whole chart rather than cell by cell.
constexpr long long kIncrementalLimit = 64;

} // namespace

unsigned char ChartProblems::RoundRobinEntry(std::string_view cell) {
    if (cell.size() == 1 && cell[0] == 'X')
        return kX;
    const auto points = static_cast<unsigned char>(RoundRobinPoints(cell));
    return cell.empty() ? points : static_cast<unsigned char>(points | kFilled);
}

ChartProblems::ChartProblems(Tournament& tournament, CellFileRule fileRule)
    : tournament_(tournament), fileRule_(std::move(fileRule)) {
    tournament_.chart().addListener(this);
}

ChartProblems::~ChartProblems() {
    tournament_.chart().removeListener(this);
}

int ChartProblems::lastNamedRow() const {
    const Chart& chart = tournament_.chart();
    int row = chart.rowCount() - 1;
    while (row > 1 && chart.cell(ChartColumn::Name, row).empty())
        --row;
    return row;
}

// What Validate does before its scan: drop trailing unnamed lines, set the players count,
// and lay a round robin out again when the count changes.
ChartProblems::View ChartProblems::viewFor(int lastNamed) const {
    View view;
    view.rules = &tournament_.rules();
    view.visibleRows = tournament_.playerRows();
    view.numPlayers = tournament_.numPlayers();
    view.cols = tournament_.chart().colCount();
    if (view.visibleRows < 1)
        return view;
    const int players = std::clamp(lastNamed, Tournament::MinPlayers, Tournament::MaxPlayers);
    view.relaid = players != view.numPlayers || lastNamed != players;
    view.rows = view.relaid ? players : lastNamed;
    if (view.relaid && !view.rules->columnsAreRounds()) {
        view.cols = view.rules->resultColumns(view.rows, 0) + ChartColumn::FirstResult;
    } else {
        view.relaid = false; // a Swiss chart only loses lines
    }
    return view;
}

std::string_view ChartProblems::text(int col, int row) const {
    const std::string_view stored = tournament_.chart().cell(col, row);
    if (!view_.relaid || col < ChartColumn::FirstResult)
        return stored;
    if (view_.rules->isOwnCell(col, row))
        return "X";
    return stored == "X" ? std::string_view() : stored;
}

int ChartProblems::resultIndex(int col, int row) const {
    return (row - 1) * (view_.cols - ChartColumn::FirstResult) + col - ChartColumn::FirstResult;
}

unsigned char ChartProblems::readRoundRobin(int col, int row) const {
    return RoundRobinEntry(text(col, row));
}

void ChartProblems::markStale() {
    if (!stale_) {
        stale_ = true;
        findings_.clear();
        marks_.clear();
    }
    if (onUpdated)
        onUpdated(ProblemsUpdate{true, {}, {}});
}

void ChartProblems::refresh() {
    if (stale_)
        recheckAll();
}

void ChartProblems::recheckAll() {
    lastNamed_ = lastNamedRow();
    view_ = viewFor(lastNamed_);
    stale_ = false;
    findings_.clear();
    marks_.clear();
    emptyLineResults_.clear();
    reportedOtherwise_.clear();
    numberRows_.clear();
    badNumbers_.clear();
    nameRows_.clear();
    badRatings_.clear();
    unsavable_.clear();
    const int rows = view_.rows;
    points_.assign(static_cast<std::size_t>(rows) + 1, 0);
    numberOf_.assign(static_cast<std::size_t>(rows) + 1, {});
    nameOf_.assign(static_cast<std::size_t>(rows) + 1, {});
    readAllResults();
    opponentOfCol_.assign(static_cast<std::size_t>(std::max(0, view_.cols)), 0);
    for (int col = ChartColumn::FirstResult; col < view_.cols; ++col)
        opponentOfCol_[col] = view_.rules->opponentOfColumn(col);
    const std::vector<char> unnamed = unnamedLines();
    ProblemsUpdate ignored;
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col < std::min(view_.cols, int{ChartColumn::FirstResult}); ++col) {
            const Finding finding = findingOf(col, row);
            if (finding.what.any())
                setFinding(col, row, finding, ignored);
        }
        if (byRounds())
            recheckSwissRow(row, unnamed);
        else
            recheckRoundRobinRow(row, unnamed);
        setMemberNumber(row);
        setName(row);
        setRating(row);
    }
    checkFileCells(0, 1, tournament_.chart().colCount() - 1, view_.visibleRows, ignored);
}

// Every result read once, row by row as the chart stores them; the checks then use the
// tables only.
void ChartProblems::readAllResults() {
    const int rows = view_.rows;
    const int resultCols = std::max(0, view_.cols - ChartColumn::FirstResult);
    const bool swiss = byRounds();
    const Chart& chart = tournament_.chart();
    swiss_.clear();
    rr_.clear();
    if (swiss)
        swiss_.resize(static_cast<std::size_t>(rows) * resultCols);
    rr_.resize(static_cast<std::size_t>(rows) * resultCols);
    int filled = 0; // counted here, not in the member: every table write could alias it
    for (int row = 1; row <= rows; ++row) {
        int points = 0;
        const auto first = static_cast<std::size_t>(resultIndex(ChartColumn::FirstResult, row));
        unsigned char* entries = rr_.data() + first;
        for (int col = ChartColumn::FirstResult; col < view_.cols; ++col) {
            // Only a laid-out-again round robin reads differently from the chart.
            const std::string_view cell = view_.relaid ? text(col, row) : chart.cell(col, row);
            unsigned char entry = 0;
            if (swiss) {
                ParsedResult& result = swiss_[first + col - ChartColumn::FirstResult];
                result = ParseResult(cell);
                entry = cell.empty() ? 0 : kFilled;
                points += result.points;
            } else {
                entry = RoundRobinEntry(cell);
                points += entry & 3;
            }
            *entries++ = entry;
            filled += (entry & kFilled) != 0 ? 1 : 0;
        }
        points_[row] = points;
    }
    filled_ = filled;
}

// unnamed[line] for the lines a result may point at, read once rather than per result.
std::vector<char> ChartProblems::unnamedLines() const {
    std::vector<char> unnamed(static_cast<std::size_t>(std::max(0, view_.visibleRows)) + 1, 0);
    for (int line = 1; line <= view_.visibleRows; ++line)
        unnamed[line] = tournament_.chart().cell(ChartColumn::Name, line).empty() ? 1 : 0;
    return unnamed;
}

void ChartProblems::noteEmptyLineResult(int col, int row, int target,
                                        const std::vector<char>& unnamed) {
    if (target >= 1 && target <= view_.visibleRows && unnamed[target] != 0)
        emptyLineResults_.insert(key(col, row));
}

void ChartProblems::recheckSwissRow(int row, const std::vector<char>& unnamed) {
    ProblemsUpdate ignored;
    for (int col = ChartColumn::FirstResult; col < view_.cols; ++col) {
        const ParsedResult& mine = swiss_[static_cast<std::size_t>(resultIndex(col, row))];
        const Finding finding = swissFinding(mine, col, row);
        if (finding.what.any())
            setFinding(col, row, finding, ignored);
        noteEmptyLineResult(col, row, mine.opponent, unnamed);
        if (finding.what.fault == ValidationFault::None &&
            !ReportedOtherwiseText(text(col, row)).empty())
            reportedOtherwise_.insert(key(col, row));
    }
}

// A round robin's games follow its layout: a column always meets the same opponent, and a
// line's mirror cells lie in the columns of that line (one per game against each opponent),
// so the games are worked out once per column and once per line rather than per cell. Both
// cells of a game inside the chart are checked together, from the upper line: neither can
// be an own cell or point beyond the chart, so only their points matter, and the chart is
// walked across its columns half as often.
void ChartProblems::recheckRoundRobinRow(int row, const std::vector<char>& unnamed) {
    const int perOpponent = view_.rules->gamesPerOpponent();
    int mirrorCols[2] = {};
    for (int game = 0; game < perOpponent; ++game)
        mirrorCols[game] =
            RoundRobinGameOf(*view_.rules, row, ChartColumn::FirstResult + game).mirrorCol;
    ProblemsUpdate ignored;
    for (int col = ChartColumn::FirstResult; col < view_.cols; ++col) {
        const int gameOfPair = perOpponent == 2 ? (col - ChartColumn::FirstResult) & 1 : 0;
        const RoundRobinGame game{opponentOfCol_[col], mirrorCols[gameOfPair]};
        const unsigned char mine = rr_[static_cast<std::size_t>(resultIndex(col, row))];
        const bool mirrorInView = game.mirrorCol < view_.cols;
        if (mirrorInView && game.opponent > row && game.opponent <= view_.rows) {
            const unsigned char theirs =
                rr_[static_cast<std::size_t>(resultIndex(game.mirrorCol, game.opponent))];
            if (RoundRobinResultsDisagree((mine & kX) != 0, mine & 3, theirs & 3))
                setDisagreement({col, row}, {game.mirrorCol, game.opponent});
            if (RoundRobinResultsDisagree((theirs & kX) != 0, theirs & 3, mine & 3))
                setDisagreement({game.mirrorCol, game.opponent}, {col, row});
        } else if (!mirrorInView || game.opponent >= row) {
            const Finding finding = roundRobinFinding(col, row, game);
            if (finding.what.any())
                setFinding(col, row, finding, ignored);
        }
        if ((mine & kFilled) != 0)
            noteEmptyLineResult(col, row, game.opponent, unnamed);
    }
}

void ChartProblems::setDisagreement(const ChartCell& cell, const ChartCell& partner) {
    Finding finding;
    finding.what.resultsDisagree = true;
    finding.partner = partner;
    ProblemsUpdate ignored;
    setFinding(cell.col, cell.row, finding, ignored);
}

ChartProblems::Finding ChartProblems::findingOf(int col, int row) const {
    if (col < ChartColumn::FirstResult) {
        Finding finding;
        finding.what.fault = NameOrRatingFault(text(col, row), col);
        return finding;
    }
    if (byRounds())
        return swissFinding(swiss_[static_cast<std::size_t>(resultIndex(col, row))], col, row);
    return roundRobinFinding(col, row, RoundRobinGameOf(*view_.rules, row, col));
}

ChartProblems::Finding ChartProblems::swissFinding(const ParsedResult& mine, int col,
                                                   int row) const {
    Finding finding;
    finding.what.fault = SwissResultFault(mine, row, view_.rows);
    if (finding.what.fault == ValidationFault::None && mine.opponent > 0) {
        const ParsedResult& theirs =
            swiss_[static_cast<std::size_t>(resultIndex(col, mine.opponent))];
        finding.what = SwissDisagreement(mine, theirs, row);
        if (finding.what.opponentsDisagree || finding.what.resultsDisagree)
            finding.partner = {col, mine.opponent};
    }
    return finding;
}

ChartProblems::Finding ChartProblems::roundRobinFinding(int col, int row,
                                                        const RoundRobinGame& game) const {
    Finding finding;
    const unsigned char mine = rr_[static_cast<std::size_t>(resultIndex(col, row))];
    const bool isX = (mine & kX) != 0;
    finding.what.fault = RoundRobinCellFault(game, isX, row, view_.rows);
    if (finding.what.fault == ValidationFault::None) {
        const int mirror =
            game.mirrorCol < view_.cols
                ? rr_[static_cast<std::size_t>(resultIndex(game.mirrorCol, game.opponent))] & 3
                : RoundRobinPoints(text(game.mirrorCol, game.opponent));
        finding.what.resultsDisagree = RoundRobinResultsDisagree(isX, mine & 3, mirror);
        if (finding.what.resultsDisagree)
            finding.partner = {game.mirrorCol, game.opponent};
    }
    return finding;
}

void ChartProblems::mark(const ChartCell& cell, int delta) {
    const Key k = key(cell.col, cell.row);
    const int count = (marks_[k] += delta);
    if (count <= 0)
        marks_.erase(k);
}

void ChartProblems::setFinding(int col, int row, const Finding& finding, ProblemsUpdate& update) {
    const Key k = key(col, row);
    const auto found = findings_.find(k);
    const Finding old = found == findings_.end() ? Finding{} : found->second;
    if (old == finding)
        return;
    const ChartCell self{col, row};
    for (const auto& [what, delta] : {std::pair{old, -1}, std::pair{finding, 1}}) {
        if (!what.what.any())
            continue;
        mark(self, delta);
        if (what.partner.row > 0) {
            mark(what.partner, delta);
            update.cells.push_back(what.partner);
        }
    }
    if (finding.what.any())
        findings_[k] = finding;
    else if (found != findings_.end())
        findings_.erase(found);
    update.cells.push_back(self);
}

void ChartProblems::checkCell(int col, int row, ProblemsUpdate& update) {
    if (row < 1 || row > view_.rows || col < 1 || col >= view_.cols)
        return;
    setFinding(col, row, findingOf(col, row), update);
}

void ChartProblems::checkEmptyLineWarning(int col, int row) {
    int target = 0;
    if (byRounds()) {
        target = swiss_[static_cast<std::size_t>(resultIndex(col, row))].opponent;
    } else if ((rr_[static_cast<std::size_t>(resultIndex(col, row))] & kFilled) != 0) {
        target = view_.rules->opponentOfColumn(col);
    }
    const bool empty = target >= 1 && target <= view_.visibleRows &&
                       tournament_.chart().cell(ChartColumn::Name, target).empty();
    if (empty)
        emptyLineResults_.insert(key(col, row));
    else
        emptyLineResults_.erase(key(col, row));
}

// A line's name decides the warnings of the results that point at it.
void ChartProblems::checkReferrers(int row) {
    for (int col = ChartColumn::FirstResult; col < view_.cols; ++col) {
        if (!byRounds()) {
            if (view_.rules->opponentOfColumn(col) != row)
                continue;
            for (int r = 1; r <= view_.rows; ++r)
                checkEmptyLineWarning(col, r);
            continue;
        }
        for (int r = 1; r <= view_.rows; ++r) {
            if (swiss_[static_cast<std::size_t>(resultIndex(col, r))].opponent == row)
                checkEmptyLineWarning(col, r);
        }
    }
}

void ChartProblems::setMemberNumber(int row) {
    const std::string_view number = text(ChartColumn::MemberNumber, row);
    Recount(numberRows_, numberOf_[row], std::string(number), row);
    if (IsValidMemberNumber(number))
        badNumbers_.erase(row);
    else
        badNumbers_.insert(row);
}

void ChartProblems::checkReportedOtherwise(int col, int row) {
    const auto found = findings_.find(key(col, row));
    const bool faulty =
        found != findings_.end() && found->second.what.fault != ValidationFault::None;
    if (!faulty && !ReportedOtherwiseText(text(col, row)).empty())
        reportedOtherwise_.insert(key(col, row));
    else
        reportedOtherwise_.erase(key(col, row));
}

void ChartProblems::changeResult(int col, int row, ProblemsUpdate& update) {
    const auto at = static_cast<std::size_t>(resultIndex(col, row));
    if (byRounds()) {
        const int oldOpponent = swiss_[at].opponent;
        points_[row] -= swiss_[at].points;
        filled_ -= (rr_[at] & kFilled) != 0 ? 1 : 0;
        swiss_[at] = ParseResult(text(col, row));
        rr_[at] = text(col, row).empty() ? 0 : kFilled;
        points_[row] += swiss_[at].points;
        filled_ += (rr_[at] & kFilled) != 0 ? 1 : 0;
        checkCell(col, row, update);
        checkCell(col, oldOpponent, update);
        checkCell(col, swiss_[at].opponent, update);
        // Whoever names this line in the same round now meets another entry.
        for (int r = 1; r <= view_.rows; ++r) {
            if (r != row && swiss_[static_cast<std::size_t>(resultIndex(col, r))].opponent == row)
                checkCell(col, r, update);
        }
        checkReportedOtherwise(col, row);
    } else {
        const unsigned char old = rr_[at];
        rr_[at] = readRoundRobin(col, row);
        points_[row] += (rr_[at] & 3) - (old & 3);
        filled_ += ((rr_[at] & kFilled) != 0 ? 1 : 0) - ((old & kFilled) != 0 ? 1 : 0);
        checkCell(col, row, update);
        const RoundRobinGame game = RoundRobinGameOf(*view_.rules, row, col);
        checkCell(game.mirrorCol, game.opponent, update);
    }
    checkEmptyLineWarning(col, row);
    update.scoreRows.push_back(row);
}

void ChartProblems::changeCell(int col, int row, ProblemsUpdate& update) {
    switch (col) {
    case ChartColumn::LineNumber:
        return;
    case ChartColumn::Name:
        checkCell(col, row, update);
        checkReferrers(row);
        setName(row);
        return;
    case ChartColumn::MemberNumber:
        setMemberNumber(row);
        return;
    case ChartColumn::Rating:
        checkCell(col, row, update);
        setRating(row);
        return;
    default:
        changeResult(col, row, update);
    }
}

void ChartProblems::cellsChanged(int col0, int row0, int col1, int row1) {
    if (stale_)
        return; // the whole chart is checked at the next question anyway
    const int visible = tournament_.playerRows();
    if (col0 <= ChartColumn::Name && col1 >= ChartColumn::Name && row1 >= lastNamed_)
        lastNamed_ = lastNamedRow();
    const long long area = static_cast<long long>(col1 - col0 + 1) * (row1 - row0 + 1);
    if (area > kIncrementalLimit || !(viewFor(lastNamed_) == view_) || visible < 1) {
        markStale();
        return;
    }
    ProblemsUpdate update;
    for (int row = std::max(row0, 1); row <= std::min(row1, view_.rows); ++row) {
        for (int col = std::max(col0, 1); col <= std::min(col1, view_.cols - 1); ++col)
            changeCell(col, row, update);
    }
    checkFileCells(col0, row0, col1, row1, update);
    if (onUpdated)
        onUpdated(update);
}

void ChartProblems::sizeChanged() {
    markStale();
}

std::set<int> ChartProblems::namedEmptyLines() const {
    std::set<int> lines;
    for (const Key k : emptyLineResults_) {
        const ChartCell cell = cellOf(k);
        lines.insert(
            byRounds() ? swiss_[static_cast<std::size_t>(resultIndex(cell.col, cell.row))].opponent
                       : view_.rules->opponentOfColumn(cell.col));
    }
    return lines;
}

bool ChartProblems::untouched(int row) const {
    const Chart& chart = tournament_.chart();
    const ChartRules& rules = tournament_.rules();
    for (int col = ChartColumn::Name; col < chart.colCount(); ++col) {
        const std::string_view cell = chart.cell(col, row);
        if (!cell.empty() && !(cell == "X" && rules.isOwnCell(col, row)))
            return false;
    }
    return true;
}

bool ChartProblems::unstartedLine(const Finding& finding, int row,
                                  const std::set<int>& named) const {
    return finding.what.fault == ValidationFault::MissingName && named.count(row) == 0 &&
           untouched(row);
}

std::vector<ChartProblem> ChartProblems::problems() {
    refresh();
    std::vector<std::pair<Key, ChartProblem>> found;
    std::set<std::pair<Key, Key>> pairsSeen[2]; // opponents, results
    const std::set<int> named = namedEmptyLines();
    for (const auto& [k, finding] : findings_) {
        const ChartCell cell = cellOf(k);
        if (unstartedLine(finding, cell.row, named))
            continue;
        if (finding.what.fault != ValidationFault::None) {
            found.push_back({k,
                             {finding.what.fault,
                              cell,
                              {},
                              FaultText({finding.what.fault, cell.row, cell.col}, *view_.rules)}});
            continue;
        }
        const Key other = key(finding.partner.col, finding.partner.row);
        const std::pair<Key, Key> pair{std::min(k, other), std::max(k, other)};
        if (finding.what.opponentsDisagree && pairsSeen[0].insert(pair).second) {
            found.push_back({k,
                             {ValidationFault::InconsistentOpponents, cell, finding.partner,
                              InconsistencyText("opponents", *view_.rules, cell.row, cell.col)}});
        }
        if (finding.what.resultsDisagree && pairsSeen[1].insert(pair).second) {
            found.push_back({k,
                             {ValidationFault::InconsistentResults, cell, finding.partner,
                              InconsistencyText("results", *view_.rules, cell.row, cell.col)}});
        }
    }
    addFileProblems(found);
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ChartProblem> out;
    out.reserve(found.size());
    for (auto& [k, problem] : found)
        out.push_back(std::move(problem));
    return out;
}

std::vector<Message> ChartProblems::validationLines() {
    refresh();
    std::vector<std::pair<Key, ChartProblem>> found;
    for (const auto& [k, finding] : findings_) {
        const ChartCell cell = cellOf(k);
        auto add = [&found, k = k](Message text) {
            found.push_back({k, {ValidationFault::None, {}, {}, std::move(text)}});
        };
        if (finding.what.fault != ValidationFault::None) {
            add(FaultText({finding.what.fault, cell.row, cell.col}, *view_.rules));
            continue;
        }
        if (finding.what.opponentsDisagree)
            add(InconsistencyText("opponents", *view_.rules, cell.row, cell.col));
        if (finding.what.resultsDisagree)
            add(InconsistencyText("results", *view_.rules, cell.row, cell.col));
    }
    addFileProblems(found);
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Message> lines;
    lines.reserve(found.size());
    for (auto& [k, problem] : found)
        lines.push_back(std::move(problem.text));
    return lines;
}

std::vector<ChartWarning> ChartProblems::warnings() {
    refresh();
    const Chart& chart = tournament_.chart();
    std::vector<ChartWarning> out;
    for (const auto& [number, lines] : numberRows_) {
        if (lines.size() > 1) {
            out.push_back({ChartWarningKind::DuplicateMemberNumber,
                           {ChartColumn::MemberNumber, *lines.begin()},
                           Message(MessageKind::DuplicateMemberNumber, {number, LineList(lines)})});
        }
    }
    const std::set<int> named = namedEmptyLines();
    for (const int row : badNumbers_) {
        if (named.count(row) == 0 && untouched(row))
            continue; // not a player yet
        // The line as the report's membership-number check lists it.
        out.push_back({ChartWarningKind::MemberNumberNotSixDigits,
                       {ChartColumn::MemberNumber, row},
                       MemberNumberWarningText(chart.cell(ChartColumn::Name, row),
                                               chart.cell(ChartColumn::MemberNumber, row))});
    }
    for (const Key k : emptyLineResults_) {
        const ChartCell cell = cellOf(k);
        const int target =
            byRounds() ? swiss_[static_cast<std::size_t>(resultIndex(cell.col, cell.row))].opponent
                       : view_.rules->opponentOfColumn(cell.col);
        out.push_back({ChartWarningKind::ResultToEmptyLine, cell,
                       Message(MessageKind::ResultAgainstEmptyLine, {target})});
    }
    for (const Key k : reportedOtherwise_) {
        const ChartCell cell = cellOf(k);
        out.push_back({ChartWarningKind::ReportedOtherwise, cell,
                       ReportedOtherwiseText(text(cell.col, cell.row))});
    }
    addLineWarnings(out);
    std::stable_sort(out.begin(), out.end(), [](const ChartWarning& a, const ChartWarning& b) {
        return a.cell.row != b.cell.row ? a.cell.row < b.cell.row : a.cell.col < b.cell.col;
    });
    return out;
}

bool ChartProblems::isMarked(int col, int row) {
    refresh();
    if (marks_.count(key(col, row)) == 0)
        return false;
    // A name cell is marked only for its own missing name.
    const auto finding = findings_.find(key(col, row));
    return col != ChartColumn::Name || finding == findings_.end() ||
           !unstartedLine(finding->second, row, namedEmptyLines());
}

Message ChartProblems::cellMessage(int col, int row) {
    if (!isMarked(col, row))
        return {};
    Message out;
    const ChartCell cell{col, row};
    for (const ChartProblem& problem : problems()) {
        if (problem.cell == cell || problem.other == cell) {
            if (out.empty())
                out = problem.text;
            else
                out.then(problem.text);
        }
    }
    return out;
}

int ChartProblems::halfPoints(int row) {
    refresh();
    return row >= 1 && row <= view_.rows ? points_[row] : 0;
}

int ChartProblems::checkedRows() {
    refresh();
    return view_.rows;
}

int ChartProblems::gamesEntered() {
    refresh();
    return (filled_ + 1) / 2;
}

int ChartProblems::gamesExpected() {
    refresh();
    // Each game has two players: round up a Swiss chart's odd count (a bye's round).
    const int n = view_.rows;
    return (n * view_.rules->gamesPerPlayer(n, std::max(0, view_.cols - ChartColumn::FirstResult)) +
            1) /
           2;
}

} // namespace ranvik
