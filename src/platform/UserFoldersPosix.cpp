#include "platform/UserFolders.h"

#include <cstdlib>

namespace ranvik::platform {

namespace {

// A variable that names an absolute folder; relative ones are ignored, as XDG asks.
const char* AbsoluteFolder(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value == '/' ? value : nullptr;
}

std::string Folder(const char* variable, const char* belowHome) {
    if (const char* folder = AbsoluteFolder(variable))
        return folder;
    if (const char* home = AbsoluteFolder("HOME"))
        return std::string(home) + belowHome;
    return {};
}

} // namespace

std::string SettingsFolder() {
    return Folder("XDG_CONFIG_HOME", "/.config");
}

std::string StateFolder() {
    return Folder("XDG_STATE_HOME", "/.local/state");
}

} // namespace ranvik::platform
