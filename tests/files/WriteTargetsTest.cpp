// Where a write may land: only regular files are replaced, links are followed but kept,
// names the system accepts can be written, and a failure says why. The report and its chart
// are written as a pair: each step of each file failing leaves both old files.

#include "files/FileWriter.h"
#include "files/PairWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <thread>

using namespace ranvik;
using ranvik::test::ReadFile;
using ranvik::test::TempDir;
using ranvik::test::WriteFile;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class WriteTargets : public ::testing::Test {
  protected:
    void TearDown() override { ClearInjectedWriteFailures(); }
    TempDir dir;
};

} // namespace

TEST_F(WriteTargets, NonRegularTargetsAreRefusedWithTheirReason) {
    fs::create_directory(dir.path() / "folder.tms");
    std::vector<std::pair<std::string, std::string>> cases = {
        {dir.file("folder.tms"), "It is a folder, not a file."},
        {"", "No file name was given."},
        {dir.path().string() + "/", "The name ends in a folder separator, so it names no file."},
    };
#ifdef _WIN32
    cases.push_back(
        {dir.path().string() + "\\", "The name ends in a folder separator, so it names no file."});
#else // devices, FIFOs, sockets and links in a folder of files are for POSIX systems
    const std::string device = dir.file("full.tms");
    ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0); // a copy of /dev/full
    const std::string fifo = dir.file("pipe.tms");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = dir.file("s.tms");
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_symlink(device, dir.path() / "to-device.tms");
    fs::create_symlink(dir.path() / "nothing", dir.path() / "dangling.tms");
    fs::create_symlink(dir.path() / "loop-b.tms", dir.path() / "loop-a.tms");
    fs::create_symlink(dir.path() / "loop-a.tms", dir.path() / "loop-b.tms");
    cases.insert(
        cases.end(),
        {
            {device, "It is a device, not a regular file."},
            {dir.file("to-device.tms"), "It is a device, not a regular file."},
            {fifo, "It is a FIFO (named pipe), not a regular file."},
            {socketPath, "It is a socket, not a regular file."},
            {dir.file("dangling.tms"), "It is a symbolic link to a file that does not exist."},
            {dir.file("loop-a.tms"),
             "It is a symbolic link that cannot be followed: Too many levels of symbolic links."},
        });
#endif
    const auto before = Entries(dir.path());
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        Message why;
        EXPECT_FALSE(WriteFileSafely(path, "data", why));
        EXPECT_EQ(English(why), reason);
        EXPECT_FALSE(WritePairSafely(path, "r", dir.file("beside.tms"), "c").ok);
    }
    EXPECT_EQ(Entries(dir.path()), before); // nothing replaced, nothing left behind
