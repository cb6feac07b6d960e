// The Access and SQLite engines read the same content the same way: one suite, run on both.

#include "FixtureDescription.h"
#include "members/MemberDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

using namespace ranvik;
using namespace ranvik::test;

namespace {

// The fixture files and the descriptions they were made from.
const std::map<std::string, std::string> kFixtures = {
    {"members.json", "QRBMembers.mde"},
    {"two-tables.json", "two-tables.mdb"},
    {"ratings-as-text.json", "ratings-as-text.mdb"},
};

class EngineTest : public ::testing::TestWithParam<Engine> {
  protected:
    // The database holding a fixture's content, in the engine under test.
    std::string databaseFor(const std::string& description) {
        return DatabaseFor(GetParam(), description, kFixtures.at(description), dir_.path());
    }

    MemberRows membersRows() {
        auto db = OpenMemberDatabase(databaseFor("members.json"));
        return db->readTable("Members");
    }

  private:
    TempDir dir_;
};

TEST_P(EngineTest, EveryFixtureReadsExactlyAsDescribed) {
    RANVIK_REQUIRE_TESTDATA();
    for (const auto& [description, file] : kFixtures) {
        SCOPED_TRACE(description);
        const auto expected = ReadFixtureDescription(MembersDataDir() / description);
        auto db = OpenMemberDatabase(databaseFor(description));
        std::vector<std::string> expectedNames;
        for (const auto& table : expected)
            expectedNames.push_back(table.name);
        ASSERT_EQ(db->tables(), expectedNames);
        for (const auto& table : expected) {
            SCOPED_TRACE(table.name);
            const MemberRows rows = db->readTable(table.name);
            std::vector<std::string> fields;
            for (const auto& column : table.columns)
                fields.push_back(column.name);
            EXPECT_EQ(rows.fields, fields);
            ASSERT_EQ(rows.rows.size(), table.rows.size());
            for (std::size_t r = 0; r < rows.rows.size(); ++r)
                EXPECT_EQ(rows.rows[r], table.rows[r]) << "row " << r + 1;
        }
    }
}

TEST_P(EngineTest, KeepsNullEmptyLeadingZerosNumbersAndUnicodeApart) {
    RANVIK_REQUIRE_TESTDATA();
    const MemberRows rows = membersRows();
    ASSERT_EQ(rows.rows.size(), 62u);
    // Columns: NUMBER NAME PROV CITY RATING ACT_RATING EXPIRY FIDE_ID; rows counted from 0.
    EXPECT_EQ(rows.rows[6][0], "012345");
    EXPECT_EQ(rows.rows[7][0], "10234");
    EXPECT_EQ(rows.rows[8][0], std::nullopt);
    EXPECT_EQ(rows.rows[9][1], std::nullopt);
    EXPECT_EQ(rows.rows[10][2], std::optional<std::string>(""));
    EXPECT_EQ(rows.rows[11][4], std::nullopt);
    EXPECT_EQ(rows.rows[11][5], "1480");
    EXPECT_EQ(rows.rows[13][4], "0");
    EXPECT_EQ(rows.rows[0][4], "1850");
    EXPECT_EQ(rows.rows[0][1], "Côté, Hélène");
    EXPECT_EQ(rows.rows[15][1], "李, 中平");
    bool foundPolish = false;
    for (const auto& row : rows.rows)
        foundPolish = foundPolish || row[1] == "Łukaszewicz, Piotr";
    EXPECT_TRUE(foundPolish);
}

TEST_P(EngineTest, UnknownTableIsAnError) {
    RANVIK_REQUIRE_TESTDATA();
    auto db = OpenMemberDatabase(databaseFor("two-tables.json"));
    EXPECT_THROW(db->readTable("Players"), std::runtime_error);
    EXPECT_EQ(db->readTable("Clubs").rows.size(), 3u); // still usable afterwards
}

INSTANTIATE_TEST_SUITE_P(BothEngines, EngineTest, ::testing::Values(Engine::Access, Engine::Sqlite),
                         ::testing::PrintToStringParamName());

} // namespace
