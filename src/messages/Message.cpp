#include "messages/Message.h"

#include <ostream>
#include <utility>

namespace ranvik {

MessageArgument::MessageArgument(Message message)
    : value_(std::make_shared<const Message>(std::move(message))) {}

const Message* MessageArgument::message() const {
    const auto* held = std::get_if<std::shared_ptr<const Message>>(&value_);
    return held ? held->get() : nullptr;
}

bool MessageArgument::operator==(const MessageArgument& other) const {
    if (const Message* mine = message()) {
        const Message* theirs = other.message();
        return theirs && *mine == *theirs;
    }
    return value_ == other.value_;
}

Message::Message(MessageKind kind, std::vector<MessageArgument> arguments)
    : kind_(kind), arguments_(std::move(arguments)) {}

Message& Message::then(Message next, Break before) {
    parts_.push_back({before, std::move(next)});
    return *this;
}

bool Message::operator==(const Message& other) const {
    return kind_ == other.kind_ && arguments_ == other.arguments_ && parts_ == other.parts_;
}

std::string FillMarkers(std::string_view text, const std::vector<std::string>& values) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto marker = static_cast<std::size_t>(next - '0');
        if (text[i] == '%' && next >= '1' && next <= '9' && marker <= values.size()) {
            filled += values[marker - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string RenderMessage(const Message& message, const MessageTemplates& templates) {
    std::vector<std::string> values;
    values.reserve(message.arguments().size());
    for (const MessageArgument& argument : message.arguments()) {
        if (const std::int64_t* number = argument.number())
            values.push_back(std::to_string(*number));
        else if (const std::string* text = argument.text())
            values.push_back(*text);
        else
            values.push_back(RenderMessage(*argument.message(), templates));
    }
    std::string rendered = FillMarkers(templates(message.kind()), values);
    for (const Message::Part& part : message.parts()) {
        rendered += part.before == Message::Break::Paragraph ? "\n\n" : "\n";
        rendered += RenderMessage(part.message, templates);
    }
    return rendered;
}

std::string English(const Message& message) {
    return RenderMessage(message,
                         [](MessageKind kind) { return std::string(EnglishTemplate(kind)); });
}

std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << English(message);
}

} // namespace ranvik
