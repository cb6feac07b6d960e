// Hostile names and values at the command line: each run is refused with its reason and
// leaves no file behind; membership values with control characters; the folder lock as a
// second process sees it.

#include "CliRunner.h"
#include "support/TrfText.h"

#include <gtest/gtest.h>

#include "platform/Files.h"

#include <sqlite3.h>

#include <chrono>
#include <optional>
#include <thread>

using namespace ranvik::test;

namespace {

const std::string kChart =
    ChartText({{"1", "Ann Lee", "", "1500", "W2"}, {"2", "Bob Ray", "", "1600", "L1"}});

TEST(CliHostileInputs, OutputNamesAreRefusedWithTheirReasonAndWriteNothing) {
    TempDir dir;
    const std::string trf = dir.file("event.trf");
    WriteFile(trf, TrfFileText({{1, "Ann", "", "", {"2w1"}}, {2, "Bob", "", "", {"1b0"}}}));
    const std::string chart = dir.file("event.tms");
    WriteFile(chart, kChart);
    const std::string folder = dir.path().string() + "/";
    const std::string longPath = folder + std::string(4990, 'p');
    const std::string almost = dir.file(std::string(253, 'a')); // ".tms" makes it 257
    const std::string nowhere = dir.file("no/such/folder.txt");
    const std::string tooLong = " bytes long; a file or folder name is 255 bytes at most.\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"import-trf", trf, "-o", ""}, "ranvik-cli: import-trf: No file name was given.\n"},
        {{"match", chart, "--type", "swiss", "m.db", "-o", folder},
         "ranvik-cli: match: The name ends in a folder separator, so it names no file.\n"},
        {{"standings", chart, "--type", "swiss", "-o", dir.file(std::string(300, 'n'))},
         "ranvik-cli: standings: A name in the path is 300" + tooLong},
        {{"convert", chart, "--type", "swiss", "-o", longPath},
         "ranvik-cli: convert: The path is " + std::to_string(longPath.size()) +
             " bytes long; the system takes 4095 at most.\n"},
        {{"convert", chart, "--type", "swiss", "-o", almost},
         "Error saving " + almost + ".tms.\nA name in the path is 257" + tooLong},
        {{"standings", chart, "--type", "swiss", "-o", nowhere},
         "Error saving " + nowhere + ".\nNo such file or directory.\n"},
        {{"import-trf", dir.file("gone.trf"), "-o", "x"},
         "ranvik-cli: Cannot read " + dir.file("gone.trf") + ": No such file or directory\n"},
    };
    for (const auto& [args, err] : cases) {
        SCOPED_TRACE(args.front() + " " + args.back().substr(0, 60));
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, err);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    }
}

// A membership number holding a NUL never reaches the chart, whose check must then still read
// it; control characters in a name become spaces; both are said.
TEST(CliHostileInputs, MatchKeepsControlCharactersOutOfTheChart) {
    TempDir dir;
    const std::string db = dir.file("members.sqlite");
    sqlite3* sql = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &sql), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(sql,
                           "CREATE TABLE Members(NUMBER, NAME, PROV, RATING, ACT_RATING); "
                           "INSERT INTO Members VALUES ('100001', 'Lee,' || char(7) || 'Ann', "
                           "'QC', 1500, 1400), (CAST(X'31303030003032' AS TEXT), 'Ray, Bob', "
                           "'QC', 1600, 1600);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(sql);
    const std::string chart = dir.file("event.tms");
    WriteFile(chart, kChart);
    const std::string out = dir.file("matched.tms");
    const CliResult result = RunCli({"match", chart, "--type", "swiss", db, "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Matched: 1 (regular ratings)\n  Line 1: Lee, Ann 100001 1500 (control "
                          "characters in the name written as spaces)\nLeft as they were: 1\n"
                          "  Line 2: not written: the member's NUMBER holds a control character "
                          "(U+0000)\n" +
                              out + "\n");
    EXPECT_EQ(RunCli({"check", out, "--type", "swiss"}).out, "OK\n");
}

// A convert into a folder whose lock another process holds (a report writing its pair; here
// this test) waits for it, so it can never land between the two files of a pair.
TEST(CliHostileInputs, ConvertWaitsForTheFolderLock) {
    TempDir dir;
    const std::string chart = dir.file("event.tms");
    WriteFile(chart, kChart);
    const std::string out = dir.file("copy.tms");
    std::optional<ranvik::platform::FolderLock> held(dir.path());
    ASSERT_TRUE(held->held());
    std::thread convert([&] {
        EXPECT_EQ(RunCli({"convert", chart, "--type", "swiss", "-o", out}).status, 0);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_FALSE(std::filesystem::exists(out)) << "written while another process held the lock";
    held.reset();
    convert.join();
    EXPECT_EQ(ReadFile(out), kChart);
}

} // namespace
