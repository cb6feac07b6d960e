#include "CliRunner.h"
#include "EndDateCases.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

using namespace ranvik::test;

namespace {
const std::vector<std::vector<std::string>> kTwoPlayers = {
    {"1", "Ann", "123456", "1800", "W2"},
    {"2", "Bob", "", "1500", "L1"},
};

std::vector<std::string> ReportArgs(const std::string& chart, const std::string& out) {
    return {"report",     chart,     "--type",     "swiss",      "--name", "Spring Open",
            "--province", "ON",      "--end-date", "2008/06/18", "--td",   "100200",
            "--rating",   "regular", "-o",         out};
}
} // namespace

TEST(CliReport, WritesReportAndChartSideBySide) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers) + ChartText({{"3", "", "", "", ""}}));
    const std::string out = dir.file("Spring Open");
    const CliResult result = RunCli(ReportArgs(chart, out));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, out + ".qtr\n" + out + ".tms\n");
    EXPECT_EQ(result.err, "Bob: no membership number\n");
    EXPECT_EQ(
        ReadFile(out + ".qtr"),
        "\"Spring Open\",\"ON\",\"\",\"S\",\"2008/06/18\",\"2\",\"1\",\"R\",\"100200\",\"\"\r\n"
        "\"123456\"\r\n\"W\",\"2\"\r\n\"1.0\"\r\n"
        "\"999999\"\r\n\"L\",\"1\"\r\n\"0.0\"\r\n");
    // The unnamed third row was dropped by validation.
    EXPECT_EQ(ReadFile(out + ".tms"), ChartText(kTwoPlayers));
}

// A bye with a number and a forfeit naming its opponent are filed by their points, with the
// parsed opponent, as always; the check warns and the report lists them, each at its place.
TEST(CliReport, ByesAndForfeitsAreListedAndFiledAsBefore) {
    TempDir dir;
    const std::string chart = dir.file("byes.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "123456", "", "X2", "B3"},
                                {"2", "Bob", "654321", "", "F1", "H0"}}));
    const std::string bye = "A bye has no opponent: the number 3 is ignored in the report\n";
    const std::string forfeit2 =
        "The report files a forfeit against line 2 as a played game against "
        "that player; the federation asks for 0 as the opponent of a forfeit\n";
    std::string forfeit1 = forfeit2;
    forfeit1[40] = '1';
    const CliResult check = RunCli({"check", chart, "--type", "swiss", "--all"});
    EXPECT_EQ(check.out, "OK\n");
    EXPECT_EQ(check.err, "Warning: " + forfeit2 + "Warning: " + bye + "Warning: " + forfeit1);

    const std::string out = dir.file("byes");
    const CliResult result = RunCli(ReportArgs(chart, out));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "Line 1, Rd 1: " + forfeit2 + "Line 1, Rd 2: " + bye + "Line 2, Rd 1: " + forfeit1);
    EXPECT_EQ(
        ReadFile(out + ".qtr"),
        "\"Spring Open\",\"ON\",\"\",\"S\",\"2008/06/18\",\"2\",\"2\",\"R\",\"100200\",\"\"\r\n"
        "\"123456\"\r\n\"W\",\"2\"\r\n\"W\",\"0\"\r\n\"2.0\"\r\n"
        "\"654321\"\r\n\"L\",\"1\"\r\n\"D\",\"0\"\r\n\"0.5\"\r\n");
}

TEST(CliReport, OptionalFieldsActiveRatingAndOtherExtension) {
    TempDir dir;
    const std::string chart = dir.file("rr.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "111111", "", "X", "="},
                                {"2", "Bob", "222222", "", "=", "X"}}));
    const std::string out = dir.file("name.txt");
    const CliResult result =
        RunCli({"report", chart,        "--type",      "rr",         "--name",
                "RR",     "--province", "Ontario",     "--end-date", "2009/01/31",
                "--td",   "1",          "--reference", "R7",         "--organiser",
                "333333", "--rating",   "active",      "--output",   out});
    ASSERT_EQ(result.status, 0) << result.err;
    // Listed, as the window lists it for confirmation, and the report goes on.
    EXPECT_EQ(result.err, "Tournament director QRB number not six digits: 1\n");
    EXPECT_EQ(result.out, out + "\n" + dir.file("name.tms") + "\n");
    EXPECT_EQ(ReadFile(out), "\"RR\",\"Ontario\",\"R7\",\"R\",\"2009/01/31\",\"2\",\"1\",\"A\","
                             "\"1\",\"333333\"\r\n"
                             "\"111111\"\r\n\"X\"\r\n\"=\"\r\n\"0.5\"\r\n"
                             "\"222222\"\r\n\"=\"\r\n\"X\"\r\n\"0.5\"\r\n");
    EXPECT_EQ(ReadFile(dir.file("name.tms")), ReadFile(chart));
}

