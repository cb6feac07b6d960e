// The four-button question dialog: its layout rules and the answers it gives.

#include "ui/QuestionDialog.h"
#include "ui/Prompts.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

namespace ranvik {
namespace {

template <class T> T* Find(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("the question dialog has no ") + name);
    return found;
}

// The dialog's widgets, found by name as a user's tools would find them.
struct QuestionParts {
    explicit QuestionParts(QWidget& dialog)
        : text(Find<QLabel>(dialog, "questionText")), buttonBar(Find<QWidget>(dialog, "buttonBar")),
          answers{Find<QPushButton>(dialog, "firstAnswerButton"),
                  Find<QPushButton>(dialog, "secondAnswerButton"),
                  Find<QPushButton>(dialog, "thirdAnswerButton"),
                  Find<QPushButton>(dialog, "fourthAnswerButton")} {}
    QLabel* text;
    QWidget* buttonBar;
    std::array<QPushButton*, 4> answers;
};

const QString kRating = QStringLiteral("What rating system did this event use?");
const QString kOpenType = QStringLiteral(
    "Confirm the type of tournament you are opening.\rIf you are not sure, make your best guess.");

struct Seen {
    int width = 0;
    int height = 0;
    bool button3 = false;
    bool button4 = false;
    QString label;
};

// Records what the shown dialog looks like, then presses button n.
prompts::Script LookThenPress(Seen& seen, int n) {
    return [&seen, n](QDialog& dialog) {
        const QuestionParts parts(dialog);
        seen.width = dialog.width();
        seen.height = dialog.height();
        seen.button3 = parts.answers[2]->isVisible();
        seen.button4 = parts.answers[3]->isVisible();
        seen.label = parts.text->text();
        parts.answers[n - 1]->click();
    };
}

TEST(QuestionDialogLayout, TwoButtonQuestionKeepsMinimumWidthAndHidesButtonsThreeAndFour) {
    QuestionDialog dlg;
    dlg.setQuestion(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    Seen seen;
    prompts::enqueue(LookThenPress(seen, 1));
    EXPECT_EQ(dlg.ask(), 1);
    EXPECT_EQ(seen.width, 416);
    EXPECT_FALSE(seen.button3);
    EXPECT_FALSE(seen.button4);
    // Buttons keep their places whatever is shown.
    const QuestionParts parts(dlg);
    EXPECT_EQ(parts.answers[0]->geometry(), QRect(7, 3, 90, 25));
    EXPECT_EQ(parts.answers[1]->geometry(), QRect(103, 3, 90, 25));
    EXPECT_EQ(parts.answers[3]->geometry(), QRect(295, 3, 91, 25));
    // The button bar runs along the bottom edge.
    EXPECT_EQ(parts.buttonBar->geometry(), QRect(0, seen.height - 34, seen.width, 34));
    EXPECT_EQ(seen.height, parts.text->height() + 34 + 50);
}

TEST(QuestionDialogLayout, ButtonsThreeAndFourComeBackAfterATwoButtonQuestion) {
    QuestionDialog dlg;
    Seen four, two, fourAgain;
    dlg.setQuestion(kOpenType, QStringLiteral("Swiss"), QStringLiteral("Round robin"),
                    QStringLiteral("Dbl R.R."), QStringLiteral("Cancel"));
    prompts::enqueue(LookThenPress(four, 3));
    EXPECT_EQ(dlg.ask(), 3);
    dlg.setQuestion(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    prompts::enqueue(LookThenPress(two, 2));
    EXPECT_EQ(dlg.ask(), 2);
    dlg.setQuestion(kOpenType, QStringLiteral("Swiss"), QStringLiteral("Round robin"),
                    QStringLiteral("Dbl R.R."), QStringLiteral("Cancel"));
    prompts::enqueue(LookThenPress(fourAgain, 4));
    EXPECT_EQ(dlg.ask(), 4);

    EXPECT_TRUE(four.button3 && four.button4);
    EXPECT_FALSE(two.button3 || two.button4);
    EXPECT_TRUE(fourAgain.button3 && fourAgain.button4);
}

TEST(QuestionDialogLayout, ThreeCaptionsShowButtonThreeOnly) {
    QuestionDialog dlg;
    dlg.setQuestion(QStringLiteral("Pick"), QStringLiteral("A"), QStringLiteral("B"),
                    QStringLiteral("C"), {});
    Seen seen;
    prompts::enqueue(LookThenPress(seen, 3));
    EXPECT_EQ(dlg.ask(), 3);
    EXPECT_TRUE(seen.button3);
    EXPECT_FALSE(seen.button4);
    EXPECT_EQ(seen.width, 416); // the hidden fourth button's place still counts
}

TEST(QuestionDialogLayout, AWideMessageWidensTheWindowToTheLabelPlusMargin) {
    QuestionDialog dlg;
    const QString wide = QString(120, QLatin1Char('W'));
    dlg.setQuestion(wide, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    Seen seen;
    prompts::enqueue(LookThenPress(seen, 1));
    dlg.ask();
    const QLabel* text = QuestionParts(dlg).text;
    EXPECT_GT(text->width(), 381);
    EXPECT_EQ(seen.width, text->x() + text->width() + 30);
    EXPECT_GT(seen.width, 416);

    // A short message afterwards shrinks it back to the buttons' width.
    dlg.setQuestion(QStringLiteral("Short"), QStringLiteral("A"), QStringLiteral("B"), {}, {});
    prompts::enqueue(LookThenPress(seen, 2));
    dlg.ask();
    EXPECT_EQ(seen.width, 416);
}

TEST(QuestionDialogLayout, ACarriageReturnStartsALineAndAddsOneLineOfHeight) {
    QuestionDialog dlg;
    Seen one, two;
    dlg.setQuestion(QStringLiteral("First line"), QStringLiteral("A"), QStringLiteral("B"), {}, {});
    prompts::enqueue(LookThenPress(one, 1));
    dlg.ask();
    dlg.setQuestion(QStringLiteral("First line\rSecond line"), QStringLiteral("A"),
                    QStringLiteral("B"), {}, {});
    prompts::enqueue(LookThenPress(two, 1));
    dlg.ask();

    EXPECT_EQ(two.label, QStringLiteral("First line\nSecond line"));
    EXPECT_EQ(two.height - one.height, QuestionParts(dlg).text->fontMetrics().lineSpacing());
    EXPECT_EQ(two.width, one.width);
}

TEST(QuestionDialogAnswers, EachButtonGivesItsNumber) {
    QuestionDialog dlg;
    dlg.setQuestion(QStringLiteral("Which?"), QStringLiteral("&One"), QStringLiteral("&Two"),
                    QStringLiteral("T&hree"), QStringLiteral("&Four"));
    for (int n = 1; n <= 4; ++n) {
        Seen seen;
        prompts::enqueue(LookThenPress(seen, n));
        EXPECT_EQ(dlg.ask(), n);
    }
}

TEST(QuestionDialogAnswers, ClosingOtherwiseAnswersTwo) {
    QuestionDialog dlg;
    dlg.setQuestion(QStringLiteral("Which?"), QStringLiteral("&One"), QStringLiteral("&Two"),
                    QStringLiteral("Three"), QStringLiteral("Four"));
    prompts::enqueue([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(dlg.ask(), 2);
    prompts::enqueue([](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(dlg.ask(), 2);
}

TEST(QuestionDialogAnswers, EscapeIsNoAnswer) {
    // The type question of Open: Escape must not pick "Round robin", the second button.
    QuestionDialog dlg;
    dlg.setQuestion(QStringLiteral("Which?"), QStringLiteral("Swiss"),
                    QStringLiteral("Round robin"), QStringLiteral("Dbl R.R."),
                    QStringLiteral("Cancel"));
    bool stillOpen = false;
    prompts::enqueue([&stillOpen](QDialog& dialog) {
        const QuestionParts parts(dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(parts.answers[0], Qt::Key_Escape);
        stillOpen = dialog.isVisible();
        parts.answers[3]->click();
    });
    EXPECT_EQ(dlg.ask(), 4);
    EXPECT_TRUE(stillOpen);
}

TEST(QuestionDialogAnswers, EnterAloneAnswersNothingButAnAccessKeyDoes) {
    QuestionDialog dlg;
    dlg.setQuestion(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    bool stillOpen = false;
    prompts::enqueue([&stillOpen](QDialog& dialog) {
        QPushButton* first = QuestionParts(dialog).answers[0];
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        stillOpen = dialog.isVisible();
        // Access keys belong to the active window.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_R, Qt::AltModifier);
        // An access key clicks its button with a short animation.
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 2000));
    });
    EXPECT_EQ(dlg.ask(), 1);
    EXPECT_TRUE(stillOpen);
}

} // namespace
} // namespace ranvik
