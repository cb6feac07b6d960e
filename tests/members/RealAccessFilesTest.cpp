// Access files written by Microsoft Access itself: Jet 3, Jet 4 and .accdb.

#include "FixtureDescription.h"
#include "members/MemberDatabase.h"
#include "members/MemberTable.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>

using namespace ranvik;
using namespace ranvik::test;

namespace {

std::string RealFile(const char* name) {
    return (MembersDataDir() / "real" / name).string();
}

std::size_t FieldIndex(const MemberRows& rows, const std::string& name) {
    for (std::size_t i = 0; i < rows.fields.size(); ++i)
        if (rows.fields[i] == name)
            return i;
    ADD_FAILURE() << "no field " << name;
    return 0;
}

TEST(RealAccessFiles, Jet3TablesInFileOrderWithEveryRow) {
    RANVIK_REQUIRE_TESTDATA();
    auto db = OpenMemberDatabase(RealFile("nwind.mdb"));
    const std::vector<std::string> expected = {"Order Details", "Orders",     "Products",
                                               "Shippers",      "Categories", "Customers",
                                               "Employees",     "Suppliers",  "Umsätze"};
    ASSERT_EQ(db->tables(), expected);
    const std::map<std::string, std::size_t> counts = {
        {"Order Details", 2155}, {"Orders", 830},   {"Products", 77},
        {"Shippers", 3},         {"Categories", 8}, {"Customers", 91},
        {"Employees", 9},        {"Suppliers", 29}, {"Umsätze", 830}};
    for (const auto& [table, count] : counts)
        EXPECT_EQ(db->readTable(table).rows.size(), count) << table;

    const MemberRows shippers = db->readTable("Shippers");
    EXPECT_EQ(shippers.fields, (std::vector<std::string>{"ShipperID", "CompanyName", "Phone"}));
    EXPECT_EQ(shippers.rows[2],
              (std::vector<std::optional<std::string>>{"3", "Federal Shipping", "(503) 555-9931"}));
}

TEST(RealAccessFiles, Jet3ValuesOfEveryKind) {
    RANVIK_REQUIRE_TESTDATA();
    auto db = OpenMemberDatabase(RealFile("nwind.mdb"));
    const MemberRows orders = db->readTable("Orders");
    const auto& first = orders.rows[0];
    EXPECT_EQ(first[FieldIndex(orders, "OrderID")], "10330");
    EXPECT_EQ(first[FieldIndex(orders, "OrderDate")], "1994-11-16");
    EXPECT_EQ(first[FieldIndex(orders, "Freight")], "12.75"); // currency
    EXPECT_EQ(first[FieldIndex(orders, "ShipAddress")],
              "Carrera 52 con Ave. Bolívar #65-98 Llano Largo"); // code page text as UTF-8
    EXPECT_EQ(orders.rows[1][FieldIndex(orders, "ShipRegion")], std::nullopt);

    const MemberRows products = db->readTable("Products");
    EXPECT_EQ(products.rows[0][FieldIndex(products, "Discontinued")], "False");
    EXPECT_EQ(products.rows[4][FieldIndex(products, "Discontinued")], "True");
    EXPECT_EQ(products.rows[4][FieldIndex(products, "UnitPrice")], "21.35");

    const MemberRows details = db->readTable("Order Details");
    EXPECT_EQ(details.rows[1][FieldIndex(details, "UnitPrice")], "9.8");
    for (const auto& row : details.rows) {
        const std::string discount = row[FieldIndex(details, "Discount")].value_or("?");
        ASSERT_EQ(discount.find(','), std::string::npos) << discount; // never a locale comma
    }
}

TEST(RealAccessFiles, Jet4DatesAndMemos) {
    RANVIK_REQUIRE_TESTDATA();
    auto db = OpenMemberDatabase(RealFile("DateTestDatabase.mdb"));
    ASSERT_EQ(db->tables(), std::vector<std::string>{"DateTest"});
    const MemberRows rows = db->readTable("DateTest");
    ASSERT_EQ(rows.rows.size(), 6u);
    EXPECT_EQ(rows.rows[0][1], "2021-12-02");
    EXPECT_EQ(rows.rows[1][1], "9999-01-01");
    EXPECT_EQ(rows.rows[1][4], "Year 9999"); // memo
    EXPECT_EQ(rows.rows[5][4], "New line\r\nin field");
}

TEST(RealAccessFiles, AccdbReadsAndOrdersOnATextColumn) {
    RANVIK_REQUIRE_TESTDATA();
    auto db = OpenMemberDatabase(RealFile("ASampleDatabase.accdb"));
    ASSERT_EQ(db->tables(), std::vector<std::string>{"Asset Items"});
    MemberRows rows = db->readTable("Asset Items");
    ASSERT_EQ(rows.rows.size(), 65u);
    EXPECT_EQ(rows.rows[0][0], "30050");
    EXPECT_EQ(rows.rows[0][FieldIndex(rows, "Cost")], "1995.5");

    // The membership orderings work on any table that has the three fields.
    const std::size_t make = FieldIndex(rows, "Make");
    rows.fields[make] = "NAME";
    rows.fields[FieldIndex(rows, "Asset No")] = "NUMBER";
    rows.fields[FieldIndex(rows, "Owner")] = "PROV";
    MemberTable table("Asset Items", rows);
    MemberOrdering& byName = table.ordering(MemberOrder::Name);
    ASSERT_TRUE(byName.find("geo b"));
    EXPECT_EQ(table.value(*byName.currentRow(), make), "GEO Blast");
    EXPECT_EQ(*byName.currentRow(), 1u); // the first GEO Blast row in file order
}

} // namespace
