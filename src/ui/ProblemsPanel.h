#pragma once
// The problems panel: a dock listing every fault of the chart (and, apart, the warnings),
// kept current by the live check; Enter or a double-click makes the entry's cell current.
// It also keeps the points column beside the chart and the status bar summary up to date.

#include "validation/ChartProblems.h"

#include <QAbstractTableModel>
#include <QDockWidget>

class QLabel;
class QTableView;
class QToolButton;

namespace ranvik {

class ChartModel;
class ChartView;

// Entries of one list: faults or warnings, with the line, name and column heading.
class ProblemsListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Entry {
        ChartCell cell;
        QString line;
        QString name;
        QString heading;
        QString text;
    };
    enum Column { Line, Name, Heading, Text, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;
    void setEntries(std::vector<Entry> entries);
    const Entry& entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<Entry> entries_;
};

// Each line's points, one row per chart line: the frozen column at the chart's right.
class ScoresModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ScoresModel(ChartProblems& problems, const ChartModel& chart, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void rowsChanged(const std::vector<int>& chartRows);
    void reset();

  private:
    ChartProblems& problems_;
    const ChartModel& chart_;
};

class ProblemsPanel : public QDockWidget {
    Q_OBJECT
  public:
    ProblemsPanel(ChartProblems& problems, ChartModel& model, ChartView& view, QLabel& summary,
                  QWidget* parent);

    // Where the keyboard goes when the director moves to the panel: the faults list.
    QWidget* focusTarget() const;

    // The frozen points column, placed beside the chart by the window.
    QTableView* scoresView() const { return scoresView_; }

  private:
    void updated(const ProblemsUpdate& update);
    // The lists and the summary from the live check; the marks from the update.
    void showAll();
    void fillLists();
    void goTo(const QModelIndex& index);
    // Shows the lists that have entries, as high as those, unless folded away.
    void fitToContent();
    QString heading(int col) const;

    ChartProblems& problems_;
    ChartModel& model_;
    ChartView& view_;
    QLabel& summary_;
    ProblemsListModel* faults_ = nullptr;
    ProblemsListModel* warnings_ = nullptr;
    QToolButton* summaryButton_ = nullptr;
    QWidget* lists_ = nullptr;
    QLabel* faultsTitle_ = nullptr;
    QLabel* warningsTitle_ = nullptr;
    QTableView* faultsView_ = nullptr;
    QTableView* warningsView_ = nullptr;
    QTableView* scoresView_ = nullptr;
    ScoresModel* scores_ = nullptr;
    bool listsOpen_ = true; // the director may fold the lists away
    bool showPending_ = false;
    bool listsStale_ = false; // changed while the panel was hidden
};

} // namespace ranvik
