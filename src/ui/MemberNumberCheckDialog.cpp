#include "ui/MemberNumberCheckDialog.h"

#include "ui/ButtonBar.h"
#include "ui/Prompts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ranvik {

QString MemberNumberCheckDialog::Explanation() {
    return tr("The following players have been flagged for your attention and \n"
              "double-checking. They may be new QRB members or members \n"
              "whose QRB numbers have been typed incorrectly.\n"
              "\n"
              "If any of this information is incorrect, click Cancel and correct it \n"
              "before creating the rating report.\n");
}

MemberNumberCheckDialog::MemberNumberCheckDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("memberNumberCheckDialog"));
    setWindowTitle(tr("QRB numbers and expirations"));

    const OkCancelBar bar = MakeOkCancelBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &QDialog::accept);

    // Plain text on the window's own background, no frame: an explanation, not a field.
    explanationText_ = new QLabel(Explanation(), this);
    explanationText_->setObjectName(QStringLiteral("explanationText"));
    explanationText_->setTextFormat(Qt::PlainText);
    explanationText_->setWordWrap(true);
    explanationText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    flaggedNumbersList_ = new QPlainTextEdit(this);
    flaggedNumbersList_->setObjectName(QStringLiteral("flaggedNumbersList"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanationText_);
    layout->addWidget(flaggedNumbersList_, 1);
    layout->addWidget(bar.panel);
    // The explanation keeps its own line breaks: the label is as wide as its widest line, so
    // word wrapping never breaks a line in two.
    int widest = 0;
    const QFontMetrics metrics = explanationText_->fontMetrics();
    for (const QString& line : Explanation().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    explanationText_->setMinimumWidth(widest + metrics.averageCharWidth());
    flaggedNumbersList_->setMinimumHeight(metrics.lineSpacing() * 10);
}

bool MemberNumberCheckDialog::ask(const QStringList& lines) {
    flaggedNumbersList_->setPlainText(lines.join(QLatin1Char('\n')));
    return prompts::execModal(*this) == QDialog::Accepted;
}

} // namespace ranvik
