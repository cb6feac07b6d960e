#include "files/ChartFile.h"

#include "files/FileWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace ranvik;

namespace {

// Characters a cell may hold, accented and Windows-1252-only ones among them.
const std::vector<std::string> kPool = {
    "a", "Z", "0", "9", " ", "W", "=",      "+",        "-",        "#", "é",  "ü", "ß",
    "€", "œ", "Œ", "Ÿ", "™", "…", "\u00A0", "\xC2\x81", "\xC2\x9D", "'", "\"", ",", "ÿ"};

std::string RandomText(std::mt19937& random) {
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < length; ++i) {
        text += kPool[std::uniform_int_distribution<std::size_t>(0, kPool.size() - 1)(random)];
    }
    return text;
}

} // namespace

TEST(ChartFileProperty, RandomChartsReadBackAsWrittenAndWriteTheSameBytes) {
    std::mt19937 random(20240611);
    ranvik::test::TempDir dir;
    const std::string path = dir.file("random.tms");
    for (int trial = 0; trial < 60; ++trial) {
        const auto type = static_cast<TournamentType>(trial % 3);
        const int players =
            std::uniform_int_distribution<int>(2, trial % 10 == 0 ? 60 : 12)(random);
        const int rounds = std::uniform_int_distribution<int>(1, 28)(random);
        SCOPED_TRACE("trial " + std::to_string(trial) + " type " +
                     std::to_string(static_cast<int>(type)) + " players " +
                     std::to_string(players) + " rounds " + std::to_string(rounds));

        Tournament written;
        written.layOutStartChart();
        written.setNumRounds(rounds); // the rounds box works only while the chart is Swiss
        written.setType(type);
        written.setNumPlayers(players);
        Chart& chart = written.chart();
        for (int r = 1; r < chart.rowCount(); ++r) {
            for (int c = 0; c < chart.colCount(); ++c)
                chart.setCell(c, r, RandomText(random));
        }
        // Some rows empty from end to end.
        if (trial % 4 == 0) {
            for (int c = 0; c < chart.colCount(); ++c)
                chart.setCell(c, chart.rowCount() - 1, "");
        }
        const ChartBytes first = EncodeChartFile(chart);
        ASSERT_TRUE(first.ok) << English(first.message);
        ASSERT_TRUE(WriteFileSafely(path, first.bytes));

        std::string bytes;
        Message error;
        ASSERT_TRUE(ReadWholeFile(path, bytes, error)) << English(error);
        Tournament read;
        read.layOutStartChart();
        // The reader starts from another size, so every count must come from the file.
        read.setNumRounds(rounds == 3 ? 4 : 3);
        read.setType(type);
        read.setNumPlayers(players == 7 ? 8 : 7);
        const ChartReadOutcome outcome = ReadChartFile(read, bytes);
        ASSERT_TRUE(outcome.ok) << English(outcome.message);

        ASSERT_EQ(read.chart().rowCount(), chart.rowCount());
        ASSERT_EQ(read.chart().colCount(), chart.colCount());
        for (int r = 0; r < chart.rowCount(); ++r) {
            for (int c = 0; c < chart.colCount(); ++c) {
                ASSERT_EQ(read.chart().cell(c, r), chart.cell(c, r)) << c << "," << r;
            }
        }
        const ChartBytes second = EncodeChartFile(read.chart());
        ASSERT_TRUE(second.ok);
        EXPECT_EQ(second.bytes, first.bytes);
    }
}

TEST(ChartFileProperty, EveryByteButTheSeparatorsSurvivesReadAndWrite) {
    std::string cell;
    for (int b = 1; b < 256; ++b) {
        // Control bytes are refused (a binary file, or a cell no chart file may hold).
        if (b >= 0x20)
            cell += static_cast<char>(b);
    }
    const std::string file = "1\t" + cell + "\t\t\t\t\r\n2\t\t\t\t" + cell + "\t\r\n";
    Tournament t;
    t.layOutStartChart();
    ASSERT_TRUE(ReadChartFile(t, file).ok);
    EXPECT_NE(t.chart().cell(1, 1).find("~\x7F\u20AC\u0081\u201A"), std::string::npos);
    EXPECT_NE(t.chart().cell(4, 2).find("\u009D\u017E\u0178\u00A0"), std::string::npos);
    const ChartBytes out = EncodeChartFile(t.chart());
    ASSERT_TRUE(out.ok) << English(out.message);
    EXPECT_EQ(out.bytes, file);
}

TEST(ChartFileProperty, AccentedNamesRoundTripUnderEveryType) {
    for (auto type :
         {TournamentType::Swiss, TournamentType::RoundRobin, TournamentType::DoubleRoundRobin}) {
        Tournament t;
        t.layOutStartChart();
        t.setNumRounds(2);
        t.setType(type);
        t.setNumPlayers(3);
        t.chart().setCell(1, 1, "Éloïse Lefèvre");
        t.chart().setCell(1, 2, "Jürgen Groß");
        t.chart().setCell(1, 3, "Cœur € Œuvre");
        t.chart().setCell(4, 2, "1");
        const ChartBytes out = EncodeChartFile(t.chart());
        ASSERT_TRUE(out.ok);
        EXPECT_NE(out.bytes.find("\xC9lo\xEFse Lef\xE8vre\t"), std::string::npos);
        EXPECT_NE(out.bytes.find("J\xFCrgen Gro\xDF\t"), std::string::npos);
        EXPECT_NE(out.bytes.find("C\x9C"
                                 "ur \x80 \x8Cuvre\t"),
                  std::string::npos);

        Tournament u;
        u.layOutStartChart();
        u.setType(type);
        ASSERT_TRUE(ReadChartFile(u, out.bytes).ok);
        EXPECT_EQ(u.chart().cell(1, 1), "Éloïse Lefèvre");
        EXPECT_EQ(u.chart().cell(1, 2), "Jürgen Groß");
        EXPECT_EQ(u.chart().cell(1, 3), "Cœur € Œuvre");
        EXPECT_EQ(u.chart().cell(4, 2), "1");
        EXPECT_EQ(u.chart().colCount(), t.chart().colCount());
    }
}
