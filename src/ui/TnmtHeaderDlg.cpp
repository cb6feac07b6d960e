#include "ui/TnmtHeaderDlg.h"

#include "ui/ButtonBar.h"
#include "ui/Prompts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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

std::string Std(const QString& text) {
    return text.toStdString();
}
} // namespace

TTnmtHeaderDlg::TTnmtHeaderDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TnmtHeaderDlg"));
    setWindowTitle(QStringLiteral("Tournament information"));

    const OkCancelBar bar = MakeOkCancelBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &TTnmtHeaderDlg::OKBtnClick);

    TnmtNameLE = MakeEdit(this, "TnmtNameLE");
    ProvinceCombo = new QComboBox(this);
    ProvinceCombo->setObjectName(QStringLiteral("ProvinceCombo"));
    ProvinceCombo->setEditable(true);
    // What the user types is a value, not a new entry of the list.
    ProvinceCombo->setInsertPolicy(QComboBox::NoInsert);
    ProvinceCombo->addItems({QStringLiteral("AB"), QStringLiteral("BC"), QStringLiteral("MB"),
                             QStringLiteral("NB"), QStringLiteral("NL"), QStringLiteral("NT"),
                             QStringLiteral("NS"), QStringLiteral("NU"), QStringLiteral("ON"),
                             QStringLiteral("PE"), QStringLiteral("QC"), QStringLiteral("SK"),
                             QStringLiteral("YT")});
    ProvinceCombo->setMaxVisibleItems(13);
    ProvinceCombo->setCurrentIndex(-1);
    ProvinceCombo->setEditText(QString());
    ReferenceNumLE = MakeEdit(this, "ReferenceNumLE");
    TournamentTypeLabel = new QLabel(QStringLiteral("Swiss"), this);
    TournamentTypeLabel->setObjectName(QStringLiteral("TournamentTypeLabel"));
    EnddateLE = MakeEdit(this, "EnddateLE");
    TDNumLE = MakeEdit(this, "TDNumLE");
    OrganiserNumLE = MakeEdit(this, "OrganiserNumLE");

    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](QLabel* label, QWidget* field, QWidget* beside = nullptr) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (beside)
            grid->addWidget(beside, row, 2);
        ++row;
    };
    addRow(MakeLabel(this, "TnmtNameLabel", QStringLiteral("Name of tournament"), TnmtNameLE),
           TnmtNameLE);
    addRow(MakeLabel(this, "ProvinceLabel", QStringLiteral("Province"), ProvinceCombo),
           ProvinceCombo);
    addRow(MakeLabel(this, "ReferenceNumLabel", QStringLiteral("Reference number (if known)"),
                     ReferenceNumLE),
           ReferenceNumLE);
    addRow(MakeLabel(this, "TournamentTypeCaption", QStringLiteral("Tournament type"), nullptr),
           TournamentTypeLabel);
    addRow(MakeLabel(this, "EnddateLabel", QStringLiteral("Ending date of tournament"), EnddateLE),
           EnddateLE,
           MakeLabel(this, "DateHintLabel",
                     QStringLiteral("Use YYYY/MM/DD format, like \"2008/06/18\""), nullptr));
    addRow(MakeLabel(this, "TDNumLabel", QStringLiteral("Tournament director QRB number"), TDNumLE),
           TDNumLE);
    addRow(MakeLabel(this, "OrganiserNumLabel", QStringLiteral("Organiser QRB number"),
                     OrganiserNumLE),
           OrganiserNumLE);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar.panel);
    layout->addLayout(grid);
    layout->addStretch(1);

    setTabOrder(bar.ok, bar.cancel);
    setTabOrder(bar.cancel, TnmtNameLE);
    setTabOrder(TnmtNameLE, ProvinceCombo);
    setTabOrder(ProvinceCombo, ReferenceNumLE);
    setTabOrder(ReferenceNumLE, EnddateLE);
    setTabOrder(EnddateLE, TDNumLE);
    setTabOrder(TDNumLE, OrganiserNumLE);
}

void TTnmtHeaderDlg::setTournamentType(const QString& text) {
    TournamentTypeLabel->setText(text);
}

bool TTnmtHeaderDlg::ask() {
    return prompts::execModal(*this) == QDialog::Accepted;
}

TournamentInfo TTnmtHeaderDlg::info() const {
    TournamentInfo info;
    info.name = Std(TnmtNameLE->text());
    info.province = Std(ProvinceCombo->currentText());
    info.referenceNumber = Std(ReferenceNumLE->text());
    info.endDate = Std(EnddateLE->text());
    info.tdNumber = Std(TDNumLE->text());
    info.organiserNumber = Std(OrganiserNumLE->text());
    return info;
}

void TTnmtHeaderDlg::OKBtnClick() {
    const std::string fault = CheckTournamentInfo(info());
    if (!fault.empty()) {
        prompts::showError(this, QString::fromStdString(fault));
        return;
    }
    accept();
}

void TTnmtHeaderDlg::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace ranvik
