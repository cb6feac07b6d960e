#pragma once
// What a chart cell may hold, wherever its text comes from (a chart file, a tournament
// report file, the membership database): no control character, since a chart file holding
// one cannot be read again, and no more than MaxCellCharacters characters.

#include "messages/Message.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ranvik {

// Far beyond any name, number or result; a longer text is not a cell but an attack.
inline constexpr std::size_t MaxCellCharacters = 1000;

// The characters of UTF-8 text (a byte that starts no character counts as one).
std::size_t CharacterCount(std::string_view text);

// Index of the first byte below 0x20 (TAB, CR and LF included), or npos.
std::size_t FirstControlByte(std::string_view text);

// Every byte below 0x20 made a space; true when there was one.
bool ControlBytesToSpaces(std::string& text);

// A character as a message shows it: itself when it can be printed, else its code
// ("U+0000"), so a message never carries a NUL or an escape sequence to a terminal.
std::string ShownCharacter(char32_t c);

// The text with each control byte shown as ShownCharacter shows it.
std::string ShownText(std::string_view text);

// Why the text cannot be a chart cell ("holds a control character (U+001A)", "holds 1500
// characters; a chart cell holds at most 1000"); empty when it can.
Message CellTextRefusal(std::string_view text);
// Only the length part of it: a cell longer than a chart cell may be.
Message CellLengthRefusal(std::string_view text);
// The same in English, for the member's values until their messages are values too.
std::string CellTextFault(std::string_view text);

} // namespace ranvik
