#pragma once
// Matching the chart's players with the membership table by name, for filling membership
// numbers and ratings in one step.

#include "chart/Chart.h"
#include "members/MemberTable.h"
#include "messages/Message.h"
#include "report/RatingReport.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ranvik {

// The key two names share when they are the same name: case, accents and punctuation do
// not count, and "Surname, Given" equals "Given Surname". Apostrophes and full stops are
// dropped ("O'Neil" = "ONeil"); every other sign separates words ("Marc-André" = "Marc
// Andre"); the words are then taken in alphabetical order.
std::string NameMatchKey(std::string_view name);

struct LineMatch {
    int row = 0;
    std::string name;                    // the chart's name
    bool numberFilled = false;           // a number is there, though not a valid one: kept
    std::vector<std::size_t> candidates; // membership table rows whose name matches
};

// Every chart row (1 .. lastRow) with a name and without a valid membership number, with
// the members whose name matches. Members with a NULL name match nothing.
std::vector<LineMatch> FindNameMatches(const Chart& chart, int lastRow, const MemberTable& table);

struct MatchChoice {
    int row = 0;
    std::size_t member = 0; // membership table row
};

struct CellChange {
    int col = 0;
    int row = 0;
    std::string before;
    std::string after;
};

struct MatchApplied {
    std::vector<CellChange> changes; // in the order written; undone in reverse
    // Rows whose member name a chart file cannot hold, written in the nearest spelling.
    std::vector<int> respelled;
    std::vector<int> skipped; // rows left as they were: their number cell is not empty
    // Rows whose member name held control characters, written as spaces.
    std::vector<int> controlsAsSpaces;
    // Rows left as they were: a value of the member cannot go into a chart cell (why).
    std::vector<std::pair<int, Message>> refused;
};

// Writes each chosen member's name, number and rating (of ratingField, "RATING" or
// "ACT_RATING", as a load from the database writes it, through MemberCellsOf) into its row.
// A row whose number cell holds anything, or whose member has a value no cell may hold, is
// left alone. Throws DatabaseError when the table lacks a field.
MatchApplied ApplyNameMatches(Chart& chart, const MemberTable& table,
                              const std::vector<MatchChoice>& choices, RatingSystem system);

// Puts back the cells an ApplyNameMatches changed.
void UndoNameMatches(Chart& chart, const MatchApplied& applied);

} // namespace ranvik
