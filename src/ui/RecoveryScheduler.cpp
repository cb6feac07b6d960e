#include "ui/RecoveryScheduler.h"

#include "document/ChartDocument.h"
#include "ui/MessageText.h"
#include "ui/QtText.h"

#include <algorithm>
#include <string>

namespace ranvik {

RecoveryScheduler::RecoveryScheduler(ChartDocument& document) : document_(document) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryScheduler::write);
    document_.tournament().chart().addListener(this);
}

RecoveryScheduler::~RecoveryScheduler() {
    document_.tournament().chart().removeListener(this);
    if (worker_.joinable())
        worker_.join();
}

void RecoveryScheduler::setDelays(int idleMs, int longestMs) {
    idleMs_ = idleMs;
    longestMs_ = longestMs;
}

void RecoveryScheduler::chartChanged() {
    if (!timer_.isActive())
        pendingSince_.start();
    // Each change pushes the write back, but never past the longest wait since the first
    // change not yet written.
    const qint64 left = longestMs_ - pendingSince_.elapsed();
    timer_.start(static_cast<int>(std::clamp<qint64>(left, 0, idleMs_)));
}

void RecoveryScheduler::cellsChanged(int, int, int, int) {
    chartChanged();
}

void RecoveryScheduler::sizeChanged() {
    chartChanged();
}

void RecoveryScheduler::write() {
    if (writing_) {
        writeAgain_ = true;
        return;
    }
    std::optional<RecoverySnapshot> snapshot = document_.takeRecoverySnapshot();
    if (!snapshot)
        return;
    if (worker_.joinable())
        worker_.join();
    writing_ = true;
    RecoveryStore* store = document_.recoveryStore();
    // The destructor joins the worker, so this object outlives it; the queued report is
    // dropped if the object goes before it is delivered.
    worker_ = std::thread([this, store, taken = std::move(*snapshot)] {
        Message reason;
        const bool ok = store->write(taken, reason);
        QMetaObject::invokeMethod(
            this, [this, ok, reason] { written(ok, MessageText(reason)); }, Qt::QueuedConnection);
    });
}

void RecoveryScheduler::written(bool ok, const QString& reason) {
    writing_ = false;
    // A failure waits for the next change to try again: retrying on a timer would only
    // repeat the message while nothing new could be lost.
    if (!ok && !failing_)
        emit writeFailed(reason);
    else if (ok && failing_)
        emit writeRecovered();
    failing_ = !ok;
    if (writeAgain_) {
        writeAgain_ = false;
        write();
    }
}

} // namespace ranvik
