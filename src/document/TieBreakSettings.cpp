#include "document/TieBreakSettings.h"

#include "members/Settings.h"

namespace ranvik {

namespace {
// An empty value would read back as "nothing remembered"; this one means "no tie-breaks".
constexpr const char* kNoTieBreaks = "none";
} // namespace

std::string TieBreakSettingKey(TournamentType type) {
    return type == TournamentType::Swiss ? "Swiss tie-breaks" : "Round robin tie-breaks";
}

std::vector<TieBreak> LoadTieBreakOrder(const std::string& settingsPath, TournamentType type) {
    const std::optional<std::string> text =
        LoadSetting(settingsPath, kStandingsSection, TieBreakSettingKey(type));
    if (!text || text->empty())
        return DefaultTieBreaks(type);
    if (*text == kNoTieBreaks)
        return {};
    std::string error;
    std::optional<std::vector<TieBreak>> order = ParseTieBreakList(*text, error);
    return order ? *order : DefaultTieBreaks(type);
}

bool SaveTieBreakOrder(const std::string& settingsPath, TournamentType type,
                       const std::vector<TieBreak>& order) {
    return SaveSetting(settingsPath, kStandingsSection, TieBreakSettingKey(type),
                       order.empty() ? kNoTieBreaks : FormatTieBreakList(order));
}

} // namespace ranvik
