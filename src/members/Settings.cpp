#include "members/Settings.h"

#include "files/FileWriter.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"

// Narrow UTF-8 only: no wide-character converter is needed (or linked).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <utility>

namespace ranvik {

namespace {

constexpr const char* kSection = "Database";
constexpr const char* kKey = "Database name";
constexpr std::size_t kMaxValueLength = 2047; // the profile reader's buffer holds 2048

// Cuts at a character boundary so that the UTF-8 text stays whole.
std::string CutAt(std::string value, std::size_t length) {
    if (value.size() <= length)
        return value;
    while (length > 0 && (static_cast<unsigned char>(value[length]) & 0xC0) == 0x80)
        --length;
    value.resize(length);
    return value;
}

// SimpleIni ends its lines with CR LF when built for Windows; the settings file is the same
// file on both systems, lines ended by LF alone.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    }
    return out;
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
    const std::string folder = platform::SettingsFolder();
    return folder.empty() ? kSettingsFileName : platform::JoinPath(folder, kSettingsFileName);
}

std::string DefaultWindowStatePath() {
    const std::string folder = platform::StateFolder();
    return folder.empty() ? folder : platform::JoinPath(folder, "ranvik/window.ini");
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// What the profile reader makes of one line, in its own terms: sections and keys compare
// without case, a comment belongs to the entry after it.
class LineCheck {
  public:
    // Empty while every line so far is read whole.
    std::string take(std::size_t number, std::string_view line) {
        while (!line.empty() && IsBlank(line.front()))
            line.remove_prefix(1);
        const std::string where = "line " + std::to_string(number);
        if (line.empty())
            return {};
        if (line.front() == ';' || line.front() == '#') {
            if (commentLine_ == 0)
                commentLine_ = number;
            return {};
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos ||
                line.find_first_not_of(" \t", close + 1) != std::string_view::npos)
                return where + " is not a section heading the reader takes whole";
            section_ = Lowered(Trimmed(line.substr(1, close - 1)));
            const bool again = !sections_.insert(section_).second;
            if (again && commentLine_ != 0)
                return "line " + std::to_string(commentLine_) +
                       " is a comment before a section named again, which the reader drops";
            commentLine_ = 0;
            return {};
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            return where + " is neither a section, a setting nor a comment";
        if (!keys_.insert(section_ + '\n' + Lowered(Trimmed(line.substr(0, equals)))).second)
            return where + " gives a setting of its section a second time";
        commentLine_ = 0;
        return {};
    }
    std::string finish() const {
        if (commentLine_ != 0)
            return "line " + std::to_string(commentLine_) +
                   " is a comment after the last setting, which the reader drops";
        return {};
    }

  private:
    static std::string_view Trimmed(std::string_view text) {
        while (!text.empty() && IsBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
        return text;
    }
    std::string section_;
    std::set<std::string> sections_{""};
    std::set<std::string> keys_;
    std::size_t commentLine_ = 0;
};

// The settings file as it stands, or nothing when it cannot be read.
std::optional<std::string> ReadSettings(const std::string& settingsPath) {
    std::string bytes, error;
    if (!ReadWholeFile(settingsPath, bytes, error))
        return std::nullopt;
    return bytes;
}

// Reads the file (an empty one when it does not exist yet), lets `change` edit it, and
// writes it back safely. An existing file that cannot be read is left alone rather than
// replaced by one holding less.
template <class Change> bool EditSettings(const std::string& settingsPath, Change change) {
    try {
        namespace fs = std::filesystem;
        std::error_code ec;
        std::string bytes;
        const fs::path settingsFile = platform::PathFromUtf8(settingsPath);
        if (fs::exists(settingsFile, ec)) {
            const std::optional<std::string> read = ReadSettings(settingsPath);
            if (!read || !SettingsTextFault(*read).empty())
                return false;
            bytes = *read;
        } else if (const fs::path folder = settingsFile.parent_path(); !folder.empty()) {
            fs::create_directories(folder, ec);
        }
        CSimpleIniA ini;
        ini.SetUnicode(true);
        ini.SetSpaces(false);
        if (ini.LoadData(bytes) < 0 || !change(ini))
            return false;
        std::string output;
        if (ini.Save(output) < 0)
            return false;
        return WriteFileSafely(settingsPath, WithLineFeeds(output));
    } catch (...) {
        return false;
    }
}

} // namespace

namespace {
// The settings file parsed, or nothing when it cannot be read or parsed.
std::unique_ptr<CSimpleIniA> ParsedSettings(const std::string& settingsPath) {
    const std::optional<std::string> bytes = ReadSettings(settingsPath);
    if (!bytes)
        return nullptr;
    auto ini = std::make_unique<CSimpleIniA>();
    ini->SetUnicode(true);
    if (ini->LoadData(*bytes) < 0)
        return nullptr;
    return ini;
}

std::string StoredValue(const char* value) {
    return WithoutQuotes(CutAt(value, kMaxValueLength));
}
} // namespace

std::optional<std::string> LoadSetting(const std::string& settingsPath, const std::string& section,
                                       const std::string& key) {
    try {
        const std::unique_ptr<CSimpleIniA> ini = ParsedSettings(settingsPath);
        if (!ini)
            return std::nullopt;
        const char* value = ini->GetValue(section.c_str(), key.c_str(), nullptr);
        if (!value)
            return std::nullopt;
        return StoredValue(value);
    } catch (...) {
        return std::nullopt;
    }
}

std::map<std::string, std::string> LoadSettingSection(const std::string& settingsPath,
                                                      const std::string& section) {
    std::map<std::string, std::string> values;
    try {
        const std::unique_ptr<CSimpleIniA> ini = ParsedSettings(settingsPath);
        if (!ini)
            return values;
        CSimpleIniA::TNamesDepend keys;
        ini->GetAllKeys(section.c_str(), keys);
        for (const CSimpleIniA::Entry& key : keys) {
            if (const char* value = ini->GetValue(section.c_str(), key.pItem, nullptr))
                values[key.pItem] = StoredValue(value);
        }
    } catch (...) {
        values.clear();
    }
    return values;
}

bool SaveSetting(const std::string& settingsPath, const std::string& section,
                 const std::string& key, const std::string& value) {
    return SaveSettings(settingsPath, section, {{key, value}});
}

bool SaveSettings(const std::string& settingsPath, const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& values) {
    return EditSettings(settingsPath, [&](CSimpleIniA& ini) {
        for (const auto& [key, value] : values) {
            if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0)
                return false;
        }
        return true;
    });
}

std::vector<std::string> LoadSettingList(const std::string& settingsPath,
                                         const std::string& section) {
    // One reading of the file for the whole list.
    const std::map<std::string, std::string> keys = LoadSettingSection(settingsPath, section);
    std::vector<std::string> values;
    for (int n = 1;; ++n) {
        const auto found = keys.find(std::to_string(n));
        if (found == keys.end() || found->second.empty())
            return values;
        values.push_back(found->second);
    }
}

bool SaveSettingList(const std::string& settingsPath, const std::string& section,
                     const std::vector<std::string>& values) {
    return EditSettings(settingsPath, [&](CSimpleIniA& ini) {
        ini.Delete(section.c_str(), nullptr);
        for (std::size_t n = 0; n < values.size(); ++n) {
            if (ini.SetValue(section.c_str(), std::to_string(n + 1).c_str(), values[n].c_str()) < 0)
                return false;
        }
        return true;
    });
}

std::string SettingsTextFault(const std::string& bytes) {
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos)
        return "line " +
               std::to_string(
                   1 + std::count(bytes.begin(), bytes.begin() + static_cast<long>(nul), '\n')) +
               " holds a NUL byte";
    LineCheck check;
    std::size_t number = 1;
    for (std::size_t start = 0; start < bytes.size();) {
        // The reader ends a line at CR, LF or both; only LF counts lines.
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        if (std::string fault = check.take(number, {bytes.data() + start, end - start});
            !fault.empty())
            return fault;
        if (end < bytes.size() && bytes[end] == '\n')
            ++number;
        start = end + 1;
    }
    return check.finish();
}

