// Every remembered value through the one table: each key back from a fresh load, files the
// earlier version wrote read as they are, odd or hostile values read as the profile reader
// reads them or as their defaults with nothing else lost, files read only in part never
// written, and where the file lives.

#include "settings/Settings.h"
#include "settings/IniText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace ranvik;
using namespace ranvik::test;

namespace {

using Texts = std::vector<std::string>;

// Any key's value as one text, a list's items joined by '|', so one table covers every type.
std::string Read(const Settings& settings, const SettingDeclaration& declared) {
    if (declared.type == SettingType::Flag)
        return settings.get(Setting<bool>{declared.key}) ? "1" : "0";
    if (declared.type != SettingType::TextList)
        return settings.get(Setting<std::string>{declared.key});
    std::string text;
    for (const std::string& item : settings.get(Setting<Texts>{declared.key}))
        text += (text.empty() ? "" : "|") + item;
    return text;
}

// The key's value in `from`, to be set in another file.
SettingValue Copied(const Settings& from, const SettingDeclaration& declared) {
    if (declared.type == SettingType::Flag)
        return {Setting<bool>{declared.key}, from.get(Setting<bool>{declared.key})};
    if (declared.type == SettingType::TextList)
        return {Setting<Texts>{declared.key}, from.get(Setting<Texts>{declared.key})};
    return {Setting<std::string>{declared.key}, from.get(Setting<std::string>{declared.key})};
}

// What the golden files hold, every key of the table in its order.
const char* const kGolden[] = {"/home/td/Côté/QRBMembers.mde",
                               "1",
                               "1",
                               "/home/td/charts",
                               "/home/td/reports",
                               "/media/stick/members",
                               "/home/td/fide",
                               "SB,BH-M1,WON",
                               "none",
                               "/home/td/charts/spring open.tms|/home/td/charts/winter.tms",
                               "AdnQywADAAAAAAAAAAAAAA==",
                               "AAAA/wAAAAD9AAAAAQ==",
                               "AAAA/wAAAAEAAAAC"};

const std::string kData = std::string(RANVIK_SOURCE_DIR) + "/tests/settings/data/";

std::string FileOf(SettingsStore store) {
    return store == SettingsStore::Choices ? "Ranvik.ini" : "window.ini";
}

// Every golden value of the store but those named, as a fresh load of `path` reads them.
void ExpectGolden(const std::string& path, SettingsStore store, std::set<SettingKey> except) {
    const Settings settings(path, store);
    for (const SettingDeclaration& declared : AllSettings()) {
        if (declared.store == store && !except.contains(declared.key)) {
            EXPECT_EQ(Read(settings, declared), kGolden[static_cast<int>(declared.key)])
                << declared.name;
        }
    }
}

TEST(SettingsTable, OldFilesAreReadAsTheyAreAndEveryKeyComesBackFromAFreshLoad) {
    ASSERT_EQ(std::size(kGolden), AllSettings().size());
    TempDir dir;
    for (const SettingsStore store : {SettingsStore::Choices, SettingsStore::WindowState}) {
        ExpectGolden(kData + FileOf(store), store, {});
        const Settings golden(kData + FileOf(store), store);
        for (const SettingDeclaration& declared :
             AllSettings()) { // one write each; the folder is made
            if (declared.store == store) {
                ASSERT_TRUE(Settings(dir.file("sub/" + FileOf(store)), store)
                                .set({Copied(golden, declared)}));
            }
        }
        ExpectGolden(dir.file("sub/" + FileOf(store)), store, {});
    }
    // A shorter list leaves none of the longer one behind.
    ASSERT_TRUE(Settings(dir.file("sub/Ranvik.ini")).set(setting::RecentCharts, {"/c.tms"}));
    EXPECT_EQ(Settings(dir.file("sub/Ranvik.ini")).get(setting::RecentCharts), Texts{"/c.tms"});
}

// A golden line replaced by another spelling of its value, or by a hostile one.
struct Odd {
    const char* name;
    SettingKey key;
    std::string golden; // the text it replaces
    std::string odd;
    std::string reads; // what the key then reads as
};

class OddValue : public testing::TestWithParam<Odd> {};

TEST_P(OddValue, IsReadAsTheReaderWouldWithNothingElseLost) {
    const Odd& c = GetParam();
    const SettingDeclaration& declared = DeclarationOf(c.key);
    TempDir dir;
    const std::string path = dir.file(FileOf(declared.store));
    std::string bytes = ReadFile(kData + FileOf(declared.store));
    WriteFile(path, bytes.replace(bytes.find(c.golden), c.golden.size(), c.odd));
    EXPECT_EQ(Read(Settings(path, declared.store), declared), c.reads);
    ExpectGolden(path, declared.store, {c.key});
    EXPECT_EQ(ReadFile(path), bytes) << "rewritten by reading";
    if (declared.store == SettingsStore::WindowState)
        return; // written whole
    // A change elsewhere keeps every other key, another program's section and the comments.
    ASSERT_TRUE(Settings(path).set(setting::ProblemsVisible, false));
    ExpectGolden(path, declared.store, {c.key, SettingKey::ProblemsVisible});
    EXPECT_EQ(IniText(ReadFile(path)).value("another PROGRAM", "its key"), "its value");
    EXPECT_NE(ReadFile(path).find("; its own comment"), std::string::npos);
}

const std::string kName = "name=/home/td/Côté/QRBMembers.mde";

INSTANTIATE_TEST_SUITE_P(
    Table, OddValue,
    testing::Values(
        Odd{"AnyCaseAndSpaces", SettingKey::DatabaseName, "[Database]\nDatabase " + kName,
            "[database]\r\ndatabase NAME = /data/QRB Members.mde \r", "/data/QRB Members.mde"},
        Odd{"Quoted", SettingKey::DatabaseName, kName, "name=\"/quoted path.mde\"",
            "/quoted path.mde"},
        Odd{"Empty", SettingKey::DatabaseName, kName, "name=", ""},
        Odd{"OfAMegabyte", SettingKey::DatabaseName, kName, "name=/" + std::string(1 << 20, 'x'),
            ""},
        Odd{"OfBinaryBytes", SettingKey::DatabaseName, kName, "name=/\x01\x02\x7f\xfe\xff", ""},
        Odd{"NotUtf8", SettingKey::ChartsFolder, "=/home/td/charts", "=/home/\xc3\x28", ""},
        Odd{"WithAnEscape", SettingKey::SwissTieBreaks, "=SB,BH-M1,WON", "=SB\x1b[31m", ""},
        Odd{"FlagTwo", SettingKey::EnterMovesDown, "cell=1", "cell=2", "0"},
        Odd{"FlagNegative", SettingKey::EnterMovesDown, "cell=1", "cell=-1", "0"},
        Odd{"FlagHuge", SettingKey::EnterMovesDown, "cell=1", "cell=1" + std::string(30, '9'), "0"},
        Odd{"FlagAWord", SettingKey::EnterMovesDown, "cell=1", "cell=yes", "0"},
        Odd{"ListItemOfBinaryBytes", SettingKey::RecentCharts, "2=/home/td/charts/winter.tms",
            "2=\x01\x02", "/home/td/charts/spring open.tms"},
        Odd{"NotBase64", SettingKey::WindowGeometry, "=AdnQyw", "=<not>", ""},
        Odd{"BlobOfAMegabyte", SettingKey::WindowDocks,
            "=AAAA/wAAAAD9AAAAAQ==", "=" + std::string(1 << 20, 'A'), ""}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(English(settings.fault()), c.fault);
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
