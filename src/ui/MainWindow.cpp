#include "ui/MainWindow.h"

#include "files/ChartFile.h"
#include "recovery/RecoveryStore.h"
#include "settings/Settings.h"
#include "ui/AboutDialog.h"
#include "ui/Application.h"
#include "ui/ChartEditActions.h"
#include "ui/ChartModel.h"
#include "ui/ChartSettingsStrip.h"
#include "ui/ChartView.h"
#include "ui/DocumentSignals.h"
#include "ui/FileDialog.h"
#include "ui/HelpDialog.h"
#include "ui/MembersPane.h"
#include "ui/MessageText.h"
#include "ui/PaneCycler.h"
#include "ui/ProblemsDock.h"
#include "ui/ProblemsPanel.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/RecentChartsMenu.h"
#include "ui/RecoveryScheduler.h"
#include "ui/StandardShortcuts.h"
#include "ui/StandingsDialog.h"
#include "ui/TournamentInfoDialog.h"
#include "ui/WindowLayoutMemory.h"
#include "ui/WindowPlacement.h"
#include "ui/WindowPrompts.h"
#include "ui/WindowTitle.h"
#include "validation/ChartProblems.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ranvik {

namespace {
template <class Slot>
QAction* AddAction(QMenu* menu, const char* name, const QString& caption, MainWindow* receiver,
                   Slot slot) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    QObject::connect(a, &QAction::triggered, receiver, slot);
    return a;
}
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    programFolder_ = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    settings_ = std::make_unique<Settings>(DefaultSettingsPath());

    // The document's questions show over the chart: the view comes first. It joins the
    // window below the settings strip, so the focus keeps the window's order.
    chartView_ = new ChartView;
    chartView_->setObjectName(QStringLiteral("chartView"));
    prompts_ = std::make_unique<WindowPrompts>(*this, *chartView_, *settings_);
    document_ = std::make_unique<ChartDocument>(*prompts_);
    prompts_->chartFileName = [this] { return ToQString(document_->fileName()); };
    chartModel_ = new ChartModel(document_->tournament(), this);
    chartView_->setChartModel(chartModel_);
    changes_ = std::make_unique<DocumentSignals>(document_->tournament());

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    settingsStrip_ = new ChartSettingsStrip(*document_, *changes_, central);
    column->addWidget(settingsStrip_);
    splitter_ = new QSplitter(Qt::Horizontal, central);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setHandleWidth(4);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(chartView_);
    membersPane_ = new MembersPane(splitter_);
    splitter_->addWidget(membersPane_);
    column->addWidget(splitter_, 1);
    setCentralWidget(central);
    buildMenus();
    setUpRecovery();

    connect(settingsStrip_, &ChartSettingsStrip::reportRequested, this, &MainWindow::createReport);
    connect(settingsStrip_, &ChartSettingsStrip::membersShownChanged, this,
            &MainWindow::showMembers);
    connect(membersPane_, &MembersPane::openRequested, this, &MainWindow::chooseDatabase);
    connect(membersPane_, &MembersPane::loadRequested, this, &MainWindow::loadMember);

    // In the window's order: settings above, the chart, the problems below it, the members.
    auto* panes = new PaneCycler(*this);
    panes->addPane(settingsStrip_, [this] { return settingsStrip_->focusTarget(); });
    panes->addPane(chartView_, [this] { return chartView_; });
    panes->addPane(problemsPanel_, [this] { return problemsPanel_->focusTarget(); });
    panes->addPane(membersPane_, [this] { return membersPane_; });

    layoutRestored_ = RestoreWindowLayout(*this, *splitter_);
    if (!layoutRestored_)
        applyDefaultLayout(); // again once shown, with the chart's own widths
    settingsStrip_->sync();
}

MainWindow::~MainWindow() {
    saveSettings();
    // The children outlive this body; none may read the chart once it is gone.
    chartView_->editingChanged = nullptr;
    chartView_->clearSelectedCells = nullptr;
    chartView_->setModel(nullptr);
    delete chartModel_;
    chartModel_ = nullptr;
}

