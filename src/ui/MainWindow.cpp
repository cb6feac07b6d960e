#include "ui/MainWindow.h"

#include "settings/Settings.h"
#include "ui/AboutDialog.h"
#include "ui/Application.h"
#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/HelpDialog.h"
#include "ui/MembersPane.h"
#include "ui/MembersPanel.h"
#include "ui/MessageText.h"
#include "ui/ProblemsPanel.h"
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
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ranvik {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
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
    membersPane_ = new MembersPane(splitter_);
    membersView_ = membersPane_->view();
    memberNameSearch_ = membersPane_->nameSearch();
    memberNumberSearch_ = membersPane_->numberSearch();
    loadMemberButton_ = membersPane_->loadButton();
    memberNavigator_ = membersPane_->navigator();
    membersView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    membersView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    membersView_->setSelectionMode(QAbstractItemView::SingleSelection);
    membersView_->setTabKeyNavigation(true);
    splitter_->addWidget(chartView_);
    splitter_->addWidget(membersPane_);
    column->addWidget(splitter_, 1);
    setCentralWidget(central);
    buildMenus();
    document_->tournament().onShapeChanged = [this] { syncSettings(); };
    setUpRecovery();
    buildMembersPanel();
    buildPaneKeys();
    restoreWindowLayout();
    if (!layoutRestored_)
        applyDefaultLayout(); // again once shown, with the chart's own widths
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

// The chart first: the window starts wide enough for a whole ten-player round robin beside
// the members list, or as large as the screen allows. The chart takes room for ten result
// columns when there is, and for five however small the window: the members list has the
// rest. The layouts give the smallest size at which every control shows whole.
void MainWindow::applyDefaultLayout() {
    const QFontMetrics metrics = fontMetrics();
    const int points = problemsPanel_->scoresView()->maximumWidth();
    const int chartWanted = chartView_->widthShowing(10) + points;
    const int chartLeast = chartView_->widthShowing(5) + points;
    const int membersWanted = metrics.averageCharWidth() * 48;
    QSize start(chartWanted + splitter_->handleWidth() + membersWanted, metrics.lineSpacing() * 34);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start = start.boundedTo(screen->availableGeometry().size());
    resize(start);
    CenterOnScreen(*this);
    const int room = start.width() - splitter_->handleWidth();
    const int chart = std::clamp(room - membersWanted, std::min(chartLeast, room), chartWanted);
    splitter_->setSizes({chart, room - chart});
    // A wider window widens both; the chart the most.
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
}

void MainWindow::buildSettingsStrip() {
    settingsStrip_ = new SettingsStrip(this);

    // Counts and the report button in one line, the type and the database's switch in
    // another (side by side when the window is wide): the chart keeps the height. Every size
    // comes from the font.
    auto* counts = new QHBoxLayout;
    auto* playersLabel = new QLabel(tr("&Players:"), settingsStrip_);
    playersLabel->setObjectName(QStringLiteral("playersLabel"));
    playersBox_ = new QSpinBox(settingsStrip_);
    playersBox_->setObjectName(QStringLiteral("playersBox"));
    playersBox_->setRange(Tournament::MinPlayers, Tournament::MaxPlayers);
    playersBox_->setValue(Tournament::StartPlayers);
    playersBox_->setKeyboardTracking(false);
    playersLabel->setBuddy(playersBox_);

    roundsLabel_ = new QLabel(tr("&Rounds:"), settingsStrip_);
    roundsLabel_->setObjectName(QStringLiteral("roundsLabel"));
    roundsBox_ = new QSpinBox(settingsStrip_);
    roundsBox_->setObjectName(QStringLiteral("roundsBox"));
    roundsBox_->setRange(Tournament::MinRounds, Tournament::MaxRounds);
    roundsBox_->setValue(Tournament::StartRounds);
    roundsBox_->setKeyboardTracking(false);
    roundsLabel_->setBuddy(roundsBox_);

    reportButton_ = new QPushButton(tr("Create report for &QRB..."), settingsStrip_);
    reportButton_->setObjectName(QStringLiteral("reportButton"));

    counts->addWidget(playersLabel);
    counts->addWidget(playersBox_);
    counts->addSpacing(fontMetrics().averageCharWidth() * 2);
    counts->addWidget(roundsLabel_);
    counts->addWidget(roundsBox_);
    counts->addSpacing(fontMetrics().averageCharWidth() * 2);
    counts->addWidget(reportButton_);
    counts->addStretch(1);

    typeGroup_ = new QGroupBox(tr("Tournament type"), settingsStrip_);
    typeGroup_->setObjectName(QStringLiteral("typeGroup"));
    typeGroup_->setFlat(true); // a title over the buttons, no frame: one line less
    auto* radios = new QHBoxLayout(typeGroup_);
    typeButtons_ = new QButtonGroup(typeGroup_);
    typeButtons_->setObjectName(QStringLiteral("typeButtons"));
    const QString captions[] = {tr("S&wiss/Match"), tr("Round ro&bin"), tr("Do&uble round robin")};
    const char* names[] = {"swissRadio", "roundRobinRadio", "doubleRoundRobinRadio"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(captions[i], typeGroup_);
        radio->setObjectName(QString::fromLatin1(names[i]));
        typeButtons_->addButton(radio, i);
        radios->addWidget(radio);
    }
    radios->addStretch(1);
    typeButtons_->button(0)->setChecked(true);

    showMembersBox_ = new QCheckBox(tr("&View database"), settingsStrip_);
    showMembersBox_->setObjectName(QStringLiteral("showMembersBox"));
    showMembersBox_->setChecked(true);
    auto* type = new QHBoxLayout;
    type->addWidget(typeGroup_);
    type->addWidget(showMembersBox_, 0, Qt::AlignBottom);
    type->addStretch(1);

    settingsStrip_->setBlocks(counts, type);

    connect(playersBox_, &QSpinBox::valueChanged, this, &MainWindow::playersCountChanged);
    connect(roundsBox_, &QSpinBox::valueChanged, this, &MainWindow::roundsCountChanged);
    connect(typeButtons_, &QButtonGroup::idClicked, this, &MainWindow::typeChosen);
    connect(reportButton_, &QPushButton::clicked, this, &MainWindow::createReport);
    connect(showMembersBox_, &QCheckBox::clicked, this, &MainWindow::showMembers);
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
    action(file, "saveAsAction", tr("Save &as..."), &MainWindow::saveChartAs);
    buildImportMenu(file);
    file->addSeparator();
    action(file, "quitAction", tr("E&xit"), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    buildEditActions(edit);
    action(edit, "deleteRowAction", tr("&Delete row"), &MainWindow::deleteRow);
    action(edit, "clearResultsAction", tr("Clear &all results"), &MainWindow::clearResults);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    action(tools, "reportAction", tr("Create &report for QRB..."), &MainWindow::createReport);
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
    // Measured now that the chart's columns have their widths, unless something else sized
    // the window meanwhile (a size the director left stands). Only taller is the window's
    // own doing: a chart opened at start lists its faults.
    if (!layoutRestored_) {
        QTimer::singleShot(0, this, [this, shown = size()] {
            if (width() == shown.width() && height() >= shown.height())
                applyDefaultLayout();
        });
    }
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
        prompts::showError(this, MessageText(opened.message));
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
