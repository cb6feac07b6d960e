// The four-button message dialog: its layout rules and the answers it gives.

#include "ui/MsgDlg.h"
#include "ui/Prompts.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace ranvik {
namespace {

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
        auto& msg = static_cast<TMsgDlg&>(dialog);
        seen.width = msg.width();
        seen.height = msg.height();
        seen.button3 = msg.Button3->isVisible();
        seen.button4 = msg.Button4->isVisible();
        seen.label = msg.Label1->text();
        QPushButton* buttons[] = {msg.Button1, msg.Button2, msg.Button3, msg.Button4};
        buttons[n - 1]->click();
    };
}

TEST(MsgDlgLayout, TwoButtonQuestionKeepsMinimumWidthAndHidesButtonsThreeAndFour) {
    TMsgDlg dlg;
    dlg.SetCaptions(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    Seen seen;
    prompts::enqueue(LookThenPress(seen, 1));
    EXPECT_EQ(dlg.ask(), 1);
    EXPECT_EQ(seen.width, 416);
    EXPECT_FALSE(seen.button3);
    EXPECT_FALSE(seen.button4);
    // Buttons keep their places whatever is shown.
    EXPECT_EQ(dlg.Button1->geometry(), QRect(7, 3, 90, 25));
    EXPECT_EQ(dlg.Button2->geometry(), QRect(103, 3, 90, 25));
    EXPECT_EQ(dlg.Button4->geometry(), QRect(295, 3, 91, 25));
    // The panel runs along the bottom edge.
    EXPECT_EQ(dlg.Panel1->geometry(), QRect(0, seen.height - 34, seen.width, 34));
    EXPECT_EQ(seen.height, dlg.Label1->height() + 34 + 50);
}

TEST(MsgDlgLayout, ButtonsThreeAndFourComeBackAfterATwoButtonQuestion) {
    TMsgDlg dlg;
    Seen four, two, fourAgain;
    dlg.SetCaptions(kOpenType, QStringLiteral("Swiss"), QStringLiteral("Round robin"),
                    QStringLiteral("Dbl R.R."), QStringLiteral("Cancel"));
    prompts::enqueue(LookThenPress(four, 3));
    EXPECT_EQ(dlg.ask(), 3);
    dlg.SetCaptions(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    prompts::enqueue(LookThenPress(two, 2));
    EXPECT_EQ(dlg.ask(), 2);
    dlg.SetCaptions(kOpenType, QStringLiteral("Swiss"), QStringLiteral("Round robin"),
                    QStringLiteral("Dbl R.R."), QStringLiteral("Cancel"));
    prompts::enqueue(LookThenPress(fourAgain, 4));
    EXPECT_EQ(dlg.ask(), 4);

    EXPECT_TRUE(four.button3 && four.button4);
    EXPECT_FALSE(two.button3 || two.button4);
    EXPECT_TRUE(fourAgain.button3 && fourAgain.button4);
}

TEST(MsgDlgLayout, ThreeCaptionsShowButtonThreeOnly) {
    TMsgDlg dlg;
    dlg.SetCaptions(QStringLiteral("Pick"), QStringLiteral("A"), QStringLiteral("B"),
                    QStringLiteral("C"), {});
    Seen seen;
    prompts::enqueue(LookThenPress(seen, 3));
    EXPECT_EQ(dlg.ask(), 3);
    EXPECT_TRUE(seen.button3);
    EXPECT_FALSE(seen.button4);
    EXPECT_EQ(seen.width, 416); // the hidden fourth button's place still counts
}

TEST(MsgDlgLayout, AWideMessageWidensTheWindowToTheLabelPlusMargin) {
    TMsgDlg dlg;
    const QString wide = QString(120, QLatin1Char('W'));
    dlg.SetCaptions(wide, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    Seen seen;
    prompts::enqueue(LookThenPress(seen, 1));
    dlg.ask();
    EXPECT_GT(dlg.Label1->width(), 381);
    EXPECT_EQ(seen.width, dlg.Label1->x() + dlg.Label1->width() + 30);
    EXPECT_GT(seen.width, 416);

    // A short message afterwards shrinks it back to the buttons' width.
    dlg.SetCaptions(QStringLiteral("Short"), QStringLiteral("A"), QStringLiteral("B"), {}, {});
    prompts::enqueue(LookThenPress(seen, 2));
    dlg.ask();
    EXPECT_EQ(seen.width, 416);
}

TEST(MsgDlgLayout, ACarriageReturnStartsALineAndAddsOneLineOfHeight) {
    TMsgDlg dlg;
    Seen one, two;
    dlg.SetCaptions(QStringLiteral("First line"), QStringLiteral("A"), QStringLiteral("B"), {}, {});
    prompts::enqueue(LookThenPress(one, 1));
    dlg.ask();
    dlg.SetCaptions(QStringLiteral("First line\rSecond line"), QStringLiteral("A"),
                    QStringLiteral("B"), {}, {});
    prompts::enqueue(LookThenPress(two, 1));
    dlg.ask();

    EXPECT_EQ(two.label, QStringLiteral("First line\nSecond line"));
    EXPECT_EQ(two.height - one.height, dlg.Label1->fontMetrics().lineSpacing());
    EXPECT_EQ(two.width, one.width);
}

TEST(MsgDlgAnswers, EachButtonGivesItsNumber) {
    TMsgDlg dlg;
    dlg.SetCaptions(QStringLiteral("Which?"), QStringLiteral("&One"), QStringLiteral("&Two"),
                    QStringLiteral("T&hree"), QStringLiteral("&Four"));
    for (int n = 1; n <= 4; ++n) {
        Seen seen;
        prompts::enqueue(LookThenPress(seen, n));
        EXPECT_EQ(dlg.ask(), n);
    }
}

TEST(MsgDlgAnswers, ClosingOtherwiseAnswersTwo) {
    TMsgDlg dlg;
    dlg.SetCaptions(QStringLiteral("Which?"), QStringLiteral("&One"), QStringLiteral("&Two"),
                    QStringLiteral("Three"), QStringLiteral("Four"));
    prompts::enqueue([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(dlg.ask(), 2);
    prompts::enqueue([](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(dlg.ask(), 2);
}

TEST(MsgDlgAnswers, EscapeIsNoAnswer) {
    // The type question of Open: Escape must not pick "Round robin", the second button.
    TMsgDlg dlg;
    dlg.SetCaptions(QStringLiteral("Which?"), QStringLiteral("Swiss"),
                    QStringLiteral("Round robin"), QStringLiteral("Dbl R.R."),
                    QStringLiteral("Cancel"));
    bool stillOpen = false;
    prompts::enqueue([&stillOpen](QDialog& dialog) {
        auto& msg = static_cast<TMsgDlg&>(dialog);
        QTest::keyClick(&msg, Qt::Key_Escape);
        QTest::keyClick(msg.Button1, Qt::Key_Escape);
        stillOpen = msg.isVisible();
        msg.Button4->click();
    });
    EXPECT_EQ(dlg.ask(), 4);
    EXPECT_TRUE(stillOpen);
}

TEST(MsgDlgAnswers, EnterAloneAnswersNothingButAnAccessKeyDoes) {
    TMsgDlg dlg;
    dlg.SetCaptions(kRating, QStringLiteral("&Regular"), QStringLiteral("&Active"), {}, {});
    bool stillOpen = false;
    prompts::enqueue([&stillOpen](QDialog& dialog) {
        auto& msg = static_cast<TMsgDlg&>(dialog);
        msg.Button1->setFocus();
        QTest::keyClick(msg.Button1, Qt::Key_Return);
        stillOpen = msg.isVisible();
        // Access keys belong to the active window.
        msg.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&msg));
        QTest::keyClick(&msg, Qt::Key_R, Qt::AltModifier);
        // An access key clicks its button with a short animation.
        EXPECT_TRUE(QTest::qWaitFor([&msg] { return !msg.isVisible(); }, 2000));
    });
    EXPECT_EQ(dlg.ask(), 1);
    EXPECT_TRUE(stillOpen);
}

} // namespace
} // namespace ranvik
