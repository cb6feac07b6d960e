// The help and about windows: their texts, and that Enter closes them at once.

#include "ui/AboutDialog.h"
#include "ui/HelpDialog.h"
#include "ui/Prompts.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace ranvik {
namespace {

template <class T> T* Find(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(dialog.objectName().toStdString() + " has no " + name);
    return found;
}

// Presses Enter on whatever has the focus as the window opens.
prompts::Script EnterAtOnce(QWidget** focused) {
    return [focused](QDialog& dialog) {
        *focused = dialog.focusWidget();
        QTest::keyClick(*focused ? *focused : &dialog, Qt::Key_Return);
    };
}

TEST(HelpDialog, FifteenParagraphsSeparatedByEmptyLines) {
    HelpDialog dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ranvik Help"));
    const QPlainTextEdit* helpText = Find<QPlainTextEdit>(dlg, "helpText");
    const QString text = helpText->toPlainText();
    const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
    ASSERT_EQ(paragraphs.size(), 15);
    for (const QString& paragraph : paragraphs) {
        EXPECT_FALSE(paragraph.trimmed().isEmpty());
        EXPECT_FALSE(paragraph.contains(QLatin1Char('\n'))) << paragraph.toStdString();
    }
    EXPECT_TRUE(paragraphs[0].contains(QStringLiteral("Korvath")));
    EXPECT_TRUE(
        paragraphs[6].contains(QStringLiteral("For byes and forfeits, enter 0 as the opponent.")));
    EXPECT_TRUE(paragraphs[8].contains(QStringLiteral("Create report for QRB...")));
    EXPECT_TRUE(paragraphs[11].contains(QStringLiteral("H a half-point bye (H)")));
    EXPECT_TRUE(paragraphs[12].contains(QStringLiteral("never replaced")));
    EXPECT_TRUE(paragraphs[13].contains(QStringLiteral("Show problems")));
    EXPECT_TRUE(paragraphs[14].contains(QStringLiteral("Ctrl+Z undoes any change")));
    EXPECT_FALSE(text.contains(QStringLiteral("Part ")));
    EXPECT_TRUE(helpText->isReadOnly());
}

TEST(HelpDialog, EnterClosesItAsSoonAsItOpensAndTheTextWraps) {
    HelpDialog dlg;
    QWidget* focused = nullptr;
    bool wrapped = false;
    prompts::enqueue([&](QDialog& dialog) {
        // The longest paragraph cannot fit one line of a 530-pixel window.
        const QTextDocument* text = Find<QPlainTextEdit>(dlg, "helpText")->document();
        const QTextBlock block = text->findBlockByNumber(12);
        // A plain text edit lays a block out when it is first shown or measured; the text
        // is now longer than the window, so measure it.
        text->documentLayout()->blockBoundingRect(block);
        wrapped = block.layout() && block.layout()->lineCount() > 1;
        EnterAtOnce (&focused)(dialog);
    });
    EXPECT_EQ(prompts::execModal(dlg), QDialog::Accepted);
    EXPECT_EQ(focused, Find<QPushButton>(dlg, "okButton"));
    EXPECT_TRUE(wrapped);
    // About seventy characters a line, whatever the font.
    const QFontMetrics metrics = Find<QPlainTextEdit>(dlg, "helpText")->fontMetrics();
    EXPECT_GE(dlg.width(), metrics.averageCharWidth() * 60);
}

TEST(AboutDialog, ShowsNameVersionAndADrawnPictureAndEnterCloses) {
    AboutDialog dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About Ranvik"));
    EXPECT_EQ(Find<QLabel>(dlg, "programNameLabel")->text(), QStringLiteral("Ranvik"));
    EXPECT_EQ(Find<QLabel>(dlg, "versionLabel")->text(), QStringLiteral("Version 2.03"));
    const QPlainTextEdit* credits = Find<QPlainTextEdit>(dlg, "creditsText");
    EXPECT_TRUE(credits->isReadOnly());
    EXPECT_FALSE(credits->toPlainText().isEmpty());
    auto* picture = dlg.findChild<QLabel*>(QStringLiteral("pictureLabel"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), QSize(320, 235));

    QWidget* focused = nullptr;
    prompts::enqueue(EnterAtOnce(&focused));
    EXPECT_EQ(prompts::execModal(dlg), QDialog::Accepted);
    EXPECT_EQ(focused, Find<QPushButton>(dlg, "okButton"));
}

} // namespace
} // namespace ranvik
