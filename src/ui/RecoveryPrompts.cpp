// The window's recovery questions: restoring a chart left by a program that did not close
// normally, and opening a chart another window holds.

#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPrompts.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace ranvik {

namespace {

QString ChangedAt(std::int64_t seconds) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(seconds);
    if (when.date() == QDate::currentDate())
        return when.toString(QStringLiteral("HH:mm"));
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

RecoveryAnswer WindowPrompts::askRecovery(const RecoveryDescription& copy) {
    const QString file = copy.chartFile.empty() ? QObject::tr("not saved yet")
                                                : QFileInfo(ToQString(copy.chartFile)).fileName();
    QMessageBox box(QMessageBox::Question, QObject::tr("Restore chart"),
                    QObject::tr("Ranvik did not close normally. A chart changed at %1 (%2, %3 "
                                "players) can be restored.")
                        .arg(ChangedAt(copy.savedAt), file)
                        .arg(copy.players),
                    QMessageBox::NoButton, &window_);
    box.setObjectName(QStringLiteral("recoveryBox"));
    QPushButton* restore = box.addButton(QObject::tr("Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QObject::tr("Discard"), QMessageBox::DestructiveRole);
    // Closing the question keeps the copy: nothing is lost by not answering.
    QPushButton* later = box.addButton(QObject::tr("Later"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    prompts::execModal(box);
    if (box.clickedButton() == restore)
        return RecoveryAnswer::Restore;
    if (box.clickedButton() == discard)
        return RecoveryAnswer::Discard;
    return RecoveryAnswer::Later;
}

bool WindowPrompts::confirmOpenHeldChart(const std::string&) {
    QMessageBox box(QMessageBox::Warning, QObject::tr("Warning"),
                    QObject::tr("This chart is open in another Ranvik window; saving here can "
                                "replace its changes."),
                    QMessageBox::NoButton, &window_);
    box.setObjectName(QStringLiteral("chartHeldBox"));
    QPushButton* open = box.addButton(QObject::tr("Open anyway"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    prompts::execModal(box);
    return box.clickedButton() == open;
}

} // namespace ranvik
