#include "ui/MainWindow.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/DatabaseView.h"
#include "ui/HelpDlg.h"
#include "ui/AboutDlg.h"
#include "ui/MsgDlg.h"
#include "ui/Prompts.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace ranvik {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ranvik - Ratings report utility for the Korvath"));
    resize(951, 526);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    ProgramFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    FormCreate();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildTopStrip();
    column->addWidget(Panel2);

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(4);
    Splitter1->setChildrenCollapsible(false);
    StringGrid1 = new ChartView(Splitter1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    chartModel_ = new ChartModel(tournament_, this);
    StringGrid1->setChartModel(chartModel_);
    DBGrid1 = new QTableView(Splitter1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setTabKeyNavigation(true);
    Splitter1->addWidget(StringGrid1);
    Splitter1->addWidget(DBGrid1);
    Splitter1->setSizes({495, 951 - 495 - 4});
    column->addWidget(Splitter1, 1);
    setCentralWidget(central);

    buildMenus();
    wireChart();
    tournament_.onShapeChanged = [this] { syncControls(); };
    createDatabaseView();
    syncControls();
}

TForm1::~TForm1() {
    FormDestroy();
    tournament_.onShapeChanged = nullptr;
    // The children outlive this body; none may read the chart once it is gone.
    StringGrid1->setModel(nullptr);
    delete chartModel_;
    chartModel_ = nullptr;
}

void TForm1::setDialogs(TTnmtHeaderDlg* tnmtHeader, TAboutDlg* about,
                        TCheckQRBNumbersDlg* checkNumbers, THelpDlg* help, TMsgDlg* msgDlg) {
    TnmtHeaderDlg = tnmtHeader;
    AboutDlg = about;
    CheckQRBNumbersDlg = checkNumbers;
    HelpDlg = help;
    MsgDlg = msgDlg;
}

void TForm1::FormCreate() {
    tournament_.setModified(false);
    RatingField.clear();
    DbSortField = QStringLiteral("NAME");
    FirstActivation = true;
    IniFileName = QStringLiteral("Ranvik.ini");
}

void TForm1::buildTopStrip() {
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setFixedHeight(86);

    NumPlayersLabel = new QLabel(QStringLiteral("Number of players"), Panel2);
    NumPlayersLabel->move(8, 4);
    NumPlayersSE = new QSpinBox(Panel2);
    NumPlayersSE->setObjectName(QStringLiteral("NumPlayersSE"));
    NumPlayersSE->setRange(Tournament::MinPlayers, Tournament::MaxPlayers);
    NumPlayersSE->setValue(Tournament::StartPlayers);
    NumPlayersSE->setKeyboardTracking(false);
    NumPlayersSE->setGeometry(8, 20, 60, 22);
    NumPlayersLabel->setBuddy(NumPlayersSE);

    NumRndsLabel = new QLabel(QStringLiteral("Number of rounds"), Panel2);
    NumRndsLabel->setObjectName(QStringLiteral("NumRndsLabel"));
    NumRndsLabel->move(134, 4);
    NumRndsSE = new QSpinBox(Panel2);
    NumRndsSE->setObjectName(QStringLiteral("NumRndsSE"));
    NumRndsSE->setRange(Tournament::MinRounds, Tournament::MaxRounds);
    NumRndsSE->setValue(Tournament::StartRounds);
    NumRndsSE->setKeyboardTracking(false);
    NumRndsSE->setGeometry(134, 20, 60, 22);
    NumRndsLabel->setBuddy(NumRndsSE);

    CreateReportBtn = new QPushButton(QStringLiteral("Create report for QRB..."), Panel2);
    CreateReportBtn->setObjectName(QStringLiteral("CreateReportBtn"));
    CreateReportBtn->setGeometry(262, 18, 160, 25);

    RadioGroup1 = new QGroupBox(QStringLiteral("Tournament type"), Panel2);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 44, 414, 38);
    auto* radios = new QHBoxLayout(RadioGroup1);
    radios->setContentsMargins(6, 0, 6, 0);
    RadioGroup1Buttons = new QButtonGroup(RadioGroup1);
    const char* captions[] = {"Swiss/Match", "Round robin", "Double round robin"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(captions[i]), RadioGroup1);
        radio->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Buttons->addButton(radio, i);
        radios->addWidget(radio);
    }
    RadioGroup1Buttons->button(0)->setChecked(true);

    ViewDatabaseCB = new QCheckBox(QStringLiteral("View database"), Panel2);
    ViewDatabaseCB->setObjectName(QStringLiteral("ViewDatabaseCB"));
    ViewDatabaseCB->setChecked(true);
    ViewDatabaseCB->move(440, 6);
    LoadFromDatabaseBtn = new QPushButton(QStringLiteral("Load player from database (dbl-click)"), Panel2);
    LoadFromDatabaseBtn->setObjectName(QStringLiteral("LoadFromDatabaseBtn"));
    LoadFromDatabaseBtn->setGeometry(440, 28, 240, 25);

    NameLabel = new QLabel(QStringLiteral("Name"), Panel2);
    NameLabel->move(700, 9);
    NameLE = new QLineEdit(Panel2);
    NameLE->setObjectName(QStringLiteral("NameLE"));
    NameLE->setGeometry(760, 6, 145, 22);
    NameLabel->setBuddy(NameLE);
    IDLabel = new QLabel(QStringLiteral("Number"), Panel2);
    IDLabel->move(700, 35);
    IDLE = new QLineEdit(Panel2);
    IDLE->setObjectName(QStringLiteral("IDLE"));
    IDLE->setGeometry(760, 32, 78, 22);
    IDLabel->setBuddy(IDLE);

    DBNavigator1 = new QWidget(Panel2);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setGeometry(440, 58, 312, 22);
    auto* nav = new QHBoxLayout(DBNavigator1);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(0);
    auto makeNav = [&](const char* name, const char* text, const char* hint) {
        auto* button = new QToolButton(DBNavigator1);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(QString::fromUtf8(text));
        button->setToolTip(QString::fromLatin1(hint));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        nav->addWidget(button);
        return button;
    };
    NavFirst = makeNav("NavFirst", "|\u25C0", "First record");
    NavPrior = makeNav("NavPrior", "\u25C0", "Prior record");
    NavNext = makeNav("NavNext", "\u25B6", "Next record");
    NavLast = makeNav("NavLast", "\u25B6|", "Last record");

    connect(NumPlayersSE, &QSpinBox::valueChanged, this, &TForm1::playersChanged);
    connect(NumRndsSE, &QSpinBox::valueChanged, this, &TForm1::roundsChanged);
    connect(RadioGroup1Buttons, &QButtonGroup::idClicked, this, &TForm1::layOutForType);
    connect(CreateReportBtn, &QPushButton::clicked, this, &TForm1::CreateReportBtnClick);
    connect(ViewDatabaseCB, &QCheckBox::clicked, this, &TForm1::ViewDatabaseCBClick);
    connect(LoadFromDatabaseBtn, &QPushButton::clicked, this, &TForm1::LoadFromDatabaseBtnClick);
    connect(NameLE, &QLineEdit::textChanged, this, &TForm1::NameLEChange);
    connect(IDLE, &QLineEdit::textChanged, this, &TForm1::IDLEChange);
}

