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

// What a byte can tell of the file, for the one pass made over all of them.
enum ByteKind : unsigned char {
    Plain = 0,
    Nul = 1,
    Binary = 2,
    BeyondAscii = 4,
    Separator = 8, // TAB and the line ends
    OtherControl = 16,
};

// Control bytes no typed text holds: tab, the line ends, form feed and the old end-of-file
// mark pass (the chart reader then refuses the last two inside a cell, with their line); the
// rest show a binary file (an image, a database, an archive).
constexpr std::array<unsigned char, 256> kByteKinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (int byte = 1; byte < 0x20; ++byte)
        kinds[byte] = Binary;
    for (const int separator : {0x09, 0x0D, 0x0A}) // TAB, CR, LF
        kinds[separator] = Separator;
    kinds[0x0C] = OtherControl; // form feed
    kinds[0x1A] = OtherControl; // end of file
    kinds[0] = Nul;
    for (int byte = 0x80; byte < 0x100; ++byte)
        kinds[byte] = BeyondAscii;
    return kinds;
}();

bool IsBinaryControl(char c) {
    return kByteKinds[static_cast<unsigned char>(c)] == Binary;
}

// The kinds of byte the text holds, or-ed together, in one pass of a table look-up per byte
// (the checks of a 4 MB chart file ran a search per kind before); and whether some block
// of 256 bytes holds no separator. When every block holds one, no run between separators is
// longer than 511 bytes.
struct ByteSurvey {
    unsigned char kinds = 0;
    bool longRun = false;
};

ByteSurvey SurveyBytes(std::string_view bytes) {
    const auto kindOf = [&bytes](std::size_t at) {
        return kByteKinds[static_cast<unsigned char>(bytes[at])];
    };
    ByteSurvey survey;
    for (std::size_t block = 0; block < bytes.size(); block += 256) {
        const std::size_t end = std::min(bytes.size(), block + 256);
        unsigned char kinds = 0;
        std::size_t at = block;
        for (; at + 4 <= end; at += 4) // four at a time: fewer loop tests than look-ups
            kinds |= kindOf(at) | kindOf(at + 1) | kindOf(at + 2) | kindOf(at + 3);
        for (; at < end; ++at)
            kinds |= kindOf(at);
        survey.kinds |= kinds;
        survey.longRun = survey.longRun || (end - block == 256 && (kinds & Separator) == 0);
    }
    return survey;
}

// The line of the first byte the predicate picks.
template <typename Pick> long LineOfFirst(std::string_view bytes, Pick pick) {
    const auto at = std::find_if(bytes.begin(), bytes.end(), pick);
    return static_cast<long>(std::count(bytes.begin(), at, '\n') + 1);
}

} // namespace

// UTF-16 puts a NUL beside every ASCII character, or starts with its byte-order mark.
bool LooksLikeUtf16(std::string_view bytes) {
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"))
        return true;
    const std::string_view head = bytes.substr(0, 512);
    const auto nuls = std::count(head.begin(), head.end(), '\0');
    return head.size() >= 4 && static_cast<std::size_t>(nuls) * 3 >= head.size();
}

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
        out.message = Message(MessageKind::ChartFileTooLarge, {MaxChartFileBytes / (1024 * 1024)});
        return out;
    }
    if (LooksLikeUtf16(bytes)) {
        out.message = Message(MessageKind::ChartFileUtf16);
        return out;
    }
    const ByteSurvey survey = SurveyBytes(bytes);
    const unsigned char kinds = survey.kinds;
    if ((kinds & Nul) != 0) {
        out.message = Message(MessageKind::ChartFileNulByte,
                              {LineOfFirst(bytes, [](char c) { return c == '\0'; })});
        return out;
    }
    if ((kinds & Binary) != 0) {
        out.message = Message(MessageKind::ChartFileBinary, {LineOfFirst(bytes, IsBinaryControl)});
        return out;
    }
    out.utf8 = (kinds & BeyondAscii) != 0 && IsMultiByteUtf8(bytes);
    out.markSize = out.utf8 && StartsWith(bytes, kUtf8Mark) ? kUtf8Mark.size() : 0;
    out.plainFields = (kinds & OtherControl) == 0 && !survey.longRun;
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
