#pragma once
// Keeps the recovery copy of the chart up to date: a change schedules a write 2 seconds after
// the last change, and at least every 30 seconds while changes go on, so the copy is never
// written in the middle of a burst of typing. The chart is copied on this thread; the
// writing (synced to the disk, tens of milliseconds for a large chart) runs on a worker so
// typing never waits for the disk.

#include "chart/Chart.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <thread>

namespace ranvik {

class ChartDocument;

class RecoveryScheduler : public QObject, public ChartListener {
    Q_OBJECT
  public:
    // Listens to the document's chart until destroyed; the document must outlive it.
    explicit RecoveryScheduler(ChartDocument& document);
    // Waits for a write under way.
    ~RecoveryScheduler() override;
    RecoveryScheduler(const RecoveryScheduler&) = delete;
    RecoveryScheduler& operator=(const RecoveryScheduler&) = delete;

    void setDelays(int idleMs, int longestMs);
    // Something in the chart or its shape changed.
    void chartChanged();

  signals:
    // Told once when writes start failing, and once when one succeeds again.
    void writeFailed(const QString& reason);
    void writeRecovered();

  private:
    void cellsChanged(int col0, int row0, int col1, int row1) override;
    void sizeChanged() override;
    void write();
    void written(bool ok, const QString& reason);

    ChartDocument& document_;
    QTimer timer_;
    QElapsedTimer pendingSince_;
    int idleMs_ = 2000;
    int longestMs_ = 30000;
    bool failing_ = false;
    std::thread worker_;
    bool writing_ = false;    // the worker has not reported yet
    bool writeAgain_ = false; // the timer fired while it wrote
};

} // namespace ranvik
