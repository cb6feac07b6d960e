#pragma once

#include <QDialog>

class QPushButton;

namespace ranvik {

// "About Ranvik": name, version and a picture.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* okButton_ = nullptr;
};

} // namespace ranvik
