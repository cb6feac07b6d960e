#include "files/ChartFile.h"

#include "files/FileWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

Tournament Started(TournamentType type = TournamentType::Swiss, int players = 10, int rounds = 1) {
    Tournament t;
    t.layOutStartChart();
    t.setNumRounds(rounds); // the rounds box works only while the chart is Swiss
    t.setType(type);
    t.setNumPlayers(players);
    t.setModified(false);
    return t;
}

std::vector<std::string> Row(const Chart& chart, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < chart.colCount(); ++c)
        cells.emplace_back(chart.cell(c, row));
    return cells;
}

// Every cell of rows 0..N in the visible columns.
std::vector<std::vector<std::string>> Cells(const Chart& chart) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < chart.rowCount(); ++r)
        rows.push_back(Row(chart, r));
    return rows;
}

void ExpectConsistent(const Tournament& t) {
    EXPECT_EQ(t.chart().rowCount() - 1, t.numPlayers());
    switch (t.type()) {
    case TournamentType::Swiss:
        EXPECT_EQ(t.chart().colCount(), ChartColumn::FirstResult + t.numRounds());
        break;
    case TournamentType::RoundRobin:
        EXPECT_EQ(t.chart().colCount(), ChartColumn::FirstResult + t.numPlayers());
        break;
    case TournamentType::DoubleRoundRobin:
        EXPECT_EQ(t.chart().colCount(), ChartColumn::FirstResult + 2 * t.numPlayers());
        break;
    }
}

ChartReadOutcome Load(Tournament& t, std::string_view bytes) {
    ChartReadOutcome outcome = ReadChartFile(t, bytes);
    ExpectConsistent(t);
    return outcome;
}

} // namespace

TEST(ChartFileSave, WritesEveryCellWithATabAndEveryLineWithCrLf) {
    Tournament t = Started(TournamentType::Swiss, 2, 1);
    Chart& c = t.chart();
    c.setCell(1, 1, "Anna");
    c.setCell(3, 1, "1600");
    c.setCell(4, 1, "W2");
    c.setCell(1, 2, "Bob");
    c.setCell(2, 2, "123456");
    c.setCell(4, 2, "L1");
    const ChartBytes out = EncodeChartFile(c);
    ASSERT_TRUE(out.ok) << English(out.message);
    EXPECT_EQ(out.bytes, "1\tAnna\t\t1600\tW2\t\r\n2\tBob\t123456\t\tL1\t\r\n");
}

TEST(ChartFileSave, RoundRobinExampleCarriesTheXDiagonal) {
    Tournament t = Started(TournamentType::RoundRobin, 2);
    t.chart().setCell(5, 1, "1");
    t.chart().setCell(4, 2, "0");
    const ChartBytes out = EncodeChartFile(t.chart());
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.bytes, "1\t\t\t\tX\t1\t\r\n2\t\t\t\t0\tX\t\r\n");
}

TEST(ChartFileSave, AnAllEmptyChartWritesNLinesOfCTabs) {
    Tournament t = Started(TournamentType::Swiss, 7, 3);
    for (int r = 1; r <= 7; ++r)
        t.chart().setCell(0, r, "");
    // Hidden cells beyond the size are not written.
    t.chart().setCell(9, 3, "hidden");
    t.chart().setCell(1, 9, "hidden");
    const ChartBytes out = EncodeChartFile(t.chart());
    ASSERT_TRUE(out.ok);
    std::string expected;
    for (int r = 0; r < 7; ++r)
        expected += std::string(7, '\t') + "\r\n";
    EXPECT_EQ(out.bytes, expected);
}

TEST(ChartFileSave, EncodesAccentsAndRefusesCharactersTheFileCannotCarry) {
    Tournament t = Started(TournamentType::Swiss, 3, 1);
    t.chart().setCell(1, 1, "Zoë Œil €");
    ChartBytes out = EncodeChartFile(t.chart());
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.bytes.substr(0, 12), "1\tZo\xEB \x8Cil \x80\t");

    // The refusal names the first such cell (by line, column and heading) and its first
    // character, with its code for one that cannot be seen.
    const struct {
        int col;
        int row;
        const char* text;
        const char* message;
    } refused[] = {
        {1, 3, "Łukasz Ż", "Line 3 column 1 (\"Name/Nom\") holds \"Ł\" (U+0141)"},
        {4, 2, "W1\xE2\x80\x8B", "Line 2 column 4 (\"Rd 1\") holds \"\xE2\x80\x8B\" (U+200B)"},
        {0, 2, "\xF0\x9F\x98\x80", "Line 2 column 0 (\"#\") holds \"\xF0\x9F\x98\x80\" (U+1F600)"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.text);
        Tournament u = Started(TournamentType::Swiss, 3, 1);
        u.chart().setCell(c.col, c.row, c.text);
        out = EncodeChartFile(u.chart());
        EXPECT_FALSE(out.ok);
        EXPECT_TRUE(out.bytes.empty());
        EXPECT_EQ(English(out.message),
                  std::string(c.message) + ", a character that cannot be saved in a chart file.");
        EXPECT_EQ(std::make_pair(out.col, out.row), std::make_pair(c.col, c.row));
        EXPECT_EQ(UnsavableCellMessage(u.chart(), c.col, c.row), out.message);
    }
    EXPECT_TRUE(UnsavableCellMessage(t.chart(), 1, 1).empty());
}

