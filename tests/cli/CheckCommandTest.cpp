#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace ranvik::test;

namespace {
// Two wins by player 1 recorded as a win on both sides: a results inconsistency in rows
// 1 and 2.
std::string BothWon() {
    return ChartText({{"1", "Ann", "123456", "1800", "W2"}, {"2", "Bob", "", "1500", "W1"}});
}
} // namespace

TEST(CliCheck, CleanChartPrintsOk) {
    TempDir dir;
    const std::string chart = dir.file("ok.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "123456", "1800", "W2"},
                                {"2", "Bob", "", "unr", "L1"},
                                {"3", "", "", "", ""}}));
    const CliResult result = RunCli({"check", chart, "--type", "swiss"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "OK\n");
    EXPECT_EQ(result.err, "");
}

TEST(CliCheck, FaultyCellPrintsTheProgramsText) {
    TempDir dir;
    const std::string chart = dir.file("bad.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", ""},
                                {"2", "Bob", "", "", ""},
                                {"3", "", "", "", ""},
                                {"4", "Di", "", "", ""}}));
    CliResult result = RunCli({"check", chart, "--type", "swiss"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Missing name. Line 3 column 1.\n");

    WriteFile(chart, ChartText({{"1", "Ann", "", "", "W1"}, {"2", "Bob", "", "", ""}}));
    result = RunCli({"check", chart, "--type", "swiss"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Player paired against self. Line 1 column 4.\n");
}

TEST(CliCheck, InconsistencyPolicies) {
    TempDir dir;
    const std::string chart = dir.file("both.tms");
    WriteFile(chart, BothWon());

    CliResult result = RunCli({"check", chart, "--type", "swiss"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Inconsistent results found. Line 1 column 4.\n"
                          "Cancelled: Inconsistent results.\n");

    result = RunCli({"check", chart, "--type", "swiss", "--inconsistencies", "ignore"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Inconsistent results found. Line 1 column 4.\n"
                          "Inconsistent results found. Line 2 column 4.\n"
                          "OK\n");

    result = RunCli({"check", chart, "--type", "swiss", "--inconsistencies=all"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Inconsistent results found. Line 1 column 4.\nOK\n");
}

TEST(CliCheck, CancelledOpponentsMessage) {
    TempDir dir;
    const std::string chart = dir.file("opp.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "W2"},
                                {"2", "Bob", "", "", "L3"},
                                {"3", "Cy", "", "", "W2"}}));
    const CliResult result =
        RunCli({"check", chart, "--type", "swiss", "--inconsistencies", "stop"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Inconsistent opponents found. Line 1 column 4.\n"
                          "Cancelled: Inconsistent opponents.\n");
}

TEST(CliCheck, TypeDecidesTheLayout) {
    TempDir dir;
    const std::string chart = dir.file("rr.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "X", "1"}, {"2", "Bob", "", "", "0", "X"}}));
    EXPECT_EQ(RunCli({"check", chart, "--type", "rr"}).out, "OK\n");
    const CliResult swiss = RunCli({"check", chart, "--type", "swiss"});
    EXPECT_EQ(swiss.status, 1);
    EXPECT_EQ(swiss.out,
              "Invalid result or opponent, or incorrect tournament type. Line 1 column 5.\n");
}
