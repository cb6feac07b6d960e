#include "cli/CommandLinePrompts.h"

#include <ostream>

namespace ranvik::cli {

InconsistencyAnswer CommandLinePrompts::askInconsistency(const Message& message) {
    out_ << English(message) << '\n';
    return inconsistencyPolicy;
}

bool CommandLinePrompts::confirmMemberNumbers(const std::vector<Message>& flaggedLines) {
    for (const Message& line : flaggedLines)
        err_ << English(line) << '\n';
    return true;
}

} // namespace ranvik::cli
