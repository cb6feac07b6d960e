#include "ui/MainWindow.h"

#include "ui/DatabaseView.h"
#include "ui/MembersModel.h"
#include "ui/Prompts.h"

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

QString SettingsPath(const QString& iniFileName) {
    std::filesystem::path path(DefaultSettingsPath());
    path.replace_filename(iniFileName.toStdString());
    return QString::fromStdString(path.string());
}

// The database's first listed table, read whole; throws std::runtime_error on any failure.
std::unique_ptr<MemberTable> ReadFirstTable(const QString& path) {
    const std::unique_ptr<MemberDatabase> database = OpenMemberDatabase(path.toStdString());
    const std::vector<std::string> tables = database->tables();
    if (tables.empty())
        throw std::runtime_error("The database holds no table.");
    return std::make_unique<MemberTable>(
        MemberTable::AnyTable(tables.front(), database->readTable(tables.front())));
}

// Puts the grid's current row, selection and record indicator on the shown ordering's
// current record.
void ShowCurrentRecord(TForm1& form) {
    DatabaseView& db = *form.databaseView();
    MemberOrdering* ordering = db.model->ordering();
    if (!ordering || ordering->size() == 0)
        return;
    const int row = static_cast<int>(ordering->position());
    const QModelIndex index =
        db.model->index(row, std::max(form.DBGrid1->currentIndex().column(), 0));
    db.syncing = true;
    form.DBGrid1->setCurrentIndex(index);
    form.DBGrid1->selectRow(row);
    db.syncing = false;
    form.DBGrid1->scrollTo(index);
    db.model->currentMoved(-1, row);
}

// Shows one ordering at its own current record; the search then looks in its field.
void ShowOrdering(TForm1& form, MemberOrder order) {
    form.DbSortField = QString::fromLatin1(OrderFieldName(order));
    form.databaseView()->model->setOrder(order);
    form.SortNameMenu->setChecked(order == MemberOrder::Name);
    form.SortIDMenu->setChecked(order == MemberOrder::Number);
    form.SortProvinceMenu->setChecked(order == MemberOrder::Province);
    form.TweakColWidths();
    ShowCurrentRecord(form);
}

} // namespace

void TForm1::createDatabaseView() {
    db_ = std::make_unique<DatabaseView>();
    db_->model = new MembersModel(this);

    // The grid sits in a panel of its own so that hiding it leaves the chart its width.
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("DatabasePanel"));
    const int index = Splitter1->indexOf(DBGrid1);
    Splitter1->replaceWidget(index, panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DBGrid1);

    DBGrid1->setModel(db_->model);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Narrow columns keep the start of their field name readable; a selected row does not
    // turn every title bold.
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->setWordWrap(false);

    // Clicks and arrow keys in the grid move the shown ordering's current record.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                MemberOrdering* ordering = db_->model->ordering();
                if (db_->syncing || !ordering || !current.isValid())
                    return;
                const int old = static_cast<int>(ordering->position());
                ordering->setPosition(static_cast<std::size_t>(current.row()));
                db_->model->currentMoved(old, current.row());
            });
    connect(DBGrid1, &QTableView::doubleClicked, this, &TForm1::DBGrid1DblClick);

    auto navigate = [this](QToolButton* button, void (MemberOrdering::*move)()) {
        connect(button, &QToolButton::clicked, this, [this, move] {
            MemberOrdering* ordering = db_->model->ordering();
            if (!ordering)
                return;
            (ordering->*move)();
            ShowCurrentRecord(*this);
        });
    };
    navigate(NavFirst, &MemberOrdering::first);
    navigate(NavPrior, &MemberOrdering::prior);
    navigate(NavNext, &MemberOrdering::next);
    navigate(NavLast, &MemberOrdering::last);
}

void TForm1::DatabaseStartup() {
    const QString settings = SettingsPath(IniFileName);
    DatabaseFileName = QString::fromStdString(
        LoadDatabaseSetting(settings.toStdString(), DatabaseFileName.toStdString()));
    const StartupDatabase choice =
        ChooseStartupDatabase(DatabaseFileName.toStdString(), ProgramFolder.toStdString());
    DatabaseFileName = QString::fromStdString(choice.path);
    if (choice.open) {
        InitDBase();
        TweakColWidths();
    }
}

