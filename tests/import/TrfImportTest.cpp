// Tournament report files written for these tests, imported and checked cell for cell,
// and the files the import must refuse.

#include "import/TrfImport.h"
#include "import/TrfReader.h"
#include "support/TestSupport.h"
#include "support/TrfText.h"
#include "validation/Validation.h"

#include <gtest/gtest.h>

using namespace ranvik;
using namespace ranvik::test;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Four players, three rounds: a played game of every kind, a bye, a forfeit, an unpaired
// round.
std::vector<TrfPlayerSpec> SwissPlayers() {
    return {{1, "Côté, Hélène", "1850", "2.5", {"3w1", "2b=", "4w+"}},
            {2, "Smith, John", "1655", "1.5", {"4b1", "1w=", ""}},
            {3, "Gagnon, Marc", "1733", "1.0", {"1b0", "0-H", "0-U"}},
            {4, "Wilson, Emma", "", "0.0", {"2w0", "0-Z", "1b-"}}};
}

const Rows kSwissCells = {
    {"1", "Côté, Hélène", "", "1850", "W3", "D2", "X4"},
    {"2", "Smith, John", "", "1655", "W4", "D1", ""},
    {"3", "Gagnon, Marc", "", "1733", "L1", "H", "U"},
    {"4", "Wilson, Emma", "", "", "L2", "U", "F1"},
};

std::vector<std::string> EnglishOf(const std::vector<Message>& messages) {
    std::vector<std::string> out;
    for (const Message& message : messages)
        out.push_back(English(message));
    return out;
}

// Fails the test when validation finds anything or asks about an inconsistency.
void ExpectChartChecks(const TrfImport& imported) {
    Tournament tournament;
    tournament.layOutStartChart();
    FillTournament(imported, tournament);
    const ValidationResult result = Validate(tournament, [](const Message& message) {
        ADD_FAILURE() << "inconsistency asked: " << English(message);
        return InconsistencyAnswer::Cancel;
    });
    EXPECT_TRUE(result.passed()) << "line " << result.row << " column " << result.col;
}

class LineEnds : public ::testing::TestWithParam<const char*> {};

TEST_P(LineEnds, SwissFileGivesTheChartCellForCell) {
    const TrfImport imported =
        ImportTrf(TrfFileText(SwissPlayers(), GetParam()), TrfTypeChoice::Auto);
    ASSERT_TRUE(imported.ok) << RefusalMessage(imported);
    EXPECT_EQ(imported.type, TournamentType::Swiss);
    EXPECT_EQ(imported.players, 4);
    EXPECT_EQ(imported.rounds, 3);
    EXPECT_EQ(imported.tournamentName, "Test Open");
    EXPECT_EQ(imported.cells, kSwissCells);
    // Player 3's loss and two byes, one worth a draw, make 0.5, not the 1.0 the file gives.
    EXPECT_EQ(
        EnglishOf(imported.warnings),
        (std::vector<std::string>{
            "Colours are not kept: the chart has no place for them.",
            "Line 4 (Gagnon, Marc): the file gives a score of 1, the imported results 0.5."}));
    ExpectChartChecks(imported);
}

INSTANTIATE_TEST_SUITE_P(TrfImport, LineEnds, ::testing::Values("\r\n", "\n", "\r"));

TEST(TrfImport, Latin1AndUtf8ReadAlike) {
    const std::string utf8 = TrfFileText(SwissPlayers());
    // The same file in Latin-1: ô and é are single bytes there.
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == 0xC3) {
            latin1 += static_cast<char>(static_cast<unsigned char>(utf8[++i]) + 0x40);
        } else {
            latin1 += utf8[i];
        }
    }
    ASSERT_NE(latin1, utf8);
    const TrfImport fromUtf8 = ImportTrf(utf8, TrfTypeChoice::Auto);
    const TrfImport fromLatin1 = ImportTrf(latin1, TrfTypeChoice::Auto);
    ASSERT_TRUE(fromLatin1.ok) << RefusalMessage(fromLatin1);
    EXPECT_TRUE(fromUtf8.utf8);
    EXPECT_FALSE(fromLatin1.utf8);
    EXPECT_EQ(fromLatin1.cells, fromUtf8.cells);
}

