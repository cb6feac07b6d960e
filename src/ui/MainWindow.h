#pragma once
// The main window: the chart on the left, the membership database view on the right, a
// strip of controls above both. Handlers keep the design's names and hand the work to the
// core (Tournament, validation, report, files, members).

#include "chart/Tournament.h"
#include "files/ChartFile.h"
#include "ui/FileDialog.h"

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
class QToolButton;

namespace ranvik {

class ChartModel;
class ChartView;
class TAboutDlg;
class TCheckQRBNumbersDlg;
class THelpDlg;
class TMsgDlg;
class TTnmtHeaderDlg;
struct DatabaseView; // the membership database's state and models (MainWindowDatabase.cpp)

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window; it uses them from then on.
    void setDialogs(TTnmtHeaderDlg* tnmtHeader, TAboutDlg* about, TCheckQRBNumbersDlg* checkNumbers,
                    THelpDlg* help, TMsgDlg* msgDlg);

    Tournament& tournament() { return tournament_; }
    ChartModel* chartModel() const { return chartModel_; }

    // Main window state.
    bool Modified() const { return tournament_.modified(); }
    QString RatingField;      // "RATING", "ACT_RATING" or empty
    QString ChartFileName;    // the chart file last opened or chosen in Save as
    bool ChartSaveFailed = false;
    bool SaveCancelled = false;
    QString DatabaseFileName; // the membership database file
    QString IniFileName;      // the settings file's name
    QString MembersTable;     // the membership table's name
    QString DbSortField;      // "NAME", "NUMBER" or "PROV"
    QString SearchText;
    bool FirstActivation = true;

    // Folder of the program file, with its trailing separator (tests may point it elsewhere).
    QString ProgramFolder;

    // Controls (object names are the design's).
    QFrame* Panel2 = nullptr;
    QSpinBox* NumPlayersSE = nullptr;
    QLabel* NumPlayersLabel = nullptr;
    QSpinBox* NumRndsSE = nullptr;
    QLabel* NumRndsLabel = nullptr;
    QPushButton* CreateReportBtn = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Buttons = nullptr;
    QCheckBox* ViewDatabaseCB = nullptr;
    QPushButton* LoadFromDatabaseBtn = nullptr;
    QLabel* NameLabel = nullptr;
    QLineEdit* NameLE = nullptr;
    QLabel* IDLabel = nullptr;
    QLineEdit* IDLE = nullptr;
    QWidget* DBNavigator1 = nullptr;
    QToolButton* NavFirst = nullptr;
    QToolButton* NavPrior = nullptr;
    QToolButton* NavNext = nullptr;
    QToolButton* NavLast = nullptr;
    QSplitter* Splitter1 = nullptr;
    ChartView* StringGrid1 = nullptr;
    QTableView* DBGrid1 = nullptr;

    // Menus.
    QAction* NewMenu = nullptr;
    QAction* OpenMenu = nullptr;
    QAction* SaveMenu = nullptr;
    QAction* SaveasMenu = nullptr;
    QAction* ExitMenu = nullptr;
    QAction* DeleteRowMenu = nullptr;
    QAction* ClearResultsMenu = nullptr;
    QAction* CreatereportforQRBMenu = nullptr;
    QAction* CreatereportforFIDE1 = nullptr;
    QAction* SortplayersMenu = nullptr;
    QAction* AutoUpdateMenu = nullptr;
    QAction* OpendatabaseMenu = nullptr;
    QMenu* SortMenu = nullptr;
    QAction* SortNameMenu = nullptr;
    QAction* SortIDMenu = nullptr;
    QAction* SortProvinceMenu = nullptr;
    QAction* ViewdatabaseMenu = nullptr;
    QAction* LoadplayerfromdatabaseMenu = nullptr;
    QAction* HelpMenu2 = nullptr;
    QAction* AboutMenu = nullptr;

    // Shared file dialogs; they keep their folder and file name between uses.
    FileDialog OpenDialog1{FileDialog::Mode::Open};
    FileDialog SaveDialog1{FileDialog::Mode::Save};

    // The dialogs (created at start-up, owned by the application).
    TTnmtHeaderDlg* TnmtHeaderDlg = nullptr;
    TAboutDlg* AboutDlg = nullptr;
    TCheckQRBNumbersDlg* CheckQRBNumbersDlg = nullptr;
    THelpDlg* HelpDlg = nullptr;
    TMsgDlg* MsgDlg = nullptr;

    // Asks "What rating system did this event use?" when RatingField is empty.
    void AskRatingFieldIfEmpty();

    // Chart files.
    void SaveGrid(const QString& fileName);
    // SaveGrid with the file's content already made (the report checks it before writing).
    void SaveGridContent(const QString& fileName, const ChartBytes& content);
    // False (with the error shown, nothing changed) when the file cannot be read.
    bool LoadGrid(const QString& fileName);
    // Opens a chart named when the program starts: asks its tournament type as File > Open
    // does, then loads it. False when the question was cancelled or the file not read.
    bool openChartFromCommandLine(const QString& path);

    // The close question; true when the window may close.
    bool FormCloseQuery();

    // Membership database.
    void InitDBase();
    void OpenDBase();
    void TweakColWidths();
    void findplayer();
    DatabaseView* databaseView() const { return db_.get(); }

public slots:
    void FormActivate();
    void NumPlayersSEChange();
    void NumRndsSEChange();
    void RadioGroup1Click();
    void CreateReportBtnClick();
    void ViewDatabaseCBClick();
    void LoadFromDatabaseBtnClick();
    void NameLEChange();
    void IDLEChange();
    void DBGrid1DblClick();

    void NewMenuClick();
    void OpenMenuClick();
    void SaveMenuClick();
    void SaveasMenuClick();
    void ExitMenuClick();
    void DeleteRowMenuClick();
    void ClearResultsMenuClick();
    void SortPlayersBtnClick();
    void AutoUpdateMenuClick();
    void OpendatabaseMenuClick();
    void SortNameMenuClick();
    void SortIDMenuClick();
    void SortProvinceMenuClick();
    void HelpMenu2Click();
    void AboutMenuClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void buildTopStrip();
    void buildMenus();
    void wireChart();
    // Brings the spin boxes, radio group and rounds box in line with the core.
    void syncControls();
    // Database steps of the first activation: settings, then the default file.
    void DatabaseStartup();
    void createDatabaseView();

    Tournament tournament_;
    ChartModel* chartModel_ = nullptr;
    std::unique_ptr<DatabaseView> db_;
    bool syncing_ = false;
};

} // namespace ranvik
