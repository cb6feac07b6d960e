#include "files/Windows1252.h"

#include "files/Utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace ranvik {
namespace {

// Code points of bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined keep
// their own value, so that decoding never loses a byte.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// The byte for a code point, or -1 when Windows-1252 has none.
int ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

// The end of the run of ASCII bytes from pos, found eight bytes at a time.
std::size_t AsciiRunEnd(std::string_view bytes, std::size_t pos) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    for (std::uint64_t word = 0; pos + sizeof word <= bytes.size(); pos += sizeof word) {
        std::memcpy(&word, bytes.data() + pos, sizeof word);
        if ((word & kHighBits) != 0)
            break;
    }
    while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80)
        ++pos;
    return pos;
}

// Walks the text, handing each encoded byte to sink; false at the first character that
// cannot be carried.
template <typename Sink> bool EncodeInto(std::string_view utf8, Sink&& sink) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = NextCodePoint(utf8, pos);
        if (!cp)
            return false;
        const int byte = ByteOf(*cp);
        if (byte < 0)
            return false;
        sink(static_cast<char>(byte));
    }
    return true;
}

} // namespace

std::string DecodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    // Runs of ASCII, nearly the whole of a chart file, are copied in one piece.
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = AsciiRunEnd(bytes, pos);
        out.append(bytes.data() + pos, end - pos);
        if (end == bytes.size())
            break;
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(bytes[end])));
        pos = end + 1;
    }
    return out;
}

std::optional<std::string> EncodeWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    // Runs of ASCII are their own encoding and are copied in one piece, as in decoding.
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t end = AsciiRunEnd(utf8, pos);
        out.append(utf8.data() + pos, end - pos);
        if (end == utf8.size())
            break;
        pos = end;
        const auto cp = NextCodePoint(utf8, pos);
        const int byte = cp ? ByteOf(*cp) : -1;
        if (byte < 0)
            return std::nullopt;
        out += static_cast<char>(byte);
    }
    return out;
}

bool IsWindows1252Encodable(std::string_view utf8) {
    return EncodeInto(utf8, [](char) {});
}

} // namespace ranvik
