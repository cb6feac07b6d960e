#include "chart/Chart.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

namespace ranvik {
namespace {

// A whole row's text at a time, eight bytes at a time: only a word holding a byte below
// 14 can hold a TAB, CR or LF, and chart text hardly ever has one.
bool NeedsSanitising(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    std::size_t at = 0;
    for (std::uint64_t word = 0; at + sizeof word <= text.size(); at += sizeof word) {
        std::memcpy(&word, text.data() + at, sizeof word);
        if (((word - kOnes * 14) & ~word & kHighBits) != 0)
            break;
    }
    for (; at < text.size(); ++at) {
        if (text[at] == '\t' || text[at] == '\r' || text[at] == '\n')
            return true;
    }
    return false;
}

void SanitiseInPlace(char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == '\t' || text[i] == '\r' || text[i] == '\n')
            text[i] = ' ';
    }
}

// Whether the text points into the buffer (std::less orders unrelated pointers soundly).
bool Within(std::string_view text, const std::string& buffer) {
    if (text.empty() || buffer.empty())
        return false;
    const std::less<const char*> before;
    return !before(text.data(), buffer.data()) &&
           before(text.data(), buffer.data() + buffer.size());
}

void CheckSpanRange(std::size_t end) {
    if (end > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("A chart row holds more text than it can address.");
}

} // namespace

std::string SanitiseCellText(std::string_view text) {
    std::string out(text);
    SanitiseInPlace(out.data(), out.size());
    return out;
}

Chart::Chart(const Chart& other) : cols_(other.cols_), rows_(other.rows_), store_(other.store_) {}

Chart& Chart::operator=(const Chart& other) {
    if (this != &other) {
        cols_ = other.cols_;
        rows_ = other.rows_;
        store_ = other.store_;
    }
    return *this;
}

void Chart::setColCount(int cols) {
    if (cols == cols_)
        return;
    cols_ = cols;
    for (ChartListener* listener : listeners_)
        listener->sizeChanged();
}

void Chart::setRowCount(int rows) {
    if (rows == rows_)
        return;
    rows_ = rows;
    for (ChartListener* listener : listeners_)
        listener->sizeChanged();
}

// Storage grows to the visible size at once, so filling a chart cell by cell does not
// reallocate a row's spans again and again.
Chart::Row& Chart::storedRow(int col, int row) {
    if (row >= storedRows())
        store_.resize(std::max(row + 1, rows_));
    Row& line = store_[row];
    if (col >= static_cast<int>(line.spans.size()))
        line.spans.resize(std::max(col + 1, cols_));
    return line;
}

Chart::Span Chart::spanOf(const Row& line, std::size_t col) {
    const Packed packed = line.spans[col];
    if ((packed & kLarge) != kLarge)
        return {packed >> 8, packed & kLarge};
    const auto found =
        std::lower_bound(line.large.begin(), line.large.end(), col,
                         [](const LargeCell& cell, std::size_t c) { return cell.col < c; });
    assert(found != line.large.end() && found->col == col);
    return found->span;
}

std::string_view Chart::largeCell(const Row& line, std::size_t col) {
    const Span span = spanOf(line, col);
    return {line.text.data() + span.offset, span.length};
}

void Chart::setSpan(Row& line, std::size_t col, Span span) {
    const bool fits = span.length < kLarge && span.offset < (Packed{1} << 24);
    Packed& packed = line.spans[col];
    if ((packed & kLarge) != kLarge && fits) {
        packed = span.offset << 8 | span.length;
        return;
    }
    const auto found =
        std::lower_bound(line.large.begin(), line.large.end(), col,
                         [](const LargeCell& cell, std::size_t c) { return cell.col < c; });
    const bool listed = found != line.large.end() && found->col == col;
    if (fits) {
        line.large.erase(found);
        packed = span.offset << 8 | span.length;
    } else if (listed) {
        found->span = span;
    } else {
        line.large.insert(found, {col, span});
        packed = kLarge;
    }
}

// Rewrites the buffer with the live texts only.
void Chart::compact(Row& line) {
    std::string text;
    text.reserve(line.text.size() - line.dead);
    for (std::size_t col = 0; col < line.spans.size(); ++col) {
        const Span span = spanOf(line, col);
        const auto offset = static_cast<std::uint32_t>(text.size());
        text.append(line.text, span.offset, span.length);
        setSpan(line, col, {offset, span.length});
    }
    line.text.swap(text);
    line.dead = 0;
}

void Chart::setCellQuietly(int col, int row, std::string_view text) {
    if (col < 0 || row < 0)
        return;
    if (text.empty() && cell(col, row).empty())
        return; // no storage for nothing
    if (const std::string_view before = cell(col, row); before != text)
        history_.cellChanging(col, row, before);
    // A view of this row would not survive the append below, nor a view of any row the
    // growth of the row store moves; such a text is copied first.
    std::string copy;
    if (row >= storedRows() || Within(text, store_[row].text)) {
        copy.assign(text);
        text = copy;
    }
    Row& line = storedRow(col, row);
    Span span = spanOf(line, static_cast<std::size_t>(col));
    line.dead += span.length;
    if (text.size() > span.length) {
        CheckSpanRange(line.text.size() + text.size());
        span.offset = static_cast<std::uint32_t>(line.text.size());
        line.text.append(text);
    } else {
        if (!text.empty())
            std::memcpy(line.text.data() + span.offset, text.data(), text.size());
        line.dead -= text.size(); // the old text's bytes this one reuses
    }
    span.length = static_cast<std::uint32_t>(text.size());
    setSpan(line, static_cast<std::size_t>(col), span);
    SanitiseInPlace(line.text.data() + span.offset, span.length);
    assert(line.dead <= line.text.size());
    // Compacting walks every span as well as the live text, so it waits until the dead
    // bytes outweigh both: its cost is then paid for by the writes that left them.
    if (line.dead > line.text.size() - line.dead && line.dead > line.spans.size())
        compact(line);
}

