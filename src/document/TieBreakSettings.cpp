#include "document/TieBreakSettings.h"

namespace ranvik {

namespace {
// An empty value would read back as "nothing remembered"; this one means "no tie-breaks".
constexpr const char* kNoTieBreaks = "none";
} // namespace

Setting<std::string> TieBreakSetting(TournamentType type) {
    return type == TournamentType::Swiss ? setting::SwissTieBreaks : setting::RoundRobinTieBreaks;
}

std::vector<TieBreak> LoadTieBreakOrder(const Settings& settings, TournamentType type) {
    const std::string text = settings.get(TieBreakSetting(type));
    if (text.empty())
        return DefaultTieBreaks(type);
    if (text == kNoTieBreaks)
        return {};
    std::string error;
    std::optional<std::vector<TieBreak>> order = ParseTieBreakList(text, error);
    return order ? *order : DefaultTieBreaks(type);
}

bool SaveTieBreakOrder(Settings& settings, TournamentType type,
                       const std::vector<TieBreak>& order) {
    return settings.set(TieBreakSetting(type),
                        order.empty() ? kNoTieBreaks : FormatTieBreakList(order));
}

} // namespace ranvik
