#pragma once
// Tournament report files written for the tests, one player line at a time, in the
// format's fixed columns.

#include <string>
#include <vector>

namespace ranvik::test {

struct TrfPlayerSpec {
    int start = 0;
    std::string name; // UTF-8; padded by characters
    std::string rating;
    std::string points; // as written in columns 81-84, e.g. "1.5"; empty for blank
    // One entry a round: "<opponent><colour><result>", e.g. "2w1", "0-H", "3b+"; "" for
    // an unpaired round (a blank block).
    std::vector<std::string> games;
};

std::string TrfPlayerLine(const TrfPlayerSpec& player);

// A file of a 012 name line, the player lines, each line ended by `eol`.
std::string TrfFileText(const std::vector<TrfPlayerSpec>& players, const std::string& eol = "\n");

} // namespace ranvik::test
