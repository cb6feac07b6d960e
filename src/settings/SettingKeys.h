#pragma once
// Every value the program remembers, declared once: the file that keeps it, its section and
// key there, its type, its default and the values it may take. No other code names a
// section or a key; it reads and writes through the typed names in `setting`.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace ranvik {

// The file a value lives in: what the director chose ("Ranvik.ini"), or the window's own
// layout, which is written whole whatever stood there.
enum class SettingsStore { Choices, WindowState };

enum class SettingType {
    Flag,     // "1" or "0"
    Text,     // UTF-8 without control characters, at most maxLength bytes
    Base64,   // Qt's layout blobs: Base64 characters only, at most maxLength bytes
    TextList, // a section of its own, keys "1", "2"... up to the first missing or empty one
};

enum class SettingKey {
    DatabaseName,
    EnterMovesDown,
    ProblemsVisible,
    ChartsFolder,
    ReportsFolder,
    DatabasesFolder,
    ImportsFolder,
    SwissTieBreaks,
    RoundRobinTieBreaks,
    RecentCharts,
    WindowGeometry,
    WindowDocks,
    WindowSplitter,
};

struct SettingDeclaration {
    SettingKey key;
    SettingsStore store;
    const char* section;
    const char* name; // the key in its section; empty for a list, whose keys are numbers
    SettingType type;
    const char* fallback;  // the default, as it would be written
    std::size_t maxLength; // of the value (of each item of a list)
};

// The table, in the order of SettingKey.
std::span<const SettingDeclaration> AllSettings();
const SettingDeclaration& DeclarationOf(SettingKey key);
// Whether `text` is a value `declared` may hold (each item of a list on its own).
bool IsValidSettingText(const SettingDeclaration& declared, const std::string& text);

// A key with the C++ type its value is read and written as.
template <class T> struct Setting { SettingKey key; };

namespace setting {
inline constexpr Setting<std::string> DatabaseName{SettingKey::DatabaseName};
inline constexpr Setting<bool> EnterMovesDown{SettingKey::EnterMovesDown};
inline constexpr Setting<bool> ProblemsVisible{SettingKey::ProblemsVisible};
// The folder each kind of file was last chosen in.
inline constexpr Setting<std::string> ChartsFolder{SettingKey::ChartsFolder};
inline constexpr Setting<std::string> ReportsFolder{SettingKey::ReportsFolder};
inline constexpr Setting<std::string> DatabasesFolder{SettingKey::DatabasesFolder};
inline constexpr Setting<std::string> ImportsFolder{SettingKey::ImportsFolder};
// The tie-break orders as the standings write them; empty: nothing remembered.
inline constexpr Setting<std::string> SwissTieBreaks{SettingKey::SwissTieBreaks};
inline constexpr Setting<std::string> RoundRobinTieBreaks{SettingKey::RoundRobinTieBreaks};
inline constexpr Setting<std::vector<std::string>> RecentCharts{SettingKey::RecentCharts};
// Qt's saved geometry and layouts, Base64.
inline constexpr Setting<std::string> WindowGeometry{SettingKey::WindowGeometry};
inline constexpr Setting<std::string> WindowDocks{SettingKey::WindowDocks};
inline constexpr Setting<std::string> WindowSplitter{SettingKey::WindowSplitter};
} // namespace setting

} // namespace ranvik
