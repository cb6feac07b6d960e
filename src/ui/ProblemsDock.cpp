#include "ui/ProblemsDock.h"

#include "settings/Settings.h"
#include "ui/ChartView.h"
#include "ui/ProblemsPanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>

namespace ranvik {

ProblemsPanel* AddProblemsDock(const ProblemsDockPlace& place, ChartProblems& problems,
                               Settings& settings) {
    QStatusBar* bar = place.window.statusBar();
    auto* summary = new QLabel(bar);
    summary->setObjectName(QStringLiteral("problemsSummaryLabel"));
    // Beside the messages, not over them: the rest of the bar stays theirs (a recovery copy
    // that cannot be written, a settings file left alone).
    bar->addPermanentWidget(summary);
    auto* panel = new ProblemsPanel(problems, place.model, place.view, *summary, &place.window);
    place.window.addDockWidget(Qt::BottomDockWidgetArea, panel);

    // The points stay in view at the chart's right, whatever it scrolls to.
    auto* holder = new QWidget;
    holder->setObjectName(QStringLiteral("chartHolder"));
    place.splitter.insertWidget(place.splitter.indexOf(&place.view), holder);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(&place.view, 1);
    row->addWidget(panel->scoresView());

    QAction* shown = panel->toggleViewAction();
    shown->setObjectName(QStringLiteral("showProblemsAction"));
    shown->setText(QCoreApplication::translate("ranvik::MainWindow", "Show &problems"));
    place.tools.addAction(shown);
    panel->setVisible(settings.get(setting::ProblemsVisible));
    QObject::connect(shown, &QAction::triggered, panel,
                     [&settings](bool on) { settings.set(setting::ProblemsVisible, on); });
    return panel;
}

} // namespace ranvik
