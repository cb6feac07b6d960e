#pragma once
// Reading the FIDE Tournament Report File (TRF-16 and the later revisions, which keep its
// player lines): the fixed columns of each player line, and the few other lines that say
// something the chart can use. No pairing rule is checked here; see TrfImport.h.

#include "messages/Message.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

struct TrfGame {
    int opponent = 0;  // the opponent's start number; 0 for none (a bye, an unpaired round)
    char colour = ' '; // 'w', 'b', '-' or blank
    char result = ' '; // the result code as written; blank when the round has no result
};

struct TrfPlayer {
    int line = 0; // line of the file, from 1
    int startNumber = 0;
    std::string name; // UTF-8, trimmed; control characters made spaces
    bool nameHadControls = false;
    std::string rating;         // trimmed
    std::optional<int> points;  // half points, when the points column reads
    std::vector<TrfGame> games; // round k at index k - 1, trailing unpaired rounds left off
};

struct TrfFile {
    std::vector<TrfPlayer> players; // in the file's order
    std::string tournamentName;     // line 012
    std::string startDate;          // line 042
    std::string endDate;            // line 052
    int plannedRounds = 0;          // line XXR, 0 when absent
    bool utf8 = true;               // false: the bytes were read as Windows-1252
};

struct TrfRefusal {
    int line = 0; // line of the file, from 1; 0 for the file as a whole
    Message reason;
};

struct TrfReadOutcome {
    std::optional<TrfFile> file;
    TrfRefusal refusal; // when no file
};

// Bounded as a chart file is: a larger file is refused before anything is read from it.
inline constexpr std::size_t MaxTrfFileBytes = 64u * 1024 * 1024;

// The result codes a player line may hold in a round.
inline constexpr std::string_view kTrfResultCodes = "10=+-WDLHFUZ";

// UTF-8 when the bytes are valid UTF-8 (a byte order mark is skipped), Windows-1252
// otherwise; lines end in CR LF, LF or a lone CR. Columns count characters, not bytes.
// Refused: more than MaxTrfFileBytes, UTF-16, more lines or longer lines than any report
// of a chart's size has, a rating holding a control character.
TrfReadOutcome ReadTrf(std::string_view bytes);

} // namespace ranvik