TEST(TrfImport, ControlCharactersInANameBecomeSpacesAndAreSaid) {
    const TrfImport imported = ImportTrf(
        TrfFileText({{1, std::string("Ann\0Lee\t", 8), "", "", {}}}), TrfTypeChoice::Swiss);
    ASSERT_TRUE(imported.ok) << RefusalMessage(imported);
    EXPECT_EQ(imported.cells[0][1], "Ann Lee");
    EXPECT_EQ(English(imported.warnings.front()),
              "Line 2: control characters in the name are written as spaces.");
}

// A valid report followed by 60 MB of line ends or of comment lines costs what the file
// costs, no more (it took gigabytes when every line was kept); beyond 64 MB it is not read.
TEST(TrfImport, PaddedFilesAreRefusedUnderAMemoryLimit) {
    for (const std::string& line : {std::string("\n"), "XXC " + std::string(59, 'c') + "\n"}) {
        std::string bytes = TrfFileText(SwissPlayers());
        while (bytes.size() < (60u << 20))
            bytes += line;
        EXPECT_TRUE(PassesUnderMemoryLimit(
            std::size_t{512} << 20, [&] { return !ImportTrf(bytes, TrfTypeChoice::Auto).ok; }));
    }
    EXPECT_EQ(
        English(ImportTrf(std::string(MaxTrfFileBytes + 1, '\n'), TrfTypeChoice::Auto).reason),
        "The file is larger than any tournament report can be (more than 64 MB).");
}

TEST(TrfImport, NameTheChartCannotHoldTakesItsNearestSpelling) {
    const TrfImport imported =
        ImportTrf(TrfFileText({{1, "Łukaszewicz, Piotr", "2250", "", {"2w1"}},
                               {2, "李, 中平", "2180", "", {"1b0"}}}),
                  TrfTypeChoice::Swiss);
    ASSERT_TRUE(imported.ok) << RefusalMessage(imported);
    EXPECT_EQ(imported.cells[0][1], "Lukaszewicz, Piotr");
    EXPECT_EQ(imported.cells[1][1], "?, ??");
    ASSERT_EQ(imported.warnings.size(), 3u);
    EXPECT_EQ(English(imported.warnings[0]),
              "Line 2: \"Łukaszewicz, Piotr\" is written \"Lukaszewicz, Piotr\"; a chart file "
              "cannot hold Ł.");
}

struct PairCase {
    const char* name;
    char first;  // start number 1's result against 2
    char second; // start number 2's result against 1
    const char* swissFirst;
    const char* swissSecond;
    const char* rrFirst; // nullptr: no round robin cells the check accepts
    const char* rrSecond;
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.name << " ('" << c.first << "' against '" << c.second << "')";
}

class ResultPairs : public ::testing::TestWithParam<PairCase> {};

TEST_P(ResultPairs, MapToTheChartNotation) {
    const PairCase& c = GetParam();
    const std::vector<TrfPlayerSpec> players = {{1, "Ann", "", "", {std::string("2w") + c.first}},
                                                {2, "Bob", "", "", {std::string("1b") + c.second}}};
    const TrfImport swiss = ImportTrf(TrfFileText(players), TrfTypeChoice::Swiss);
    ASSERT_TRUE(swiss.ok) << RefusalMessage(swiss);
    EXPECT_EQ(swiss.cells[0][4], c.swissFirst);
    EXPECT_EQ(swiss.cells[1][4], c.swissSecond);

    const TrfImport rr = ImportTrf(TrfFileText(players), TrfTypeChoice::Auto);
    ASSERT_TRUE(rr.ok) << RefusalMessage(rr);
    ExpectChartChecks(rr);
    if (!c.rrFirst) {
        // The automatic choice takes the Swiss chart and says why; asked for, it is refused.
        EXPECT_EQ(rr.type, TournamentType::Swiss);
        EXPECT_EQ(rr.cells, swiss.cells);
        ASSERT_FALSE(rr.warnings.empty());
        EXPECT_NE(English(rr.warnings.front()).find("imported as a Swiss chart"),
                  std::string::npos);
        EXPECT_FALSE(ImportTrf(TrfFileText(players), TrfTypeChoice::RoundRobin).ok);
        return;
    }
    ASSERT_EQ(rr.type, TournamentType::RoundRobin);
    EXPECT_EQ(rr.cells[0], (std::vector<std::string>{"1", "Ann", "", "", "X", c.rrFirst}));
    EXPECT_EQ(rr.cells[1], (std::vector<std::string>{"2", "Bob", "", "", c.rrSecond, "X"}));
}