// The type a file's shape suggests: a round robin's first line has a result column per line
// of the file and its own cell free; anything else is taken for Swiss.
TEST(ChartFileShape, SuggestsTheTypeTheFirstLineFits) {
    const std::pair<const char*, TournamentType> cases[] = {
        {"1\tA\t\t\tX\t1\t\r\n2\tB\t\t\t0\tX\t\r\n", TournamentType::RoundRobin},
        {"1\tA\t\t\t\t\t\r\n2\tB\t\t\t\t\t\r\n", TournamentType::RoundRobin},
        {"1\tA\t\t\tX\tX\t1\t=\t\r\n2\tB\t\t\t0\t=\tX\tX\t\r\n", TournamentType::DoubleRoundRobin},
        {"1\tA\t\t\tW2\tL2\t\r\n2\tB\t\t\tL1\tW1\t\r\n", TournamentType::Swiss}, // a match
        {"1\tA\t\t\tW2\t\r\n2\tB\t\t\tL1\t\r\n3\tC\t\t\t\t\r\n", TournamentType::Swiss},
        {"1\tA\t\t\tX\t1\t\r\n2\tB\t\t\t0\tX\t\r\n3\r\n", TournamentType::Swiss},
        {"", TournamentType::Swiss},
        {"a\0b", TournamentType::Swiss},
    };
    for (const auto& [bytes, type] : cases)
        EXPECT_EQ(SuggestedChartType(bytes), type) << bytes;
}

TEST(ChartFileLoad, ReadsCrLfCrAndLfLinesAlike) {
    const std::string crlf = "1\tAnna\t1\t1600\tW2\t\r\n2\tBob\t2\t1500\tL1\t\r\n3\tCy\t\t\t\t\r\n";
    std::string cr = crlf;
    std::string lf = crlf;
    cr.erase(std::remove(cr.begin(), cr.end(), '\n'), cr.end());
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    Tournament reference = Started();
    ASSERT_TRUE(Load(reference, crlf).ok);
    EXPECT_EQ(reference.numPlayers(), 3);
    EXPECT_EQ(reference.numRounds(), 1);
    EXPECT_EQ(Row(reference.chart(), 2), (std::vector<std::string>{"2", "Bob", "2", "1500", "L1"}));
    for (const std::string& bytes : {cr, lf, crlf.substr(0, crlf.size() - 2)}) {
        Tournament t = Started();
        ASSERT_TRUE(Load(t, bytes).ok);
        EXPECT_EQ(Cells(t.chart()), Cells(reference.chart()));
    }
}

TEST(ChartFileLoad, CountsFieldsFromTheFirstLineWithOrWithoutItsFinalTab) {
    for (const char* first : {"1\ta\tb\tc\tW2\tL3\tD4\t", "1\ta\tb\tc\tW2\tL3\tD4"}) {
        Tournament t = Started();
        ASSERT_TRUE(Load(t, std::string(first) + "\r\n2\t\r\n").ok);
        EXPECT_EQ(t.numRounds(), 3) << first;
        EXPECT_EQ(t.chart().cell(6, 1), "D4");
        EXPECT_EQ(t.chart().cell(6, 0), "Rd 3");
    }
}

TEST(ChartFileLoad, ShortLinesLeaveCellsEmptyAndLongLinesAreCut) {
    Tournament t = Started(TournamentType::Swiss, 3, 1);
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c < 6; ++c)
            t.chart().setCell(c, r, "old");
    }
    ASSERT_TRUE(Load(t, "1\tA\t\t\tW2\tD3\t\r\n2\tB\r\n3\tC\t9\t1\tW1\tL1\tW9\tW8\t\r\n").ok);
    EXPECT_EQ(t.numRounds(), 2);
    EXPECT_EQ(Row(t.chart(), 2), (std::vector<std::string>{"2", "B", "", "", "", ""}));
    EXPECT_EQ(Row(t.chart(), 3), (std::vector<std::string>{"3", "C", "9", "1", "W1", "L1"}));
    EXPECT_EQ(t.chart().cell(6, 3), ""); // surplus fields are not stored as hidden cells
}

