#include "chart/TabSeparated.h"

#include "chart/CellText.h"
#include "chart/Chart.h"

#include <optional>

namespace ranvik {

namespace {

// A control byte that no cell may hold once its quotes are gone: TAB and line ends become
// blanks in the chart, anything else below 0x20 is refused.
Message PastedCellFault(const std::string& cell) {
    for (const char c : cell) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n')
            return Message(MessageKind::HoldsControlCharacter,
                           {ShownCharacter(static_cast<unsigned char>(c))});
    }
    return CellLengthRefusal(cell);
}

// The cell starting at `i` when it is quoted and its closing quote ends it; moves `i` past it.
std::optional<std::string> QuotedCell(std::string_view text, std::size_t& i) {
    std::size_t k = i + 1;
    std::string quoted;
    while (k < text.size()) {
        if (text[k] == '"' && k + 1 < text.size() && text[k + 1] == '"') {
            quoted += '"';
            k += 2;
        } else if (text[k] == '"') {
            ++k;
            if (k == text.size() || text[k] == '\t' || text[k] == '\n' || text[k] == '\r') {
                i = k;
                return quoted;
            }
            return std::nullopt;
        } else {
            quoted += text[k++];
        }
    }
    return std::nullopt;
}

} // namespace

PastedBlock ReadPastedBlock(std::string_view text, PasteBounds bounds) {
    PastedBlock block;
    std::vector<std::string> row;
    std::string cell;
    bool rowStarted = false;
    // False, with the fault said, when the cell just ended cannot be taken.
    auto endCell = [&] {
        const std::size_t line = block.rows.size() + 1;
        if (row.size() == bounds.cells) {
            block.fault =
                Message(MessageKind::PasteTooManyCells, {line, bounds.cells, bounds.cells});
            return false;
        }
        if (Message fault = PastedCellFault(cell); !fault.empty()) {
            block.fault =
                Message(MessageKind::CellFaultAt, {line, row.size() + 1, std::move(fault)});
            return false;
        }
        row.push_back(std::move(cell));
        cell.clear();
        return true;
    };
    auto endRow = [&] {
        if (!endCell())
            return false;
        if (block.rows.size() == bounds.lines) {
            block.fault = Message(MessageKind::PasteTooManyLines, {bounds.lines, bounds.lines});
            return false;
        }
        block.rows.push_back(std::move(row));
        row.clear();
        rowStarted = false;
        return true;
    };
    std::size_t i = 0;
    bool ok = true;
    while (ok && i < text.size()) {
        const char c = text[i];
        if (c == '"' && cell.empty()) {
            // A quoted cell runs to the lone quote that closes it.
            if (std::optional<std::string> quoted = QuotedCell(text, i)) {
                cell = std::move(*quoted);
                rowStarted = true;
                continue;
            }
        }
        rowStarted = true;
        if (c == '\t') {
            ok = endCell();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ok = endRow();
        } else {
            cell += c;
        }
        ++i;
    }
    if (ok && rowStarted)
        ok = endRow();
    if (!ok)
        block.rows.clear();
    return block;
}

std::vector<std::vector<std::string>> ParseTabSeparated(std::string_view text) {
    constexpr std::size_t unbounded = static_cast<std::size_t>(-1);
    return ReadPastedBlock(text, {unbounded, unbounded}).rows;
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
