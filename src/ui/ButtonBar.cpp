#include "ui/ButtonBar.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace ranvik {

OkCancelBar MakeOkCancelBar(QDialog* dialog) {
    OkCancelBar bar;
    auto* box = new QDialogButtonBox(dialog);
    box->setObjectName(QStringLiteral("buttonBar"));
    bar.panel = box;
    bar.ok = box->addButton(QDialog::tr("&OK"), QDialogButtonBox::AcceptRole);
    bar.ok->setObjectName(QStringLiteral("okButton"));
    bar.ok->setDefault(true);
    bar.cancel = box->addButton(QDialog::tr("&Cancel"), QDialogButtonBox::RejectRole);
    bar.cancel->setObjectName(QStringLiteral("cancelButton"));
    bar.cancel->setAutoDefault(false);
    QObject::connect(bar.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return bar;
}

OkBar MakeOkBar(QDialog* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    box->setObjectName(QStringLiteral("buttonBar"));
    QPushButton* ok = box->addButton(QDialog::tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return {box, ok};
}

} // namespace ranvik
