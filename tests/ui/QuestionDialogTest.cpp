// The four-button question dialog: its layout rules and the answers it gives.

#include "ui/QuestionDialog.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

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

// Captions and message fit their widgets, at the normal font and a large one.
class QuestionTextFits : public ::testing::TestWithParam<int> {};

TEST_P(QuestionTextFits, TwoButtonQuestionHidesButtonsThreeAndFourAndEveryTextFits) {
    const QFont before = QApplication::font();
    if (GetParam() > 0) {
        QFont large = before;
        large.setPointSize(GetParam());
        QApplication::setFont(large);
    }
    QuestionDialog dlg;
    // The same dialog asks one question after another: a long caption after short ones
    // still shows whole.
    const QStringList questions[] = {
        {QStringLiteral("Selected chart row is not empty.\rYou can append this entry to the "
                        "bottom of the chart or insert it."),
         QStringLiteral("&Overwrite"), QStringLiteral("&Append"), QStringLiteral("&Insert"),
         QStringLiteral("&Cancel")},
        {QStringLiteral("\"\u0141ukaszewicz, Piotr\" holds characters a chart file cannot hold: "
                        "\u0141.\rThe nearest spelling it can hold is \"Lukaszewicz, Piotr\"."),
         QStringLiteral("&Use Lukaszewicz, Piotr"), QStringLiteral("&Keep as it is"),
         QStringLiteral("&Cancel"), QString()},
    };
    for (const QStringList& q : questions) {
        dlg.setQuestion(q[0], q[1], q[2], q[3], q[4]);
        bool fits = true;
        prompts::enqueue([&fits](QDialog& dialog) {
            const QuestionParts parts(dialog);
            const QFontMetrics text = parts.text->fontMetrics();
            for (const QString& line : parts.text->text().split(QLatin1Char('\n')))
                fits = fits && text.horizontalAdvance(line) <= parts.text->width();
            for (QPushButton* button : parts.answers) {
                if (!button->isVisible())
                    continue;
                const QString caption = button->text().remove(QLatin1Char('&'));
                fits = fits && button->fontMetrics().horizontalAdvance(caption) <= button->width();
                // The buttons sit below the message, inside the dialog.
                fits =
                    fits && button->mapTo(&dialog, QPoint()).y() >= parts.text->geometry().bottom();
            }
            parts.answers[0]->click();
        });
        EXPECT_EQ(dlg.ask(), 1);
        EXPECT_TRUE(fits) << "at " << GetParam() << " points: " << q[1].toStdString();
    }

    dlg.setQuestion(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    Seen seen;
    prompts::enqueue(LookThenPress(seen, 1));
    EXPECT_EQ(dlg.ask(), 1);
    EXPECT_FALSE(seen.button3);
    EXPECT_FALSE(seen.button4);
    QApplication::setFont(before);
}

INSTANTIATE_TEST_SUITE_P(Fonts, QuestionTextFits, ::testing::Values(0, 14));

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
}

TEST(QuestionDialogLayout, AWideMessageWidensTheWindowAndAShortOneShrinksItBack) {
    QuestionDialog dlg;
    const QString wide = QString(120, QLatin1Char('W'));
    dlg.setQuestion(wide, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    Seen wideSeen;
    prompts::enqueue(LookThenPress(wideSeen, 1));
    dlg.ask();
    const QLabel* text = QuestionParts(dlg).text;
    EXPECT_LE(text->fontMetrics().horizontalAdvance(wide), text->width());
    EXPECT_GT(wideSeen.width, text->fontMetrics().horizontalAdvance(wide));

    dlg.setQuestion(QStringLiteral("Short"), QStringLiteral("A"), QStringLiteral("B"), {}, {});
    Seen shortSeen;
    prompts::enqueue(LookThenPress(shortSeen, 2));
    dlg.ask();
    EXPECT_LT(shortSeen.width, wideSeen.width);
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

// Escape and the window's close button give the question's cancel answer, never another
// (the type question's second is "Round robin", the rating question's second "Active"); a
// question without one stays open until an answer is picked.
TEST(QuestionDialogAnswers, EscapeAndTheCloseButtonGiveTheCancelAnswerOrNothing) {
    const struct {
        const char* name;
        std::function<void(QDialog&)> act;
        bool closes; // when the question has a cancel answer
    } ways[] = {
        {"Escape", [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, true},
        {"Escape on the focused answer",
         [](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape); }, true},
        {"the close button", [](QDialog& dialog) { dialog.close(); }, true},
        {"no answer at all (an unscripted dialog)", [](QDialog&) {}, false},
    };
    const struct {
        QString caption3;
        QString caption4;
        int cancel;
    } questions[] = {
        {QStringLiteral("Dbl R.R."), QStringLiteral("Cancel"), 4},
        {QStringLiteral("&Cancel"), {}, 3},
        {{}, {}, 0},
    };
    QuestionDialog dlg;
    for (const auto& way : ways) {
        for (const auto& q : questions) {
            SCOPED_TRACE(std::string(way.name) + ", cancel answer " + std::to_string(q.cancel));
            dlg.setQuestion(QStringLiteral("Which?"), QStringLiteral("Swiss"),
                            QStringLiteral("Round robin"), q.caption3, q.caption4);
            dlg.setCancelAnswer(q.cancel);
            bool stillOpen = false;
            prompts::enqueue([&](QDialog& dialog) {
                way.act(dialog);
                stillOpen = dialog.isVisible();
            });
            EXPECT_EQ(dlg.ask(), q.cancel);
            EXPECT_EQ(stillOpen, q.cancel == 0 || !way.closes);
        }
    }
}

TEST(QuestionDialogAnswers, EnterPressesTheFocusedAnswerAndArrowsMoveBetweenThem) {
    QuestionDialog dlg;
    dlg.setQuestion(QStringLiteral("Which?"), QStringLiteral("Swiss"),
                    QStringLiteral("Round robin"), QStringLiteral("Dbl R.R."),
                    QStringLiteral("Cancel"));
    struct Case {
        std::vector<Qt::Key> moves;
        int proposed; // the answer the focus starts on
        int answer;
    };
    const Case cases[] = {{{}, 1, 1},
                          {{Qt::Key_Right}, 1, 2},
                          {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}, 1, 4},
                          {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}, 1, 2},
                          {{}, 3, 3},
                          {{Qt::Key_Left}, 2, 1}};
    for (const Case& c : cases) {
        dlg.setProposedAnswer(c.proposed);
        QWidget* focusedFirst = nullptr;
        prompts::enqueue([&c, &focusedFirst](QDialog& dialog) {
            focusedFirst = dialog.focusWidget();
            for (Qt::Key key : c.moves)
                QTest::keyClick(dialog.focusWidget(), key);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        EXPECT_EQ(dlg.ask(), c.answer);
        EXPECT_EQ(focusedFirst, QuestionParts(dlg).answers[c.proposed - 1]);
    }
}

TEST(QuestionDialogAnswers, AnAccessKeyAnswers) {
    QuestionDialog dlg;
    dlg.setQuestion(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    prompts::enqueue([](QDialog& dialog) {
        // Access keys belong to the active window.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
        // An access key clicks its button with a short animation.
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 2000));
    });
    EXPECT_EQ(dlg.ask(), 2);
}

} // namespace
} // namespace ranvik
