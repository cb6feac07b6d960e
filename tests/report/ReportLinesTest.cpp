#include "ReportTestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <vector>

using namespace ranvik;
using ranvik::test::SpringOpen;
using ranvik::test::StartedChart;

namespace {
using Lines = std::vector<std::string>;

Tournament TwoPlayerSwiss() {
    Tournament t = StartedChart(TournamentType::Swiss, 2, 1);
    t.chart().setCell(1, 1, "Ann");
    t.chart().setCell(2, 1, "123456");
    t.chart().setCell(4, 1, "W2");
    t.chart().setCell(1, 2, "Bob");
    t.chart().setCell(4, 2, "L1");
    return t;
}
} // namespace

TEST(ReportLines, TwoPlayerSwissReport) {
    const Lines expected = {
        R"("Spring Open","ON","","S","2008/06/18","2","1","R","100200","")",
        R"("123456")",
        R"("W","2")",
        R"("1.0")",
        R"("999999")",
        R"("L","1")",
        R"("0.0")",
    };
    EXPECT_EQ(BuildReportLines(TwoPlayerSwiss(), RatingSystem::Regular, SpringOpen()), expected);
}

TEST(ReportLines, HeaderCarriesEveryFieldUnchanged) {
    TournamentInfo info;
    info.name = " Open \"A\", 2";
    info.province = "Ontario";
    info.referenceNumber = "R-17";
    info.endDate = "2009/01/31";
    info.tdNumber = "1";
    info.organiserNumber = "654321";
    const Lines lines = BuildReportLines(TwoPlayerSwiss(), RatingSystem::Active, info);
    EXPECT_EQ(lines[0],
              R"(" Open "A", 2","Ontario","R-17","S","2009/01/31","2","1","A","1","654321")");
}

TEST(ReportLines, SwissRoundsWithoutEntriesAreLossesAgainstNobody) {
    Tournament t = StartedChart(TournamentType::Swiss, 4, 5);
    t.chart().setCell(4, 1, "W2");
    t.chart().setCell(5, 1, "=3");
    t.chart().setCell(6, 1, "G4");
    const Lines lines = BuildReportLines(t, RatingSystem::Regular, SpringOpen());
    ASSERT_EQ(lines.size(), 1u + 4u * (5u + 2u));
    EXPECT_EQ(lines[2], R"("W","2")");
    EXPECT_EQ(lines[3], R"("D","3")");
    EXPECT_EQ(lines[4], R"("W","4")");
    EXPECT_EQ(lines[5], R"("L","0")");
    EXPECT_EQ(lines[6], R"("L","0")");
    EXPECT_EQ(lines[7], R"("2.5")");
    EXPECT_EQ(lines[0].substr(lines[0].find("\"S\"")),
              R"("S","2008/06/18","4","5","R","100200","")");
}

TEST(ReportLines, ByesAndForfeitsAreReportedByTheirPoints) {
    Tournament t = StartedChart(TournamentType::Swiss, 6, 8);
    const char* entries[] = {"B", "H", "X5", "b7", "Z4", "F3", "U", "$2"};
    for (int k = 0; k < 8; ++k)
        t.chart().setCell(ChartColumn::FirstResult + k, 1, entries[k]);
    const Lines lines = BuildReportLines(t, RatingSystem::Regular, SpringOpen());
    const Lines block(lines.begin() + 2, lines.begin() + 11);
    const Lines expected = {
        R"("W","0")", R"("D","0")", R"("W","5")", R"("W","0")", R"("D","4")",
        R"("L","3")", R"("L","0")", R"("L","2")", R"("4.0")",
    };
    EXPECT_EQ(block, expected);
}

TEST(ReportLines, RoundRobinCopiesEveryResultCellVerbatim) {
    Tournament t = StartedChart(TournamentType::RoundRobin, 4);
    t.chart().setCell(5, 1, "1");
    t.chart().setCell(6, 1, " w");
    t.chart().setCell(7, 1, "=");
    t.chart().setCell(4, 2, "0");
    t.chart().setCell(6, 2, "d ");
    const Lines lines = BuildReportLines(t, RatingSystem::Regular, SpringOpen());
    ASSERT_EQ(lines.size(), 1u + 4u * (4u + 2u));
    EXPECT_EQ(lines[0], R"("Spring Open","ON","","R","2008/06/18","4","1","R","100200","")");
    const Lines player1(lines.begin() + 1, lines.begin() + 7);
    EXPECT_EQ(player1, (Lines{R"("999999")", R"("X")", R"("1")", R"(" w")", R"("=")", R"("2.5")"}));
    const Lines player2(lines.begin() + 7, lines.begin() + 13);
    EXPECT_EQ(player2, (Lines{R"("999999")", R"("0")", R"("X")", R"("d ")", R"("")", R"("0.5")"}));
}

