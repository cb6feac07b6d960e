#include "settings/Settings.h"

#include "files/FileWriter.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"
#include "settings/IniText.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace ranvik {

std::string DefaultSettingsPath() {
    const std::string folder = platform::SettingsFolder();
    return folder.empty() ? kSettingsFileName : platform::JoinPath(folder, kSettingsFileName);
}

std::string DefaultWindowStatePath() {
    const std::string folder = platform::StateFolder();
    return folder.empty() ? folder : platform::JoinPath(folder, "ranvik/window.ini");
}

SettingValue::SettingValue(Setting<bool> setting, bool value)
    : key(setting.key), texts{value ? "1" : "0"} {}

SettingValue::SettingValue(Setting<std::string> setting, std::string value)
    : key(setting.key), texts{std::move(value)} {}

SettingValue::SettingValue(Setting<std::vector<std::string>> setting,
                           std::vector<std::string> values)
    : key(setting.key), texts(std::move(values)) {}

namespace {

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(platform::PathFromUtf8(path), ec);
}

// The file's bytes; nothing when it cannot be read (a missing file reads as empty).
std::optional<std::string> ReadSettingsFile(const std::string& path) {
    if (!Exists(path))
        return std::string();
    std::string bytes;
    Message error;
    if (!ReadWholeFile(path, bytes, error))
        return std::nullopt;
    return bytes;
}

bool IsList(const SettingDeclaration& declared) {
    return declared.type == SettingType::TextList;
}

bool IsValidItem(const SettingDeclaration& declared, const std::string& text) {
    return !(IsList(declared) && text.empty()) && IsValidSettingText(declared, text);
}

// A value the table accepts for the key: one valid text, or a list of valid items.
bool IsValid(const SettingDeclaration& declared, const std::vector<std::string>& texts) {
    return (IsList(declared) || texts.size() == 1) &&
           std::all_of(texts.begin(), texts.end(),
                       [&](const std::string& text) { return IsValidItem(declared, text); });
}

std::vector<std::string> Default(const SettingDeclaration& declared) {
    return IsList(declared) ? std::vector<std::string>()
                            : std::vector<std::string>{declared.fallback};
}

bool Put(IniText& ini, const SettingDeclaration& declared, const std::vector<std::string>& texts) {
    if (IsList(declared))
        return ini.setList(declared.section, texts);
    return ini.setValue(declared.section, declared.name, texts.front());
}

// The folder a new file goes in, made when missing.
void MakeFolderFor(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path folder = platform::PathFromUtf8(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
}

} // namespace

Settings::Settings(std::string path, SettingsStore store) : path_(std::move(path)), store_(store) {
    try {
        const std::optional<std::string> bytes = ReadSettingsFile(path_);
        if (!bytes)
            return;
        fault_ = SettingsTextFault(*bytes);
        const IniText ini(*bytes);
        for (const SettingDeclaration& declared : AllSettings()) {
            if (declared.store != store_)
                continue;
            std::vector<std::string> texts;
            if (IsList(declared)) {
                // A list keeps its valid items, in order.
                texts = ini.list(declared.section);
                std::erase_if(
                    texts, [&](const std::string& item) { return !IsValidItem(declared, item); });
            } else if (std::optional<std::string> text =
                           ini.value(declared.section, declared.name)) {
                texts.push_back(std::move(*text));
            }
            if (IsValid(declared, texts))
                values_[declared.key] = std::move(texts);
        }
    } catch (...) {
        values_.clear(); // every default, and the file left alone
    }
}

bool Settings::get(Setting<bool> setting) const {
    const auto found = values_.find(setting.key);
    return (found == values_.end() ? Default(DeclarationOf(setting.key)) : found->second).front() ==
           "1";
}

std::string Settings::get(Setting<std::string> setting) const {
    const auto found = values_.find(setting.key);
    return (found == values_.end() ? Default(DeclarationOf(setting.key)) : found->second).front();
}

std::vector<std::string> Settings::get(Setting<std::vector<std::string>> setting) const {
    const auto found = values_.find(setting.key);
    return found == values_.end() ? Default(DeclarationOf(setting.key)) : found->second;
}

bool Settings::set(const std::vector<SettingValue>& values) {
    std::map<SettingKey, std::vector<std::string>> changed;
    bool allValid = true;
    for (const SettingValue& value : values) {
        const SettingDeclaration& declared = DeclarationOf(value.key);
        if (declared.store != store_ || !IsValid(declared, value.texts)) {
            allValid = false;
            continue;
        }
        const auto old = values_.find(value.key);
        const bool same = (old == values_.end() ? Default(declared) : old->second) == value.texts;
        if (!same || store_ == SettingsStore::WindowState)
            changed[value.key] = value.texts;
    }
    if (changed.empty())
        return allValid;
    if (!write(changed))
        return false;
    for (auto& [key, texts] : changed)
        values_[key] = std::move(texts);
    return allValid;
}

bool Settings::write(const std::map<SettingKey, std::vector<std::string>>& changed) const {
    try {
        std::string bytes;
        if (store_ == SettingsStore::Choices) {
            // From the file as it stands now; one read only in part is left alone.
            const std::optional<std::string> now = ReadSettingsFile(path_);
            if (!now || !SettingsTextFault(*now).empty())
                return false;
            bytes = *now;
        }
        IniText ini(bytes);
        if (!ini.parsed())
            return false;
        if (store_ == SettingsStore::WindowState) {
            // The window's own layout: written whole, even over a file that could not be read.
            for (const auto& [key, texts] : values_) {
                if (!changed.contains(key) && !Put(ini, DeclarationOf(key), texts))
                    return false;
            }
        }
        for (const auto& [key, texts] : changed) {
            if (!Put(ini, DeclarationOf(key), texts))
                return false;
        }
        const std::optional<std::string> text = ini.text();
        if (!text)
            return false;
        MakeFolderFor(path_);
        return WriteFileSafely(path_, *text);
    } catch (...) {
        return false;
    }
}

} // namespace ranvik
