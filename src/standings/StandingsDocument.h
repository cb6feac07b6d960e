#pragma once
// The printable standings: a heading (the event, its type, the date) and two tables, the
// standings list and the cross-table. Built once, written out as text, CSV, HTML or PDF.

#include "chart/Tournament.h"
#include "messages/Message.h"
#include "report/RatingReport.h"
#include "standings/Standings.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

// The captions, headers and heading lines are messages: the files write them in English, the
// window shows them in its own language.
struct DocumentTable {
    Message caption;
    // The leading columns that say whose row it is: a table split over several widths of
    // paper repeats them in each.
    std::size_t keyColumns = 0;
    std::vector<Message> header;
    std::vector<bool> numeric; // per column: right-aligned
    std::vector<std::vector<std::string>> rows;
};

struct StandingsDocument {
    Message title;
    std::vector<Message> headingLines;
    std::vector<DocumentTable> tables;
};

struct DocumentHeading {
    std::optional<TournamentInfo> info; // when the report dialog has it
    std::string date;                   // the date printed, e.g. "2024-05-18"
};

// The standings list: Rank, Line, Name, Member, Rating, Points and the tie-breaks.
DocumentTable StandingsTable(const Standings& standings);

// How a table writes a tie-break value (quarter points): the files use FixedTwo, the
// window the cross-table's own style with its language's separator.
using QuarterText = std::function<std::string(int quarters)>;

// Round robins: the grid by line, 1 / ½ / 0 in each cell, the own cell marked, points and
// place. Swiss: one row per player in standings order, each round's result and the
// opponent's place, points and tie-breaks.
DocumentTable CrossTable(const ChartGames& games, const Standings& standings,
                         const QuarterText& tieBreakText = FixedTwo);

// The title and the heading lines alone, without the tables.
StandingsDocument StandingsHeading(const ChartGames& games, const Standings& standings,
                                   const DocumentHeading& heading);

StandingsDocument BuildStandingsDocument(const ChartGames& games, const Standings& standings,
                                         const DocumentHeading& heading);

// Today's date as YYYY-MM-DD; SOURCE_DATE_EPOCH, when set, stands for now so that output
// can be reproduced.
std::string TodayIsoDate();

// The text as a page or a PDF can show it: a byte that is not well-formed UTF-8, a control
// character (C0, DEL, C1) and the non-characters U+FFFE and U+FFFF each become U+FFFD, so
// what a chart, a database or the command line gave never breaks the document.
std::string PrintableText(std::string_view text);

// The messages in English, as the files write them.
std::vector<std::string> EnglishTexts(const std::vector<Message>& messages);

// The document's exports, all UTF-8. The CSV writes a cell a spreadsheet would run as a
// formula (starting with =, +, -, @, TAB or CR) as text, after an apostrophe.
std::string StandingsText(const StandingsDocument& document);
std::string StandingsCsv(const Standings& standings);
std::string StandingsHtml(const StandingsDocument& document);

enum class PaperSize { A4, Letter };
struct PdfOutcome {
    bool ok = false;
    std::string bytes;
    Message message;
};
PdfOutcome StandingsPdf(const StandingsDocument& document, PaperSize paper);

} // namespace ranvik
