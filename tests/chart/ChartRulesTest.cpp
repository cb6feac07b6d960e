// What each tournament type decides, one table row per type; and what a typed key becomes,
// one row per key.

#include "chart/ChartRules.h"
#include "chart/Tournament.h"
#include "chart/TypedKey.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

constexpr int kR = ChartColumn::FirstResult;

struct RulesCase {
    TournamentType type;
    const char* name;
    const char* reportLetter;
    const char* roundsField; // for 5 rounds
    int resultColumns;       // 4 players, 5 rounds
    std::vector<std::string> headings;
    std::vector<CellAt> ownCells; // of line 2
    // The game recorded in line 2's first result cell as "W3" (Swiss) or "1": its other
    // cell, and that cell's text when the game agrees.
    std::optional<CellAt> other;
    const char* mirror;
};

const RulesCase kRules[] = {
    {TournamentType::Swiss,
     "Swiss",
     "S",
     "5",
     5,
     {"Rd 1", "Rd 2", "Rd 3"},
     {},
     CellAt{kR, 3},
     "L2"},
    {TournamentType::RoundRobin,
     "Round robin",
     "R",
     "1",
     4,
     {"1", "2", "3"},
     {{kR + 1, 2}},
     CellAt{kR + 1, 1},
     "0"},
    {TournamentType::DoubleRoundRobin,
     "Double round robin",
     "R",
     "2",
     8,
     {"1a", "1b", "2a"},
     {{kR + 2, 2}, {kR + 3, 2}},
     CellAt{kR + 2, 1},
     "0"},
};

class Rules : public ::testing::TestWithParam<RulesCase> {};

TEST_P(Rules, OfTheType) {
    const RulesCase& c = GetParam();
    const ChartRules& rules = RulesFor(c.type);
    EXPECT_EQ(rules.type(), c.type);
    EXPECT_EQ(rules.name(), c.name);
    EXPECT_EQ(rules.reportLetter(), c.reportLetter);
    EXPECT_EQ(rules.roundsField(5), c.roundsField);
    EXPECT_EQ(rules.resultColumns(4, 5), c.resultColumns);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(rules.heading(k), c.headings[k]);
    std::vector<CellAt> own;
    for (int col = 0; col < kR + 8; ++col) {
        if (rules.isOwnCell(col, 2))
            own.push_back({col, 2});
    }
    EXPECT_EQ(own, c.ownCells);
    const std::string text = rules.columnsAreRounds() ? "W3" : "1";
    EXPECT_EQ(rules.otherCell(kR, 2, text), c.other);
    EXPECT_EQ(rules.mirrorText(text, 2), c.mirror);
    // A game's other cell names it back, holding the mirror of the mirror.
    const std::string mirror = c.mirror;
    EXPECT_EQ(rules.otherCell(c.other->col, c.other->row, mirror), (CellAt{kR, 2}));
    EXPECT_EQ(rules.mirrorText(mirror, c.other->row), text);
    // An own cell and a line's own number name no game.
    EXPECT_EQ(rules.otherCell(c.ownCells.empty() ? kR : c.ownCells[0].col, 2, "W2"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(EveryType, Rules, ::testing::ValuesIn(kRules));

TEST(Rules, EntriesWithoutAMirror) {
    const ChartRules& swiss = RulesFor(TournamentType::Swiss);
    for (const char* text : {"Q5", "#5", "$5", "%5", "B5", "H", "U2", "", "  "})
        EXPECT_EQ(swiss.mirrorText(text, 3), std::nullopt) << text;
    const ChartRules& single = RulesFor(TournamentType::RoundRobin);
    for (const char* text : {"X", "Q", "", "B", "#"})
        EXPECT_EQ(single.mirrorText(text, 3), std::nullopt) << text;
    EXPECT_EQ(single.entered("1/2"), "=");
    EXPECT_EQ(swiss.entered("1/2"), "1/2");
}

struct KeyCase {
    CellKind kind;
    char32_t key;
    const char* typed; // the editor's text before the key
    std::optional<char32_t> out;
};

const KeyCase kKeys[] = {
    {CellKind::Text, U'a', "", U'a'},
    {CellKind::Text, U'q', "", U'q'},
    {CellKind::SwissResult, U'w', "", U'W'},
    {CellKind::SwissResult, U'g', "", U'G'},
    {CellKind::SwissResult, U'b', "", U'B'}, // byes and forfeits keep their letters
    {CellKind::SwissResult, U'h', "", U'H'},
    {CellKind::SwissResult, U'u', "", U'U'},
    {CellKind::SwissResult, U'x', "", U'X'},
    {CellKind::SwissResult, U'z', "", U'Z'},
    {CellKind::SwissResult, U'f', "", U'F'},
    {CellKind::SwissResult, U'q', "", U'Q'},
    {CellKind::SwissResult, U'5', "W", U'5'},
    {CellKind::SwissResult, U' ', "E", U' '},
    {CellKind::SwissResult, U'\u00E9', "", U'\u00E9'},
    {CellKind::RoundRobinResult, U'w', "", U'1'},
    {CellKind::RoundRobinResult, U'd', "", U'='},
    {CellKind::RoundRobinResult, U'l', "", U'0'},
    {CellKind::RoundRobinResult, U'x', "", U'X'},
    {CellKind::RoundRobinResult, U'\u00BD', "", U'='},
    {CellKind::RoundRobinResult, U'/', "1", U'/'},
    {CellKind::RoundRobinResult, U'2', "1/", U'2'},
    {CellKind::RoundRobinResult, U'/', "", std::nullopt},
    {CellKind::RoundRobinResult, U'2', "", std::nullopt},
    {CellKind::RoundRobinResult, U'b', "", std::nullopt},
    {CellKind::RoundRobinResult, U'q', "", std::nullopt},
    {CellKind::RoundRobinResult, U'+', "", std::nullopt},
    {CellKind::RoundRobinResult, U' ', "", std::nullopt},
};

TEST(TypedKeys, BecomeWhatTheColumnTakes) {
    for (const KeyCase& c : kKeys) {
        EXPECT_EQ(TypedKey(c.key, c.kind, c.typed), c.out)
            << "key " << static_cast<unsigned>(c.key) << " after \"" << c.typed << "\"";
    }
}

} // namespace
