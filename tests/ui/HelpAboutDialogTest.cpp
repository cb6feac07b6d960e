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
#include <utility>

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

// Each window closes on Enter as soon as it opens (the OK button has the focus), and shows a
// text the user cannot edit.
TEST(HelpAndAbout, EnterClosesAtOnceAndTheTextIsReadOnly) {
    HelpDialog help;
    AboutDialog about;
    const std::pair<QDialog*, const char*> windows[] = {{&help, "helpText"},
                                                        {&about, "creditsText"}};
    for (const auto& [dialog, textName] : windows) {
        SCOPED_TRACE(textName);
        const QPlainTextEdit* text = Find<QPlainTextEdit>(*dialog, textName);
        EXPECT_TRUE(text->isReadOnly());
        EXPECT_FALSE(text->toPlainText().trimmed().isEmpty());
        QWidget* focused = nullptr;
        prompts::enqueue(EnterAtOnce(&focused));
        EXPECT_EQ(prompts::execModal(*dialog), QDialog::Accepted);
        EXPECT_EQ(focused, Find<QPushButton>(*dialog, "okButton"));
    }
    EXPECT_FALSE(Find<QLabel>(about, "pictureLabel")->pixmap().isNull());
}

// The help's paragraphs are single lines that the window wraps, about seventy characters a
// line whatever the font.
TEST(HelpDialog, TheTextWrapsInTheWindow) {
    HelpDialog dlg;
    bool wrapped = false;
    prompts::enqueue([&](QDialog& dialog) {
        const QTextDocument* text = Find<QPlainTextEdit>(dlg, "helpText")->document();
        QTextBlock longest = text->firstBlock();
        for (QTextBlock block = longest; block.isValid(); block = block.next()) {
            if (block.length() > longest.length())
                longest = block;
        }
        // A plain text edit lays a block out when it is first shown or measured.
        text->documentLayout()->blockBoundingRect(longest);
        wrapped = longest.layout() && longest.layout()->lineCount() > 1;
        dialog.accept();
    });
    prompts::execModal(dlg);
    EXPECT_TRUE(wrapped);
    const QFontMetrics metrics = Find<QPlainTextEdit>(dlg, "helpText")->fontMetrics();
    EXPECT_GE(dlg.width(), metrics.averageCharWidth() * 60);
    EXPECT_FALSE(
        Find<QPlainTextEdit>(dlg, "helpText")->toPlainText().contains(QStringLiteral("Part ")));
}

} // namespace
} // namespace ranvik
