#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace ranvik::test;

namespace {
// Chart files are Windows-1252: "\xC9" is É.
std::string FourPlayers() {
    return ChartText({{"1", "\xC9mile", "123456", "1800", "W2", "D3", "W4"},
                      {"2", "Bob", "", "1500", "L1", "W4", "B"},
                      {"3", "Cy", "", "1600", "W4", "D1", "U"},
                      {"4", "Di", "", "1400", "L3", "L2", "L1"}});
}
} // namespace

TEST(CliStandings, CsvListsPlayersInStandingsOrder) {
    TempDir dir;
    const std::string chart = dir.file("event.tms");
    WriteFile(chart, FourPlayers());
    CliResult result = RunCli({"standings", chart, "--type", "swiss", "--format", "csv"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Rank,Line,Name,Member,Rating,Points,BH-C1,BH,SB,WIN\r\n"
                          "1,1,\xC3\x89mile,123456,1800,2.50,4.00,4.00,3.00,2.00\r\n"
                          "2,2,Bob,,1500,2.00,4.50,4.50,2.00,2.00\r\n"
                          "3,3,Cy,,1600,1.50,2.50,4.00,1.25,1.00\r\n"
                          "4,4,Di,,1400,0.00,4.50,6.50,0.00,0.00\r\n");

    result =
        RunCli({"standings", chart, "--type", "swiss", "--format", "csv", "--tiebreaks", "win,sb"});
    EXPECT_EQ(result.out.substr(0, result.out.find('\r')),
              "Rank,Line,Name,Member,Rating,Points,WIN,SB");
}

TEST(CliStandings, TextGoesToStdoutAndOtherFormatsToTheFile) {
    TempDir dir;
    const std::string chart = dir.file("event.tms");
    WriteFile(chart, FourPlayers());
    SetEnvironment("SOURCE_DATE_EPOCH", "1716000000"); // 2024-05-18
    CliResult result = RunCli({"standings", chart, "--type", "swiss", "--name", "Club Cup"});
    SetEnvironment("SOURCE_DATE_EPOCH", nullptr);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("\n\n")),
              "Club Cup\nSwiss, 4 players, 3 rounds\nTie-breaks: BH-C1,BH,SB,WIN\n"
              "Printed 2024-05-18");

    // Without the suite's leak suppressions, as a director's sanitizer build would run: the
    // program's own must let the PDF export (fontconfig through cairo) end cleanly.
    const std::string suppressions = std::getenv("LSAN_OPTIONS") ? std::getenv("LSAN_OPTIONS") : "";
    SetEnvironment("LSAN_OPTIONS", nullptr);
    for (const char* format : {"html", "pdf", "text"}) {
        const std::string out = dir.file(std::string("standings.") + format);
        result = RunCli({"standings", chart, "--type", "swiss", "--format", format, "-o", out});
        EXPECT_EQ(result.status, 0) << format << ": " << result.err;
        EXPECT_EQ(result.out, "") << format;
        EXPECT_EQ(result.err, "") << format; // no leak report either
        EXPECT_FALSE(ReadFile(out).empty()) << format;
    }
    if (!suppressions.empty())
        SetEnvironment("LSAN_OPTIONS", suppressions.c_str());
    EXPECT_EQ(ReadFile(dir.file("standings.pdf")).rfind("%PDF-", 0), 0u);
}

TEST(CliStandings, AFaultyChartGivesNoStandings) {
    TempDir dir;
    const std::string chart = dir.file("bad.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "W2"}, {"2", "Bob", "", "abc", "L1"}}));
    const CliResult result =
        RunCli({"standings", chart, "--type", "swiss", "--format", "csv", "-o", dir.file("x.csv")});
    EXPECT_EQ(result.status, 1);
    // The fault as check prints it.
    EXPECT_EQ(result.out, "Invalid rating. Line 2, rating.\n");
    EXPECT_EQ(result.err, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.csv")));
}

TEST(CliStandings, UsageFaultsExitTwo) {
    TempDir dir;
    const std::string chart = dir.file("event.tms");
    WriteFile(chart, FourPlayers());
    const std::vector<std::vector<std::string>> bad = {
        {"standings", chart},
        {"standings", chart, "--type", "swiss", "--format", "xls"},
        {"standings", chart, "--type", "swiss", "--tiebreaks", "BH,XYZ"},
        {"standings", chart, "--type", "swiss", "--format", "pdf"},
        {"standings", chart, "--type", "swiss", "--paper", "a3"},
        {"standings", dir.file("missing.tms"), "--type", "swiss"},
    };
    for (const auto& args : bad) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_NE(result.err.find("ranvik-cli: "), std::string::npos) << args.back();
    }
}
