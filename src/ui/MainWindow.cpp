#include "ui/MainWindow.h"

#include "settings/Settings.h"
#include "ui/AboutDialog.h"
#include "ui/Application.h"
#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/CoreText.h"
#include "ui/HelpDialog.h"
#include "ui/MembersPanel.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/RecoveryScheduler.h"
#include "ui/SettingsStrip.h"
#include "ui/WindowPlacement.h"
#include "ui/WindowPrompts.h"
#include "validation/ChartProblems.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
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
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace ranvik {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    // The usual size, or the screen's when that is smaller.
    QSize start(951, 526);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start = start.boundedTo(screen->availableGeometry().size());
    resize(start);
    programFolder_ = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    settings_ = std::make_unique<Settings>(DefaultSettingsPath());

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildSettingsStrip();
    column->addWidget(settingsStrip_);

    splitter_ = new QSplitter(Qt::Horizontal, central);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setHandleWidth(4);
    splitter_->setChildrenCollapsible(false);
    chartView_ = new ChartView(splitter_);
    chartView_->setObjectName(QStringLiteral("chartView"));
    prompts_ = std::make_unique<WindowPrompts>(*this, *chartView_, *settings_);
    document_ = std::make_unique<ChartDocument>(*prompts_);
    prompts_->chartFileName = [this] { return ToQString(document_->fileName()); };
    chartModel_ = new ChartModel(document_->tournament(), this);
    chartView_->setChartModel(chartModel_);
    membersView_ = new QTableView(splitter_);
    membersView_->setObjectName(QStringLiteral("membersView"));
    membersView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    membersView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    membersView_->setSelectionMode(QAbstractItemView::SingleSelection);
    membersView_->setTabKeyNavigation(true);
    splitter_->addWidget(chartView_);
    splitter_->addWidget(membersView_);
    column->addWidget(splitter_, 1);
    setCentralWidget(central);
    // The layouts give the smallest size at which every control shows whole; the window
    // starts at its usual size, or the screen's when that is smaller.
    CenterOnScreen(*this);

    buildMenus();
    document_->tournament().onShapeChanged = [this] { syncSettings(); };
    setUpRecovery();
    buildMembersPanel();
    // The chart takes three fifths of the width, room for its frozen columns and several
    // rounds beside them; the members list the rest.
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setSizes({3 * width() / 5, 2 * width() / 5});
    restoreWindowLayout();
    syncSettings();
}

MainWindow::~MainWindow() {
    saveSettings();
    document_->tournament().onShapeChanged = nullptr;
    document_->tournament().chart().history().onStepsChanged = nullptr;
    // The children outlive this body; none may read the chart once it is gone.
    chartView_->setModel(nullptr);
    delete chartModel_;
    chartModel_ = nullptr;
}

void MainWindow::setDialogs(const AppDialogs& dialogs) {
    dialogs_ = &dialogs;
    prompts_->setDialogs(&dialogs);
}

