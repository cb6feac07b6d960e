// The main window's title (the chart's file and a modified mark) and File > Open recent.

#include "ui/MainWindow.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/QtText.h"

#include "document/RecentCharts.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace ranvik {

namespace {
QString ProgramTitle() {
    return MainWindow::tr("Ranvik - Ratings report utility for the Korvath");
}
} // namespace

void MainWindow::buildRecentMenu(QMenu* file) {
    recentMenu_ = file->addMenu(tr("Open &recent"));
    recentMenu_->setObjectName(QStringLiteral("recentMenu"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fillRecentMenu();

    // The chart tells its changes before it marks itself modified: the title follows once
    // the change is complete.
    titleTimer_ = new QTimer(this);
    titleTimer_->setSingleShot(true);
    titleTimer_->setInterval(0);
    connect(titleTimer_, &QTimer::timeout, this, &MainWindow::refreshTitle);
    connect(chartModel_, &QAbstractItemModel::modelReset, titleTimer_, qOverload<>(&QTimer::start));
    connect(chartModel_, &QAbstractItemModel::layoutChanged, titleTimer_,
            qOverload<>(&QTimer::start));
    connect(chartModel_, &QAbstractItemModel::dataChanged, titleTimer_,
            qOverload<>(&QTimer::start));
    connect(chartModel_, &QAbstractItemModel::rowsInserted, titleTimer_,
            qOverload<>(&QTimer::start));
    connect(chartModel_, &QAbstractItemModel::rowsRemoved, titleTimer_,
            qOverload<>(&QTimer::start));
    connect(chartModel_, &QAbstractItemModel::columnsInserted, titleTimer_,
            qOverload<>(&QTimer::start));
    connect(chartModel_, &QAbstractItemModel::columnsRemoved, titleTimer_,
            qOverload<>(&QTimer::start));
    refreshTitle();
}

void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string> recent = LoadRecentCharts(*settings_);
    int number = 1;
    for (const std::string& path : recent) {
        const QString shown = ToQString(path);
        QAction* item = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(shown).fileName()));
        item->setObjectName(QStringLiteral("recentChartAction%1").arg(number));
        item->setToolTip(shown);
        item->setData(shown);
        connect(item, &QAction::triggered, this, [this, shown] { openRecent(shown); });
        ++number;
    }
    recentMenu_->setEnabled(!recent.empty());
}

void MainWindow::openRecent(const QString& path) {
    // The type question and the save question, as Open asks them once its file is chosen.
    if (document_->openChosen(ToCorePath(path)).outcome == Outcome::Done) {
        chartReplaced();
        return;
    }
    chartChanged();
}

void MainWindow::refreshTitle() {
    const QString path = ToQString(document_->fileName());
    setWindowFilePath(path);
    const QString shown = path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
    setWindowTitle(shown + QStringLiteral("[*] - ") + ProgramTitle());
    setWindowModified(document_->isModified());
}

void MainWindow::chartChanged() {
    if (!document_->fileName().empty() && document_->fileName() != lastRecent_) {
        lastRecent_ = document_->fileName();
        RememberRecentChart(*settings_, lastRecent_);
        fillRecentMenu();
    }
    refreshTitle();
    focusChart();
}

void MainWindow::chartReplaced() {
    // Widths follow the new chart's names; after a save or a report the director's own
    // widths stay.
    chartView_->fitNameColumn();
    chartChanged();
}

} // namespace ranvik
