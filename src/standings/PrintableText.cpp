#include "standings/StandingsDocument.h"

#include "files/Utf8.h"

namespace ranvik {

namespace {

// Control characters (C0, DEL, C1) and the two non-characters no XML page may hold.
bool Unprintable(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFFFE || c == 0xFFFF;
}

} // namespace

std::string PrintableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = NextCodePoint(text, pos);
        if (!c) {
            ++pos; // a byte that starts no character: one replacement each
            AppendUtf8(out, 0xFFFD);
        } else if (Unprintable(*c)) {
            AppendUtf8(out, 0xFFFD);
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    return out;
}

} // namespace ranvik