INSTANTIATE_TEST_SUITE_P(
    TrfImport, ResultPairs,
    ::testing::Values(PairCase{"Win", '1', '0', "W2", "L1", "1", "0"},
                      PairCase{"Draw", '=', '=', "D2", "D1", "=", "="},
                      PairCase{"Forfeit", '+', '-', "X2", "F1", "+", "-"},
                      PairCase{"DoubleForfeit", '-', '-', "F2", "F1", nullptr, nullptr},
                      PairCase{"ForfeitAndUnplayedLoss", '-', 'L', "F2", "F1", nullptr, nullptr},
                      PairCase{"UnplayedWin", 'W', 'L', "X2", "F1", "+", "-"},
                      PairCase{"UnplayedDraw", 'D', 'D', "Z2", "Z1", "=", "="},
                      PairCase{"NoResultYet", ' ', ' ', "", "", nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrfImport, ByesTakeNoOpponent) {
    const TrfImport imported =
        ImportTrf(TrfFileText({{1, "Ann", "", "", {"0-H", "0-F", "0-U", "0-Z", "", "0--"}},
                               {2, "Bob", "", "", {"0-F"}}}),
                  TrfTypeChoice::Auto);
    ASSERT_TRUE(imported.ok) << RefusalMessage(imported);
    EXPECT_EQ(imported.type, TournamentType::Swiss);
    EXPECT_EQ(imported.cells[0],
              (std::vector<std::string>{"1", "Ann", "", "", "H", "B", "U", "U", "", "F"}));
    EXPECT_EQ(imported.cells[1],
              (std::vector<std::string>{"2", "Bob", "", "", "B", "", "", "", "", ""}));
}

// A complete round robin of four, given in start-number order 10, 20, 30, 40.
std::vector<TrfPlayerSpec> RoundRobinPlayers() {
    return {{10, "Ann", "2000", "2.5", {"40w1", "30b=", "20w1"}},
            {20, "Bob", "1900", "1.5", {"30w1", "40b=", "10b0"}},
            {30, "Cy", "1800", "1.0", {"20b0", "10w=", "40b="}},
            {40, "Di", "1700", "1.0", {"10b0", "20w=", "30w="}}};
}

TEST(TrfImport, RoundRobinIsLaidOutByOpponent) {
    const TrfImport imported = ImportTrf(TrfFileText(RoundRobinPlayers()), TrfTypeChoice::Auto);
    ASSERT_TRUE(imported.ok) << RefusalMessage(imported);
    EXPECT_EQ(imported.type, TournamentType::RoundRobin);
    EXPECT_EQ(imported.rounds, 3);
    EXPECT_EQ(imported.cells, (Rows{{"1", "Ann", "", "2000", "X", "1", "=", "1"},
                                    {"2", "Bob", "", "1900", "0", "X", "1", "="},
                                    {"3", "Cy", "", "1800", "=", "0", "X", "="},
                                    {"4", "Di", "", "1700", "0", "=", "=", "X"}}));
    ExpectChartChecks(imported);

    // The same file taken as Swiss: opponents become rows 1-4.
    const TrfImport swiss = ImportTrf(TrfFileText(RoundRobinPlayers()), TrfTypeChoice::Swiss);
    ASSERT_TRUE(swiss.ok);
    EXPECT_EQ(swiss.cells[0], (std::vector<std::string>{"1", "Ann", "", "2000", "W4", "D3", "W2"}));
    ExpectChartChecks(swiss);
}

TEST(TrfImport, DoubleRoundRobinPutsEachMeetingInItsOwnColumn) {
    const TrfImport imported =
        ImportTrf(TrfFileText({{1, "Ann", "", "3.0", {"2w1", "3b=", "0-U", "2b+", "3w="}},
                               {2, "Bob", "", "2.0", {"1b0", "0-U", "3w1", "1w-", "0-U", "3w1"}},
                               {3, "Cy", "", "1.0", {"0-U", "1w=", "2b0", "0-U", "1b=", "2b0"}}}),
                  TrfTypeChoice::Auto);
    ASSERT_TRUE(imported.ok) << RefusalMessage(imported);
    EXPECT_EQ(imported.type, TournamentType::DoubleRoundRobin);
    EXPECT_EQ(imported.rounds, 6);
    EXPECT_EQ(imported.cells, (Rows{{"1", "Ann", "", "", "X", "X", "1", "+", "=", "="},
                                    {"2", "Bob", "", "", "0", "-", "X", "X", "1", "1"},
                                    {"3", "Cy", "", "", "=", "=", "0", "0", "X", "X"}}));
    EXPECT_EQ(imported.warnings.size(), 1u); // the colours; every score agrees
    ExpectChartChecks(imported);
}

TEST(TrfImport, FillTournamentLaysOutTheChart) {
    const TrfImport imported = ImportTrf(TrfFileText(RoundRobinPlayers()), TrfTypeChoice::Auto);
    Tournament tournament;
    tournament.layOutStartChart();
    FillTournament(imported, tournament);
    EXPECT_EQ(tournament.type(), TournamentType::RoundRobin);
    EXPECT_EQ(tournament.numPlayers(), 4);
    EXPECT_TRUE(tournament.modified());
    const Chart& chart = tournament.chart();
    ASSERT_EQ(chart.rowCount(), 5);
    ASSERT_EQ(chart.colCount(), 8);
    for (int r = 1; r <= 4; ++r)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(chart.cell(c, r), imported.cells[r - 1][c]) << r << "," << c;
    EXPECT_EQ(chart.cell(4, 0), "1");
}

struct RefusalCase {
    const char* name;
    std::string text;
    TrfTypeChoice choice;
    int line;
    const char* reason;
};

std::string ManyPlayers(int count) {
    std::vector<TrfPlayerSpec> players;
    for (int i = 1; i <= count; ++i)
        players.push_back({i, "P" + std::to_string(i), "", "", {}});
    return TrfFileText(players);
}

std::string ManyRounds(int rounds) {
    TrfPlayerSpec a{1, "Ann", "", "", {}};
    TrfPlayerSpec b{2, "Bob", "", "", {}};
    for (int k = 0; k < rounds; ++k) {
        a.games.push_back(k % 2 ? "2b=" : "0-H");
        b.games.push_back(k % 2 ? "1w=" : "0-H");
    }
    return TrfFileText({a, b});
}

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name << " (line " << c.line << ": " << c.reason << ")";
}

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, GiveTheLineAndTheReason) {
    const RefusalCase& c = GetParam();
    const TrfImport imported = ImportTrf(c.text, c.choice);
    EXPECT_FALSE(imported.ok);
    EXPECT_EQ(imported.line, c.line);
    EXPECT_EQ(English(imported.reason), c.reason);
    EXPECT_TRUE(imported.cells.empty());
}

