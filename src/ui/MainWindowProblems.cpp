// The live check of the chart: the problems dock, the points column beside the chart and
// the status bar summary.

#include "files/ChartFile.h"
#include "settings/Settings.h"
#include "ui/ChartView.h"
#include "ui/MainWindow.h"
#include "ui/ProblemsPanel.h"
#include "validation/ChartProblems.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>

namespace ranvik {
void MainWindow::buildProblemsPanel(QMenu* tools) {
    problems_ = std::make_unique<ChartProblems>(document_->tournament(), UnsavableCellMessage);
    auto* summary = new QLabel(statusBar());
    summary->setObjectName(QStringLiteral("problemsSummaryLabel"));
    // Beside the messages, not over them: the rest of the bar stays theirs (a recovery copy
    // that cannot be written, a settings file left alone).
    statusBar()->addPermanentWidget(summary);
    problemsPanel_ = new ProblemsPanel(*problems_, *chartModel_, *chartView_, *summary, this);
    addDockWidget(Qt::BottomDockWidgetArea, problemsPanel_);

    // The points stay in view at the chart's right, whatever it scrolls to.
    auto* holder = new QWidget;
    holder->setObjectName(QStringLiteral("chartHolder"));
    splitter_->insertWidget(splitter_->indexOf(chartView_), holder);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(chartView_, 1);
    row->addWidget(problemsPanel_->scoresView());

    showProblemsAction_ = problemsPanel_->toggleViewAction();
    showProblemsAction_->setObjectName(QStringLiteral("showProblemsAction"));
    showProblemsAction_->setText(tr("Show &problems"));
    tools->addAction(showProblemsAction_);
    problemsPanel_->setVisible(settings_->get(setting::ProblemsVisible));
    connect(showProblemsAction_, &QAction::triggered, this,
            [this](bool shown) { settings_->set(setting::ProblemsVisible, shown); });
}

void MainWindow::tournamentInfoGiven() {
    if (const std::optional<TournamentInfo>& info = document_->tournamentInfo())
        problems_->setOfficialNumbers(info->tdNumber, info->organiserNumber);
}

} // namespace ranvik
