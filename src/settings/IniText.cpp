#include "settings/IniText.h"

// Narrow UTF-8 only: no wide-character converter is needed (or linked).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string_view>

namespace ranvik {

struct IniText::Parsed {
    CSimpleIniA ini{true}; // UTF-8
};

namespace {

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

IniText::IniText(const std::string& bytes) : parsed_(std::make_unique<Parsed>()) {
    parsed_->ini.SetSpaces(false);
    if (parsed_->ini.LoadData(bytes) < 0) {
        parsed_->ini.Reset();
        parsedWhole_ = false;
    }
}

IniText::~IniText() = default;

std::optional<std::string> IniText::value(const std::string& section,
                                          const std::string& key) const {
    const char* found = parsed_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (!found)
        return std::nullopt;
    return WithoutQuotes(found);
}

std::vector<std::string> IniText::list(const std::string& section) const {
    std::vector<std::string> values;
    for (int n = 1;; ++n) {
        std::optional<std::string> item = value(section, std::to_string(n));
        if (!item || item->empty())
            return values;
        values.push_back(std::move(*item));
    }
}

bool IniText::setValue(const std::string& section, const std::string& key,
                       const std::string& value) {
    return parsed_->ini.SetValue(section.c_str(), key.c_str(), value.c_str()) >= 0;
}

bool IniText::setList(const std::string& section, const std::vector<std::string>& values) {
    parsed_->ini.Delete(section.c_str(), nullptr);
    for (std::size_t n = 0; n < values.size(); ++n) {
        if (!setValue(section, std::to_string(n + 1), values[n]))
            return false;
    }
    return true;
}

std::optional<std::string> IniText::text() const {
    std::string output;
    if (parsed_->ini.Save(output) < 0)
        return std::nullopt;
    return WithLineFeeds(output);
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
    Message take(std::size_t number, std::string_view line) {
        while (!line.empty() && IsBlank(line.front()))
            line.remove_prefix(1);
        const auto where = [number](MessageKind kind) { return Message(kind, {number}); };
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
                return where(MessageKind::SettingsHeadingNotWhole);
            section_ = Lowered(Trimmed(line.substr(1, close - 1)));
            const bool again = !sections_.insert(section_).second;
            if (again && commentLine_ != 0)
                return Message(MessageKind::SettingsCommentBeforeRepeatedSection, {commentLine_});
            commentLine_ = 0;
            return {};
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            return where(MessageKind::SettingsLineUnreadable);
        if (!keys_.insert(section_ + '\n' + Lowered(Trimmed(line.substr(0, equals)))).second)
            return where(MessageKind::SettingsKeyTwice);
        commentLine_ = 0;
        return {};
    }
    Message finish() const {
        if (commentLine_ != 0)
            return Message(MessageKind::SettingsCommentAtEnd, {commentLine_});
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

} // namespace

Message SettingsTextFault(const std::string& bytes) {
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos)
        return Message(
            MessageKind::SettingsNulByte,
            {1 + std::count(bytes.begin(), bytes.begin() + static_cast<long>(nul), '\n')});
    LineCheck check;
    std::size_t number = 1;
    for (std::size_t start = 0; start < bytes.size();) {
        // The reader ends a line at CR, LF or both; only LF counts lines.
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        if (Message fault = check.take(number, {bytes.data() + start, end - start}); !fault.empty())
            return fault;
        if (end < bytes.size() && bytes[end] == '\n')
            ++number;
        start = end + 1;
    }
    return check.finish();
}

} // namespace ranvik
