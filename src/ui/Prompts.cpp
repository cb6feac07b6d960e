#include "ui/Prompts.h"

#include "ui/QtText.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

#include <deque>

namespace ranvik::prompts {
namespace {

struct Queues {
    std::deque<Script> scripts;
    std::deque<QString> fileNames;
    bool strict = false;
    QStringList unexpected;
};

Queues& queues() {
    static Queues q;
    return q;
}

QMessageBox::StandardButton RunBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                   const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, WithDisplayLineBreaks(text), buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    execModal(box);
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        return QMessageBox::NoButton;
    return box.standardButton(clicked);
}

} // namespace

void enqueue(Script script) {
    queues().scripts.push_back(std::move(script));
}
void enqueueFileName(const QString& path) {
    queues().fileNames.push_back(path);
}
int pendingScripts() {
    return static_cast<int>(queues().scripts.size());
}
int pendingFileNames() {
    return static_cast<int>(queues().fileNames.size());
}
void clearQueues() {
    queues().scripts.clear();
    queues().fileNames.clear();
    queues().unexpected.clear();
}
void setStrict(bool strict) {
    queues().strict = strict;
}
QStringList unexpectedDialogs() {
    return queues().unexpected;
}

int execModal(QDialog& dialog) {
    Queues& q = queues();
    if (!q.scripts.empty()) {
        Script script = std::move(q.scripts.front());
        q.scripts.pop_front();
        dialog.setResult(QDialog::Rejected);
        // Activation work (layout fitting) runs as it would when the dialog is shown.
        dialog.show();
        script(dialog);
        dialog.hide();
        return dialog.result();
    }
    if (q.strict) {
        QString what = dialog.windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            what += QStringLiteral(": ") + box->text();
        q.unexpected << what;
        dialog.setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return dialog.exec();
}

namespace {
QString& FileProposal() {
    static QString proposal;
    return proposal;
}
} // namespace

void noteFileProposal(const QString& proposal) {
    FileProposal() = proposal;
}

QString lastFileProposal() {
    return FileProposal();
}

bool takeFileName(QString& path) {
    Queues& q = queues();
    if (q.fileNames.empty()) {
        if (q.strict) {
            q.unexpected << QStringLiteral("file dialog");
            path.clear();
            return true;
        }
        return false;
    }
    path = q.fileNames.front();
    q.fileNames.pop_front();
    return true;
}

void showError(QWidget* parent, const QString& text) {
    RunBox(parent, QMessageBox::Critical, QCoreApplication::translate("Prompts", "Error"), text,
           QMessageBox::Ok);
}

void showInformation(QWidget* parent, const QString& text) {
    RunBox(parent, QMessageBox::Information, QCoreApplication::translate("Prompts", "Information"),
           text, QMessageBox::Ok);
}

QMessageBox::StandardButton confirm(QWidget* parent, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    return RunBox(parent, QMessageBox::Question, title, text, buttons);
}

QMessageBox::StandardButton warn(QWidget* parent, const QString& title, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
    return RunBox(parent, QMessageBox::Warning, title, text, buttons);
}

InconsistencyAnswer askInconsistency(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical,
                    QCoreApplication::translate("Prompts", "Inconsistent chart"),
                    WithDisplayLineBreaks(text), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    QPushButton* cancel =
        box.addButton(QCoreApplication::translate("Prompts", "Cancel"), QMessageBox::RejectRole);
    QPushButton* ignore =
        box.addButton(QCoreApplication::translate("Prompts", "&Ignore"), QMessageBox::AcceptRole);
    QPushButton* all =
        box.addButton(QCoreApplication::translate("Prompts", "&All"), QMessageBox::YesRole);
    box.setEscapeButton(cancel);
    box.setDefaultButton(cancel);
    execModal(box);
    if (box.clickedButton() == ignore)
        return InconsistencyAnswer::Ignore;
    if (box.clickedButton() == all)
        return InconsistencyAnswer::All;
    return InconsistencyAnswer::Cancel;
}

} // namespace ranvik::prompts
