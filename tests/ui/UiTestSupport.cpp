#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/MsgDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>

namespace ranvik::test {
namespace {
QString Plain(QString caption) { return caption.remove(QLatin1Char('&')); }

QString MessageOf(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) return box->text();
    if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label1"))) return label->text();
    return {};
}
} // namespace

void WindowTest::SetUp() {
    prompts::clearQueues();
    windows_ = CreateAppWindows();
    form().show();
    QApplication::setActiveWindow(&form());
    form().FormActivate();
    form().StringGrid1->setFocus();
}

void WindowTest::TearDown() {
    const QStringList unexpected = prompts::unexpectedDialogs();
    EXPECT_TRUE(unexpected.isEmpty()) << "unexpected dialogs: " << unexpected.join(" | ").toStdString();
    EXPECT_EQ(prompts::pendingScripts(), 0) << "scripted dialog answers left unused";
    EXPECT_EQ(prompts::pendingFileNames(), 0) << "scripted file names left unused";
    prompts::clearQueues();
    // Closing asks nothing in a test unless the test scripted it.
    form().tournament().setModified(false);
    windows_.reset();
}

void WindowTest::select(int col, int row) {
    form().StringGrid1->setCurrentCell(col, row);
}

QWidget* WindowTest::keyTarget() {
    // A closed editor lingers until deleted later; only a visible one takes keys.
    for (QLineEdit* editor : form().StringGrid1->findChildren<QLineEdit*>(QStringLiteral("CellEditor"))) {
        if (editor->isVisible()) return editor;
    }
    return form().StringGrid1;
}

void WindowTest::type(const QString& text) {
    for (const QChar ch : text) QTest::keyClick(keyTarget(), ch.toLatin1());
}

void WindowTest::pressEnter() { QTest::keyClick(keyTarget(), Qt::Key_Return); }

void WindowTest::enter(int col, int row, const QString& text) {
    select(col, row);
    type(text);
    pressEnter();
}

std::string WindowTest::cell(int col, int row) {
    return std::string(form().tournament().chart().cell(col, row));
}

void WindowTest::setCell(int col, int row, const std::string& text) {
    form().tournament().chart().setCell(col, row, text);
}

prompts::Script WindowTest::clickButton(const QString& caption, QString* message) {
    return [caption, message](QDialog& dialog) {
        if (message) *message = MessageOf(dialog);
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (Plain(button->text()) == Plain(caption) && button->isVisible()) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString() << " in " << dialog.windowTitle().toStdString();
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
        if (message) *message = box->text();
        QAbstractButton* button = box->button(which);
        if (!button) {
            ADD_FAILURE() << "message box has no such button: " << box->text().toStdString();
            dialog.reject();
            return;
        }
        button->click();
    };
}

prompts::Script WindowTest::answerMsgDlg(int n, QString* message) {
    return [n, message](QDialog& dialog) {
        auto* msg = qobject_cast<TMsgDlg*>(&dialog);
        if (!msg) {
            ADD_FAILURE() << "expected the message dialog, got " << dialog.windowTitle().toStdString();
            dialog.reject();
            return;
        }
        if (message) *message = msg->Label1->text();
        QPushButton* buttons[] = {msg->Button1, msg->Button2, msg->Button3, msg->Button4};
        buttons[n - 1]->click();
    };
}

} // namespace ranvik::test
