#include "standings/StandingsDocument.h"

#include <algorithm>

namespace ranvik {
namespace {

// Characters, not bytes: names carry accents and the cells carry "½".
std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void Pad(std::string& out, const std::string& text, std::size_t width, bool right) {
    const std::string fill(width - std::min(width, DisplayWidth(text)), ' ');
    out += right ? fill + text : text + fill;
}

void WriteRow(std::string& out, const std::vector<std::string>& cells,
              const std::vector<std::size_t>& widths, const std::vector<bool>& numeric) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            line += "  ";
        Pad(line, cells[c], widths[c], numeric[c]);
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out += line + '\n';
}

void WriteTable(std::string& out, const DocumentTable& table) {
    const std::vector<std::string> header = EnglishTexts(table.header);
    std::vector<std::size_t> widths(header.size(), 0);
    for (std::size_t c = 0; c < widths.size(); ++c)
        widths[c] = DisplayWidth(header[c]);
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    out += English(table.caption) + '\n';
    WriteRow(out, header, widths, table.numeric);
    for (const auto& row : table.rows)
        WriteRow(out, row, widths, table.numeric);
}

} // namespace

std::string StandingsText(const StandingsDocument& document) {
    std::string out = English(document.title) + '\n';
    for (const std::string& line : EnglishTexts(document.headingLines))
        out += line + '\n';
    for (const DocumentTable& table : document.tables) {
        out += '\n';
        WriteTable(out, table);
    }
    return out;
}

} // namespace ranvik