void TForm1::FormDestroy() {
    // A window that never started never read the settings; it has nothing to write back.
    if (FirstActivation)
        return;
    SaveDatabaseSetting(SettingsPath(IniFileName).toStdString(), DatabaseFileName.toStdString());
}

void TForm1::InitDBase() {
    std::unique_ptr<MemberTable> table;
    try {
        const BusyCursor busy;
        table = ReadFirstTable(DatabaseFileName);
    } catch (const std::exception&) {
        // The database shown before, if any, stays shown.
        prompts::showError(this,
                           QStringLiteral("Error setting up the database: ") + DatabaseFileName);
        return;
    }
    if (!QFileInfo::exists(DatabaseFileName)) {
        db_->model->setTable(nullptr, db_->model->order());
        prompts::showError(this, QStringLiteral("Missing database: ") + DatabaseFileName);
        return;
    }
    MembersTable = QString::fromStdString(table->tableName());
    // A new database starts in the name ordering, where the Name box searches.
    db_->model->setTable(std::move(table), MemberOrder::Name);
    // A new table starts from the grid's own widths, like a grid given a new data source.
    for (int column = 0; column < db_->model->columnCount(); ++column)
        DBGrid1->setColumnWidth(column, DBGrid1->horizontalHeader()->defaultSectionSize());
    ShowOrdering(*this, MemberOrder::Name);
}

void TForm1::OpenDBase() {
    InitDBase();
    TweakColWidths();
}

void TForm1::TweakColWidths() {
    static constexpr int kWidths[] = {110, 60, 50, 50, 35, 70};
    if (db_->model->columnCount() < 6)
        return;
    for (int column = 0; column < 6; ++column)
        DBGrid1->setColumnWidth(column, kWidths[column]);
}

void TForm1::SortNameMenuClick() {
    ShowOrdering(*this, MemberOrder::Name);
}
void TForm1::SortIDMenuClick() {
    ShowOrdering(*this, MemberOrder::Number);
}
void TForm1::SortProvinceMenuClick() {
    ShowOrdering(*this, MemberOrder::Province);
}

void TForm1::NameLEChange() {
    if (!SortNameMenu->isChecked())
        SortNameMenuClick();
    SearchText = NameLE->text();
    findplayer();
}

void TForm1::IDLEChange() {
    if (!SortIDMenu->isChecked())
        SortIDMenuClick();
    SearchText = IDLE->text();
    findplayer();
}

void TForm1::findplayer() {
    // With no database open there is nothing to search; each keystroke passes quietly.
    MemberOrdering* ordering = db_->model->ordering();
    if (!ordering)
        return;
    if (ordering->find(SearchText.toStdString()))
        ShowCurrentRecord(*this);
}

void TForm1::ViewDatabaseCBClick() {
    const bool visible = ViewDatabaseCB->isChecked();
    ViewdatabaseMenu->setChecked(visible);
    for (QWidget* widget : std::initializer_list<QWidget*>{DBGrid1, DBNavigator1, NameLE, NameLabel,
                                                           IDLE, IDLabel, LoadFromDatabaseBtn}) {
        widget->setVisible(visible);
    }
    SortMenu->menuAction()->setEnabled(visible);
    LoadplayerfromdatabaseMenu->setEnabled(visible);
}

void TForm1::OpendatabaseMenuClick() {
    OpenDialog1.setFilter(
        QStringLiteral("Membership files (*.mdb *.mde)|*.MDB;*.MDE|All files (*.*)|*.*"));
    const QString chosen = OpenDialog1.exec(this);
    if (chosen.isEmpty())
        return;
    // Remembered even when opening it fails: the user chose it.
    DatabaseFileName = chosen;
    OpenDBase();
}

void TForm1::DBGrid1DblClick() {
    LoadFromDatabaseBtnClick();
}

} // namespace ranvik
