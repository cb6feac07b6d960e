// The membership-number check dialog: the fixed explanation, the list replaced at each
// showing, and OK / Cancel.

#include "ui/MemberNumberCheckDialog.h"
#include "ui/Prompts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace ranvik {
namespace {

template <class T> T* Find(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("the membership-number check dialog has no ") + name);
    return found;
}

QLabel* ExplanationText(QWidget& dialog) {
    return Find<QLabel>(dialog, "explanationText");
}

QPlainTextEdit* FlaggedNumbersList(QWidget& dialog) {
    return Find<QPlainTextEdit>(dialog, "flaggedNumbersList");
}

prompts::Script Press(const char* name, QString* listShown = nullptr) {
    return [name, listShown](QDialog& dialog) {
        if (listShown)
            *listShown = FlaggedNumbersList(dialog)->toPlainText();
        Find<QPushButton>(dialog, name)->click();
    };
}

TEST(MemberNumberCheckDialog, ShowsTheSevenLineExplanationWordForWord) {
    MemberNumberCheckDialog dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("QRB numbers and expirations"));
    const QStringList lines = ExplanationText(dlg)->text().split(QLatin1Char('\n'));
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
    EXPECT_TRUE(ExplanationText(dlg)->wordWrap());
    // Each line fits the label whole, so wrapping never breaks one raggedly.
    dlg.show();
    const QLabel* label = ExplanationText(dlg);
    for (const QString& line : lines)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width())
            << line.toStdString();
    dlg.hide();
}

TEST(MemberNumberCheckDialog, EachShowingReplacesTheList) {
    MemberNumberCheckDialog dlg;
    QString first, second;
    prompts::enqueue(Press("okButton", &first));
    EXPECT_TRUE(dlg.ask({QStringLiteral("Ann Lee, 12345"), QStringLiteral("Bo Chen, ")}));
    prompts::enqueue([&second](QDialog& dialog) {
        QPlainTextEdit* list = FlaggedNumbersList(dialog);
        second = list->toPlainText();
        // Typing into the list is allowed and has no effect.
        QTest::keyClicks(list, QStringLiteral("typed"));
        Find<QPushButton>(dialog, "cancelButton")->click();
    });
    EXPECT_FALSE(dlg.ask({QStringLiteral("Cy Dow, unr.")}));
    EXPECT_EQ(first, QStringLiteral("Ann Lee, 12345\nBo Chen, "));
    EXPECT_EQ(second, QStringLiteral("Cy Dow, unr."));
    QString third;
    prompts::enqueue(Press("okButton", &third));
    dlg.ask({QStringLiteral("Di Eve, 1234567")});
    EXPECT_EQ(third, QStringLiteral("Di Eve, 1234567"));
}

TEST(MemberNumberCheckDialog, EnterIsOkEscapeAndCloseAreCancel) {
    MemberNumberCheckDialog dlg;
    prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    EXPECT_TRUE(dlg.ask({QStringLiteral("A, ")}));
    prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(dlg.ask({QStringLiteral("A, ")}));
    prompts::enqueue([](QDialog& dialog) { dialog.close(); });
    EXPECT_FALSE(dlg.ask({QStringLiteral("A, ")}));
}

} // namespace
} // namespace ranvik
