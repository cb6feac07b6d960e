// The main window's part in recovery: the scheduled copy, its failure in the status bar,
// and the start-up offer of charts left by a program that did not close normally.

#include "recovery/RecoveryStore.h"
#include "ui/ChartView.h"
#include "ui/MainWindow.h"
#include "ui/RecoveryScheduler.h"

#include <QStatusBar>

namespace ranvik {

void MainWindow::setUpRecovery() {
    document_->enableRecovery(DefaultRecoveryFolder());
    recoveryScheduler_ = std::make_unique<RecoveryScheduler>(*document_);
    Tournament& tournament = document_->tournament();
    tournament.onShapeChanged = [this, shown = std::move(tournament.onShapeChanged)] {
        if (shown)
            shown();
        recoveryScheduler_->chartChanged();
    };
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
    syncSettings();
    chartView_->setCurrentCell(1, 1);
    chartView_->fitNameColumn();
}

} // namespace ranvik
