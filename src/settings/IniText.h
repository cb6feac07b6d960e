#pragma once
// The profile ("INI") format as the settings files are written in it: sections and keys
// compare without case, one pair of quotes around a value is dropped on reading, lines end
// with LF alone on every system, and comments and unknown entries are written back as read.

#include "messages/Message.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ranvik {

class IniText {
  public:
    explicit IniText(const std::string& bytes = {});
    ~IniText();
    IniText(const IniText&) = delete;
    IniText& operator=(const IniText&) = delete;

    // False when the bytes could not be parsed at all (the text is then empty).
    bool parsed() const { return parsedWhole_; }

    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    // Keys "1", "2"... of the section, in order, up to the first missing or empty one.
    std::vector<std::string> list(const std::string& section) const;

    // False when the value cannot be set.
    bool setValue(const std::string& section, const std::string& key, const std::string& value);
    // Replaces the whole section with the list.
    bool setList(const std::string& section, const std::vector<std::string>& values);
    // The text to write; nothing when it cannot be made.
    std::optional<std::string> text() const;

  private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
    bool parsedWhole_ = true;
};

// Why the reader would take the file's bytes only in part, as "line 3 holds a NUL byte" (a
// NUL byte, a line it skips, a key given twice, a comment it drops); empty when it takes
// them whole. Such a file is never written: writing it back would lose the rest.
Message SettingsTextFault(const std::string& bytes);

} // namespace ranvik
