#include "chart/CellText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace ranvik {

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::size_t FirstControlByte(std::string_view text) {
    const auto found = std::find_if(text.begin(), text.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
}

bool ControlBytesToSpaces(std::string& text) {
    bool replaced = false;
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
            replaced = true;
        }
    }
    return replaced;
}

std::string ShownCharacter(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    if (!control && c < 0x80)
        return std::string(1, static_cast<char>(c));
    std::array<char, 16> code{};
    std::snprintf(code.data(), code.size(), "U+%04X", static_cast<unsigned>(c));
    if (control || c > 0x10FFFF)
        return code.data();
    // Printable beyond ASCII: the character itself, in UTF-8.
    const int tail = c < 0x800 ? 1 : (c < 0x10000 ? 2 : 3);
    static constexpr std::array<unsigned, 4> kLead{0x00, 0xC0, 0xE0, 0xF0};
    std::string out(1,
                    static_cast<char>(kLead[static_cast<std::size_t>(tail)] | (c >> (6 * tail))));
    for (int k = tail - 1; k >= 0; --k)
        out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    return out;
}

std::string ShownText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20)
            shown += ShownCharacter(static_cast<unsigned char>(c));
        else
            shown += c;
    }
    return shown;
}

Message CellTextRefusal(std::string_view text) {
    if (const std::size_t at = FirstControlByte(text); at != std::string_view::npos)
        return Message(MessageKind::HoldsControlCharacter,
                       {ShownCharacter(static_cast<unsigned char>(text[at]))});
    return CellLengthRefusal(text);
}

Message CellLengthRefusal(std::string_view text) {
    if (text.size() > MaxCellCharacters) {
        if (const std::size_t count = CharacterCount(text); count > MaxCellCharacters)
            return Message(MessageKind::HoldsTooManyCharacters, {count, MaxCellCharacters});
    }
    return {};
}

std::string CellTextFault(std::string_view text) {
    return English(CellTextRefusal(text));
}

} // namespace ranvik