TEST(ChartFileLoad, ABlankLastLineAddsAnEmptyPlayerRow) {
    Tournament t = Started();
    t.chart().setCell(1, 3, "earlier player");
    ASSERT_TRUE(Load(t, "1\tA\t\t\t\t\r\n2\tB\t\t\t\t\r\n\r\n").ok);
    EXPECT_EQ(t.numPlayers(), 3);
    EXPECT_EQ(Row(t.chart(), 3), (std::vector<std::string>(5, "")));
    // One line end at the end adds nothing.
    Tournament u = Started();
    ASSERT_TRUE(Load(u, "1\tA\t\t\t\t\r\n2\tB\t\t\t\t\r\n").ok);
    EXPECT_EQ(u.numPlayers(), 2);
}

TEST(ChartFileLoad, KeepsColumnZeroTextsAndLeavesHeadingsToTheLayout) {
    Tournament t = Started(TournamentType::RoundRobin, 3);
    ASSERT_TRUE(Load(t, "7\tA\t\t\tX\t\t\t\r\nx\tB\t\t\t\tX\t\t\r\n\tC\t\t\t\t\tX\t\r\n").ok);
    EXPECT_EQ(t.chart().cell(0, 1), "7");
    EXPECT_EQ(t.chart().cell(0, 2), "x");
    EXPECT_EQ(t.chart().cell(0, 3), "");
    EXPECT_EQ(Row(t.chart(), 0),
              (std::vector<std::string>{"#", "Name/Nom", "QRB#", "Rtng/Cote", "1", "2", "3"}));
}

TEST(ChartFileLoad, ClearsModifiedAndLaysOutTheSelectedType) {
    Tournament t = Started(TournamentType::DoubleRoundRobin, 5);
    t.setModified(true);
    ASSERT_TRUE(Load(t, "1\tA\t\t\tX\tX\t=\t1\t\r\n2\tB\t\t\t=\t0\tX\tX\t\r\n").ok);
    EXPECT_FALSE(t.modified());
    EXPECT_EQ(t.numPlayers(), 2);
    EXPECT_EQ(t.chart().colCount(), 8);
    EXPECT_EQ(t.chart().cell(7, 0), "2b");
    EXPECT_EQ(t.chart().cell(7, 1), "1");
}

TEST(ChartFileLoad, ASwissFileReadAsARoundRobinTakesFieldsInOrder) {
    // 4 players, 2 rounds: 6 fields a line, but a round robin of 4 has 8 columns.
    const std::string file =
        "1\tA\t\t1600\tW2\tD3\t\r\n2\tB\t\t1500\tL1\tW4\t\r\n"
        "3\tC\t\t1400\tW4\tD1\t\r\n4\tD\t\t1300\tL3\tL2\tEXTRA\tMORE\tDROP\t\r\n";
    Tournament t = Started(TournamentType::RoundRobin, 4);
    ASSERT_TRUE(Load(t, file).ok);
    EXPECT_EQ(t.chart().colCount(), 8);
    EXPECT_EQ(Row(t.chart(), 1),
              (std::vector<std::string>{"1", "A", "", "1600", "W2", "D3", "", ""}));
    // The layout's X on the diagonal is overwritten by the file's fields.
    EXPECT_EQ(Row(t.chart(), 4),
              (std::vector<std::string>{"4", "D", "", "1300", "L3", "L2", "EXTRA", "MORE"}));
}

TEST(ChartFileLoad, CellsBeyondTheNewSizeStayHidden) {
    Tournament t = Started(TournamentType::Swiss, 20, 3);
    for (int r = 1; r <= 20; ++r)
        t.chart().setCell(1, r, "old " + std::to_string(r));
    t.chart().setCell(6, 11, "W12");
    t.chart().setCell(6, 5, "D3");
    std::string file;
    for (int r = 1; r <= 10; ++r)
        file += std::to_string(r) + "\tnew\t\t\t\t\r\n";
    ASSERT_TRUE(Load(t, file).ok);
    EXPECT_EQ(t.numPlayers(), 10);
    EXPECT_EQ(t.numRounds(), 1);
    t.setNumPlayers(12);
    t.setNumRounds(3);
    EXPECT_EQ(t.chart().cell(1, 10), "new");
    EXPECT_EQ(t.chart().cell(1, 11), "old 11");
    EXPECT_EQ(t.chart().cell(1, 12), "old 12");
    EXPECT_EQ(t.chart().cell(6, 11), "W12");
    // Columns beyond the file's rounds kept their text too, also in the file's rows.
    EXPECT_EQ(t.chart().cell(6, 5), "D3");
}

