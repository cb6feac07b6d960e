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
    // leaves that button out. The question starts with no way out and the first answer
    // proposed.
    void setQuestion(const QString& message, const QString& caption1, const QString& caption2,
                     const QString& caption3, const QString& caption4);
    // The answer (1 to 4) that Escape and the window's close button give; 0: they do
    // nothing, the user must pick an answer.
    void setCancelAnswer(int answer);
    // The answer that has the focus when the dialog shows, so Enter takes it.
    void setProposedAnswer(int answer);
    // Shows the dialog modally; the number (1 to 4) of the button pressed, the cancel answer
    // when it was closed otherwise (0 when there is none).
    int ask();

  public slots:
    // Escape and the close button: the cancel answer, or nothing.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Arrow keys move between the answers.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows buttons 3 and 4 only when captioned; the layout fits the window to the rest.
    void fitToText();

    QLabel* questionText_ = nullptr;
    QWidget* buttonBar_ = nullptr;
    std::array<QPushButton*, 4> answerButtons_{};
    int cancelAnswer_ = 0;
    int proposedAnswer_ = 1;
};

} // namespace ranvik
