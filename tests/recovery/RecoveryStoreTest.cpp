#include "RecoveryTestSupport.h"
#include "TestSupport.h"

#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "recovery/RecoveryStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace ranvik::test {
namespace {

namespace fs = std::filesystem;

RecoveryDescription SomeDescription() {
    RecoveryDescription d;
    d.type = TournamentType::DoubleRoundRobin;
    d.players = 42;
    d.rounds = 3;
    d.chartFile = "/home/td/Spring \\ open\nline.tms";
    d.ratingSystem = RatingSystem::Active;
    d.savedAt = 1717000000;
    d.writer = {4321, 987654};
    return d;
}

void ExpectSame(const RecoveryDescription& a, const RecoveryDescription& b) {
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.players, b.players);
    EXPECT_EQ(a.rounds, b.rounds);
    EXPECT_EQ(a.chartFile, b.chartFile);
    EXPECT_EQ(a.ratingSystem, b.ratingSystem);
    EXPECT_EQ(a.savedAt, b.savedAt);
    EXPECT_EQ(a.writer, b.writer);
}

TEST(RecoveryDescription, ReadsBackWhatItWrote) {
    for (const std::optional<RatingSystem> system :
         {std::optional(RatingSystem::Regular), std::optional(RatingSystem::Active),
          std::optional<RatingSystem>()}) {
        RecoveryDescription d = SomeDescription();
        d.ratingSystem = system;
        const auto read = ParseRecoveryDescription(EncodeRecoveryDescription(d));
        ASSERT_TRUE(read);
        ExpectSame(*read, d);
    }
}

class BrokenDescription : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(BrokenDescription, IsNotACopy) {
    std::string text = EncodeRecoveryDescription(SomeDescription());
    const auto& [from, to] = GetParam();
    text.replace(text.find(from), from.size(), to);
    EXPECT_FALSE(ParseRecoveryDescription(text)) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BrokenDescription,
    testing::Values(std::pair{"ranvik-recovery 1", "something else"}, std::pair{"type=2", "type=3"},
                    std::pair{"players=42", "players=1"}, std::pair{"players=42", "players=1001"},
                    std::pair{"pid=4321", "pid=0"}, std::pair{"time=1717000000", "time=soon"},
                    std::pair{"start=987654", "start=-1"}));

class RecoveryStoreTest : public testing::Test {
  protected:
    TempDir dir;
    std::string folder = dir.file("state/ranvik/recovery");
    Tournament tournament;

    void SetUp() override {
        tournament.layOutStartChart();
        tournament.chart().setCell(1, 1, "Ada Lovelace");
        tournament.setModified(true);
    }

    // A copy written by a store of the given process.
    void writeCopyOf(const ProcessIdentity& writer, const std::string& chartFile = {}) {
        RecoveryStore other(folder, writer);
        Message reason;
        ASSERT_TRUE(other.writeCopy(tournament, chartFile, RatingSystem::Regular, reason))
            << English(reason);
        // A dying program never removes its copy; this store must not either.
        CopyFiles(folder, dir.file("kept"));
    }
    void bringBackKept() { CopyFiles(dir.file("kept"), folder); }
    // File by file: MinGW's std::filesystem cannot copy a folder over an existing one.
    static void CopyFiles(const fs::path& from, const fs::path& to) {
        fs::create_directories(to);
        for (const auto& entry : fs::directory_iterator(from))
            fs::copy_file(entry.path(), to / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
    }
};

TEST_F(RecoveryStoreTest, FolderIsTheUsersStateAndOwnerOnly) {
#ifdef _WIN32
    const char* variable = "LOCALAPPDATA";
    const char* state = "C:\\Users\\td\\AppData\\Local";
    const char* recovery = "C:\\Users\\td\\AppData\\Local\\ranvik\\recovery";
#else
    const char* variable = "XDG_STATE_HOME";
    const char* state = "/state/home";
    const char* recovery = "/state/home/ranvik/recovery";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
#endif
    const std::string saved = std::getenv(variable) ? std::getenv(variable) : "";
    test::SetEnvironment(variable, state);
    EXPECT_EQ(DefaultRecoveryFolder(), recovery);
#ifndef _WIN32
    test::SetEnvironment(variable, "relative/is/ignored");
    test::SetEnvironment("HOME", "/home/td");
    EXPECT_EQ(DefaultRecoveryFolder(), "/home/td/.local/state/ranvik/recovery");
    test::SetEnvironment("HOME", home.c_str());
#endif
    test::SetEnvironment(variable, saved.empty() ? nullptr : saved.c_str());

    RecoveryStore store(folder);
    Message reason;
    ASSERT_TRUE(store.writeCopy(tournament, "", std::nullopt, reason)) << English(reason);
#ifndef _WIN32 // Windows keeps the user's folders the user's through their ACLs, not modes
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
#endif
    EXPECT_TRUE(store.hasCopy());
}

TEST_F(RecoveryStoreTest, OffersOnlyCopiesOfProcessesThatAreGone) {
    const ProcessIdentity gone = GoneProcess();
    const ProcessIdentity running = RunningProcess();
    ProcessIdentity reused = running; // the id of a dead writer, now another program's
    reused.startTicks += 1;
    // Right after a crash, before its parent collects it.
    const ProcessIdentity zombie = ZombieProcess();
    writeCopyOf(gone, "/charts/gone.tms");
    writeCopyOf(running, "/charts/running.tms");
    writeCopyOf(reused, "/charts/reused.tms");
    writeCopyOf(zombie, "/charts/zombie.tms");
    bringBackKept();
    RecoveryStore self(folder);
    Message reason;
    ASSERT_TRUE(self.writeCopy(tournament, "/charts/mine.tms", std::nullopt, reason));

    std::vector<std::string> offered;
    for (const LeftCopy& copy : self.leftBehind())
        offered.push_back(copy.description.chartFile);
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (std::vector<std::string>{"/charts/gone.tms", "/charts/reused.tms",
                                                 "/charts/zombie.tms"}));
    EXPECT_FALSE(IsRunning(zombie));
    Reap(zombie);
}

