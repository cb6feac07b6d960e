// Tools > Standings...: the chart checked as the report checks it, then the standings
// window, headed by the tournament information when the report dialog holds it.

#include "ui/MainWindow.h"

#include "ui/Application.h"
#include "ui/FileDialog.h"
#include "ui/StandingsDialog.h"
#include "ui/TournamentInfoDialog.h"

#include <QAction>
#include <QMenu>

namespace ranvik {

void MainWindow::buildStandingsActions(QMenu* tools) {
    QAction* action = tools->addAction(tr("S&tandings\u2026"));
    action->setObjectName(QStringLiteral("standingsAction"));
    connect(action, &QAction::triggered, this, &MainWindow::showStandings);
}

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

} // namespace ranvik
