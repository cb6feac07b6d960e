#include "files/ChartText.h"

#include "files/Utf8.h"
#include "files/Windows1252.h"

#include <algorithm>

namespace ranvik {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// Control bytes no typed text holds: tab, the line ends, form feed and the old end-of-file
// mark pass (the chart reader then refuses them inside a cell, with their line); the rest
// show a binary file (an image, a database, an archive).
bool IsBinaryControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f' && byte != 0x1A;
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

ChartText DecodeChartText(std::string_view bytes) {
    ChartText out;
    if (bytes.size() > MaxChartFileBytes) {
        out.message = "The file is larger than any chart can be (more than " +
                      std::to_string(MaxChartFileBytes / (1024 * 1024)) + " MB).";
        return out;
    }
    if (LooksLikeUtf16(bytes)) {
        out.message = "The file is saved as UTF-16; save it as plain text.";
        return out;
    }
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        const auto line = std::count(bytes.begin(), bytes.begin() + static_cast<long>(nul), '\n');
        out.message = "The file holds a NUL byte (line " + std::to_string(line + 1) +
                      "), which no chart file has: it is not a chart file.";
        return out;
    }
    if (const auto control = std::find_if(bytes.begin(), bytes.end(), IsBinaryControl);
        control != bytes.end()) {
        const auto line = std::count(bytes.begin(), control, '\n');
        out.message = "The file holds binary data (line " + std::to_string(line + 1) +
                      "), not text: it is not a chart file.";
        return out;
    }
    if (IsMultiByteUtf8(bytes)) {
        out.text =
            std::string(StartsWith(bytes, kUtf8Mark) ? bytes.substr(kUtf8Mark.size()) : bytes);
    } else {
        out.text = DecodeWindows1252(bytes);
    }
    out.ok = true;
    return out;
}

} // namespace ranvik
