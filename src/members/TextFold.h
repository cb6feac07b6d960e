#pragma once
// Folding text the way the membership view compares it: without regard to letter case or
// accents, so "Côté", "cote" and "COTE" are the same key.

#include <string>
#include <string_view>

namespace ranvik {

// Lower-cases ASCII letters, turns accented Latin letters (Latin-1 and Latin Extended-A) into
// their base letters ("é" → "e", "Ł" → "l", "ß" → "ss", "Æ" → "ae") and drops combining
// accents; every other character is kept as it is. Invalid UTF-8 bytes are kept too.
std::string FoldForCompare(std::string_view utf8);

} // namespace ranvik
