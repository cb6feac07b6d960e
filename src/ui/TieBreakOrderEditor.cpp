#include "ui/TieBreakOrderEditor.h"

#include "ui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace ranvik {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

std::vector<TieBreak> TieBreakOrderEditor::KnownTieBreaks() {
    std::vector<TieBreak> known;
    for (const char* name : {"BH-C1", "BH-C2", "BH-M1", "BH-M2", "BH", "SB", "WIN", "WON", "KS"})
        known.push_back(*ParseTieBreak(name));
    return known;
}

TieBreakOrderEditor::TieBreakOrderEditor(QWidget* parent) : QWidget(parent) {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("tieBreakList"));
    // Short names only: the list needs no more room than a few of them.
    list_->setMaximumWidth(list_->fontMetrics().horizontalAdvance(QStringLiteral("BH-C1")) * 3);
    addCombo_ = new QComboBox(this);
    addCombo_->setObjectName(QStringLiteral("tieBreakCombo"));
    addCombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    addButton_ = MakeButton(this, "addTieBreakButton", tr("&Add"));
    removeButton_ = MakeButton(this, "removeTieBreakButton", tr("&Remove"));
    upButton_ = MakeButton(this, "moveTieBreakUpButton", tr("Move &up"));
    downButton_ = MakeButton(this, "moveTieBreakDownButton", tr("Move &down"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(list_, 0, 0, 4, 1);
    grid->addWidget(upButton_, 0, 1);
    grid->addWidget(downButton_, 1, 1);
    grid->addWidget(removeButton_, 2, 1);
    grid->addWidget(addCombo_, 4, 0);
    grid->addWidget(addButton_, 4, 1);
    grid->setRowStretch(3, 1);

    connect(addButton_, &QPushButton::clicked, this, &TieBreakOrderEditor::addChosen);
    connect(removeButton_, &QPushButton::clicked, this, &TieBreakOrderEditor::removeCurrent);
    connect(upButton_, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(list_, &QListWidget::currentRowChanged, this,
            [this] { showOrder(list_->currentRow()); });
}

void TieBreakOrderEditor::setOrder(const std::vector<TieBreak>& order) {
    order_ = order;
    showOrder(order_.empty() ? -1 : 0);
}

// The list, the tie-breaks still to add, and the buttons that can act.
void TieBreakOrderEditor::showOrder(int current) {
    const QSignalBlocker blockList(list_);
    const QSignalBlocker blockCombo(addCombo_);
    list_->clear();
    for (const TieBreak& tieBreak : order_)
        list_->addItem(ToQString(ShortName(tieBreak)));
    list_->setCurrentRow(current);
    const QString chosen = addCombo_->currentText();
    addCombo_->clear();
    for (const TieBreak& tieBreak : KnownTieBreaks()) {
        if (std::find(order_.begin(), order_.end(), tieBreak) == order_.end())
            addCombo_->addItem(ToQString(ShortName(tieBreak)));
    }
    addCombo_->setCurrentIndex(std::max(0, addCombo_->findText(chosen)));
    const int last = static_cast<int>(order_.size()) - 1;
    addButton_->setEnabled(addCombo_->count() > 0);
    removeButton_->setEnabled(current >= 0);
    upButton_->setEnabled(current > 0);
    downButton_->setEnabled(current >= 0 && current < last);
}

void TieBreakOrderEditor::changeTo(std::vector<TieBreak> order, int current) {
    order_ = std::move(order);
    showOrder(current);
    emit orderChanged();
}

void TieBreakOrderEditor::addChosen() {
    const std::optional<TieBreak> chosen = ParseTieBreak(ToStdString(addCombo_->currentText()));
    if (!chosen)
        return;
    std::vector<TieBreak> order = order_;
    order.push_back(*chosen);
    changeTo(std::move(order), static_cast<int>(order_.size()));
}

void TieBreakOrderEditor::removeCurrent() {
    const int current = list_->currentRow();
    if (current < 0)
        return;
    std::vector<TieBreak> order = order_;
    order.erase(order.begin() + current);
    const int next = std::min(current, static_cast<int>(order.size()) - 1);
    changeTo(std::move(order), next);
}

void TieBreakOrderEditor::moveCurrent(int step) {
    const int current = list_->currentRow();
    const int target = current + step;
    if (current < 0 || target < 0 || target >= static_cast<int>(order_.size()))
        return;
    std::vector<TieBreak> order = order_;
    std::swap(order[current], order[target]);
    changeTo(std::move(order), target);
}

} // namespace ranvik
