// The settings file that remembers the membership database, and the start-up choice.

#include "members/Settings.h"
#include "files/FileWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>

#include <cstdlib>

using namespace ranvik;
using namespace ranvik::test;

namespace {

TEST(Settings, MissingOrEmptyValuesKeepTheCurrentName) {
    TempDir dir;
    const std::string ini = dir.file("Ranvik.ini");
    EXPECT_EQ(LoadDatabaseSetting(ini, ""), "");
    EXPECT_EQ(LoadDatabaseSetting(ini, "/keep.mde"), "/keep.mde");

    WriteFile(ini, "[Other]\nDatabase name=/wrong.mde\n");
    EXPECT_EQ(LoadDatabaseSetting(ini, "/keep.mde"), "/keep.mde");
    WriteFile(ini, "[Database]\nDatabase name=\n");
    EXPECT_EQ(LoadDatabaseSetting(ini, "/keep.mde"), "/keep.mde");
    WriteFile(ini, "[database]\r\ndatabase NAME = /data/QRB Members.mde \r\n");
    EXPECT_EQ(LoadDatabaseSetting(ini, ""), "/data/QRB Members.mde");
    WriteFile(ini, "[Database]\nDatabase name=\"/quoted path.mde\"\n");
    EXPECT_EQ(LoadDatabaseSetting(ini, ""), "/quoted path.mde");
    WriteFile(ini, "[Database]\nDatabase name=/" + std::string(3000, 'x') + "\n");
    EXPECT_EQ(LoadDatabaseSetting(ini, "").size(), 2047u);
}

TEST(Settings, SaveWritesTheNameAndKeepsEverythingElse) {
    TempDir dir;
    const std::string ini = dir.file("config/sub/Ranvik.ini"); // folders made when missing
    ASSERT_TRUE(SaveDatabaseSetting(ini, "/home/td/Côté/QRBMembers.mde"));
    EXPECT_EQ(LoadDatabaseSetting(ini, ""), "/home/td/Côté/QRBMembers.mde");
    EXPECT_NE(ReadFile(ini).find("[Database]"), std::string::npos);
    EXPECT_NE(ReadFile(ini).find("Database name=/home/td/Côté/QRBMembers.mde"), std::string::npos);

    WriteFile(ini, "; written by hand\n[Window]\nWidth=800\n\n"
                   "[Database]\n; where the list lives\nDatabase name=/old.mde\nExtra=1\n");
    ASSERT_TRUE(SaveDatabaseSetting(ini, "/new.mde"));
    const std::string text = ReadFile(ini);
    EXPECT_EQ(LoadDatabaseSetting(ini, ""), "/new.mde");
    for (const char* kept :
         {"; written by hand", "[Window]", "Width=800", "; where the list lives", "Extra=1"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << " lost from:\n" << text;
    EXPECT_EQ(text.find("/old.mde"), std::string::npos);
}

TEST(Settings, FailedWriteLeavesTheOldFile) {
    TempDir dir;
    const std::string ini = dir.file("Ranvik.ini");
    WriteFile(ini, "[Database]\nDatabase name=/old.mde\n");
    InjectWriteFailure(WriteStep::Write);
    EXPECT_FALSE(SaveDatabaseSetting(ini, "/new.mde"));
    ClearInjectedWriteFailures();
    EXPECT_EQ(LoadDatabaseSetting(ini, ""), "/old.mde");
    // A folder where the file should be: nothing to write, nothing thrown.
    EXPECT_FALSE(SaveDatabaseSetting(dir.path().string(), "/new.mde"));
}

// A file the reader would take only in part is never written: a save would lose the rest.
struct PartialFile {
    const char* name;
    std::string bytes;
    const char* fault; // empty: read whole, and written
};

class SettingsFileOf : public testing::TestWithParam<PartialFile> {};

TEST_P(SettingsFileOf, IsWrittenOnlyWhenReadWhole) {
    const PartialFile& c = GetParam();
    TempDir dir;
    const std::string ini = dir.file("Ranvik.ini");
    WriteFile(ini, c.bytes);
    EXPECT_EQ(SettingsFileFault(ini), c.fault);
    const bool saved = SaveDatabaseSetting(ini, "/new.mde");
    EXPECT_EQ(saved, *c.fault == '\0');
    EXPECT_EQ(saved ? LoadDatabaseSetting(ini, "") : ReadFile(ini), saved ? "/new.mde" : c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, SettingsFileOf,
    testing::Values(
        // The attack: cut at the NUL by the next write, the later sections lost.
        PartialFile{"NulBeforeLaterSections",
                    std::string("[A]\nk=/a\0\n[Recent charts]\n1=/b\n", 31),
                    "line 2 holds a NUL byte"},
        PartialFile{"SectionWithTextAfter", "[Database] x\n",
                    "line 1 is not a section heading the reader takes whole"},
        PartialFile{"LineWithoutValue", "[Database]\r\nDatabase name\r\n",
                    "line 2 is neither a section, a setting nor a comment"},
        PartialFile{"KeyTwiceInAnyCase", "[Database]\nA=1\n[other]\n[database]\n a =2\n",
                    "line 5 gives a setting of its section a second time"},
        PartialFile{"CommentAtTheEnd", "[Database]\nA=1\n; the end\n",
                    "line 3 is a comment after the last setting, which the reader drops"},
        PartialFile{"CommentBeforeSectionAgain", "[A]\nk=1\n; c\n[a]\nj=2\n",
                    "line 3 is a comment before a section named again, which the reader drops"},
        PartialFile{"CommentsAndSectionsReadWhole",
                    "; by hand\n[Window]\nWidth = 800\n[Database]\n# kept\nExtra=1\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Settings, StartupUsesRememberedPathElseTheProgramFolder) {
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

TEST(Settings, FileLivesInTheConfigFolder) {
#ifdef _WIN32
    const char* variable = "APPDATA";
    const std::string folder = "C:\\Users\\td\\AppData\\Roaming";
    const std::string file = folder + "\\Ranvik.ini";
    const std::string fallback = "Ranvik.ini"; // no folder named: beside the program's work
#else
    const char* variable = "XDG_CONFIG_HOME";
    const std::string folder = "/tmp/cfg";
    const std::string file = folder + "/Ranvik.ini";
    const char* home = std::getenv("HOME");
    const std::string fallback = std::string(home ? home : "") + "/.config/Ranvik.ini";
#endif
    const char* saved = std::getenv(variable);
    const std::string savedValue = saved ? saved : "";
    test::SetEnvironment(variable, folder.c_str());
    EXPECT_EQ(DefaultSettingsPath(), file);
    test::SetEnvironment(variable, "relative");
    EXPECT_EQ(DefaultSettingsPath(), fallback);
    test::SetEnvironment(variable, saved ? savedValue.c_str() : nullptr);
}

} // namespace

TEST(Settings, OtherSectionsAndListsLiveBesideTheDatabase) {
    ranvik::test::TempDir dir;
    const std::string path = dir.file("Ranvik.ini");
    ASSERT_TRUE(SaveDatabaseSetting(path, "/data/members.mde"));
    ASSERT_TRUE(SaveSetting(path, "Window", "Enter moves down", "1"));
    ASSERT_TRUE(SaveSettingList(path, "Recent charts", {"/a/spring.tms", "/b/fall open.tms"}));
    ASSERT_TRUE(SaveSettingList(path, "Recent charts", {"/c/winter.tms"}));

    EXPECT_EQ(LoadDatabaseSetting(path, ""), "/data/members.mde");
    EXPECT_EQ(LoadSetting(path, "Window", "Enter moves down"), std::optional<std::string>("1"));
    EXPECT_EQ(LoadSetting(path, "Window", "missing"), std::nullopt);
    // Saving a shorter list leaves none of the longer one behind.
    EXPECT_EQ(LoadSettingList(path, "Recent charts"), std::vector<std::string>{"/c/winter.tms"});
    EXPECT_TRUE(LoadSettingList(dir.file("none.ini"), "Recent charts").empty());
    // Several keys of a section in one write, beside the key already there.
    ASSERT_TRUE(SaveSettings(path, "Window", {{"Geometry", "AdnQyw=="}, {"Docks", "AAAA"}}));
    EXPECT_EQ(LoadSettingSection(path, "Window"),
              (std::map<std::string, std::string>{
                  {"Docks", "AAAA"}, {"Enter moves down", "1"}, {"Geometry", "AdnQyw=="}}));
    EXPECT_EQ(LoadDatabaseSetting(path, ""), "/data/members.mde");
    EXPECT_TRUE(LoadSettingSection(path, "None").empty());
}
