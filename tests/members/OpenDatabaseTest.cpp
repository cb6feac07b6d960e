// Opening a database file: the one chosen at start-up, the checks in their order, the engine
// chosen by content, and damaged or foreign files giving errors rather than crashes.

#include "FixtureDescription.h"
#include "members/MemberDatabase.h"
#include "members/StartupDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

using namespace ranvik;
using namespace ranvik::test;

namespace {

TEST(StartupDatabase, UsesTheRememberedPathElseTheProgramFolder) {
    TempDir dir;
    const std::string folder = dir.path().string();
    const std::string beside = dir.file("QRBMembers.mde"); // in the system's own spelling
    StartupDatabase choice = ChooseStartupDatabase("", folder);
    EXPECT_EQ(choice.path, beside);
    EXPECT_FALSE(choice.open);
    EXPECT_EQ(ChooseStartupDatabase("", folder + "/").path, beside);

    WriteFile(choice.path, "x");
    EXPECT_TRUE(ChooseStartupDatabase("", folder).open);

    // A remembered file that is gone is kept (and not replaced by the default).
    choice = ChooseStartupDatabase("/nowhere/members.mdb", folder);
    EXPECT_EQ(choice.path, "/nowhere/members.mdb");
    EXPECT_FALSE(choice.open);
}

std::string OpenError(const std::string& path) {
    try {
        OpenMemberDatabase(path);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(opened)";
}

// Opens and reads every table; true when that worked, false on a runtime_error.
bool ReadsCompletely(const std::string& path) {
    try {
        auto db = OpenMemberDatabase(path);
        for (const auto& table : db->tables())
            db->readTable(table);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

TEST(OpenDatabase, ChecksPathThenExistenceThenContent) {
    TempDir dir;
    EXPECT_EQ(OpenError(""), "Name of database file (*.mdb) not specified.");
    const std::string missing = dir.file("QRBMembers.mde");
    EXPECT_EQ(OpenError(missing), "Database file " + missing + " not found.");
    EXPECT_EQ(OpenError(dir.path().string()),
              "The database file " + dir.path().string() + " is a folder, not a file.");

    const std::string text = dir.file("members.mdb");
    WriteFile(text, "NUMBER,NAME\n100234,Cote\n");
    EXPECT_NE(OpenError(text).find(text), std::string::npos) << OpenError(text);
    WriteFile(dir.file("empty.mdb"), "");
    EXPECT_THROW(OpenMemberDatabase(dir.file("empty.mdb")), std::runtime_error);
}

TEST(OpenDatabase, EngineFollowsContentNotName) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    const std::string accessAsDb = dir.file("members.sqlite");
    WriteFile(accessAsDb, ReadFile(MembersDataDir() / "QRBMembers.mde"));
    EXPECT_EQ(OpenMemberDatabase(accessAsDb)->tables(), std::vector<std::string>{"Members"});

    const std::string sqliteAsMde = dir.file("QRBMembers.mde");
    WriteSqliteDatabase(sqliteAsMde, ReadFixtureDescription(MembersDataDir() / "two-tables.json"));
    EXPECT_EQ(OpenMemberDatabase(sqliteAsMde)->tables(),
              (std::vector<std::string>{"Clubs", "Members"}));

    EXPECT_EQ(DetectDatabaseFormat(std::string("\0\1\0\0Standard Jet DB\0", 20)),
              DatabaseFormat::Access);
    EXPECT_EQ(DetectDatabaseFormat(std::string("\0\1\0\0Standard ACE DB\0", 20)),
              DatabaseFormat::Access);
    EXPECT_EQ(DetectDatabaseFormat(std::string("SQLite format 3\0", 16)), DatabaseFormat::Sqlite);
    EXPECT_EQ(DetectDatabaseFormat("SQLite format 2"), DatabaseFormat::Unknown);
}

TEST(OpenDatabase, NeverWritesToTheFile) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    const std::string copy = dir.file("QRBMembers.mde");
    const std::string original = ReadFile(MembersDataDir() / "QRBMembers.mde");
    WriteFile(copy, original);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_read);
    ASSERT_TRUE(ReadsCompletely(copy));
    EXPECT_EQ(ReadFile(copy), original);
}

TEST(OpenDatabase, TruncatedFilesGiveErrors) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    for (const char* name : {"QRBMembers.mde", "two-tables.mdb"}) {
        const std::string original = ReadFile(MembersDataDir() / name);
        for (std::size_t size : {std::size_t{20}, std::size_t{100}, std::size_t{4096},
                                 std::size_t{4096 + 1000}, std::size_t{8192}}) {
            SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(size));
            const std::string path = dir.file("cut.mdb");
            WriteFile(path, original.substr(0, size));
            EXPECT_FALSE(ReadsCompletely(path));
        }
    }
    // An SQLite file cut short is refused too.
    const std::string sqlite = dir.file("full.sqlite");
    WriteSqliteDatabase(sqlite, ReadFixtureDescription(MembersDataDir() / "members.json"));
    const std::string cut = dir.file("cut.sqlite");
    WriteFile(cut, ReadFile(sqlite).substr(0, 600));
    EXPECT_FALSE(ReadsCompletely(cut));
}

// Damaged copies must read or fail with an error: never crash or hang. A fixed seed keeps the
// damage the same from run to run.
TEST(OpenDatabase, DamagedAccessFilesNeverCrash) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    std::mt19937 random(20240611);
    int failures = 0;
    // Each reading is a helper process; Wine starts one in a tenth of a second or more, where
    // Windows and Linux take a few milliseconds. Under Wine a sample of the same damage runs:
    // the reading code is the same, and the Linux suite runs it all.
    const int variants = test::UnderWine() ? 20 : 120;
    for (const char* name : {"QRBMembers.mde", "two-tables.mdb", "ratings-as-text.mdb"}) {
        const std::string original = ReadFile(MembersDataDir() / name);
        for (int variant = 0; variant < variants; ++variant) {
            std::string damaged = original;
            const bool wholePage = variant % 2 == 1;
            const std::size_t page = 4096 * (1 + random() % (damaged.size() / 4096 - 1));
            const int changes = 1 + static_cast<int>(random() % (wholePage ? 60 : 12));
            for (int k = 0; k < changes; ++k) {
                const std::size_t at =
                    wholePage ? page + random() % 4096 : 20 + random() % (damaged.size() - 20);
                damaged[at] = wholePage ? static_cast<char>(random())
                                        : static_cast<char>(damaged[at] ^ (1 << (random() % 8)));
            }
            const std::string path = dir.file("damaged.mdb");
            WriteFile(path, damaged);
            failures += ReadsCompletely(path) ? 0 : 1;
        }
    }
    EXPECT_GT(failures, 0); // the damage was real enough to be noticed somewhere
}

} // namespace
