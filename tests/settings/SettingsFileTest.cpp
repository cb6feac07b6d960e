// The settings file as the profile reader takes it: how values are spelled, which files are
// never written back, and where the file lives.

#include "settings/IniText.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace ranvik;
using namespace ranvik::test;

namespace {

TEST(SettingsFile, ValuesAreReadAsTheProfileReaderReadsThem) {
    struct Case {
        const char* bytes; // nullptr: no file
        const char* databaseName;
    };
    const Case cases[] = {
        {nullptr, ""},
        {"[Other]\nDatabase name=/wrong.mde\n", ""},
        {"[Database]\nDatabase name=\n", ""},
        {"[database]\r\ndatabase NAME = /data/QRB Members.mde \r\n", "/data/QRB Members.mde"},
        {"[Database]\nDatabase name=\"/quoted path.mde\"\n", "/quoted path.mde"},
        {"[Database]\nDatabase name='/single.mde'\n", "/single.mde"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string ini = dir.file("Ranvik.ini");
        if (c.bytes)
            WriteFile(ini, c.bytes);
        EXPECT_EQ(Settings(ini).get(setting::DatabaseName), c.databaseName)
            << (c.bytes ? c.bytes : "no file");
    }
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
    Settings settings(ini);
    EXPECT_EQ(settings.fault(), c.fault);
    const bool saved = settings.set(setting::DatabaseName, "/new.mde");
    EXPECT_EQ(saved, *c.fault == '\0');
    EXPECT_EQ(saved ? Settings(ini).get(setting::DatabaseName) : ReadFile(ini),
              saved ? "/new.mde" : c.bytes);
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

TEST(SettingsFile, FileLivesInTheConfigFolder) {
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
