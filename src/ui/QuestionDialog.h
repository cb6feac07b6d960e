#pragma once
// The question dialog: one message and up to four answer buttons whose captions the caller
// sets.

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace ranvik {

class QuestionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit QuestionDialog(QWidget* parent = nullptr);

    // The message (a CR starts a new line) and the four captions; an empty caption 3 or 4
    // leaves that button out.
    void setQuestion(const QString& message, const QString& caption1, const QString& caption2,
                     const QString& caption3, const QString& caption4);
    // Shows the dialog modally with the focus on the first answer; the number (1 to 4) of
    // the button pressed (Enter presses the focused one, Escape the one captioned "Cancel"),
    // 2 when closed otherwise.
    int ask();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Arrow keys move between the answers.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows buttons 3 and 4 only when captioned; the layout fits the window to the rest.
    void fitToText();
    // The shown answer captioned "Cancel", if any.
    QPushButton* cancelButton() const;

    QLabel* questionText_ = nullptr;
    QWidget* buttonBar_ = nullptr;
    std::array<QPushButton*, 4> answerButtons_{};
};

} // namespace ranvik
