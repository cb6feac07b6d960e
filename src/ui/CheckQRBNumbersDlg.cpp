#include "ui/CheckQRBNumbersDlg.h"

#include "ui/ButtonBar.h"
#include "ui/Prompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ranvik {

const QString& TCheckQRBNumbersDlg::Explanation() {
    static const QString text =
        QStringLiteral("The following players have been flagged for your attention and \n"
                       "double-checking. They may be new QRB members or members \n"
                       "whose QRB numbers have been typed incorrectly.\n"
                       "\n"
                       "If any of this information is incorrect, click Cancel and correct it \n"
                       "before creating the rating report.\n");
    return text;
}

TCheckQRBNumbersDlg::TCheckQRBNumbersDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CheckQRBNumbersDlg"));
    setWindowTitle(QStringLiteral("QRB numbers and expirations"));

    const OkCancelBar bar = MakeOkCancelBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &QDialog::accept);

    // Plain text on the window's own background, no frame: an explanation, not a field.
    Memo2 = new QLabel(Explanation(), this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setTextFormat(Qt::PlainText);
    Memo2->setWordWrap(true);
    Memo2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar.panel);
    layout->addWidget(Memo2);
    layout->addWidget(Memo1, 1);
    resize(310, 395);
}

bool TCheckQRBNumbersDlg::ask(const QStringList& lines) {
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    return prompts::execModal(*this) == QDialog::Accepted;
}

} // namespace ranvik
