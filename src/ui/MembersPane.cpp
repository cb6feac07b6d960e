#include "ui/MembersPane.h"

#include "members/MemberDatabase.h"
#include "members/MembersTableChoice.h"
#include "members/StartupDatabase.h"
#include "ui/MembersModel.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace ranvik {

namespace {

// Restored before any message box is shown, so the box never gets the busy cursor.
class BusyCursor {
  public:
    BusyCursor() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // Let the window repaint before the blocking read.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The database's members table, read whole; throws std::runtime_error on any failure.
std::unique_ptr<MemberTable> ReadTableOf(const QString& path) {
    const std::unique_ptr<MemberDatabase> database = OpenMemberDatabase(ToCorePath(path));
    return std::make_unique<MemberTable>(ReadMembersTable(*database));
}

} // namespace

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
    controls_ = new QWidget;
    controls_->setObjectName(QStringLiteral("memberControls"));
    controls_->setLayout(buildControls(controls_));
    auto* scroller = new QScrollArea(listPage_);
    scroller->setObjectName(QStringLiteral("memberControlsScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(controls_);
    scroller->setFixedHeight(controls_->sizeHint().height() +
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
    model_ = new MembersModel(this);
    setUpView();
    connectControls();
}

void MembersPane::setUpView() {
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setTabKeyNavigation(true);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().lineSpacing() +
                                                   view_->fontMetrics().height() / 3);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A selected row does not turn every title bold.
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->setWordWrap(false);
}

void MembersPane::connectControls() {
    // After the drop has finished, so an error box does not stand in the drag's way.
    connect(this, &MembersPane::fileDropped, this, [this](const QString& path) {
        QTimer::singleShot(0, this, [this, path] { openDatabaseFile(path); });
    });
    connect(loadButton_, &QPushButton::clicked, this, &MembersPane::loadRequested);
    connect(view_, &QTableView::doubleClicked, this, &MembersPane::loadRequested);
    connect(nameSearch_, &QLineEdit::textChanged, this,
            [this](const QString& text) { search(nameSearch_, MemberOrder::Name, text); });
    connect(numberSearch_, &QLineEdit::textChanged, this,
            [this](const QString& text) { search(numberSearch_, MemberOrder::Number, text); });
    for (QLineEdit* box : {nameSearch_, numberSearch_})
        connect(box, &QLineEdit::returnPressed, this, [this, box] { loadFoundMember(box); });

    // Clicks and arrow keys in the view move the shown ordering's current record.
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                MemberOrdering* ordering = model_->ordering();
                if (syncing_ || !ordering || !current.isValid())
                    return;
                const int old = static_cast<int>(ordering->position());
                ordering->setPosition(static_cast<std::size_t>(current.row()));
                model_->currentMoved(old, current.row());
            });

    auto navigate = [this](const char* name, void (MemberOrdering::*move)()) {
        auto* button = navigator_->findChild<QToolButton*>(QString::fromLatin1(name));
        connect(button, &QToolButton::clicked, this, [this, move] {
            MemberOrdering* ordering = model_->ordering();
            if (!ordering)
                return;
            (ordering->*move)();
            showCurrentMember();
        });
    };
    navigate("firstMemberButton", &MemberOrdering::first);
    navigate("previousMemberButton", &MemberOrdering::prior);
    navigate("nextMemberButton", &MemberOrdering::next);
    navigate("lastMemberButton", &MemberOrdering::last);
}

const MemberTable* MembersPane::table() const {
    return model_->table();
}

const MemberOrdering* MembersPane::ordering() const {
    return model_->ordering();
}

MemberOrder MembersPane::order() const {
    return model_->order();
}

void MembersPane::showCurrentMember() {
    MemberOrdering* ordering = model_->ordering();
    if (!ordering || ordering->size() == 0)
        return;
    const int row = static_cast<int>(ordering->position());
    const QModelIndex index = model_->index(row, std::max(view_->currentIndex().column(), 0));
    syncing_ = true;
    view_->setCurrentIndex(index);
    view_->selectRow(row);
    syncing_ = false;
    view_->scrollTo(index);
    model_->currentMoved(-1, row);
}

void MembersPane::showOrder(MemberOrder order) {
    model_->setOrder(order);
    emit orderShown(order);
    applyColumnWidths();
    showCurrentMember();
}

void MembersPane::addOrderActions(QMenu& menu) {
    auto* orders = new QActionGroup(&menu);
    const std::tuple<const char*, QString, MemberOrder> items[] = {
        {"orderByNameAction", tr("&Name"), MemberOrder::Name},
        {"orderByNumberAction", tr("&I.D."), MemberOrder::Number},
        {"orderByProvinceAction", tr("&Province"), MemberOrder::Province},
    };
    for (const auto& [name, caption, order] : items) {
        QAction* action = menu.addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(order == model_->order());
        action->setData(static_cast<int>(order));
        orders->addAction(action);
        connect(action, &QAction::triggered, this, [this, order = order] { showOrder(order); });
    }
    connect(this, &MembersPane::orderShown, orders, [orders](MemberOrder order) {
        for (QAction* action : orders->actions())
            action->setChecked(action->data().toInt() == static_cast<int>(order));
    });
}

