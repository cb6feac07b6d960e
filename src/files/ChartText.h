#pragma once
// The text of a chart file before it is split into lines: which encoding it was saved in,
// and the limits that keep a hostile file from costing more than any real chart could.

#include "messages/Message.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ranvik {

// Larger than any chart can be: a full 1000-player double round robin is about 4 MB.
inline constexpr std::size_t MaxChartFileBytes = 64u * 1024 * 1024;

// How a chart file's bytes read as text, found without decoding them. A file that is
// entirely valid UTF-8 and holds multi-byte sequences (with or without a byte-order mark)
// is read as UTF-8; any other as Windows-1252, the format's own encoding. Bytes that cannot
// be a chart's text are refused: a NUL byte (UTF-16 among them, named as such), other
// control bytes no typed text holds, or more bytes than MaxChartFileBytes.
struct ChartEncoding {
    bool ok = false;
    bool utf8 = false;        // else Windows-1252
    std::size_t markSize = 0; // the UTF-8 byte-order mark the text starts after
    // No field can be refused as a cell: no control byte but TAB and the line ends, and no
    // run of more than 511 bytes between them. Otherwise the fields are looked at one by one.
    bool plainFields = false;
    Message message; // why the bytes are not a chart file's text, when !ok
};
ChartEncoding FindChartEncoding(std::string_view bytes);

struct ChartText {
    bool ok = false;
    std::string text; // UTF-8, when ok
    Message message;  // why the bytes are not a chart file's text, when !ok
};

// The whole text at once, as FindChartEncoding reads it. A reader that works line by line
// decodes only the lines that need it instead (ReadChartFile).
ChartText DecodeChartText(std::string_view bytes);

// Whether the bytes start with a UTF-16 byte-order mark, or have a NUL beside most characters.
bool LooksLikeUtf16(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 holding at least one multi-byte sequence.
bool IsMultiByteUtf8(std::string_view bytes);

} // namespace ranvik
