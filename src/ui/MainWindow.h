#pragma once
// The main window: the chart on the left, the membership database on the right, a strip
// of settings above both. It shows the chart document and forwards the director's
// commands to it; the workflows themselves live in the document.

#include "document/ChartDocument.h"
#include "members/MemberTable.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;
class QTimer;
class QToolButton;

namespace ranvik {

class ChartModel;
class ChartProblems;
class ChartView;
class FileDialog;
class MembersPane;
class RecoveryScheduler;
class ProblemsPanel;
class Settings;
class SettingsStrip;
class WindowPrompts;
struct AppDialogs;
struct MembersPanel; // the membership database's models and state (MainWindowDatabase.cpp)

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The dialogs are created after the main window; it uses them from then on.
    void setDialogs(const AppDialogs& dialogs);

    ChartDocument& document() { return *document_; }

    // Reads a chart file under the current tournament type; false (the error shown, nothing
    // changed) when it cannot be read.
    bool openChartFile(const QString& path);
    // A chart named on the program's command line: asks its type as File > Open does.
    bool openChartFromCommandLine(const QString& path);

    // The membership database file shown (or last chosen) and its table's name.
    QString databasePath() const { return databasePath_; }
    QString membersTableName() const { return membersTable_; }
    // Opens a membership database file and shows it.
    void openDatabaseFile(const QString& path);

    // The folder the default membership database is looked for in (the program's own
    // folder; tests point it elsewhere). Ends with a separator.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }

    // How long the recovery copy waits after a change, and at most while changes go on.
    void setRecoveryDelays(int idleMs, int longestMs);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void newChart();
    void openChart();
    void saveChart();
    void saveChartAs();
    void createReport();
    void deleteRow();
    void clearResults();
    void sortByRating();
    void toggleOpponentUpdates();
    void chooseDatabase();
    void showMembers(bool visible);
    void loadMember();
    void searchByName(const QString& text);
    void searchByNumber(const QString& text);
    void showHelp();
    void showAbout();
    void playersCountChanged(int value);
    void roundsCountChanged(int value);
    void typeChosen(int id);

  private:
    void startOnce();
    void applyDefaultLayout();
    void buildSettingsStrip();
    void buildMenus();
    void buildMembersPanel();
    // Brings the spin boxes, type buttons and rounds box in line with the document.
    void syncSettings();
    // Database steps of the start: settings, then the default file.
    void openStartupDatabase();
    // Reads a membership file and shows it; false (with the error shown when tellFailure)
    // when it cannot be read, the shown database staying.
    bool readDatabase(const QString& path, bool tellFailure);
    void applyMemberColumnWidths();
    void showMemberOrder(MemberOrder order);
    void showCurrentMember();
    void findMember(const QString& text);
    void saveSettings();
    // Size, place, docks and splitter, as the director left them (MainWindowLayoutMemory.cpp).
    void restoreWindowLayout();
    void saveWindowLayout();

    // What the director chose, read once at the start (settings/SettingKeys.h).
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<WindowPrompts> prompts_;
    std::unique_ptr<ChartDocument> document_;
    ChartModel* chartModel_ = nullptr;
    std::unique_ptr<MembersPanel> members_;
    bool syncing_ = false;
    bool started_ = false;
    bool layoutRestored_ = false; // the size and split the director left came back

    QString databasePath_;
    QString membersTable_;
    QString programFolder_;

    SettingsStrip* settingsStrip_ = nullptr;
    QSpinBox* playersBox_ = nullptr;
    QSpinBox* roundsBox_ = nullptr;
    QLabel* roundsLabel_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    QGroupBox* typeGroup_ = nullptr;
    QButtonGroup* typeButtons_ = nullptr;
    QCheckBox* showMembersBox_ = nullptr;
    QPushButton* loadMemberButton_ = nullptr;
    QLineEdit* memberNameSearch_ = nullptr;
    QLineEdit* memberNumberSearch_ = nullptr;
    QWidget* memberNavigator_ = nullptr;
    QSplitter* splitter_ = nullptr;
    ChartView* chartView_ = nullptr;
    MembersPane* membersPane_ = nullptr;
    QTableView* membersView_ = nullptr; // the pane's list

    QMenu* memberOrderMenu_ = nullptr;
    QAction* orderByNameAction_ = nullptr;
    QAction* orderByNumberAction_ = nullptr;
    QAction* orderByProvinceAction_ = nullptr;
    QAction* showMembersAction_ = nullptr;
    QAction* loadMemberAction_ = nullptr;
    QAction* updateOpponentsAction_ = nullptr;

    const AppDialogs* dialogs_ = nullptr;

    // Undo, redo, the clipboard and row insertion (MainWindowEditing.cpp).
    void buildEditActions(QMenu* edit);
    void updateEditActions();
    void undoChange();
    void redoChange();
    void copyCells(bool cut);
    void pasteCells();
    void insertRowAbove();
    void clearSelectedCells();
    void forgetChartState();
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;

    // Title and recent charts (MainWindowRecent.cpp).
    void buildRecentMenu(QMenu* file);
    void fillRecentMenu();
    void openRecent(const QString& path);
    void refreshTitle();
    // After a command that may have opened, saved or replaced the chart.
    void chartChanged();
    // After New, Open and the like: also fits the columns to the new chart.
    void chartReplaced();
    QMenu* recentMenu_ = nullptr;
    QTimer* titleTimer_ = nullptr;
    std::string lastRecent_;

    // Keyboard (MainWindowKeyboard.cpp).
    void buildEnterAction(QMenu* tools);
    void addStandardShortcuts();
    void focusChart();
    // F6 and Shift+F6: the next or previous pane that shows (step 1 or -1).
    void buildPaneKeys();
    void focusPane(int step);
    QAction* enterMovesAction_ = nullptr;
    QAction* findMemberAction_ = nullptr;

    // The database search that found nothing (MainWindowDatabase.cpp).
    QLabel* noMatchLabel_ = nullptr;
    // Enter in the Name or Number box: the member found, loaded as a double-click does.
    void loadFoundMember(QLineEdit* search);

    // File > Import and Database > Match players (MainWindowImport.cpp).
    void buildImportMenu(QMenu* file);
    void buildMatchAction(QMenu* database);
    void importTrf();
    void matchPlayers();

    // Tools > Standings... (MainWindowStandings.cpp).
    void buildStandingsActions(QMenu* tools);
    void showStandings();
    std::unique_ptr<FileDialog> standingsExportDialog_;

    // Recovery (MainWindowRecovery.cpp); declared last so it stops listening to the chart
    // before the document goes.
    void setUpRecovery();
    void offerRecovery();
    std::unique_ptr<RecoveryScheduler> recoveryScheduler_;
    // The live check of the chart and its panel (MainWindowProblems.cpp).
    void buildProblemsPanel(QMenu* tools);
    // The report's director's and organiser's numbers go to the live check's warnings.
    void tournamentInfoGiven();
    std::unique_ptr<ChartProblems> problems_;
    ProblemsPanel* problemsPanel_ = nullptr;
    QAction* showProblemsAction_ = nullptr;
};

} // namespace ranvik