void MembersPane::openAtStart(const QString& stored, const QString& programFolder) {
    const QString remembered = stored.isEmpty() ? databasePath_ : stored;
    const StartupDatabase choice =
        ChooseStartupDatabase(ToCorePath(remembered), ToCorePath(programFolder));
    databasePath_ = ToQString(choice.path);
    if (choice.open && readDatabase(databasePath_, remembered.isEmpty()))
        return;
    if (remembered.isEmpty()) {
        // A default that is not there is no news, and nothing to remember either.
        if (!choice.open)
            databasePath_.clear();
        return;
    }
    const StartupDatabase fallback = ChooseStartupDatabase("", ToCorePath(programFolder));
    const QString fallbackPath = ToQString(fallback.path);
    if (fallbackPath == databasePath_)
        return;
    // The remembered file is gone or broken: the director hears once which file failed, and
    // the one beside the program stands in when it is there. When it is not, the remembered
    // path stays remembered (the file may come back with its stick or share).
    if (!fallback.open) {
        prompts::showError(window(),
                           tr("Cannot open the membership database %1.").arg(databasePath_));
        return;
    }
    prompts::showError(window(), tr("Cannot open the membership database %1; using %2 instead.")
                                     .arg(databasePath_, fallbackPath));
    if (readDatabase(fallbackPath, false))
        databasePath_ = fallbackPath;
}

bool MembersPane::readDatabase(const QString& path, bool tellFailure) {
    std::unique_ptr<MemberTable> table;
    try {
        const BusyCursor busy;
        table = ReadTableOf(path);
    } catch (const std::exception&) {
        // The database shown before, if any, stays shown.
        if (tellFailure)
            prompts::showError(window(), tr("Error setting up the database: ") + path);
        return false;
    }
    membersTable_ = ToQString(table->tableName());
    setDatabaseOpen(true);
    // A new database starts in the name ordering, where the Name box searches.
    model_->setTable(std::move(table), MemberOrder::Name);
    showOrder(MemberOrder::Name);
    return true;
}

void MembersPane::openDatabaseFile(const QString& path) {
    // Only a file that opened is remembered: a failed choice leaves the last good one.
    if (readDatabase(path, true))
        databasePath_ = QDir::toNativeSeparators(path);
}

void MembersPane::applyColumnWidths() {
    // Every column as wide as its heading and its widest value, within reason: names stay
    // readable and headings whole.
    const int limit = view_->fontMetrics().averageCharWidth() * 40;
    for (int column = 0; column < model_->columnCount(); ++column) {
        view_->resizeColumnToContents(column);
        view_->setColumnWidth(column, std::min(view_->columnWidth(column), limit));
    }
}

void MembersPane::search(QLineEdit* box, MemberOrder order, const QString& text) {
    if (model_->order() != order)
        showOrder(order);
    // With no database open there is nothing to search; each keystroke passes quietly.
    MemberOrdering* ordering = model_->ordering();
    if (!ordering)
        return;
    const bool found = ordering->find(text.toStdString());
    if (found)
        showCurrentMember();
    // A search that finds nothing says so and leaves the view where it was, so nobody
    // loads the member shown before by mistake.
    const bool missing = !found && !text.isEmpty();
    for (QLineEdit* other : {nameSearch_, numberSearch_})
        other->setProperty("noMatch", other == box && missing);
    box->setStyleSheet(missing ? QStringLiteral("QLineEdit { background: #ffd8d8; }") : QString());
    (box == nameSearch_ ? numberSearch_ : nameSearch_)->setStyleSheet({});
    noMatchLabel_->setText(missing ? tr("No member starts with \u201C%1\u201D").arg(text)
                                   : QString());
    noMatchLabel_->setVisible(missing);
}

void MembersPane::setShown(bool shown) {
    // The pane goes with the view, so the splitter gives the chart the whole width.
    setVisible(shown);
    if (!shown)
        noMatchLabel_->setVisible(false);
}

void MembersPane::focusNameSearch() {
    nameSearch_->setFocus(Qt::ShortcutFocusReason);
    nameSearch_->selectAll();
}

void MembersPane::loadFoundMember(QLineEdit* search) {
    // A search that found nothing leaves the member shown before: loading it would be a
    // mistake the director cannot see.
    if (search->property("noMatch").toBool() || !model_->ordering())
        return;
    emit loadRequested();
    search->selectAll(); // the next name typed replaces this one
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

int MembersPane::wholeControlsWidth() const {
    const QMargins margins = contentsMargins();
    return controls_->sizeHint().width() + margins.left() + margins.right();
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
