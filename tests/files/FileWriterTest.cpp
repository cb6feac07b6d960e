#include "files/FileWriter.h"
#include "files/PairWriter.h"

#include "support/Printers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <dlfcn.h>
#include <sys/stat.h>
#endif

#include <filesystem>
#include <mutex>
#include <set>
#include <utility>

using namespace ranvik;

#ifndef _WIN32 // the system's sync call is taken over the POSIX way
namespace {
std::mutex gSyncedMutex;
std::set<std::pair<dev_t, ino_t>> gSynced; // regular files fsync was called on
} // namespace

// The C library's fsync, taken over in this program: the file synced is noted, then the
// real call runs. The write layer's injected sync failures fire before its call, so only
// this shows a write that never asked for its bytes to reach the disk, however the call was
// lost and wherever it is made from.
extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const std::lock_guard lock(gSyncedMutex);
        gSynced.emplace(status.st_dev, status.st_ino);
    }
    return real(fd);
}
#endif

using ranvik::test::ReadFile;
using ranvik::test::TempDir;
using ranvik::test::WriteFile;

namespace {

class FileWriterTest : public ::testing::Test {
  protected:
    void TearDown() override { ClearInjectedWriteFailures(); }

    // Names in the folder, so a test can see that no temporary file is left behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
};

} // namespace

TEST_F(FileWriterTest, CreatesANewFileAndReplacesAnOldOne) {
    const std::string path = dir.file("chart.tms");
    ASSERT_TRUE(WriteFileSafely(path, "first\r\n"));
    EXPECT_EQ(ReadFile(path), "first\r\n");
    ASSERT_TRUE(WriteFileSafely(path, "second, longer\r\n"));
    EXPECT_EQ(ReadFile(path), "second, longer\r\n");
    ASSERT_TRUE(WriteFileSafely(path, "x"));
    EXPECT_EQ(ReadFile(path), "x"); // shorter content leaves no tail of the old one
    EXPECT_EQ(Entries(), std::vector<std::string>{"chart.tms"});
}

TEST_F(FileWriterTest, WritesEmptyContentAndBinaryBytes) {
    const std::string path = dir.file("b.bin");
    std::string bytes("a\0b\xFF\r\n", 6);
    ASSERT_TRUE(WriteFileSafely(path, bytes));
    EXPECT_EQ(ReadFile(path), bytes);
    ASSERT_TRUE(WriteFileSafely(path, ""));
    EXPECT_EQ(ReadFile(path), "");
}

// A failure at any step leaves the old file byte for byte, or no file where there was
// none, and no temporary file beside it.
TEST_F(FileWriterTest, AFailureAtAnyStepLeavesTheFolderAsItWas) {
    const std::string path = dir.file("chart.tms");
    const std::string old = "1\tAnna\t\t1500\tW2\t\r\n2\tBob\t\t1400\tL1\t\r\n";
    const std::string replacement(100000, 'z');
    for (const bool existed : {false, true}) {
        if (existed)
            WriteFile(path, old);
        for (WriteStep step : {WriteStep::Create, WriteStep::Write, WriteStep::Flush,
                               WriteStep::Sync, WriteStep::Replace}) {
            SCOPED_TRACE(::testing::PrintToString(step));
            InjectWriteFailure(step);
            EXPECT_FALSE(WriteFileSafely(path, replacement));
            EXPECT_EQ(Entries(),
                      existed ? std::vector<std::string>{"chart.tms"} : std::vector<std::string>{});
            EXPECT_EQ(ReadFile(path), existed ? old : "");
        }
    }
    // The injected failures are used up: the next write goes through.
    EXPECT_TRUE(WriteFileSafely(path, replacement));
    EXPECT_EQ(ReadFile(path), replacement);
}

#ifndef _WIN32
// A power cut after the rename must not leave the name with empty content: the file that
// ends up under each name was synced (injected sync failures cannot show this: they fire
// before the call).
TEST_F(FileWriterTest, EveryWrittenFileIsSyncedBeforeItTakesItsName) {
    gSynced.clear();
    ASSERT_TRUE(WriteFileSafely(dir.file("one.tms"), "one"));
    ASSERT_TRUE(WritePairSafely(dir.file("r.qtr"), "report", dir.file("r.tms"), "chart").ok);
    for (const char* name : {"one.tms", "r.qtr", "r.tms"}) {
        struct stat status {};
        ASSERT_EQ(stat(dir.file(name).c_str(), &status), 0) << name;
        EXPECT_EQ(gSynced.count({status.st_dev, status.st_ino}), 1U)
            << name << " was never synced to the disk";
    }
}
#endif

TEST_F(FileWriterTest, InjectedFailuresCountWritesAndCanBeCleared) {
    const std::string path = dir.file("c.tms");
    InjectWriteFailure(WriteStep::Write, 2);
    EXPECT_FALSE(WriteFileSafely(path, "a"));
    EXPECT_FALSE(WriteFileSafely(path, "a"));
    EXPECT_TRUE(WriteFileSafely(path, "a"));
    InjectWriteFailure(WriteStep::Replace, 5);
    ClearInjectedWriteFailures();
    EXPECT_TRUE(WriteFileSafely(path, "b"));
    EXPECT_EQ(ReadFile(path), "b");
}

TEST_F(FileWriterTest, APathThroughARegularFileOrAMissingFolderFails) {
    const std::string file = dir.file("plain.txt");
    WriteFile(file, "keep");
    EXPECT_FALSE(WriteFileSafely(file + "/x.tms", "data"));
    EXPECT_FALSE(WriteFileSafely(dir.file("no/such/folder/x.tms"), "data"));
    EXPECT_EQ(ReadFile(file), "keep");
    EXPECT_EQ(Entries(), std::vector<std::string>{"plain.txt"});
}

TEST_F(FileWriterTest, AFolderInTheTargetsPlaceIsNotReplaced) {
    std::filesystem::create_directory(dir.path() / "taken.tms");
    std::filesystem::create_directory(dir.path() / "taken.tms" / "inside");
    EXPECT_FALSE(WriteFileSafely(dir.file("taken.tms"), "data"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken.tms" / "inside"));
    EXPECT_EQ(Entries(), std::vector<std::string>{"taken.tms"});
}

TEST_F(FileWriterTest, ASymbolicLinkStaysALinkToTheNewContent) {
#ifdef _WIN32
    GTEST_SKIP() << "making a symbolic link needs an administrator's right on Windows";
#endif
    const std::string real = dir.file("real.tms");
    const std::string link = dir.file("link.tms");
    WriteFile(real, "old");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(WriteFileSafely(link, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "new");
}

TEST_F(FileWriterTest, ReadWholeFileGivesTheBytesOrAClearError) {
    const std::string path = dir.file("r.tms");
    WriteFile(path, std::string("a\0\xE9\r\n", 5));
    std::string bytes = "stale";
    Message error(MessageKind::NoFileName);
    ASSERT_TRUE(ReadWholeFile(path, bytes, error));
    EXPECT_EQ(bytes, std::string("a\0\xE9\r\n", 5));
    EXPECT_TRUE(error.empty());

    const std::string missing = dir.file("missing.tms");
    bytes = "untouched";
    EXPECT_FALSE(ReadWholeFile(missing, bytes, error));
    EXPECT_EQ(English(error), "Cannot read " + missing + ": No such file or directory");
    EXPECT_EQ(bytes, "untouched");

    EXPECT_FALSE(ReadWholeFile(dir.path().string(), bytes, error));
    EXPECT_EQ(English(error).rfind("Cannot read " + dir.path().string() + ": ", 0), 0u)
        << English(error);
}