#ifndef _WIN32
    close(sock);
    struct stat info {};
    ASSERT_EQ(lstat(device.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
#endif
}

TEST_F(WriteTargets, TheLongestNameTheSystemAcceptsCanBeWritten) {
    for (std::size_t length : {240, 241, 250, 255}) {
        const std::string path = dir.file(std::string(length - 4, 'a') + ".tms");
        Message why;
        EXPECT_TRUE(WriteFileSafely(path, "x", why)) << length << ": " << English(why);
        EXPECT_EQ(ReadFile(path), "x");
    }
}

TEST_F(WriteTargets, AFailureGivesTheSystemsReason) {
    const std::pair<WriteStep, std::string> cases[] = {
        {WriteStep::Create, "Permission denied."},   {WriteStep::Write, "No space left on device."},
        {WriteStep::Flush, "Input/output error."},   {WriteStep::Sync, "Input/output error."},
        {WriteStep::Replace, "Input/output error."},
    };
    for (const auto& [step, reason] : cases) {
        InjectWriteFailure(step);
        Message why;
        EXPECT_FALSE(WriteFileSafely(dir.file("c.tms"), "x", why));
        EXPECT_EQ(English(why), reason);
    }
    Message why;
    EXPECT_FALSE(WriteFileSafely(dir.file("no/such/c.tms"), "x", why));
    EXPECT_EQ(English(why), "No such file or directory.");
}

// Every step of each file of the pair fails in turn (a row of the write-fault matrix):
// the folder then holds both old files, or, for a pair written the first time, neither.
TEST_F(WriteTargets, EachStepOfEachFileOfThePairFailingLeavesBothOldFiles) {
    const std::string report = dir.file("open.qtr");
    const std::string chart = dir.file("open.tms");
    for (bool existing : {true, false}) {
        for (WriteStep step : {WriteStep::Create, WriteStep::Write, WriteStep::Flush,
                               WriteStep::Sync, WriteStep::Replace}) {
            for (int file : {0, 1}) {
                SCOPED_TRACE(std::to_string(existing) + " step " +
                             std::to_string(static_cast<int>(step)) + " file " +
                             std::to_string(file));
                fs::remove(report);
                fs::remove(chart);
                if (existing) {
                    WriteFile(report, "old report");
                    WriteFile(chart, "old chart");
                }
                InjectWriteFailure(step, 1, file);
                const PairWriteOutcome outcome =
                    WritePairSafely(report, "new report", chart, "new chart");
                ClearInjectedWriteFailures();
                EXPECT_FALSE(outcome.ok);
                EXPECT_EQ(outcome.failedPath, file == 0 ? report : chart);
                EXPECT_FALSE(outcome.reason.empty());
                if (existing) {
                    EXPECT_EQ(ReadFile(report), "old report");
                    EXPECT_EQ(ReadFile(chart), "old chart");
                    EXPECT_EQ(Entries(dir.path()),
                              (std::vector<std::string>{"open.qtr", "open.tms"}));
                } else {
                    EXPECT_TRUE(Entries(dir.path()).empty());
                }
            }
        }
    }
    ASSERT_TRUE(WritePairSafely(report, "new report", chart, "new chart").ok);
    EXPECT_EQ(ReadFile(report), "new report");
    EXPECT_EQ(ReadFile(chart), "new chart");
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"open.qtr", "open.tms"}));
}

#ifndef _WIN32 // links need an administrator's right on Windows
TEST_F(WriteTargets, APairThroughLinksKeepsTheLinks) {
    WriteFile(dir.file("real.qtr"), "old");
    fs::create_symlink(dir.file("real.qtr"), dir.file("link.qtr"));
    ASSERT_TRUE(WritePairSafely(dir.file("link.qtr"), "new", dir.file("link.tms"), "chart").ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.qtr")));
    EXPECT_EQ(ReadFile(dir.file("real.qtr")), "new");
}
#endif

// Processes (threads on Windows, which has no fork; the folder lock holds between handles
// either way) writing pairs to one name at once end with a matching pair every time.
TEST_F(WriteTargets, RacingPairWritersLeaveAMatchingPair) {
    const std::string report = dir.file("race.qtr");
    const std::string chart = dir.file("race.tms");
    for (int round = 0; round < 20; ++round) {
#ifdef _WIN32
        std::vector<std::thread> writers;
        std::vector<int> ok(4, 0);
        for (int w = 0; w < 4; ++w) {
            writers.emplace_back([&, w] {
                const std::string mark = std::to_string(w) + std::string(20000, 'x');
                ok[w] = WritePairSafely(report, "report " + mark, chart, "chart " + mark).ok;
            });
        }
        for (std::thread& writer : writers)
            writer.join();
        EXPECT_EQ(ok, std::vector<int>(4, 1));
#else
        std::vector<pid_t> writers;
        for (int w = 0; w < 4; ++w) {
            const pid_t pid = fork();
            if (pid == 0) {
                const std::string mark = std::to_string(w) + std::string(20000, 'x');
                _exit(WritePairSafely(report, "report " + mark, chart, "chart " + mark).ok ? 0 : 1);
            }
            writers.push_back(pid);
        }
        for (pid_t pid : writers) {
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
#endif
        EXPECT_EQ(ReadFile(report).substr(7), ReadFile(chart).substr(6)) << "round " << round;
    }
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"race.qtr", "race.tms"}));
}
