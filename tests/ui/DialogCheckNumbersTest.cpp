// The membership-number check dialog: the fixed explanation, the list replaced at each
// showing, and OK / Cancel.

#include "ui/CheckQRBNumbersDlg.h"
#include "ui/Prompts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace ranvik {
namespace {

prompts::Script Press(const char* name, QString* listShown = nullptr) {
    return [name, listShown](QDialog& dialog) {
        if (listShown)
            *listShown = static_cast<TCheckQRBNumbersDlg&>(dialog).Memo1->toPlainText();
        dialog.findChild<QPushButton*>(QLatin1String(name))->click();
    };
}

TEST(CheckQRBNumbersDlg, ShowsTheSevenLineExplanationWordForWord) {
    TCheckQRBNumbersDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("QRB numbers and expirations"));
    const QStringList lines = dlg.Memo2->text().split(QLatin1Char('\n'));
    const QStringList expected = {
        QStringLiteral("The following players have been flagged for your attention and "),
        QStringLiteral("double-checking. They may be new QRB members or members "),
        QStringLiteral("whose QRB numbers have been typed incorrectly."),
        QString(),
        QStringLiteral("If any of this information is incorrect, click Cancel and correct it "),
        QStringLiteral("before creating the rating report."),
        QString(),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(dlg.Memo2->wordWrap());
    EXPECT_EQ(dlg.size(), QSize(310, 395));
}

TEST(CheckQRBNumbersDlg, EachShowingReplacesTheList) {
    TCheckQRBNumbersDlg dlg;
    QString first, second;
    prompts::enqueue(Press("OKBtn", &first));
    EXPECT_TRUE(dlg.ask({QStringLiteral("Ann Lee, 12345"), QStringLiteral("Bo Chen, ")}));
    prompts::enqueue([&second](QDialog& dialog) {
        auto& d = static_cast<TCheckQRBNumbersDlg&>(dialog);
        second = d.Memo1->toPlainText();
        // Typing into the list is allowed and has no effect.
        QTest::keyClicks(d.Memo1, QStringLiteral("typed"));
        d.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    EXPECT_FALSE(dlg.ask({QStringLiteral("Cy Dow, unr.")}));
    EXPECT_EQ(first, QStringLiteral("Ann Lee, 12345\nBo Chen, "));
    EXPECT_EQ(second, QStringLiteral("Cy Dow, unr."));
    QString third;
    prompts::enqueue(Press("OKBtn", &third));
    dlg.ask({QStringLiteral("Di Eve, 1234567")});
    EXPECT_EQ(third, QStringLiteral("Di Eve, 1234567"));
}

TEST(CheckQRBNumbersDlg, EnterIsOkEscapeAndCloseAreCancel) {
    TCheckQRBNumbersDlg dlg;
    prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    EXPECT_TRUE(dlg.ask({QStringLiteral("A, ")}));
    prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(dlg.ask({QStringLiteral("A, ")}));
    prompts::enqueue([](QDialog& dialog) { dialog.close(); });
    EXPECT_FALSE(dlg.ask({QStringLiteral("A, ")}));
}

} // namespace
} // namespace ranvik