void MainWindow::buildSettingsStrip() {
    settingsStrip_ = new SettingsStrip(this);

    // Counts and type on the left, the report button beside them, the database's controls
    // on the right; every size comes from the font.
    auto* counts = new QGridLayout;
    auto* playersLabel = new QLabel(tr("Number of players"), settingsStrip_);
    playersLabel->setObjectName(QStringLiteral("playersLabel"));
    playersBox_ = new QSpinBox(settingsStrip_);
    playersBox_->setObjectName(QStringLiteral("playersBox"));
    playersBox_->setRange(Tournament::MinPlayers, Tournament::MaxPlayers);
    playersBox_->setValue(Tournament::StartPlayers);
    playersBox_->setKeyboardTracking(false);
    playersLabel->setBuddy(playersBox_);

    roundsLabel_ = new QLabel(tr("Number of rounds"), settingsStrip_);
    roundsLabel_->setObjectName(QStringLiteral("roundsLabel"));
    roundsBox_ = new QSpinBox(settingsStrip_);
    roundsBox_->setObjectName(QStringLiteral("roundsBox"));
    roundsBox_->setRange(Tournament::MinRounds, Tournament::MaxRounds);
    roundsBox_->setValue(Tournament::StartRounds);
    roundsBox_->setKeyboardTracking(false);
    roundsLabel_->setBuddy(roundsBox_);

    reportButton_ = new QPushButton(tr("Create report for QRB..."), settingsStrip_);
    reportButton_->setObjectName(QStringLiteral("reportButton"));

    counts->addWidget(playersLabel, 0, 0);
    counts->addWidget(playersBox_, 1, 0, Qt::AlignLeft);
    counts->addWidget(roundsLabel_, 0, 1);
    counts->addWidget(roundsBox_, 1, 1, Qt::AlignLeft);
    counts->addWidget(reportButton_, 1, 2);
    counts->setColumnStretch(3, 1);

    typeGroup_ = new QGroupBox(tr("Tournament type"), settingsStrip_);
    typeGroup_->setObjectName(QStringLiteral("typeGroup"));
    auto* radios = new QHBoxLayout(typeGroup_);
    typeButtons_ = new QButtonGroup(typeGroup_);
    typeButtons_->setObjectName(QStringLiteral("typeButtons"));
    const QString captions[] = {tr("Swiss/Match"), tr("Round robin"), tr("Double round robin")};
    const char* names[] = {"swissRadio", "roundRobinRadio", "doubleRoundRobinRadio"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(captions[i], typeGroup_);
        radio->setObjectName(QString::fromLatin1(names[i]));
        typeButtons_->addButton(radio, i);
        radios->addWidget(radio);
    }
    radios->addStretch(1);
    typeButtons_->button(0)->setChecked(true);

    auto* left = new QVBoxLayout;
    left->addLayout(counts);
    left->addWidget(typeGroup_);

    showMembersBox_ = new QCheckBox(tr("View database"), settingsStrip_);
    showMembersBox_->setObjectName(QStringLiteral("showMembersBox"));
    showMembersBox_->setChecked(true);
    loadMemberButton_ =
        new QPushButton(tr("Load player from database (dbl-click)"), settingsStrip_);
    loadMemberButton_->setObjectName(QStringLiteral("loadMemberButton"));

    memberNameLabel_ = new QLabel(tr("Name"), settingsStrip_);
    memberNameLabel_->setObjectName(QStringLiteral("memberNameLabel"));
    memberNameSearch_ = new QLineEdit(settingsStrip_);
    memberNameSearch_->setObjectName(QStringLiteral("memberNameSearch"));
    memberNameSearch_->setMinimumWidth(
        memberNameSearch_->fontMetrics().horizontalAdvance(QStringLiteral("Wwwwwwwwwwww")));
    memberNameLabel_->setBuddy(memberNameSearch_);
    memberNumberLabel_ = new QLabel(tr("Number"), settingsStrip_);
    memberNumberLabel_->setObjectName(QStringLiteral("memberNumberLabel"));
    memberNumberSearch_ = new QLineEdit(settingsStrip_);
    memberNumberSearch_->setObjectName(QStringLiteral("memberNumberSearch"));
    memberNumberLabel_->setBuddy(memberNumberSearch_);

    memberNavigator_ = new QWidget(settingsStrip_);
    memberNavigator_->setObjectName(QStringLiteral("memberNavigator"));
    auto* nav = new QHBoxLayout(memberNavigator_);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(0);
    auto makeNav = [&](const char* name, const char* text, const QString& hint) {
        auto* button = new QToolButton(memberNavigator_);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(QString::fromUtf8(text));
        button->setToolTip(hint);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        nav->addWidget(button);
    };
    makeNav("firstMemberButton", "|\u25C0", tr("First record"));
    makeNav("previousMemberButton", "\u25C0", tr("Prior record"));
    makeNav("nextMemberButton", "\u25B6", tr("Next record"));
    makeNav("lastMemberButton", "\u25B6|", tr("Last record"));

    auto* database = new QGridLayout;
    database->addWidget(showMembersBox_, 0, 0);
    database->addWidget(loadMemberButton_, 1, 0);
    database->addWidget(memberNavigator_, 2, 0);
    database->addWidget(memberNameLabel_, 0, 1);
    database->addWidget(memberNameSearch_, 0, 2);
    database->addWidget(memberNumberLabel_, 1, 1);
    database->addWidget(memberNumberSearch_, 1, 2);
    database->setRowStretch(3, 1);

    settingsStrip_->setBlocks(left, database);

    connect(playersBox_, &QSpinBox::valueChanged, this, &MainWindow::playersCountChanged);
    connect(roundsBox_, &QSpinBox::valueChanged, this, &MainWindow::roundsCountChanged);
    connect(typeButtons_, &QButtonGroup::idClicked, this, &MainWindow::typeChosen);
    connect(reportButton_, &QPushButton::clicked, this, &MainWindow::createReport);
    connect(showMembersBox_, &QCheckBox::clicked, this, &MainWindow::showMembers);
    connect(loadMemberButton_, &QPushButton::clicked, this, &MainWindow::loadMember);
    connect(memberNameSearch_, &QLineEdit::textChanged, this, &MainWindow::searchByName);
    connect(memberNumberSearch_, &QLineEdit::textChanged, this, &MainWindow::searchByNumber);
}

