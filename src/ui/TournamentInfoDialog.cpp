#include "ui/TournamentInfoDialog.h"

#include "ui/ButtonBar.h"
#include "ui/MessageText.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

#include <QComboBox>
#include <QFormLayout>
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
    setWindowTitle(tr("Tournament information"));

    const OkCancelBar bar = MakeOkCancelBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &TournamentInfoDialog::acceptIfValid);

    nameEdit_ = MakeEdit(this, "nameEdit");
    provinceCombo_ = MakeProvinceCombo(this);
    referenceNumberEdit_ = MakeEdit(this, "referenceNumberEdit");
    tournamentTypeLabel_ = new QLabel(tr("Swiss"), this);
    tournamentTypeLabel_->setObjectName(QStringLiteral("tournamentTypeLabel"));
    endDateEdit_ = MakeEdit(this, "endDateEdit");
    directorNumberEdit_ = MakeEdit(this, "directorNumberEdit");
    organiserNumberEdit_ = MakeEdit(this, "organiserNumberEdit");

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto addRow = [&](QLabel* label, QWidget* field) { form->addRow(label, field); };
    addRow(MakeLabel(this, "nameLabel", tr("Name of tournament"), nameEdit_), nameEdit_);
    addRow(MakeLabel(this, "provinceLabel", tr("Province"), provinceCombo_), provinceCombo_);
    addRow(MakeLabel(this, "referenceNumberLabel", tr("Reference number (if known)"),
                     referenceNumberEdit_),
           referenceNumberEdit_);
    addRow(MakeLabel(this, "tournamentTypeCaption", tr("Tournament type"), nullptr),
           tournamentTypeLabel_);
    addRow(MakeLabel(this, "endDateLabel", tr("Ending date of tournament"), endDateEdit_),
           endDateEdit_);
    // The hint goes under the date field, where it has the field's whole width.
    QLabel* hint =
        MakeLabel(this, "dateHintLabel", tr("Use YYYY/MM/DD format, like \"2008/06/18\""), nullptr);
    hint->setWordWrap(true);
    form->addRow(QString(), hint);
    addRow(MakeLabel(this, "directorNumberLabel", tr("Tournament director QRB number"),
                     directorNumberEdit_),
           directorNumberEdit_);
    addRow(
        MakeLabel(this, "organiserNumberLabel", tr("Organiser QRB number"), organiserNumberEdit_),
        organiserNumberEdit_);
    nameEdit_->setMinimumWidth(nameEdit_->fontMetrics().averageCharWidth() * 30);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(bar.panel);

    setTabOrder(nameEdit_, provinceCombo_);
    setTabOrder(provinceCombo_, referenceNumberEdit_);
    setTabOrder(referenceNumberEdit_, endDateEdit_);
    setTabOrder(endDateEdit_, directorNumberEdit_);
    setTabOrder(directorNumberEdit_, organiserNumberEdit_);
    setTabOrder(organiserNumberEdit_, bar.ok);
    setTabOrder(bar.ok, bar.cancel);
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
    filled_ = false;
}

void TournamentInfoDialog::acceptIfValid() {
    const Message fault = CheckTournamentInfo(info());
    if (!fault.empty()) {
        prompts::showError(this, MessageText(fault));
        return;
    }
    filled_ = true;
    accept();
}

void TournamentInfoDialog::showEvent(QShowEvent* event) {
    CenterOnScreen(*this);
    QDialog::showEvent(event);
    // The director starts typing the tournament's name, not pressing OK.
    nameEdit_->setFocus();
}

} // namespace ranvik
