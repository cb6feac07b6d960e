#include "chart/TypedKey.h"

namespace ranvik {

namespace {

char32_t Upper(char32_t key) {
    return key >= U'a' && key <= U'z' ? key - U'a' + U'A' : key;
}

std::optional<char32_t> RoundRobinKey(char32_t key, std::string_view typed) {
    // "1/2" is a draw too: the slash after a 1, the 2 after "1/"; the entry becomes "=".
    if ((key == U'/' && typed.ends_with("1")) || (key == U'2' && typed.ends_with("1/")))
        return key;
    switch (Upper(key)) {
    case U'W':
    case U'1':
        return U'1';
    case U'D':
    case U'=':
    case U'\u00BD': // ½
        return U'=';
    case U'L':
    case U'0':
        return U'0';
    case U'X':
        return U'X';
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<char32_t> TypedKey(char32_t key, CellKind kind, std::string_view typed) {
    switch (kind) {
    case CellKind::Text:
        return key;
    case CellKind::SwissResult:
        return Upper(key);
    case CellKind::RoundRobinResult:
        return RoundRobinKey(key, typed);
    }
    return key;
}

} // namespace ranvik
