#pragma once
// Table models of the standings window: the standings list over the core's rows (with a
// sort role that orders numbers as numbers), and any table of the printable document (the
// cross-table) as it will be printed, the player's own cell shaded. Both make their texts
// once, when given their rows: a full double round robin's cross-table has two million
// cells, and a view asks for those in sight again at every scroll.

#include "standings/Standings.h"
#include "standings/StandingsDocument.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

class StandingsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The value a proxy sorts by: numbers for numeric columns, text for the others.
    static constexpr int SortRole = Qt::UserRole + 1;
    enum Column { Rank, Line, Name, Member, Rating, Points, FirstTieBreak };

    explicit StandingsModel(QObject* parent = nullptr);

    // Points and tie-breaks are shown as the cross-table shows them ("3½", "10"), a value
    // with quarters after the window's decimal separator.
    void setStandings(Standings standings, const std::string& decimalSeparator);
    const Standings& standings() const { return standings_; }
    // A cell's text as shown, in UTF-8.
    std::string_view text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant sortValue(int row, int column) const;

    Standings standings_;
    std::vector<std::string> texts_; // row by row
};

class DocumentTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DocumentTableModel(QObject* parent = nullptr);

    void setTable(DocumentTable table);
    std::string_view text(int row, int column) const { return table_.rows[row][column]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    DocumentTable table_;
    QStringList headers_; // in the window's language
    std::vector<Qt::Alignment> alignments_;
};

} // namespace ranvik
