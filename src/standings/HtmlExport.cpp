#include "standings/StandingsDocument.h"

namespace ranvik {
namespace {

// Well-formed in XML too: markup signs as entities, what no page may hold as U+FFFD.
std::string Escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : PrintableText(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// One file with its style inside; the tables scroll sideways on a narrow screen instead of
// shrinking the text.
constexpr const char* kStyle =
    "body{font-family:system-ui,-apple-system,\"Segoe UI\",Roboto,\"DejaVu Sans\",sans-serif;"
    "margin:1rem;color:#111;background:#fff}"
    "h1{font-size:1.4rem;margin:0 0 .3rem}h2{font-size:1.1rem;margin:1.2rem 0 .4rem}"
    "p.heading{margin:.1rem 0;color:#444}"
    ".scroll{overflow-x:auto;-webkit-overflow-scrolling:touch}"
    "table{border-collapse:collapse;font-size:.9rem}"
    "th,td{border:1px solid #bbb;padding:.2rem .45rem;white-space:nowrap}"
    "th{background:#eee;position:sticky;top:0}"
    "td.n{text-align:right}tbody tr:nth-child(even){background:#f6f6f6}"
    "@media print{.scroll{overflow:visible}th{position:static}}";

void WriteTable(std::string& out, const DocumentTable& table) {
    out += "<h2>" + Escaped(English(table.caption)) +
           "</h2>\n<div class=\"scroll\"><table>\n<thead><tr>";
    for (const std::string& cell : EnglishTexts(table.header))
        out += "<th>" + Escaped(cell) + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (const auto& row : table.rows) {
        out += "<tr>";
        for (std::size_t c = 0; c < row.size(); ++c)
            out += (table.numeric[c] ? "<td class=\"n\">" : "<td>") + Escaped(row[c]) + "</td>";
        out += "</tr>\n";
    }
    out += "</tbody>\n</table></div>\n";
}

} // namespace

std::string StandingsHtml(const StandingsDocument& document) {
    const std::string title = English(document.title);
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
                      "<title>" +
                      Escaped(title) + "</title>\n<style>" + kStyle +
                      "</style>\n</head>\n<body>\n<h1>" + Escaped(title) + "</h1>\n";
    for (const std::string& line : EnglishTexts(document.headingLines))
        out += "<p class=\"heading\">" + Escaped(line) + "</p>\n";
    for (const DocumentTable& table : document.tables)
        WriteTable(out, table);
    out += "</body>\n</html>\n";
    return out;
}

} // namespace ranvik
