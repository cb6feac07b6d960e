// import-trf and match from the command line: the written chart, the summary, refusals
// that write nothing, and a check of the result.

#include "CliRunner.h"
#include "members/FixtureDescription.h"
#include "support/TrfText.h"

#include <gtest/gtest.h>

using namespace ranvik::test;

namespace {

const std::vector<TrfPlayerSpec> kPlayers = {
    {1, "Côté, Hélène", "1850", "1.5", {"2w1", "3b="}},
    {2, "Piotr Łukaszewicz", "2250", "0.0", {"1b0", "0-U"}},
    {3, "John Smith", "1655", "1.5", {"0-F", "1w="}}};

TEST(CliImportTrf, WritesTheChartAndPrintsTheSummary) {
    TempDir dir;
    const std::string trf = dir.file("event.trf");
    WriteFile(trf, TrfFileText(kPlayers, "\r\n"));
    const std::string out = dir.file("event");
    const CliResult result = RunCli({"import-trf", trf, "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Players: 3\nRounds: 2\nType: Swiss\nTournament: Test Open\n"
                          "Text read as UTF-8\n"
                          "Warning: Line 3: \"Piotr Łukaszewicz\" is written \"Piotr "
                          "Lukaszewicz\"; a chart file cannot hold Ł.\n"
                          "Warning: Colours are not kept: the chart has no place for them.\n" +
                              out + ".tms\n");
    EXPECT_EQ(ReadFile(out + ".tms"),
              ChartText({{"1", "C\xF4t\xE9, H\xE9l\xE8ne", "", "1850", "W2", "D3"},
                         {"2", "Piotr Lukaszewicz", "", "2250", "L1", "U"},
                         {"3", "John Smith", "", "1655", "B", "D1"}}));
    const CliResult check = RunCli({"check", out + ".tms", "--type", "swiss"});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out, "OK\n");
}

TEST(CliImportTrf, RefusalWritesNothing) {
    TempDir dir;
    const std::string trf = dir.file("bad.trf");
    WriteFile(trf, TrfFileText({{1, "Ann", "", "", {"2w1"}}, {2, "Bob", "", "", {"1b1"}}}));
    const std::string out = dir.file("out.tms");
    const CliResult result = RunCli({"import-trf", trf, "--type", "auto", "-o", out});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ranvik-cli: cannot import " + trf +
                              ": Line 2: Round 1: the results of start numbers 1 ('1') and 2 "
                              "('1', line 3) disagree.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(RunCli({"import-trf", trf, "--type", "knockout", "-o", out}).status, 2);
}

TEST(CliMatch, FillsSingleMatchesAndListsTheRest) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    const std::string db = dir.file("members.sqlite");
    WriteSqliteDatabase(db, ReadFixtureDescription(MembersDataDir() / "members.json"));
    const std::string trf = dir.file("event.trf");
    WriteFile(trf, TrfFileText(kPlayers));
    const std::string chart = dir.file("event.tms");
    ASSERT_EQ(RunCli({"import-trf", trf, "-o", chart}).status, 0);

    const std::string out = dir.file("matched.tms");
    const CliResult result =
        RunCli({"match", chart, "--type", "swiss", db, "--rating", "active", "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Matched: 2 (active ratings)\n"
                          "  Line 1: Côté, Hélène 100234 1832\n"
                          "  Line 2: Lukaszewicz, Piotr 102789 2231 (nearest spelling of "
                          "\"Łukaszewicz, Piotr\": a chart file cannot hold Ł)\n"
                          "Left as they were: 1\n"
                          "  Line 3 \"John Smith\": 2 members: 101122 Smith, John; 101123 "
                          "smith, john\n" +
                              out + "\n");
    EXPECT_EQ(ReadFile(out),
              ChartText({{"1", "C\xF4t\xE9, H\xE9l\xE8ne", "100234", "1832", "W2", "D3"},
                         {"2", "Lukaszewicz, Piotr", "102789", "2231", "L1", "U"},
                         {"3", "John Smith", "", "1655", "B", "D1"}}));
    EXPECT_EQ(RunCli({"match", chart, "--type", "swiss", "-o", out}).status, 2);
}

} // namespace
