#pragma once
// "QRB numbers and expirations": the players whose membership numbers are not six digits.

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QLabel;

namespace ranvik {

class TCheckQRBNumbersDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TCheckQRBNumbersDlg(QWidget* parent = nullptr);

    // Shows the lines modally; true for OK.
    bool ask(const QStringList& lines);

    // The fixed explanation above the list, its seven lines joined by LF.
    static const QString& Explanation();

    QLabel* Memo2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace ranvik
