// The main window's import of a pairing program's tournament report and its matching of
// the chart's players with the membership database; the document runs both.

#include "ui/MainWindow.h"

#include "ui/ChartView.h"
#include "ui/MembersModel.h"
#include "ui/MembersPanel.h"

#include <QAction>
#include <QMenu>

namespace ranvik {

void MainWindow::buildImportMenu(QMenu* file) {
    file->addSeparator();
    QMenu* import = file->addMenu(tr("&Import"));
    import->setObjectName(QStringLiteral("importMenu"));
    QAction* trf = import->addAction(tr("&FIDE tournament report (TRF)…"));
    trf->setObjectName(QStringLiteral("importTrfAction"));
    connect(trf, &QAction::triggered, this, &MainWindow::importTrf);
}

void MainWindow::buildMatchAction(QMenu* database) {
    QAction* match = database->addAction(tr("&Match players with database…"));
    match->setObjectName(QStringLiteral("matchPlayersAction"));
    connect(match, &QAction::triggered, this, &MainWindow::matchPlayers);
}

void MainWindow::importTrf() {
    if (document_->importTrf().outcome == Outcome::Done) {
        chartView_->setCurrentCell(1, 1);
        chartView_->fitNameColumn();
    }
}

void MainWindow::matchPlayers() {
    document_->matchPlayers(members_->model->table());
}

} // namespace ranvik
