#pragma once
// The members a chart line may be, one a row: name, number, province and rating.

#include "document/DocumentPrompts.h"

#include <QAbstractTableModel>

#include <vector>

namespace ranvik {

class MemberCandidatesModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Name, Number, Province, Rating, ColumnCount };

    explicit MemberCandidatesModel(QObject* parent = nullptr);

    void setCandidates(std::vector<MemberCandidate> candidates);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<MemberCandidate> candidates_;
};

} // namespace ranvik
