#pragma once
// "Tournament information": the facts of the event that head the rating report.

#include "report/RatingReport.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ranvik {

class TTnmtHeaderDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TTnmtHeaderDlg(QWidget* parent = nullptr);

    void setTournamentType(const QString& text);
    // Shows the dialog modally; true for OK (given only when the checks pass).
    bool ask();
    // The six values exactly as they stand in the fields.
    TournamentInfo info() const;

    QLineEdit* TnmtNameLE = nullptr;
    QComboBox* ProvinceCombo = nullptr;
    QLineEdit* ReferenceNumLE = nullptr;
    QLabel* TournamentTypeLabel = nullptr;
    QLineEdit* EnddateLE = nullptr;
    QLineEdit* TDNumLE = nullptr;
    QLineEdit* OrganiserNumLE = nullptr;

  public slots:
    void OKBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace ranvik
