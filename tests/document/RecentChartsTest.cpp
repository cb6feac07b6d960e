#include "document/RecentCharts.h"

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

TEST(RecentCharts, RememberedAndTidiedOnReading) {
    ranvik::test::TempDir dir;
    const std::string ini = dir.file("Ranvik.ini");
    const std::string a = dir.file("a.tms");
    const std::string b = dir.file("b.tms");
    const std::string c = dir.file("c.tms");
    Settings settings(ini);
    ASSERT_TRUE(settings.set(setting::DatabaseName, dir.file("QRBMembers.mde")));
    // The same chart spelled another way (a hand edit; "/" on Windows) is one entry.
    const std::string aAgain = (dir.path() / "sub" / ".." / "a.tms").generic_string();
    ASSERT_TRUE(settings.set(setting::RecentCharts, {a, b, aAgain}));
    EXPECT_EQ(LoadRecentCharts(settings), (List{a, b}));
    EXPECT_EQ(RememberRecentChart(settings, c), (List{c, a, b}));
    EXPECT_EQ(LoadRecentCharts(Settings(ini)), (List{c, a, b}));
    EXPECT_EQ(RememberRecentChart(settings, aAgain), (List{a, c, b}));
    EXPECT_EQ(Settings(ini).get(setting::DatabaseName), dir.file("QRBMembers.mde"));
    // A relative name is kept whole, so it is the same entry from any folder.
    const std::string whole = (std::filesystem::current_path() / "d.tms").string();
    EXPECT_EQ(RememberRecentChart(settings, "./d.tms").front(), whole);
    EXPECT_EQ(RememberRecentChart(settings, whole).size(), 4U);
}
} // namespace