TEST(CliReport, FaultInTheChartWritesNothing) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "W2"}, {"2", "Bob", "", "", "W1"}}));
    const std::string out = dir.file("r.qtr");
    const CliResult result = RunCli(ReportArgs(chart, out));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Inconsistent results found. Line 1, Rd 1.\n"
                          "Cancelled: Inconsistent results.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.tms")));
}

TEST(CliReport, TournamentInformationIsCheckedLikeTheDialog) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers));
    const std::string out = dir.file("r.qtr");
    struct Case {
        std::string option;
        std::string value;
        std::string message;
    };
    const Case cases[] = {
        {"--name", "", "Please provide a name for the tournament.\n"},
        {"--province", "", "Please enter the province.\n"},
        {"--end-date", "", "Please provide an ending date.\n"},
        {"--end-date", "18/6/2008",
         "Please provide an ending date in YYYY/MM/DD format.\n\n"
         "Date must be exactly 10 characters long. Example: 2009/01/31\n"},
        {"--end-date", "18/06/2008", "Date must be in YYYY/MM/DD format. Example: 2009/01/31\n"},
        {"--td", "", "Please provide the TD's QRB number.\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = ReportArgs(chart, out);
        for (std::size_t i = 0; i + 1 < args.size(); ++i) {
            if (args[i] == c.option)
                args[i + 1] = c.value;
        }
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 1) << c.option;
        // Refused before the membership numbers are listed.
        EXPECT_EQ(result.err, c.message);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

// The shared table of ending dates: a valid one writes both files, any other exits 1 with
// the message that says which fault it is, and writes nothing.
TEST(CliReport, EndDatesOfTheTableGetTheirVerdict) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers));
    const std::string out = dir.file("r.qtr");
    for (const EndDateCase& c : EndDateCases(ranvik::Today())) {
        SCOPED_TRACE(c.date);
        std::vector<std::string> args = ReportArgs(chart, out);
        args[9] = c.date;
        const CliResult result = RunCli(args);
        const bool valid = c.verdict == ranvik::EndDateVerdict::Valid;
        EXPECT_EQ(result.status, valid ? 0 : 1) << result.err;
        EXPECT_EQ(std::filesystem::exists(out), valid);
        EXPECT_EQ(std::filesystem::exists(dir.file("r.tms")), valid);
        if (!valid) {
            EXPECT_NE(result.err.find(VerdictWords(c.verdict)), std::string::npos) << result.err;
        }
        std::filesystem::remove(out);
        std::filesystem::remove(dir.file("r.tms"));
    }
}

TEST(CliReport, ReportFolderMissingExitsTwoAndWritesNoChart) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers));
    const std::string out = dir.file("no/such/folder/r.qtr");
    const CliResult result = RunCli(ReportArgs(chart, out));
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("Error saving report to file: " + out), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("no/such/folder/r.tms")));
}

TEST(CliReport, RatingSystemIsRequired) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers));
    std::vector<std::string> args = ReportArgs(chart, dir.file("r"));
    args[12] = "--reference"; // replaces "--rating"
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("missing option '--rating'"), std::string::npos);
}

// The report named like a chart used to overwrite itself (and with -o on the input chart,
// the chart); now nothing is written and the input chart stays.
TEST(CliReport, AReportNamedLikeAChartIsRefusedAndNothingIsWritten) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers));
    for (const std::string& out :
         {chart, dir.file("same.TMS"), std::string(), dir.path().string() + "/"}) {
        const CliResult result = RunCli(ReportArgs(chart, out));
        EXPECT_EQ(result.status, 2) << out;
        EXPECT_NE(result.err.find("ranvik-cli: report: "), std::string::npos) << result.err;
        EXPECT_EQ(ReadFile(chart), ChartText(kTwoPlayers));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(CliReport, AFieldThatWouldBreakTheReportIsRefusedBeforeWriting) {
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers));
    auto args = ReportArgs(chart, dir.file("r"));
    args[5] = "Spring \"Open\"";
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("from the field \"Name of tournament\"."), std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.qtr")));
}

TEST(CliReport, AFailedWriteSaysWhyOnASecondLine) {
#ifdef _WIN32
    GTEST_SKIP() << "a link to a device (/dev/full) is for POSIX systems";
#endif
    TempDir dir;
    const std::string chart = dir.file("in.tms");
    WriteFile(chart, ChartText(kTwoPlayers));
    const std::string device = dir.file("r.qtr");
    std::filesystem::create_symlink("/dev/full", device);
    const CliResult result = RunCli(ReportArgs(chart, device));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Bob: no membership number\nError saving report to file: " + device +
                              "\nIt is a device, not a regular file.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.tms")));
}