std::string SettingsFileFault(const std::string& settingsPath) {
    std::error_code ec;
    if (!std::filesystem::exists(platform::PathFromUtf8(settingsPath), ec))
        return {};
    std::string bytes, error;
    if (!ReadWholeFile(settingsPath, bytes, error))
        return error;
    return SettingsTextFault(bytes);
}

bool ReplaceStateFile(const std::string& path, const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values) {
    try {
        std::error_code ec;
        const std::filesystem::path file = platform::PathFromUtf8(path);
        if (!file.parent_path().empty())
            std::filesystem::create_directories(file.parent_path(), ec);
        CSimpleIniA ini;
        ini.SetUnicode(true);
        ini.SetSpaces(false);
        for (const auto& [key, value] : values) {
            if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0)
                return false;
        }
        std::string output;
        return ini.Save(output) >= 0 && WriteFileSafely(path, WithLineFeeds(output));
    } catch (...) {
        return false;
    }
}

std::string LoadDatabaseSetting(const std::string& settingsPath, const std::string& current) {
    const std::optional<std::string> value = LoadSetting(settingsPath, kSection, kKey);
    return value && !value->empty() ? *value : current;
}

bool SaveDatabaseSetting(const std::string& settingsPath, const std::string& databaseName) {
    return SaveSetting(settingsPath, kSection, kKey, databaseName);
}

StartupDatabase ChooseStartupDatabase(const std::string& remembered,
                                      const std::string& programFolder) {
    StartupDatabase choice;
    if (!remembered.empty()) {
        choice.path = remembered;
    } else {
        choice.path = platform::JoinPath(programFolder, kDefaultDatabaseName);
    }
    std::error_code ec;
    choice.open = std::filesystem::is_regular_file(platform::PathFromUtf8(choice.path), ec);
    return choice;
}

} // namespace ranvik
