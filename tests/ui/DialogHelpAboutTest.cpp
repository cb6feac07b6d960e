// The help and about windows: their texts, and that Enter closes them at once.

#include "ui/AboutDlg.h"
#include "ui/HelpDlg.h"
#include "ui/Prompts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace ranvik {
namespace {

// Presses Enter on whatever has the focus as the window opens.
prompts::Script EnterAtOnce(QWidget** focused) {
    return [focused](QDialog& dialog) {
        *focused = dialog.focusWidget();
        QTest::keyClick(*focused ? *focused : &dialog, Qt::Key_Return);
    };
}

TEST(HelpDlg, ElevenParagraphsSeparatedByEmptyLines) {
    THelpDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ranvik Help"));
    const QString text = dlg.Memo1->toPlainText();
    const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
    ASSERT_EQ(paragraphs.size(), 11);
    for (const QString& paragraph : paragraphs) {
        EXPECT_FALSE(paragraph.trimmed().isEmpty());
        EXPECT_FALSE(paragraph.contains(QLatin1Char('\n'))) << paragraph.toStdString();
    }
    EXPECT_TRUE(paragraphs[0].contains(QStringLiteral("Korvath")));
    EXPECT_TRUE(
        paragraphs[6].contains(QStringLiteral("For byes and forfeits, enter 0 as the opponent.")));
    EXPECT_TRUE(paragraphs[8].contains(QStringLiteral("Create report for QRB...")));
    EXPECT_FALSE(text.contains(QStringLiteral("Part ")));
    EXPECT_TRUE(dlg.Memo1->isReadOnly());
}

TEST(HelpDlg, EnterClosesItAsSoonAsItOpensAndTheTextWraps) {
    THelpDlg dlg;
    QWidget* focused = nullptr;
    bool wrapped = false;
    prompts::enqueue([&](QDialog& dialog) {
        // The longest paragraph cannot fit one line of a 530-pixel window.
        const QTextBlock block = dlg.Memo1->document()->findBlockByNumber(12);
        wrapped = block.layout() && block.layout()->lineCount() > 1;
        EnterAtOnce (&focused)(dialog);
    });
    EXPECT_EQ(prompts::execModal(dlg), QDialog::Accepted);
    EXPECT_EQ(focused, dlg.findChild<QPushButton*>(QStringLiteral("OKBtn")));
    EXPECT_TRUE(wrapped);
    EXPECT_EQ(dlg.size(), QSize(530, 585));
}

TEST(AboutDlg, ShowsNameVersionAndADrawnPictureAndEnterCloses) {
    TAboutDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About Ranvik"));
    EXPECT_EQ(dlg.Label1->text(), QStringLiteral("Ranvik"));
    EXPECT_EQ(dlg.VersionLabel->text(), QStringLiteral("Version 2.03"));
    EXPECT_TRUE(dlg.Memo1->isReadOnly());
    EXPECT_FALSE(dlg.Memo1->toPlainText().isEmpty());
    auto* image = dlg.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(320, 235));

    QWidget* focused = nullptr;
    prompts::enqueue(EnterAtOnce(&focused));
    EXPECT_EQ(prompts::execModal(dlg), QDialog::Accepted);
    EXPECT_EQ(focused, dlg.findChild<QPushButton*>(QStringLiteral("OKBtn")));
}

} // namespace
} // namespace ranvik