void TForm1::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    NewMenu = action(file, "NewMenu", "&New");
    file->addSeparator();
    OpenMenu = action(file, "OpenMenu", "&Open...");
    SaveMenu = action(file, "SaveMenu", "&Save");
    SaveasMenu = action(file, "SaveasMenu", "Save as...");
    file->addSeparator();
    ExitMenu = action(file, "ExitMenu", "E&xit");

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    DeleteRowMenu = action(edit, "DeleteRowMenu", "&Delete row");
    ClearResultsMenu = action(edit, "ClearResultsMenu", "&Clear all results");

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    CreatereportforQRBMenu = action(tools, "CreatereportforQRBMenu", "Create report for QRB...");
    CreatereportforFIDE1 = action(tools, "CreatereportforFIDE1", "Create report for FIDE...");
    CreatereportforFIDE1->setVisible(false); // no FIDE export exists
    SortplayersMenu = action(tools, "SortplayersMenu", "&Sort players in chart by rating");
    tools->addSeparator();
    AutoUpdateMenu = action(tools, "AutoUpdateMenu", "&Update opponents automatically");
    AutoUpdateMenu->setCheckable(true);
    AutoUpdateMenu->setChecked(true);

    QMenu* database = menuBar()->addMenu(QStringLiteral("&Database"));
    database->setObjectName(QStringLiteral("DatabaseMenu"));
    OpendatabaseMenu = action(database, "OpendatabaseMenu", "&Open database...");
    database->addSeparator();
    SortMenu = database->addMenu(QStringLiteral("&Sort"));
    SortMenu->setObjectName(QStringLiteral("SortMenu"));
    SortNameMenu = action(SortMenu, "SortNameMenu", "&Name");
    SortIDMenu = action(SortMenu, "SortIDMenu", "&I.D.");
    SortProvinceMenu = action(SortMenu, "SortProvinceMenu", "&Province");
    for (QAction* a : {SortNameMenu, SortIDMenu, SortProvinceMenu}) a->setCheckable(true);
    SortNameMenu->setChecked(true);
    ViewdatabaseMenu = action(database, "ViewdatabaseMenu", "&View database");
    ViewdatabaseMenu->setCheckable(true);
    ViewdatabaseMenu->setChecked(true);
    LoadplayerfromdatabaseMenu =
        action(database, "LoadplayerfromdatabaseMenu", "&Load player from database");

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    HelpMenu2 = action(help, "HelpMenu2", "&Help...");
    AboutMenu = action(help, "AboutMenu", "&About...");

    connect(NewMenu, &QAction::triggered, this, &TForm1::NewMenuClick);
    connect(OpenMenu, &QAction::triggered, this, &TForm1::OpenMenuClick);
    connect(SaveMenu, &QAction::triggered, this, &TForm1::SaveMenuClick);
    connect(SaveasMenu, &QAction::triggered, this, &TForm1::SaveasMenuClick);
    connect(ExitMenu, &QAction::triggered, this, &TForm1::ExitMenuClick);
    connect(DeleteRowMenu, &QAction::triggered, this, &TForm1::DeleteRowMenuClick);
    connect(ClearResultsMenu, &QAction::triggered, this, &TForm1::ClearResultsMenuClick);
    connect(CreatereportforQRBMenu, &QAction::triggered, this, &TForm1::CreateReportBtnClick);
    connect(SortplayersMenu, &QAction::triggered, this, &TForm1::sortByRating);
    connect(AutoUpdateMenu, &QAction::triggered, this, &TForm1::toggleOpponentUpdates);
    connect(OpendatabaseMenu, &QAction::triggered, this, &TForm1::OpendatabaseMenuClick);
    connect(SortNameMenu, &QAction::triggered, this, &TForm1::SortNameMenuClick);
    connect(SortIDMenu, &QAction::triggered, this, &TForm1::SortIDMenuClick);
    connect(SortProvinceMenu, &QAction::triggered, this, &TForm1::SortProvinceMenuClick);
    // The menu item toggles the view like the check box does.
    connect(ViewdatabaseMenu, &QAction::triggered, this, [this] {
        ViewDatabaseCB->setChecked(!ViewDatabaseCB->isChecked());
        ViewDatabaseCBClick();
    });
    connect(LoadplayerfromdatabaseMenu, &QAction::triggered, this, &TForm1::LoadFromDatabaseBtnClick);
    connect(HelpMenu2, &QAction::triggered, this, &TForm1::HelpMenu2Click);
    connect(AboutMenu, &QAction::triggered, this, &TForm1::AboutMenuClick);
}

