// The window's recovery questions: restoring a chart left by a program that did not close
// normally, and opening a chart another window holds.

#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPrompts.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

namespace ranvik {

namespace {

QString ChangedAt(std::int64_t seconds) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(seconds);
    if (when.date() == QDate::currentDate())
        return when.toString(QStringLiteral("HH:mm"));
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

// One question for every copy, however many: a list to choose from, newest first and
// chosen, so that Enter restores the last chart worked on.
RecoveryChoice WindowPrompts::askRecovery(const std::vector<RecoveryDescription>& copies) {
    QDialog dialog(&window_);
    dialog.setObjectName(QStringLiteral("recoveryDialog"));
    dialog.setWindowTitle(QObject::tr("Restore chart"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(
        QObject::tr("Ranvik did not close normally. These charts were changed and not saved. "
                    "Restore one into this window, discard the ones you choose, or keep them "
                    "all for the next start."),
        &dialog);
    text->setWordWrap(true);
    layout->addWidget(text);

    QStringList lines;
    lines.reserve(static_cast<qsizetype>(copies.size()));
    for (std::size_t k = copies.size(); k-- > 0;) { // newest first
        const RecoveryDescription& copy = copies[k];
        const QString file = copy.chartFile.empty()
                                 ? QObject::tr("not saved yet")
                                 : QFileInfo(ToQString(copy.chartFile)).fileName();
        lines << QObject::tr("%1: %2, %3 players")
                     .arg(ChangedAt(copy.savedAt), file)
                     .arg(copy.players);
    }
    QStringListModel model(lines);
    auto* list = new QListView(&dialog);
    list->setObjectName(QStringLiteral("recoveryList"));
    list->setModel(&model);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setUniformItemSizes(true); // thousands of copies lay out at once
    list->setCurrentIndex(model.index(0));
    layout->addWidget(list);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* restore = buttons->addButton(QObject::tr("Restore"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("restoreButton"));
    QPushButton* discard =
        buttons->addButton(QObject::tr("Discard"), QDialogButtonBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("discardButton"));
    // Closing the question keeps the copies: nothing is lost by not answering.
    QPushButton* later = buttons->addButton(QObject::tr("Later"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("laterButton"));
    restore->setDefault(true);
    layout->addWidget(buttons);

    // The rows chosen, as indices into `copies` (shown newest first).
    auto chosen = [&] {
        std::vector<std::size_t> indices;
        for (const QModelIndex& index : list->selectionModel()->selectedRows())
            indices.push_back(copies.size() - 1 - static_cast<std::size_t>(index.row()));
        std::sort(indices.begin(), indices.end());
        return indices;
    };
    auto fitButtons = [&] {
        const std::size_t count = chosen().size();
        restore->setEnabled(count == 1);
        discard->setEnabled(count > 0);
    };
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, &dialog,
                     fitButtons);
    fitButtons();
    RecoveryChoice choice;
    QObject::connect(restore, &QPushButton::clicked, &dialog, [&] {
        choice = {RecoveryAnswer::Restore, chosen()};
        dialog.accept();
    });
    QObject::connect(discard, &QPushButton::clicked, &dialog, [&] {
        choice = {RecoveryAnswer::Discard, chosen()};
        dialog.accept();
    });
    QObject::connect(later, &QPushButton::clicked, &dialog, &QDialog::reject);
    prompts::execModal(dialog);
    return choice;
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
