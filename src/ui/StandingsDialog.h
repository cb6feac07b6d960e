#pragma once
// "Standings": the standings list (sortable), the cross-table, the tie-break order the
// director edits (remembered per kind of tournament), printing, print preview and the
// PDF, HTML and CSV exports. Shown for a chart that has passed validation.

#include "standings/ChartGames.h"
#include "standings/Standings.h"
#include "standings/StandingsDocument.h"

#include <QDialog>

#include <string>

class QLabel;
class QPrinter;
class QSortFilterProxyModel;
class QTableView;
class QTabWidget;

namespace ranvik {

class ChartDocument;
class DocumentTableModel;
class FileDialog;
class Settings;
class StandingsModel;
class TieBreakOrderEditor;

class StandingsDialog : public QDialog {
    Q_OBJECT
  public:
    // exportDialog keeps the folder of the exports between uses; settings remember the
    // tie-break order.
    StandingsDialog(ChartDocument& document, DocumentHeading heading, Settings& settings,
                    FileDialog& exportDialog, QWidget* parent = nullptr);
    ~StandingsDialog() override;

    // Shows the dialog modally.
    void run();

    // The document that printing and the exports write, made when asked for.
    StandingsDocument printable() const;

  private slots:
    void tieBreaksEdited();
    void print();
    void printPreview();
    void exportPdf();
    void exportHtml();
    void exportCsv();

  private:
    enum class ExportKind { Pdf, Html, Csv };
    void build();
    void recompute(const std::vector<TieBreak>& tieBreaks);
    void showHeading();
    void exportAs(ExportKind kind);
    QString chooseExportPath(ExportKind kind);

    ChartDocument& document_;
    DocumentHeading heading_;
    Settings& settings_;
    FileDialog& exportDialog_;
    ChartGames games_;
    StandingsDocument shownHeading_; // the title and heading lines, no tables

    QLabel* headingLabel_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    StandingsModel* standingsModel_ = nullptr;
    QSortFilterProxyModel* sortedStandings_ = nullptr;
    DocumentTableModel* crossTableModel_ = nullptr;
    QTableView* standingsView_ = nullptr;
    QTableView* crossTableView_ = nullptr;
    TieBreakOrderEditor* tieBreakEditor_ = nullptr;
};

} // namespace ranvik
