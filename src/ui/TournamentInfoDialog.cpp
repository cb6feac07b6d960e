#include "ui/TournamentInfoDialog.h"

#include "ui/ButtonBar.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ranvik {

namespace {
QLineEdit* MakeEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QComboBox* MakeProvinceCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("provinceCombo"));
    combo->setEditable(true);
    // What the user types is a value, not a new entry of the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems({QStringLiteral("AB"), QStringLiteral("BC"), QStringLiteral("MB"),
                     QStringLiteral("NB"), QStringLiteral("NL"), QStringLiteral("NT"),
                     QStringLiteral("NS"), QStringLiteral("NU"), QStringLiteral("ON"),
                     QStringLiteral("PE"), QStringLiteral("QC"), QStringLiteral("SK"),
                     QStringLiteral("YT")});
    combo->setMaxVisibleItems(13);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    return combo;
}
} // namespace

TournamentInfoDialog::TournamentInfoDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tournamentInfoDialog"));
    setWindowTitle(QStringLiteral("Tournament information"));

    const OkCancelBar bar = MakeOkCancelBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &TournamentInfoDialog::acceptIfValid);

    nameEdit_ = MakeEdit(this, "nameEdit");
    provinceCombo_ = MakeProvinceCombo(this);
    referenceNumberEdit_ = MakeEdit(this, "referenceNumberEdit");
    tournamentTypeLabel_ = new QLabel(QStringLiteral("Swiss"), this);
    tournamentTypeLabel_->setObjectName(QStringLiteral("tournamentTypeLabel"));
    endDateEdit_ = MakeEdit(this, "endDateEdit");
    directorNumberEdit_ = MakeEdit(this, "directorNumberEdit");
    organiserNumberEdit_ = MakeEdit(this, "organiserNumberEdit");

    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](QLabel* label, QWidget* field, QWidget* beside = nullptr) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (beside)
            grid->addWidget(beside, row, 2);
        ++row;
    };
    addRow(MakeLabel(this, "nameLabel", QStringLiteral("Name of tournament"), nameEdit_),
           nameEdit_);
    addRow(MakeLabel(this, "provinceLabel", QStringLiteral("Province"), provinceCombo_),
           provinceCombo_);
    addRow(MakeLabel(this, "referenceNumberLabel", QStringLiteral("Reference number (if known)"),
                     referenceNumberEdit_),
           referenceNumberEdit_);
    addRow(MakeLabel(this, "tournamentTypeCaption", QStringLiteral("Tournament type"), nullptr),
           tournamentTypeLabel_);
    addRow(
        MakeLabel(this, "endDateLabel", QStringLiteral("Ending date of tournament"), endDateEdit_),
        endDateEdit_,
        MakeLabel(this, "dateHintLabel",
                  QStringLiteral("Use YYYY/MM/DD format, like \"2008/06/18\""), nullptr));
    addRow(MakeLabel(this, "directorNumberLabel", QStringLiteral("Tournament director QRB number"),
                     directorNumberEdit_),
           directorNumberEdit_);
    addRow(MakeLabel(this, "organiserNumberLabel", QStringLiteral("Organiser QRB number"),
                     organiserNumberEdit_),
           organiserNumberEdit_);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar.panel);
    layout->addLayout(grid);
    layout->addStretch(1);

    setTabOrder(bar.ok, bar.cancel);
    setTabOrder(bar.cancel, nameEdit_);
    setTabOrder(nameEdit_, provinceCombo_);
    setTabOrder(provinceCombo_, referenceNumberEdit_);
    setTabOrder(referenceNumberEdit_, endDateEdit_);
    setTabOrder(endDateEdit_, directorNumberEdit_);
    setTabOrder(directorNumberEdit_, organiserNumberEdit_);
}

void TournamentInfoDialog::setTournamentType(const QString& text) {
    tournamentTypeLabel_->setText(text);
}

bool TournamentInfoDialog::ask() {
    return prompts::execModal(*this) == QDialog::Accepted;
}

TournamentInfo TournamentInfoDialog::info() const {
    TournamentInfo info;
    info.name = ToStdString(nameEdit_->text());
    info.province = ToStdString(provinceCombo_->currentText());
    info.referenceNumber = ToStdString(referenceNumberEdit_->text());
    info.endDate = ToStdString(endDateEdit_->text());
    info.tdNumber = ToStdString(directorNumberEdit_->text());
    info.organiserNumber = ToStdString(organiserNumberEdit_->text());
    return info;
}

void TournamentInfoDialog::clearFields() {
    for (QLineEdit* edit :
         {nameEdit_, referenceNumberEdit_, endDateEdit_, directorNumberEdit_, organiserNumberEdit_})
        edit->clear();
    provinceCombo_->setCurrentIndex(-1);
    provinceCombo_->setEditText(QString());
}

void TournamentInfoDialog::acceptIfValid() {
    const std::string fault = CheckTournamentInfo(info());
    if (!fault.empty()) {
        prompts::showError(this, ToQString(fault));
        return;
    }
    accept();
}

void TournamentInfoDialog::showEvent(QShowEvent* event) {
    CenterOnScreen(*this);
    QDialog::showEvent(event);
}

} // namespace ranvik
