#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/QuestionDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace ranvik::test {
namespace {
QString Plain(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

QString MessageOf(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        return box->text();
    if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("questionText")))
        return label->text();
    return {};
}
} // namespace

void WindowTest::SetUp() {
    prompts::clearQueues();
    windows_ = CreateAppWindows();
    form().show();
    QApplication::setActiveWindow(&form());
    ui().chartView->setFocus();
}

MainWindowParts& WindowTest::ui() {
    if (!parts_)
        parts_ = std::make_unique<MainWindowParts>(form());
    return *parts_;
}

void WindowTest::TearDown() {
    const QStringList unexpected = prompts::unexpectedDialogs();
    EXPECT_TRUE(unexpected.isEmpty())
        << "unexpected dialogs: " << unexpected.join(" | ").toStdString();
    EXPECT_EQ(prompts::pendingScripts(), 0) << "scripted dialog answers left unused";
    EXPECT_EQ(prompts::pendingFileNames(), 0) << "scripted file names left unused";
    prompts::clearQueues();
    // Closing asks nothing in a test unless the test scripted it.
    form().document().tournament().setModified(false);
    parts_.reset();
    windows_.reset();
}

void WindowTest::select(int col, int row) {
    ui().chartView->setCurrentCell(col, row);
}

QWidget* WindowTest::keyTarget() {
    // A closed editor lingers until deleted later; only a visible one takes keys.
    for (QLineEdit* editor :
         ui().chartView->findChildren<QLineEdit*>(QStringLiteral("CellEditor"))) {
        if (editor->isVisible())
            return editor;
    }
    return ui().chartView;
}

void WindowTest::type(const QString& text) {
    for (const QChar ch : text)
        QTest::keyClick(keyTarget(), ch.toLatin1());
}

void WindowTest::pressEnter() {
    QTest::keyClick(keyTarget(), Qt::Key_Return);
}

void WindowTest::enter(int col, int row, const QString& text) {
    select(col, row);
    type(text);
    pressEnter();
}

std::string WindowTest::cell(int col, int row) {
    return std::string(form().document().tournament().chart().cell(col, row));
}

void WindowTest::setCell(int col, int row, const std::string& text) {
    form().document().tournament().chart().setCell(col, row, text);
}

prompts::Script WindowTest::clickButton(const QString& caption, QString* message) {
    return [caption, message](QDialog& dialog) {
        if (message)
            *message = MessageOf(dialog);
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (Plain(button->text()) == Plain(caption) && button->isVisible()) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString() << " in "
                      << dialog.windowTitle().toStdString();
        dialog.reject();
    };
}

prompts::Script WindowTest::clickStandard(QMessageBox::StandardButton which, QString* message) {
    return [which, message](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        if (!box) {
            ADD_FAILURE() << "expected a message box, got " << dialog.windowTitle().toStdString();
            dialog.reject();
            return;
        }
        if (message)
            *message = box->text();
        QAbstractButton* button = box->button(which);
        if (!button) {
            ADD_FAILURE() << "message box has no such button: " << box->text().toStdString();
            dialog.reject();
            return;
        }
        button->click();
    };
}

prompts::Script WindowTest::answerQuestion(int n, QString* message) {
    return [n, message](QDialog& dialog) {
        if (!qobject_cast<QuestionDialog*>(&dialog)) {
            ADD_FAILURE() << "expected the question dialog, got "
                          << dialog.windowTitle().toStdString();
            dialog.reject();
            return;
        }
        if (message)
            *message = PartOf<QLabel>(dialog, "questionText")->text();
        const char* const buttons[] = {"firstAnswerButton", "secondAnswerButton",
                                       "thirdAnswerButton", "fourthAnswerButton"};
        PartOf<QPushButton>(dialog, buttons[n - 1])->click();
    };
}

prompts::Script WindowTest::fillTournamentInfo(QString* typeShown) {
    return [typeShown](QDialog& dialog) {
        if (typeShown)
            *typeShown = PartOf<QLabel>(dialog, "tournamentTypeLabel")->text();
        // The dialog keeps what was typed the last time: typed anew over it.
        const auto retype = [](QLineEdit* edit, const QString& text) {
            edit->clear();
            QTest::keyClicks(edit, text);
        };
        retype(PartOf<QLineEdit>(dialog, "nameEdit"), QStringLiteral("Spring Open"));
        retype(PartOf<QComboBox>(dialog, "provinceCombo")->lineEdit(), QStringLiteral("ON"));
        retype(PartOf<QLineEdit>(dialog, "endDateEdit"), QStringLiteral("2008/06/18"));
        retype(PartOf<QLineEdit>(dialog, "directorNumberEdit"), QStringLiteral("654321"));
        clickButton(QStringLiteral("OK"))(dialog);
    };
}

prompts::Script WindowTest::confirmNumberList(QString* list) {
    return [list](QDialog& dialog) {
        if (list)
            *list = PartOf<QPlainTextEdit>(dialog, "flaggedNumbersList")->toPlainText();
        clickButton(QStringLiteral("OK"))(dialog);
    };
}

} // namespace ranvik::test