void MainWindow::setDialogs(const AppDialogs& dialogs) {
    dialogs_ = &dialogs;
    prompts_->setDialogs(&dialogs);
}

QString MainWindow::databasePath() const {
    return membersPane_->databasePath();
}

QString MainWindow::membersTableName() const {
    return membersPane_->membersTableName();
}

void MainWindow::openDatabaseFile(const QString& path) {
    membersPane_->openDatabaseFile(path);
}

// At a first start the window shows the chart's ten result columns beside the members list
// with its controls whole, as far as the screen allows. The layouts give the smallest size
// at which every control shows whole.
void MainWindow::applyDefaultLayout() {
    const QFontMetrics metrics = fontMetrics();
    const int points = problemsPanel_->scoresView()->maximumWidth();
    StartWidths wanted;
    wanted.chartWanted = chartView_->widthShowing(10) + points;
    wanted.chartLeast = chartView_->widthShowing(5) + points;
    wanted.membersWhole = membersPane_->wholeControlsWidth();
    wanted.membersShare = std::min(metrics.averageCharWidth() * 48, wanted.membersWhole);
    wanted.handle = splitter_->handleWidth();
    wanted.leastHeight = metrics.lineSpacing() * 34;
    QSize available(wanted.chartWanted + wanted.handle + wanted.membersWhole, wanted.leastHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        available = screen->availableGeometry().size();
    const StartLayout start = PlanStartLayout(wanted, available);
    resize(start.window);
    CenterOnScreen(*this);
    splitter_->setSizes({start.chart, start.members});
    // A wider window widens both; the chart the most.
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
}

void MainWindow::buildMenus() {
    buildFileMenu();
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    new ChartEditActions(*document_, *chartView_, *changes_, *edit, *this);
    buildToolsMenu();
    buildDatabaseMenu();
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    AddAction(help, "helpAction", tr("&Help..."), this, [this] {
        if (dialogs_ && dialogs_->help)
            prompts::execModal(*dialogs_->help);
        focusChart();
    });
    AddAction(help, "aboutAction", tr("&About..."), this, [this] {
        if (dialogs_ && dialogs_->about)
            prompts::execModal(*dialogs_->about);
        focusChart();
    });
    addFindMemberAction();
    AddStandardShortcuts(*this);
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    AddAction(file, "newAction", tr("&New"), this, &MainWindow::newChart);
    file->addSeparator();
    AddAction(file, "openAction", tr("&Open..."), this, &MainWindow::openChart);
    recentMenu_ = new RecentChartsMenu(*settings_, file);
    file->addMenu(recentMenu_);
    // The type question and the save question, as Open asks them once its file is chosen.
    connect(recentMenu_, &RecentChartsMenu::chosen, this, &MainWindow::openChartFromCommandLine);
    AddAction(file, "saveAction", tr("&Save"), this, [this] {
        document_->save();
        chartChanged();
    });
    AddAction(file, "saveAsAction", tr("Save &as..."), this, [this] {
        document_->saveAs();
        chartChanged();
    });
    file->addSeparator();
    QMenu* import = file->addMenu(tr("&Import"));
    import->setObjectName(QStringLiteral("importMenu"));
    AddAction(import, "importTrfAction", tr("&FIDE tournament report (TRF)…"), this,
              &MainWindow::importTrf);
    file->addSeparator();
    AddAction(file, "quitAction", tr("E&xit"), this, &QWidget::close);

    title_ = new WindowTitle(*this, *document_, *chartModel_);
}

void MainWindow::buildToolsMenu() {
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    AddAction(tools, "reportAction", tr("Create &report for QRB..."), this,
              &MainWindow::createReport);
    AddAction(tools, "sortByRatingAction", tr("&Sort players in chart by rating"), this, [this] {
        document_->sortByRating();
        focusChart();
    });
    AddAction(tools, "standingsAction", tr("S&tandings\u2026"), this, &MainWindow::showStandings);
    tools->addSeparator();
    QAction* updateOpponents = tools->addAction(tr("&Update opponents automatically"));
    updateOpponents->setObjectName(QStringLiteral("updateOpponentsAction"));
    updateOpponents->setCheckable(true);
    updateOpponents->setChecked(true);
    connect(updateOpponents, &QAction::triggered, this, [this, updateOpponents] {
        document_->tournament().toggleOpponentUpdates();
        updateOpponents->setChecked(document_->tournament().updatesOpponents());
    });

    QAction* enterMoves = tools->addAction(tr("&Enter moves to the next cell"));
    enterMoves->setObjectName(QStringLiteral("enterMovesAction"));
    enterMoves->setCheckable(true);
    const bool on = settings_->get(setting::EnterMovesDown);
    enterMoves->setChecked(on);
    chartView_->setEnterMovesDown(on);
    connect(enterMoves, &QAction::toggled, this, [this](bool checked) {
        chartView_->setEnterMovesDown(checked);
        settings_->set(setting::EnterMovesDown, checked);
    });
    problems_ = std::make_unique<ChartProblems>(document_->tournament(), UnsavableCellMessage);
    problemsPanel_ = AddProblemsDock({*this, *splitter_, *chartView_, *chartModel_, *tools},
                                     *problems_, *settings_);
}

void MainWindow::buildDatabaseMenu() {
    QMenu* database = menuBar()->addMenu(tr("&Database"));
    database->setObjectName(QStringLiteral("databaseMenu"));
    AddAction(database, "openDatabaseAction", tr("&Open database..."), this,
              &MainWindow::chooseDatabase);
    database->addSeparator();
    QMenu* orders = database->addMenu(tr("&Sort"));
    orders->setObjectName(QStringLiteral("memberOrderMenu"));
    membersPane_->addOrderActions(*orders);
    // The menu item toggles the view like the check box does.
    QAction* shown = AddAction(database, "showMembersAction", tr("&View database"), this, [this] {
        settingsStrip_->setMembersShown(!settingsStrip_->membersShown());
        showMembers(settingsStrip_->membersShown());
    });
    shown->setCheckable(true);
    shown->setChecked(true);
    QAction* load = AddAction(database, "loadMemberAction", tr("&Load player from database"), this,
                              &MainWindow::loadMember);
    // Sorting and loading mean something only while the members show.
    connect(this, &MainWindow::membersShownChanged, shown, &QAction::setChecked);
    connect(this, &MainWindow::membersShownChanged, orders->menuAction(), &QAction::setEnabled);
    connect(this, &MainWindow::membersShownChanged, load, &QAction::setEnabled);
    AddAction(database, "matchPlayersAction", tr("&Match players with database…"), this,
              [this] { document_->matchPlayers(membersPane_->table()); });
}

void MainWindow::addFindMemberAction() {
    auto* database = menuBar()->findChild<QMenu*>(QStringLiteral("databaseMenu"));
    QAction* findMember = database->addAction(tr("&Find member by name"));
    findMember->setObjectName(QStringLiteral("findMemberAction"));
    findMember->setShortcut(QKeySequence::Find);
    connect(findMember, &QAction::triggered, this, [this] {
        if (!settingsStrip_->membersShown()) {
            settingsStrip_->setMembersShown(true);
            showMembers(true);
        }
        membersPane_->focusNameSearch();
    });
}

void MainWindow::setUpRecovery() {
    document_->enableRecovery(DefaultRecoveryFolder());
    recoveryScheduler_ = std::make_unique<RecoveryScheduler>(*document_);
    connect(changes_.get(), &DocumentSignals::shapeChanged, recoveryScheduler_.get(),
            &RecoveryScheduler::chartChanged);
    connect(recoveryScheduler_.get(), &RecoveryScheduler::writeFailed, this,
            [this](const QString& reason) {
                statusBar()->showMessage(
                    tr("The recovery copy of this chart could not be written: %1").arg(reason));
            });
    connect(recoveryScheduler_.get(), &RecoveryScheduler::writeRecovered, this,
            [this] { statusBar()->clearMessage(); });
}

void MainWindow::setRecoveryDelays(int idleMs, int longestMs) {
    recoveryScheduler_->setDelays(idleMs, longestMs);
}

void MainWindow::offerRecovery() {
    if (!document_->offerRecoveryCopies())
        return;
    settingsStrip_->sync();
    chartView_->setCurrentCell(1, 1);
    chartView_->fitNameColumn();
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
    // A settings file read only in part is never written back (that would lose the rest):
    // the director hears it once, here.
    if (const Message& fault = settings_->fault(); !fault.empty())
        statusBar()->showMessage(tr("The settings file %1 is left as it is, since %2; changed "
                                    "settings are not remembered.")
                                     .arg(ToQString(settings_->path()), MessageText(fault)));
    membersPane_->openAtStart(ToQString(settings_->get(setting::DatabaseName)), programFolder_);
    document_->start();
    settingsStrip_->sync();
    chartView_->setCurrentCell(1, 1);
    title_->refresh();
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

void MainWindow::saveSettings() {
    // A window that never started never read the settings; it has nothing to write back.
    if (!started_)
        return;
    if (!membersPane_->databasePath().isEmpty())
        settings_->set(setting::DatabaseName, ToCorePath(membersPane_->databasePath()));
    prompts_->saveFolders();
    SaveWindowLayout(*this, *splitter_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (document_->mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::newChart() {
    if (document_->newChart() == Outcome::Done) {
        chartView_->setCurrentCell(1, 1);
        recentMenu_->forgetLast();
        // A new chart is a new event: the tournament information dialog opens empty.
        if (dialogs_ && dialogs_->tournamentInfo)
            dialogs_->tournamentInfo->clearFields();
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

void MainWindow::importTrf() {
    if (document_->importTrf().outcome == Outcome::Done) {
        chartView_->setCurrentCell(1, 1);
        chartView_->fitNameColumn();
    }
}

void MainWindow::createReport() {
    const ReportResult report = document_->createReport();
    // The report's director's and organiser's numbers go to the live check's warnings.
    if (const std::optional<TournamentInfo>& info = document_->tournamentInfo())
        problems_->setOfficialNumbers(info->tdNumber, info->organiserNumber);
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

// The chart checked as the report checks it, then the standings window, headed by the
// tournament information when the report dialog holds it.
void MainWindow::showStandings() {
    if (!document_->validateForStandings())
        return;
    DocumentHeading heading;
    if (dialogs_ && dialogs_->tournamentInfo && dialogs_->tournamentInfo->filled())
        heading.info = dialogs_->tournamentInfo->info();
    heading.date = TodayIsoDate();
    if (!standingsExportDialog_)
        standingsExportDialog_ = std::make_unique<FileDialog>(FileDialog::Mode::Save);
    StandingsDialog dialog(*document_, std::move(heading), *settings_, *standingsExportDialog_,
                           this);
    dialog.run();
}

void MainWindow::showMembers(bool visible) {
    membersPane_->setShown(visible);
    emit membersShownChanged(visible);
}

void MainWindow::chooseDatabase() {
    const std::optional<std::string> chosen = prompts_->chooseFileToOpen(FileKind::Database);
    focusChart();
    if (!chosen)
        return;
    membersPane_->openDatabaseFile(ToQString(*chosen));
}

void MainWindow::loadMember() {
    const LoadPlayerResult loaded = document_->loadPlayer(
        membersPane_->table(), membersPane_->ordering(), chartView_->currentRow());
    if (loaded.outcome != Outcome::Done)
        return;
    // The next load goes below; moving the selection runs the opponent update as leaving a
    // cell does.
    if (loaded.row != document_->tournament().chart().rowCount() - 1)
        chartView_->setCurrentCell(chartView_->currentCol(), loaded.row + 1);
}

void MainWindow::chartChanged() {
    recentMenu_->remember(document_->fileName());
    title_->refresh();
    focusChart();
}

void MainWindow::chartReplaced() {
    // Widths follow the new chart's names; after a save or a report the director's own
    // widths stay.
    chartView_->fitNameColumn();
    chartChanged();
}

void MainWindow::focusChart() {
    chartView_->setFocus(Qt::OtherFocusReason);
}

} // namespace ranvik
