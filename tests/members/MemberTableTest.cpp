// The membership table in memory: the three orderings and the incremental search, on the
// Access fixture and on the same content in SQLite.

#include "members/MemberTable.h"
#include "FixtureDescription.h"
#include "members/MemberDatabase.h"
#include "members/PlayerValues.h"
#include "members/TextFold.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ranvik;
using namespace ranvik::test;

namespace {

class MemberTableTest : public ::testing::TestWithParam<Engine> {
  protected:
    MemberTable load(const std::string& description, const std::string& mdb) {
        auto db = OpenMemberDatabase(DatabaseFor(GetParam(), description, mdb, dir_.path()));
        return LoadMemberTable(*db);
    }
    MemberTable members() { return load("members.json", "QRBMembers.mde"); }

    // Table row (counted from 1, as in the fixture notes) of an ordering's current record.
    static std::size_t CurrentRow(const MemberOrdering& ordering) {
        return *ordering.currentRow() + 1;
    }

  private:
    TempDir dir_;
};

std::string Text(const MemberTable& table, std::size_t row, const char* field) {
    return table.value(row, field).value_or("");
}

TEST_P(MemberTableTest, OrderingsIgnoreCaseAndAccentsPutEmptyFirstAndKeepTies) {
    RANVIK_REQUIRE_TESTDATA();
    const MemberTable table = members();
    ASSERT_EQ(table.rowCount(), 62u);
    for (MemberOrder order : {MemberOrder::Name, MemberOrder::Number, MemberOrder::Province}) {
        const char* field = OrderFieldName(order);
        SCOPED_TRACE(field);
        const MemberOrdering& ordering = table.ordering(order);
        ASSERT_EQ(ordering.size(), 62u);
        for (std::size_t p = 1; p < ordering.size(); ++p) {
            const std::size_t a = ordering.rowAt(p - 1), b = ordering.rowAt(p);
            const std::string ka = FoldForCompare(Text(table, a, field));
            const std::string kb = FoldForCompare(Text(table, b, field));
            ASSERT_LE(ka, kb) << "positions " << p - 1 << " and " << p;
            if (ka == kb) {
                ASSERT_LT(a, b) << "ties keep the table's own order";
            }
        }
    }
    const MemberOrdering& byName = table.ordering(MemberOrder::Name);
    EXPECT_EQ(byName.rowAt(0), 9u); // the NULL name (row 10)
    // "Côté" sorts as "cote": after "Chen", before "de la Fontaine".
    std::size_t cote = 0;
    while (Text(table, byName.rowAt(cote), "NAME") != "Côté, Hélène")
        ++cote;
    EXPECT_EQ(Text(table, byName.rowAt(cote - 1), "NAME"), "Chen, Wei");
    EXPECT_EQ(Text(table, byName.rowAt(cote + 1), "NAME"), "de la Fontaine, Luc");

    const MemberOrdering& byNumber = table.ordering(MemberOrder::Number);
    EXPECT_EQ(byNumber.rowAt(0), 8u); // NULL number (row 9)
    EXPECT_EQ(byNumber.rowAt(1), 6u); // 012345 (row 7)
    const MemberOrdering& byProv = table.ordering(MemberOrder::Province);
    EXPECT_EQ(byProv.rowAt(0), 10u); // empty province (row 11)
}

TEST_P(MemberTableTest, NameSearchFindsFirstPrefixRegardlessOfCaseAndAccents) {
    RANVIK_REQUIRE_TESTDATA();
    MemberTable table = members();
    MemberOrdering& byName = table.ordering(MemberOrder::Name);
    EXPECT_TRUE(byName.find("s"));
    EXPECT_TRUE(byName.find("sm"));
    EXPECT_TRUE(byName.find("smi"));
    EXPECT_EQ(CurrentRow(byName), 5u); // "Smi, Ann"
    EXPECT_TRUE(byName.find("smith"));
    EXPECT_EQ(CurrentRow(byName), 3u); // "Smith, John" before "smith, john"
    EXPECT_TRUE(byName.find("SMITH, J"));
    EXPECT_EQ(CurrentRow(byName), 3u);
    EXPECT_TRUE(byName.find("smithe"));
    EXPECT_EQ(CurrentRow(byName), 6u);

    // A further letter nothing continues with: the record stays on the last match.
    EXPECT_FALSE(byName.find("smithex"));
    EXPECT_EQ(CurrentRow(byName), 6u);

    for (const char* typed : {"cote", "COTÉ, h", "Côté"}) {
        EXPECT_TRUE(byName.find(typed)) << typed;
        EXPECT_EQ(CurrentRow(byName), 1u) << typed;
    }
    EXPECT_TRUE(byName.find("lukasz"));
    EXPECT_EQ(Text(table, *byName.currentRow(), "NAME"), "Łukaszewicz, Piotr");
    EXPECT_TRUE(byName.find("李"));
    EXPECT_EQ(CurrentRow(byName), 16u);

    // Empty text finds only an empty (here NULL) name.
    byName.last();
    EXPECT_TRUE(byName.find(""));
    EXPECT_EQ(CurrentRow(byName), 10u);
}

TEST_P(MemberTableTest, NumberSearchAndSeparateCurrentRecords) {
    RANVIK_REQUIRE_TESTDATA();
    MemberTable table = members();
    MemberOrdering& byNumber = table.ordering(MemberOrder::Number);
    MemberOrdering& byName = table.ordering(MemberOrder::Name);
    EXPECT_TRUE(byNumber.find("1011"));
    EXPECT_EQ(CurrentRow(byNumber), 3u); // 101122
    EXPECT_TRUE(byNumber.find("012"));
    EXPECT_EQ(CurrentRow(byNumber), 7u);
    EXPECT_TRUE(byNumber.find("10234"));
    EXPECT_EQ(CurrentRow(byNumber), 8u);
    EXPECT_FALSE(byNumber.find("0123456"));
    EXPECT_EQ(CurrentRow(byNumber), 8u);

    byName.last();
    EXPECT_EQ(CurrentRow(byNumber), 8u); // untouched by moves of the name ordering
    EXPECT_EQ(byName.position(), 61u);
    byName.next();
    EXPECT_EQ(byName.position(), 61u);
    byName.first();
    byName.prior();
    EXPECT_EQ(byName.position(), 0u);
    byName.next();
    EXPECT_EQ(byName.position(), 1u);
    byName.setPosition(1000);
    EXPECT_EQ(byName.position(), 61u);
}

TEST_P(MemberTableTest, EmptySearchWithoutEmptyFieldStaysPut) {
    RANVIK_REQUIRE_TESTDATA();
    MemberTable table = load("ratings-as-text.json", "ratings-as-text.mdb");
    MemberOrdering& byName = table.ordering(MemberOrder::Name);
    byName.setPosition(4);
    EXPECT_FALSE(byName.find(""));
    EXPECT_EQ(byName.position(), 4u);
}

TEST_P(MemberTableTest, FirstTableIsUsedAndMissingFieldsAreNamed) {
    RANVIK_REQUIRE_TESTDATA();
    try {
        load("two-tables.json", "two-tables.mdb");
        ADD_FAILURE() << "the Clubs table has no member fields";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Clubs"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("NAME"), std::string::npos) << e.what();
    }
    const MemberTable table = load("ratings-as-text.json", "ratings-as-text.mdb");
    EXPECT_EQ(table.value(0, "act_rating"), "1800"); // field names regardless of case
    try {
        table.value(0, "FIDE_ID");
        ADD_FAILURE() << "no FIDE_ID field here";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("FIDE_ID"), std::string::npos) << e.what();
    }
}

