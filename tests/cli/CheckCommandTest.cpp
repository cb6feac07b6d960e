#include "CliRunner.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace ranvik::test;

// A chart, the options after --type, and what check says and exits with.
TEST(CliCheck, PrintsOkOrTheFaultAsTheProgramWords) {
    using Rows = std::vector<std::vector<std::string>>;
    // Two wins by player 1 recorded as a win on both sides: inconsistent in rows 1 and 2.
    const Rows bothWon = {{"1", "Ann", "123456", "1800", "W2"}, {"2", "Bob", "", "1500", "W1"}};
    const Rows roundRobin = {{"1", "Ann", "", "", "X", "1"}, {"2", "Bob", "", "", "0", "X"}};
    struct Case {
        Rows rows;
        std::vector<std::string> options;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{{"1", "Ann", "123456", "1800", "W2"},
          {"2", "Bob", "", "unr", "L1"},
          {"3", "", "", "", ""}},
         {"swiss"},
         0,
         "OK\n"},
        {{{"1", "Ann", "", "", ""}, {"2", "Bob", "", "", ""}, {"3", "", "", "", ""}, {"4", "Di"}},
         {"swiss"},
         1,
         "Missing name. Line 3, name.\n"},
        {{{"1", "Ann", "", "", "W1"}, {"2", "Bob", "", "", ""}},
         {"swiss"},
         1,
         "Player paired against self. Line 1, Rd 1.\n"},
        {bothWon,
         {"swiss"},
         1,
         "Inconsistent results found. Line 1, Rd 1.\nCancelled: Inconsistent results.\n"},
        {bothWon,
         {"swiss", "--inconsistencies", "ignore"},
         0,
         "Inconsistent results found. Line 1, Rd 1.\n"
         "Inconsistent results found. Line 2, Rd 1.\nOK\n"},
        {bothWon,
         {"swiss", "--inconsistencies=all"},
         0,
         "Inconsistent results found. Line 1, Rd 1.\nOK\n"},
        {{{"1", "Ann", "", "", "W2"}, {"2", "Bob", "", "", "L3"}, {"3", "Cy", "", "", "W2"}},
         {"swiss", "--inconsistencies", "stop"},
         1,
         "Inconsistent opponents found. Line 1, Rd 1.\nCancelled: Inconsistent opponents.\n"},
        {roundRobin, {"rr"}, 0, "OK\n"}, // the type decides the layout
        {roundRobin,
         {"swiss"},
         1,
         "Invalid result or opponent, or incorrect tournament type. Line 1, Rd 2.\n"},
    };
    TempDir dir;
    const std::string chart = dir.file("chart.tms");
    for (const Case& c : cases) {
        WriteFile(chart, ChartText(c.rows));
        std::vector<std::string> args = {"check", chart, "--type"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, c.status) << c.out;
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, "") << c.out;
    }
}

// The recipes that used to abort or hang the command: each now ends at once with a message.
TEST(CliCheck, HostileChartFilesEndWithAMessage) {
    TempDir dir;
    std::string wide(1000000, '\t');
    wide += "\r\n2\tP\t100002\t1500\r\n";
    WriteFile(dir.file("wide.tms"), wide);
    std::vector<std::pair<std::string, std::string>> cases = {
        {dir.file("wide.tms"), "the widest chart has 2004 columns"},
        {kEndlessDevice, "it is a device, not a regular file"},
    };
#ifndef _WIN32 // Windows has no FIFOs among its files
    const std::string fifo = dir.file("f.tms");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    cases.emplace_back(fifo, "it is a FIFO (named pipe), not a regular file");
#endif
    for (const auto& [path, message] : cases) {
        const CliResult result = RunCli({"check", path, "--type", "rr"});
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
}

TEST(CliCheck, AllListsEveryFaultInScanOrderThenTheirCount) {
    TempDir dir;
    const std::string chart = dir.file("faults.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "123456", "1800", "W2"},
                                {"2", "Bob", "", "1500", "W1"},
                                {"3", "", "", "", ""},
                                {"4", "Di", "123456", "abc", "Q"}}));
    const CliResult result = RunCli({"check", chart, "--type", "swiss", "--all"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Inconsistent results found. Line 1, Rd 1.\n"
                          "Inconsistent results found. Line 2, Rd 1.\n"
                          "Missing name. Line 3, name.\n"
                          "Invalid rating. Line 4, rating.\n"
                          "Invalid result or opponent, or incorrect tournament type. Line 4, "
                          "Rd 1.\n"
                          "5 faults\n");
    EXPECT_NE(result.err.find("Warning: Membership number 123456 on lines 1 and 4.\n"),
              std::string::npos);
    EXPECT_NE(result.err.find("Warning: Bob: no membership number\n"), std::string::npos);

    WriteFile(chart, ChartText({{"1", "Ann", "123456", "1800", "W2"},
                                {"2", "Bob", "654321", "unr", "L1"},
                                {"3", "", "", "", ""}}));
    const CliResult clean = RunCli({"check", chart, "--type", "swiss", "--all"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "OK\n");
    EXPECT_EQ(clean.err, "");

    WriteFile(chart, ChartText({{"1", "Ann", "123456", "", "1", "0"},
                                {"2", "Bob", "654321", "", "1", "X"}}));
    const CliResult one = RunCli({"check", chart, "--type", "rr", "--all"});
    EXPECT_EQ(one.out,
              "Entry must be \"X\" here for round robin tournament type. Line 1, player 1.\n"
              "1 fault\n");
    EXPECT_EQ(RunCli({"check", chart, "--type", "rr", "--all=yes"}).status, 2);
}
