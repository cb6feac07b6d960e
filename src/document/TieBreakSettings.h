#pragma once
// The director's order of tie-breaks, remembered in the settings file: section "Standings",
// one key for Swiss/Match and one for both round robins.

#include "chart/Tournament.h"
#include "standings/TieBreak.h"

#include <string>
#include <vector>

namespace ranvik {

inline constexpr const char* kStandingsSection = "Standings";

// "Swiss tie-breaks" or "Round robin tie-breaks".
std::string TieBreakSettingKey(TournamentType type);

// The remembered order, or the type's defaults when none is remembered or it cannot be read.
// An empty remembered list is an order too: standings by points alone.
std::vector<TieBreak> LoadTieBreakOrder(const std::string& settingsPath, TournamentType type);

// False when the settings file could not be written.
bool SaveTieBreakOrder(const std::string& settingsPath, TournamentType type,
                       const std::vector<TieBreak>& order);

} // namespace ranvik
