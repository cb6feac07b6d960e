#pragma once
// The chart grid. Every typed character passes the chart's key rules before the cell's
// editor sees it (also the one that opens the editor). The editor's text reaches the chart
// only when the director commits it: Enter, Tab, an arrow or a click that leaves a cell
// whose text was changed. Enter on a cell enters its text again (its mirror is rewritten);
// moving the cursor alone writes nothing.

#include <QTableView>

#include <functional>
#include <optional>

namespace ranvik {

class ChartModel;
class FrozenColumnsView;

class ChartView : public QTableView {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);

    // Delete or Backspace outside an editor: the selected cells are emptied.
    std::function<void()> clearSelectedCells;
    // A cell's editor opened or closed.
    std::function<void()> editingChanged;

    void setChartModel(ChartModel* model);
    void setModel(QAbstractItemModel* model) override;
    ChartModel* chartModel() const { return chartModel_; }

    // Chart coordinates of the current cell (1, 1 when none).
    int currentCol() const;
    int currentRow() const;
    void setCurrentCell(int col, int row);
    // Commits and closes the current cell's editor, if one is open.
    void finishOpenEditor();
    bool isEditing() const { return editing_; }

    // Runs a typed character through the chart's key rules for the current cell, `typed`
    // being the editor's text so far. Gives the text the target should receive, or nothing
    // when the key is dropped.
    std::optional<QString> filterKey(const QKeyEvent& event, const QString& typed);

    // Enter commits and moves down the column, instead of opening the cell's editor.
    void setEnterMovesDown(bool on) { enterMovesDown_ = on; }
    bool enterMovesDown() const { return enterMovesDown_; }
    // Widens the name column to the longest name shown (after a load).
    void fitNameColumn();
    // The width that shows the line numbers, names, numbers and ratings and that many result
    // columns of the usual width beside them, with the scroll bar.
    int widthShowing(int resultColumns) const;

    // Frozen cells scroll only up and down; a scrolled cell comes out beside them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void updateGeometries() override;

  private:
    friend class ChartDelegate;
    void editorOpened();
    void applyDesignWidths();
    void finishEditing(QWidget* editor);
    void finishEditingAndMove(QWidget* editor, QKeyEvent* key);
    void moveDown();
    // Whether the cell lies under the frozen columns' overlay (shown when there is room).
    bool isFrozen(const QModelIndex& index) const;
    // The editor of a frozen cell lives over the frozen columns, not under them.
    QWidget* editorParent(const QModelIndex& index, QWidget* usual) const;
    QRect editorRect(const QModelIndex& index, const QRect& usual) const;
    void placeFrozenColumns();

    ChartModel* chartModel_ = nullptr;
    bool enterMovesDown_ = false;
    bool editing_ = false;
    FrozenColumnsView* frozen_ = nullptr;
    QFrame* frozenEdge_ = nullptr;
};

} // namespace ranvik