// A program killed between staging a copy and putting it in place left the staged file: the
// next start removes it, and nothing else.
TEST_F(RecoveryStoreTest, TheNextStartRemovesUnfinishedWritesOnly) {
    writeCopyOf(GoneProcess(), "/charts/gone.tms");
    bringBackKept();
    const std::pair<const char*, bool> files[] = {
        {".rvk-0a1b2c3d4e.tmp", false}, // staged by a writer killed before its rename
        {".rvk-0a1b2c3d4e.old", true},  // an old file a two-file write keeps until it is done
        {".rvk-0a1b2.tmp", true},       // too short for a staged name
        {"notes.tmp", true}};
    for (const auto& [name, stays] : files)
        ASSERT_TRUE(WriteFileSafely(folder + "/" + name, "bytes"));
    RecoveryStore(folder).removeUnfinishedWrites();
    for (const auto& [name, stays] : files)
        EXPECT_EQ(fs::exists(fs::path(folder) / name), stays) << name;
    EXPECT_EQ(RecoveryStore(folder).leftBehind().size(), 1U);
}

TEST_F(RecoveryStoreTest, RestoresTheChartModifiedAndDiscardRemovesIt) {
    tournament.setType(TournamentType::RoundRobin);
    tournament.setNumPlayers(6);
    tournament.chart().setCell(1, 3, "Clara Zetkin");
    tournament.chart().setCell(5, 2, "1");
    writeCopyOf(GoneProcess(), "/charts/x.tms");
    bringBackKept();
    const std::vector<LeftCopy> copies = RecoveryStore(folder).leftBehind();
    ASSERT_EQ(copies.size(), 1u);

    Tournament restored;
    restored.layOutStartChart();
    Message message;
    ASSERT_TRUE(RecoveryStore::restore(copies[0], restored, message)) << English(message);
    EXPECT_EQ(restored.type(), TournamentType::RoundRobin);
    EXPECT_EQ(restored.numPlayers(), 6);
    EXPECT_TRUE(restored.modified());
    EXPECT_FALSE(restored.history().canUndo()) << "a restore is no step";
    EXPECT_EQ(EncodeChartFile(restored.chart()).bytes, EncodeChartFile(tournament.chart()).bytes);

    RecoveryStore::discard(copies[0]);
    EXPECT_TRUE(RecoveryStore(folder).leftBehind().empty());
}

TEST_F(RecoveryStoreTest, KeepsACellTheChartFileCannotCarry) {
    tournament.chart().setCell(1, 2, "Jiří Šťastný 李");
    writeCopyOf(GoneProcess());
    bringBackKept();
    const std::vector<LeftCopy> copies = RecoveryStore(folder).leftBehind();
    ASSERT_EQ(copies.size(), 1u);
    Tournament restored;
    Message message;
    ASSERT_TRUE(RecoveryStore::restore(copies[0], restored, message)) << English(message);
    EXPECT_EQ(restored.chart().cell(1, 2), "Jiří Šťastný 李");
}

// A crash between the two renames of the earlier form could pair a chart with another chart's
// description: the bytes decide the rounds whatever the description says. A cut copy is kept.
struct Pairing {
    const char* name;
    bool oneFile;
    std::size_t cutBy; // bytes missing from the copy's end
};

class LeftPair : public RecoveryStoreTest, public testing::WithParamInterface<Pairing> {};

