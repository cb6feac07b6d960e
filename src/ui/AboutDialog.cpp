#include "ui/AboutDialog.h"

#include "ui/ButtonBar.h"
#include "ui/WindowPlacement.h"

#include "Version.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ranvik {

namespace {

// A knight's head in profile, facing left, in a 100 x 120 box.
QPainterPath KnightPath() {
    QPainterPath path;
    path.moveTo(20, 120);
    path.lineTo(90, 120);
    path.cubicTo(92, 90, 88, 60, 78, 40);
    path.cubicTo(72, 26, 60, 14, 48, 10);
    path.lineTo(44, 0);
    path.lineTo(36, 12);
    path.cubicTo(24, 18, 10, 34, 4, 52);
    path.lineTo(2, 64);
    path.cubicTo(8, 70, 16, 70, 24, 64);
    path.cubicTo(32, 60, 40, 60, 46, 62);
    path.cubicTo(36, 76, 26, 96, 20, 120);
    path.closeSubpath();
    return path;
}

QPixmap DrawPicture() {
    QPixmap picture(320, 235);
    picture.fill(QColor(240, 232, 208));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A corner of the board, seen from the lower right.
    const int square = 40;
    const QColor light(238, 220, 178);
    const QColor dark(150, 104, 64);
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 8; ++col)
            painter.fillRect(col * square, 235 - (6 - row) * square + 5, square, square,
                             (row + col) % 2 ? dark : light);
    }

    // The knight stands on the board, shadow first.
    painter.translate(185, 95);
    painter.scale(1.05, 1.05);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(KnightPath().translated(6, 4));
    painter.setBrush(QColor(30, 30, 40));
    painter.setPen(QPen(QColor(200, 200, 210), 2));
    painter.drawPath(KnightPath());
    painter.setBrush(QColor(230, 230, 235));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(34, 34), 4, 4);
    return picture;
}

QFont LabelFont(QFont::StyleHint hint, const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(true);
    return font;
}

QLabel* MakeOverlay(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Ranvik"));

    const OkBar bar = MakeOkBar(this);
    okButton_ = bar.ok;

    auto* content = new QFrame(this);
    content->setObjectName(QStringLiteral("contentPanel"));
    content->setFrameStyle(QFrame::Panel | QFrame::Raised);
    content->setLineWidth(6);

    auto* picture = new QLabel(content);
    picture->setObjectName(QStringLiteral("pictureLabel"));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(DrawPicture());

    QLabel* programName = MakeOverlay(content, "programNameLabel", QStringLiteral("Ranvik"),
                                      LabelFont(QFont::Serif, QStringLiteral("Serif"), 37, true));
    QLabel* version =
        MakeOverlay(content, "versionLabel", tr("Version %1").arg(QStringLiteral(RANVIK_VERSION)),
                    LabelFont(QFont::SansSerif, QStringLiteral("Sans Serif"), 19, false));
    // The name and version sit over the picture's top left corner, in the same grid cell.
    auto* titles = new QVBoxLayout;
    titles->setContentsMargins(10, 4, 10, 4);
    titles->addWidget(programName, 0, Qt::AlignLeft);
    titles->addWidget(version, 0, Qt::AlignLeft);
    titles->addStretch(1);

    auto* credits = new QPlainTextEdit(content);
    credits->setObjectName(QStringLiteral("creditsText"));
    credits->setReadOnly(true);
    credits->setPlainText(
        tr("Ranvik - rating reports for chess tournament directors.\n\n"
           "Send the two files it writes, the .qtr report and the .tms chart, to the QRB rating "
           "office.\n\n"
           "Questions about ratings or membership numbers: your federation's rating office."));
    credits->setMinimumHeight(credits->fontMetrics().lineSpacing() * 8);

    auto* grid = new QGridLayout(content);
    grid->addWidget(picture, 0, 0);
    grid->addLayout(titles, 0, 0);
    grid->addWidget(credits, 1, 0);
    grid->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content, 1);
    layout->addWidget(bar.panel);
    okButton_->setFocus();
}

void AboutDialog::showEvent(QShowEvent* event) {
    CenterOnScreen(*this);
    // Enter closes the window straight away, whatever had the focus last time.
    okButton_->setFocus();
    QDialog::showEvent(event);
}

} // namespace ranvik
