#include "document/RecentCharts.h"

#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace ranvik {

namespace {

// One chart, however its name is spelled ("C:/a/x.tms", "C:\\a\\.\\x.tms"): the settings
// file may hold names written by hand or by an older version.
std::string Spelling(const std::string& path) {
    return platform::Utf8FromPath(platform::PathFromUtf8(path).lexically_normal());
}

auto SpelledAs(const std::string& path) {
    return [spelling = Spelling(path)](const std::string& listed) {
        return Spelling(listed) == spelling;
    };
}

} // namespace

std::vector<std::string> WithRecentChart(std::vector<std::string> recent, const std::string& path,
                                         std::size_t max) {
    recent.erase(std::remove_if(recent.begin(), recent.end(), SpelledAs(path)), recent.end());
    recent.insert(recent.begin(), path);
    if (recent.size() > max)
        recent.resize(max);
    return recent;
}

std::vector<std::string> LoadRecentCharts(const Settings& settings) {
    std::vector<std::string> recent;
    // A hand-edited file may hold blanks, repeats or too many; the list is tidied on reading.
    for (const std::string& path : settings.get(setting::RecentCharts)) {
        if (!path.empty() && std::none_of(recent.begin(), recent.end(), SpelledAs(path)))
            recent.push_back(path);
    }
    if (recent.size() > kMaxRecentCharts)
        recent.resize(kMaxRecentCharts);
    return recent;
}

std::vector<std::string> RememberRecentChart(Settings& settings, const std::string& path) {
    // A chart named relative to the folder the program started in is kept by its whole
    // path: the list is read again from other folders.
    std::error_code error;
    const std::filesystem::path whole =
        std::filesystem::absolute(platform::PathFromUtf8(path), error);
    const std::string kept = error ? path : platform::Utf8FromPath(whole.lexically_normal());
    std::vector<std::string> recent = WithRecentChart(LoadRecentCharts(settings), kept);
    settings.set(setting::RecentCharts, recent);
    return recent;
}

} // namespace ranvik