INSTANTIATE_TEST_SUITE_P(
    TrfImport, Refusals,
    ::testing::Values(
        RefusalCase{"NotTrf", "1\tAnn\t\t\tW2\t\r\n2\tBob\t\t\tL1\t\r\n", TrfTypeChoice::Auto, 0,
                    "This is not a FIDE tournament report file: it has no player line (a line "
                    "beginning with 001)."},
        RefusalCase{"Empty", "", TrfTypeChoice::Auto, 0,
                    "This is not a FIDE tournament report file: it has no player line (a line "
                    "beginning with 001)."},
        RefusalCase{"TooManyPlayers", ManyPlayers(1001), TrfTypeChoice::Auto, 1002,
                    "The file has more than 1000 players; a chart holds at most 1000."},
        RefusalCase{"TooManySwissRounds", ManyRounds(29), TrfTypeChoice::Auto, 2,
                    "The file has 29 rounds, but a Swiss chart holds at most 28."},
        RefusalCase{
            "MissingOpponent", TrfFileText({{1, "Ann", "", "", {"3w1"}}, {2, "Bob", "", "", {}}}),
            TrfTypeChoice::Auto, 2, "Round 1: the opponent's start number 3 does not exist."},
        RefusalCase{"ResultsDisagree",
                    TrfFileText({{1, "Ann", "", "", {"2w1"}}, {2, "Bob", "", "", {"1b="}}}),
                    TrfTypeChoice::Auto, 2,
                    "Round 1: the results of start numbers 1 ('1') and 2 ('=', line 3) "
                    "disagree."},
        // A double forfeit is two forfeit losses; a forfeit loss against a played loss is
        // no game at all.
        RefusalCase{"ForfeitLossAgainstAPlayedLoss",
                    TrfFileText({{1, "Ann", "", "", {"2w0"}}, {2, "Bob", "", "", {"1b-"}}}),
                    TrfTypeChoice::Auto, 2,
                    "Round 1: the results of start numbers 1 ('0') and 2 ('-', line 3) "
                    "disagree."},
        RefusalCase{"OpponentsDisagree",
                    TrfFileText({{1, "Ann", "", "", {"2w1"}},
                                 {2, "Bob", "", "", {"3b1"}},
                                 {3, "Cy", "", "", {"2w0"}}}),
                    TrfTypeChoice::Auto, 2,
                    "Round 1: start number 1 plays 2, but the line of 2 (line 3) does not "
                    "pair them."},
        RefusalCase{"PairedWithSelf",
                    TrfFileText({{1, "Ann", "", "", {"1w1"}}, {2, "Bob", "", "", {}}}),
                    TrfTypeChoice::Auto, 2, "Round 1: start number 1 is paired with itself."},
        RefusalCase{"StartNumberTwice",
                    TrfFileText({{1, "Ann", "", "", {}}, {1, "Bob", "", "", {}}}),
                    TrfTypeChoice::Auto, 3,
                    "Start number 1 is given to two players (the other on line 2)."},
        RefusalCase{"UnknownResultCode",
                    TrfFileText({{1, "Ann", "", "", {"2wQ"}}, {2, "Bob", "", "", {}}}),
                    TrfTypeChoice::Auto, 2,
                    "round 1 (columns 92-99): the result 'Q' is not a result code of the "
                    "format."},
        RefusalCase{"Utf16", std::string{'\xFF', '\xFE', '0', '\0', '0', '\0', '1', '\0'},
                    TrfTypeChoice::Auto, 0, "The file is saved as UTF-16; save it as plain text."},
        RefusalCase{"LineEnds", TrfFileText({{1, "Ann", "", "", {}}}) + std::string(10000, '\r'),
                    TrfTypeChoice::Auto, 10001,
                    "The file has more than 10000 lines; no tournament report of 1000 players is "
                    "that long."},
        RefusalCase{"LongLine", "012 " + std::string(65533, 'x'), TrfTypeChoice::Auto, 1,
                    "the line is longer than 65536 bytes; no line of a tournament report is."},
        RefusalCase{"NulColour",
                    TrfFileText({{1, "Ann", "", "", {std::string{'2', '\0', '1'}}},
                                 {2, "Bob", "", "", {}}}),
                    TrfTypeChoice::Auto, 2,
                    "round 1 (columns 92-99): the colour 'U+0000' is not w, b or -."},
        RefusalCase{"ControlInRating",
                    TrfFileText({{1, "Ann", "18\0015", "", {}}, {2, "Bob", "", "", {}}}),
                    TrfTypeChoice::Auto, 2,
                    "the rating (columns 49-52) holds a control character (U+0001)."},
        RefusalCase{"DoubleForfeitAsRoundRobin",
                    TrfFileText({{1, "Ann", "", "", {"2w-"}}, {2, "Bob", "", "", {"1bL"}}}),
                    TrfTypeChoice::RoundRobin, 2,
                    "Round 1: start numbers 1 and 2 both lost without playing (a double "
                    "forfeit); a round robin chart has no cells for that game that its check "
                    "accepts. Import it as a Swiss chart."},
        RefusalCase{"GameWithoutResultAsRoundRobin",
                    TrfFileText({{1, "Ann", "", "", {"2w "}}, {2, "Bob", "", "", {"1b "}}}),
                    TrfTypeChoice::RoundRobin, 2,
                    "Round 1: the game of start numbers 1 and 2 has no result; a round robin "
                    "chart's check refuses a game without one. Import it as a Swiss chart."},
        RefusalCase{"PairNeverMeetingAsDoubleRoundRobin",
                    TrfFileText({{1, "Ann", "", "", {"2w1", "2b="}},
                                 {2, "Bob", "", "", {"1b0", "1w="}},
                                 {3, "Cy", "", "", {}}}),
                    TrfTypeChoice::DoubleRoundRobin, 2,
                    "Start numbers 1 and 3 meet 0 times instead of 2; the chart's check refuses "
                    "the empty cells of the games not played. Import it as a Swiss chart."},
        RefusalCase{
            "RoundRobinMeetingTwice",
            TrfFileText({{1, "Ann", "", "", {"2w1", "2b0"}}, {2, "Bob", "", "", {"1b0", "1w1"}}}),
            TrfTypeChoice::RoundRobin, 2,
            "Round 2: start numbers 1 and 2 meet more than once; a round robin chart "
            "has no cell for that game."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
