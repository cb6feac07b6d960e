#include "ui/QuestionDialog.h"

#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace ranvik {

namespace {
constexpr int kButtonBarHeight = 34;
constexpr int kMargin = 30;
constexpr int kBelowText = 50;

QPushButton* MakeAnswerButton(QWidget* parent, const char* name, int left, int width) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 3, width, 25);
    // None of the answers may be given by Enter alone: the user must pick one.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

QuestionDialog::QuestionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("questionDialog"));
    setWindowTitle(QStringLiteral("Message"));
    resize(422, 146);

    questionText_ = new QLabel(this);
    questionText_->setObjectName(QStringLiteral("questionText"));
    questionText_->setTextFormat(Qt::PlainText);
    questionText_->setWordWrap(false);
    questionText_->move(5, 5);

    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName(QStringLiteral("buttonBar"));
    answerButtons_ = {MakeAnswerButton(buttonBar_, "firstAnswerButton", 7, 90),
                      MakeAnswerButton(buttonBar_, "secondAnswerButton", 103, 90),
                      MakeAnswerButton(buttonBar_, "thirdAnswerButton", 199, 91),
                      MakeAnswerButton(buttonBar_, "fourthAnswerButton", 295, 91)};
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            setTabOrder(answerButtons_[i - 1], answerButtons_[i]);
        const int answer = i + 1;
        connect(answerButtons_[i], &QPushButton::clicked, this, [this, answer] { done(answer); });
    }
    placeButtonBar();
}

void QuestionDialog::setQuestion(const QString& message, const QString& caption1,
                                 const QString& caption2, const QString& caption3,
                                 const QString& caption4) {
    questionText_->setText(WithDisplayLineBreaks(message));
    answerButtons_[0]->setText(caption1);
    answerButtons_[1]->setText(caption2);
    answerButtons_[2]->setText(caption3);
    answerButtons_[3]->setText(caption4);
}

int QuestionDialog::ask() {
    const int answer = prompts::execModal(*this);
    return answer >= 1 && answer <= 4 ? answer : 2;
}

void QuestionDialog::fitToText() {
    QPushButton* third = answerButtons_[2];
    QPushButton* fourth = answerButtons_[3];
    third->setVisible(!third->text().isEmpty());
    fourth->setVisible(!fourth->text().isEmpty());
    questionText_->adjustSize();
    // The fourth button's place counts even when it is hidden.
    const int byText = questionText_->x() + questionText_->width() + kMargin;
    const int byButtons = fourth->x() + fourth->width() + kMargin;
    resize(std::max(byText, byButtons), questionText_->height() + kButtonBarHeight + kBelowText);
    placeButtonBar();
}

void QuestionDialog::placeButtonBar() {
    buttonBar_->setGeometry(0, height() - kButtonBarHeight, width(), kButtonBarHeight);
}

void QuestionDialog::showEvent(QShowEvent* event) {
    fitToText();
    // With a parent, Qt already places the dialog over it.
    if (!parentWidget())
        CenterOnScreen(*this);
    QDialog::showEvent(event);
}

void QuestionDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fitToText();
    QDialog::changeEvent(event);
}

void QuestionDialog::keyPressEvent(QKeyEvent* event) {
    // No button is the cancel button: Escape would otherwise answer 2, which is a real
    // choice here (round robin, active rating, append), not a way out.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuestionDialog::resizeEvent(QResizeEvent* event) {
    placeButtonBar();
    QDialog::resizeEvent(event);
}

} // namespace ranvik