void MainWindow::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    action(file, "newAction", tr("&New"), &MainWindow::newChart);
    file->addSeparator();
    action(file, "openAction", tr("&Open..."), &MainWindow::openChart);
    buildRecentMenu(file);
    action(file, "saveAction", tr("&Save"), &MainWindow::saveChart);
    action(file, "saveAsAction", tr("Save as..."), &MainWindow::saveChartAs);
    buildImportMenu(file);
    file->addSeparator();
    action(file, "quitAction", tr("E&xit"), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    buildEditActions(edit);
    action(edit, "deleteRowAction", tr("&Delete row"), &MainWindow::deleteRow);
    action(edit, "clearResultsAction", tr("&Clear all results"), &MainWindow::clearResults);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    action(tools, "reportAction", tr("Create report for QRB..."), &MainWindow::createReport);
    action(tools, "sortByRatingAction", tr("&Sort players in chart by rating"),
           &MainWindow::sortByRating);
    buildStandingsActions(tools);
    tools->addSeparator();
    updateOpponentsAction_ =
        action(tools, "updateOpponentsAction", tr("&Update opponents automatically"),
               &MainWindow::toggleOpponentUpdates);
    updateOpponentsAction_->setCheckable(true);
    updateOpponentsAction_->setChecked(true);
    buildEnterAction(tools);
    buildProblemsPanel(tools);

    QMenu* database = menuBar()->addMenu(tr("&Database"));
    database->setObjectName(QStringLiteral("databaseMenu"));
    action(database, "openDatabaseAction", tr("&Open database..."), &MainWindow::chooseDatabase);
    database->addSeparator();
    memberOrderMenu_ = database->addMenu(tr("&Sort"));
    memberOrderMenu_->setObjectName(QStringLiteral("memberOrderMenu"));
    orderByNameAction_ = action(memberOrderMenu_, "orderByNameAction", tr("&Name"),
                                [this] { showMemberOrder(MemberOrder::Name); });
    orderByNumberAction_ = action(memberOrderMenu_, "orderByNumberAction", tr("&I.D."),
                                  [this] { showMemberOrder(MemberOrder::Number); });
    orderByProvinceAction_ = action(memberOrderMenu_, "orderByProvinceAction", tr("&Province"),
                                    [this] { showMemberOrder(MemberOrder::Province); });
    for (QAction* a : {orderByNameAction_, orderByNumberAction_, orderByProvinceAction_})
        a->setCheckable(true);
    orderByNameAction_->setChecked(true);
    // The menu item toggles the view like the check box does.
    showMembersAction_ = action(database, "showMembersAction", tr("&View database"), [this] {
        showMembersBox_->setChecked(!showMembersBox_->isChecked());
        showMembers(showMembersBox_->isChecked());
    });
    showMembersAction_->setCheckable(true);
    showMembersAction_->setChecked(true);
    loadMemberAction_ = action(database, "loadMemberAction", tr("&Load player from database"),
                               &MainWindow::loadMember);
    buildMatchAction(database);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    action(help, "helpAction", tr("&Help..."), &MainWindow::showHelp);
    action(help, "aboutAction", tr("&About..."), &MainWindow::showAbout);
    addStandardShortcuts();
}