TEST_P(LeftPair, RestoresWhatTheBytesHold) {
    tournament.setNumRounds(5);
    tournament.chart().setCell(ChartColumn::FirstResult + 4, 1, "W2");
    const std::string chart = EncodeChartFile(tournament.chart()).bytes;
    RecoveryDescription d; // of one round
    d.players = 10;
    d.rounds = 1;
    d.writer = GoneProcess();
    fs::create_directories(folder);
    const std::string stem = dir.file("state/ranvik/recovery/chart-dead");
    const std::string copy = EncodeRecoveryCopy(d, chart);
    if (GetParam().oneFile)
        WriteFile(stem + ".recovery", copy.substr(0, copy.size() - GetParam().cutBy));
    else
        WriteFile(stem + ".info", EncodeRecoveryDescription(d)), WriteFile(stem + ".tms", chart);
    const std::vector<LeftCopy> copies = RecoveryStore(folder).leftBehind();
    ASSERT_EQ(copies.size(), 1U);
    Tournament restored;
    Message message;
    EXPECT_EQ(RecoveryStore::restore(copies[0], restored, message), GetParam().cutBy == 0);
    if (GetParam().cutBy == 0) {
        EXPECT_EQ(restored.numRounds(), 5);
        EXPECT_EQ(EncodeChartFile(restored.chart()).bytes, chart);
    } else {
        EXPECT_EQ(English(message),
                  "Cannot restore " + stem + ".recovery: the copy is damaged or cut short.");
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, LeftPair,
                         testing::Values(Pairing{"OneFile", true, 0},
                                         Pairing{"EarlierPair", false, 0},
                                         Pairing{"OneFileCutShort", true, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN32 // links need rights on Windows
TEST_F(RecoveryStoreTest, AFolderThatIsALinkIsNeitherWrittenNorRead) {
    writeCopyOf(GoneProcess()); // a dead program's copy, to lie in the link's target
    const fs::path target = dir.file("elsewhere");
    CopyFiles(dir.file("kept"), target);
    fs::permissions(target, fs::perms::all);
    fs::remove_all(folder);
    fs::create_directory_symlink(target, folder);
    const auto files = [&] { return std::distance(fs::directory_iterator(target), {}); };
    const auto before = files();
    RecoveryStore store(folder);
    Message reason;
    EXPECT_FALSE(store.writeCopy(tournament, "", std::nullopt, reason));
    EXPECT_EQ(English(reason), "The recovery folder " + folder +
                                   " is a symbolic link; no copy is written through it.");
    store.holdChart(dir.file("a.tms"));
    EXPECT_TRUE(store.leftBehind().empty());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::all);
    EXPECT_EQ(files(), before);
}
#endif

TEST_F(RecoveryStoreTest, AFailedWriteKeepsThePreviousCopy) {
    RecoveryStore store(folder);
    Message reason;
    ASSERT_TRUE(store.writeCopy(tournament, "", std::nullopt, reason));
    tournament.chart().setCell(1, 2, "Boris");
    for (const WriteStep step : {WriteStep::Create, WriteStep::Sync, WriteStep::Replace}) {
        InjectWriteFailure(step);
        EXPECT_FALSE(store.writeCopy(tournament, "", std::nullopt, reason));
        EXPECT_FALSE(reason.empty());
    }
    ClearInjectedWriteFailures();
    EXPECT_TRUE(store.hasCopy());
}

// The worker's write of a snapshot taken before the chart was saved (or replaced) must not
// bring a copy back after its removal.
TEST_F(RecoveryStoreTest, ASnapshotTakenBeforeTheCopyWasRemovedIsNeverWritten) {
    RecoveryStore store(folder);
    const RecoverySnapshot taken = store.snapshot(tournament, "", std::nullopt);
    store.removeCopy();
    Message reason;
    EXPECT_TRUE(store.write(taken, reason)) << English(reason);
    EXPECT_FALSE(store.hasCopy());
    EXPECT_TRUE(!fs::exists(folder) || fs::is_empty(folder)) << "a copy came back";
}

TEST_F(RecoveryStoreTest, LockOfAnotherRunningProgramIsSeenAndStaleLocksAreNot) {
    const std::string chart = dir.file("spring6.tms");
    RecoveryStore self(folder);
    EXPECT_FALSE(self.holderOf(chart));
    const auto locks = [&] {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    };

    auto other = std::make_unique<RecoveryStore>(folder, RunningProcess());
    other->holdChart(chart);
    EXPECT_EQ(self.holderOf(chart), RunningProcess());
    // The same file by another spelling of its path.
    EXPECT_EQ(self.holderOf(dir.file("./sub/../spring6.tms")), RunningProcess());
    self.holdChart(chart);
    EXPECT_FALSE(self.holderOf(chart)) << "this program's own lock";
    other.reset(); // the lock is now this program's: the other leaves it
    EXPECT_EQ(locks(), 1);

    auto dead = std::make_unique<RecoveryStore>(folder, GoneProcess());
    const std::string second = dir.file("other.tms");
    dead->holdChart(second);
    const auto before = locks();
    EXPECT_FALSE(self.holderOf(second)) << "a stale lock";
    EXPECT_EQ(locks(), before - 1) << "the stale lock is removed";
    dead.reset();

    self.holdChart({});
    EXPECT_EQ(locks(), 0);
}

} // namespace
} // namespace ranvik::test
