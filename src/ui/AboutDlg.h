#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace ranvik {

// "About Ranvik": name, version and a picture.
class TAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutDlg(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* VersionLabel = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace ranvik
