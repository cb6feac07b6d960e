#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace ranvik::test;

TEST(CliSort, SortsByRatingAndRenumbersOpponents) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "1500", "W2", "D3"},
                                {"2", "Bob", "", "1800", "L1", "W3"},
                                {"3", "Cy", "", "2000", "", "D1"}}));
    const std::string out = dir.file("sorted.tms");
    const CliResult result = RunCli({"sort", chart, "--type", "swiss", "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, out + "\n");
    EXPECT_EQ(ReadFile(out), ChartText({{"1", "Cy", "", "2000", "", "D3"},
                                        {"2", "Bob", "", "1800", "L3", "W1"},
                                        {"3", "Ann", "", "1500", "W2", "D1"}}));
}

TEST(CliSort, RoundRobinIsRefused) {
    TempDir dir;
    const std::string chart = dir.file("rr.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "X", "1"}, {"2", "Bob", "", "", "0", "X"}}));
    const std::string out = dir.file("sorted.tms");
    for (const char* type : {"rr", "drr"}) {
        const CliResult result = RunCli({"sort", chart, "--type", type, "-o", out});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "Sorry. Resorting of round robin grids is not allowed.\n");
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(CliConvert, SavesUnderTheNewNameWithTmsAdded) {
    TempDir dir;
    const std::string chart = dir.file("in.txt");
    // LF line ends and a first line without its final TAB read like the written form.
    WriteFile(chart, "1\tAnn\t\t\tW2\n2\tBob\t\t\tL1\t\n");
    const std::string out = dir.file("out");
    const CliResult result = RunCli({"convert", chart, "--type", "swiss", "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, out + ".tms\n");
    EXPECT_EQ(ReadFile(out + ".tms"),
              ChartText({{"1", "Ann", "", "", "W2"}, {"2", "Bob", "", "", "L1"}}));

    // A name that starts with a dot already has an extension, as Save as sees it.
    const std::string dotted = dir.file(".chart");
    const CliResult kept = RunCli({"convert", chart, "--type", "swiss", "-o", dotted});
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(kept.out, dotted + "\n");
    EXPECT_TRUE(std::filesystem::exists(dotted));
}

TEST(CliConvert, OtherExtensionIsKeptAndRoundRobinLaysOutByType) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "W2"}, {"2", "Bob", "", "", "L1"}}));
    const std::string out = dir.file("out.chart");
    const CliResult result = RunCli({"convert", chart, "--type", "drr", "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, out + "\n");
    EXPECT_EQ(ReadFile(out), ChartText({{"1", "Ann", "", "", "W2", "", "", ""},
                                        {"2", "Bob", "", "", "L1", "", "", ""}}));
}

TEST(CliConvert, UnwritableTargetExitsTwoAndKeepsTheSource) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    const std::string content = ChartText({{"1", "Ann", "", "", ""}, {"2", "Bob", "", "", ""}});
    WriteFile(chart, content);
    const std::string out = dir.file("missing/out.tms");
    const CliResult result = RunCli({"convert", chart, "--type", "swiss", "-o", out});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Error saving " + out + ".\nNo such file or directory.\n");
    EXPECT_EQ(ReadFile(chart), content);
}

// A UTF-8 chart with a name the chart file's code page lacks: convert refuses it in the
// window's words, writing nothing, and check --all lists it as a fault.
TEST(CliConvert, ACharacterTheChartFileCannotHoldIsNamedWithItsCell) {
    TempDir dir;
    const std::string chart = dir.file("utf8.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "W2"}, {"2", "\xC5\x81ukasz", "", "", "L1"}}));
    const std::string message = "Line 2 column 1 (\"Name/Nom\") holds \"\xC5\x81\" (U+0141), a "
                                "character that cannot be saved in a chart file.";
    const CliResult converted =
        RunCli({"convert", chart, "--type", "swiss", "-o", dir.file("out.tms")});
    EXPECT_EQ(converted.status, 1);
    EXPECT_EQ(converted.err, "ranvik-cli: " + message + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tms")));
    const CliResult checked = RunCli({"check", chart, "--type", "swiss", "--all"});
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, message + "\n1 fault\n");
}