TEST_P(MemberTableTest, RatingsGoIntoTheChartOnlyAsWholeNumbers) {
    RANVIK_REQUIRE_TESTDATA();
    const MemberTable table = load("ratings-as-text.json", "ratings-as-text.mdb");
    // By row: the RATING and ACT_RATING texts the chart receives.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"1850", "1800"},  {" 1850", "unr."}, {"+1850", "0"},   {"-5", "-0"},     {"$7D0", "0017"},
        {"0x7D0", "unr."}, {"unr.", "unr."},  {"unr.", "unr."}, {"unr.", "unr."}, {"unr.", "unr."},
    };
    ASSERT_EQ(table.rowCount(), expected.size());
    for (std::size_t r = 0; r < expected.size(); ++r) {
        EXPECT_EQ(RatingForChart(table.value(r, "RATING")), expected[r].first) << r + 1;
        EXPECT_EQ(RatingForChart(table.value(r, "ACT_RATING")), expected[r].second) << r + 1;
    }
    const MemberTable full = members();
    EXPECT_EQ(RatingForChart(full.value(13, "RATING")), "0"); // rating 0 stays 0
    EXPECT_EQ(RatingForChart(full.value(11, "RATING")), "unr.");
}

INSTANTIATE_TEST_SUITE_P(BothEngines, MemberTableTest,
                         ::testing::Values(Engine::Access, Engine::Sqlite),
                         ::testing::PrintToStringParamName());

