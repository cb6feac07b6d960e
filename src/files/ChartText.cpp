#include "files/ChartText.h"

#include "files/Utf8.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <array>

namespace ranvik {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// UTF-16 puts a NUL beside every ASCII character, or starts with its byte-order mark.
bool LooksLikeUtf16(std::string_view bytes) {
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"))
        return true;
    const std::string_view head = bytes.substr(0, 512);
    const auto nuls = std::count(head.begin(), head.end(), '\0');
    return head.size() >= 4 && static_cast<std::size_t>(nuls) * 3 >= head.size();
}

// What a byte can tell of the file, for the one pass made over all of them.
enum ByteKind : unsigned char { Plain = 0, Nul = 1, Binary = 2, BeyondAscii = 4 };

// Control bytes no typed text holds: tab, the line ends, form feed and the old end-of-file
// mark pass; the rest show a binary file (an image, a database, an archive).
constexpr std::array<unsigned char, 256> kByteKinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (int byte = 1; byte < 0x20; ++byte)
        kinds[byte] = Binary;
    for (const int text : {0x09, 0x0D, 0x0A, 0x0C, 0x1A}) // tab, CR, LF, form feed, end of file
        kinds[text] = Plain;
    kinds[0] = Nul;
    for (int byte = 0x80; byte < 0x100; ++byte)
        kinds[byte] = BeyondAscii;
    return kinds;
}();

bool IsBinaryControl(char c) {
    return kByteKinds[static_cast<unsigned char>(c)] == Binary;
}

// The kinds of byte the text holds, or-ed together: a table look-up per byte, in one pass
// (the checks of a 4 MB chart file ran a search per kind before).
unsigned char KindsOfBytes(std::string_view bytes) {
    const auto kindOf = [&bytes](std::size_t at) {
        return kByteKinds[static_cast<unsigned char>(bytes[at])];
    };
    unsigned char kinds = 0;
    std::size_t at = 0;
    for (; at + 4 <= bytes.size(); at += 4) // four at a time: fewer loop tests than look-ups
        kinds |= kindOf(at) | kindOf(at + 1) | kindOf(at + 2) | kindOf(at + 3);
    for (; at < bytes.size(); ++at)
        kinds |= kindOf(at);
    return kinds;
}

// "line N" of the first byte the predicate picks.
template <typename Pick> std::string LineOfFirst(std::string_view bytes, Pick pick) {
    const auto at = std::find_if(bytes.begin(), bytes.end(), pick);
    return "line " + std::to_string(std::count(bytes.begin(), at, '\n') + 1);
}

} // namespace

bool IsMultiByteUtf8(std::string_view bytes) {
    bool multiByte = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        if (!NextCodePoint(bytes, pos))
            return false;
        multiByte = true;
    }
    return multiByte;
}

ChartEncoding FindChartEncoding(std::string_view bytes) {
    ChartEncoding out;
    if (bytes.size() > MaxChartFileBytes) {
        out.message = "The file is larger than any chart can be (more than " +
                      std::to_string(MaxChartFileBytes / (1024 * 1024)) + " MB).";
        return out;
    }
    if (LooksLikeUtf16(bytes)) {
        out.message = "The file is saved as UTF-16; save it as plain text.";
        return out;
    }
    const unsigned char kinds = KindsOfBytes(bytes);
    if ((kinds & Nul) != 0) {
        out.message = "The file holds a NUL byte (" +
                      LineOfFirst(bytes, [](char c) { return c == '\0'; }) +
                      "), which no chart file has: it is not a chart file.";
        return out;
    }
    if ((kinds & Binary) != 0) {
        out.message = "The file holds binary data (" + LineOfFirst(bytes, IsBinaryControl) +
                      "), not text: it is not a chart file.";
        return out;
    }
    out.utf8 = (kinds & BeyondAscii) != 0 && IsMultiByteUtf8(bytes);
    out.markSize = out.utf8 && StartsWith(bytes, kUtf8Mark) ? kUtf8Mark.size() : 0;
    out.ok = true;
    return out;
}

ChartText DecodeChartText(std::string_view bytes) {
    ChartText out;
    const ChartEncoding encoding = FindChartEncoding(bytes);
    out.ok = encoding.ok;
    out.message = encoding.message;
    if (encoding.ok) {
        const std::string_view text = bytes.substr(encoding.markSize);
        out.text = encoding.utf8 ? std::string(text) : DecodeWindows1252(text);
    }
    return out;
}

} // namespace ranvik
