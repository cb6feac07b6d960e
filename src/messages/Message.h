#pragma once
// What the program tells the director, as a value: which message it is and the values it
// carries, never a finished sentence. The command line, files and tests read it in English
// (English() below); the window puts it into its own language from the same value.

#include "messages/MessageKind.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ranvik {

class Message;

// One value a message carries: a number, a text as it came (a name, a path, a cell's entry, a
// reason the system gave), or another message standing in its place ("Cannot open %1: %2"
// holds the reason as a message of its own).
class MessageArgument {
  public:
    MessageArgument(int number) : value_(static_cast<std::int64_t>(number)) {}
    MessageArgument(long number) : value_(static_cast<std::int64_t>(number)) {}
    MessageArgument(long long number) : value_(static_cast<std::int64_t>(number)) {}
    MessageArgument(unsigned number) : value_(static_cast<std::int64_t>(number)) {}
    MessageArgument(unsigned long number) : value_(static_cast<std::int64_t>(number)) {}
    MessageArgument(unsigned long long number) : value_(static_cast<std::int64_t>(number)) {}
    MessageArgument(std::string text) : value_(std::move(text)) {}
    MessageArgument(std::string_view text) : value_(std::string(text)) {}
    MessageArgument(const char* text) : value_(std::string(text)) {}
    MessageArgument(Message message);

    const std::int64_t* number() const { return std::get_if<std::int64_t>(&value_); }
    const std::string* text() const { return std::get_if<std::string>(&value_); }
    const Message* message() const;

    bool operator==(const MessageArgument& other) const;

  private:
    std::variant<std::int64_t, std::string, std::shared_ptr<const Message>> value_;
};

class Message {
  public:
    // No message: what a result carries when all went well.
    Message() = default;
    Message(MessageKind kind, std::vector<MessageArgument> arguments = {});

    MessageKind kind() const { return kind_; }
    const std::vector<MessageArgument>& arguments() const { return arguments_; }
    bool empty() const { return kind_ == MessageKind::None; }

    // A message of several paragraphs is a list of parts: each shows under the one before,
    // on the next line or after an empty line.
    enum class Break { Line, Paragraph };
    struct Part;
    Message& then(Message next, Break before = Break::Line);
    const std::vector<Part>& parts() const { return parts_; }

    bool operator==(const Message& other) const;

  private:
    MessageKind kind_ = MessageKind::None;
    std::vector<MessageArgument> arguments_;
    std::vector<Part> parts_;
};

struct Message::Part {
    Break before = Break::Line;
    Message message;
    bool operator==(const Part& other) const = default;
};

// The English text of a message's kind, its values as %1, %2, ...
std::string_view EnglishTemplate(MessageKind kind);

// The text of each kind in some language, with its %1.. markers, in UTF-8.
using MessageTemplates = std::function<std::string(MessageKind)>;

// The message with its values put in, nested messages in the same language; parts joined by
// a line break, or an empty line before a new paragraph.
std::string RenderMessage(const Message& message, const MessageTemplates& templates);

// The message in English, as the command line prints it and the files keep it.
std::string English(const Message& message);

// Writes the message in English (the command line's output, a test's failure).
std::ostream& operator<<(std::ostream& out, const Message& message);

// Puts values into a text with %1..%9 markers in one pass, so a value holding "%2" is never
// taken for a marker; markers without a value stay as they are.
std::string FillMarkers(std::string_view text, const std::vector<std::string>& values);

} // namespace ranvik
