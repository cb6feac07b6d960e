// Telling a running writer from a dead one: this process runs, a child that has ended does
// not, whether or not anyone has waited for it yet, and a start time names one process.

#include "platform/Processes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace ranvik::platform;

namespace {

// A child process that has ended; while `waitedFor` is false its end has not been collected
// yet (a zombie on Linux, a process whose handle is still open on Windows).
class EndedChild {
  public:
    explicit EndedChild(bool waitedFor) {
#ifdef _WIN32
        wchar_t program[MAX_PATH];
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring line = L"\"" + std::wstring(program) + L"\" --ranvik-child test-exit 0";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                            nullptr, nullptr, &startup, &started))
            return;
        pid_ = static_cast<long>(started.dwProcessId);
        startTime_ = ProcessStartTime(pid_);
        CloseHandle(started.hThread);
        WaitForSingleObject(started.hProcess, INFINITE);
        if (waitedFor)
            CloseHandle(started.hProcess);
        else
            handle_ = started.hProcess;
#else
        int ready[2];
        if (pipe(ready) != 0)
            return;
        const pid_t pid = fork();
        if (pid == 0) {
            char byte = 0;
            close(ready[1]);
            // Waits until the parent has read its start time, then ends.
            if (read(ready[0], &byte, 1) < 0)
                _exit(1);
            _exit(0);
        }
        close(ready[0]);
        pid_ = pid;
        startTime_ = ProcessStartTime(pid_);
        close(ready[1]);
        if (waitedFor) {
            waitpid(pid, nullptr, 0);
        } else {
            // Ended, not collected: its /proc entry stays.
            for (int i = 0; i < 200 && ProcessRunning(pid_); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            zombie_ = pid;
        }
#endif
    }
    ~EndedChild() {
#ifdef _WIN32
        if (handle_)
            CloseHandle(handle_);
#else
        if (zombie_ > 0)
            waitpid(zombie_, nullptr, 0);
#endif
    }
    EndedChild(const EndedChild&) = delete;
    EndedChild& operator=(const EndedChild&) = delete;
    long pid() const {
        return pid_;
    }
    std::uint64_t startTime() const {
        return startTime_;
    }

  private:
    long pid_ = 0;
    std::uint64_t startTime_ = 0;
#ifdef _WIN32
    HANDLE handle_ = nullptr;
#else
    pid_t zombie_ = 0;
#endif
};

TEST(Processes, ThisProcessRunsWithOneStartTime) {
    const long self = CurrentProcessId();
    EXPECT_GT(self, 0);
    EXPECT_TRUE(ProcessRunning(self));
    const std::uint64_t started = ProcessStartTime(self);
    EXPECT_NE(started, 0u);
    EXPECT_EQ(ProcessStartTime(self), started);
}

TEST(Processes, AnEndedChildIsNotRunningWhetherOrNotItWasWaitedFor) {
    for (const bool waitedFor : {false, true}) {
        SCOPED_TRACE(waitedFor ? "waited for" : "not waited for yet");
        const EndedChild child(waitedFor);
        ASSERT_GT(child.pid(), 0);
        EXPECT_NE(child.startTime(), 0u);
        EXPECT_FALSE(ProcessRunning(child.pid()));
    }
}

TEST(Processes, NoProcessHasIdZeroOrBelow) {
    for (const long pid : {0L, -1L}) {
        EXPECT_FALSE(ProcessRunning(pid));
        EXPECT_EQ(ProcessStartTime(pid), 0u);
    }
}

} // namespace