TEST(MemberTable, NumbersStoredAsNumbersAreSearchedAsText) {
    TempDir dir;
    FixtureTable description{"Players",
                             {{"NUMBER", "long"}, {"NAME", "text"}, {"PROV", "text"}},
                             {{"101122", "Smith, John", "ON"},
                              {"9", "Nine, Nina", "QC"},
                              {"101450", "Smi, Ann", "ON"},
                              {std::nullopt, "Nobody, No", "BC"}}};
    const std::string path = dir.file("numeric.sqlite");
    WriteSqliteDatabase(path, {description});
    auto db = OpenMemberDatabase(path);
    MemberTable table = LoadMemberTable(*db);
    MemberOrdering& byNumber = table.ordering(MemberOrder::Number);
    EXPECT_TRUE(byNumber.find("1014"));
    EXPECT_EQ(byNumber.currentRow(), 2u);
    EXPECT_TRUE(byNumber.find("101122"));
    EXPECT_EQ(byNumber.currentRow(), 0u);
    EXPECT_TRUE(byNumber.find(""));
    EXPECT_EQ(byNumber.currentRow(), 3u);
}

TEST(MemberTable, EmptyTableHasNoCurrentRecord) {
    MemberRows rows;
    rows.fields = {"NAME", "NUMBER", "PROV"};
    MemberTable table("Members", rows);
    MemberOrdering& byName = table.ordering(MemberOrder::Name);
    EXPECT_EQ(byName.currentRow(), std::nullopt);
    EXPECT_FALSE(byName.find(""));
    EXPECT_FALSE(byName.find("a"));
    byName.next();
    byName.last();
    byName.prior();
    EXPECT_EQ(byName.position(), 0u);

    rows.rows.push_back({"only two"});
    EXPECT_THROW(MemberTable("Members", rows), std::runtime_error);
}

TEST(TextFold, FoldsCaseAndLatinAccentsOnly) {
    EXPECT_EQ(FoldForCompare("Côté, Hélène"), "cote, helene");
    EXPECT_EQ(FoldForCompare("LEBLANC, Marc-André"), "leblanc, marc-andre");
    EXPECT_EQ(FoldForCompare("Łukaszewicz, Dvořák, Šťastný"), "lukaszewicz, dvorak, stastny");
    EXPECT_EQ(FoldForCompare("Straße, Ærø, Œuvre"), "strasse, aero, oeuvre");
    EXPECT_EQ(FoldForCompare("Ÿ ÿ ı İ"), "y y i i");
    EXPECT_EQ(FoldForCompare("e\xCC\x81te\xCC\x81"), "ete"); // combining accents dropped
    EXPECT_EQ(FoldForCompare("李, 中平 ΑΒΓ"), "李, 中平 ΑΒΓ");
    EXPECT_EQ(FoldForCompare("× ÷ 😀"), "× ÷ 😀");
    EXPECT_EQ(FoldForCompare("A\xFF\xC3"), "a\xFF\xC3"); // broken UTF-8 kept byte for byte
}

} // namespace
