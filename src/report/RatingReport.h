#pragma once
// The rating report (.qtr) as the federation's office reads it: quoted, comma-joined
// fields on CR LF lines. A pure function of the chart and the tournament's facts.

#include "chart/Tournament.h"
#include "files/FileNames.h"
#include "report/EndDate.h"

#include <string>
#include <vector>

namespace ranvik {

struct TournamentInfo {
    std::string name;
    std::string province;
    std::string referenceNumber;
    std::string endDate; // YYYY/MM/DD
    std::string tdNumber;
    std::string organiserNumber;
};

enum class RatingSystem { Regular, Active };

// "RATING" or "ACT_RATING", the membership field of the event's rating system.
std::string RatingFieldName(RatingSystem system);

// The report's lines (without line ends), in UTF-8.
std::vector<std::string> BuildReportLines(const Tournament& tournament, RatingSystem system,
                                          const TournamentInfo& info);

// The name proposed for the report: the date's digits, "-", the name, ".qtr"; characters
// that cannot stand in a file name become "_".
std::string ProposedReportName(const TournamentInfo& info);

// Membership-number check lines: "name, number" for every badly formed number, "name: no
// membership number" for an empty one.
std::vector<Message> FlaggedMemberLines(const Chart& chart, int playerRows);
// The report's check list: those lines, then the warnings a director would look at twice
// (ratings out of range, a name on several lines, the director's or organiser's number not
// six digits). Empty when there is nothing to confirm.
std::vector<Message> ReportCheckLines(const Chart& chart, int playerRows,
                                      const TournamentInfo& info);

// The tournament information check of the dialog's OK: the first failing message, or
// empty when all pass. Line breaks inside a message are single CR characters. The ending
// date is checked against today's local date, or the one given.
Message CheckTournamentInfo(const TournamentInfo& info);
Message CheckTournamentInfo(const TournamentInfo& info, const CalendarDate& today);

// Result lines of each player's block: a line per round or per result column.
int ResultLinesPerPlayer(const Tournament& tournament);

// The score of half points as written in the report: "0.0", "3.5", "10.5", whatever the
// locale.
std::string ScoreText(int halfPoints);

struct ReportBytes {
    bool ok = false;
    std::string bytes; // the file's content when ok: each line and CR LF, Windows-1252
    Message message;   // why not, when !ok: the field or the cell that cannot be carried
};

// The report file's content. Text that Windows-1252 cannot carry is never replaced: the
// whole report is refused and the message names the field or the cell.
ReportBytes BuildReportBytes(const Tournament& tournament, RatingSystem system,
                             const TournamentInfo& info);

// Why a report cannot be saved under the path the user chose (empty when it can): no file
// name, or the ".tms" extension (any case), which is the chart file's written beside it.
Message RefusedReportPath(const std::string& chosenPath);

} // namespace ranvik
