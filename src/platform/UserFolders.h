#pragma once
// The per-user folders the program keeps its files in (UTF-8, empty when the system names
// none): Linux follows the XDG base directories, Windows the user's application data.

#include <string>

namespace ranvik::platform {

// Settings ("Ranvik.ini" goes straight in it): $XDG_CONFIG_HOME, else ~/.config; %APPDATA%.
std::string SettingsFolder();

// State that is no document (window layout, recovery copies go in its "ranvik" folder):
// $XDG_STATE_HOME, else ~/.local/state; %LOCALAPPDATA%.
std::string StateFolder();

} // namespace ranvik::platform
