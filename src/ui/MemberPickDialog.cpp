#include "ui/MemberPickDialog.h"

#include "ui/MemberCandidatesModel.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ranvik {

MemberPickDialog::MemberPickDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("memberPickDialog"));
    setWindowTitle(tr("Match players with database"));

    questionLabel_ = new QLabel(this);
    questionLabel_->setObjectName(QStringLiteral("questionLabel"));
    questionLabel_->setWordWrap(true);

    model_ = new MemberCandidatesModel(this);
    candidatesView_ = new QTableView(this);
    candidatesView_->setObjectName(QStringLiteral("candidatesView"));
    candidatesView_->setModel(model_);
    candidatesView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    candidatesView_->setSelectionMode(QAbstractItemView::SingleSelection);
    candidatesView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    candidatesView_->verticalHeader()->hide();
    candidatesView_->horizontalHeader()->setSectionResizeMode(MemberCandidatesModel::Name,
                                                              QHeaderView::Stretch);
    connect(candidatesView_, &QTableView::doubleClicked, this,
            [this] { answer(PickAction::Pick); });
    connect(candidatesView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MemberPickDialog::selectionChanged);

    auto* buttons = new QDialogButtonBox(this);
    pickButton_ = buttons->addButton(tr("&Use this member"), QDialogButtonBox::AcceptRole);
    pickButton_->setObjectName(QStringLiteral("pickButton"));
    QPushButton* skip = buttons->addButton(tr("&Skip"), QDialogButtonBox::ActionRole);
    skip->setObjectName(QStringLiteral("skipButton"));
    QPushButton* skipAll = buttons->addButton(tr("Skip &all"), QDialogButtonBox::RejectRole);
    skipAll->setObjectName(QStringLiteral("skipAllButton"));
    // The buttons answer themselves; the box's accepted/rejected would answer twice.
    connect(pickButton_, &QPushButton::clicked, this, [this] { answer(PickAction::Pick); });
    connect(skip, &QPushButton::clicked, this, [this] { answer(PickAction::Skip); });
    connect(skipAll, &QPushButton::clicked, this, [this] { answer(PickAction::SkipAll); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(questionLabel_);
    layout->addWidget(candidatesView_, 1);
    layout->addWidget(buttons);
    resize(520, 300);
}

void MemberPickDialog::setQuestion(const MemberPickQuestion& question) {
    const QString line = QString::number(question.row);
    const QString name = ToQString(question.chartName);
    questionLabel_->setText(
        question.sameName
            ? tr("Line %1, \"%2\", has the name of several members. Pick the member this "
                 "player is, or skip the line.")
                  .arg(line, name)
            : tr("No member has the name of line %1, \"%2\". These members have a similar "
                 "name: pick the one this player is, or skip the line.")
                  .arg(line, name));
    model_->setCandidates(question.candidates);
    candidatesView_->resizeColumnsToContents();
    candidatesView_->horizontalHeader()->setSectionResizeMode(MemberCandidatesModel::Name,
                                                              QHeaderView::Stretch);
    // Nothing is picked for the director: the first row is only where the cursor starts.
    candidatesView_->setCurrentIndex(model_->index(0, 0));
    candidatesView_->clearSelection();
    selectionChanged();
}

MemberPick MemberPickDialog::ask() {
    answer_ = {PickAction::SkipAll, 0};
    prompts::execModal(*this);
    return answer_;
}

void MemberPickDialog::answer(PickAction action) {
    const QModelIndexList rows = candidatesView_->selectionModel()->selectedRows();
    if (action == PickAction::Pick && rows.isEmpty())
        return;
    answer_.action = action;
    answer_.candidate =
        action == PickAction::Pick ? static_cast<std::size_t>(rows.front().row()) : 0;
    if (action == PickAction::SkipAll)
        reject();
    else
        accept();
}

void MemberPickDialog::selectionChanged() {
    pickButton_->setEnabled(candidatesView_->selectionModel()->hasSelection());
}

} // namespace ranvik
