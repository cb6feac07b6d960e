#pragma once
// Table model over the core chart. The chart's row 0 (headings) and column 0 (row
// numbers) are the view's fixed headers, so model (row, column) is chart (column + 1,
// row + 1). Nothing is copied: the model reads the chart's cells on demand.

#include "chart/Tournament.h"
#include "ui/QtText.h"

#include <QAbstractTableModel>

#include <string_view>
#include <vector>

namespace ranvik {

class ChartProblems;
struct ChartCell;

class ChartModel : public QAbstractTableModel, private ChartListener {
    Q_OBJECT
  public:
    explicit ChartModel(Tournament& tournament, QObject* parent = nullptr);
    ~ChartModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The heading of column 0, shown in the view's corner.
    QString cornerText() const { return ToQString(tournament_.chart().cell(0, 0)); }

    // Chart coordinates of a model index, and back.
    static int chartCol(const QModelIndex& index) { return index.column() + 1; }
    static int chartRow(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex indexOf(int chartCol, int chartRow) const {
        return index(chartRow - 1, chartCol - 1);
    }

    // Faulty cells from the live check: marked through Qt::BackgroundRole and FaultMarkRole
    // (true; the delegate adds a pattern and a border), their faults as the tooltip.
    static constexpr int FaultMarkRole = Qt::UserRole + 16;
    void setProblems(ChartProblems* problems) { problems_ = problems; }
    void marksChanged(const std::vector<ChartCell>& cells);
    // Whether a dataChanged with these roles tells of cell text, not only of marks.
    static bool changesText(const QList<int>& roles) {
        return roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::EditRole);
    }
    void allMarksChanged();
    const Tournament& tournament() const { return tournament_; }

  private:
    void cellsChanged(int col0, int row0, int col1, int row1) override;
    void sizeChanged() override;

    Tournament& tournament_;
    int rows_ = 0; // the counts the view was last told
    int cols_ = 0;
    ChartProblems* problems_ = nullptr;
};

} // namespace ranvik
