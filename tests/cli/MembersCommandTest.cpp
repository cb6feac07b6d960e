// ranvik-cli members: the membership table as the program shows it, and the search.

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace ranvik::test;

namespace {

std::string Members() {
    return (TestDataDir() / "members" / "QRBMembers.mde").string();
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(MembersCommand, PrintsTheTableInTheChosenOrdering) {
    RANVIK_REQUIRE_TESTDATA();
    const CliResult byName = RunCli({"members", Members()});
    ASSERT_EQ(byName.status, 0) << byName.err;
    const auto lines = Lines(byName.out);
    ASSERT_EQ(lines.size(), 63u);
    EXPECT_EQ(lines[0], "NUMBER\tNAME\tPROV\tCITY\tRATING\tACT_RATING\tEXPIRY\tFIDE_ID");
    EXPECT_EQ(lines[1], "102001\t\tAB\tCalgary\t1600\t1588\t2025-10-31\t"); // NULL name first
    EXPECT_EQ(RunCli({"members", Members(), "--order", "name"}).out, byName.out);

    const auto byNumber = Lines(RunCli({"members", "--order", "number", Members()}).out);
    EXPECT_TRUE(StartsWith(byNumber[1], "\tBouchard, Émilie")) << byNumber[1]; // NULL number first
    EXPECT_TRUE(StartsWith(byNumber[2], "012345\t")) << byNumber[2];
    const auto byProv = Lines(RunCli({"members", Members(), "--order", "prov"}).out);
    EXPECT_TRUE(StartsWith(byProv[1], "102230\tBélanger, François\t\t")) << byProv[1];
}

TEST(MembersCommand, FindPrintsTheRecordTheSearchLandsOn) {
    RANVIK_REQUIRE_TESTDATA();
    CliResult result = RunCli({"members", Members(), "--find", "smi"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "101450\tSmi, Ann\tON\tKingston\t1210\t1199\t2025-01-31\t\n");
    result = RunCli({"members", Members(), "--find", "COTE"});
    EXPECT_TRUE(StartsWith(result.out, "100234\tCôté, Hélène")) << result.out;
    result = RunCli({"members", Members(), "--order", "number", "--find", "1011"});
    EXPECT_TRUE(StartsWith(result.out, "101122\tSmith, John\t")) << result.out;
    result = RunCli({"members", Members(), "--find", "zzz"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
}

TEST(MembersCommand, UsageAndDatabaseFaultsExitTwo) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    const std::string missing = dir.file("none.mde");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"members"}, "no database file given"},
        {{"members", Members(), "--order", "city"}, "unknown ordering 'city'"},
        {{"members", Members(), "--find"}, "option '--find' needs a value"},
        {{"members", Members(), "--bogus"}, "unknown option '--bogus'"},
        {{"members", missing}, "Database file " + missing + " not found."},
        {{"members", (TestDataDir() / "members" / "two-tables.mdb").string()}, "has no field NAME"},
        {{"members", Members(), "--order", "name", "--order", "number"},
         "option '--order' given twice"},
        {{"members", Members(), "--find", "a", "--find", "b"}, "option '--find' given twice"},
        {{"members", dir.path().string()}, "is a folder, not a file."},
        {{"members", Members(), Members()}, "only one database file is taken"},
        {{"members", Members(), "--order=number", "--find"}, "option '--find' needs a value"},
    };
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

} // namespace
