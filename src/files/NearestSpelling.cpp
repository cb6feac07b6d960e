#include "files/NearestSpelling.h"

#include "files/Utf8.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <array>

namespace ranvik {

namespace {

// Base letters of Latin Extended-A (U+0100..U+017F), sixteen to a line. The few that
// Windows-1252 holds (Œ œ Š š Ÿ Ž ž) are never looked up.
constexpr std::array<const char*, 128> kExtendedABase = {
    "A", "a", "A",  "a",  "A", "a", "C", "c", "C", "c", "C", "c", "C", "c", "D", "d", // 100
    "D", "d", "E",  "e",  "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g", // 110
    "G", "g", "G",  "g",  "H", "h", "H", "h", "I", "i", "I", "i", "I", "i", "I", "i", // 120
    "I", "i", "IJ", "ij", "J", "j", "K", "k", "k", "L", "l", "L", "l", "L", "l", "L", // 130
    "l", "L", "l",  "N",  "n", "N", "n", "N", "n", "n", "N", "n", "O", "o", "O", "o", // 140
    "O", "o", "OE", "oe", "R", "r", "R", "r", "R", "r", "S", "s", "S", "s", "S", "s", // 150
    "S", "s", "T",  "t",  "T", "t", "T", "t", "U", "u", "U", "u", "U", "u", "U", "u", // 160
    "U", "u", "U",  "u",  "W", "w", "Y", "y", "Y", "Z", "z", "Z", "z", "Z", "z", "s", // 170
};

// Letters of Latin-1 that are a base letter and one combining accent, for composing
// "e" + U+0301 back into "é".
struct Composition {
    char base;
    char32_t accent;
    char32_t composed;
};
constexpr Composition kCompositions[] = {
    {'A', 0x300, 0xC0},  {'A', 0x301, 0xC1}, {'A', 0x302, 0xC2},  {'A', 0x303, 0xC3},
    {'A', 0x308, 0xC4},  {'A', 0x30A, 0xC5}, {'C', 0x327, 0xC7},  {'E', 0x300, 0xC8},
    {'E', 0x301, 0xC9},  {'E', 0x302, 0xCA}, {'E', 0x308, 0xCB},  {'I', 0x300, 0xCC},
    {'I', 0x301, 0xCD},  {'I', 0x302, 0xCE}, {'I', 0x308, 0xCF},  {'N', 0x303, 0xD1},
    {'O', 0x300, 0xD2},  {'O', 0x301, 0xD3}, {'O', 0x302, 0xD4},  {'O', 0x303, 0xD5},
    {'O', 0x308, 0xD6},  {'U', 0x300, 0xD9}, {'U', 0x301, 0xDA},  {'U', 0x302, 0xDB},
    {'U', 0x308, 0xDC},  {'Y', 0x301, 0xDD}, {'S', 0x30C, 0x160}, {'Z', 0x30C, 0x17D},
    {'Y', 0x308, 0x178},
};

bool IsCombiningAccent(char32_t cp) {
    return cp >= 0x300 && cp <= 0x36F;
}

bool Encodable(char32_t cp) {
    std::string utf8;
    AppendUtf8(utf8, cp);
    return IsWindows1252Encodable(utf8);
}

// The precomposed Windows-1252 letter for a letter and an accent, or 0 when none.
char32_t Compose(char32_t letter, char32_t accent) {
    const bool lower = letter >= 'a' && letter <= 'z';
    const char32_t upper = lower ? letter - 'a' + 'A' : letter;
    for (const Composition& c : kCompositions) {
        if (static_cast<char32_t>(c.base) != upper || c.accent != accent)
            continue;
        if (!lower)
            return c.composed;
        // Lower case sits 0x20 above in Latin-1, one above in Latin Extended-A; ÿ is apart.
        if (c.composed == 0x178)
            return 0xFF;
        return c.composed < 0x100 ? c.composed + 0x20 : c.composed + 1;
    }
    return 0;
}

// Replacement of one character Windows-1252 cannot hold.
std::string Substitute(char32_t cp) {
    if (cp >= 0x100 && cp <= 0x17F)
        return kExtendedABase[cp - 0x100];
    if (cp == 0x2010 || cp == 0x2011 || cp == 0x2212)
        return "-";
    return "?";
}

} // namespace

std::string NearestSpelling(std::string_view utf8) {
    if (IsWindows1252Encodable(utf8))
        return std::string(utf8);
    const auto decoded = DecodeUtf8(utf8);
    if (!decoded) {
        // Keep what reads; a byte that does not start a character becomes "?".
        std::string repaired;
        for (std::size_t i = 0; i < utf8.size();) {
            std::size_t length = 1;
            while (length <= 4 && i + length <= utf8.size() && !DecodeUtf8(utf8.substr(i, length)))
                ++length;
            if (length > 4 || i + length > utf8.size()) {
                repaired += "?";
                ++i;
            } else {
                repaired.append(utf8.substr(i, length));
                i += length;
            }
        }
        return NearestSpelling(repaired);
    }
    std::u32string out;
    out.reserve(decoded->size());
    bool lastIsPlainLetter = false; // the last output character came from an ASCII letter
    for (const char32_t cp : *decoded) {
        if (IsCombiningAccent(cp)) {
            if (lastIsPlainLetter) {
                if (const char32_t composed = Compose(out.back(), cp))
                    out.back() = composed;
            }
            lastIsPlainLetter = false;
            continue;
        }
        if (Encodable(cp)) {
            out += cp;
            lastIsPlainLetter = (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z');
            continue;
        }
        for (const char c : Substitute(cp))
            out += static_cast<unsigned char>(c);
        lastIsPlainLetter = false;
    }
    return EncodeUtf8(out);
}

std::vector<std::string> CharactersChartCannotHold(std::string_view utf8) {
    std::vector<std::string> found;
    const auto add = [&found](std::string character) {
        if (std::find(found.begin(), found.end(), character) == found.end())
            found.push_back(std::move(character));
    };
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        while (length <= 4 && i + length <= utf8.size() && !DecodeUtf8(utf8.substr(i, length)))
            ++length;
        if (length > 4 || i + length > utf8.size()) {
            add("\xEF\xBF\xBD");
            ++i;
            continue;
        }
        const std::string_view character = utf8.substr(i, length);
        if (!IsWindows1252Encodable(character))
            add(std::string(character));
        i += length;
    }
    return found;
}

} // namespace ranvik