void TForm1::wireChart() {
    StringGrid1->keyPress = [this](char32_t key, int col, int row) {
        return tournament_.filterTypedKey(key, col, row);
    };
    StringGrid1->selectCell = [this](int col, int row) { tournament_.moveToCell(col, row); };
    StringGrid1->getEditText = [this](int col, int row) { tournament_.beginEditing(col, row); };
}

void TForm1::syncControls() {
    syncing_ = true;
    NumPlayersSE->setValue(tournament_.numPlayers());
    NumRndsSE->setValue(tournament_.numRounds());
    RadioGroup1Buttons->button(static_cast<int>(tournament_.type()))->setChecked(true);
    NumRndsSE->setEnabled(tournament_.roundsEnabled());
    NumRndsLabel->setEnabled(tournament_.roundsEnabled());
    syncing_ = false;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormActivate();
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TForm1::FormActivate() {
    if (!FirstActivation) return;
    FirstActivation = false;
    DatabaseStartup();
    tournament_.layOutStartChart();
    syncControls();
    StringGrid1->setCurrentCell(1, 1);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::playersChanged() {
    if (syncing_) return;
    tournament_.setNumPlayers(NumPlayersSE->value());
}

void TForm1::roundsChanged() {
    if (syncing_) return;
    tournament_.setNumRounds(NumRndsSE->value());
}

void TForm1::layOutForType() {
    if (syncing_) return;
    tournament_.setType(static_cast<TournamentType>(RadioGroup1Buttons->checkedId()));
    syncControls();
}

void TForm1::AskRatingFieldIfEmpty() {
    if (!RatingField.isEmpty()) return;
    MsgDlg->SetCaptions(QStringLiteral("What rating system did this event use?"),
                        QStringLiteral("&Regular"), QStringLiteral("&Active"), QString(), QString());
    RatingField = MsgDlg->ask() == 1 ? QStringLiteral("RATING") : QStringLiteral("ACT_RATING");
}

void TForm1::DeleteRowMenuClick() { tournament_.deleteRow(StringGrid1->currentRow()); }

void TForm1::ClearResultsMenuClick() {
    const auto answer = prompts::confirm(
        this, QStringLiteral("This will clear all rounds entered so far. Proceed?"),
        QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    tournament_.clearAllResults();
}

void TForm1::sortByRating() {
    if (!tournament_.sortByRating()) {
        prompts::showError(this, QStringLiteral("Sorry. Resorting of round robin grids is not allowed."));
    }
}

void TForm1::toggleOpponentUpdates() {
    tournament_.toggleOpponentUpdates();
    AutoUpdateMenu->setChecked(tournament_.updatesOpponents());
}

void TForm1::HelpMenu2Click() {
    if (HelpDlg) prompts::execModal(*HelpDlg);
}

void TForm1::AboutMenuClick() {
    if (AboutDlg) prompts::execModal(*AboutDlg);
}

} // namespace ranvik
