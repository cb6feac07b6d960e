#include "standings/StandingsDocument.h"

#include <string_view>

namespace ranvik {
namespace {

// A spreadsheet runs a cell starting with one of these as a formula: the apostrophe makes it
// text, shown as it was typed.
bool RunsAsFormula(const std::string& text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, quotes doubled.
std::string CsvField(const std::string& cell) {
    std::string text = RunsAsFormula(cell) ? "'" + cell : cell;
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

std::string StandingsCsv(const Standings& standings) {
    std::string out = "Rank,Line,Name,Member,Rating,Points";
    for (const TieBreak& tieBreak : standings.tieBreaks)
        out += ',' + ShortName(tieBreak);
    out += "\r\n";
    for (const StandingsRow& row : standings.rows) {
        out += std::to_string(row.rank) + ',' + std::to_string(row.line) + ',' +
               CsvField(row.name) + ',' + CsvField(row.member) + ',' + CsvField(row.rating) + ',' +
               FixedTwo(2 * row.points);
        for (int value : row.tieBreakValues)
            out += ',' + FixedTwo(value);
        out += "\r\n";
    }
    return out;
}

} // namespace ranvik
