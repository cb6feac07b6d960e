#pragma once
// The main window: the chart on the left, the membership database on the right, a strip
// of settings above both and the problems dock below. It keeps the menus and the
// arrangement, and routes each command to the widget or the document that owns it; the
// workflows themselves live in the document.

#include "document/ChartDocument.h"

#include <QMainWindow>

#include <memory>

class QMenu;
class QSplitter;

namespace ranvik {

class ChartModel;
class ChartProblems;
class ChartSettingsStrip;
class ChartView;
class DocumentSignals;
class FileDialog;
class MembersPane;
class ProblemsPanel;
class RecentChartsMenu;
class RecoveryScheduler;
class Settings;
class WindowPrompts;
class WindowTitle;
struct AppDialogs;

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
    QString databasePath() const;
    QString membersTableName() const;
    // Opens a membership database file and shows it.
    void openDatabaseFile(const QString& path);

    // The folder the default membership database is looked for in (the program's own
    // folder; tests point it elsewhere). Ends with a separator.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }

    // How long the recovery copy waits after a change, and at most while changes go on.
    void setRecoveryDelays(int idleMs, int longestMs);

  signals:
    // The membership panel was shown or hidden (the check box, the menu, Find member).
    void membersShownChanged(bool shown);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void startOnce();
    void applyDefaultLayout();
    void buildMenus();
    void buildFileMenu();
    void buildToolsMenu();
    void buildDatabaseMenu();
    void addFindMemberAction();
    void setUpRecovery();
    void saveSettings();

    // File commands; after them the title, the recent charts and the focus follow.
    void newChart();
    void openChart();
    void importTrf();
    void createReport();
    void showStandings();
    void showMembers(bool visible);
    void chooseDatabase();
    void loadMember();
    void offerRecovery();
    // After a command that may have opened, saved or replaced the chart.
    void chartChanged();
    // After New, Open and the like: also fits the columns to the new chart.
    void chartReplaced();
    void focusChart();

    // What the director chose, read once at the start (settings/SettingKeys.h).
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<WindowPrompts> prompts_;
    std::unique_ptr<ChartDocument> document_;
    // Declared after the document: it lets go of the document's callbacks before it goes.
    std::unique_ptr<DocumentSignals> changes_;
    ChartModel* chartModel_ = nullptr;
    ChartView* chartView_ = nullptr;
    QSplitter* splitter_ = nullptr;
    ChartSettingsStrip* settingsStrip_ = nullptr;
    MembersPane* membersPane_ = nullptr;
    RecentChartsMenu* recentMenu_ = nullptr;
    WindowTitle* title_ = nullptr;

    const AppDialogs* dialogs_ = nullptr;
    QString programFolder_;
    bool started_ = false;
    bool layoutRestored_ = false; // the size and split the director left came back
    std::unique_ptr<FileDialog> standingsExportDialog_;

    // The live check and its panel; the recovery copy, declared last so it stops listening
    // to the chart before the document goes.
    std::unique_ptr<ChartProblems> problems_;
    ProblemsPanel* problemsPanel_ = nullptr;
    std::unique_ptr<RecoveryScheduler> recoveryScheduler_;
};

} // namespace ranvik
