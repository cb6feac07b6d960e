#include "chart/ChartHistory.h"

#include "chart/Chart.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace ranvik {

namespace {

constexpr std::size_t Lost = std::numeric_limits<std::size_t>::max();

// Heap bytes of a string: none while it fits in the object itself.
std::size_t HeapBytes(const std::string& text) {
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

// A step's name is small, but a typed result it names may be long.
std::size_t HeapBytes(const Message& name) {
    std::size_t bytes = name.arguments().capacity() * sizeof(MessageArgument);
    for (const MessageArgument& argument : name.arguments())
        bytes += argument.text() ? HeapBytes(*argument.text()) : 0;
    return bytes;
}

} // namespace

std::size_t ChartHistory::Step::bytes() const {
    return sizeof(Step) + HeapBytes(name) + HeapBytes(texts) +
           cells.capacity() * sizeof(CellChange);
}

void ChartHistory::beginStep(Message name, const ChartShape& shape, const Chart& chart) {
    if (depth_++ > 0)
        return;
    if (!pending_.empty())
        finish({}, false, shape, chart); // the loose edit before it
    openName_ = std::move(name);
    openShape_ = shape;
}

void ChartHistory::endStep(const ChartShape& shape, const Chart& chart) {
    if (depth_ == 0 || --depth_ > 0)
        return;
    finish(std::move(openName_), true, shape, chart);
}

void ChartHistory::closeLooseEdit(const Chart& chart) {
    if (depth_ == 0 && !pending_.empty())
        finish({}, false, openShape_, chart);
}

void ChartHistory::cellChanging(int col, int row, std::string_view before) {
    if (applying_)
        return;
    pending_.push_back({col, row, static_cast<std::uint32_t>(pendingTexts_.size()),
                        static_cast<std::uint32_t>(before.size())});
    pendingTexts_.append(before);
}

// Keeps the first before-text of each cell and the chart's text now as its after-text,
// leaving out cells that came back to where they were.
void ChartHistory::finish(Message name, bool shaped, const ChartShape& after, const Chart& chart) {
    std::vector<std::uint32_t> order(pending_.size());
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        const Pending& x = pending_[a];
        const Pending& y = pending_[b];
        return x.row != y.row ? x.row < y.row : x.col < y.col;
    });
    Step step;
    step.shaped = shaped && !(openShape_ == after);
    step.before = openShape_;
    step.after = after;
    const Pending* last = nullptr;
    for (const std::uint32_t k : order) {
        const Pending& p = pending_[k];
        if (last && last->col == p.col && last->row == p.row)
            continue;
        last = &p;
        const std::string_view before(pendingTexts_.data() + p.offset, p.length);
        const std::string_view now = chart.cell(p.col, p.row);
        if (before == now)
            continue;
        step.cells.push_back({p.col, p.row, p.length, static_cast<std::uint32_t>(now.size())});
        step.texts.append(before);
        step.texts.append(now);
    }
    const int firstCol = step.cells.empty() ? 0 : step.cells.front().col;
    const int firstRow = step.cells.empty() ? 0 : step.cells.front().row;
    pending_.clear();
    pendingTexts_.clear();
    if (step.cells.empty() && !step.shaped)
        return;
    if (!shaped && looseName) {
        std::string_view text;
        forEachCell(step, [&](int col, int row, std::string_view, std::string_view a) {
            if (col == firstCol && row == firstRow)
                text = a;
        });
        name = looseName(firstCol, firstRow, std::string(text));
    }
    step.name = std::move(name);
    step.cells.shrink_to_fit();
    step.texts.shrink_to_fit();
    push(std::move(step));
}

void ChartHistory::push(Step step) {
    while (steps_.size() > current_) {
        bytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    if (saved_ != Lost && saved_ > base_ + current_)
        saved_ = Lost; // the saved state was undone and is now replaced
    bytes_ += step.bytes();
    steps_.push_back(std::move(step));
    ++current_;
    while (bytes_ > cap_ && steps_.size() > 1) {
        bytes_ -= steps_.front().bytes();
        steps_.pop_front();
        --current_;
        ++base_;
    }
    told();
}

void ChartHistory::told() const {
    if (onStepsChanged)
        onStepsChanged();
}

void ChartHistory::forEachCell(
    const Step& step, const std::function<void(int, int, std::string_view, std::string_view)>& f) {
    std::size_t offset = 0;
    for (const CellChange& cell : step.cells) {
        const std::string_view before(step.texts.data() + offset, cell.beforeLength);
        offset += cell.beforeLength;
        const std::string_view after(step.texts.data() + offset, cell.afterLength);
        offset += cell.afterLength;
        f(cell.col, cell.row, before, after);
    }
}

HistoryRestore ChartHistory::apply(const Step& step, Chart& chart, bool forward) {
    HistoryRestore restore;
    restore.restoresShape = step.shaped;
    restore.shape = forward ? step.after : step.before;
    if (!step.cells.empty()) {
        restore.col0 = restore.row0 = std::numeric_limits<int>::max();
        restore.col1 = restore.row1 = 0;
    }
    applying_ = true;
    forEachCell(step, [&](int col, int row, std::string_view before, std::string_view after) {
        chart.setCellQuietly(col, row, forward ? after : before);
        restore.col0 = std::min(restore.col0, col);
        restore.row0 = std::min(restore.row0, row);
        restore.col1 = std::max(restore.col1, col);
        restore.row1 = std::max(restore.row1, row);
    });
    applying_ = false;
    told();
    return restore;
}

HistoryRestore ChartHistory::undo(Chart& chart) {
    closeLooseEdit(chart);
    if (!canUndo() || depth_ > 0)
        return {};
    --current_;
    return apply(steps_[current_], chart, false);
}

HistoryRestore ChartHistory::redo(Chart& chart) {
    closeLooseEdit(chart);
    if (!canRedo() || depth_ > 0)
        return {};
    ++current_;
    return apply(steps_[current_ - 1], chart, true);
}

Message ChartHistory::undoName() const {
    return canUndo() ? steps_[current_ - 1].name : Message();
}

Message ChartHistory::redoName() const {
    return canRedo() ? steps_[current_].name : Message();
}

void ChartHistory::clear() {
    steps_.clear();
    current_ = 0;
    base_ = 0;
    saved_ = 0;
    bytes_ = 0;
    depth_ = 0;
    pending_.clear();
    pendingTexts_.clear();
    told();
}

void ChartHistory::markSaved() {
    saved_ = base_ + current_;
}

void ChartHistory::forgetSavedState() {
    saved_ = Lost;
}

} // namespace ranvik
