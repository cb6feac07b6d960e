#pragma once
// "QRB numbers and expirations": the players whose membership numbers are not six digits.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QLabel;

namespace ranvik {

class MemberNumberCheckDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MemberNumberCheckDialog(QWidget* parent = nullptr);

    // Shows the lines modally; true for OK.
    bool ask(const QStringList& lines);

    // The fixed explanation above the list, its seven lines joined by LF.
    static QString Explanation();

  private:
    QLabel* explanationText_ = nullptr;
    QPlainTextEdit* flaggedNumbersList_ = nullptr;
};

} // namespace ranvik
