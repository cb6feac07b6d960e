#pragma once
// Names from the membership database may hold characters a chart file (Windows-1252)
// cannot carry. These give the spelling a chart file can hold and say what is lost.

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

// The nearest spelling Windows-1252 can hold: characters it holds stay; a letter with an
// accent it lacks loses the accent ("Ł" → "L", "ő" → "o", "ı" → "i"); a letter followed by a
// combining accent becomes the precomposed letter when Windows-1252 has one ("e" + U+0301 →
// "é"), otherwise the accent is dropped; anything else becomes "?". Invalid UTF-8 bytes
// become "?" too.
std::string NearestSpelling(std::string_view utf8);

// The distinct characters of the text (UTF-8, in order of first appearance) that a chart
// file cannot hold; an invalid UTF-8 byte is listed as U+FFFD. Empty when all can be held.
std::vector<std::string> CharactersChartCannotHold(std::string_view utf8);

} // namespace ranvik
