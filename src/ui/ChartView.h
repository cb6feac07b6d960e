#pragma once
// The chart grid. It gives the window the three moments the opponent update needs: every
// typed character before the cell sees it (also the one that opens the editor), the cell
// being left when the current cell changes, and the opening of a cell's editor. While an
// editor is open the cell holds the editor's text after every change.

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

    // The window's handlers, in chart coordinates.
    std::function<std::optional<char32_t>(char32_t key, int col, int row)> keyPress;
    std::function<void(int newCol, int newRow)> selectCell;
    std::function<void(int col, int row)> getEditText;
    // Delete or Backspace outside an editor: the selected cells are emptied.
    std::function<void()> clearSelectedCells;

    void setChartModel(ChartModel* model);
    void setModel(QAbstractItemModel* model) override;
    ChartModel* chartModel() const { return chartModel_; }

    // Chart coordinates of the current cell (1, 1 when none).
    int currentCol() const;
    int currentRow() const;
    void setCurrentCell(int col, int row);
    // Commits and closes the current cell's editor, if one is open.
    void finishOpenEditor();

    // Runs a typed character through the key filter. Gives the text the target should
    // receive, or nothing when the key is dropped or fully handled (Enter).
    std::optional<QString> filterKey(const QKeyEvent& event, bool editing);

    // Enter commits (running the opponent update) and moves down the column, instead of
    // opening the cell's editor.
    void setEnterMovesDown(bool on) { enterMovesDown_ = on; }
    bool enterMovesDown() const { return enterMovesDown_; }
    // Widens the name column to the longest name shown (after a load).
    void fitNameColumn();

    // Frozen cells scroll only up and down; a scrolled cell comes out beside them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;

  private:
    friend class ChartDelegate;
    void editorOpened(const QModelIndex& index);
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
    FrozenColumnsView* frozen_ = nullptr;
    QFrame* frozenEdge_ = nullptr;
};

} // namespace ranvik
