#include "platform/UserFolders.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>

namespace ranvik::platform {

namespace {

std::string AbsoluteFolder(const wchar_t* variable) {
    const wchar_t* value = _wgetenv(variable);
    if (!value || !*value || !std::filesystem::path(value).is_absolute())
        return {};
    return Utf8FromPath(std::filesystem::path(value));
}

} // namespace

std::string SettingsFolder() {
    return AbsoluteFolder(L"APPDATA");
}

std::string StateFolder() {
    return AbsoluteFolder(L"LOCALAPPDATA");
}

} // namespace ranvik::platform
