#include "ui/ButtonBar.h"

#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

namespace ranvik {

OkCancelBar MakeOkCancelBar(QDialog* dialog) {
    OkCancelBar bar;
    bar.panel = new QWidget(dialog);
    bar.panel->setObjectName(QStringLiteral("buttonBar"));
    bar.ok = new QPushButton(QStringLiteral("&OK"), bar.panel);
    bar.ok->setObjectName(QStringLiteral("okButton"));
    bar.ok->setDefault(true);
    bar.cancel = new QPushButton(QStringLiteral("&Cancel"), bar.panel);
    bar.cancel->setObjectName(QStringLiteral("cancelButton"));
    bar.cancel->setAutoDefault(false);
    auto* layout = new QHBoxLayout(bar.panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar.ok);
    layout->addWidget(bar.cancel);
    layout->addStretch(1);
    QObject::connect(bar.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return bar;
}

OkBar MakeOkBar(QDialog* dialog) {
    auto* panel = new QFrame(dialog);
    panel->setObjectName(QStringLiteral("buttonBar"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedHeight(26);
    auto* ok = new QPushButton(QStringLiteral("&OK"), panel);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(0, 0, 75, 25);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return {panel, ok};
}

} // namespace ranvik
