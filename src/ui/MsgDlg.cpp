#include "ui/MsgDlg.h"

#include "ui/Prompts.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ranvik {

namespace {
constexpr int kPanelHeight = 34;
constexpr int kMargin = 30;
constexpr int kBelowLabel = 50;

QPushButton* MakeButton(QWidget* parent, const char* name, int left, int width) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 3, width, 25);
    // None of the answers may be given by Enter alone: the user must pick one.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

TMsgDlg::TMsgDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("MsgDlg"));
    setWindowTitle(QStringLiteral("Message"));
    resize(422, 146);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(false);
    Label1->move(5, 5);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Button1 = MakeButton(Panel1, "Button1", 7, 90);
    Button2 = MakeButton(Panel1, "Button2", 103, 90);
    Button3 = MakeButton(Panel1, "Button3", 199, 91);
    Button4 = MakeButton(Panel1, "Button4", 295, 91);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);

    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(2); });
    connect(Button3, &QPushButton::clicked, this, [this] { done(3); });
    connect(Button4, &QPushButton::clicked, this, [this] { done(4); });
    placePanel();
}

void TMsgDlg::SetCaptions(const QString& message, const QString& caption1, const QString& caption2,
                          const QString& caption3, const QString& caption4) {
    // The program's line break is a lone CR; the label breaks lines at LF.
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(text);
    Button1->setText(caption1);
    Button2->setText(caption2);
    Button3->setText(caption3);
    Button4->setText(caption4);
}

int TMsgDlg::ask() {
    const int answer = prompts::execModal(*this);
    return answer >= 1 && answer <= 4 ? answer : 2;
}

void TMsgDlg::FormActivate() {
    Button3->setVisible(!Button3->text().isEmpty());
    Button4->setVisible(!Button4->text().isEmpty());
    Label1->adjustSize();
    const int byLabel = Label1->x() + Label1->width() + kMargin;
    const int byButtons = Button4->x() + Button4->width() + kMargin;
    resize(std::max(byLabel, byButtons), Label1->height() + kPanelHeight + kBelowLabel);
    placePanel();
}

void TMsgDlg::placePanel() {
    Panel1->setGeometry(0, height() - kPanelHeight, width(), kPanelHeight);
}

void TMsgDlg::showEvent(QShowEvent* event) {
    FormActivate();
    if (!parentWidget()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TMsgDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

void TMsgDlg::keyPressEvent(QKeyEvent* event) {
    // No button is the cancel button: Escape would otherwise answer 2, which is a real
    // choice here (round robin, active rating, append), not a way out.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TMsgDlg::resizeEvent(QResizeEvent* event) {
    placePanel();
    QDialog::resizeEvent(event);
}

} // namespace ranvik
