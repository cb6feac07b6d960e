#include "document/RecentCharts.h"
#include "members/Settings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ranvik;

namespace {
using List = std::vector<std::string>;

TEST(RecentCharts, NewestFirstNoRepeatsAtMostEight) {
    struct Case {
        List before;
        std::string path;
        List after;
    };
    const Case cases[] = {
        {{}, "a", {"a"}},
        {{"a", "b"}, "c", {"c", "a", "b"}},
        {{"a", "b", "c"}, "b", {"b", "a", "c"}},
        {{"a", "b"}, "a", {"a", "b"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithRecentChart(c.before, c.path), c.after) << c.path;
}

TEST(RecentCharts, KeptInTheirOwnSectionAndTidiedOnReading) {
    ranvik::test::TempDir dir;
    const std::string ini = dir.file("Ranvik.ini");
    ASSERT_TRUE(SaveDatabaseSetting(ini, "/db/QRBMembers.mde"));
    ASSERT_TRUE(SaveSettingList(ini, kRecentChartsSection, {"/a.tms", "/b.tms", "/a.tms"}));
    EXPECT_EQ(LoadRecentCharts(ini), (List{"/a.tms", "/b.tms"}));
    EXPECT_EQ(RememberRecentChart(ini, "/c.tms"), (List{"/c.tms", "/a.tms", "/b.tms"}));
    EXPECT_EQ(LoadRecentCharts(ini), (List{"/c.tms", "/a.tms", "/b.tms"}));
    EXPECT_EQ(LoadDatabaseSetting(ini, ""), "/db/QRBMembers.mde");
    // A relative name is kept whole, so it is the same entry from any folder.
    const std::string whole = (std::filesystem::current_path() / "d.tms").string();
    EXPECT_EQ(RememberRecentChart(ini, "./d.tms").front(), whole);
    EXPECT_EQ(RememberRecentChart(ini, whole).size(), 4U);
}
} // namespace
