#pragma once
// The one settings file, "Ranvik.ini": it remembers which membership database was used.
// Profile (INI) format, section "Database", key "Database name", the path written verbatim.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ranvik {

inline constexpr const char* kSettingsFileName = "Ranvik.ini";
inline constexpr const char* kDefaultDatabaseName = "QRBMembers.mde";

// "Ranvik.ini" in the user's settings folder (platform/UserFolders.h: $XDG_CONFIG_HOME, or
// ~/.config when that is unset or not absolute; %APPDATA% on Windows).
std::string DefaultSettingsPath();
// Where the window keeps its state (size, place, docks): ranvik/window.ini in the user's state
// folder ($XDG_STATE_HOME, else ~/.local/state; %LOCALAPPDATA%); empty when none is known. State,
// not settings: the settings file keeps only what the director chose.
std::string DefaultWindowStatePath();

// The remembered database path, or `current` when the file, section or key is missing or the
// value is empty. Values longer than 2047 characters are cut there. Never throws.
std::string LoadDatabaseSetting(const std::string& settingsPath, const std::string& current);

// Writes the path under "Database"/"Database name", keeping the file's other sections, keys
// and comments; the folder is created when missing. False when it could not be written (the
// old file is then left as it was). Never throws.
bool SaveDatabaseSetting(const std::string& settingsPath, const std::string& databaseName);

// Why the settings file cannot be read whole, as "line 3 holds a NUL byte"; empty when it
// can, or when it does not exist. A file the reader would take in part (a NUL byte, a line it
// skips, a key given twice, a comment it drops) is never written: writing it back would lose
// the rest. Every Save below leaves such a file alone and returns false.
std::string SettingsFileFault(const std::string& settingsPath);
// The same for the file's bytes.
std::string SettingsTextFault(const std::string& bytes);

// The program's own state (the window's layout) in a file holding that one section: written
// whole, whatever stood there before, since nothing the director chose is kept in it.
bool ReplaceStateFile(const std::string& path, const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values);

// Any other remembered value, in a section of its own ("Recent charts", "Window"...). Load
// gives nothing when the file, section or key is missing; Save keeps everything else in the
// file and writes it safely. Neither throws.
std::optional<std::string> LoadSetting(const std::string& settingsPath, const std::string& section,
                                       const std::string& key);
bool SaveSetting(const std::string& settingsPath, const std::string& section,
                 const std::string& key, const std::string& value);
// Every key of a section with its value, from one reading of the file; empty when the file
// or section is missing.
std::map<std::string, std::string> LoadSettingSection(const std::string& settingsPath,
                                                      const std::string& section);
// Several keys of one section set in one safe write.
bool SaveSettings(const std::string& settingsPath, const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& values);
// A list kept as keys "1", "2"... of one section, in order; saving replaces the section.
std::vector<std::string> LoadSettingList(const std::string& settingsPath,
                                         const std::string& section);
bool SaveSettingList(const std::string& settingsPath, const std::string& section,
                     const std::vector<std::string>& values);

// The database chosen at start-up: the remembered path, or the default file in the program's
// folder when nothing is remembered; `open` tells whether that file exists to be opened.
struct StartupDatabase {
    std::string path;
    bool open = false;
};
StartupDatabase ChooseStartupDatabase(const std::string& remembered,
                                      const std::string& programFolder);

} // namespace ranvik
