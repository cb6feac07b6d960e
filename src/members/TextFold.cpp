#include "members/TextFold.h"

#include <array>
#include <cstdint>

namespace ranvik {

namespace {

constexpr char32_t kTableFirst = 0xC0;
constexpr char32_t kTableLast = 0x17F;

struct Range {
    char32_t first;
    char32_t last;
    const char* base;
};

// Empty base: the character has no base letter and is kept.
constexpr Range kRanges[] = {
    {0xC0, 0xC5, "a"},   {0xC6, 0xC6, "ae"},   {0xC7, 0xC7, "c"},   {0xC8, 0xCB, "e"},
    {0xCC, 0xCF, "i"},   {0xD0, 0xD0, "d"},    {0xD1, 0xD1, "n"},   {0xD2, 0xD6, "o"},
    {0xD8, 0xD8, "o"},   {0xD9, 0xDC, "u"},    {0xDD, 0xDD, "y"},   {0xDE, 0xDE, "th"},
    {0xDF, 0xDF, "ss"},  {0xE0, 0xE5, "a"},    {0xE6, 0xE6, "ae"},  {0xE7, 0xE7, "c"},
    {0xE8, 0xEB, "e"},   {0xEC, 0xEF, "i"},    {0xF0, 0xF0, "d"},   {0xF1, 0xF1, "n"},
    {0xF2, 0xF6, "o"},   {0xF8, 0xF8, "o"},    {0xF9, 0xFC, "u"},   {0xFD, 0xFD, "y"},
    {0xFE, 0xFE, "th"},  {0xFF, 0xFF, "y"},    {0x100, 0x105, "a"}, {0x106, 0x10D, "c"},
    {0x10E, 0x111, "d"}, {0x112, 0x11B, "e"},  {0x11C, 0x123, "g"}, {0x124, 0x127, "h"},
    {0x128, 0x131, "i"}, {0x132, 0x133, "ij"}, {0x134, 0x135, "j"}, {0x136, 0x138, "k"},
    {0x139, 0x142, "l"}, {0x143, 0x14B, "n"},  {0x14C, 0x151, "o"}, {0x152, 0x153, "oe"},
    {0x154, 0x159, "r"}, {0x15A, 0x161, "s"},  {0x162, 0x167, "t"}, {0x168, 0x173, "u"},
    {0x174, 0x175, "w"}, {0x176, 0x178, "y"},  {0x179, 0x17E, "z"}, {0x17F, 0x17F, "s"},
};

using BaseTable = std::array<const char*, kTableLast - kTableFirst + 1>;

const BaseTable& Bases() {
    static const BaseTable table = [] {
        BaseTable t{};
        for (const Range& r : kRanges)
            for (char32_t c = r.first; c <= r.last; ++c)
                t[c - kTableFirst] = r.base;
        return t;
    }();
    return table;
}

// Decodes one UTF-8 sequence at text[i]; length 0 means the byte does not start a valid one.
char32_t Decode(std::string_view text, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    std::size_t count = 0;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3;
        c = lead & 0x0F;
    } else {
        length = 0; // 4-byte sequences need no folding and are copied byte by byte
        return 0;
    }
    if (i + count > text.size()) {
        length = 0;
        return 0;
    }
    for (std::size_t k = 1; k < count; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            length = 0;
            return 0;
        }
        c = (c << 6) | (byte(k) & 0x3F);
    }
    length = count;
    return c;
}

bool IsCombiningAccent(char32_t c) {
    return c >= 0x300 && c <= 0x36F;
}

} // namespace

std::string FoldForCompare(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    const BaseTable& bases = Bases();
    for (std::size_t i = 0; i < utf8.size();) {
        const char ch = utf8[i];
        if (static_cast<unsigned char>(ch) < 0x80) {
            folded += (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
            ++i;
            continue;
        }
        std::size_t length = 0;
        const char32_t c = Decode(utf8, i, length);
        if (length == 0) {
            folded += ch;
            ++i;
            continue;
        }
        if (c >= kTableFirst && c <= kTableLast && bases[c - kTableFirst])
            folded += bases[c - kTableFirst];
        else if (!IsCombiningAccent(c))
            folded.append(utf8.substr(i, length));
        i += length;
    }
    return folded;
}

} // namespace ranvik
