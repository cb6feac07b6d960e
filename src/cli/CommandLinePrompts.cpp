#include "cli/CommandLinePrompts.h"

#include <ostream>

namespace ranvik::cli {

InconsistencyAnswer CommandLinePrompts::askInconsistency(const Message& message) {
    out_ << English(message) << '\n';
    return inconsistencyPolicy;
}

bool CommandLinePrompts::confirmMemberNumbers(const std::vector<std::string>& flaggedLines) {
    for (const std::string& line : flaggedLines)
        err_ << line << '\n';
    return true;
}

} // namespace ranvik::cli
