// Hostile inputs and names at the command line: each run is refused with its reason on one
// line and leaves no file behind; the membership values and the folder lock as a second
// process sees them.

#include "CliRunner.h"
#include "members/FixtureDescription.h"
#include "support/TrfText.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace ranvik::test;

namespace {

const std::vector<TrfPlayerSpec> kPlayers = {{1, "Ann Lee", "1500", "", {"2w1"}},
                                             {2, "Bob Ray", "1600", "", {"1b0"}}};

std::vector<std::string> Entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CliHostileInputs, AreRefusedWithTheirReasonAndWriteNothing) {
    TempDir dir;
    const std::string trf = dir.file("event.trf");
    WriteFile(trf, TrfFileText(kPlayers));
    const std::string utf16 = dir.file("utf16.trf");
    WriteFile(utf16, std::string{'\xFF', '\xFE', '0', '\0', '0', '\0', '1', '\0'});
    const std::string nulColour = dir.file("nul.trf");
    WriteFile(nulColour, TrfFileText({{1, "Ann", "", "", {std::string{'2', '\0', '1'}}},
                                      {2, "Bob", "", "", {"1b0"}}}));
    const std::string chart = dir.file("event.tms");
    WriteFile(chart,
              ChartText({{"1", "Ann Lee", "", "1500", "W2"}, {"2", "Bob Ray", "", "1600", "L1"}}));
    const std::string folder = dir.path().string() + "/";
    const std::string longName = dir.file(std::string(300, 'n'));
    const std::string longPath = folder + std::string(4990, 'p');
    const std::string missing = dir.file("missing.trf");
    const std::string nowhere = dir.file("no/such/folder.txt");
    const std::string almost = dir.file(std::string(253, 'a')); // ".tms" makes it 257
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const std::string bytesLong = "; a file or folder name is 255 bytes at most.\n";
    const Case cases[] = {
        {{"import-trf", utf16, "-o", "x"},
         1,
         "ranvik-cli: cannot import " + utf16 +
             ": The file is saved as UTF-16; save it as plain text.\n"},
        {{"import-trf", nulColour, "-o", "x"},
         1,
         "ranvik-cli: cannot import " + nulColour +
             ": Line 2: round 1 (columns 92-99): the colour 'U+0000' is not w, b or -.\n"},
        {{"import-trf", missing, "-o", "x"},
         2,
         "ranvik-cli: Cannot read " + missing + ": No such file or directory\n"},
        {{"import-trf", trf, "-o", ""}, 2, "ranvik-cli: import-trf: No file name was given.\n"},
        {{"import-trf", trf, "-o", folder},
         2,
         "ranvik-cli: import-trf: The name ends in a folder separator, so it names no file.\n"},
        {{"match", chart, "--type", "swiss", "members.db", "-o", folder},
         2,
         "ranvik-cli: match: The name ends in a folder separator, so it names no file.\n"},
        {{"standings", chart, "--type", "swiss", "-o", ""},
         2,
         "ranvik-cli: standings: No file name was given.\n"},
        {{"standings", chart, "--type", "swiss", "-o", longName},
         2,
         "ranvik-cli: standings: A name in the path is 300 bytes long" + bytesLong},
        {{"convert", chart, "--type", "swiss", "-o", longPath},
         2,
         "ranvik-cli: convert: The path is " + std::to_string(longPath.size()) +
             " bytes long; the system takes 4095 at most.\n"},
        {{"convert", chart, "--type", "swiss", "-o", almost},
         2,
         "Error saving " + almost + ".tms.\nA name in the path is 257 bytes long" + bytesLong},
        {{"standings", chart, "--type", "swiss", "-o", nowhere},
         2,
         "Error saving " + nowhere + ".\nNo such file or directory.\n"},
    };
    const std::vector<std::string> before = Entries(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back().substr(0, 80));
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(Entries(dir.path()), before);
    }
}

// A membership value holding a NUL (an SQLite text) never reaches the chart, whose check must
// then still read it; control characters in a name become spaces, and both are said.
TEST(CliHostileInputs, MatchKeepsControlCharactersOutOfTheChart) {
    TempDir dir;
    const std::string db = dir.file("members.sqlite");
    std::string nulNumber = "1000-02";
    nulNumber[4] = '\0';
    WriteSqliteDatabase(db, {{"Members",
                              {{"NUMBER", "text"},
                               {"NAME", "text"},
                               {"PROV", "text"},
                               {"RATING", "long"},
                               {"ACT_RATING", "long"}},
                              {{"100001", "Lee,\aAnn", "QC", "1500", "1400"},
                               {nulNumber, "Ray, Bob", "QC", "1600", "1600"}}}});
    const std::string chart = dir.file("event.tms");
    WriteFile(chart,
              ChartText({{"1", "Ann Lee", "", "1500", "W2"}, {"2", "Bob Ray", "", "1600", "L1"}}));
    const std::string out = dir.file("matched.tms");
    const CliResult result = RunCli({"match", chart, "--type", "swiss", db, "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Matched: 1 (regular ratings)\n"
                          "  Line 1: Lee, Ann 100001 1500 (control characters in the name "
                          "written as spaces)\n"
                          "Left as they were: 1\n"
                          "  Line 2: not written: the member's NUMBER holds a control character "
                          "(U+0000)\n" +
                              out + "\n");
    EXPECT_EQ(RunCli({"check", out, "--type", "swiss"}).out, "OK\n");
}

// The folder lock as another process sees it: a convert into a folder whose lock a report
// (here this test) holds waits for it, so it can never land between the two files of a pair.
TEST(CliHostileInputs, ConvertWaitsForTheFolderLock) {
    TempDir dir;
    const std::string chart = dir.file("event.tms");
    WriteFile(chart, ChartText({{"1", "Ann", "", "", "W2"}, {"2", "Bob", "", "", "L1"}}));
    const std::string out = dir.file("copy.tms");
    const int folder = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    ASSERT_EQ(flock(folder, LOCK_EX), 0);
    std::thread convert([&] {
        EXPECT_EQ(RunCli({"convert", chart, "--type", "swiss", "-o", out}).status, 0);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_FALSE(std::filesystem::exists(out)) << "written while another process held the lock";
    close(folder);
    convert.join();
    EXPECT_EQ(ReadFile(out), ReadFile(chart));
}

} // namespace
