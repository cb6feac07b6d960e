#pragma once
// The charts opened or saved last, newest first, kept in the settings file.

#include "settings/Settings.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ranvik {

inline constexpr std::size_t kMaxRecentCharts = 8;

// The list with `path` moved (or added) to the front, no path twice, at most `max` long.
std::vector<std::string> WithRecentChart(std::vector<std::string> recent, const std::string& path,
                                         std::size_t max = kMaxRecentCharts);

std::vector<std::string> LoadRecentCharts(const Settings& settings);
// Puts `path` first in the remembered list; gives the list as now remembered.
std::vector<std::string> RememberRecentChart(Settings& settings, const std::string& path);

} // namespace ranvik
