#pragma once
// Entries a report can carry but a director would look at twice: a rating no player has
// (15000 typed for 1500), one player entered on two lines, a director's or organiser's
// membership number that is not six digits. Shared by the live check and the report's
// check list, so both say the same.

#include "chart/Chart.h"
#include "messages/Message.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

inline constexpr int MaxRating = 3000;

// A rating that reads as a whole number outside 0 to MaxRating ("unr." and empty do not).
bool RatingOutsideRange(std::string_view rating);
// What two names must share to be one player's: blanks trimmed and runs of blanks made one,
// ASCII letters in one case. Empty for a name of blanks.
std::string SameNameKey(std::string_view name);

// "2, 5 and 7".
std::string LineList(const std::set<int>& lines);
// A membership number the report's check lists: "Bo Chen, 12345", or for an empty one
// "Bo Chen: no membership number".
std::string MemberNumberLine(std::string_view name, std::string_view number);
// The live check's warning for it: "Membership number not six digits: Bo Chen, 12345", or
// the line alone when the number is empty.
Message MemberNumberWarningText(std::string_view name, std::string_view number);
// "Rating outside 0-3000: Bo Chen, 15000"
Message RatingWarningText(std::string_view name, std::string_view rating);
// "Same name on lines 2 and 5: Bo Chen"
Message SameNameWarningText(std::string_view name, const std::set<int>& lines);
// "Tournament director QRB number not six digits: 12345" and the organiser's (whose number
// may be left empty); none when both are well formed.
std::vector<Message> OfficialNumberWarnings(std::string_view director, std::string_view organiser);

// The same-name and rating warnings of player lines 1 to playerRows, in line order (a name
// at its first line), as the live check lists them.
std::vector<Message> ChartCheckWarnings(const Chart& chart, int playerRows);

} // namespace ranvik
