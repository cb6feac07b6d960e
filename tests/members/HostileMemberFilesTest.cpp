// Membership files that used to list part of their members, hang, or eat memory: each now
// gives an error, within the read limits.

#include "FixtureDescription.h"
#include "members/IsolatedReading.h"
#include "members/MemberDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace ranvik;
using namespace ranvik::test;

namespace {

// Opens and reads the first table; the error text, or "(read N rows)".
std::string ReadFirstTable(const std::string& path) {
    try {
        auto db = OpenMemberDatabase(path);
        const auto tables = db->tables();
        if (tables.empty())
            return "(no table)";
        return "(read " + std::to_string(db->readTable(tables.front()).rows.size()) + " rows)";
    } catch (const std::runtime_error& e) {
        return e.what();
    }
}

void ExecSql(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// Short limits so an endless view ends the test quickly; restored afterwards.
class ShortLimits : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = CurrentMemberReadLimits();
        CurrentMemberReadLimits().time = std::chrono::milliseconds(1500);
        CurrentMemberReadLimits().memory = std::size_t{256} << 20;
    }
    void TearDown() override { CurrentMemberReadLimits() = saved_; }
    TempDir dir;

  private:
    MemberReadLimits saved_;
};

} // namespace

TEST(HostileMemberFiles, AccessFilesCutAtAPageBoundaryAreDamagedNotPartlyListed) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    const std::string original = ReadFile(MembersDataDir() / "QRBMembers.mde");
    EXPECT_EQ(ReadFirstTable((MembersDataDir() / "QRBMembers.mde").string()), "(read 62 rows)");
    for (std::size_t size : {std::size_t{28672}, std::size_t{24576}}) {
        SCOPED_TRACE(size);
        const std::string path = dir.file("cut.mde");
        WriteFile(path, original.substr(0, size));
        const std::string error = ReadFirstTable(path);
        EXPECT_EQ(error.rfind("The Access database " + path + " is damaged: ", 0), 0u) << error;
    }
}

// A copy cut anywhere reads whole or is refused: never part of the members, never rows whose
// every field is empty (what libmdb gives, without a warning, for pages cut off).
TEST(HostileMemberFiles, AccessFilesCutAnywhereReadWholeOrNotAtAll) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir dir;
    const std::string path = dir.file("cut.mdb");
    for (const auto& [file, rows] :
         {std::pair{"ratings-as-text.mdb", 10}, {"QRBMembers.mde", 62}}) {
        const std::string original = ReadFile(MembersDataDir() / file);
        std::vector<std::size_t> sizes = {24603};
        for (std::size_t size = 2048; size < original.size(); size += 1536)
            sizes.push_back(size);
        for (const std::size_t size : sizes) {
            WriteFile(path, original.substr(0, size));
            const std::string read = ReadFirstTable(path);
            EXPECT_TRUE(read == "(read " + std::to_string(rows) + " rows)" ||
                        read.find(" " + path + " ") != std::string::npos)
                << file << " cut at " << size << ": " << read;
        }
    }
    WriteFile(path, ReadFile(MembersDataDir() / "ratings-as-text.mdb").substr(0, 24603));
    EXPECT_EQ(ReadFirstTable(path), "The Access database " + path +
                                        " is damaged: row 1 of the table Members cannot be read.");
}

// Read-only and immutable: nothing is made beside a file in WAL mode, changes not yet merged
// from its -wal file are refused rather than silently missed, and a view of millions of rows
// is refused in the helper before the program receives any of them.
TEST(HostileMemberFiles, SqliteFilesAreReadImmutableAndWithinBounds) {
    TempDir dir;
    // Characters a URI gives meaning to; Windows refuses "?" in a name.
#ifdef _WIN32
    const std::string path = dir.file("m&e#m%b.db");
#else
    const std::string path = dir.file("m?e#m%b.db");
#endif
    ExecSql(path, "PRAGMA journal_mode=WAL; CREATE TABLE m(NAME TEXT); INSERT INTO m VALUES('a');");
    EXPECT_EQ(ReadFirstTable(path), "(read 1 rows)");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    sqlite3* writer = nullptr; // left open: its change stays in the -wal file
    ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
    sqlite3_exec(writer, "PRAGMA wal_autocheckpoint=0; INSERT INTO m VALUES('b');", {}, {}, {});
    EXPECT_EQ(ReadFirstTable(path), "The SQLite database " + path + " has changes in " + path +
                                        "-wal that are not yet in the file itself; close the "
                                        "program that writes it, then try again.");
    sqlite3_close(writer);

    const std::string view = dir.file("view.db");
    ExecSql(view, "CREATE VIEW v AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM "
                  "c LIMIT 3000000) SELECT x FROM c; CREATE TABLE t(NAME TEXT);");
    EXPECT_EQ(ReadFirstTable(view), "The table v in " + view +
                                        " cannot be read: it has more than 1000000 rows; no "
                                        "membership list is that long.");
}

TEST_F(ShortLimits, AnEndlessViewGivesAnErrorWithinTheLimit) {
    struct Case {
        const char* label;
        const char* view; // a view listed before any table
    };
    const Case cases[] = {
        {"rows without end", "CREATE VIEW v AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL "
                             "SELECT x + 1 FROM c) SELECT x, randomblob(1000) FROM c;"},
        {"one row never reached", "CREATE VIEW v AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL "
                                  "SELECT x + 1 FROM c) SELECT max(x) FROM c;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = dir.file(std::string(c.label) + ".db");
        ExecSql(path, (std::string(c.view) + "CREATE TABLE t(NAME TEXT);").c_str());
        const auto start = std::chrono::steady_clock::now();
        const std::string error = ReadFirstTable(path);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        EXPECT_EQ(error.rfind("The SQLite database " + path + " cannot be read: ", 0), 0u) << error;
    }
}

TEST_F(ShortLimits, FoldersFifosAndDevicesAreRefusedAtOnce) {
    const std::string folder = dir.path().string();
    const auto start = std::chrono::steady_clock::now();
#ifndef _WIN32 // Windows has no FIFOs or device files among its files
    const std::string fifo = dir.file("members.mdb");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFirstTable(fifo),
              "The database file " + fifo + " is not a regular file (a FIFO, device or socket).");
    EXPECT_EQ(ReadFirstTable("/dev/zero"),
              "The database file /dev/zero is not a regular file (a FIFO, device or socket).");
#endif
    EXPECT_EQ(ReadFirstTable(folder), "The database file " + folder + " is a folder, not a file.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}
