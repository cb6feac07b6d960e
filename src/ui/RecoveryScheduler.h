#pragma once
// Keeps the recovery copy of the chart up to date: a change schedules a write 2 seconds after
// the last change, and at least every 30 seconds while changes go on, so the copy is never
// written in the middle of a burst of typing.

#include "chart/Chart.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace ranvik {

class ChartDocument;

class RecoveryScheduler : public QObject, public ChartListener {
    Q_OBJECT
  public:
    // Listens to the document's chart until destroyed; the document must outlive it.
    explicit RecoveryScheduler(ChartDocument& document);
    ~RecoveryScheduler() override;
    RecoveryScheduler(const RecoveryScheduler&) = delete;
    RecoveryScheduler& operator=(const RecoveryScheduler&) = delete;

    void setDelays(int idleMs, int longestMs);
    // Something in the chart or its shape changed.
    void chartChanged();
    bool writePending() const { return timer_.isActive(); }

  signals:
    // Told once when writes start failing, and once when one succeeds again.
    void writeFailed(const QString& reason);
    void writeRecovered();

  private:
    void cellsChanged(int col0, int row0, int col1, int row1) override;
    void sizeChanged() override;
    void write();

    ChartDocument& document_;
    QTimer timer_;
    QElapsedTimer pendingSince_;
    int idleMs_ = 2000;
    int longestMs_ = 30000;
    bool failing_ = false;
};

} // namespace ranvik
