#include "ui/QuestionDialog.h"

#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace ranvik {

namespace {
QPushButton* MakeAnswerButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    // Enter presses the focused answer; no answer is the default, so the user picks one.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}
} // namespace

QuestionDialog::QuestionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("questionDialog"));
    setWindowTitle(tr("Question")); // each asker names its question

    questionText_ = new QLabel(this);
    questionText_->setObjectName(QStringLiteral("questionText"));
    questionText_->setTextFormat(Qt::PlainText);
    questionText_->setWordWrap(false);
    questionText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName(QStringLiteral("buttonBar"));
    auto* buttons = new QHBoxLayout(buttonBar_);
    buttons->setContentsMargins(0, 0, 0, 0);
    answerButtons_ = {MakeAnswerButton(buttonBar_, "firstAnswerButton"),
                      MakeAnswerButton(buttonBar_, "secondAnswerButton"),
                      MakeAnswerButton(buttonBar_, "thirdAnswerButton"),
                      MakeAnswerButton(buttonBar_, "fourthAnswerButton")};
    buttons->addStretch(1);
    for (int i = 0; i < 4; ++i) {
        buttons->addWidget(answerButtons_[i]);
        if (i > 0)
            setTabOrder(answerButtons_[i - 1], answerButtons_[i]);
        const int answer = i + 1;
        connect(answerButtons_[i], &QPushButton::clicked, this, [this, answer] { done(answer); });
        answerButtons_[i]->installEventFilter(this);
    }
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    const int margin = fontMetrics().averageCharWidth() * 3;
    layout->setContentsMargins(margin, margin, margin, margin / 2);
    layout->setSpacing(margin);
    layout->addWidget(questionText_, 1);
    layout->addWidget(buttonBar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void QuestionDialog::setQuestion(const QString& message, const QString& caption1,
                                 const QString& caption2, const QString& caption3,
                                 const QString& caption4) {
    questionText_->setText(WithDisplayLineBreaks(message));
    answerButtons_[0]->setText(caption1);
    answerButtons_[1]->setText(caption2);
    answerButtons_[2]->setText(caption3);
    answerButtons_[3]->setText(caption4);
    cancelAnswer_ = 0;
    proposedAnswer_ = 1;
    fitToText();
}

void QuestionDialog::setCancelAnswer(int answer) {
    cancelAnswer_ = answer;
}

void QuestionDialog::setProposedAnswer(int answer) {
    proposedAnswer_ = answer;
}

int QuestionDialog::ask() {
    const int answer = prompts::execModal(*this);
    return answer >= 1 && answer <= 4 ? answer : cancelAnswer_;
}

void QuestionDialog::reject() {
    // With no way out QDialog would answer 0, and the caller could only guess; the question
    // stays until an answer is picked.
    if (cancelAnswer_ != 0)
        done(cancelAnswer_);
}

void QuestionDialog::fitToText() {
    answerButtons_[2]->setVisible(!answerButtons_[2]->text().isEmpty());
    answerButtons_[3]->setVisible(!answerButtons_[3]->text().isEmpty());
}

void QuestionDialog::showEvent(QShowEvent* event) {
    fitToText();
    // With a parent, Qt already places the dialog over it.
    if (!parentWidget())
        CenterOnScreen(*this);
    QDialog::showEvent(event);
    answerButtons_[proposedAnswer_ - 1]->setFocus();
}

void QuestionDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fitToText();
    QDialog::changeEvent(event);
}

bool QuestionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Left || key == Qt::Key_Up) {
        focusPreviousChild();
        return true;
    }
    if (key == Qt::Key_Right || key == Qt::Key_Down) {
        focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ranvik