TEST(ReportLines, DoubleRoundRobinHasTwoLinesPerOpponent) {
    Tournament t = StartedChart(TournamentType::DoubleRoundRobin, 3);
    t.chart().setCell(6, 1, "1");
    t.chart().setCell(7, 1, "1");
    t.chart().setCell(2, 1, "654321");
    const Lines lines = BuildReportLines(t, RatingSystem::Active, SpringOpen());
    ASSERT_EQ(lines.size(), 1u + 3u * (6u + 2u));
    EXPECT_EQ(lines[0], R"("Spring Open","ON","","R","2008/06/18","3","2","A","100200","")");
    const Lines player1(lines.begin() + 1, lines.begin() + 9);
    EXPECT_EQ(player1, (Lines{R"("654321")", R"("X")", R"("X")", R"("1")", R"("1")", R"("")",
                              R"("")", R"("2.0")"}));
}

TEST(ReportLines, ScoreKeepsItsPointUnderACommaLocale) {
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    // Also the C library's locale, when the system has a comma-decimal one.
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr)
            break;
    }
    EXPECT_EQ(ScoreText(21), "10.5");
    EXPECT_EQ(ScoreText(0), "0.0");
    EXPECT_EQ(ScoreText(6), "3.0");
    const Lines lines = BuildReportLines(StartedChart(TournamentType::Swiss, 2),
                                         RatingSystem::Regular, SpringOpen());
    EXPECT_EQ(lines[3], R"("0.0")");
    std::setlocale(LC_ALL, "C");
    std::locale::global(previous);
}

TEST(ReportLines, OnlySixDigitNumbersAreReported) {
    Tournament t = StartedChart(TournamentType::Swiss, 6);
    const char* numbers[] = {"012345", "12345", "1234567", "12345X", " 12345", "unr."};
    for (int r = 1; r <= 6; ++r)
        t.chart().setCell(2, r, numbers[r - 1]);
    const Lines lines = BuildReportLines(t, RatingSystem::Regular, SpringOpen());
    EXPECT_EQ(lines[1], R"("012345")");
    for (int r = 2; r <= 6; ++r)
        EXPECT_EQ(lines[1 + (r - 1) * 3], R"("999999")") << r;
}

TEST(ReportTexts, RatingFields) {
    EXPECT_EQ(RatingFieldName(RatingSystem::Regular), "RATING");
    EXPECT_EQ(RatingFieldName(RatingSystem::Active), "ACT_RATING");
}

TEST(FlaggedMembers, ListsNameCommaNumberOrAMissingNumberInRowOrder) {
    Tournament t = StartedChart(TournamentType::Swiss, 4);
    t.chart().setCell(1, 1, "Ann");
    t.chart().setCell(2, 1, "123456");
    t.chart().setCell(1, 2, "Bob");
    t.chart().setCell(2, 2, " 12345");
    t.chart().setCell(1, 3, "Cy");
    t.chart().setCell(1, 4, "Di");
    t.chart().setCell(2, 4, "unr.");
    Lines flagged;
    for (const Message& line : FlaggedMemberLines(t.chart(), t.playerRows()))
        flagged.push_back(English(line));
    EXPECT_EQ(flagged, (Lines{"Bob,  12345", "Cy: no membership number", "Di, unr."}));
    t.chart().setCell(2, 2, "222222");
    t.chart().setCell(2, 3, "333333");
    t.chart().setCell(2, 4, "444444");
    EXPECT_TRUE(FlaggedMemberLines(t.chart(), t.playerRows()).empty());
}

TEST(ReportLines, HiddenCellsBeyondTheCountsAreNotReported) {
    Tournament t = StartedChart(TournamentType::RoundRobin, 4);
    t.chart().setCell(7, 1, "1");
    t.chart().setCell(4, 4, "0");
    t.setNumPlayers(3);
    Lines lines = BuildReportLines(t, RatingSystem::Regular, SpringOpen());
    ASSERT_EQ(lines.size(), 1u + 3u * (3u + 2u));
    EXPECT_EQ(lines[5], R"("0.0")");

    Tournament swiss = StartedChart(TournamentType::Swiss, 2, 3);
    swiss.chart().setCell(6, 1, "W2");
    swiss.setNumRounds(2);
    lines = BuildReportLines(swiss, RatingSystem::Regular, SpringOpen());
    ASSERT_EQ(lines.size(), 1u + 2u * (2u + 2u));
    EXPECT_EQ(lines[4], R"("0.0")");
}
