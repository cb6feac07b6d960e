#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace ranvik {

// "Ranvik Help": the help text.
class THelpDlg : public QDialog {
    Q_OBJECT
  public:
    explicit THelpDlg(QWidget* parent = nullptr);
    QPlainTextEdit* Memo1 = nullptr;

    // The help text's paragraphs, in the order shown.
    static const QStringList& Paragraphs();

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace ranvik
