#include "chart/ResultNotation.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ranvik;

TEST(ResultNotation, ParseResultReadsLetterPointsAndOpponent) {
    struct Case {
        const char* cell;
        const char* letter;
        int points;
        int opponent;
    };
    const Case cases[] = {
        {"W12", "W", 2, 12},
        {"w 12", "W", 2, 12},
        {"+7", "+", 2, 7},
        {"=3", "=", 1, 3},
        {"P 10", "P", 0, 10},
        {"B", "B", 2, 0},
        {"B5", "B", 2, 0},
        {"H0", "H", 1, 0},
        {"X9", "X", 2, 9},
        {"W", "W", 2, 0},
        {"WL4", "W", 2, 4},
        {"12W", "1", 0, 0},
        {"Q5", "Q", 0, 5},
        {"W5.5", "W", 2, 0},
        {"", "L", 0, 0},
        {"  D7", "D", 1, 7},
        // Blanks alone read like an empty cell.
        {"   ", "L", 0, 0},
        // Byes never name an opponent, whatever follows.
        {"b7", "B", 2, 0},
        {"u 3", "U", 0, 0},
        {"h12", "H", 1, 0},
        // Forfeits do.
        {"x0", "X", 2, 0},
        {"F", "F", 0, 0},
        {"z4", "Z", 1, 4},
        {"f 11", "F", 0, 11},
        // French letters stay French.
        {"g4", "G", 2, 4},
        {"e 2", "E", 1, 2},
        {"p9", "P", 0, 9},
        // Signs without points still carry an opponent.
        {"#5", "#", 0, 5},
        {"$ 6", "$", 0, 6},
        {"%8", "%", 0, 8},
        {"-2", "-", 0, 2},
        // Only the second token is read, as a plain decimal number.
        {"W 012", "W", 2, 12},
        {"W1 2", "W", 2, 1},
        {"W-3", "W", 2, 3},
        {"W3-4", "W", 2, 0},
        {"W+5", "W", 2, 5},
        {"W 1.0", "W", 2, 0},
        {"W,5", "W", 2, 0},
        {"W (5)", "W", 2, 5},
        {"W 99999999999", "W", 2, 0},
        {"W 2147483647", "W", 2, 2147483647},
        // The letter is one whole character, also outside ASCII; it is never upper-cased.
        {"é5", "é", 0, 0},
        {"Wé5", "W", 2, 5},
        {"ab5", "A", 0, 5},
        {"W 5 trailing", "W", 2, 5},
    };
    for (const Case& c : cases) {
        const ParsedResult parsed = ParseResult(c.cell);
        EXPECT_EQ(parsed.letter, c.letter) << '"' << c.cell << '"';
        EXPECT_EQ(parsed.points, c.points) << '"' << c.cell << '"';
        EXPECT_EQ(parsed.opponent, c.opponent) << '"' << c.cell << '"';
    }
}

TEST(ResultNotation, RoundRobinPointsGoByTheFirstCharacter) {
    const std::pair<const char*, int> cases[] = {
        {"1", 2}, {"W", 2}, {"w", 2},  {"g", 2},   {"+", 2}, {"10", 2}, {" 1", 2}, {"=", 1},
        {"d", 1}, {"E", 1}, {"D7", 1}, {"0", 0},   {"L", 0}, {"P", 0},  {"-", 0},  {"X", 0},
        {"B", 0}, {"H", 0}, {"", 0},   {"   ", 0}, {"2", 0}, {"é", 0},
    };
    for (const auto& [cell, points] : cases)
        EXPECT_EQ(RoundRobinPoints(cell), points) << cell;
}

TEST(ResultNotation, ResultsInconsistentComparesClassesAcrossNotations) {
    struct Case {
        const char* mine;
        const char* theirs;
        bool inconsistent;
    };
    const Case cases[] = {
        {"W", "L", false},
        {"W", "P", false},
        {"G", "-", false},
        {"+", "L", false},
        {"L", "W", false},
        {"P", "G", false},
        {"-", "+", false},
        {"D", "D", false},
        {"=", "E", false},
        {"E", "D", false},
        {"W", "W", true},
        {"W", "D", true},
        {"L", "L", true},
        {"L", "=", true},
        {"D", "W", true},
        {"=", "L", true},
        // Only the player's own letter decides whether the pair is compared at all.
        {"W", "X", true},
        {"D", "Z", true},
        {"L", " ", true},
        {"X", "X", false},
        {"X", "W", false},
        {"F", "F", false},
        {"Z", "L", false},
        {"B", "W", false},
        {"H", "", false},
        {"U", "L", false},
        {"#", "W", false},
        {"1", "1", false},
        {"Q", "Q", false},
        {"", "W", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResultsInconsistent(c.mine, c.theirs), c.inconsistent)
            << c.mine << " vs " << c.theirs;
    }
}

TEST(ResultNotation, MirrorLetterGivesTheOpponentsLetter) {
    const std::pair<const char*, const char*> cases[] = {
        {"W", "L"}, {"L", "W"}, {"G", "P"}, {"P", "G"}, {"+", "-"}, {"-", "+"},
        {"D", "D"}, {"E", "E"}, {"=", "="}, {"X", "F"}, {"F", "X"}, {"Z", "Z"},
        {"B", " "}, {"H", " "}, {"U", " "}, {"#", " "}, {"$", " "}, {"%", " "},
        {"1", " "}, {"0", " "}, {"Q", " "}, {"w", " "}, {"", " "},  {"é", " "},
    };
    for (const auto& [letter, mirror] : cases)
        EXPECT_EQ(MirrorLetter(letter), mirror) << letter;
}

TEST(ResultNotation, MemberNumbersAreExactlySixDigits) {
    for (const char* good : {"123456", "000000", "012345"}) {
        EXPECT_TRUE(IsValidMemberNumber(good)) << good;
    }
    for (const char* bad : {"", "12345", "1234567", "12345a", " 12345", "12345 ", "123 56",
                            "-12345", "１２３４５６", "12345\xD9"}) {
        EXPECT_FALSE(IsValidMemberNumber(bad)) << bad;
    }
}

TEST(ResultNotation, ReadIntegerTakesWholeDecimalNumbersWithin32Bits) {
    using Opt = std::optional<std::int32_t>;
    const std::pair<const char*, Opt> cases[] = {
        {"1500", 1500},
        {"  1500", 1500},
        {"007", 7},
        {"-5", -5},
        {"+7", 7},
        {"0", 0},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"1500 ", std::nullopt},
        {"15 00", std::nullopt},
        {"UNR", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"+-5", std::nullopt},
        {"1.5", std::nullopt},
        {"$7D0", std::nullopt},
        {"0x7D0", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadInteger(text), value) << text;
}

TEST(ResultNotation, ReadIntegerOrHexAlsoTakesHexadecimalForms) {
    using Opt = std::optional<std::int32_t>;
    const std::pair<const char*, Opt> cases[] = {
        {"$7D0", 2000},
        {"0x7D0", 2000},
        {"0X7d0", 2000},
        {"$ff", 255},
        {" $10", 16},
        {"-$10", -16},
        {"1500", 1500},
        {"0", 0},
        {"$7FFFFFFF", std::numeric_limits<std::int32_t>::max()},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$7G", std::nullopt},
        {"7D0", std::nullopt},
        {"$1FFFFFFFF", std::nullopt},
        {"0x 10", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadIntegerOrHex(text), value) << text;
}
