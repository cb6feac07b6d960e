#include "settings/SettingKeys.h"

#include "files/Utf8.h"

#include <algorithm>
#include <array>

namespace ranvik {

namespace {

// What a path or a list of tie-breaks may be: the profile reader's buffer held 2048 bytes.
constexpr std::size_t kTextLength = 2047;
// Qt's layout blobs grow with the docks and the screens; far more than they need.
constexpr std::size_t kBlobLength = 64 * 1024;

using enum SettingsStore;
using enum SettingType;

constexpr std::array kTable{
    SettingDeclaration{SettingKey::DatabaseName, Choices, "Database", "Database name", Text, "",
                       kTextLength},
    SettingDeclaration{SettingKey::EnterMovesDown, Choices, "Keyboard",
                       "Enter moves to the next cell", Flag, "0", 1},
    SettingDeclaration{SettingKey::ProblemsVisible, Choices, "Problems panel", "Visible", Flag, "0",
                       1},
    SettingDeclaration{SettingKey::ChartsFolder, Choices, "Folders", "Charts", Text, "",
                       kTextLength},
    SettingDeclaration{SettingKey::ReportsFolder, Choices, "Folders", "Reports", Text, "",
                       kTextLength},
    SettingDeclaration{SettingKey::DatabasesFolder, Choices, "Folders", "Databases", Text, "",
                       kTextLength},
    SettingDeclaration{SettingKey::ImportsFolder, Choices, "Folders", "Imports", Text, "",
                       kTextLength},
    SettingDeclaration{SettingKey::SwissTieBreaks, Choices, "Standings", "Swiss tie-breaks", Text,
                       "", kTextLength},
    SettingDeclaration{SettingKey::RoundRobinTieBreaks, Choices, "Standings",
                       "Round robin tie-breaks", Text, "", kTextLength},
    SettingDeclaration{SettingKey::RecentCharts, Choices, "Recent charts", "", TextList, "",
                       kTextLength},
    SettingDeclaration{SettingKey::WindowGeometry, WindowState, "Window", "Geometry", Base64, "",
                       kBlobLength},
    SettingDeclaration{SettingKey::WindowDocks, WindowState, "Window", "Docks", Base64, "",
                       kBlobLength},
    SettingDeclaration{SettingKey::WindowSplitter, WindowState, "Window", "Splitter", Base64, "",
                       kBlobLength},
};

constexpr bool InKeyOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].key) != i)
            return false;
    }
    return true;
}
static_assert(InKeyOrder(), "the settings table follows the order of SettingKey");

bool IsBase64(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/' || c == '=';
}

bool IsPlainText(const std::string& text) {
    const std::optional<std::u32string> characters = DecodeUtf8(text);
    return characters && std::none_of(characters->begin(), characters->end(), [](char32_t c) {
               return c < 0x20 || (c >= 0x7F && c < 0xA0);
           });
}

} // namespace

std::span<const SettingDeclaration> AllSettings() {
    return kTable;
}

const SettingDeclaration& DeclarationOf(SettingKey key) {
    return kTable.at(static_cast<std::size_t>(key));
}

bool IsValidSettingText(const SettingDeclaration& declared, const std::string& text) {
    if (text.size() > declared.maxLength)
        return false;
    switch (declared.type) {
    case Flag:
        return text == "0" || text == "1";
    case Base64:
        return std::all_of(text.begin(), text.end(), IsBase64);
    case Text:
    case TextList:
        return IsPlainText(text);
    }
    return false;
}

} // namespace ranvik