TEST(ChartFileLoad, FilesOutsideTheFormatChangeNothing) {
    std::string tooMany;
    for (int r = 1; r <= 1001; ++r)
        tooMany += "\r\n";
    const std::string tooWide = std::string(32, '\t') + "x\r\n2\r\n"; // 33 fields
    struct Case {
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {"", "The file is empty: it holds no player lines."},
        // A NUL refuses the file rather than dropping what follows it.
        {std::string("1\tA\t\t\t\t\r\n2\tB\t\t\t\t\r\n\0003\tC\r\n", 24),
         "The file holds a NUL byte (line 3), which no chart file has: it is not a chart file."},
        {"Ann\tLee\r\n\x89PNG\x1b\x02\xff",
         "The file holds binary data (line 2), not text: it is not a chart file."},
        {"\x7f"
         "ELF\x02\x01\x01",
         "The file holds binary data (line 1), not text: it is not a "
         "chart file."},
        {tooMany, "The file has 1001 lines, but a chart holds at most 1000 players."},
        {tooWide, "The first line has 33 fields, but a Swiss or match chart holds at most 28 "
                  "rounds (32 columns)."},
    };
    for (const Case& c : cases) {
        Tournament t = Started(TournamentType::Swiss, 4, 2);
        t.chart().setCell(1, 1, "kept");
        t.setModified(true);
        const auto before = Cells(t.chart());
        const ChartReadOutcome outcome = Load(t, c.bytes);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(English(outcome.message), c.message);
        EXPECT_EQ(Cells(t.chart()), before);
        EXPECT_EQ(t.numPlayers(), 4);
        EXPECT_EQ(t.numRounds(), 2);
        EXPECT_TRUE(t.modified());
    }
}

TEST(ChartFileLoad, LimitsThatApplyOnlyToSomeTypes) {
    // 1000 lines is the largest chart.
    std::string thousand;
    for (int r = 1; r <= 1000; ++r)
        thousand += std::to_string(r) + "\tP\t\t\t\t\r\n";
    Tournament big = Started();
    ASSERT_TRUE(Load(big, thousand).ok);
    EXPECT_EQ(big.numPlayers(), 1000);
    EXPECT_EQ(big.chart().cell(1, 1000), "P");

    // A wide first line is no fault in a round robin: its columns follow the lines.
    Tournament rr = Started(TournamentType::RoundRobin, 3);
    ASSERT_TRUE(Load(rr, std::string(40, '\t') + "\r\n\r\n\r\n").ok);
    EXPECT_EQ(rr.chart().colCount(), 7);

    // 32 fields is 28 rounds, the most a Swiss chart holds.
    Tournament swiss = Started();
    ASSERT_TRUE(Load(swiss, std::string(32, '\t') + "\r\n\r\n").ok);
    EXPECT_EQ(swiss.numRounds(), 28);
}

TEST(ChartFileLoad, ShortFirstLinesAndOneLineFilesKeepCountsAndChartInStep) {
    // Rounds already 1 and players already 2: the counts do not change, the chart must.
    Tournament t = Started(TournamentType::Swiss, 2, 1);
    t.chart().setCell(1, 2, "earlier second player");
    t.chart().setCell(4, 2, "W1");
    ASSERT_TRUE(Load(t, "1\tSolo\t\r\n").ok);
    EXPECT_EQ(t.numPlayers(), 2);
    EXPECT_EQ(t.chart().colCount(), 5);
    EXPECT_EQ(Row(t.chart(), 1), (std::vector<std::string>{"1", "Solo", "", "", ""}));
    EXPECT_EQ(Row(t.chart(), 2), (std::vector<std::string>(5, "")));
    EXPECT_EQ(t.chart().cell(4, 0), "Rd 1");

    for (TournamentType type :
         {TournamentType::Swiss, TournamentType::RoundRobin, TournamentType::DoubleRoundRobin}) {
        for (const char* file : {"1\tA\t\r\n", "\r\n", "x", "1\tA\t\t\tW\t\t\t\r\n"}) {
            Tournament u = Started(type, 6, 4);
            ASSERT_TRUE(Load(u, file).ok) << file;
            EXPECT_EQ(u.numPlayers(), 2);
        }
    }
}
