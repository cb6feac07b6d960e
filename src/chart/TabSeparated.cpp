#include "chart/TabSeparated.h"

#include "chart/Chart.h"

namespace ranvik {

std::vector<std::vector<std::string>> ParseTabSeparated(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    bool rowStarted = false;
    std::size_t i = 0;
    auto endRow = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        rows.push_back(std::move(row));
        row.clear();
        rowStarted = false;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && cell.empty()) {
            // A quoted cell runs to the lone quote that closes it.
            std::size_t k = i + 1;
            std::string quoted;
            bool closed = false;
            while (k < text.size()) {
                if (text[k] == '"' && k + 1 < text.size() && text[k + 1] == '"') {
                    quoted += '"';
                    k += 2;
                } else if (text[k] == '"') {
                    closed = true;
                    ++k;
                    break;
                } else {
                    quoted += text[k++];
                }
            }
            if (closed &&
                (k == text.size() || text[k] == '\t' || text[k] == '\n' || text[k] == '\r')) {
                cell = std::move(quoted);
                rowStarted = true;
                i = k;
                continue;
            }
        }
        rowStarted = true;
        if (c == '\t') {
            row.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRow();
        } else {
            cell += c;
        }
        ++i;
    }
    if (rowStarted)
        endRow();
    return rows;
}

std::string TabSeparatedCells(const Chart& chart, int col0, int row0, int col1, int row1) {
    std::string text;
    for (int row = row0; row <= row1; ++row) {
        for (int col = col0; col <= col1; ++col) {
            if (col > col0)
                text += '\t';
            const std::string_view cell = chart.cell(col, row);
            if (!cell.empty() && cell.front() == '"') {
                // Quoted, so that pasting it back does not take the quote for quoting.
                text += '"';
                for (const char c : cell)
                    text += c == '"' ? std::string("\"\"") : std::string(1, c);
                text += '"';
            } else {
                text += cell;
            }
        }
        text += '\n';
    }
    return text;
}

} // namespace ranvik
