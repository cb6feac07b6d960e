#pragma once
// Chart, report and membership texts travel as Windows-1252 bytes; inside the program
// cells are UTF-8. Every byte decodes (the five bytes Windows-1252 leaves undefined map
// to the code points of the same value), so any file reads and writes back unchanged.

#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

std::string DecodeWindows1252(std::string_view bytes);

// nullopt when the text holds a character Windows-1252 cannot carry (or is not UTF-8).
std::optional<std::string> EncodeWindows1252(std::string_view utf8);

// Whether EncodeWindows1252 would succeed, without building the bytes.
bool IsWindows1252Encodable(std::string_view utf8);

} // namespace ranvik
