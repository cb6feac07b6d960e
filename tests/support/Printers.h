#pragma once
// How GoogleTest prints the core's enumerations, found by argument-dependent lookup: by
// name, so failures and test names read "Sync", not "4-byte object <03-00 00-00>".

#include "chart/Tournament.h"
#include "files/FileWriter.h"
#include "validation/Validation.h"

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace ranvik {

inline void PrintTo(WriteStep step, std::ostream* os) {
    *os << std::array{"Create", "Write", "Flush", "Sync",
                      "Replace"}[static_cast<std::size_t>(step)];
}

inline void PrintTo(TournamentType type, std::ostream* os) {
    *os << std::array{"Swiss", "RoundRobin", "DoubleRoundRobin"}[static_cast<std::size_t>(type)];
}

inline void PrintTo(ValidationFault fault, std::ostream* os) {
    *os << (fault == ValidationFault::None ? std::string("None")
                                           : English(ValidationMessage(fault)));
}

inline void PrintTo(const Message& message, std::ostream* os) {
    *os << '"' << English(message) << '"';
}

namespace test {

// A parameterised test's name from a text: its place in the table, then the text's ASCII
// letters and digits, anything else as '_' (gtest takes only those, and only unique ones).
inline std::string ParamName(std::size_t index, std::string_view text) {
    std::string name = std::to_string(index) + "_";
    for (const char c : text)
        name +=
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ? c : '_';
    return name;
}

} // namespace test
} // namespace ranvik
