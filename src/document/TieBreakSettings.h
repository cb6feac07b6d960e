#pragma once
// The director's order of tie-breaks, remembered in the settings file: one for Swiss/Match
// and one for both round robins.

#include "chart/Tournament.h"
#include "settings/Settings.h"
#include "standings/TieBreak.h"

#include <string>
#include <vector>

namespace ranvik {

Setting<std::string> TieBreakSetting(TournamentType type);

// The remembered order, or the type's defaults when none is remembered or it cannot be read.
// An empty remembered list is an order too: standings by points alone.
std::vector<TieBreak> LoadTieBreakOrder(const Settings& settings, TournamentType type);

// False when the settings file could not be written.
bool SaveTieBreakOrder(Settings& settings, TournamentType type, const std::vector<TieBreak>& order);

} // namespace ranvik
