// Every remembered value through the one table: each key read back from a fresh load, the
// files written by the earlier version read as they are, and hostile values read as their
// defaults with everything else intact.

#include "settings/IniText.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace ranvik;
using namespace ranvik::test;

namespace {

using Texts = std::vector<std::string>;

const std::filesystem::path kData =
    std::filesystem::path(RANVIK_SOURCE_DIR) / "tests/settings/data";

// Any key's value as its texts, so that one table covers every type.
Texts Read(const Settings& settings, const SettingSpec& spec) {
    switch (spec.type) {
    case SettingType::Flag:
        return {settings.get(Setting<bool>{spec.key}) ? "1" : "0"};
    case SettingType::TextList:
        return settings.get(Setting<Texts>{spec.key});
    case SettingType::Text:
    case SettingType::Base64:
        break;
    }
    return {settings.get(Setting<std::string>{spec.key})};
}

SettingValue Value(const SettingSpec& spec, const Texts& texts) {
    switch (spec.type) {
    case SettingType::Flag:
        return {Setting<bool>{spec.key}, texts.front() == "1"};
    case SettingType::TextList:
        return {Setting<Texts>{spec.key}, texts};
    case SettingType::Text:
    case SettingType::Base64:
        break;
    }
    return {Setting<std::string>{spec.key}, texts.front()};
}

// A value other than the default, different for every key.
Texts Sample(const SettingSpec& spec) {
    const std::string n = std::to_string(static_cast<int>(spec.key));
    switch (spec.type) {
    case SettingType::Flag:
        return {"1"};
    case SettingType::Base64:
        return {"AdnQyw" + n + "+/=="};
    case SettingType::TextList:
        return {"/a/spring open " + n + ".tms", "/b/Côté.tms"};
    case SettingType::Text:
        break;
    }
    return {"/home/td/Côté " + n};
}

std::string Where(const SettingSpec& spec) {
    return std::string(spec.section) + "/" + spec.name;
}

TEST(SettingsTable, EveryKeyComesBackFromAFreshLoadBesideEveryOther) {
    for (const SettingsStore store : {SettingsStore::Choices, SettingsStore::WindowState}) {
        TempDir dir;
        const std::string path = dir.file("config/sub/settings.ini"); // folders made
        std::set<std::string> keys;
        {
            Settings settings(path, store);
            for (const SettingSpec& spec : AllSettings()) {
                if (spec.store != store)
                    continue;
                EXPECT_TRUE(keys.insert(Where(spec)).second) << Where(spec) << " twice";
                ASSERT_TRUE(settings.set({Value(spec, Sample(spec))})) << Where(spec);
            }
        }
        const Settings again(path, store);
        const std::string text = ReadFile(path);
        for (const SettingSpec& spec : AllSettings()) {
            if (spec.store != store)
                continue;
            EXPECT_EQ(Read(again, spec), Sample(spec)) << Where(spec);
            const std::string line =
                spec.type == SettingType::TextList
                    ? "\n1=" + Sample(spec).front() + "\n"
                    : std::string("\n") + spec.name + "=" + Sample(spec).front() + "\n";
            EXPECT_NE(text.find("[" + std::string(spec.section) + "]"), std::string::npos);
            EXPECT_NE(text.find(line), std::string::npos) << line << " not in\n" << text;
        }
    }
    // A shorter list leaves none of the longer one behind.
    TempDir dir;
    Settings settings(dir.file("Ranvik.ini"));
    ASSERT_TRUE(settings.set(setting::RecentCharts, {"/a.tms", "/b.tms", "/c.tms"}));
    ASSERT_TRUE(settings.set(setting::RecentCharts, {"/c.tms"}));
    EXPECT_EQ(Settings(dir.file("Ranvik.ini")).get(setting::RecentCharts), Texts{"/c.tms"});
}

// What the golden files hold, key by key.
const std::pair<SettingKey, Texts> kGoldenValues[] = {
    {SettingKey::DatabaseName, {"/home/td/Côté/QRBMembers.mde"}},
    {SettingKey::EnterMovesDown, {"1"}},
    {SettingKey::ProblemsVisible, {"1"}},
    {SettingKey::ChartsFolder, {"/home/td/charts"}},
    {SettingKey::ReportsFolder, {"/home/td/reports"}},
    {SettingKey::DatabasesFolder, {"/media/stick/members"}},
    {SettingKey::ImportsFolder, {"/home/td/fide"}},
    {SettingKey::SwissTieBreaks, {"SB,BH-M1,WON"}},
    {SettingKey::RoundRobinTieBreaks, {"none"}},
    {SettingKey::RecentCharts, {"/home/td/charts/spring open.tms", "/home/td/charts/winter.tms"}},
    {SettingKey::WindowGeometry, {"AdnQywADAAAAAAAAAAAAAA=="}},
    {SettingKey::WindowDocks, {"AAAA/wAAAAD9AAAAAQ=="}},
    {SettingKey::WindowSplitter, {"AAAA/wAAAAEAAAAC"}},
};

std::string GoldenFile(SettingsStore store) {
    return store == SettingsStore::Choices ? "Ranvik.ini" : "window.ini";
}

// Every golden value but the one named, as a fresh load of `path` reads them.
void ExpectGoldenValues(const std::string& path, SettingsStore store, SettingKey except) {
    const Settings settings(path, store);
    EXPECT_EQ(settings.fault(), "");
    for (const auto& [key, texts] : kGoldenValues) {
        if (SpecOf(key).store == store && key != except) {
            EXPECT_EQ(Read(settings, SpecOf(key)), texts) << Where(SpecOf(key));
        }
    }
}

TEST(SettingsTable, FilesOfTheEarlierVersionAreReadAsTheyAre) {
    ASSERT_EQ(std::size(kGoldenValues), AllSettings().size()) << "a key without a golden value";
    for (const SettingsStore store : {SettingsStore::Choices, SettingsStore::WindowState})
        ExpectGoldenValues((kData / GoldenFile(store)).string(), store, SettingKey(-1));
}

TEST(SettingsTable, AChangeRewritesItsOwnLineAndKeepsTheRestByteForByte) {
    TempDir dir;
    const std::string path = dir.file("Ranvik.ini");
    const std::string golden = ReadFile(kData / "Ranvik.ini");
    WriteFile(path, golden);
    Settings settings(path);
    ASSERT_TRUE(settings.set(setting::EnterMovesDown, false));
    std::string expected = golden;
    const std::string line = "Enter moves to the next cell=1";
    expected.replace(expected.find(line), line.size(), "Enter moves to the next cell=0");
    EXPECT_EQ(ReadFile(path), expected);
    // Setting what it already holds writes nothing.
    std::filesystem::remove(path);
    EXPECT_TRUE(settings.set(setting::EnterMovesDown, false));
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A value the table refuses, in place of a golden line.
struct Hostile {
    const char* name;
    SettingKey key;
    std::string golden; // the line it replaces
    std::string line;
    Texts reads; // the key's value then
};

class HostileValue : public testing::TestWithParam<Hostile> {};

TEST_P(HostileValue, ReadsAsTheDefaultWithNothingElseLost) {
    const Hostile& c = GetParam();
    const SettingsStore store = SpecOf(c.key).store;
    TempDir dir;
    const std::string path = dir.file("settings.ini");
    std::string bytes = ReadFile(kData / GoldenFile(store));
    ASSERT_NE(bytes.find(c.golden), std::string::npos) << c.golden;
    bytes.replace(bytes.find(c.golden), c.golden.size(), c.line);
    WriteFile(path, bytes);

    EXPECT_EQ(Read(Settings(path, store), SpecOf(c.key)), c.reads);
    ExpectGoldenValues(path, store, c.key);
    EXPECT_EQ(ReadFile(path), bytes) << "rewritten by reading";

    // The window state is written whole; the choices keep the bad line through a change.
    if (store == SettingsStore::Choices) {
        Settings settings(path);
        ASSERT_TRUE(settings.set(setting::ProblemsVisible, false));
        EXPECT_NE(ReadFile(path).find(c.line), std::string::npos) << "the bad value was lost";
        EXPECT_FALSE(Settings(path).get(setting::ProblemsVisible));
    }
}

const std::string kMegabyte(1 << 20, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, HostileValue,
    testing::Values(Hostile{"FlagTwo", SettingKey::EnterMovesDown, "cell=1", "cell=2", {"0"}},
                    Hostile{"FlagNegative", SettingKey::EnterMovesDown, "cell=1", "cell=-1", {"0"}},
                    Hostile{"FlagHuge",
                            SettingKey::EnterMovesDown,
                            "cell=1",
                            "cell=1" + std::string(30, '9'),
                            {"0"}},
                    Hostile{"FlagAWord", SettingKey::EnterMovesDown, "cell=1", "cell=yes", {"0"}},
                    Hostile{"PathOfAMegabyte",
                            SettingKey::DatabaseName,
                            "name=/home/td/Côté/QRBMembers.mde",
                            "name=/" + kMegabyte,
                            {""}},
                    Hostile{"PathOfBinaryBytes",
                            SettingKey::DatabaseName,
                            "name=/home/td/Côté/QRBMembers.mde",
                            "name=/\x01\x02\x7f\xfe\xff.mde",
                            {""}},
                    Hostile{"FolderNotUtf8",
                            SettingKey::ChartsFolder,
                            "Charts=/home/td/charts",
                            "Charts=/home/\xc3\x28td",
                            {""}},
                    Hostile{"TieBreaksWithAnEscape",
                            SettingKey::SwissTieBreaks,
                            "=SB,BH-M1,WON",
                            "=SB\x1b[31m",
                            {""}},
                    Hostile{"RecentChartOfBinaryBytes",
                            SettingKey::RecentCharts,
                            "2=/home/td/charts/winter.tms",
                            "2=\x01\x02\x03",
                            {"/home/td/charts/spring open.tms"}},
                    Hostile{"GeometryNotBase64",
                            SettingKey::WindowGeometry,
                            "=AdnQywADAAAAAAAAAAAAAA==",
                            "=<not Base64>",
                            {""}},
                    Hostile{"DocksOfAMegabyte",
                            SettingKey::WindowDocks,
                            "=AAAA/wAAAAD9AAAAAQ==",
                            "=" + std::string(1 << 20, 'A'),
                            {""}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
