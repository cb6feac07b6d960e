#pragma once
// The undo history of a chart. The chart reports each cell's text just before it changes;
// the history groups those before-values into steps (opened and closed by the operation
// that makes them, or opened by a loose edit and closed when the edit is done) and keeps
// of each step only the cells it really changed, with their text before and after, and the
// tournament's shape before and after. Undo writes the before-texts back, redo the after-
// texts; neither records anything.

#include "messages/Message.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

class Chart;

// What a step may change besides cells: the counts, the type and the visible size.
struct ChartShape {
    int players = 0;
    int rounds = 0;
    int type = 0;
    int cols = 0;
    int rows = 0;
    bool operator==(const ChartShape&) const = default;
};

// The cells an undo or redo wrote: their bounding rectangle, and the shape to restore.
struct HistoryRestore {
    bool restoresShape = false;
    ChartShape shape;
    int col0 = 0, row0 = 0, col1 = -1, row1 = -1; // empty when col0 > col1
};

class ChartHistory {
  public:
    // The memory held by finished steps beyond which the oldest are dropped.
    static constexpr std::size_t DefaultMemoryCap = std::size_t{64} << 20;

    // Opens a step; steps opened inside it join it. A loose edit still open is closed first.
    void beginStep(Message name, const ChartShape& shape, const Chart& chart);
    // Closes the step opened last; the outermost one becomes an undo step when it changed
    // anything (a later redo is then dropped).
    void endStep(const ChartShape& shape, const Chart& chart);

    // Closes the loose edit (changes made with no step open), naming it after its first
    // cell with looseName.
    void closeLooseEdit(const Chart& chart);
    std::function<Message(int col, int row, std::string_view text)> looseName;
    // Told after a step is added, undone or redone and after clear (the window's menu).
    std::function<void()> onStepsChanged;

    // While one lives nothing is recorded: writes the history has no use for, as it starts
    // afresh right after them (a file load, the start chart, New).
    class Paused {
      public:
        explicit Paused(ChartHistory& history) : history_(history), was_(history.applying_) {
            history_.applying_ = true;
        }
        ~Paused() { history_.applying_ = was_; }
        Paused(const Paused&) = delete;
        Paused& operator=(const Paused&) = delete;

      private:
        ChartHistory& history_;
        bool was_;
    };
    // Called by the chart before a cell's text changes.
    void cellChanging(int col, int row, std::string_view before);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ < steps_.size(); }
    Message undoName() const;
    Message redoName() const;
    // Writes the cells of the step back (the caller applies the shape and tells listeners).
    HistoryRestore undo(Chart& chart);
    HistoryRestore redo(Chart& chart);

    // Forgets every step; the chart as it stands is the saved state.
    void clear();
    void markSaved();
    // No step holds the saved state any more (a chart no file holds yet).
    void forgetSavedState();
    bool atSavedState() const { return saved_ == base_ + current_; }
    bool hasLooseEdit() const { return depth_ == 0 && !pending_.empty(); }

    std::size_t stepCount() const { return steps_.size(); }
    std::size_t memoryBytes() const { return bytes_; }
    void setMemoryCap(std::size_t bytes) { cap_ = bytes; }

    // The last step made or redone, for telling what it overwrote.
    struct CellChange {
        std::int32_t col;
        std::int32_t row;
        std::uint32_t beforeLength;
        std::uint32_t afterLength;
    };
    struct Step {
        Message name;
        bool shaped = false;
        ChartShape before;
        ChartShape after;
        std::vector<CellChange> cells; // each cell once, by row then column
        std::string texts;             // each cell's before then after text, in that order
        std::size_t bytes() const;
    };
    const Step* lastStep() const { return current_ > 0 ? &steps_[current_ - 1] : nullptr; }
    // Calls f(col, row, before, after) for each cell of the step.
    static void
    forEachCell(const Step& step,
                const std::function<void(int, int, std::string_view, std::string_view)>& f);

  private:
    struct Pending {
        std::int32_t col;
        std::int32_t row;
        std::uint32_t offset;
        std::uint32_t length;
    };
    void finish(Message name, bool shaped, const ChartShape& after, const Chart& chart);
    void push(Step step);
    void told() const;
    HistoryRestore apply(const Step& step, Chart& chart, bool forward);

    std::deque<Step> steps_;
    std::size_t current_ = 0; // steps_[0, current_) can be undone, the rest redone
    std::size_t base_ = 0;    // steps dropped from the front
    std::size_t saved_ = 0;   // base_ + current_ of the saved state; npos when lost
    std::size_t bytes_ = 0;
    std::size_t cap_ = DefaultMemoryCap;

    int depth_ = 0;
    Message openName_;
    ChartShape openShape_;
    std::vector<Pending> pending_;
    std::string pendingTexts_;
    bool applying_ = false;
};

} // namespace ranvik
