#include "ui/AboutDlg.h"

#include "ui/ButtonBar.h"

#include "Version.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
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

TAboutDlg::TAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(QStringLiteral("About Ranvik"));
    resize(325, 470);

    QWidget* panel1 = MakeOkPanel(this);

    auto* panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel2->setLineWidth(6);

    // The picture is drawn from its top left corner and clipped by its frame.
    auto* image = new QLabel(panel2);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(8, 9, 305, 237);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(DrawPicture());

    Label1 = MakeOverlay(panel2, "Label1", QStringLiteral("Ranvik"),
                         LabelFont(QFont::Serif, QStringLiteral("Serif"), 37, true));
    Label1->setGeometry(19, 10, 230, 44);
    VersionLabel =
        MakeOverlay(panel2, "VersionLabel", tr("Version %1").arg(QStringLiteral(RANVIK_VERSION)),
                    LabelFont(QFont::SansSerif, QStringLiteral("Sans Serif"), 19, false));
    VersionLabel->adjustSize();
    VersionLabel->move(16, 54);

    Memo1 = new QPlainTextEdit(panel2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(8, 249, 232, 142);
    Memo1->setPlainText(QStringLiteral(
        "Ranvik - rating reports for chess tournament directors.\n\n"
        "Send the two files it writes, the .qtr report and the .tms chart, to the QRB rating "
        "office.\n\n"
        "Questions about ratings or membership numbers: your federation's rating office."));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel1);
    layout->addWidget(panel2, 1);
    findChild<QPushButton*>(QStringLiteral("OKBtn"))->setFocus();
}

void TAboutDlg::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    findChild<QPushButton*>(QStringLiteral("OKBtn"))->setFocus();
    QDialog::showEvent(event);
}

} // namespace ranvik