void Chart::setRowFieldsQuietly(int row, int lastCol, std::string_view line, char separator) {
    if (row < 0 || lastCol < 0)
        return;
    if (row >= storedRows() && line.find_first_not_of(separator) == std::string_view::npos)
        return; // no storage for nothing
    // The new buffer is built before the old one is let go, and the row store grows only
    // after, so the line may be a view of this chart, this row's included. The spans are
    // rewritten in place: each column's old span is read before its new one is written.
    Row* old = row < storedRows() ? &store_[row] : nullptr;
    std::vector<Packed> fresh;
    std::vector<Packed>& spans = old ? old->spans : fresh;
    const std::size_t live = old ? old->text.size() - old->dead : 0;
    CheckSpanRange(line.size() + live);
    const auto last = static_cast<std::size_t>(lastCol);
    if (spans.size() < last + 1 || spans.size() < static_cast<std::size_t>(cols_))
        spans.resize(std::max(last + 1, static_cast<std::size_t>(cols_)));
    std::vector<LargeCell> large; // the new row's, in the order they are met
    // Through a pointer taken once: every byte written below could alias the vector.
    const auto place = [at = spans.data(), &large](std::size_t c, std::size_t offset,
                                                   std::size_t length) {
        if (length < kLarge && offset < (Packed{1} << 24)) {
            at[c] = static_cast<Packed>(offset << 8 | length);
        } else {
            at[c] = kLarge;
            large.push_back(
                {c, {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length)}});
        }
    };

    // Sized once and written through a pointer in one pass over the line: cells are a few
    // bytes, where a call per cell would cost more than the copy itself.
    std::string buffer(line.size() + live, '\0');
    char* const out = buffer.data();
    std::size_t size = 0;
    for (std::size_t c = last + 1; c < spans.size(); ++c) { // kept beyond the range
        const Span span = old ? spanOf(*old, c) : Span{};
        for (std::size_t k = 0; k < span.length; ++k)
            out[size + k] = old->text[span.offset + k];
        place(c, size, span.length);
        size += span.length;
    }
    std::size_t col = 0;
    std::size_t start = size;
    for (const char ch : line) {
        if (ch != separator) {
            out[size++] = ch;
            continue;
        }
        place(col, start, size - start);
        start = size;
        if (++col > last)
            break; // fields beyond the range are not stored
    }
    if (col <= last)
        place(col++, start, size - start);
    for (; col <= last; ++col)
        place(col, size, 0);
    buffer.resize(size);
    if (NeedsSanitising(buffer))
        SanitiseInPlace(buffer.data(), buffer.size());

    // Cells kept beyond the range were met first, though their columns come last.
    std::sort(large.begin(), large.end(),
              [](const LargeCell& a, const LargeCell& b) { return a.col < b.col; });
    Row& stored = storedRow(0, row);
    stored.text.swap(buffer);
    if (!old)
        stored.spans.swap(fresh);
    stored.large.swap(large);
    stored.dead = 0;
}

void Chart::rowCells(int row, int first, int count, std::string_view* out) const {
    if (row < 0 || first < 0 || row >= storedRows()) {
        std::fill(out, out + count, std::string_view());
        return;
    }
    const Row& line = store_[row];
    const auto stored = static_cast<int>(line.spans.size());
    for (int k = 0; k < count; ++k) {
        const int col = first + k;
        if (col >= stored) {
            out[k] = {};
        } else if (const Packed packed = line.spans[col]; (packed & kLarge) != kLarge) {
            out[k] = {line.text.data() + (packed >> 8), packed & kLarge};
        } else {
            out[k] = largeCell(line, static_cast<std::size_t>(col));
        }
    }
}

void Chart::appendRowText(int row, int count, char separator, std::string& out) const {
    const Row* line = row >= 0 && row < storedRows() ? &store_[row] : nullptr;
    const auto stored =
        static_cast<std::size_t>(line ? std::min(count, static_cast<int>(line->spans.size())) : 0);
    // The spans read once into a block, then the bytes written through a pointer (any byte
    // written could alias the row): one-character cells dominate.
    std::vector<Span> spans(stored);
    std::size_t size = static_cast<std::size_t>(count);
    for (std::size_t col = 0; col < stored; ++col) {
        const Packed packed = line->spans[col];
        spans[col] =
            (packed & kLarge) != kLarge ? Span{packed >> 8, packed & kLarge} : spanOf(*line, col);
        size += spans[col].length;
    }
    std::size_t at = out.size();
    out.resize(at + size);
    char* const text = out.data();
    const char* const from = line ? line->text.data() : nullptr;
    for (std::size_t col = 0; col < static_cast<std::size_t>(count); ++col) {
        if (col < stored) {
            const Span span = spans[col];
            if (span.length == 1)
                text[at] = from[span.offset];
            else if (span.length > 1)
                std::memcpy(text + at, from + span.offset, span.length);
            at += span.length;
        }
        text[at++] = separator;
    }
}

void Chart::setCell(int col, int row, std::string_view text) {
    setCellQuietly(col, row, text);
    notifyCellsChanged(col, row, col, row);
}

void Chart::notifyCellsChanged(int col0, int row0, int col1, int row1) {
    if (col0 > col1 || row0 > row1)
        return;
    for (ChartListener* listener : listeners_)
        listener->cellsChanged(col0, row0, col1, row1);
}

void Chart::addListener(ChartListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void Chart::removeListener(ChartListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

} // namespace ranvik
