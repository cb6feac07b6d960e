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

bool ChartDocument::updateRecoveryCopy(Message& reason) {
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
    recovery_->removeUnfinishedWrites();
    const std::vector<LeftCopy> copies = recovery_->leftBehind();
    if (copies.empty())
        return false;
    std::vector<RecoveryDescription> descriptions;
    descriptions.reserve(copies.size());
    for (const LeftCopy& copy : copies)
        descriptions.push_back(copy.description);
    const RecoveryChoice choice = prompts_.askRecovery(descriptions);
    std::vector<const LeftCopy*> chosen;
    for (const std::size_t index : choice.chosen) {
        if (index < copies.size())
            chosen.push_back(&copies[index]);
    }
    if (choice.answer == RecoveryAnswer::Discard) {
        for (const LeftCopy* copy : chosen)
            RecoveryStore::discard(*copy);
        return false;
    }
    if (choice.answer != RecoveryAnswer::Restore || chosen.empty())
        return false;
    const LeftCopy& copy = *chosen.front();
    Message message;
    if (!RecoveryStore::restore(copy, tournament_, message)) {
        prompts_.showError(message);
        return false;
    }
    fileName_ = copy.description.chartFile;
    ratingSystem_ = copy.description.ratingSystem;
    recovery_->holdChart(fileName_);
    // The old copy goes only once this program's own copy stands in its place, so a second
    // failure cannot lose it. The others wait for the next start: this window holds one chart.
    Message reason;
    if (updateRecoveryCopy(reason))
        RecoveryStore::discard(copy);
    return true;
}

} // namespace ranvik
