// The main window's membership database panel: opening the database, its orderings,
// searching, and loading the current member into the chart.

#include "ui/MainWindow.h"

#include "ui/ChartView.h"
#include "ui/MembersModel.h"
#include "ui/MembersPane.h"
#include "ui/MembersPanel.h"
#include "ui/MessageText.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPrompts.h"

#include "members/MemberDatabase.h"
#include "members/MembersTableChoice.h"
#include "members/StartupDatabase.h"
#include "settings/Settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <stdexcept>

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

void MainWindow::buildMembersPanel() {
    members_ = std::make_unique<MembersPanel>();
    members_->model = new MembersModel(this);

    noMatchLabel_ = membersPane_->noMatchLabel();
    connect(membersPane_, &MembersPane::openRequested, this, &MainWindow::chooseDatabase);
    // After the drop has finished, so an error box does not stand in the drag's way.
    connect(membersPane_, &MembersPane::fileDropped, this, [this](const QString& path) {
        QTimer::singleShot(0, this, [this, path] { openDatabaseFile(path); });
    });
    connect(loadMemberButton_, &QPushButton::clicked, this, &MainWindow::loadMember);
    connect(memberNameSearch_, &QLineEdit::textChanged, this, &MainWindow::searchByName);
    connect(memberNumberSearch_, &QLineEdit::textChanged, this, &MainWindow::searchByNumber);
    for (QLineEdit* search : {memberNameSearch_, memberNumberSearch_}) {
        connect(search, &QLineEdit::returnPressed, this,
                [this, search] { loadFoundMember(search); });
    }

    membersView_->setModel(members_->model);
    membersView_->verticalHeader()->setDefaultSectionSize(
        membersView_->fontMetrics().lineSpacing() + membersView_->fontMetrics().height() / 3);
    membersView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    membersView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A selected row does not turn every title bold.
    membersView_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    membersView_->horizontalHeader()->setHighlightSections(false);
    membersView_->setWordWrap(false);

    // Clicks and arrow keys in the view move the shown ordering's current record.
    connect(membersView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                MemberOrdering* ordering = members_->model->ordering();
                if (members_->syncing || !ordering || !current.isValid())
                    return;
                const int old = static_cast<int>(ordering->position());
                ordering->setPosition(static_cast<std::size_t>(current.row()));
                members_->model->currentMoved(old, current.row());
            });
    connect(membersView_, &QTableView::doubleClicked, this, &MainWindow::loadMember);

    auto navigate = [this](const char* name, void (MemberOrdering::*move)()) {
        auto* button = memberNavigator_->findChild<QToolButton*>(QString::fromLatin1(name));
        connect(button, &QToolButton::clicked, this, [this, move] {
            MemberOrdering* ordering = members_->model->ordering();
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

// Puts the view's current row, selection and record indicator on the shown ordering's
// current record.
void MainWindow::showCurrentMember() {
    MemberOrdering* ordering = members_->model->ordering();
    if (!ordering || ordering->size() == 0)
        return;
    const int row = static_cast<int>(ordering->position());
    const QModelIndex index =
        members_->model->index(row, std::max(membersView_->currentIndex().column(), 0));
    members_->syncing = true;
    membersView_->setCurrentIndex(index);
    membersView_->selectRow(row);
    members_->syncing = false;
    membersView_->scrollTo(index);
    members_->model->currentMoved(-1, row);
}

// Shows one ordering at its own current record; the search then looks in its field.
void MainWindow::showMemberOrder(MemberOrder order) {
    members_->model->setOrder(order);
    orderByNameAction_->setChecked(order == MemberOrder::Name);
    orderByNumberAction_->setChecked(order == MemberOrder::Number);
    orderByProvinceAction_->setChecked(order == MemberOrder::Province);
    applyMemberColumnWidths();
    showCurrentMember();
}

void MainWindow::openStartupDatabase() {
    // A settings file read only in part is never written back (that would lose the rest):
    // the director hears it once, here.
    if (const Message& fault = settings_->fault(); !fault.empty())
        statusBar()->showMessage(tr("The settings file %1 is left as it is, since %2; changed "
                                    "settings are not remembered.")
                                     .arg(ToQString(settings_->path()), MessageText(fault)));
    const std::string stored = settings_->get(setting::DatabaseName);
    const QString remembered = stored.empty() ? databasePath_ : ToQString(stored);
    const StartupDatabase choice =
        ChooseStartupDatabase(ToCorePath(remembered), ToCorePath(programFolder_));
    databasePath_ = ToQString(choice.path);
    if (choice.open && readDatabase(databasePath_, remembered.isEmpty()))
        return;
    if (remembered.isEmpty()) {
        // A default that is not there is no news, and nothing to remember either.
        if (!choice.open)
            databasePath_.clear();
        return;
    }
    const StartupDatabase fallback = ChooseStartupDatabase("", ToCorePath(programFolder_));
    const QString fallbackPath = ToQString(fallback.path);
    if (fallbackPath == databasePath_)
        return;
    // The remembered file is gone or broken: the director hears once which file failed, and
    // the one beside the program stands in when it is there. When it is not, the remembered
    // path stays remembered (the file may come back with its stick or share).
    if (!fallback.open) {
        prompts::showError(this, tr("Cannot open the membership database %1.").arg(databasePath_));
        return;
    }
    prompts::showError(this, tr("Cannot open the membership database %1; using %2 instead.")
                                 .arg(databasePath_, fallbackPath));
    if (readDatabase(fallbackPath, false))
        databasePath_ = fallbackPath;
}

void MainWindow::saveSettings() {
    // A window that never started never read the settings; it has nothing to write back.
    if (!started_)
        return;
    if (!databasePath_.isEmpty())
        settings_->set(setting::DatabaseName, ToCorePath(databasePath_));
    prompts_->saveFolders();
    saveWindowLayout();
}

bool MainWindow::readDatabase(const QString& path, bool tellFailure) {
    std::unique_ptr<MemberTable> table;
    try {
        const BusyCursor busy;
        table = ReadTableOf(path);
    } catch (const std::exception&) {
        // The database shown before, if any, stays shown.
        if (tellFailure)
            prompts::showError(this, tr("Error setting up the database: ") + path);
        return false;
    }
    membersTable_ = ToQString(table->tableName());
    membersPane_->setDatabaseOpen(true);
    // A new database starts in the name ordering, where the Name box searches.
    members_->model->setTable(std::move(table), MemberOrder::Name);
    showMemberOrder(MemberOrder::Name);
    return true;
}

void MainWindow::openDatabaseFile(const QString& path) {
    // Only a file that opened is remembered: a failed choice leaves the last good one.
    if (readDatabase(path, true))
        databasePath_ = QDir::toNativeSeparators(path);
}

void MainWindow::applyMemberColumnWidths() {
    // Every column as wide as its heading and its widest value, within reason: names stay
    // readable and headings whole.
    const int limit = membersView_->fontMetrics().averageCharWidth() * 40;
    for (int column = 0; column < members_->model->columnCount(); ++column) {
        membersView_->resizeColumnToContents(column);
        membersView_->setColumnWidth(column, std::min(membersView_->columnWidth(column), limit));
    }
}

void MainWindow::searchByName(const QString& text) {
    if (!orderByNameAction_->isChecked())
        showMemberOrder(MemberOrder::Name);
    findMember(text);
}

void MainWindow::searchByNumber(const QString& text) {
    if (!orderByNumberAction_->isChecked())
        showMemberOrder(MemberOrder::Number);
    findMember(text);
}

void MainWindow::findMember(const QString& text) {
    // With no database open there is nothing to search; each keystroke passes quietly.
    MemberOrdering* ordering = members_->model->ordering();
    if (!ordering)
        return;
    const bool found = ordering->find(text.toStdString());
    if (found)
        showCurrentMember();
    // A search that finds nothing says so and leaves the view where it was, so nobody
    // loads the member shown before by mistake.
    auto* box = qobject_cast<QLineEdit*>(sender());
    if (!box)
        box = members_->model->order() == MemberOrder::Number ? memberNumberSearch_
                                                              : memberNameSearch_;
    const bool missing = !found && !text.isEmpty();
    for (QLineEdit* search : {memberNameSearch_, memberNumberSearch_})
        search->setProperty("noMatch", search == box && missing);
    box->setStyleSheet(missing ? QStringLiteral("QLineEdit { background: #ffd8d8; }") : QString());
    (box == memberNameSearch_ ? memberNumberSearch_ : memberNameSearch_)->setStyleSheet({});
    noMatchLabel_->setText(missing ? tr("No member starts with \u201C%1\u201D").arg(text)
                                   : QString());
    noMatchLabel_->setVisible(missing);
}

void MainWindow::showMembers(bool visible) {
    showMembersAction_->setChecked(visible);
    // The panel goes with the view, so the splitter gives the chart the whole width.
    membersPane_->setVisible(visible);
    if (!visible)
        noMatchLabel_->setVisible(false);
    memberOrderMenu_->menuAction()->setEnabled(visible);
    loadMemberAction_->setEnabled(visible);
}

void MainWindow::chooseDatabase() {
    const std::optional<std::string> chosen = prompts_->chooseFileToOpen(FileKind::Database);
    focusChart();
    if (!chosen)
        return;
    openDatabaseFile(ToQString(*chosen));
}

void MainWindow::loadFoundMember(QLineEdit* search) {
    // A search that found nothing leaves the member shown before: loading it would be a
    // mistake the director cannot see.
    if (search->property("noMatch").toBool() || !members_->model->ordering())
        return;
    loadMember();
    search->selectAll(); // the next name typed replaces this one
}

void MainWindow::loadMember() {
    const MembersModel& model = *members_->model;
    const LoadPlayerResult loaded =
        document_->loadPlayer(model.table(), model.ordering(), chartView_->currentRow());
    if (loaded.outcome != Outcome::Done)
        return;
    // The next load goes below; moving the selection runs the opponent update as leaving a
    // cell does.
    if (loaded.row != document_->tournament().chart().rowCount() - 1)
        chartView_->setCurrentCell(chartView_->currentCol(), loaded.row + 1);
}

} // namespace ranvik
