#include "ui/RecoveryScheduler.h"

#include "document/ChartDocument.h"
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
    std::string reason;
    const bool written = document_.updateRecoveryCopy(reason);
    // A failure waits for the next change to try again: retrying on a timer would only
    // repeat the message while nothing new could be lost.
    if (!written && !failing_)
        emit writeFailed(ToQString(reason));
    else if (written && failing_)
        emit writeRecovered();
    failing_ = !written;
}

} // namespace ranvik
