#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace ranvik {

// "Ranvik Help": the help text.
class HelpDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HelpDialog(QWidget* parent = nullptr);

    // The help text's paragraphs, in the order shown.
    static QStringList Paragraphs();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* okButton_ = nullptr;
    QPlainTextEdit* helpText_ = nullptr;
};

} // namespace ranvik
