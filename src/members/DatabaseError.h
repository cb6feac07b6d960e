#pragma once
// A membership file that cannot be read, and why, as the message the director is shown. It is
// still a std::runtime_error whose text is the English message, for callers that only log it.

#include "messages/Message.h"

#include <stdexcept>
#include <utility>

namespace ranvik {

class DatabaseError : public std::runtime_error {
  public:
    explicit DatabaseError(Message message)
        : std::runtime_error(English(message)), message_(std::move(message)) {}
    const Message& message() const { return message_; }

  private:
    Message message_;
};

} // namespace ranvik
