#pragma once
// The charts opened or saved last, newest first, kept in the settings file in a section of
// their own.

#include <cstddef>
#include <string>
#include <vector>

namespace ranvik {

inline constexpr const char* kRecentChartsSection = "Recent charts";
inline constexpr std::size_t kMaxRecentCharts = 8;

// The list with `path` moved (or added) to the front, no path twice, at most `max` long.
std::vector<std::string> WithRecentChart(std::vector<std::string> recent, const std::string& path,
                                         std::size_t max = kMaxRecentCharts);

std::vector<std::string> LoadRecentCharts(const std::string& settingsPath);
// Puts `path` first in the remembered list; gives the list as now remembered.
std::vector<std::string> RememberRecentChart(const std::string& settingsPath,
                                             const std::string& path);

} // namespace ranvik
