#pragma once
// Table models of the standings window: the standings list over the core's rows (with a
// sort role that orders numbers as numbers), and any table of the printable document (the
// cross-table) as it will be printed, the player's own cell shaded.

#include "standings/Standings.h"
#include "standings/StandingsDocument.h"

#include <QAbstractTableModel>

namespace ranvik {

class StandingsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The value a proxy sorts by: numbers for numeric columns, text for the others.
    static constexpr int SortRole = Qt::UserRole + 1;
    enum Column { Rank, Line, Name, Member, Rating, Points, FirstTieBreak };

    explicit StandingsModel(QObject* parent = nullptr);

    void setStandings(Standings standings);
    const Standings& standings() const { return standings_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant displayed(const StandingsRow& row, int column) const;
    QVariant sortValue(const StandingsRow& row, int column) const;

    Standings standings_;
};

class DocumentTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DocumentTableModel(QObject* parent = nullptr);

    void setTable(DocumentTable table);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    DocumentTable table_;
};

} // namespace ranvik
