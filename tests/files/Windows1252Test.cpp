#include "files/Windows1252.h"

#include <gtest/gtest.h>

using namespace ranvik;

TEST(Windows1252, DecodesAsciiLatin1AndTheHighControlBlock) {
    EXPECT_EQ(DecodeWindows1252("W12 abc"), "W12 abc");
    EXPECT_EQ(DecodeWindows1252("Ren\xE9 M\xFCller"), "René Müller");
    EXPECT_EQ(DecodeWindows1252("\x80\x8C\x9C\x9F\x85"), "€ŒœŸ…");
    EXPECT_EQ(DecodeWindows1252("\xA0\xFF"), "\u00A0ÿ");
}

TEST(Windows1252, UndefinedBytesDecodeToTheirOwnCodePointAndEncodeBack) {
    for (unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string raw(1, static_cast<char>(byte));
        const std::string utf8 = DecodeWindows1252(raw);
        const std::string expected{static_cast<char>(0xC2), static_cast<char>(byte)};
        EXPECT_EQ(utf8, expected) << int(byte);
        EXPECT_EQ(EncodeWindows1252(utf8), raw) << int(byte);
    }
}

TEST(Windows1252, EveryByteValueRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = DecodeWindows1252(all);
    EXPECT_TRUE(IsWindows1252Encodable(utf8));
    EXPECT_EQ(EncodeWindows1252(utf8), all);
}

TEST(Windows1252, RefusesCharactersItCannotCarry) {
    EXPECT_EQ(EncodeWindows1252("Łukasz"), std::nullopt); // Polish L with stroke
    EXPECT_EQ(EncodeWindows1252("Иван"), std::nullopt);
    EXPECT_EQ(EncodeWindows1252("♔"), std::nullopt);
    EXPECT_EQ(EncodeWindows1252("😀"), std::nullopt);
    // U+0080 and U+0082 are C1 controls whose bytes mean € and ‚ in Windows-1252.
    EXPECT_EQ(EncodeWindows1252("\xC2\x80"), std::nullopt);
    EXPECT_EQ(EncodeWindows1252("\xC2\x82"), std::nullopt);
    EXPECT_FALSE(IsWindows1252Encodable("ok Ł"));
    EXPECT_TRUE(IsWindows1252Encodable("Zoë € œ ‰"));
}

TEST(Windows1252, RefusesMalformedUtf8) {
    EXPECT_EQ(EncodeWindows1252("\xE9"), std::nullopt);             // a raw Latin-1 byte
    EXPECT_EQ(EncodeWindows1252("\xC3"), std::nullopt);             // cut short
    EXPECT_EQ(EncodeWindows1252("\xC0\xA9"), std::nullopt);         // overlong ©
    EXPECT_EQ(EncodeWindows1252("\xED\xA0\x80"), std::nullopt);     // surrogate
    EXPECT_EQ(EncodeWindows1252("\xF4\x90\x80\x80"), std::nullopt); // beyond U+10FFFF
    EXPECT_EQ(EncodeWindows1252("a\x80"), std::nullopt);            // stray continuation
    EXPECT_FALSE(IsWindows1252Encodable("\xC3("));
}

TEST(Windows1252, EncodesMultiByteCharactersToSingleBytes) {
    EXPECT_EQ(EncodeWindows1252("é€œ™"), std::string("\xE9\x80\x9C\x99"));
    EXPECT_EQ(EncodeWindows1252(""), std::string());
}
