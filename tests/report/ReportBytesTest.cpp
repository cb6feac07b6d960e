#include "ReportTestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::SpringOpen;
using ranvik::test::StartedChart;

TEST(ReportBytes, LinesEndInCrLfAndTextIsWindows1252) {
    Tournament t = StartedChart(TournamentType::Swiss, 2);
    t.chart().setCell(1, 1, "Ren\xC3\xA9");
    t.chart().setCell(4, 1, "D2");
    t.chart().setCell(4, 2, "D1");
    TournamentInfo info = SpringOpen();
    info.name = "Qu\xC3\xA9"
                "bec \xE2\x82\xAC";
    const ReportBytes report = BuildReportBytes(t, RatingSystem::Regular, info);
    ASSERT_TRUE(report.ok) << report.message;
    EXPECT_EQ(report.bytes, "\"Qu\xE9"
                            "bec \x80\",\"ON\",\"\",\"S\",\"2008/06/18\",\"2\",\"1\",\"R\","
                            "\"100200\",\"\"\r\n"
                            "\"999999\"\r\n\"D\",\"2\"\r\n\"0.5\"\r\n"
                            "\"999999\"\r\n\"D\",\"1\"\r\n\"0.5\"\r\n");
}

TEST(ReportBytes, FieldWindows1252CannotCarryIsNamed) {
    Tournament t = StartedChart(TournamentType::Swiss, 2);
    TournamentInfo info = SpringOpen();
    info.province = "\xE2\x9C\x93"; // a check mark
    const ReportBytes report = BuildReportBytes(t, RatingSystem::Regular, info);
    EXPECT_FALSE(report.ok);
    EXPECT_TRUE(report.bytes.empty());
    EXPECT_EQ(English(report.message),
              "The report cannot be written: the field \"Province\" holds a "
              "character that the report file cannot carry.");
}

TEST(ReportBytes, RoundRobinCellWindows1252CannotCarryIsNamed) {
    Tournament t = StartedChart(TournamentType::RoundRobin, 3);
    t.chart().setCell(6, 2, "1\xE2\x9C\x93");
    const ReportBytes report = BuildReportBytes(t, RatingSystem::Regular, SpringOpen());
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(English(report.message),
              "The report cannot be written: the entry at Line 2, player 3 holds "
              "a character that the report file cannot carry.");
}

TEST(ReportBytes, CellsNotCopiedIntoTheReportDoNotMatter) {
    Tournament t = StartedChart(TournamentType::Swiss, 2);
    t.chart().setCell(1, 1, "\xE2\x9C\x93");
    t.chart().setCell(2, 2, "\xE2\x9C\x93");
    t.chart().setCell(4, 2, "W\xE2\x9C\x93");
    const ReportBytes report = BuildReportBytes(t, RatingSystem::Regular, SpringOpen());
    EXPECT_TRUE(report.ok) << report.message;
}