void MainWindow::syncSettings() {
    const Tournament& tournament = document_->tournament();
    syncing_ = true;
    playersBox_->setValue(tournament.numPlayers());
    roundsBox_->setValue(tournament.numRounds());
    typeButtons_->button(static_cast<int>(tournament.type()))->setChecked(true);
    // The rounds count means something only where the columns are rounds.
    roundsBox_->setEnabled(tournament.rules().columnsAreRounds());
    roundsLabel_->setEnabled(tournament.rules().columnsAreRounds());
    syncing_ = false;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    startOnce();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        startOnce();
}

// The first showing (or activation: offscreen platforms may never activate a window) opens
// the membership database and lays the chart out.
void MainWindow::startOnce() {
    if (started_)
        return;
    started_ = true;
    openStartupDatabase();
    document_->start();
    syncSettings();
    chartView_->setCurrentCell(1, 1);
    refreshTitle();
    chartView_->fitNameColumn();
    // Typing at start-up goes into the chart.
    focusChart();
    // Once the window stands, so the question shows over it.
    QTimer::singleShot(0, this, &MainWindow::offerRecovery);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (document_->mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// A change the director cancels at the question puts the control back.
void MainWindow::playersCountChanged(int value) {
    if (!syncing_ && document_->setPlayers(value) != Outcome::Done)
        syncSettings();
}

void MainWindow::roundsCountChanged(int value) {
    if (!syncing_ && document_->setRounds(value) != Outcome::Done)
        syncSettings();
}

void MainWindow::typeChosen(int id) {
    if (syncing_)
        return;
    document_->setType(static_cast<TournamentType>(id));
    syncSettings();
    updateEditActions();
}

void MainWindow::newChart() {
    if (document_->newChart() == Outcome::Done) {
        chartView_->setCurrentCell(1, 1);
        lastRecent_.clear();
        forgetChartState();
        chartReplaced();
        return;
    }
    chartChanged();
}

void MainWindow::openChart() {
    if (document_->open().outcome == Outcome::Done)
        chartReplaced();
    else
        chartChanged();
}

bool MainWindow::openChartFile(const QString& path) {
    const OpenResult opened = document_->openFile(ToCorePath(path), document_->tournament().type());
    if (opened.outcome != Outcome::Done) {
        prompts::showError(this, CoreText(opened.message));
        focusChart();
        return false;
    }
    chartReplaced();
    return true;
}

bool MainWindow::openChartFromCommandLine(const QString& path) {
    const bool opened = document_->openChosen(ToCorePath(path)).outcome == Outcome::Done;
    if (opened)
        chartReplaced();
    else
        chartChanged();
    return opened;
}

void MainWindow::saveChart() {
    document_->save();
    chartChanged();
}

void MainWindow::saveChartAs() {
    document_->saveAs();
    chartChanged();
}

void MainWindow::createReport() {
    const ReportResult report = document_->createReport();
    tournamentInfoGiven();
    chartChanged();
    if (report.outcome != Outcome::Done)
        return;
    const QStringList confirmation = {
        tr("Ratings reports saved to file: "),
        ToQString(report.reportPath),
        ToQString(report.chartPath),
        QString(),
        tr("These are the two files you submit to the QRB office to rate this section."),
    };
    prompts::showInformation(this, confirmation.join(QLatin1Char('\r')));
    focusChart();
}

void MainWindow::deleteRow() {
    document_->deleteRow(chartView_->currentRow());
}

void MainWindow::clearResults() {
    document_->clearAllResults();
    focusChart();
}

void MainWindow::sortByRating() {
    document_->sortByRating();
    focusChart();
}

void MainWindow::toggleOpponentUpdates() {
    document_->tournament().toggleOpponentUpdates();
    updateOpponentsAction_->setChecked(document_->tournament().updatesOpponents());
}

void MainWindow::showHelp() {
    if (dialogs_ && dialogs_->help)
        prompts::execModal(*dialogs_->help);
    focusChart();
}

void MainWindow::showAbout() {
    if (dialogs_ && dialogs_->about)
        prompts::execModal(*dialogs_->about);
    focusChart();
}

} // namespace ranvik
