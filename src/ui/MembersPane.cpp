#include "ui/MembersPane.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ranvik {

MembersPane::MembersPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("membersPanel"));
    setAcceptDrops(true);
    pages_ = new QStackedLayout(this);
    pages_->setContentsMargins(0, 0, 0, 0);

    notePage_ = new QWidget(this);
    notePage_->setObjectName(QStringLiteral("noDatabasePage"));
    auto* note = new QVBoxLayout(notePage_);
    auto* text = new QLabel(tr("No membership database is open. Database > Open database\u2026 "
                               "or drop an .mdb/.mde/.sqlite file here."),
                            notePage_);
    text->setObjectName(QStringLiteral("noDatabaseLabel"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    openButton_ = new QPushButton(tr("&Open database\u2026"), notePage_);
    openButton_->setObjectName(QStringLiteral("openDatabaseButton"));
    note->addStretch(1);
    note->addWidget(text);
    note->addWidget(openButton_, 0, Qt::AlignHCenter);
    note->addStretch(2);
    connect(openButton_, &QPushButton::clicked, this, &MembersPane::openRequested);

    listPage_ = new QWidget(this);
    auto* list = new QVBoxLayout(listPage_);
    list->setContentsMargins(0, 0, 0, 0);
    // The controls scroll sideways in a list squeezed narrower than they are, rather than
    // losing a piece: the chart comes first when the window is small.
    auto* controls = new QWidget;
    controls->setObjectName(QStringLiteral("memberControls"));
    controls->setLayout(buildControls(controls));
    auto* scroller = new QScrollArea(listPage_);
    scroller->setObjectName(QStringLiteral("memberControlsScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(controls);
    scroller->setFixedHeight(controls->sizeHint().height() +
                             scroller->horizontalScrollBar()->sizeHint().height());
    scroller->setMinimumWidth(fontMetrics().averageCharWidth() * 16);
    list->addWidget(scroller);
    noMatchLabel_ = new QLabel(listPage_);
    noMatchLabel_->setObjectName(QStringLiteral("noMatchLabel"));
    noMatchLabel_->setWordWrap(true);
    noMatchLabel_->setVisible(false);
    view_ = new QTableView(listPage_);
    view_->setObjectName(QStringLiteral("membersView"));
    list->addWidget(noMatchLabel_);
    list->addWidget(view_);

    pages_->addWidget(notePage_);
    pages_->addWidget(listPage_);
    setFocusProxy(openButton_);
}

QLayout* MembersPane::buildControls(QWidget* holder) {
    auto* nameLabel = new QLabel(tr("&Name"), holder);
    nameLabel->setObjectName(QStringLiteral("memberNameLabel"));
    nameSearch_ = new QLineEdit(holder);
    nameSearch_->setObjectName(QStringLiteral("memberNameSearch"));
    nameLabel->setBuddy(nameSearch_);
    auto* numberLabel = new QLabel(tr("Nu&mber"), holder);
    numberLabel->setObjectName(QStringLiteral("memberNumberLabel"));
    numberSearch_ = new QLineEdit(holder);
    numberSearch_->setObjectName(QStringLiteral("memberNumberSearch"));
    numberLabel->setBuddy(numberSearch_);
    loadButton_ = new QPushButton(tr("&Load player from database (dbl-click)"), holder);
    loadButton_->setObjectName(QStringLiteral("loadMemberButton"));

    navigator_ = new QWidget(holder);
    navigator_->setObjectName(QStringLiteral("memberNavigator"));
    auto* nav = new QHBoxLayout(navigator_);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(0);
    const std::pair<const char*, const char*> buttons[] = {{"firstMemberButton", "|\u25C0"},
                                                           {"previousMemberButton", "\u25C0"},
                                                           {"nextMemberButton", "\u25B6"},
                                                           {"lastMemberButton", "\u25B6|"}};
    const QString hints[] = {tr("First record"), tr("Prior record"), tr("Next record"),
                             tr("Last record")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(navigator_);
        button->setObjectName(QString::fromLatin1(buttons[i].first));
        button->setText(QString::fromUtf8(buttons[i].second));
        button->setToolTip(hints[i]);
        nav->addWidget(button);
    }

    // Name and number beside their labels; the load button and the record buttons under
    // them: a narrow column, so the chart keeps the width.
    auto* grid = new QGridLayout;
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameSearch_, 0, 1);
    grid->addWidget(numberLabel, 1, 0);
    grid->addWidget(numberSearch_, 1, 1);
    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->addWidget(loadButton_);
    buttonsRow->addWidget(navigator_);
    buttonsRow->addStretch(1);
    grid->addLayout(buttonsRow, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return grid;
}

void MembersPane::setDatabaseOpen(bool open) {
    pages_->setCurrentWidget(open ? listPage_ : notePage_);
    // F6 and the window's focus moves land on what the page shows.
    setFocusProxy(open ? static_cast<QWidget*>(view_) : openButton_);
}

bool MembersPane::databaseOpen() const {
    return pages_->currentWidget() == listPage_;
}

QString MembersPane::DroppedDatabase(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char* known : {"mdb", "mde", "sqlite", "db"}) {
        if (suffix == QLatin1String(known))
            return path;
    }
    return {};
}

void MembersPane::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void MembersPane::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedDatabase(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MembersPane::dropEvent(QDropEvent* event) {
    const QString path = DroppedDatabase(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit fileDropped(path);
}

} // namespace ranvik
