// The main window's membership database panel: opening the database, its orderings,
// searching, and loading the current member into the chart.

#include "ui/MainWindow.h"

#include "ui/ChartView.h"
#include "ui/MembersModel.h"
#include "ui/MembersPanel.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/WindowPrompts.h"

#include "members/MemberDatabase.h"
#include "members/Settings.h"

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
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

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

// The database's first listed table, read whole; throws std::runtime_error on any failure.
std::unique_ptr<MemberTable> ReadFirstTable(const QString& path) {
    const std::unique_ptr<MemberDatabase> database = OpenMemberDatabase(path.toStdString());
    const std::vector<std::string> tables = database->tables();
    if (tables.empty())
        throw std::runtime_error("The database holds no table.");
    return std::make_unique<MemberTable>(
        MemberTable::AnyTable(tables.front(), database->readTable(tables.front())));
}

} // namespace

void MainWindow::buildMembersPanel() {
    members_ = std::make_unique<MembersPanel>();
    members_->model = new MembersModel(this);

    // The view sits in a panel of its own so that hiding it leaves the chart its width.
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("membersPanel"));
    const int index = splitter_->indexOf(membersView_);
    splitter_->replaceWidget(index, panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(membersView_);

    membersView_->setModel(members_->model);
    membersView_->verticalHeader()->setDefaultSectionSize(membersView_->fontMetrics().height() + 6);
    membersView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    membersView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Narrow columns keep the start of their field name readable; a selected row does not
    // turn every title bold.
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
    members_->order = order;
    members_->model->setOrder(order);
    orderByNameAction_->setChecked(order == MemberOrder::Name);
    orderByNumberAction_->setChecked(order == MemberOrder::Number);
    orderByProvinceAction_->setChecked(order == MemberOrder::Province);
    applyMemberColumnWidths();
    showCurrentMember();
}

void MainWindow::openStartupDatabase() {
    databasePath_ =
        ToQString(LoadDatabaseSetting(DefaultSettingsPath(), databasePath_.toStdString()));
    const StartupDatabase choice =
        ChooseStartupDatabase(databasePath_.toStdString(), programFolder_.toStdString());
    databasePath_ = ToQString(choice.path);
    if (choice.open) {
        readDatabase();
        applyMemberColumnWidths();
    }
}

void MainWindow::saveSettings() {
    // A window that never started never read the settings; it has nothing to write back.
    if (!started_)
        return;
    SaveDatabaseSetting(DefaultSettingsPath(), databasePath_.toStdString());
}

void MainWindow::readDatabase() {
    std::unique_ptr<MemberTable> table;
    try {
        const BusyCursor busy;
        table = ReadFirstTable(databasePath_);
    } catch (const std::exception&) {
        // The database shown before, if any, stays shown.
        prompts::showError(this, QStringLiteral("Error setting up the database: ") + databasePath_);
        return;
    }
    if (!QFileInfo::exists(databasePath_)) {
        members_->model->setTable(nullptr, members_->model->order());
        prompts::showError(this, QStringLiteral("Missing database: ") + databasePath_);
        return;
    }
    membersTable_ = ToQString(table->tableName());
    // A new database starts in the name ordering, where the Name box searches.
    members_->model->setTable(std::move(table), MemberOrder::Name);
    // A new table starts from the view's own widths, like a view given a new data source.
    for (int column = 0; column < members_->model->columnCount(); ++column)
        membersView_->setColumnWidth(column,
                                     membersView_->horizontalHeader()->defaultSectionSize());
    showMemberOrder(MemberOrder::Name);
}

void MainWindow::openDatabaseFile(const QString& path) {
    databasePath_ = path;
    readDatabase();
    applyMemberColumnWidths();
}

void MainWindow::applyMemberColumnWidths() {
    static constexpr int kWidths[] = {110, 60, 50, 50, 35, 70};
    if (members_->model->columnCount() < 6)
        return;
    for (int column = 0; column < 6; ++column)
        membersView_->setColumnWidth(column, kWidths[column]);
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
    if (ordering->find(text.toStdString()))
        showCurrentMember();
}

void MainWindow::showMembers(bool visible) {
    showMembersAction_->setChecked(visible);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             membersView_, memberNavigator_, memberNameSearch_, memberNameLabel_,
             memberNumberSearch_, memberNumberLabel_, loadMemberButton_}) {
        widget->setVisible(visible);
    }
    memberOrderMenu_->menuAction()->setEnabled(visible);
    loadMemberAction_->setEnabled(visible);
}

void MainWindow::chooseDatabase() {
    FileDialog& dialog = prompts_->openDialog();
    dialog.setFilter(
        QStringLiteral("Membership files (*.mdb *.mde)|*.MDB;*.MDE|All files (*.*)|*.*"));
    const QString chosen = dialog.exec(this);
    if (chosen.isEmpty())
        return;
    // Remembered even when opening it fails: the user chose it.
    openDatabaseFile(chosen);
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
