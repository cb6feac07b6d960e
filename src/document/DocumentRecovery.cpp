#include "document/ChartDocument.h"

namespace ranvik {

void ChartDocument::enableRecovery(const std::string& folder) {
    recovery_ = folder.empty() ? nullptr : std::make_unique<RecoveryStore>(folder);
    changesSettled();
}

void ChartDocument::changesSettled() {
    if (!recovery_)
        return;
    recovery_->removeCopy();
    if (recovery_->heldChart() != fileName_)
        recovery_->holdChart(fileName_);
}

bool ChartDocument::mayOpenHeldChart(const std::string& path) {
    if (!recovery_ || path == recovery_->heldChart() || !recovery_->holderOf(path))
        return true;
    return prompts_.confirmOpenHeldChart(path);
}

bool ChartDocument::updateRecoveryCopy(std::string& reason) {
    if (!recovery_)
        return true;
    if (!isModified()) {
        recovery_->removeCopy();
        return true;
    }
    return recovery_->writeCopy(tournament_, fileName_, ratingSystem_, reason);
}

std::optional<RecoverySnapshot> ChartDocument::takeRecoverySnapshot() {
    if (!recovery_)
        return std::nullopt;
    if (!isModified()) {
        recovery_->removeCopy();
        return std::nullopt;
    }
    return recovery_->snapshot(tournament_, fileName_, ratingSystem_);
}

bool ChartDocument::offerRecoveryCopies() {
    if (!recovery_)
        return false;
    for (const LeftCopy& copy : recovery_->leftBehind()) {
        switch (prompts_.askRecovery(copy.description)) {
        case RecoveryAnswer::Later:
            continue;
        case RecoveryAnswer::Discard:
            RecoveryStore::discard(copy);
            continue;
        case RecoveryAnswer::Restore:
            break;
        }
        std::string message;
        if (!RecoveryStore::restore(copy, tournament_, message)) {
            prompts_.showError(message);
            continue;
        }
        fileName_ = copy.description.chartFile;
        ratingSystem_ = copy.description.ratingSystem;
        recovery_->holdChart(fileName_);
        // The old copy goes only once this program's own copy stands in its place, so a
        // second failure cannot lose it. The others wait for the next start: restoring
        // another now would replace this one.
        std::string reason;
        if (updateRecoveryCopy(reason))
            RecoveryStore::discard(copy);
        return true;
    }
    return false;
}

} // namespace ranvik
