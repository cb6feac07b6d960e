#pragma once
// "Tournament information": the facts of the event that head the rating report.

#include "report/RatingReport.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ranvik {

class TournamentInfoDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TournamentInfoDialog(QWidget* parent = nullptr);

    void setTournamentType(const QString& text);
    // Shows the dialog modally; true for OK (given only when the checks pass).
    bool ask();
    // The six values exactly as they stand in the fields.
    TournamentInfo info() const;
    // True once the dialog has been closed with OK: info() then holds checked facts.
    bool filled() const { return filled_; }
    // Empties every field (a new chart is a new event).
    void clearFields();

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    // OK: closes the dialog only when the fields pass the report's checks, else names the
    // first fault and stays open.
    void acceptIfValid();

  private:
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* provinceCombo_ = nullptr;
    QLineEdit* referenceNumberEdit_ = nullptr;
    QLabel* tournamentTypeLabel_ = nullptr;
    QLineEdit* endDateEdit_ = nullptr;
    QLineEdit* directorNumberEdit_ = nullptr;
    QLineEdit* organiserNumberEdit_ = nullptr;
    bool filled_ = false;
};

} // namespace ranvik
