#pragma once
// The Edit menu's actions on the chart: undo and redo, the clipboard, Insert row above,
// Delete row, Clear all results, and emptying the selected cells. Undo and Redo follow the
// document's history through its signals: they say what they would take back, and are
// off when there is nothing. The history and the commands are the document's.

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace ranvik {

class ChartDocument;
class ChartView;
class DocumentSignals;

class ChartEditActions : public QObject {
    Q_OBJECT
  public:
    // Adds the actions to `edit`; messages are shown over `window`.
    ChartEditActions(ChartDocument& document, ChartView& view, DocumentSignals& changes,
                     QMenu& edit, QWidget& window);

  private:
    void refresh();
    void undoChange();
    void redoChange();
    void copyCells(bool cut);
    void pasteCells();
    void clearSelectedCells();

    ChartDocument& document_;
    ChartView& view_;
    QWidget& window_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

} // namespace ranvik
