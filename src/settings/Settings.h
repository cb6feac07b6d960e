#pragma once
// The remembered values of one file, read once when loaded and kept in memory. A value that
// is missing, out of range or of the wrong type reads as its default; the file is not
// rewritten for it. Each change is one safe write (WriteFileSafely) that keeps whatever else
// the file holds: sections and keys of other programs or versions, comments.

#include "messages/Message.h"
#include "settings/SettingKeys.h"

#include <map>
#include <string>
#include <type_traits>
#include <vector>

namespace ranvik {

inline constexpr const char* kSettingsFileName = "Ranvik.ini";

// "Ranvik.ini" in the user's settings folder (platform/UserFolders.h: $XDG_CONFIG_HOME, or
// ~/.config when that is unset or not absolute; %APPDATA% on Windows).
std::string DefaultSettingsPath();
// Where the window keeps its layout: ranvik/window.ini in the user's state folder
// ($XDG_STATE_HOME, else ~/.local/state; %LOCALAPPDATA%); empty when none is known.
std::string DefaultWindowStatePath();

// One key's new value in a change, turned into the file's text as the table says.
struct SettingValue {
    SettingValue(Setting<bool> setting, bool value);
    SettingValue(Setting<std::string> setting, std::string value);
    SettingValue(Setting<std::vector<std::string>> setting, std::vector<std::string> values);

    SettingKey key;
    std::vector<std::string> texts; // one for a single value
};

class Settings {
  public:
    // Reads the store's file at `path` (a missing or unreadable one gives every default).
    // Never throws.
    explicit Settings(std::string path, SettingsStore store = SettingsStore::Choices);

    const std::string& path() const { return path_; }
    // Why the file cannot be rewritten, as "line 3 holds a NUL byte": the reader would take
    // it only in part, and writing it back would lose the rest. Empty when it can.
    const Message& fault() const { return fault_; }

    bool get(Setting<bool> setting) const;
    std::string get(Setting<std::string> setting) const;
    std::vector<std::string> get(Setting<std::vector<std::string>> setting) const;

    // Sets the values in memory and writes them in one safe write. The choices' file is
    // written from what it holds at that moment (another running copy's changes stay), and
    // not at all when nothing changed. A value the table refuses is left out (its key keeps
    // what it held) and gives false; so does a file read only in part or a failed write,
    // which change nothing. Never throws.
    bool set(const std::vector<SettingValue>& values);
    template <class T> bool set(Setting<T> setting, std::type_identity_t<T> value) {
        return set({SettingValue(setting, std::move(value))});
    }

  private:
    bool write(const std::map<SettingKey, std::vector<std::string>>& changed) const;

    std::string path_;
    SettingsStore store_;
    Message fault_;
    // The valid values read or set; a key without one reads as its default.
    std::map<SettingKey, std::vector<std::string>> values_;
};

} // namespace ranvik
