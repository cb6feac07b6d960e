#pragma once
// Strict UTF-8 reading and writing by code point, for code that must look at characters
// rather than bytes (fixed-column files, spelling substitutions).

#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

// The character starting at pos, pos moved past it; nothing (pos unmoved) when the bytes
// there are not a well-formed UTF-8 character.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos);

// The code points of the text; nullopt when it is not well-formed UTF-8 (stray
// continuation bytes, overlong forms, surrogates, beyond U+10FFFF).
std::optional<std::u32string> DecodeUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t cp);
std::string EncodeUtf8(std::u32string_view text);

} // namespace ranvik
