#include "members/Settings.h"

#include "files/FileWriter.h"

// Narrow UTF-8 only: no wide-character converter is needed (or linked).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <cstdlib>
#include <filesystem>

namespace ranvik {

namespace {

constexpr const char* kSection = "Database";
constexpr const char* kKey = "Database name";
constexpr std::size_t kMaxValueLength = 2047; // the profile reader's buffer holds 2048

bool IsAbsoluteDir(const char* dir) {
    return dir && *dir && std::filesystem::path(dir).is_absolute();
}

// Cuts at a character boundary so that the UTF-8 text stays whole.
std::string CutAt(std::string value, std::size_t length) {
    if (value.size() <= length)
        return value;
    while (length > 0 && (static_cast<unsigned char>(value[length]) & 0xC0) == 0x80)
        --length;
    value.resize(length);
    return value;
}

// The profile reader drops one pair of matching quotes around a value.
std::string WithoutQuotes(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string DefaultSettingsPath() {
    namespace fs = std::filesystem;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); IsAbsoluteDir(config))
        return (fs::path(config) / kSettingsFileName).string();
    if (const char* home = std::getenv("HOME"); IsAbsoluteDir(home))
        return (fs::path(home) / ".config" / kSettingsFileName).string();
    return kSettingsFileName;
}

std::string LoadDatabaseSetting(const std::string& settingsPath, const std::string& current) {
    try {
        std::string bytes, error;
        if (!ReadWholeFile(settingsPath, bytes, error))
            return current;
        CSimpleIniA ini;
        ini.SetUnicode(true);
        if (ini.LoadData(bytes) < 0)
            return current;
        const char* value = ini.GetValue(kSection, kKey, nullptr);
        if (!value)
            return current;
        std::string result = WithoutQuotes(CutAt(value, kMaxValueLength));
        return result.empty() ? current : result;
    } catch (...) {
        return current;
    }
}

bool SaveDatabaseSetting(const std::string& settingsPath, const std::string& databaseName) {
    try {
        namespace fs = std::filesystem;
        std::error_code ec;
        std::string bytes, error;
        if (fs::exists(settingsPath, ec)) {
            // An unreadable file is left alone rather than replaced by one holding less.
            if (!ReadWholeFile(settingsPath, bytes, error))
                return false;
        } else if (const fs::path folder = fs::path(settingsPath).parent_path(); !folder.empty()) {
            fs::create_directories(folder, ec);
        }
        CSimpleIniA ini;
        ini.SetUnicode(true);
        ini.SetSpaces(false);
        if (ini.LoadData(bytes) < 0)
            return false;
        if (ini.SetValue(kSection, kKey, databaseName.c_str()) < 0)
            return false;
        std::string output;
        if (ini.Save(output) < 0)
            return false;
        return WriteFileSafely(settingsPath, output);
    } catch (...) {
        return false;
    }
}

StartupDatabase ChooseStartupDatabase(const std::string& remembered,
                                      const std::string& programFolder) {
    StartupDatabase choice;
    if (!remembered.empty()) {
        choice.path = remembered;
    } else {
        choice.path = programFolder;
        if (!choice.path.empty() && choice.path.back() != '/')
            choice.path += '/';
        choice.path += kDefaultDatabaseName;
    }
    std::error_code ec;
    choice.open = std::filesystem::is_regular_file(choice.path, ec);
    return choice;
}

} // namespace ranvik
